#pragma once
// The change list ("Änderungsprotokoll"): the creation line, the replacement lines and
// one entry per change record, laid out by the report writer, so it pages and takes
// every output form the writer has. Texts are CP850.

#include <array>
#include <string>

#include "docs/documentation_data.h"
#include "report/report_writer.h"
#include "report/vocabulary.h"

namespace zt6 {

// Header lines 1..5: title + " V" + version, "Änderungsprotokoll" (in the language of
// words), the three information lines.
std::array<std::string, 5> ChangeListHeader(const std::string& programTitle,
                                            const std::string& version,
                                            const std::array<std::string, 3>& infoLines,
                                            const Vocabulary& words = GermanWords());

// The index column of record i (1-based): the number for style 1 ("1,2,3..."), the
// lower-case letter for every other style.
std::string ChangeListIndex(std::size_t i, int indexStyle);

// Everything after the page header: the creation line, "Ersatz für" and "Ersetzt
// durch" when set, the heading with its double rule and the records, each followed by
// its description (one report line per line of it) and a rule; the words in the
// language of words.
void WriteChangeList(ReportWriter& writer, const DocumentationData& docs, int indexStyle,
                     const Vocabulary& words = GermanWords());

}  // namespace zt6
