#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "report/line_builder.h"

namespace zt6 {
namespace {

const std::string kIndent(7, ' ');

ReportPageInfo Info() {
  ReportPageInfo info;
  info.programTitle = "ZT6  -  Kerbverzahnung DIN 5481";
  info.version = "1.5";
  info.ownerText = "Konstruktion";
  info.date = "05.03.2024";
  info.time = "9:05";
  info.projectFileText = "welle.zt6";
  info.informationLines = {"Info 1", "Info 2", "Info 3"};
  return info;
}

ReportSettings Settings(int style = 2, int headerMode = 1) {
  ReportSettings settings;
  settings.ruleStyle = style;
  settings.headerMode = headerMode;
  return settings;
}

// A writer with a header whose line 5 is empty, so a page header holds 9 lines.
ReportWriter Writer(int device, const ReportSettings& settings, int totalPages = 0) {
  ReportWriter writer;
  writer.SetHeader({"", "Zeile 2", "Zeile 3", "Zeile 4", ""}, totalPages);
  writer.Begin(device, "c:\\temp\\$$$1.txt", settings, Info());
  return writer;
}

std::vector<std::string> Lines(const std::string& output) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = output.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(output.substr(start, end - start));
  if (start < output.size()) lines.push_back(output.substr(start));
  return lines;
}

std::size_t CountOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

std::size_t Find(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

// A number the line's end cuts into would read as another number (1e308 as seventeen
// digits): it shows the overflow mark to the line's end.
TEST(LineBuilder, ANumberCutByTheLineEndShowsTheOverflowMark) {
  const std::string huge = "1" + std::string(308, '0') + ".00";
  const std::string line = LineBuilder(68).Place(1, "Zahnbreite").Place(56, huge).Text();
  EXPECT_EQ(line, "Zahnbreite" + std::string(45, ' ') + std::string(17, '*'));
  EXPECT_EQ(LineBuilder(0, 8).Place(1, "ab -12345,678").Text(), "ab *****");
  // Texts are cut as before; a number that fits stays.
  EXPECT_EQ(LineBuilder(0, 8).Place(1, "ab cdefghijk").Text(), "ab cdefg");
  EXPECT_EQ(LineBuilder(0, 8).Place(1, "ab 12345").Place(9, "x").Text(), "ab 12345");
}

TEST(LineBuilder, InsertsAndPlacesFields) {
  // Insertion moves what follows to the right; the line is cut at 72.
  EXPECT_EQ(LineBuilder(10).Insert(1, "|").Insert(3, "ab").Text(), "| ab" + std::string(9, ' '));
  EXPECT_EQ(LineBuilder(80).Insert(1, "x").Text().size(), 72u);
  // Placing never splits the field before: a long field pushes the next one.
  EXPECT_EQ(LineBuilder(0).Place(1, "abcdef").Place(4, "XY").Text(), "abcdefXY");
  EXPECT_EQ(LineBuilder(0).Place(1, "ab").Place(4, "XY").Text(), "abXY");  // beyond the end: appended
}

TEST(ReportWriter, RulesOfTheFourStyles) {
  struct Case {
    int style;
    std::string single;
    std::string doubled;
    std::string boxTop;
  };
  const std::string light(70, '\xC4');
  const std::string heavy(70, '\xCD');
  const std::vector<Case> cases = {
      {1, std::string(70, '-'), std::string(70, '='), std::string(70, '*')},
      {2, light, heavy, "\xC9" + std::string(68, '\xCD') + "\xBB"},
      {3, std::string(70, ' '), std::string(70, ' '), std::string(70, ' ')},
  };
  for (const Case& c : cases) {
    ReportWriter writer = Writer(1, Settings(c.style));
    EXPECT_EQ(writer.Rule(), c.single) << c.style;
    EXPECT_EQ(writer.DoubleRule(), c.doubled) << c.style;
    writer.PageHeader(0, 0);
    EXPECT_EQ(Lines(writer.Output()).at(0), kIndent + c.boxTop) << c.style;
  }
  ReportWriter compressed = Writer(1, Settings(4));
  EXPECT_EQ(compressed.Rule(), "$!$");
  EXPECT_EQ(compressed.DoubleRule(), "$!$");
}

TEST(ReportWriter, HeaderBoxPutsEachTextInItsColumn) {
  ReportWriter writer = Writer(1, Settings(2));
  writer.SetColumns({"", "Zeichen", "Einheit", "  Welle", "Nabe"});
  writer.PageHeader(0, 1);
  const std::vector<std::string> lines = Lines(writer.Output());
  ASSERT_EQ(lines.size(), 12u);  // 8 box lines, middle rule, headings, bottom rule, blank
  const std::string side = "\xBA";
  // Column n of the report is byte 7 + n of the line.
  const auto at = [&](std::size_t line, std::size_t column, std::size_t length) {
    return lines.at(line).substr(6 + column, length);
  };
  EXPECT_EQ(lines[1], kIndent + side + "    ZT6  -  Kerbverzahnung DIN 5481  V1.5" +
                          std::string(21, ' ') + "Bl. 1 " + side + "  ");
  EXPECT_EQ(at(2, 6, 12), "Konstruktion");
  EXPECT_EQ(at(2, 53, 10), "05.03.2024");
  EXPECT_EQ(at(2, 64, 4), "9:05");
  EXPECT_EQ(at(3, 6, 9), "welle.zt6");
  for (std::size_t line : {1u, 2u, 3u, 5u, 6u, 7u, 9u}) {
    EXPECT_EQ(at(line, 1, 1), side) << line;
    EXPECT_EQ(at(line, 70, 1), side) << line;
    EXPECT_EQ(lines[line].size(), 7u + 72u) << line;
  }
  EXPECT_EQ(at(5, 6, 7), "Zeile 2");
  EXPECT_EQ(at(9, 35, 7), "Zeichen");
  EXPECT_EQ(at(9, 44, 7), "Einheit");
  EXPECT_EQ(at(9, 51, 7), "  Welle");
  EXPECT_EQ(at(9, 62, 4), "Nabe");
  EXPECT_EQ(lines[10], kIndent + "\xC8" + std::string(68, '\xCD') + "\xBC");
  EXPECT_EQ(lines[11], kIndent);
  EXPECT_EQ(writer.LinesOnPage(), 12);

  // With a known page count the page text is "Bl. n/m" at column 60.
  ReportWriter counted = Writer(1, Settings(2), 1);
  counted.PageHeader(0, 0);
  EXPECT_EQ(Lines(counted.Output()).at(1).substr(6 + 60, 8), "Bl. 1/ 1");
}

// Page header of 9 lines, then 56 lines fill a page of 66 counted lines.
TEST(ReportWriter, The66thCountedLineStartsANewPage) {
  for (const int device : {1, 4, 3}) {
    ReportWriter writer = Writer(device, Settings(2));
    writer.PageHeader(0, 0);
    for (int i = 1; i <= 57; ++i) writer.Line("L" + std::to_string(i));
    const std::vector<std::string> lines = Lines(writer.Output());
    const std::size_t last = Find(lines, kIndent + "L56");
    ASSERT_LT(last, lines.size());
    std::size_t next = last + 1;
    if (device != 3) {
      EXPECT_EQ(lines.at(next++), "\f") << "form feed line on device " << device;
    }
    EXPECT_EQ(lines.at(next + 1).substr(6 + 64, 5), "Bl. 2") << device;
    EXPECT_EQ(lines.at(next + 9), kIndent) << "one blank line after the header";
    EXPECT_EQ(lines.at(next + 10), kIndent + "L57");
    EXPECT_EQ(lines.size(), next + 11);
    // The pending line is not counted on the new page.
    EXPECT_EQ(writer.LinesOnPage(), 10) << device;
    EXPECT_EQ(writer.PageNumber(), 2);
  }
}

TEST(ReportWriter, HeaderModeTwoHasOneHeaderAndFormFeedsOnly) {
  ReportWriter writer = Writer(1, Settings(2, 2));
  writer.SetColumns({"", "Zeichen", "Einheit", "  Welle", "Nabe"});
  writer.PageHeader(0, 0);
  for (int i = 1; i <= 60; ++i) writer.Line("L" + std::to_string(i));
  writer.EndPage();
  writer.PageHeader(0, 1);
  writer.Line("danach");
  writer.Finish();
  const std::vector<std::string> lines = Lines(writer.Output());
  EXPECT_EQ(lines[1].find("Bl."), std::string::npos) << "no page text in header mode 2";
  EXPECT_EQ(lines[1].substr(6 + 70, 1), "\xBA");
  const std::size_t feed = Find(lines, "\f");
  ASSERT_LT(feed, lines.size());
  EXPECT_EQ(lines[feed - 1], kIndent + "L56");
  EXPECT_EQ(lines[feed + 1], kIndent + "L57") << "no header after the form feed";
  // An explicit page header on a later page is one blank line, not counted.
  const std::size_t after = Find(lines, kIndent + "L60");
  EXPECT_EQ(lines.at(after + 1), "\f");
  EXPECT_EQ(lines.at(after + 2), " ");
  EXPECT_EQ(lines.at(after + 3), kIndent + "danach");
  EXPECT_EQ(lines.back(), "\f") << "the report ends with a form feed";
  EXPECT_EQ(CountOf(lines, kIndent + "\xC9" + std::string(68, '\xCD') + "\xBB"), 1u);
}

TEST(ReportWriter, CompressedStyleHasNoRulesNoBoxAndOneHeader) {
  ReportWriter writer = Writer(1, Settings(4));
  writer.PageHeader(0, 1);
  for (int i = 1; i <= 20; ++i) writer.Row4("Zeile", "z", "mm", "1.0");
  writer.EndPage();  // fewer than half the lines used: no page end at all
  writer.PageHeader(0, 1);
  for (int i = 1; i <= 80; ++i) writer.Row4("Zeile", "z", "mm", "1.0");
  writer.EndPage();
  writer.Finish();
  const std::string& out = writer.Output();
  EXPECT_EQ(out.find("$!$"), std::string::npos);
  for (const char boxCharacter : {'\xC4', '\xCD', '\xBA', '\xC9', '*'})
    EXPECT_EQ(out.find(boxCharacter), std::string::npos);
  const std::vector<std::string> lines = Lines(out);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.find("Zeile 2") != std::string::npos; }),
            1) << "the header is not repeated";
  // Page full at 66 and the explicit end after more than half a page: two form feeds.
  EXPECT_EQ(CountOf(lines, "\f"), 2u);
}

