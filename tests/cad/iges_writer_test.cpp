// The IGES writer: the 80-column layout of every section, the records of each entity,
// the cutting of long records, blocks and inserts, the layer colours, the number forms,
// the working file of the parameter lines, and a whole file read back by an independent
// IGES reader (OpenCASCADE).

#include "cad/iges_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cad/iges_records.h"
#include "calc/run_messages.h"
#include "support/file_bytes.h"
#include "support/fixed_time.h"
#include "support/iges_check.h"
#include "support/required_reader.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

using test_support::TempDir;
using Lines = std::vector<std::string>;

std::string Pad(const std::string& text, std::size_t width) {
  return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

std::string RightTrimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The lines of a file; each must be 80 columns and end with CR LF.
Lines FileLines(const std::string& bytes) {
  Lines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF at byte " << start;
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(lines.back().size(), 80u) << lines.back();
    start = end + 2;
  }
  return lines;
}

Lines Section(const std::string& bytes, char letter) {
  Lines section;
  for (const std::string& line : FileLines(bytes))
    if (line.size() == 80 && line[72] == letter) section.push_back(line);
  return section;
}

// The data of the parameter lines, columns 1..64 without trailing blanks.
Lines ParameterData(const std::string& bytes) {
  Lines data;
  for (const std::string& line : Section(bytes, 'P'))
    data.push_back(RightTrimmed(line.substr(0, 64)));
  return data;
}

// Field k (1..9) of a directory line, blanks stripped.
std::string Field(const std::string& line, int k) {
  const std::string field = line.substr(static_cast<std::size_t>(8 * (k - 1)), 8);
  const std::size_t first = field.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : field.substr(first);
}

CadPrimitiveState OnLayer(int layer) {
  CadPrimitiveState state;
  state.layer = layer;
  return state;
}

class IgesWriterTest : public ::testing::Test {
 protected:
  IgesFileSetup Setup() const {
    IgesFileSetup setup;
    setup.outputFile = "C:\\CAD\\WELLE.IGS";
    setup.parameterFile = dir_.path() / "MORVIGES.$$$";
    setup.ownerText = "Owner";
    setup.installationText = "Install";
    setup.now = test_support::LocalTime(2025, 3, 14, 9, 5);
    return setup;
  }

  std::string Write(const std::function<void(IgesFileWriter&)>& draw) {
    return Write(Setup(), draw);
  }
  std::string Write(const IgesFileSetup& setup, const std::function<void(IgesFileWriter&)>& draw) {
    IgesFileWriter writer(setup, messages_);
    writer.StartSheet(0, 0, 420, 297);
    draw(writer);
    std::string bytes = writer.Finish();
    EXPECT_EQ(writer.Failure(), "");
    return bytes;
  }

  TempDir dir_{"iges"};
  RunMessages messages_;
  CadPrimitiveState state_;
};

TEST_F(IgesWriterTest, LineAndTextGiveEverySectionInItsColumns) {
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.Line(state_, 0, 0, 10, 5);
    w.Text(state_, "AB", 1, 2);
  });
  const Lines all = FileLines(bytes);
  const Lines expected = {
      Pad("IGES-Datei generiert von ZT6", 72) + "S0000001",
      Pad("Uebersetzer von MORVANE GMBH, Uebersetzerversion 3.1", 72) + "S0000002",
      Pad("Owner", 72) + "S0000003",
      Pad(",,4HFILE,5HWELLE,8HZT6 V1.5,7HInstall,", 72) + "G0000001",
      Pad("16,38,6,99,15,", 72) + "G0000002",
      Pad("5HWELLE,1.0,2,2HMM,32767,3.2767D1,", 72) + "G0000003",
      Pad("13H250314.081107,1.0D-8,420.,", 72) + "G0000004",
      Pad("5HKENDT,30HMORVANE GMBH                  ,4,0;", 72) + "G0000005",
      "     110       1       1       1       0                        00000000D0000001",
      "     110               0       1                                        D0000002",
      "     212       2       1       1       0               0        00000000D0000003",
      "     212               0       2                                        D0000004",
      Pad("110,0.000,0.000,0.0,10.000,5.000,0.0;", 64) + "       1P0000001",
      Pad("212,1,2,5.000,2.500,1,,0.000000,0,0,1.000,2.000,0.0,", 64) + "       3P0000002",
      Pad("2HAB;", 64) + "       3P0000003",
      Pad("S0000003G0000005D0000004P0000003", 72) + "T0000001"};
  EXPECT_EQ(all, expected);
  // The parameter lines came through the working file, which is gone afterwards.
  EXPECT_FALSE(std::filesystem::exists(Setup().parameterFile));
}

