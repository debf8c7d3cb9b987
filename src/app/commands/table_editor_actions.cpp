#include "app/commands/table_editor_actions.h"

#include "base/html_escape.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "base/blanks.h"
#include "base/codepage.h"
#include "base/program_identity.h"
#include "base/safe_file.h"

namespace zt6 {

namespace {

constexpr std::string_view kTableStart = "<TABLE BORDER = \"1\" WIDTH= \"100%\">";
constexpr int kPrintedColumns = 7;
constexpr std::size_t kPrintedTextWidth = 65;

// Upper case in the Windows code page, accented letters included.
std::string UpperAnsi(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
      c = static_cast<char>(b - 0x20);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {  // š œ ž
      c = static_cast<char>(b - 0x10);
    } else if (b == 0xFF) {  // ÿ
      c = static_cast<char>(0x9F);
    }
  }
  return out;
}

// Field n of the current record without the blanks that pad it (Windows code page).
std::string FieldText(const CurrentTable& table, int n) {
  return std::string(TrimBlanksAtEnd(table.DbfField(n)));
}

bool RecordHolds(const CurrentTable& table, const std::string& needle) {
  for (int n = 1; n <= table.DbfFieldCount(); ++n)
    if (UpperAnsi(table.DbfField(n)).find(needle) != std::string::npos) return true;
  return false;
}

std::string Cut(std::string text, std::size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

std::string Padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

// Goes back to the record that was current before a pass over the whole table.
class KeepRecord {
 public:
  explicit KeepRecord(CurrentTable& table) : table_(table), recNo_(table.DbfRecNo()) {}
  ~KeepRecord() {
    if (recNo_ >= 1 && recNo_ <= table_.DbfRecCount()) table_.DbfGo(recNo_);
  }
  KeepRecord(const KeepRecord&) = delete;
  KeepRecord& operator=(const KeepRecord&) = delete;

 private:
  CurrentTable& table_;
  std::int64_t recNo_;
};

}  // namespace

bool SearchTable(CurrentTable& table, std::string_view text, bool fromNext) {
  if (!table.IsOpen() || table.DbfRecCount() == 0) return false;
  const std::string needle = UpperAnsi(TrimBlanks(Utf8ToCp1252(text)));
  const std::int64_t start = table.DbfRecNo();
  if (fromNext) {
    table.DbfSkip(1);
  } else {
    table.DbfGoTop();
  }
  for (; !table.DbfEof(); table.DbfSkip(1)) {
    if (RecordHolds(table, needle)) return true;
  }
  table.DbfGo(start);
  return false;
}

bool ExportTableHtml(const Program& program, CurrentTable& table, const std::string& path,
                     std::string& error, const std::optional<std::tm>& time) {
  const ReportPageInfo info = ReportPageInfoOf(program, time);
  const bool ascii = program.config.format.asciiSpecial;
  const std::string chosen = Utf8ToCp1252(path);
  const std::string title = Utf8ToCp1252(std::filesystem::path(path).stem().string());

  std::vector<std::string> lines{
      "<HTML>",
      "<head><title>" + HtmlEscaped(title) + "</title></head>",
      "<BODY BGCOLOR=\"C0C0C0\">",
      "<P>" + std::string(kProgramTitle) + "V" + kProgramVersion + " #" +
          HtmlEscaped(OemToAnsiAnyLength(info.ownerText, ascii)) + " - " +
          HtmlEscaped(OemToAnsiAnyLength(info.installationText, ascii)) + "</P>",
      "<P>" + HtmlEscaped(chosen) + "</P>",  // as chosen: a Linux path is case-sensitive
      "<P>" + info.date + " - " + info.time + "</P>",
      "<HR>",
      std::string(kTableStart)};
  std::string names = "<TR>";
  for (int n = 1; n <= table.DbfFieldCount(); ++n)
    names += "<TD><CENTER>" + HtmlEscaped(table.DbfFieldName(n)) + "</CENTER></TD>";
  lines.push_back(names + "</TR>");
  {
    KeepRecord keep(table);
    for (std::int64_t k = 1; k <= table.DbfRecCount(); ++k) {
      table.DbfGo(k);
      std::string row = "<TR>";
      for (int n = 1; n <= table.DbfFieldCount(); ++n)
        row += "<TD>" + HtmlEscaped(FieldText(table, n)) + "</TD>";
      lines.push_back(row + "</TR>");
    }
  }
  lines.insert(lines.end(), {"</TABLE>", "</BODY>", "</HTML>"});

  std::string page;
  for (const std::string& line : lines) page += line + "\r\n";
  const SafeWriteResult written = WriteFileSafely(path, page);
  error = written.error;
  return written.ok;
}

void PrintTable(ReportOutput& output, Program& program, Prompts& prompts, CurrentTable& table,
                const std::string& caption, const std::string& title) {
  ReportWriter& writer = program.report;
  writer.SetHeader({std::string(kProgramTitle) + " V" + kProgramVersion, Utf8ToCp850(table.Path()),
                    Utf8ToCp850(caption), title, ""},
                   0);
  prompts.shell().cancel = false;
  output.Open(0, program.projectName);
  if (prompts.shell().cancel) return;
  if (!output.FirstPageHeader(0)) return;
  writer.Line("");

  const int columns = std::min(kPrintedColumns, table.DbfFieldCount());
  std::vector<std::size_t> widths;
  std::vector<std::string> headings;
  for (int n = 1; n <= columns; ++n) {
    widths.push_back(static_cast<std::size_t>(table.DbfFieldLen(n)) + 1);
    headings.push_back(table.DbfFieldName(n));
  }
  // One record or the headings as a line of the form the writer renders.
  const auto line = [&](const std::vector<std::string>& texts, bool heading) {
    std::string out;
    switch (writer.Form()) {
      case ReportForm::Text:
        for (std::size_t i = 0; i < texts.size(); ++i)
          out += Padded(Cut(texts[i], widths[i]), widths[i]);
        writer.Line(out);
        return;
      case ReportForm::TabSeparated:
        for (std::size_t i = 0; i < texts.size(); ++i) out += (i == 0 ? "" : "\t") + texts[i];
        writer.Line(out);
        return;
      case ReportForm::Html:
        out = "<TR>";
        for (std::size_t i = 0; i < texts.size(); ++i) {
          if (heading) {
            out += "<TD><CENTER>" + HtmlEscaped(texts[i]) + "</CENTER></TD>";
          } else if (i == 0) {
            out += "<TD>" + HtmlEscaped(texts[i]) + "</TD>";
          } else {
            out += "<TD><DIV ALIGN=RIGHT>" + HtmlEscaped(texts[i]) + "</DIV></TD>";
          }
        }
        writer.Markup(out + "</TR>");
        return;
    }
  };

  const bool text = writer.Form() == ReportForm::Text;
  if (text) writer.Line(writer.DoubleRule());
  if (writer.Form() == ReportForm::Html) writer.Markup(kTableStart);
  line(headings, true);
  if (text) writer.Line(writer.DoubleRule());
  {
    KeepRecord keep(table);
    for (std::int64_t k = 1; k <= table.DbfRecCount(); ++k) {
      table.DbfGo(k);
      std::vector<std::string> texts;
      for (int n = 1; n <= columns; ++n)
        texts.push_back(Cut(AnsiToOemAnyLength(FieldText(table, n)), kPrintedTextWidth));
      line(texts, false);
      if (text) writer.Line(writer.Rule());
    }
  }
  if (writer.Form() == ReportForm::Html) writer.Markup("</TABLE>");
  output.Close();
}

}  // namespace zt6
