// Fitting a text into its room: width factor first, never below the least ratio, then
// leading blanks, then the end.

#include "cad/text_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt6 {
namespace {

TEST(TextFit, ShrinksThenCutsBlanksThenTheEnd) {
  const struct {
    const char* text;
    double natural, room, least;
    const char* kept;
    double ratio;
  } cases[] = {
      {" Modul", 12, 12, 0.8, " Modul", 1.0},          // just fits
      {" Modul", 12, 10.2, 0.8, " Modul", 0.85},       // narrower is enough
      {" Modul", 12, 9.6, 0.8, " Modul", 0.8},         // at the least ratio
      {"   11.90 max", 24, 18, 0.8, "  11.90 max", 18.0 / 22},  // one blank goes
      {"   11.90 max", 24, 15, 0.8, "11.90 max", 15.0 / 18},    // all blanks go
      {" EN-GJL-250", 22, 16, 0.8, "EN-GJL-250", 0.8},  // the blank goes, the name stays
      {" Lastspitzen", 24, 12, 0.8, "Lastspi", 12.0 / 14},  // 7 characters at 0.8 fit
      {"abc", 3, 3.5, 0.6, "abc", 1.0},                 // room to spare: unchanged
      {"abc", 3, 0, 0.6, "", 1.0},                      // no room at all
      {"", 0, 5, 0.6, "", 1.0},
  };
  for (const auto& c : cases) {
    const TextFit fit = FitText(c.text, c.natural, c.room, c.least);
    EXPECT_EQ(fit.text, c.kept) << c.text << " in " << c.room;
    EXPECT_NEAR(fit.ratio, c.ratio, 1e-12) << c.text << " in " << c.room;
    // What is kept, at its ratio, never needs more than the room.
    const double perCharacter = c.natural / std::max<std::size_t>(1, std::string(c.text).size());
    EXPECT_LE(perCharacter * fit.ratio * static_cast<double>(fit.text.size()), c.room + 1e-9);
  }
}

// Fewer digits would read as another number: a number without room shows the mark.
TEST(TextFit, ANumberWithoutRoomShowsTheOverflowMark) {
  const TextFit fit = FitText("  10000000000000000", 38, 16, 0.8);  // 10 characters fit
  EXPECT_EQ(fit.text, "**********");
  EXPECT_NEAR(fit.ratio, 0.8, 1e-12);
  EXPECT_EQ(FitText(" -1234,5", 16, 8, 0.8).text, "*****");
  EXPECT_EQ(FitText(" Lastspitzen", 24, 12, 0.8).text, "Lastspi");  // a text is cut
  EXPECT_EQ(FitText("   11.90", 16, 10, 0.8).text, " 11.90");     // blanks go first
}

TEST(TextFit, LeastRatioKeepsTheWidthFactorAtPointSix) {
  EXPECT_DOUBLE_EQ(LeastRatio(0.75), 0.8);
  EXPECT_DOUBLE_EQ(LeastRatio(1.2), 0.5);
  EXPECT_DOUBLE_EQ(LeastRatio(0.6), 1.0);
  EXPECT_DOUBLE_EQ(LeastRatio(0.5), 1.0);  // already narrower: not shrunk further
}

// The ways an identifier keeps its characters, in their order: characters 1 mm wide at
// height 5, least ratio 0.5, least height 2.5.
TEST(TextFit, AnIdentifierNarrowsLowersBreaksAndOnlyThenIsCut) {
  const struct {
    const char* what;
    const char* text;
    double room, roomHeight;
    std::vector<std::string> lines;
    double height;
    bool cut;
  } cases[] = {
      {"fits", "HG2400-310", 10, 10, {"HG2400-310"}, 5, false},
      {"narrower", "HG2400-310", 8, 10, {"HG2400-310"}, 5, false},
      {"lower", "HG2400-310", 4, 10, {"HG2400-310"}, 4, false},
      {"two lines at the /", "AB-12/CD-34", 2.5, 13, {"AB-12/", "CD-34"}, 5 * 2.5 / 3, false},
      {"two lines at a blank", "Welle Stufe2", 2.5, 13, {"Welle", "Stufe2"}, 5 * 2.5 / 3.5,
       false},
      {"two lines at a hyphen", "HG2400-310045", 2.5, 13, {"HG2400-", "310045"}, 5 * 2.5 / 3.5,
       false},
      {"the cell is too low for two lines", "Welle Stufe2", 2.5, 5, {"Welle S..."}, 2.5, true},
      {"nowhere to break", "HG2400310045", 2.5, 13, {"HG24003..."}, 2.5, true},
  };
  const auto withoutBlanks = [](std::string text) {
    std::erase(text, ' ');
    return text;
  };
  for (const auto& c : cases) {
    const std::string text = c.text;
    const IdentifierFit fit =
        FitIdentifier(text, static_cast<double>(text.size()), 5, c.room, c.roomHeight, 0.5);
    EXPECT_EQ(fit.lines, c.lines) << c.what;
    EXPECT_NEAR(fit.height, c.height, 1e-9) << c.what;
    EXPECT_EQ(fit.cut, c.cut) << c.what;
    EXPECT_GE(fit.ratio, 0.5) << c.what;
    // Every line, at its height and ratio, stays within the room; nothing is lost unless
    // the text is cut.
    std::string joined;
    for (const std::string& line : fit.lines) {
      EXPECT_LE(static_cast<double>(line.size()) * fit.height / 5 * fit.ratio, c.room + 1e-9)
          << c.what;
      joined += line;
    }
    if (!c.cut) {
      EXPECT_EQ(withoutBlanks(joined), withoutBlanks(text)) << c.what;
    }
  }
}

}  // namespace
}  // namespace zt6