TEST_F(IgesWriterTest, LongHeaderTextsGoOnOverFurtherLines) {
  IgesFileSetup setup = Setup();
  setup.ownerText = std::string(100, 'O');
  setup.installationText = std::string(60, 'I') + ",X";
  const std::string bytes = Write(setup, [&](IgesFileWriter& w) { w.Line(state_, 0, 0, 1, 1); });
  const Lines start = Section(bytes, 'S');
  ASSERT_EQ(start.size(), 4u);
  EXPECT_EQ(RightTrimmed(start[2].substr(0, 72)) + RightTrimmed(start[3].substr(0, 72)),
            setup.ownerText);
  // The installation string is cut only after the last parameter comma before it.
  const Lines global = Section(bytes, 'G');
  ASSERT_EQ(global.size(), 6u);
  EXPECT_EQ(RightTrimmed(global[0].substr(0, 72)), ",,4HFILE,5HWELLE,8HZT6 V1.5,");
  EXPECT_EQ(RightTrimmed(global[1].substr(0, 72)), "62H" + setup.installationText + ",");
  EXPECT_EQ(Section(bytes, 'T').at(0).substr(0, 32), "S0000004G0000006D0000002P0000001");
}

struct RecordCase {
  const char* what;
  std::function<void(IgesFileWriter&, const CadPrimitiveState&)> draw;
  Lines data;
  std::string matrix, form;
};

TEST_F(IgesWriterTest, EachPrimitiveWritesItsRecords) {
  CadPrimitiveState turned;
  turned.text = {2.0, 0.8, 90.0, 0.0};
  const std::vector<RecordCase> cases = {
      {"circle",
       [](auto& w, auto& s) { w.Circle(s, 10, 10, 5); },
       {"100,0.0,10.000,10.000,15.000,10.000,15.000,10.000;"},
       "0",
       ""},
      {"arc",
       [](auto& w, auto& s) { w.Arc(s, 0, 0, 0, 90, 10); },
       {"100,0.0,0.000,0.000,10.000,0.000,0.000,10.000;"},
       "0",
       ""},
      {"solid",
       [](auto& w, auto& s) {
         w.Solid(s, {0, 0, 4, 0, 4, 3, 0, 3});
       },
       {"106,1,5,0.0,0.000,0.000,", "0.000,3.000,", "4.000,3.000,", "4.000,0.000,", "0.000,0.000;"},
       "0",
       "11"},
      {"turned text",
       [&](auto& w, auto&) { w.Text(turned, "A,B", 1, 2); },
       {"212,1,3,4.800,2.000,1,,1.570796,0,0,1.000,2.000,0.0,", "3HA,B;"},
       "0",
       ""},
  };
  for (const RecordCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string bytes = Write([&](IgesFileWriter& w) { c.draw(w, state_); });
    EXPECT_EQ(ParameterData(bytes), c.data);
    const Lines directory = Section(bytes, 'D');
    ASSERT_EQ(directory.size(), 2u);
    EXPECT_EQ(Field(directory[0], 7), c.matrix);
    EXPECT_EQ(Field(directory[1], 4), std::to_string(c.data.size()));
    EXPECT_EQ(Field(directory[1], 5), c.form);
  }
  EXPECT_EQ(Section(Write([&](IgesFileWriter& w) { w.Arc(state_, 0, 0, 0, 90, 0); }), 'D').size(),
            0u);
}

