// The help images' plot-file reader: what each command of the subset leaves in the
// drawing command stream, the encoded polylines decoded by hand, cut files.

#include "cad/hpgl_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/codepage.h"
#include "cad/drawing_window.h"
#include "cad/hpgl_writer.h"

namespace zt6 {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// The records a plot file leaves after the window's own header records.
std::vector<std::string> Drawn(std::string_view plot) {
  bool cancel = false;
  DrawingWindow drawing(cancel);
  DrawPlotFile(drawing, plot);
  std::vector<std::string> records = drawing.Records();
  // The reader's first record sets the default character size.
  EXPECT_EQ(records.front().rfind("9;", 0), 0u);
  records.erase(records.begin());
  return records;
}

TEST(HpglReader, CommandsOfTheSubsetDrawInPlotterUnitsOfAQuarterTenthMillimetre) {
  EXPECT_THAT(Drawn("IN;IP0,0,4000,3000;SC;SP1;PU40,80;PD120,80,120,0;PU;PA0,0;"),
              ElementsAre("8;12", "4;1;2;3;2", "4;3;2;3;0"));
  // PA draws when the pen is down; a command may follow without ";".
  EXPECT_THAT(Drawn("PD;PA40,0 PA40,40;"), ElementsAre("4;0;0;1;0", "4;1;0;1;1"));
  // Pens 1..7 map to the drawing colours, others are colour numbers already.
  EXPECT_THAT(Drawn("SP2;SP3;SP4;SP5;SP6;SP7;SP9;"),
              ElementsAre("8;14", "8;10", "8;11", "8;9", "8;13", "8;15", "8;9"));
  EXPECT_THAT(Drawn("PU400,400;CI200;"), ElementsAre("3;10;10;5"));
  // Unknown commands are skipped with their parameters.
  EXPECT_THAT(Drawn("XX1,2,3;LT2;PD40,0;"), ElementsAre("4;0;0;1;0"));
}

TEST(HpglReader, ArcAroundACentreDrawsWithThePenDownAndLeavesTheCurrentPointThere) {
  // From (0,0) around (1 mm, 0) over 90 degrees counter-clockwise: from 180 to 270.
  const std::vector<std::string> r = Drawn("PU0,0;PD;AA40,0,90;PD40,40;");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].substr(0, 12), "5;0;-1;2;1;0");
  EXPECT_EQ(r[1], "4;1;0;1;1");
  // With the pen up nothing is drawn, but the point still moves to the centre.
  EXPECT_THAT(Drawn("PU0,0;AA40,0,90;PD40,40;"), ElementsAre("4;1;0;1;1"));
}

TEST(HpglReader, LabelsTakeSizeDirectionAndTheUmlautsOfCharacterSetThree) {
  // SI in centimetres, DI as run and rise; the label ends at character 3.
  EXPECT_THAT(Drawn("SI0.2,0.3;DI0,1;PU400,0;LBText\x03;"),
              ElementsAre("9;3;2;0;0", "9;3;2;0;90", "6;10;0;Text"));
  EXPECT_THAT(Drawn("CS3;LBMu}ller A}O}U}a}o}X}\x03"),
              ElementsAre("6;0;0;" + Oem("Müller ÄÖÜäöX}")));
  // Without character set 3 the brace stays.
  EXPECT_THAT(Drawn("CS0;LBMu}ller\x03"), ElementsAre("6;0;0;Mu}ller"));
}

TEST(HpglReader, EncodedPolylinesDecodeToTheHandComputedPoints) {
  // 7-bit mode: "=" absolute, "<" pen up: 100 -> 200 = 8 + 6*32 -> 'G' (63+8), 'e' (95+6);
  // 200 -> 400 = 16 + 12*32 -> "Ok"; +40 -> 80 -> "Oa"; -40 -> 81 -> "Pa".
  EXPECT_THAT(Drawn("PE7<=GeOkOaPa;"), ElementsAre("4;2.5;5;3.5;4"));
  // 8-bit mode: terminating digits from 191; 5 -> 10 -> 201, 2 -> 4 -> 195, 1 -> 2 -> 193.
  EXPECT_THAT(Drawn("PE<=\xC9\xC9\xC3\xC1;"), ElementsAre("4;0.125;0.125;0.175;0.15"));
  // ":" selects a pen (2 -> 4 -> 'c'), ">" and its value are skipped.
  EXPECT_THAT(Drawn("PE7:c>e<=GeOkOaPa;"), ElementsAre("8;14", "4;2.5;5;3.5;4"));
}

TEST(HpglReader, TheWriterEncodesWhatTheReaderDecodes) {
  for (const long v : {0L, 1L, -1L, 15L, -16L, 31L, 32L, 1000L, -123456L}) {
    HpglWriter w;
    w.EncodedPolyline({{0, 0}, {v * kPlotterUnit, -v * kPlotterUnit}});
    bool cancel = false;
    DrawingWindow drawing(cancel);
    DrawPlotFile(drawing, w.Text());
    // v = 0 gives a line of no length at the origin, still drawn.
    const std::string expected = v == 0 ? std::string("4;0;0;0;0")
                                        : "4;0;0;" + StreamReal(v * kPlotterUnit) + ";" +
                                              StreamReal(-v * kPlotterUnit);
    EXPECT_THAT(drawing.Records(), ::testing::Contains(expected)) << v;
  }
}

TEST(HpglReader, AFileCutAnywhereEndsQuietlyWithAPartOfTheWholeDrawing) {
  HpglWriter w;
  w.Pen(3);
  w.Line(1, 1, 20, 10);
  w.EncodedPolyline({{5, 5}, {10, 5}, {10, 10}});
  w.Circle(50, 50, 10);
  w.Arc(60, 60, 5, 0, 120);
  w.Label(10, 10, "Außenteil", 3, 30);
  const std::string whole = w.Text();
  const std::vector<std::string> all = Drawn(whole);
  for (std::size_t n = 0; n < whole.size(); ++n) {
    const std::vector<std::string> part = Drawn(whole.substr(0, n));
    ASSERT_LE(part.size(), all.size()) << n;
    EXPECT_THAT(part, ElementsAreArray(all.begin(), all.begin() + static_cast<long>(part.size())))
        << "cut after " << n << " bytes";
  }
  // A label without its end of text is not drawn.
  EXPECT_THAT(Drawn("LBnever ended"), ElementsAre());
}

TEST(HpglReader, GarbageAndHugeInputEndWithoutAHang) {
  // A megabyte of digits that never terminate, of separators, of stray bytes.
  EXPECT_THAT(Drawn("PE7" + std::string(1 << 20, '?') + ";PD40,0;"), ElementsAre("4;0;0;1;0"));
  EXPECT_THAT(Drawn("PD" + std::string(1 << 20, ',') + "40,0;"), ElementsAre("4;0;0;1;0"));
  std::string noise;
  for (unsigned i = 0; i < (1u << 20); ++i) noise += static_cast<char>((i * 7919u) % 251u);
  bool cancel = false;
  DrawingWindow drawing(cancel);
  DrawPlotFile(drawing, noise);
  for (const std::string& r : drawing.Records()) EXPECT_NE(r.find(';'), std::string::npos);
  // Numbers beyond any sheet are cut, not overflowed.
  EXPECT_THAT(Drawn("PD99999999999999999999999,0;"), ElementsAre("4;0;0;25000000;0"));
}

}  // namespace
}  // namespace zt6
