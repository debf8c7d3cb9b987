// The real zt6 writing PDF and workbooks through its companions (zt6-pdf, zt6-xlsx),
// read back by independent readers: pdfinfo, pdftotext and pdftoppm (poppler), openpyxl.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/bundled_examples.h"
#include "support/file_bytes.h"
#include "support/pdf_reading.h"
#include "support/required_reader.h"
#include "support/table_copy.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::TempDir;
using namespace test_support;  // the shell and poppler helpers

// The commands' tables are the test's copy (support/table_copy.h).
ShellRun Zt6(const std::string& arguments) {
  const std::size_t command = arguments.find(' ');
  return Shell(std::string(ZT6_ZT6_EXE) + " " + arguments.substr(0, command) + " --tables " +
               Quoted(TableFolderCopy()) +
               (command == std::string::npos ? "" : arguments.substr(command)));
}
std::string Example(const std::string& name) {
  return std::string(ZT6_DATA_DIR) + "/examples/" + name;
}

// Pages of the text report: one page header ("Bl. n") each.
int TextReportPages(const std::string& example) {
  const auto text = test_support::RunZt6Command({"report", Example(example)});
  int pages = 0;
  std::istringstream lines(text.out);
  for (std::string line; std::getline(lines, line);)
    if (std::regex_search(line, std::regex(R"(Bl\.\s*\d+)"))) ++pages;
  return pages;
}

class Zt6PdfReport : public ::testing::TestWithParam<std::string> {};