TEST(IgesRecords, LongRecordsAreCutAfterAParameterComma) {
  const std::string items = [] {
    std::string s;
    for (int i = 0; i < 20; ++i) s += "1.500,";
    return s;
  }();
  const std::string text = std::string(35 * 2, ',');
  const struct {
    std::string record;
    Lines pieces;
  } cases[] = {
      {"110,1;", {"110,1;"}},
      {items, {items.substr(0, 60), items.substr(60)}},
      {std::string(62, 'A') + "," + std::string(10, 'B'),
       {std::string(62, 'A') + ",", std::string(10, 'B')}},
      {std::string(63, 'A') + "," + std::string(10, 'B'),
       {std::string(64, 'A').replace(63, 1, ","), std::string(10, 'B')}},
      {std::string(100, 'A'), {std::string(64, 'A'), std::string(36, 'A')}},
      // Commas inside a string are text: the string is cut only where a line is full.
      {"212,70H" + text + ";", {"212,", "70H" + text.substr(0, 61), text.substr(61) + ";"}},
  };
  for (const auto& c : cases) EXPECT_EQ(CutIgesRecord(c.record, 64), c.pieces) << c.record;
}

TEST(IgesRecords, NumbersUseThePointAndTheDecimalsSetting) {
  FormatSettings comma;
  comma.decimalSeparator = 2;
  FormatSettings five = comma;
  five.decimals = 5;
  FormatSettings none;
  none.decimals = 0;
  const struct {
    std::string got, expected;
  } cases[] = {
      {IgesCoordinate(12.5, comma), "12.500"},
      {IgesCoordinate(-5, comma), "-5.000"},
      {IgesCoordinate(0, comma), "0.000"},
      {IgesCoordinate(-0.0001, comma), "0.000"},
      {IgesCoordinate(1234.5678, comma), "1234.568"},
      {IgesCoordinate(12.5, five), "12.50000"},
      {IgesCoordinate(12.7, none), "13."},
      {IgesMatrixEntry(-1, comma), "-1.000000"},
      {IgesMatrixEntry(0.5, five), "0.50000000"},
      {IgesAngle(0, comma), "0.000000"},
      {IgesAngle(-3.14159265, comma), "-3.141593"},
      {IgesLargestCoordinate(420, comma), "420."},
      {IgesLargestCoordinate(12.5, comma), "12.5"},
      {IgesLargestCoordinate(0.000001, comma), "0."},
      {Hollerith("FILE"), "4HFILE"},
      {Hollerith(""), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

// A block writes nothing itself; every insert writes its entities where the insert
// puts them, each standing on its own, in the colour of the layer it was drawn on.
TEST_F(IgesWriterTest, EveryInsertWritesTheBlockPlaced) {
  CadPrimitiveState text;
  text.text = {2.0, 0.8, 0.0, 0.0};
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.Layer(OnLayer(5));
    w.BeginBlock(state_, "ZAHN");
    w.Line(state_, 0, 0, 10, 0);
    w.Arc(state_, 0, 0, 0, 90, 10);
    w.Text(text, "Z", 1, 2);
    w.EndBlock();
    w.Layer(OnLayer(0));
    w.Insert(state_, "ZAHN", 5, 6, 0, 1, 1);
    w.Insert(state_, "ZAHN", 5, 6, 90, 1, 1);
    w.Line(state_, 0, 0, 1, 0);  // the insert leaves the layer's colour as it was
  });
  EXPECT_EQ(ParameterData(bytes),
            (Lines{"110,5.000,6.000,0.0,15.000,6.000,0.0;",
                   "100,0.0,5.000,6.000,15.000,6.000,5.000,16.000;",
                   "212,1,1,1.600,2.000,1,,0.000000,0,0,6.000,8.000,0.0,", "1HZ;",
                   "110,5.000,6.000,0.0,5.000,16.000,0.0;",
                   "100,0.0,5.000,6.000,5.000,16.000,-5.000,6.000;",
                   "212,1,1,1.600,2.000,1,,1.570796,0,0,3.000,7.000,0.0,", "1HZ;",
                   "110,0.000,0.000,0.0,1.000,0.000,0.0;"}));
  const Lines d = Section(bytes, 'D');
  ASSERT_EQ(d.size(), 2u * 7);
  for (std::size_t i = 0; i < d.size(); i += 2) {
    EXPECT_EQ(Field(d[i], 9), "00000000") << d[i];  // no member, no matrix
    EXPECT_EQ(Field(d[i], 5), i < 12 ? "2" : "0") << d[i];
  }
  EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(IgesWriterTest, InsertsKeepTheirScaleAndNesting) {
  CadPrimitiveState text;
  text.text = {2.0, 0.75, 0.0, 0.0};
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.BeginBlock(state_, "TAB");
    w.Line(state_, 0, 0, 10, 10);
    w.Text(text, "T", 0, 0);
    w.EndBlock();
    w.BeginBlock(state_, "RAD");
    w.Circle(state_, 10, 0, 4);
    w.Insert(state_, "TAB", 10, 0, 90, 1, 1);
    w.EndBlock();
    w.Insert(state_, "TAB", 22, 180, 0, 0.6, 0.75);  // uneven: height 0.75, width 0.6
    w.Insert(state_, "RAD", 1, 2, 180, 2, 2);        // nested: turned twice, scaled once
  });
  EXPECT_EQ(ParameterData(bytes),
            (Lines{"110,22.000,180.000,0.0,28.000,187.500,0.0;",
                   "212,1,1,0.900,1.500,1,,0.000000,0,0,22.000,180.000,0.0,", "1HT;",
                   "100,0.0,-19.000,2.000,-11.000,2.000,-11.000,2.000;",
                   "110,-19.000,2.000,0.0,1.000,-18.000,0.0;",
                   "212,1,1,3.000,4.000,1,,-1.570796,0,0,-19.000,2.000,0.0,", "1HT;"}));
}

