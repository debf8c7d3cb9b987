#pragma once
// What the calculation report says: its header, its column headings and its pages
// (dimensions, tooth thickness and space width, deviation guide values in database
// mode, strength), written through the report writer.

#include <array>
#include <string>
#include <vector>

#include "base/format_settings.h"
#include "calc/design_record.h"
#include "report/report_writer.h"
#include "report/vocabulary.h"

namespace zt6 {

// Header lines 1..5: program and standard, the shaft and hub drawing names with their
// numbers, information lines 1 and 2.
std::array<std::string, 5> CalculationReportHeader(const DesignRecord& design,
                                                   const Vocabulary& words,
                                                   const std::string& version);
std::array<std::string, 5> CalculationReportColumns(const Vocabulary& words);

// Writes everything after the first page header up to the last page's end. Stops at
// once when a page header was cancelled; returns false then.
bool WriteCalculationReportPages(ReportWriter& writer, const DesignRecord& design,
                                 const Vocabulary& words, const FormatSettings& format,
                                 const std::vector<ReportRemark>& remarks);

}  // namespace zt6