TEST(ReportWriter, RowsPutTheirFieldsInColumnsAndLongLabelsPushThem) {
  ReportWriter writer = Writer(3, Settings(3));
  writer.Row4("Teilung", "P", "mm", "  1.76");
  writer.Row5("Seq", "Seq", "", " 23.10", " 16.68");
  writer.Row4(std::string(40, 'L'), "sym", "mm", "12.50");
  writer.Row4(std::string(70, 'L'), "sym", "mm", "12.50");
  const std::vector<std::string> lines = Lines(writer.Output());
  ASSERT_EQ(lines.size(), 8u);  // each row followed by a (blank) rule
  EXPECT_EQ(lines[0], kIndent + "Teilung" + std::string(27, ' ') + "P" + std::string(8, ' ') + "mm" +
                          std::string(10, ' ') + "  1.76" + std::string(11, ' '));
  EXPECT_EQ(lines[2].substr(6 + 51, 6), " 23.10");
  EXPECT_EQ(lines[2].substr(6 + 62, 6), " 16.68");
  EXPECT_EQ(lines[1], kIndent + std::string(70, ' '));
  // Symbol and unit follow the long label, the value keeps its column; cut at 72.
  EXPECT_EQ(lines[4], kIndent + std::string(40, 'L') + "sym" + "mm" + std::string(10, ' ') +
                          "12.50" + std::string(12, ' '));
  EXPECT_EQ(lines[6], kIndent + std::string(70, 'L') + "sy");
}