TEST_P(Zt6PdfReport, OnePdfPagePerReportPageWithItsText) {
  ZT6_REQUIRE_POPPLER();
  TempDir dir("zt6_pdf_report");
  const fs::path pdf = dir.path() / "report.pdf";
  const ShellRun run = Zt6("report " + Example(GetParam()) + " --format pdf -o " + Quoted(pdf));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  const int pages = TextReportPages(GetParam());
  ASSERT_GT(pages, 1);
  EXPECT_EQ(PdfPages(pdf), pages);
  for (int page = 1; page <= pages; ++page) {
    const std::string text = PdfText(pdf, page);
    EXPECT_TRUE(std::regex_search(text, std::regex("Bl\\. +" + std::to_string(page) + "\\b")))
        << "page " << page << ":\n" << text;
  }
  EXPECT_NE(PdfText(pdf, 1).find("Zähnezahl"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Examples, Zt6PdfReport, test_support::BundledExamples(),
                         test_support::ExampleTestName);

TEST(Zt6Pdf, APageRangePrintsThosePagesOnlyWithTheirUmlauts) {
  ZT6_REQUIRE_POPPLER();
  TempDir dir("zt6_pdf_pages");
  const fs::path pdf = dir.path() / "pages.pdf";
  const ShellRun run = Zt6("report " + Example("welle_12x14.zt6") + " --format pdf --pages 2-3 -o " +
                      Quoted(pdf));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  ASSERT_EQ(PdfPages(pdf), 2);
  for (int page = 1; page <= 2; ++page) {
    const std::string text = PdfText(pdf, page);
    EXPECT_TRUE(std::regex_search(text, std::regex("Bl\\. +" + std::to_string(page + 1) + "\\b")))
        << text;
    EXPECT_FALSE(std::regex_search(text, std::regex("Bl\\. +1\\b"))) << text;
    EXPECT_NE(text.find("Antriebswelle Förderband"), std::string::npos) << text;
  }
}

// A small file system mounted for the test and filled up; taken down with the test.
class FullFolder {
 public:
  explicit FullFolder(const fs::path& folder) : folder_(folder) {
    fs::create_directories(folder_);
    mounted_ = Shell("mount -t tmpfs -o size=64k tmpfs " + Quoted(folder_)).exitCode == 0;
    if (mounted_) Shell("dd if=/dev/zero of=" + Quoted(folder_ / "fill") + " bs=1k count=64");
  }
  ~FullFolder() {
    if (mounted_) Shell("umount " + Quoted(folder_));
  }
  FullFolder(const FullFolder&) = delete;
  FullFolder& operator=(const FullFolder&) = delete;
  bool Mounted() const { return mounted_; }

 private:
  fs::path folder_;
  bool mounted_ = false;
};

// The PDF is painted into the run's private folder first: a full temporary folder is a
// failed run that names the file and the reason, and the earlier output stays.
TEST(Zt6Pdf, AFullTemporaryFolderKeepsTheEarlierFileAndSaysWhy) {
  TempDir dir("zt6_pdf_full");
  const FullFolder temporary(dir.path() / "tmp");
  if (!temporary.Mounted()) GTEST_SKIP() << "no small file system can be mounted here (needs root)";
  const fs::path earlier = dir.Write("good.pdf", "earlier");
  for (const std::string& arguments : {"report " + Example("welle_12x14.zt6") + " --format pdf",
                                      "cad " + Example("welle_12x14.zt6") + " --drawing 6 --format pdf"}) {
    const ShellRun run = Shell("TMPDIR=" + Quoted(dir.path() / "tmp") + " " + ZT6_ZT6_EXE + " " +
                               arguments + " --tables " + Quoted(TableFolderCopy()) + " -o " +
                               Quoted(earlier));
    EXPECT_EQ(run.exitCode, 1) << arguments << ": " << run.out;
    EXPECT_NE(run.out.find((dir.path() / "tmp").string() + "/zt6-run-"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(": No space left on device"), std::string::npos) << run.out;
    EXPECT_EQ(test_support::FileBytes(earlier), "earlier") << arguments;
  }
}

// Refusals leave an earlier file of that name as it was.
TEST(Zt6Pdf, BadInputIsRefusedAndKeepsTheEarlierFile) {
  TempDir dir("zt6_pdf_bad");
  const fs::path earlier = dir.Write("out.pdf", "earlier");
  struct Case {
    std::string arguments;
    std::string inMessage;
  };
  const std::vector<Case> cases = {
      {"report " + Quoted(dir.path() / "missing.zt6") + " --format pdf", "missing.zt6"},
      {"report " + Example("welle_12x14.zt6") + " --format pdf --pages 7-9", "has 4 page"},
      {"cad " + Quoted(dir.path() / "missing.zt6") + " --drawing 6 --format pdf", "missing.zt6"},
  };
  for (const Case& c : cases) {
    const ShellRun run = Zt6(c.arguments + " -o " + Quoted(earlier));
    EXPECT_EQ(run.exitCode, 1) << c.arguments;
    EXPECT_NE(run.out.find(c.inMessage), std::string::npos) << run.out;
    EXPECT_EQ(test_support::FileBytes(earlier), "earlier") << c.arguments;
  }
  for (const std::string format : {"pdf", "xlsx"}) {
    const fs::path nowhere = dir.path() / "no such folder" / ("out." + format);
    const ShellRun run =
        Zt6("report " + Example("welle_12x14.zt6") + " --format " + format + " -o " + Quoted(nowhere));
    EXPECT_EQ(run.exitCode, 1) << format;
    EXPECT_NE(run.out.find("no such folder"), std::string::npos) << run.out;
  }
}


TEST(Zt6Pdf, ManufacturingDrawingsAreDarkLinesOnAnA4Page) {
  ZT6_REQUIRE_POPPLER();
  TempDir dir("zt6_pdf_drawing");
  for (const char* drawing : {"6", "7", "8"}) {
    for (const char* orientation : {"portrait", "landscape"}) {
      const fs::path pdf = dir.path() / "drawing.pdf";
      const ShellRun run = Zt6("cad " + Example("welle_12x14.zt6") + " --drawing " + drawing +
                          " --format pdf --orientation " + orientation + " -o " + Quoted(pdf));
      ASSERT_EQ(run.exitCode, 0) << run.out;
      EXPECT_NE(Shell("pdfinfo " + Quoted(pdf)).out.find("(A4)"), std::string::npos);
      const Grey page = RenderedGrey(pdf, 50);
      ASSERT_GT(page.width, 0);
      EXPECT_EQ(page.width < page.height, std::string(orientation) == "portrait");
      std::size_t white = 0;
      std::size_t dark = 0;
      for (const char c : page.pixels) {
        const auto v = static_cast<unsigned char>(c);
        if (v >= 250) ++white;
        if (v < 128) ++dark;
      }
      const double all = static_cast<double>(page.pixels.size());
      EXPECT_GT(white / all, 0.7) << drawing << ' ' << orientation;
      EXPECT_GT(dark / all, 0.01) << drawing << ' ' << orientation;
      // Monochrome by default: the dark ink is black, and rendered in colour no pixel is
      // coloured (a grey rendering would show a red line as a dark one).
      EXPECT_NE(page.pixels.find(static_cast<char>(0)), std::string::npos);
      EXPECT_EQ(ColouredPixels(pdf, 50, 16), 0) << drawing << ' ' << orientation;
    }
  }
}

struct SvgText {
  double left = 0;      // the text's left end
  double baseline = 0;  // its base line
  double em = 0;        // the font size
  std::string firstWord;
  bool afterBlanks = false;
};

// A manufacturing drawing as PDF: the A4 sheet at its own size on upright paper, every
// text where the SVG puts it on the sheet (capital height the text height, standing on
// its base line), the screen's footer below the sheet left off.
TEST(Zt6Pdf, TheManufacturingDrawingPutsEveryTextWhereTheSvgPutsIt) {
  ZT6_REQUIRE_POPPLER();
  TempDir dir("zt6_pdf_text_places");
  // The SVG on a drawing area four times the usual, so that its pixels round finely.
  std::string config = test_support::FileBytes(Example("english/zt6.cfg"));
  const std::string area = "Aufl\x94sung horizontal\r\n0\r\nAufl\x94sung vertikal\r\n0\r\n";
  ASSERT_NE(config.find(area), std::string::npos);
  config.replace(config.find(area), area.size(),
                 "Aufl\x94sung horizontal\r\n4064\r\nAufl\x94sung vertikal\r\n2712\r\n");
  std::ofstream(dir.path() / "zt6.cfg", std::ios::binary) << config;
  const fs::path pdf = dir.path() / "drawing.pdf";
  const fs::path svg = dir.path() / "drawing.svg";
  for (const auto& [format, file] : {std::pair{"pdf", pdf}, std::pair{"svg", svg}}) {
    const ShellRun run = Shell("cd " + Quoted(dir.path()) + " && " + ZT6_ZT6_EXE + " cad --tables " +
                               Quoted(TableFolderCopy()) + " " + Example("welle_12x14.zt6") +
                               " --drawing 6 --format " + format + " -o " + Quoted(file));
    ASSERT_EQ(run.exitCode, 0) << run.out;
  }
  EXPECT_NE(Shell("pdfinfo " + Quoted(pdf)).out.find("595 x 842"), std::string::npos);
  const std::string svgText = test_support::FileBytes(svg);
  const std::string pdfBytes = test_support::FileBytes(pdf);

  // The outermost lines of the SVG are the sheet's edge, 210 x 297 mm: they give the
  // mapping from its pixels to the paper's points (from the top left corner).
  double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  const std::regex line(R"re(<line x1="([\d.]+)" y1="([\d.]+)" x2="([\d.]+)" y2="([\d.]+)")re");
  for (auto it = std::sregex_iterator(svgText.begin(), svgText.end(), line);
       it != std::sregex_iterator(); ++it) {
    for (int i : {1, 3}) {
      left = std::min(left, std::stod((*it)[i]));
      right = std::max(right, std::stod((*it)[i]));
    }
    for (int i : {2, 4}) {
      top = std::min(top, std::stod((*it)[i]));
      bottom = std::max(bottom, std::stod((*it)[i]));
    }
  }
  const double pointsPerMm = 72 / 25.4;
  const double sx = 210 * pointsPerMm / (right - left);
  const double sy = 297 * pointsPerMm / (bottom - top);
  auto toX = [&](double x) { return (x - left) * sx; };
  auto toY = [&](double y) { return (y - top) * sy; };

  // The face's ascent and descent as the PDF declares them: poppler's word boxes reach
  // from the base line up by the one and down by the other.
  std::smatch m;
  ASSERT_TRUE(std::regex_search(pdfBytes, m, std::regex(R"(/Ascent (-?\d+))")));
  const double ascent = std::stod(m[1]) / 1000;
  ASSERT_TRUE(std::regex_search(pdfBytes, m, std::regex(R"(/Descent (-?\d+))")));
  const double descent = -std::stod(m[1]) / 1000;

  std::vector<SvgText> texts;
  const std::regex text(R"re(<text transform="translate\(([-\d.]+) ([-\d.]+)\)[^"]*" x="0" )re"
                        R"re(y="([\d.]+)" [^>]*font-size="([\d.]+)"[^>]*>([^<]*)</text>)re");
  for (auto it = std::sregex_iterator(svgText.begin(), svgText.end(), text);
       it != std::sregex_iterator(); ++it) {
    if ((*it)[0].str().find("rotate(") != std::string::npos) continue;
    // Rotated texts aside; after leading blanks (poppler's box starts at the first glyph)
    // the left end is not compared.
    const std::string words = (*it)[5];
    const std::size_t first = words.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    const double baseline = toY(std::stod((*it)[2]) + std::stod((*it)[3]));
    if (baseline > 297 * pointsPerMm) continue;  // the screen's footer, below the sheet
    const std::string rest = words.substr(first);
    texts.push_back({toX(std::stod((*it)[1])), baseline, std::stod((*it)[4]) * sy,
                     rest.substr(0, rest.find(' ')), first > 0});
  }
  ASSERT_GT(texts.size(), 80u);

  struct Box { double xMin, yMin, xMax, yMax; std::string word; };
  std::vector<Box> boxes;
  const std::string bbox = Shell("pdftotext -bbox " + Quoted(pdf) + " -").out;
  const std::regex word(R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([\d.]+)" )re"
                        R"re(yMax="([\d.]+)">([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), word);
       it != std::sregex_iterator(); ++it) {
    boxes.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                     std::stod((*it)[4]), (*it)[5]});
  }

  // The footer ("date - program - file") is not on the paper.
  for (const Box& b : boxes) EXPECT_NE(b.word, "-") << b.yMin;

  // Every text's first word where the SVG puts it: its left end, the top and bottom of
  // its box from the base line and the font size, each within 0.3 mm.
  const double tolerance = 0.3 * pointsPerMm;
  auto unescaped = [](std::string s) {
    for (const auto& [from, to] : {std::pair{"&amp;", "&"}, std::pair{"&lt;", "<"},
                                   std::pair{"&gt;", ">"}, std::pair{"&quot;", "\""}})
      for (std::size_t at; (at = s.find(from)) != std::string::npos;)
        s.replace(at, std::string(from).size(), to);
    return s;
  };
  for (const SvgText& t : texts) {
    const std::string first = unescaped(t.firstWord);
    const double yMin = t.baseline - ascent * t.em;
    const double yMax = t.baseline + descent * t.em;
    const Box* best = nullptr;
    double bestMiss = 1e9;
    for (const Box& b : boxes) {
      const std::string w = unescaped(b.word);
      if (w.rfind(first, 0) != 0 && first.rfind(w, 0) != 0) continue;
      const double miss = std::max({t.afterBlanks ? 0 : std::abs(b.xMin - t.left),
                                    std::abs(b.yMin - yMin), std::abs(b.yMax - yMax)});
      if (miss < bestMiss) bestMiss = miss, best = &b;
    }
    ASSERT_NE(best, nullptr) << first;
    EXPECT_LE(bestMiss, tolerance) << "\"" << first << "\": PDF box " << best->xMin << ' '
                                   << best->yMin << ' ' << best->yMax << ", SVG place "
                                   << t.left << ' ' << yMin << ' ' << yMax << " (points)";
  }
}

TEST(Zt6Xlsx, TheTabSeparatedReportAsCellsWithNumbersAsNumbers) {
  ZT6_REQUIRE_OPENPYXL();
  TempDir dir("zt6_xlsx");
  const fs::path book = dir.path() / "report.xlsx";
  const ShellRun run = Zt6("report " + Example("welle_12x14.zt6") + " --format xlsx -o " + Quoted(book));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  const ShellRun cells = Shell("/usr/bin/python3 " + std::string(ZT6_DATA_DIR) +
                          "/../tests/app/cli/xlsx_cells.py " + Quoted(book));
  ASSERT_EQ(cells.exitCode, 0) << cells.out;
  // The row of "Zähnezahl": its symbol and unit as texts, its value 31 a number.
  const std::regex teeth(R"((\d+)\t1\ts\tZähnezahl\n)");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(cells.out, m, teeth)) << cells.out;
  const std::string row = m[1];
  EXPECT_NE(cells.out.find(row + "\t2\ts\tz\n"), std::string::npos) << cells.out;
  EXPECT_NE(cells.out.find(row + "\t4\tn\t31\n"), std::string::npos) << cells.out;
  // The pitch diameter, written "13,000" with the decimal comma, is the number 13.
  EXPECT_TRUE(std::regex_search(cells.out, std::regex(R"(\t4\tn\t13(\.0)?\n)"))) << cells.out;
  EXPECT_NE(cells.out.find("\ts\tAntriebswelle Förderband\n"), std::string::npos) << cells.out;
}

// Material numbers and the designation are texts even when they read as numbers, and
// stay as they were typed; the results beside them stay numbers.
TEST(Zt6Xlsx, IdentifiersThatLookLikeNumbersStayTexts) {
  ZT6_REQUIRE_OPENPYXL();
  TempDir dir("zt6_xlsx_texts");
  const fs::path book = dir.path() / "report.xlsx";
  const ShellRun run = Zt6("report " + Example("welle_12x14.zt6") +
                           " --set shaft.number=1.0503 --set hub.number=0.6030"
                           " --set designation=4711 --format xlsx -o " + Quoted(book));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  const std::string cells = WorkbookCells(book);
  for (const char* text : {"1.0503", "0.6030", "4711"})
    EXPECT_NE(cells.find(std::string("\ts\t") + text + "\n"), std::string::npos) << text;
  // The yield strengths in the row below the material numbers are numbers.
  EXPECT_TRUE(std::regex_search(cells, std::regex(R"(\t4\tn\t590(\.0)?\n)"))) << cells;
  EXPECT_TRUE(std::regex_search(cells, std::regex(R"(\t5\tn\t250(\.0)?\n)"))) << cells;
}

}  // namespace
}  // namespace zt6
