// The current table: opening, navigation, field texts, the record buffer and the
// operations that write the table file.

#include "tables/current_table.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "current_table_fixture.h"
#include "raw_dbf.h"
#include "support/file_bytes.h"
#include "support/unprivileged_rerun.h"
#include "tables/dbf_error.h"
#include "tables/dbf_header.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RawField;
using test_support::RawTable;
using test_support::ReadLittleEndian;

const std::vector<DbfFieldSpec> kParts = {
    {"NAME", 'C', 8, 0}, {"DII", 'N', 6, 2}, {"OK", 'L', 1, 0}};

std::string Rtrim(std::string text) { return text.erase(text.find_last_not_of(' ') + 1); }

struct HeaderFacts {
  int year, month, day;
  std::uint32_t count, headerLength, recordLength;
};

HeaderFacts Header(const std::string& bytes) {
  return {1900 + static_cast<unsigned char>(bytes.at(1)),
          bytes.at(2),
          bytes.at(3),
          ReadLittleEndian(bytes, 4, 4),
          ReadLittleEndian(bytes, 8, 2),
          ReadLittleEndian(bytes, 10, 2)};
}

// The date header stamps get while a test pins it: day, month and year all different.
constexpr DbfDate kPinnedToday{2027, 11, 23};

std::string RecordInFile(const std::string& bytes, int k) {
  const HeaderFacts h = Header(bytes);
  return bytes.substr(h.headerLength + static_cast<std::size_t>(k - 1) * h.recordLength,
                      h.recordLength);
}

class CurrentTableTest : public test_support::TableTest {
 protected:
  // Records "P1".."Pn" with DII = 1.5 k, OK true for odd k.
  fs::path MakeParts(const std::string& file, int count) {
    std::vector<std::vector<std::string>> records;
    for (int k = 1; k <= count; ++k)
      records.push_back({"P" + std::to_string(k), std::to_string(1.5 * k), k % 2 ? "T" : "F"});
    return Create(file, kParts, records);
  }

  // Most cases here change the table, so they open it as the editor does.
  void Use(const std::string& name, TableUse use = TableUse::Edit) {
    const DbfUseResult opened = table_.DbfUse(name, Folders(), use);
    ASSERT_TRUE(opened.ok) << opened.error;
  }

  std::string Name() { return Rtrim(table_.DbfField(1)); }
};

TEST_F(CurrentTableTest, UseAddsTheExtensionOnlyToANameWithout) {
  MakeParts("din5481.dbf", 1);
  MakeParts("printout.dbf", 1);
  WriteRaw("junk.dbf", "no table at all");

  Use("din5481");
  EXPECT_EQ(table_.Path(), (TableFolder() / "din5481.dbf").string());
  Use("printout.dbf");
  EXPECT_EQ(table_.Path(), (TableFolder() / "printout.dbf").string());
  EXPECT_EQ(table_.DbfRecNo(), 1);

  const DbfUseResult missing = table_.DbfUse("printout.txt", Folders(), TableUse::Read);
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.error, "Datei " + (TableFolder() / "printout.txt").string() +
                               " nicht gefunden oder kein Zugriffsrecht !");
  EXPECT_FALSE(table_.IsOpen());

  const DbfUseResult junk = table_.DbfUse("junk", Folders(), TableUse::Read);
  EXPECT_FALSE(junk.ok);
  EXPECT_NE(junk.error.find("Keine dBASE-Datei"), std::string::npos) << junk.error;
  EXPECT_EQ(junk.error.rfind("Dataset error: ", 0), 0u);
}

TEST_F(CurrentTableTest, GoStaysInsideTheTableAndReportsRowsBeyondTheEnd) {
  MakeParts("t.dbf", 3);
  Use("t");
  const struct {
    std::int64_t asked;
    std::int64_t landed;
    const char* message;
  } cases[] = {{0, 1, ""}, {-5, 1, ""}, {2, 2, ""}, {6, 3, "DBF #6 not found."}};
  for (const auto& c : cases) {
    messages_.Clear();
    table_.DbfGo(c.asked);
    EXPECT_EQ(table_.DbfRecNo(), c.landed) << c.asked;
    EXPECT_EQ(Name(), "P" + std::to_string(c.landed)) << c.asked;
    EXPECT_FALSE(table_.DbfEof());
    EXPECT_EQ(messages_.Message(1), c.message) << c.asked;
    EXPECT_EQ(messages_.Count(), *c.message ? 1 : 0);
  }
}

