#include "report/report_writer.h"

#include <algorithm>
#include <utility>

#include "base/beta_symbols.h"
#include "base/codepage.h"
#include "base/html_escape.h"
#include "base/number_format.h"
#include "report/line_builder.h"
#include "report/vocabulary.h"

namespace zt6 {

namespace {

constexpr std::size_t kRuleWidth = 70;
constexpr std::size_t kHeaderWidth = 65;
constexpr std::array<std::size_t, 5> kHeadingWidths{30, 10, 10, 10, 10};
constexpr std::string_view kIndent = "       ";  // every text-form line
constexpr std::string_view kTableStart = "<TABLE BORDER = \"2\" WIDTH= \"100%\">";

// Code page 850 box-drawing characters.
constexpr char kLight = static_cast<char>(196);        // ─
constexpr char kDouble = static_cast<char>(205);       // ═
constexpr char kTopLeft = static_cast<char>(201);      // ╔
constexpr char kTopRight = static_cast<char>(187);     // ╗
constexpr char kBottomLeft = static_cast<char>(200);   // ╚
constexpr char kBottomRight = static_cast<char>(188);  // ╝
constexpr char kMiddleLeft = static_cast<char>(204);   // ╠
constexpr char kMiddleRight = static_cast<char>(185);  // ╣
constexpr char kVertical = static_cast<char>(186);     // ║

std::string Cut(std::string text, std::size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

std::string Boxed(char left, char fill, char right) {
  return left + std::string(kRuleWidth - 2, fill) + right;
}

std::string WithoutBlanks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

}  // namespace

ReportForm FormOfDevice(int device) {
  if (device == 6 || device == 9) return ReportForm::TabSeparated;
  if (device == 7) return ReportForm::Html;
  return ReportForm::Text;
}

ReportWriter::ReportWriter() : columnHeadings_{"", "Zeichen", "Einheit", "2", "1"} {}

void ReportWriter::SetHeader(std::array<std::string, 5> lines, int totalPages) {
  for (std::size_t i = 0; i < lines.size(); ++i) headerLines_[i] = Cut(std::move(lines[i]), kHeaderWidth);
  totalPages_ = totalPages;
  pageNumber_ = 0;
  linesOnPage_ = 0;
}

void ReportWriter::SetColumns(std::array<std::string, 5> headings) {
  for (std::size_t i = 0; i < headings.size(); ++i)
    columnHeadings_[i] = Cut(std::move(headings[i]), kHeadingWidths[i]);
}

void ReportWriter::Begin(int device, std::string outputName, const ReportSettings& settings,
                         const ReportPageInfo& info) {
  device_ = device;
  outputName_ = std::move(outputName);
  settings_ = settings;
  info_ = info;
  if (headerLines_[0].empty())
    headerLines_[0] = Cut(info_.programTitle + "  V" + info_.version, kHeaderWidth);
  output_.clear();
  textLines_.clear();
  pageNumber_ = 0;
  linesOnPage_ = 0;
  htmlTableOpen_ = false;
  cancelled_ = false;
  pauseAfterPage_ = false;
  askContinue_ = nullptr;
}

void ReportWriter::SetPauseQuestion(bool pauseAfterPage, std::function<bool()> askContinue) {
  pauseAfterPage_ = pauseAfterPage;
  askContinue_ = std::move(askContinue);
}

std::string ReportWriter::RuleText(RuleKind kind) const {
  switch (settings_.ruleStyle) {
    case 1:
      if (kind == RuleKind::Single) return std::string(kRuleWidth, '-');
      if (kind == RuleKind::Double) return std::string(kRuleWidth, '=');
      return std::string(kRuleWidth, '*');
    case 3:
      return std::string(kRuleWidth, ' ');
    case 4:
      return std::string(kNoRule);
    default:
      break;
  }
  switch (kind) {
    case RuleKind::Single: return std::string(kRuleWidth, kLight);
    case RuleKind::Double: return std::string(kRuleWidth, kDouble);
    case RuleKind::BoxTop: return Boxed(kTopLeft, kDouble, kTopRight);
    case RuleKind::BoxBottom: return Boxed(kBottomLeft, kDouble, kBottomRight);
    case RuleKind::BoxMiddle: return Boxed(kMiddleLeft, kDouble, kMiddleRight);
  }
  return {};
}

std::string ReportWriter::Rule() const { return RuleText(RuleKind::Single); }
std::string ReportWriter::DoubleRule() const { return RuleText(RuleKind::Double); }

char ReportWriter::SideCharacter() const {
  if (settings_.ruleStyle == 1) return '*';
  if (settings_.ruleStyle == 3 || settings_.ruleStyle == 4) return ' ';
  return kVertical;
}

bool ReportWriter::IsRule(std::string_view text) const {
  return text == kNoRule || text == Rule() || text == DoubleRule();
}

bool ReportWriter::FirstPage(int page) const {
  return page == 1 || (page == 0 && pageNumber_ == 0);
}

void ReportWriter::Write(std::string_view bytes) { output_.append(bytes); }

void ReportWriter::WriteLine(std::string_view line) {
  output_.append(line);
  output_.append("\r\n");
}

void ReportWriter::WriteHtml(std::string_view oemLine) {
  // Windows-1252 has no beta; the page shows it as an entity.
  WriteLine(OemToAnsiAnyLength(SpellBetaSymbols(oemLine, "&beta;"), settings_.asciiSpecial));
}

// Texts are escaped so that a message such as "Dii<DFe" is shown, not taken for a tag.
std::string ReportWriter::Html(std::string_view oemText) const { return HtmlEscaped(oemText); }

void ReportWriter::MarkTextLine() {
  textLines_.push_back(static_cast<std::size_t>(std::count(output_.begin(), output_.end(), '\n')));
}

std::string ReportWriter::TabValue(std::string_view value, RowValues values) const {
  std::string out(value);
  if (values == RowValues::Texts) return out;
  const char from = settings_.tabSeparator == 1 ? ',' : '.';
  const char to = settings_.tabSeparator == 1 ? '.' : ',';
  std::replace(out.begin(), out.end(), from, to);
  return out;
}

void ReportWriter::OpenTable() {
  if (htmlTableOpen_) return;
  WriteLine(kTableStart);
  htmlTableOpen_ = true;
}

void ReportWriter::CloseTable() {
  if (!htmlTableOpen_) return;
  WriteLine("</TABLE>");
  htmlTableOpen_ = false;
}

// ---- lines -------------------------------------------------------------------

// Runs after the count went up and before the line is written; the pending line then
// follows the new page's header without being counted there.
void ReportWriter::PageFull() {
  // A page header and the blank line after it never break a page: with fewer lines
  // per page than they hold, breaking there would begin page after page without end.
  if (inPageHeader_ || linesOnPage_ < settings_.linesPerPage) return;
  if (settings_.headerMode == 2) {
    WriteLine("\f");
    linesOnPage_ = 0;
    return;
  }
  const bool held = inPageHeader_;
  inPageHeader_ = true;
  EndPage();
  PageHeader(0, pendingColumnHeadings_);
  Line("");
  inPageHeader_ = held;
}

void ReportWriter::Line(std::string_view text) { Emit(text, true); }

void ReportWriter::LineNoBreak(std::string_view text) { Emit(text, false); }

void ReportWriter::Emit(std::string_view text, bool lineEnd) {
  if (text == kNoRule) return;
  switch (Form()) {
    case ReportForm::TabSeparated:
      if (IsRule(text)) return;
      Write(text);
      break;
    case ReportForm::Html:
      CloseTable();
      ++linesOnPage_;
      if (IsRule(text)) return;
      Write(OemToAnsiAnyLength(SpellBetaSymbols("<br>" + Html(text), "&beta;"),
                               settings_.asciiSpecial));
      break;
    case ReportForm::Text:
      ++linesOnPage_;
      PageFull();
      Write(kIndent);
      Write(text);
      break;
  }
  if (lineEnd) Write("\r\n");
}

void ReportWriter::Row(std::string_view text) {
  if (Form() != ReportForm::Html) {
    Line(text);
    return;
  }
  OpenTable();
  WriteHtml("<TR><TD>" + Html(text) + "</TD></TR>");
}

void ReportWriter::Row4(std::string_view label, std::string_view symbol, std::string_view unit,
                        std::string_view value, RowValues values) {
  switch (Form()) {
    case ReportForm::TabSeparated:
      if (values == RowValues::Texts) MarkTextLine();
      WriteLine(std::string(label) + '\t' + std::string(symbol) + '\t' + std::string(unit) + '\t' +
                TabValue(value, values));
      return;
    case ReportForm::Html:
      OpenTable();
      WriteHtml("<TR><TD>" + Html(label) + "</TD><TD>" + Html(symbol) + "</TD><TD>" + Html(unit) +
                "</TD><TD><DIV ALIGN=RIGHT>" + Html(value) + "</DIV></TD></TR>");
      return;
    case ReportForm::Text:
      Line(LineBuilder(68).Place(1, label).Place(35, symbol).Place(44, unit).Place(56, value).Text());
      if (settings_.ruleStyle != 4) Line(Rule());
      return;
  }
}

void ReportWriter::Row5(std::string_view label, std::string_view symbol, std::string_view unit,
                        std::string_view first, std::string_view second, RowValues values) {
  switch (Form()) {
    case ReportForm::TabSeparated:
      if (values == RowValues::Texts) MarkTextLine();
      WriteLine(std::string(label) + '\t' + std::string(symbol) + '\t' + std::string(unit) + '\t' +
                TabValue(first, values) + '\t' + TabValue(second, values));
      return;
    case ReportForm::Html:
      if (!htmlTableOpen_) ColumnHeadingRow();
      WriteHtml("<TR><TD>" + Html(label) + "</TD><TD>" + Html(symbol) + "</TD><TD>" + Html(unit) +
                "</TD><TD>" + Html(first) + "</TD><TD>" + Html(second) + "</TD></TR>");
      return;
    case ReportForm::Text:
      Line(LineBuilder(66)
               .Place(1, label)
               .Place(35, symbol)
               .Place(44, unit)
               .Place(51, first)
               .Place(62, second)
               .Text());
      if (settings_.ruleStyle != 4) Line(Rule());
      return;
  }
}

void ReportWriter::Wrapped(std::string_view text) {
  if (text.empty()) return;
  if (Form() != ReportForm::Text || text.size() < 73) {
    Row(text);
    return;
  }
  while (!text.empty()) {
    std::size_t length = text.size();
    if (text.size() > 64) {
      const std::size_t blank = text.substr(0, 63).rfind(' ');
      length = blank == std::string_view::npos ? 64 : blank + 1;
    }
    Row(text.substr(0, length));
    text.remove_prefix(length);
  }
}

void ReportWriter::Markup(std::string_view oemLine) {
  if (Form() == ReportForm::Html) WriteHtml(oemLine);
}

std::string ReportWriter::NameLine(std::string_view name, std::string_view number,
                                   std::string_view numberLabel) {
  return LineBuilder(72)
      .Place(1, name)
      .Place(40, std::string(numberLabel) + std::string(number))
      .Text();
}

void ReportWriter::SetWords(const Vocabulary& words) {
  sheetWord_ = words["Bl."];
  remarksTitle_ = words["BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"];
}

// ---- pages -------------------------------------------------------------------

void ReportWriter::NeedLines(int columnHeadings) {
  if (linesOnPage_ <= std::max(settings_.linesPerPage - 10, 10)) return;
  EndPage();
  PageHeader(0, columnHeadings);
  Line("");
}

void ReportWriter::EndPage() {
  if (Form() != ReportForm::Text) return;
  if (settings_.ruleStyle == 4 && linesOnPage_ < settings_.linesPerPage / 2) return;
  if (device_ == 1 || device_ == 4) WriteLine("\f");
  if (device_ == 2) Write("\f");
  linesOnPage_ = 0;
}

void ReportWriter::PageHeader(int page, int columnHeadings) {
  switch (Form()) {
    case ReportForm::Text:
      TextPageHeader(page, columnHeadings);
      return;
    case ReportForm::Html:
      if (FirstPage(page)) HtmlPageHeader(page);
      return;
    case ReportForm::TabSeparated:
      if (FirstPage(page)) {
        TabPageHeader(page);
        if (columnHeadings == 1) ColumnHeadingRow();
      }
      return;
  }
}

void ReportWriter::BoxLine(std::string_view text) {
  const std::string side(1, SideCharacter());
  Line(LineBuilder(71).Insert(1, side).Insert(6, text).Insert(70, side).Text());
}

void ReportWriter::TextPageHeader(int page, int columnHeadings) {
  if (pauseAfterPage_ && askContinue_ && !askContinue_()) {
    cancelled_ = true;
    return;
  }
  const bool first = FirstPage(page);
  if (settings_.headerMode == 2 && !first) {
    WriteLine(" ");
    return;
  }
  if (settings_.ruleStyle == 4 && !first && linesOnPage_ < settings_.linesPerPage / 2) return;

  linesOnPage_ = 0;
  pendingColumnHeadings_ = columnHeadings;
  ++pageNumber_;
  if (page == 0) page = pageNumber_;
  const bool held = inPageHeader_;
  inPageHeader_ = true;

  if (settings_.ruleStyle == 4) Line("");
  for (int i = 0; i < settings_.headerSpaceLines; ++i) Line("");
  Line(RuleText(RuleKind::BoxTop));

  const std::string side(1, SideCharacter());
  LineBuilder first_line(71);
  first_line.Insert(1, side).Insert(6, headerLines_[0]);
  if (settings_.headerMode != 2) {
    if (totalPages_ > 0) {
      first_line.Insert(60, sheetWord_ + FormatInteger(page, 2, false) + "/" +
                                FormatInteger(totalPages_, 2, false));
    } else {
      first_line.Insert(64, sheetWord_ + FormatInteger(page, 2, false));
    }
  }
  Line(first_line.Insert(70, side).Text());
  Line(LineBuilder(71)
           .Insert(1, side)
           .Insert(6, info_.ownerText)
           .Insert(53, info_.date)
           .Insert(64, info_.time)
           .Insert(70, side)
           .Text());
  BoxLine(info_.projectFileText);
  Line(RuleText(RuleKind::BoxMiddle));
  for (std::size_t i = 1; i < 4; ++i) BoxLine(headerLines_[i]);
  if (!headerLines_[4].empty()) BoxLine(headerLines_[4]);
  if (columnHeadings == 1) {
    Line(RuleText(RuleKind::BoxMiddle));
    ColumnHeadingRow();
  } else {
    Line(RuleText(RuleKind::BoxBottom));
  }
  inPageHeader_ = held;
}

void ReportWriter::ColumnHeadingRow() {
  switch (Form()) {
    case ReportForm::TabSeparated:
      WriteLine(columnHeadings_[0] + '\t' + columnHeadings_[1] + '\t' + columnHeadings_[2] + '\t' +
                columnHeadings_[3] + '\t' + columnHeadings_[4]);
      return;
    case ReportForm::Html: {
      CloseTable();
      OpenTable();
      std::string row = "<TR><TD><CENTER>" + Html(columnHeadings_[0]) + "</CENTER></TD>";
      for (std::size_t i = 1; i < columnHeadings_.size(); ++i)
        row += "<TD>" + Html(columnHeadings_[i]) + "</TD>";
      WriteHtml(row + "</TR>");
      return;
    }
    case ReportForm::Text: {
      const std::string side(1, SideCharacter());
      Line(LineBuilder(69)
               .Insert(1, side)
               .Insert(1, columnHeadings_[0])
               .Insert(35, columnHeadings_[1])
               .Insert(44, columnHeadings_[2])
               .Insert(51, columnHeadings_[3])
               .Insert(62, columnHeadings_[4])
               .Insert(70, side)
               .Text());
      Line(RuleText(RuleKind::BoxBottom));
      Line("");
      return;
    }
  }
}

void ReportWriter::HtmlPageHeader(int /*page*/) {
  const std::string title = Html(info_.programTitle + " V" + info_.version);
  WriteLine("<!-- " + WithoutBlanks(OemToAnsiAnyLength(outputName_, settings_.asciiSpecial)) +
            " -->");
  WriteLine("<HTML>");
  // The page declares its code page, so every browser shows the umlauts.
  WriteHtml("<head><meta charset=\"windows-1252\"><title>" + title + "</title></head>");
  WriteLine("<BODY BGCOLOR=\"C0C0C0\">");
  WriteLine("<hr>");
  ++linesOnPage_;
  WriteHtml("<br><h4>" + title + " #" + Html(info_.installationText) + "</h4>");
  ++linesOnPage_;
  WriteHtml("<br><h4>" + Html(info_.ownerText) + "</h4>");
  WriteLine("<hr>");
  for (std::size_t i = 1; i < headerLines_.size(); ++i)
    WriteHtml("<h5>" + Html(headerLines_[i]) + "</h5>");
  WriteLine("<hr>");
  ++pageNumber_;
}

void ReportWriter::TabPageHeader(int /*page*/) {
  WriteLine(info_.programTitle + " V" + info_.version + '\t' + info_.date + '\t' + info_.time);
  WriteLine(WithoutBlanks(outputName_));
  for (const std::string& line : info_.informationLines) WriteLine(line);
  WriteLine(" ");
  ++pageNumber_;
}

// ---- remarks and end -----------------------------------------------------------

void ReportWriter::Remarks(const std::vector<ReportRemark>& remarks) {
  if (remarks.empty()) return;
  const ReportForm form = Form();
  WriteLine("");
  Line(remarksTitle_);
  if (form != ReportForm::TabSeparated) {
    Line(DoubleRule());
    WriteLine("");
    Line(Rule());
  }
  if (form == ReportForm::Html) OpenTable();
  for (const ReportRemark& remark : remarks) {
    if (form == ReportForm::TabSeparated) {
      WriteLine(remark.message + '\t' + remark.cause + '\t' + remark.remedy);
      continue;
    }
    Row(remark.message);
    Wrapped(remark.cause);
    Wrapped(remark.remedy);
    if (form == ReportForm::Text && settings_.ruleStyle != 4) Line(Rule());
    if (form == ReportForm::Html) {
      CloseTable();
      Line("");
      OpenTable();
    }
  }
  if (form == ReportForm::Html) CloseTable();
}

void ReportWriter::Finish() {
  const bool paperDevice = device_ == 1 || device_ == 2 || device_ == 4;
  if (linesOnPage_ > 0 && paperDevice && (settings_.headerMode == 2 || settings_.ruleStyle == 4))
    Write("\f");
  if (Form() == ReportForm::Html) {
    CloseTable();
    WriteLine("</BODY>");
    WriteLine("</HTML>");
  }
}

}  // namespace zt6