TEST(ReportWriter, LongTextsWrapAtBlanksIntoPiecesOfAtMost64) {
  std::string text;
  while (text.size() < 150) text += "Ursache" + std::to_string(text.size()) + " ";
  text.resize(150);
  ReportWriter writer = Writer(3, Settings(2));
  writer.Wrapped(text);
  writer.Wrapped("");
  writer.Wrapped(std::string(72, 'k'));  // shorter than 73: one line
  std::vector<std::string> lines = Lines(writer.Output());
  ASSERT_EQ(lines.size(), 4u);
  std::string joined;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string piece = lines[i].substr(7);
    EXPECT_LE(piece.size(), 64u);
    if (i < 2) {
      EXPECT_EQ(piece.back(), ' ') << "broken after a blank";
    }
    joined += piece;
  }
  EXPECT_EQ(joined, text);
  EXPECT_EQ(lines[3], kIndent + std::string(72, 'k'));

  // Without a blank a piece is 64 characters.
  ReportWriter solid = Writer(3, Settings(2));
  solid.Wrapped(std::string(100, 'x'));
  EXPECT_EQ(Lines(solid.Output()), (std::vector<std::string>{kIndent + std::string(64, 'x'),
                                                              kIndent + std::string(36, 'x')}));
}

TEST(ReportWriter, TheNoRuleMarkerIsNeverWrittenNorCounted) {
  for (const int device : {1, 6, 7}) {
    ReportWriter writer = Writer(device, Settings(4));
    writer.Line("vorher");
    const std::string before = writer.Output();
    const int counted = writer.LinesOnPage();
    writer.Line("$!$");
    writer.Line(writer.Rule());
    writer.LineNoBreak("$!$");
    EXPECT_EQ(writer.Output(), before) << device;
    EXPECT_EQ(writer.LinesOnPage(), counted) << device;
  }
}