TEST_F(CurrentTableTest, FieldNamesOutsideTheFieldsAreEmpty) {
  MakeParts("t.dbf", 1);
  Use("t");
  EXPECT_EQ(table_.DbfFieldName(0), "");
  EXPECT_EQ(table_.DbfFieldName(4), "");
  EXPECT_EQ(table_.DbfFieldName(2), "DII");
  EXPECT_EQ(table_.DbfFieldLen(2), 6);
  EXPECT_EQ(table_.DbfFieldLen(4), 0);
  EXPECT_EQ(table_.FieldNumber("dii"), 2);
  EXPECT_THROW(table_.DbfField(4), DbfError);
}

TEST_F(CurrentTableTest, FieldTextsFollowTheFieldType) {
  RawTable raw;
  raw.fields = {{"NAME", 'C', 6}, {"VAL", 'N', 7, 2}, {"DAY", 'D', 8}, {"NOTE", 'M', 10}};
  raw.records = {std::string(" Bolt  ") + "1.5    " + "20240131" + "        12",
                 " Nut" + std::string(28, ' ')};
  WriteRaw("t.dbf", raw.Bytes());
  Use("t");
  EXPECT_EQ(table_.DbfField(1), "Bolt  ");   // trailing blanks kept
  EXPECT_EQ(table_.DbfField(2), "   1.50");  // re-formatted with the declared decimals
  EXPECT_EQ(table_.DbfField(3), "20240131");
  EXPECT_EQ(table_.DbfField(4), "MEMO");
  table_.DbfSkip(1);
  EXPECT_EQ(table_.DbfField(2), "       ");  // blank stays blank, reads as 0
  EXPECT_EQ(table_.DbfField(4), "none");
}

TEST_F(CurrentTableTest, LogicalFieldsAreTrueOnlyForTAndY) {
  const std::string letters = "yYtT?NFn ";
  RawTable raw;
  raw.fields = {{"OK", 'L', 1}};
  for (const char c : letters) raw.records.push_back(std::string(" ") + c);
  WriteRaw("t.dbf", raw.Bytes());
  Use("t");
  for (std::size_t k = 0; k < letters.size(); ++k) {
    table_.DbfGo(static_cast<std::int64_t>(k + 1));
    const bool expected = k < 4;
    EXPECT_EQ(table_.DbfLogical("ok"), expected) << "'" << letters[k] << "'";
    EXPECT_EQ(table_.DbfField(1), expected ? "Y" : "N") << "'" << letters[k] << "'";
  }
}

TEST_F(CurrentTableTest, TextsAreStoredInTheDosCodePageAndReadInTheWindowsCodePage) {
  const fs::path path = Create("t.dbf", {{"NAME", 'C', 8, 0}}, {{Utf8ToCp1252("Maß")}});
  // CP850 keeps sharp s at 0xE1 and o umlaut at 0x94 (Windows-1252: 0xDF, 0xF6).
  EXPECT_NE(Bytes(path).find(" Ma\xE1     "), std::string::npos);
  Use("t");
  EXPECT_EQ(Rtrim(table_.DbfField(1)), "Ma\xDF");

  table_.DbfReplaceText("NAME", Utf8ToCp1252("Größe"));
  ASSERT_TRUE(table_.DbfAppendRecord());
  EXPECT_NE(Bytes(path).find(" Gr\x94\xE1"
                             "e   \x1A"),
            std::string::npos);
  EXPECT_EQ(Rtrim(table_.DbfField(1)), Utf8ToCp1252("Größe"));

  // A field longer than the short-text conversions take is converted all the same.
  RawTable raw;
  raw.fields = {{"LONG", 'C', 255}};
  raw.records = {" " + std::string(254, 'x') + Oem("ß")};
  WriteRaw("long.dbf", raw.Bytes());
  Use("long");
  EXPECT_EQ(table_.DbfField(1), std::string(254, 'x') + "\xDF");
}