TEST_F(IgesWriterTest, InsertsOfUnknownBlocksAreReportedAndWriteNothing) {
  // A block of an earlier output must not be found: it belongs to another file.
  Write([&](IgesFileWriter& w) {
    w.BeginBlock(state_, "ZAHN");
    w.Line(state_, 0, 0, 1, 1);
    w.EndBlock();
  });
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.Insert(state_, "ZAHN", 1, 2, 0, 1, 1);
    w.BeginBlock(state_, "SCHNITTBILD");
    w.Line(state_, 0, 0, 1, 1);
    w.Insert(state_, "SCHNITTBILD", 0, 0, 0, 1, 1);  // not complete yet: never itself
    w.EndBlock();
    w.Insert(state_, "SCHNITTBILD", 3, 0, 0, 1, 1);
    w.Insert(state_, "SCHNITTB", 0, 0, 0, 1, 1);
  });
  EXPECT_EQ(ParameterData(bytes), (Lines{"110,3.000,0.000,0.0,4.000,1.000,0.0;"}));
  ASSERT_EQ(messages_.Count(), 3);
  EXPECT_EQ(messages_.Message(1), "Blockname ZAHN not found !");
  EXPECT_EQ(messages_.Message(2), "Blockname SCHNITTBILD not found !");
  EXPECT_EQ(messages_.Message(3), "Blockname SCHNITTB not found !");
}

TEST_F(IgesWriterTest, LayersGiveLineFontAndColour) {
  const struct {
    int layer;
    bool monochrome;
    int font, colour;
  } cases[] = {
      {0, false, 1, 0},  {1, false, 4, 5},  {2, false, 2, 5}, {5, false, 1, 2},
      {20, false, 1, 1}, {31, false, 1, 1}, {7, false, 1, 8}, {15, false, 1, 1},
      {-3, false, 1, 0}, {1, true, 1, 5},   {20, true, 1, 4},
  };
  for (const auto& c : cases) {
    IgesFileSetup setup = Setup();
    setup.layers.colours = {2, 2, 2, 3, 1};
    setup.layers.colours16to31[4] = 15;   // layer 20
    setup.layers.colours16to31[15] = 16;  // layer 31
    setup.layers.monochrome = c.monochrome;
    const std::string bytes = Write(setup, [&](IgesFileWriter& w) {
      w.Layer(OnLayer(c.layer));
      w.Line(OnLayer(c.layer), 0, 0, 1, 1);
    });
    const Lines d = Section(bytes, 'D');
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(Field(d[0], 4), std::to_string(c.font)) << "layer " << c.layer;
    EXPECT_EQ(Field(d[0], 5), std::to_string(c.colour)) << "layer " << c.layer;
    EXPECT_EQ(Field(d[1], 3), std::to_string(c.colour)) << "layer " << c.layer;
  }
}

