#include "docs/documentation_data.h"

#include <chrono>
#include <ctime>

#include "base/number_format.h"
#include "calc/design_record.h"

namespace zt6 {

DocumentationData InitialDocumentation(const std::string& today) {
  DocumentationData docs;
  for (std::size_t row = 0; row < 3; ++row) docs.signOff[row].date = today;
  return docs;
}

void ResetDocumentation(DocumentationData& docs, DrawingIdentification& drawing,
                        const std::string& today) {
  docs.changeCount = 0;
  docs.replacementFor.clear();
  docs.replacedBy.clear();
  docs.signOff = {};
  docs.signOff[0].date = today;
  for (std::string& line : drawing.infoLines) line.clear();
}

bool AddChangeRecord(DocumentationData& docs, const std::string& today) {
  if (docs.changeCount >= kMaxChangeRecords) return false;
  docs.changes[docs.changeCount++].date = FitWidth(today, docwidth::changeDate);
  return true;
}

void DeleteLastChangeRecord(DocumentationData& docs) {
  if (docs.changeCount > 0) --docs.changeCount;
}

std::string TodayText(int dateCode) {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return FormatDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, dateCode);
}

}  // namespace zt6