TEST(ReportWriter, TabSeparatedFormSetsTheDecimalSeparatorAndDropsRules) {
  struct Case {
    int separator;
    std::string value;
    std::string written;
  };
  for (const Case& c : std::vector<Case>{{2, "12.5", "12,5"}, {1, "12,5", "12.5"}, {2, "  33", "  33"}}) {
    ReportSettings settings = Settings(2);
    settings.tabSeparator = c.separator;
    ReportWriter writer = Writer(6, settings);
    writer.Row4("Teilung", "P", "mm", c.value);
    writer.Row5("Re", "Re", "MPa", c.value, c.value);
    writer.Line(writer.Rule());
    writer.Line(writer.DoubleRule());
    writer.Line("Text 1.5");
    EXPECT_EQ(Lines(writer.Output()),
              (std::vector<std::string>{"Teilung\tP\tmm\t" + c.written,
                                        "Re\tRe\tMPa\t" + c.written + "\t" + c.written,
                                        "Text 1.5"}));
  }
  // First page header: title, date and time; file name without blanks; the information lines.
  ReportWriter writer = Writer(9, Settings(2));
  writer.PageHeader(0, 0);
  writer.PageHeader(0, 0);  // later pages have no header
  EXPECT_EQ(Lines(writer.Output()),
            (std::vector<std::string>{"ZT6  -  Kerbverzahnung DIN 5481 V1.5\t05.03.2024\t9:05",
                                      "c:\\temp\\$$$1.txt", "Info 1", "Info 2", "Info 3", " "}));
}

TEST(ReportWriter, HtmlFormWritesTablesAndEscapesTexts) {
  ReportWriter writer = Writer(7, Settings(2));
  writer.SetColumns({"", "Zeichen", "Einheit", "  Welle", "Nabe"});
  writer.PageHeader(0, 0);
  writer.Line(Oem("ABMESSUNGEN Maß"));
  writer.Row4(Oem("Zähnezahl"), "z", "", "  33");
  writer.Line("");
  writer.Row5("Re", "Re", "MPa", "590", "490");
  writer.Row("Fehler : Dii<DFe & mehr");
  writer.Finish();
  const std::vector<std::string> lines = Lines(writer.Output());
  const std::vector<std::string> expected = {
      "<!-- c:\\temp\\$$$1.txt -->",
      "<HTML>",
      "<head><meta charset=\"windows-1252\"><title>ZT6  -  Kerbverzahnung DIN 5481 V1.5</title></head>",
      "<BODY BGCOLOR=\"C0C0C0\">",
      "<hr>",
      "<br><h4>ZT6  -  Kerbverzahnung DIN 5481 V1.5 #</h4>",
      "<br><h4>Konstruktion</h4>",
      "<hr>",
      "<h5>Zeile 2</h5>",
      "<h5>Zeile 3</h5>",
      "<h5>Zeile 4</h5>",
      "<h5></h5>",
      "<hr>",
      "<br>ABMESSUNGEN Ma\xDF",
      "<TABLE BORDER = \"2\" WIDTH= \"100%\">",
      "<TR><TD>Z\xE4hnezahl</TD><TD>z</TD><TD></TD><TD><DIV ALIGN=RIGHT>  33</DIV></TD></TR>",
      "</TABLE>",
      "<br>",
      "<TABLE BORDER = \"2\" WIDTH= \"100%\">",
      "<TR><TD><CENTER></CENTER></TD><TD>Zeichen</TD><TD>Einheit</TD><TD>  Welle</TD><TD>Nabe</TD></TR>",
      "<TR><TD>Re</TD><TD>Re</TD><TD>MPa</TD><TD>590</TD><TD>490</TD></TR>",
      "<TR><TD>Fehler : Dii&lt;DFe &amp; mehr</TD></TR>",
      "</TABLE>",
      "</BODY>",
      "</HTML>",
  };
  EXPECT_EQ(lines, expected);
}

