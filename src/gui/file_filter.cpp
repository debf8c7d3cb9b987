#include "gui/file_filter.h"

#include <QStringList>

#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

QString QtPatterns(const QString& patterns) {
  QStringList out;
  for (const QString& p : patterns.split(';', Qt::SkipEmptyParts)) {
    const QString trimmed = p.trimmed();
    out << (trimmed == "*.*" ? QString("*") : trimmed);
  }
  return out.isEmpty() ? QString("*") : out.join(' ');
}

}  // namespace

QString QtFileFilter(const std::string& windowsFilter) {
  const QStringList parts = FromUtf8(windowsFilter).split('|');
  QStringList filters;
  if (parts.size() == 1) {
    const QString pattern = parts[0].trimmed().isEmpty() ? QString("*.*") : parts[0].trimmed();
    filters << pattern + " (" + QtPatterns(pattern) + ")";
  } else {
    // A text without its pattern (an odd count) stands for itself.
    for (qsizetype i = 0; i < parts.size(); i += 2) {
      const QString text = parts[i].trimmed();
      const QString pattern = i + 1 < parts.size() ? parts[i + 1] : text;
      if (text.isEmpty() && pattern.trimmed().isEmpty()) continue;
      filters << (text.isEmpty() ? pattern : text) + " (" + QtPatterns(pattern) + ")";
    }
  }
  if (filters.isEmpty()) filters << "*.* (*)";
  return filters.join(";;");
}

}  // namespace zt6::gui