TEST_F(CurrentTableTest, AppendingTwiceAppendsTwoEqualRecordsAndKeepsTheHeaderCurrent) {
  const PinnedDbfToday pinned(kPinnedToday);
  RawTable raw;
  raw.fields = {{"NAME", 'C', 8}, {"DII", 'N', 6, 2}, {"OK", 'L', 1}};
  raw.records = {" Alt       1.00F"};
  const fs::path path = WriteRaw("t.dbf", raw.Bytes());  // dated 1999-01-01
  Use("t");
  table_.DbfReplaceText("NAME", "Neu");
  table_.DbfReplaceReal("DII", 2.5);
  table_.DbfReplaceLogical("OK", true);
  ASSERT_TRUE(table_.DbfAppendRecord());
  ASSERT_TRUE(table_.DbfAppendRecord());
  EXPECT_EQ(table_.DbfRecNo(), 3);
  EXPECT_EQ(table_.DbfField(1), "Neu     ");

  const std::string bytes = Bytes(path);
  const HeaderFacts h = Header(bytes);
  EXPECT_EQ(h.count, 3u);
  EXPECT_EQ(h.year, 2027);
  EXPECT_EQ(h.month, 11);
  EXPECT_EQ(h.day, 23);
  EXPECT_EQ(RecordInFile(bytes, 1),
            " Alt       1.00F");  // the record current before keeps its contents
  EXPECT_EQ(RecordInFile(bytes, 2), " Neu       2.50T");
  EXPECT_EQ(RecordInFile(bytes, 3), RecordInFile(bytes, 2));
  EXPECT_EQ(bytes.size(), h.headerLength + 3 * h.recordLength + 1);
  EXPECT_EQ(bytes.back(), '\x1A');

  table_.DbfClose();
  Use("t");
  EXPECT_EQ(table_.DbfRecCount(), 3);
}

TEST_F(CurrentTableTest, ARefusedAppendLockWritesNothing) {
  const fs::path path = MakeParts("t.dbf", 2);
  const std::string before = Bytes(path);
  Use("t");
  const int other = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  table_.DbfReplaceText("NAME", "X");
  EXPECT_FALSE(table_.DbfAppendRecord());
  ::close(other);
  EXPECT_EQ(Bytes(path), before);
  EXPECT_EQ(table_.DbfRecCount(), 2);
  EXPECT_TRUE(table_.DbfAppendRecord());  // the lock is free again
}