TEST(ReportWriter, RemarksListMessagesWithCauseAndRemedy) {
  const std::vector<ReportRemark> remarks = {
      {"Fehler : Seq<1 (0.85 Welle)", std::string(80, 'u'), "Abhilfe"},
      {"Warnung", "Ursache", ""}};
  ReportWriter text = Writer(3, Settings(1));
  text.Remarks(remarks);
  text.Remarks({});
  EXPECT_EQ(Lines(text.Output()),
            (std::vector<std::string>{"", kIndent + "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN",
                                      kIndent + std::string(70, '='), "",
                                      kIndent + std::string(70, '-'),
                                      kIndent + "Fehler : Seq<1 (0.85 Welle)",
                                      kIndent + std::string(64, 'u'), kIndent + std::string(16, 'u'),
                                      kIndent + "Abhilfe", kIndent + std::string(70, '-'),
                                      kIndent + "Warnung", kIndent + "Ursache",
                                      kIndent + std::string(70, '-')}));

  ReportWriter tabs = Writer(6, Settings(1));
  tabs.Remarks(remarks);
  EXPECT_EQ(Lines(tabs.Output()),
            (std::vector<std::string>{"", "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN",
                                      "Fehler : Seq<1 (0.85 Welle)\t" + std::string(80, 'u') +
                                          "\tAbhilfe",
                                      "Warnung\tUrsache\t"}));
}

TEST(ReportWriter, NeedLinesBreaksWhenFewerThanTenLinesAreLeft) {
  ReportWriter writer = Writer(1, Settings(2));
  writer.PageHeader(0, 0);
  for (int i = 0; i < 47; ++i) writer.Line("x");  // 56 lines counted
  writer.NeedLines(0);
  EXPECT_EQ(writer.PageNumber(), 1);
  writer.Line("x");
  writer.NeedLines(0);
  EXPECT_EQ(writer.PageNumber(), 2);
  EXPECT_EQ(writer.LinesOnPage(), 10);  // header and one blank line
}

TEST(ReportWriter, FewLinesPerPageNeverLoopInTheHeader) {
  ReportSettings settings = Settings(2);
  settings.linesPerPage = 3;
  ReportWriter writer = Writer(1, settings);
  writer.PageHeader(0, 1);
  for (int i = 0; i < 5; ++i) writer.Line("x");
  EXPECT_EQ(writer.PageNumber(), 6);
}

TEST(ReportWriter, AnsweringNoToThePauseQuestionCancels) {
  ReportWriter writer = Writer(2, Settings(2));
  int asked = 0;
  writer.SetPauseQuestion(true, [&asked] { return ++asked == 1; });
  writer.PageHeader(0, 0);
  EXPECT_FALSE(writer.Cancelled());
  writer.EndPage();
  writer.PageHeader(0, 0);
  EXPECT_TRUE(writer.Cancelled());
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(writer.PageNumber(), 1);
}

TEST(ReportWriter, NameLinePutsTheNumberAtColumn40) {
  EXPECT_EQ(ReportWriter::NameLine("Welle", "W-17"),
            "Welle" + std::string(34, ' ') + "Nr.: W-17" + std::string(24, ' '));
  EXPECT_EQ(ReportWriter::NameLine(std::string(45, 'n'), "1").substr(45, 6), "Nr.: 1");
}

}  // namespace
}  // namespace zt6
