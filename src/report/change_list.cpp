#include "report/change_list.h"

#include "base/codepage.h"

namespace zt6 {

namespace {

// Padded with blanks or cut to exactly width bytes (CP850: one byte a character).
std::string Column(const std::string& text, std::size_t width) {
  std::string out = text.substr(0, width);
  out.resize(width, ' ');
  return out;
}

// Blanks at the end only, so a short text lines up with the others.
std::string PaddedTo(const std::string& text, std::size_t width) {
  std::string out = text;
  if (out.size() < width) out.resize(width, ' ');
  return out;
}

// The description's lines; it keeps the line breaks typed into it.
void DescriptionLines(ReportWriter& writer, const std::string& description) {
  std::size_t start = 0;
  while (true) {
    std::size_t end = description.find('\n', start);
    std::string line =
        description.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    writer.Line(" " + line);
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

}  // namespace

std::array<std::string, 5> ChangeListHeader(const std::string& programTitle,
                                            const std::string& version,
                                            const std::array<std::string, 3>& infoLines,
                                            const Vocabulary& words) {
  return {programTitle + " V" + version, words["Änderungsprotokoll"], infoLines[0], infoLines[1],
          infoLines[2]};
}

std::string ChangeListIndex(std::size_t i, int indexStyle) {
  if (indexStyle == 1 || i < 1 || i > 26) return std::to_string(i);
  return std::string(1, static_cast<char>('a' + (i - 1)));
}

void WriteChangeList(ReportWriter& writer, const DocumentationData& docs, int indexStyle,
                     const Vocabulary& words) {
  writer.Line("");
  writer.Line(words["Erstellungsdatum"] + ": " + docs.signOff[0].date + "     " +
              words["Erstellt von"] + ": " + docs.signOff[0].name);
  if (!docs.replacementFor.empty()) {
    writer.Line("");
    writer.Line(words["Ersatz für"] + ": " + PaddedTo(docs.replacementFor, docwidth::replacement));
  }
  if (!docs.replacedBy.empty()) {
    writer.Line("");
    writer.Line(words["Ersetzt durch"] + ": " + PaddedTo(docs.replacedBy, docwidth::replacement));
  }
  writer.Line("");
  writer.Line(Column(words["Index"], 6) + "  " + Column(words["Datum"], 10) + "   " +
              Column(words["Bearb."], 6) + "   " + Column(words["Änderung"], 20));
  writer.Line(writer.DoubleRule());
  for (std::size_t i = 1; i <= docs.changeCount && i <= kMaxChangeRecords; ++i) {
    const AendRecord& record = docs.changes[i - 1];
    writer.Line("  " + ChangeListIndex(i, indexStyle) + "     " + Column(record.date, 10) + "   " +
                Column(record.editor, 6) + "   " + Column(record.changeText, 20));
    DescriptionLines(writer, record.description);
    writer.Line(writer.Rule());
  }
}

}  // namespace zt6