// The superuser writes into any folder, so as root the test runs again as nobody.
TEST_F(CurrentTableTest, WriteProtectionLeadsToACopyInTheTemporaryFolder) {
  ZT6_AS_UNPRIVILEGED_USER();
  const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
  const struct {
    const char* what;
    std::function<void(const fs::path& folder, const fs::path& file)> protect;
  } cases[] = {
      {"folder", [&](const fs::path& folder, const fs::path&) { fs::permissions(folder, readOnly); }},
      {"file",
       [](const fs::path&, const fs::path& file) {
         fs::permissions(file,
                         fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::permissions(TableFolder(), fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(TableFolder());
    fs::remove_all(TemporaryFolder());
    fs::create_directories(TableFolder());
    fs::create_directories(TemporaryFolder());
    const fs::path path = MakeParts("t.dbf", 2);
    c.protect(TableFolder(), path);
    const std::string original = Bytes(path);

    Use("t");
    const fs::path copy = TemporaryFolder() / "t.dbf";
    EXPECT_EQ(table_.Path(), copy.string());
    table_.DbfReplaceText("NAME", "NEU");
    ASSERT_TRUE(table_.DbfAppendRecord());
    table_.DbfClose();

    EXPECT_EQ(Bytes(path), original);
    EXPECT_EQ(Header(Bytes(copy)).count, 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(TableFolder()), fs::directory_iterator()), 1)
        << "the table alone, no check file";
    EXPECT_NE(fs::status(copy).permissions() & fs::perms::owner_write, fs::perms::none);
  }
}

// Reading needs neither a writable folder nor a copy: a write-protected table in a
// write-protected folder is read where it is, and nothing is written anywhere, so a
// stale copy of another user in the temporary folder is never in the way.
TEST_F(CurrentTableTest, AReaderUsesTheTableInPlaceWhateverItsProtection) {
  const fs::path path = MakeParts("t.dbf", 2);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directory(TemporaryFolder() / "t.dbf");  // a name in the way of any copy
  fs::permissions(TableFolder(), fs::perms::owner_read | fs::perms::owner_exec);
  Use("t", TableUse::Read);
  fs::permissions(TableFolder(), fs::perms::owner_all);
  EXPECT_EQ(table_.Path(), path.string());
  EXPECT_EQ(Name(), "P1");
  EXPECT_EQ(std::distance(fs::directory_iterator(TableFolder()), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(TemporaryFolder()), fs::directory_iterator()), 1);
}

TEST_F(CurrentTableTest, AWritableFolderLeavesNoCheckFileAndNoCopy) {
  MakeParts("t.dbf", 1);
  Use("t");
  EXPECT_EQ(table_.Path(), (TableFolder() / "t.dbf").string());
  EXPECT_FALSE(fs::exists(TableFolder() / "TEST.$$$"));
  EXPECT_TRUE(fs::is_empty(TemporaryFolder()));
}

TEST_F(CurrentTableTest, AnEmptyTableStandsAtItsEndUntilARecordIsAppended) {
  Create("t.dbf", kParts, {});
  Use("t");
  EXPECT_EQ(table_.DbfRecCount(), 0);
  EXPECT_EQ(table_.DbfRecNo(), 1);
  EXPECT_TRUE(table_.DbfEof());
  EXPECT_EQ(table_.DbfField(1), std::string(8, ' '));
  table_.DbfSkip(1);
  table_.DbfGoTop();
  EXPECT_TRUE(table_.DbfEof());

  table_.DbfReplaceText("NAME", "Erster");
  ASSERT_TRUE(table_.DbfAppendRecord());
  EXPECT_EQ(table_.DbfRecNo(), 1);
  EXPECT_FALSE(table_.DbfEof());
  EXPECT_EQ(Name(), "Erster");
}

TEST_F(CurrentTableTest, SkipFollowsTheActiveOrderAndStopsAtBothEnds) {
  const fs::path path =
      Create("t.dbf", kParts, {{"C", "1", "T"}, {"A", "2", "T"}, {"B", "3", "T"}, {"D", "4", "T"}});
  Use("t");
  table_.DbfGo(4);
  table_.DbfDelete(true);
  EXPECT_EQ(RecordInFile(Bytes(path), 4).front(), '*');
  table_.DbfGo(1);

  table_.DbfIndexOn("NAME", "t");
  EXPECT_EQ(Name(), "A");
  std::string seen = Name();
  for (int k = 0; k < 3; ++k) {
    table_.DbfSkip(1);
    seen += Name();
  }
  EXPECT_EQ(seen, "ABCD");
  table_.DbfSkip(1);
  EXPECT_TRUE(table_.DbfEof());
  EXPECT_EQ(table_.DbfRecNo(), 5);
  EXPECT_EQ(Name(), "");
  table_.DbfSkip(-1);
  EXPECT_EQ(Name(), "D");
  table_.DbfSkip(-10);
  EXPECT_TRUE(table_.DbfBof());
  EXPECT_EQ(Name(), "A");

  table_.SetHideDeleted(true);
  table_.DbfGoBottom();
  EXPECT_EQ(Name(), "C");
  table_.DbfSkip(1);
  EXPECT_TRUE(table_.DbfEof());
  table_.DbfGo(4);  // going by number lands where asked
  EXPECT_EQ(Name(), "D");
  EXPECT_TRUE(table_.DbfDeleted());

  table_.DbfClearIndex();
  table_.DbfGoTop();
  EXPECT_EQ(Name(), "C");
}

TEST_F(CurrentTableTest, FindRetriesWithADecimalCommaAndNeedsAnIndex) {
  Create("t.dbf", {{"KEY", 'C', 8, 0}}, {{"1,0037"}, {"2,5"}, {"2,5"}});
  Use("t");
  try {
    table_.DbfFind("2,5");
    FAIL() << "Find without an index";
  } catch (const DbfError& fault) {
    EXPECT_EQ(
        fault.what(),
        "Dataset error: " +
            Utf8ToCp1252("Find() mit Index-Ordnung 0 (natürliche Ordnung) nicht erlaubt [Find]"));
  }
  EXPECT_THROW(table_.DbfIndexOn("NOSUCH", "t"), DbfError);

  table_.DbfIndexOn("key", "t");
  EXPECT_TRUE(table_.DbfFind("1.0037"));
  EXPECT_TRUE(table_.DbfFound());
  EXPECT_EQ(table_.DbfRecNo(), 1);
  EXPECT_TRUE(table_.DbfFind("2,5  "));  // trailing blanks do not count
  EXPECT_EQ(table_.DbfRecNo(), 2);       // the first of equal keys
  EXPECT_FALSE(table_.DbfFind(" 2,5"));
  EXPECT_FALSE(table_.DbfFind("2"));  // a shorter key is no match
  EXPECT_FALSE(table_.DbfFound());
  EXPECT_EQ(table_.DbfRecNo(), 2);  // a miss stays where it was
  EXPECT_FALSE(table_.DbfEof());
}

// Long keys that agree in their first bytes, equal keys, bytes above ASCII: the order
// is by every byte of the key (unsigned), equal keys in record order. Keys that vary in
// few places are sorted byte by byte, keys that vary in many by comparison: both ways.
TEST_F(CurrentTableTest, IndexOrdersLongKeysByEveryByte) {
  std::vector<std::vector<std::string>> records = {
      {"Welle DIN 5481 21x24"}, {"Welle DIN 5481 12x14"}, {"Welle DIN 5481 12x14"},
      {Utf8ToCp1252("Welle DIN 5481 12xä")}, {"Welle DIN 5481 12x1"}, {"Welle"},
      {"Welle DIN 5481 12x14"}};
  std::vector<std::int64_t> expected = {6, 5, 2, 3, 7, 4, 1};
  for (const bool manyPlacesVary : {false, true}) {
    SCOPED_TRACE(manyPlacesVary ? "keys varying in every place" : "keys varying in few places");
    if (manyPlacesVary) {
      records.push_back({"abcdefghijklmnopqrst"});  // differs from the others everywhere
      expected.push_back(8);
    }
    Create("t.dbf", {{"NAME", 'C', 20, 0}}, records);
    Use("t");
    table_.DbfIndexOn("NAME", "t");
    std::vector<std::int64_t> order{table_.DbfRecNo()};
    for (table_.DbfSkip(1); !table_.DbfEof(); table_.DbfSkip(1)) order.push_back(table_.DbfRecNo());
    EXPECT_EQ(order, expected);

    EXPECT_TRUE(table_.DbfFind("Welle DIN 5481 12x14"));
    EXPECT_EQ(table_.DbfRecNo(), 2);  // the first of the equal keys
    EXPECT_FALSE(table_.DbfFind("Welle DIN 5481 12x15"));
    EXPECT_TRUE(table_.DbfFindNear("Welle DIN 5481 12x15"));
    EXPECT_EQ(table_.DbfRecNo(), 4);
    EXPECT_TRUE(table_.DbfFind("Welle"));  // blanks after a key do not count
    EXPECT_EQ(table_.DbfRecNo(), 6);
    table_.DbfClose();
  }
}

TEST_F(CurrentTableTest, FindNearComparesNumberFieldsByValue) {
  Create("t.dbf", {{"VAL", 'N', 6, 2}}, {{"10"}, {"-2"}, {"3.25"}, {"3.25"}, {"1.5"}});
  Use("t");
  table_.DbfIndexOn("VAL", "t");
  std::vector<std::int64_t> order{table_.DbfRecNo()};
  for (table_.DbfSkip(1); !table_.DbfEof(); table_.DbfSkip(1)) order.push_back(table_.DbfRecNo());
  EXPECT_EQ(order, (std::vector<std::int64_t>{2, 5, 3, 4, 1}));

  EXPECT_TRUE(table_.DbfFindNear("  3,00"));
  EXPECT_EQ(table_.DbfRecNo(), 3);
  EXPECT_TRUE(table_.DbfFindNear("-5"));
  EXPECT_EQ(table_.DbfRecNo(), 2);
  EXPECT_TRUE(table_.DbfFind("1,5"));
  EXPECT_EQ(table_.DbfRecNo(), 5);
  EXPECT_FALSE(table_.DbfFindNear("10.01"));
  EXPECT_EQ(table_.DbfRecNo(), 5);
}

TEST_F(CurrentTableTest, ReplaceFitsValuesIntoTheirFieldsOrRefusesThem) {
  const fs::path path = Create(
      "t.dbf",
      {{"NAME", 'C', 4, 0}, {"DESCRIPTIO", 'C', 5, 0}, {"VAL", 'N', 6, 2}, {"CNT", 'N', 3, 0}},
      {{"a", "b", "1", "2"}});
  const std::string before = Bytes(path);
  Use("t");
  table_.DbfReplaceText("NAME", "Schraube");
  table_.DbfReplaceText("descriptionlong", "ab");  // cut to ten characters before the lookup
  table_.DbfReplaceReal("VAL", 3.14159);
  table_.DbfReplaceInteger("CNT", 999);
  EXPECT_EQ(table_.DbfField(1), "Schr");
  EXPECT_EQ(table_.DbfField(2), "ab   ");
  EXPECT_EQ(table_.DbfField(3), "  3.14");
  EXPECT_EQ(table_.DbfField(4), "999");
  table_.DbfReplaceText("VAL", "-1,5");
  EXPECT_EQ(table_.DbfField(3), " -1.50");

  EXPECT_THROW(table_.DbfReplaceReal("VAL", 1000), DbfError);  // "1000.00" needs seven places
  EXPECT_THROW(table_.DbfReplaceInteger("CNT", -100), DbfError);
  EXPECT_THROW(table_.DbfReplaceText("VAL", "abc"), DbfError);
  EXPECT_THROW(table_.DbfReplaceReal("NAME", 1), DbfError);
  EXPECT_THROW(table_.DbfReplaceText("NOSUCH", "x"), DbfError);
  EXPECT_EQ(table_.DbfField(3), " -1.50");  // a refused value leaves the buffer alone

  EXPECT_EQ(Bytes(path), before);  // only the buffer changed
  table_.DbfSkip(0);
  EXPECT_EQ(table_.DbfField(1), "a   ");
}

TEST_F(CurrentTableTest, WriteRecordChangesOneRecordInPlaceAndStampsTheDateOnClose) {
  const PinnedDbfToday pinned(kPinnedToday);
  RawTable raw;
  raw.fields = {{"NAME", 'C', 4}};
  raw.records = {" eins", " zwei"};
  const fs::path path = WriteRaw("t.dbf", raw.Bytes());
  Use("t");
  table_.DbfGo(2);
  table_.DbfReplaceText("NAME", "ZWEI");
  table_.DbfWriteRecord();
  EXPECT_EQ(RecordInFile(Bytes(path), 2), " ZWEI");
  EXPECT_EQ(Header(Bytes(path)).year, 1999);
  table_.DbfClose();
  const HeaderFacts h = Header(Bytes(path));
  EXPECT_EQ(h.year, 2027);
  EXPECT_EQ(h.month, 11);
  EXPECT_EQ(h.day, 23);
  EXPECT_EQ(h.count, 2u);
  EXPECT_EQ(RecordInFile(Bytes(path), 1), " eins");
}

TEST_F(CurrentTableTest, PackRemovesDeletedRecordsAndCutsTheFile) {
  const fs::path path = MakeParts("t.dbf", 5);
  Use("t");
  for (const int k : {2, 4}) {
    table_.DbfGo(k);
    table_.DbfDelete(true);
  }
  table_.DbfPack();
  EXPECT_EQ(table_.DbfRecCount(), 3);
  std::string names = Name();
  for (table_.DbfSkip(1); !table_.DbfEof(); table_.DbfSkip(1)) names += Name();
  EXPECT_EQ(names, "P1P3P5");

  const std::string bytes = Bytes(path);
  const HeaderFacts h = Header(bytes);
  EXPECT_EQ(h.count, 3u);
  EXPECT_EQ(bytes.size(), h.headerLength + 3 * h.recordLength + 1);
  EXPECT_EQ(bytes.back(), '\x1A');
}

TEST_F(CurrentTableTest, AFailedPackKeepsTheTable) {
  const fs::path path = MakeParts("t.dbf", 5);
  Use("t");
  table_.DbfGo(2);
  table_.DbfDelete(true);
  const std::string before = Bytes(path);
  {
    const test_support::FileSizeLimit limit(100);
    EXPECT_THROW(table_.DbfPack(), DbfError);
  }
  EXPECT_EQ(Bytes(path), before);
  EXPECT_EQ(table_.DbfRecCount(), 5);
  table_.DbfGo(2);
  EXPECT_TRUE(table_.DbfDeleted());
  EXPECT_EQ(std::distance(fs::directory_iterator(TableFolder()), {}), 1);
}

TEST_F(CurrentTableTest, AppendFromMatchesFieldsByNameAndConvertsTheirTypes) {
  Create("t.dbf",
         {{"NAME", 'C', 6, 0},
          {"VAL", 'N', 6, 2},
          {"TXT", 'C', 6, 0},
          {"OK", 'C', 1, 0},
          {"ALONE", 'C', 3, 0}},
         {{"alt", "1", "x", "F", "abc"}});
  RawTable other;
  other.fields = {
      {"OK", 'L', 1}, {"VAL", 'C', 8}, {"EXTRA", 'C', 2}, {"TXT", 'N', 5, 1}, {"NAME", 'C', 10}};
  other.records = {std::string(" y") + " 2,5    " + "zz" + "  3.5" + "Bolt      ",
                   std::string("*N") + "        " + "zz" + "     " + "Nut       "};
  const fs::path otherPath = dir_.Write("tmp/other.dbf", other.Bytes());
  Use("t");
  table_.DbfAppendFrom(otherPath.string());
  EXPECT_EQ(table_.DbfRecCount(), 3);
  EXPECT_EQ(table_.DbfRecNo(), 3);

  table_.DbfGo(2);
  EXPECT_EQ(table_.DbfField(1), "Bolt  ");
  EXPECT_EQ(table_.DbfField(2), "  2.50");  // text to number by its value
  EXPECT_EQ(table_.DbfField(3), "   3.5");  // number to right-aligned text
  EXPECT_EQ(table_.DbfField(4), "T");       // truth value to "T"/"F"
  EXPECT_EQ(table_.DbfField(5), "   ");     // no partner
  EXPECT_FALSE(table_.DbfDeleted());
  table_.DbfGo(3);
  EXPECT_EQ(table_.DbfField(2), "      ");
  EXPECT_EQ(table_.DbfField(4), "F");
  EXPECT_TRUE(table_.DbfDeleted());  // stays marked, as it was over there

  EXPECT_THROW(table_.DbfAppendFrom(table_.Path()), DbfError);
  EXPECT_THROW(table_.DbfAppendFrom((TableFolder() / "." / "t.dbf").string()), DbfError);
  EXPECT_EQ(table_.DbfRecCount(), 3);
}

TEST_F(CurrentTableTest, CopyToDelimitedNeverWritesOverTheTableItself) {
  const fs::path path = MakeParts("t.dbf", 2);
  const std::string before = Bytes(path);
  Use("t");
  const std::string otherSpelling = (TableFolder() / "." / "t.dbf").string();
  EXPECT_TRUE(table_.IsTableFile(otherSpelling));
  EXPECT_FALSE(table_.IsTableFile((TableFolder() / "t.txt").string()));
  EXPECT_THROW(table_.DbfCopyToDelimited(table_.Path()), DbfError);
  EXPECT_THROW(table_.DbfCopyToDelimited(otherSpelling), DbfError);
  EXPECT_EQ(Bytes(path), before);
  table_.DbfClose();
  EXPECT_FALSE(table_.IsTableFile(path.string()));  // nothing open
}

TEST_F(CurrentTableTest, FaultsLeaveTheObjectUsable) {
  MakeParts("t.dbf", 2);
  EXPECT_THROW(table_.DbfGo(1), DbfError);  // nothing open
  EXPECT_THROW(table_.DbfUsePath((TableFolder() / "none.dbf").string()), DbfError);
  Use("t");
  table_.DbfGo(2);
  table_.DbfSkip(1);  // past the end there is no record to write
  EXPECT_THROW(table_.DbfWriteRecord(), DbfError);
  EXPECT_THROW(table_.DbfDelete(true), DbfError);
  Use("t");
  EXPECT_EQ(Name(), "P1");
}

}  // namespace
}  // namespace zt6
