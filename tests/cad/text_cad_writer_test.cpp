// The tab-separated CAD text writer: number form, full turns as circles, the records
// of a drawing with and without blocks, exact bytes.

#include "cad/text_cad_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "base/codepage.h"

namespace zt6 {
namespace {

FormatSettings Separator(int separator) {
  FormatSettings f;
  f.decimalSeparator = separator;
  return f;
}

const CadPrimitiveState kState;

TEST(TextCadWriter, LineRecordFollowsDecimalsAndSeparator) {
  struct Case {
    int separator;
    int decimals;
    const char* expected;
  };
  const Case cases[] = {
      {2, 3, "LINE\t0,000\t0,000\t12,500\t-5,000\r\n"},
      {1, 6, "LINE\t0.000000\t0.000000\t12.500000\t-5.000000\r\n"},
      {2, 1, "LINE\t0,0\t0,0\t12,5\t-5,0\r\n"},
  };
  for (const Case& c : cases) {
    TextCadWriter w(c.decimals, CadTextMode::Oem, Separator(c.separator));
    w.Line(kState, 0, -0.0000001, 12.5, -5);  // a value that rounds to zero has no minus sign
    EXPECT_EQ(w.Finish(), std::string(c.expected) + "EOF\r\n") << c.separator << c.decimals;
  }
}

TEST(TextCadWriter, FullTurnsBecomeCircles) {
  struct Case {
    double a1, a2;
    const char* expected;
  };
  const Case cases[] = {
      {0, 360, "CIRCLE\t1.0\t2.0\t3.0"},
      {360, 0, "CIRCLE\t1.0\t2.0\t3.0"},
      {45, 45, "CIRCLE\t1.0\t2.0\t3.0"},
      {0.000005, 359.999995, "CIRCLE\t1.0\t2.0\t3.0"},
      {0, 359.9, "ARC\t1.0\t2.0\t3.0\t0.0\t359.9"},  // radius before the angles
      {-90, 270, "ARC\t1.0\t2.0\t3.0\t-90.0\t270.0"},
  };
  for (const Case& c : cases) {
    TextCadWriter w(1, CadTextMode::Oem, Separator(1));
    w.Arc(kState, 1, 2, c.a1, c.a2, 3);
    EXPECT_EQ(w.Finish(), std::string(c.expected) + "\r\nEOF\r\n") << c.a1 << " " << c.a2;
  }
}

TEST(TextCadWriter, DrawingWithoutBlocks) {
  TextCadWriter w(2, CadTextMode::Ascii, Separator(2));
  w.StartSheet(-12, -9.6, 12, 9.6);
  w.Tables(1);
  w.BeginEntities();
  w.Layer(kState);
  w.Circle(kState, 0, 0, 7.25);
  w.Text(kState, Oem("Maß\t1"), 1.5, -2);  // the tab inside the text must not split fields
  w.Solid(kState, {0, 0, 1, 0, 0, 1, 1, 1});
  w.EndSection();
  EXPECT_EQ(w.Finish(),
            "MINMAX\t-12,00\t-9,60\t12,00\t9,60\r\n"
            "SECTION ENTITIES\r\n"
            "CIRCLE\t0,00\t0,00\t7,25\r\n"
            "TEXT\t1,50\t-2,00\tMass 1\r\n"
            "SOLID\t0,00\t0,00\t1,00\t0,00\t0,00\t1,00\t1,00\t1,00\r\n"
            "EOF\r\n");
}

TEST(TextCadWriter, BlockDefinitionAndInsert) {
  TextCadWriter w(1, CadTextMode::Oem, Separator(1));
  w.StartSheet(0, 0, 420, 297);
  w.BeginBlocks();
  w.BeginBlock(kState, "LOGO");
  w.Line(kState, 0, 0, 10, 0);
  w.Arc(kState, 0, 0, 0, 90, 5);
  w.EndBlock();
  w.EndSection();
  w.BeginEntities();
  w.Insert(kState, "LOGO", 400, 10, 90, 1.5, -1);
  w.EndSection();
  EXPECT_EQ(w.Finish(),
            "MINMAX\t0.0\t0.0\t420.0\t297.0\r\n"
            "SECTION BLOCKS\r\n"
            "BLOCK\tLOGO\r\n"
            "LINE\t0.0\t0.0\t10.0\t0.0\r\n"
            "ARC\t0.0\t0.0\t5.0\t0.0\t90.0\r\n"
            "END OF BLOCK\r\n"
            "SECTION ENTITIES\r\n"
            "INSERT\tLOGO\t400.0\t10.0\t90.0\t1.5\t-1.0\r\n"
            "EOF\r\n");
}

}  // namespace
}  // namespace zt6