TEST_F(IgesWriterTest, WorkingFileFailuresAreReported) {
  IgesFileSetup missing = Setup();
  missing.parameterFile = dir_.path() / "no such folder" / "MORVIGES.$$$";
  {
    IgesFileWriter writer(missing, messages_);
    EXPECT_NE(writer.Failure().find("cannot create"), std::string::npos) << writer.Failure();
    writer.StartSheet(0, 0, 420, 297);
    writer.Line(state_, 0, 0, 1, 1);
    const std::string bytes = writer.Finish();
    EXPECT_EQ(Section(bytes, 'P').size(), 0u);
    EXPECT_EQ(Section(bytes, 'D').size(), 2u);
  }
  {
    IgesFileWriter writer(Setup(), messages_);
    writer.StartSheet(0, 0, 420, 297);
    {
      const test_support::FileSizeLimit limit(4000);
      for (int i = 0; i < 200; ++i) writer.Line(state_, 0, i, 1, i);
      writer.Finish();
    }
    EXPECT_NE(writer.Failure().find("write error"), std::string::npos) << writer.Failure();
    EXPECT_FALSE(std::filesystem::exists(Setup().parameterFile));
  }
}

// A small complete drawing read back by OpenCASCADE's IGES reader.
TEST_F(IgesWriterTest, WholeFileIsReadByAnIndependentReader) {
  ZT6_REQUIRE_IGES_CHECKER();
  CadPrimitiveState text;
  text.text = {3.5, 0.8, 30.0, 0.0};
  IgesFileSetup setup = Setup();
  setup.layers.colours16to31[4] = 9;  // layer 20
  const std::string bytes = Write(setup, [&](IgesFileWriter& w) {
    w.Layer(OnLayer(1));
    w.BeginBlock(state_, "ZAHN");
    w.Line(state_, 0, 0, 10, 0);
    w.Arc(state_, 0, 0, 0, 90, 10);
    w.Text(text, "Zahn, links", 1, 1);
    w.EndBlock();
    w.Layer(OnLayer(20));
    w.Line(state_, 0, 0, 100, 50);
    w.Circle(state_, 10, 10, 5);
    w.Arc(state_, 50, 50, 30, 200, 20);
    w.Solid(state_, {0, 0, 4, 0, 4, 3, 0, 3});
    w.Text(text, "DIN 5481, " + std::string(70, 'x') + ", Ende", 20, 30);
    w.Insert(state_, "ZAHN", 100, 100, 0, 1, 1);
    w.Insert(state_, "ZAHN", 200, 100, 90, 1, 1);
  });
  const std::filesystem::path file = dir_.Write("drawing.igs", bytes);
  const test_support::IgesCheck check = test_support::CheckIges(file);
  ASSERT_EQ(check.status, 0) << check.output;
  // Each insert gives the block's line, arc and text again; every entity is a root.
  const std::map<std::string, int> expected = {
      {"entities", 11}, {"type 100", 4}, {"type 106", 1}, {"type 110", 3}, {"type 212", 3},
      {"fails", 0},     {"roots", 8},    {"shapes", 8},   {"edges", 11}};
  for (const auto& [name, count] : expected) {
    ASSERT_EQ(check.counts.count(name), 1u) << name << "\n" << check.output;
    EXPECT_EQ(check.counts.at(name), count) << name << "\n" << check.output;
  }
  // The reader may warn that solids and notes leave the line weight to its default (how
  // often depends on its version); it warns of nothing else.
  std::istringstream lines(check.output);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("warning:")) {
      EXPECT_NE(line.find("Line Weight Number is undefined"), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace zt6
