#pragma once
// The report writer: every text report goes through it. It lays lines out in pages
// with a boxed page header and rules in one of four styles, and renders the same
// calls as fixed-width DOS text, tab-separated text or HTML. It builds the report in
// memory; choosing the device and handing the finished file to its destination is
// the report output's job (app/report_output.h).
//
// Every text passed in is in the DOS code page (CP850). Text-form lines stay CP850;
// HTML lines are converted to Windows-1252 here.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

enum class ReportForm { Text, TabSeparated, Html };

// 6 and 9 are tab-separated, 7 is HTML, every other device writes text.
ReportForm FormOfDevice(int device);

// The settings a report is laid out with (configuration entries).
struct ReportSettings {
  int ruleStyle = 2;         // 1 "***", 2 "---", 3 blanks, 4 compressed
  int linesPerPage = 66;
  int headerSpaceLines = 0;  // blank lines above the header box
  int headerMode = 1;        // 2: header box on the first page only
  int tabSeparator = 2;      // decimal separator of tab-separated values: 1 ".", 2 ","
  bool asciiSpecial = false; // transliterate in the Windows conversion
};

// What the page headers show besides the header lines (CP850).
struct ReportPageInfo {
  std::string programTitle;      // with the version appended as " V" + version
  std::string version;
  std::string ownerText;         // header box line 2, at most 60 characters
  std::string installationText;  // after " #" in the HTML heading
  std::string date;
  std::string time;
  std::string projectFileText;   // header box line 3
  std::array<std::string, 3> informationLines;
};

// One run message with its description (CP850).
struct ReportRemark {
  std::string message;
  std::string cause;
  std::string remedy;
};

inline constexpr std::string_view kNoRule = "$!$";  // a rule that is never written

// What the values of a row are: results (numbers with the tab-separated form's
// decimal separator) or identifiers such as designations and material numbers, which
// stay texts as typed even when they read as numbers.
enum class RowValues { Results, Texts };

class Vocabulary;

class ReportWriter {
 public:
  ReportWriter();

  // Header lines 1..5, each cut to 65 characters; an empty line 1 becomes the program
  // title line. Resets the page count.
  void SetHeader(std::array<std::string, 5> lines, int totalPages);
  // Column headings cut to 30, 10, 10, 10, 10 characters.
  void SetColumns(std::array<std::string, 5> headings);
  // The writer's own words (the sheet number's "Bl.", the remarks' title) in the
  // language of words; German until set.
  void SetWords(const Vocabulary& words);

  // Starts a new document for the device with an empty output. The pause question is
  // asked before each page when pauseAfterPage is on; answering No cancels.
  void Begin(int device, std::string outputName, const ReportSettings& settings,
             const ReportPageInfo& info);
  void SetPauseQuestion(bool pauseAfterPage, std::function<bool()> askContinue);

  void PageHeader(int page, int columnHeadings);
  void Line(std::string_view text);
  void LineNoBreak(std::string_view text);
  void Row(std::string_view text);
  void Row4(std::string_view label, std::string_view symbol, std::string_view unit,
            std::string_view value, RowValues values = RowValues::Results);
  void Row5(std::string_view label, std::string_view symbol, std::string_view unit,
            std::string_view first, std::string_view second,
            RowValues values = RowValues::Results);
  void Wrapped(std::string_view text);
  // A line of markup of the HTML form, written as it stands (tags are not escaped);
  // the other forms write nothing.
  void Markup(std::string_view oemLine);
  std::string Rule() const;
  std::string DoubleRule() const;
  void NeedLines(int columnHeadings);
  void EndPage();
  void Remarks(const std::vector<ReportRemark>& remarks);
  // Ends the document: the final form feed, the closing HTML elements.
  void Finish();

  // "name" at column 1, numberLabel ("Nr.: ") + number at column 40 of a 72-character line.
  static std::string NameLine(std::string_view name, std::string_view number,
                              std::string_view numberLabel = "Nr.: ");

  int Device() const { return device_; }
  void SetDevice(int device) { device_ = device; }
  ReportForm Form() const { return FormOfDevice(device_); }
  const std::string& OutputName() const { return outputName_; }
  void SetOutputName(std::string name) { outputName_ = std::move(name); }
  // The document as written so far.
  const std::string& Output() const { return output_; }
  // The lines of the tab-separated output (0-based) whose cells are all texts.
  const std::vector<std::size_t>& TextLines() const { return textLines_; }
  bool Cancelled() const { return cancelled_; }
  int PageNumber() const { return pageNumber_; }
  int LinesOnPage() const { return linesOnPage_; }
  const std::array<std::string, 5>& HeaderLines() const { return headerLines_; }

  // Number of the last tab-separated file; shared with the spreadsheet export.
  int fileCounter = 0;

 private:
  enum class RuleKind { Single, Double, BoxTop, BoxBottom, BoxMiddle };
  std::string RuleText(RuleKind kind) const;
  char SideCharacter() const;
  bool IsRule(std::string_view text) const;
  bool FirstPage(int page) const;

  void Write(std::string_view bytes);        // raw bytes
  void WriteLine(std::string_view line);     // bytes + CR LF
  void WriteHtml(std::string_view oemLine);  // converted to Windows-1252 + CR LF
  std::string Html(std::string_view oemText) const;  // escaped, still CP850
  // One line of any form; counted and broken into pages in the text form.
  void Emit(std::string_view text, bool lineEnd);
  void PageFull();
  void BoxLine(std::string_view text);
  void ColumnHeadingRow();
  void OpenTable();
  void CloseTable();
  // A value of the tab-separated form: results with its decimal separator.
  std::string TabValue(std::string_view value, RowValues values = RowValues::Results) const;
  // The next line's cells are texts.
  void MarkTextLine();
  void TextPageHeader(int page, int columnHeadings);
  void HtmlPageHeader(int page);
  void TabPageHeader(int page);

  int device_ = 1;
  std::string outputName_ = "$out.tmp";
  std::string output_;
  std::vector<std::size_t> textLines_;
  ReportSettings settings_;
  ReportPageInfo info_;
  int pageNumber_ = 0;
  int linesOnPage_ = 0;
  int totalPages_ = 0;
  std::array<std::string, 5> headerLines_;
  std::array<std::string, 5> columnHeadings_;
  std::string sheetWord_ = "Bl.";
  std::string remarksTitle_ = "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN";
  int pendingColumnHeadings_ = 1;
  bool pauseAfterPage_ = false;
  std::function<bool()> askContinue_;
  bool htmlTableOpen_ = false;
  bool inPageHeader_ = false;
  bool cancelled_ = false;
};

}  // namespace zt6
