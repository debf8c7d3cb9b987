// The IGES writer: the 80-column layout of every section, the records of each entity,
// the cutting of long records, blocks and inserts, the layer colours, the number forms,
// the working file of the parameter lines, and a whole file read back by an independent
// IGES reader (OpenCASCADE).

#include "cad/iges_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "cad/iges_records.h"
#include "calc/run_messages.h"
#include "support/file_bytes.h"
#include "support/fixed_time.h"
#include "support/iges_check.h"
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

TEST_F(IgesWriterTest, BlocksListTheirMembersAndInsertsFindThem) {
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.BeginBlock(state_, "ZAHN");
    for (int i = 0; i < 13; ++i) w.Line(state_, 0, i, 1, i);
    w.EndBlock();
    w.BeginBlock(state_, "LEER");
    w.EndBlock();
    w.Insert(state_, "ZAHN", 5, 6, 0, 1, 1);
    w.Insert(state_, "ZAHN", 5, 6, 90, 1, 1);
  });
  const Lines data = ParameterData(bytes);
  ASSERT_EQ(data.size(), 13u + 3 + 1 + 1 + 3 + 1);
  EXPECT_EQ(Lines(data.begin() + 13, data.end()),
            (Lines{"308,0,4HZAHN,13,", "1,3,5,7,9,11,13,15,17,19,21,23,", "25;", "308,0,4HLEER,0;",
                   "408,27,5.000,6.000,0.0,1.0;", "124,0.000000,-1.000000,0.0,5.000,",
                   "1.000000,0.000000,0.0,6.000,", "0.0,0.0,1.0,0.0;", "408,27,0.0,0.0,0.0,1.0;"}));
  const Lines d = Section(bytes, 'D');
  ASSERT_EQ(d.size(), 2u * (13 + 2 + 3));
  EXPECT_EQ(Field(d[0], 9), "00010000");   // a member
  EXPECT_EQ(Field(d[26], 9), "00000000");  // the 308 itself
  EXPECT_EQ(Field(d[27], 8), "ZAHN");
  EXPECT_EQ(Field(d[27], 4), "3");  // its three parameter lines
  EXPECT_EQ(Field(d[30], 7), "");   // the unturned instance has no matrix
  EXPECT_EQ(Field(d[32], 1), "124");
  EXPECT_EQ(Field(d[32], 9), "00010000");
  EXPECT_EQ(Field(d[33], 5), "0");
  EXPECT_EQ(Field(d[34], 7), "33");  // the instance points at its matrix
  EXPECT_EQ(messages_.Count(), 0);
}

TEST_F(IgesWriterTest, InsertsKeepTheirScale) {
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.BeginBlock(state_, "TAB");
    w.Line(state_, 0, 0, 1, 1);
    w.EndBlock();
    w.Insert(state_, "TAB", 2, 42, 0, 0.5, 0.5);
    w.Insert(state_, "TAB", 22, 180, 0, 0.6, 0.75);  // uneven: the smaller factor
    w.Insert(state_, "TAB", 1, 2, 180, 2, 2);
  });
  const Lines data = ParameterData(bytes);
  EXPECT_EQ(Lines(data.begin() + 3, data.end()),
            (Lines{"408,3,2.000,42.000,0.0,0.500000;", "408,3,22.000,180.000,0.0,0.600000;",
                   "124,-1.000000,0.000000,0.0,1.000,", "0.000000,-1.000000,0.0,2.000,",
                   "0.0,0.0,1.0,0.0;", "408,3,0.0,0.0,0.0,2.000000;"}));
}

TEST_F(IgesWriterTest, InsertsOfUnknownBlocksAreReportedAndStillWritten) {
  // A block of an earlier output must not be found: its pointer belongs to another file.
  Write([&](IgesFileWriter& w) {
    w.BeginBlock(state_, "ZAHN");
    w.Line(state_, 0, 0, 1, 1);
    w.EndBlock();
  });
  const std::string bytes = Write([&](IgesFileWriter& w) {
    w.Insert(state_, "ZAHN", 1, 2, 0, 1, 1);
    w.BeginBlock(state_, "SCHNITTBILD");
    w.Insert(state_, "SCHNITTBILD", 0, 0, 0, 1, 1);  // not complete yet
    w.EndBlock();
    w.Insert(state_, "SCHNITTBILD", 0, 0, 0, 1, 1);
    w.Insert(state_, "SCHNITTB", 0, 0, 0, 1, 1);
  });
  EXPECT_EQ(ParameterData(bytes), (Lines{"408,0,1.000,2.000,0.0,1.0;", "408,0,0.000,0.000,0.0,1.0;",
                                         "308,0,8HSCHNITTB,1,", "3;", "408,5,0.000,0.000,0.0,1.0;",
                                         "408,0,0.000,0.000,0.0,1.0;"}));
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
  if (!test_support::HaveIgesChecker())
    GTEST_SKIP() << "OpenCASCADE (libocct-data-exchange-dev) was not found when building";
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
  const std::map<std::string, int> expected = {{"entities", 12}, {"type 100", 3}, {"type 106", 1},
                                               {"type 110", 2},  {"type 124", 1}, {"type 212", 2},
                                               {"type 308", 1},  {"type 408", 2}, {"fails", 0},
                                               {"warnings", 0},  {"roots", 6},    {"shapes", 6}};
  for (const auto& [name, count] : expected) {
    ASSERT_EQ(check.counts.count(name), 1u) << name << "\n" << check.output;
    EXPECT_EQ(check.counts.at(name), count) << name << "\n" << check.output;
  }
}

}  // namespace
}  // namespace zt6
