#include "calc/message_descriptions.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace zt6 {
namespace {

namespace fs = std::filesystem;

class DescriptionFileTest : public ::testing::Test {
 protected:
  zt6::test_support::TempDir temp{"zt6_descriptions"};
  const fs::path dir = temp.path();


  fs::path Write(const std::string& contents, const std::string& name = "zt6.err") {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary) << contents;
    return p;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
  }
};

const std::string kNone(kNoDescription);

const char* const kSample =
    "* Kommentar: ein Stern am Zeilenanfang ist kein Platzhalter\r\n"
    "\r\n"
    "Fehler : Seq<1 (Wert Bauteil)\r\n"
    "Ursache Seq\r\n"
    "Abhilfe Seq\r\n"
    "Fehler : Seq<1 zweiter Eintrag\r\n"
    "spaeter Eintrag\r\n"
    "spaeter Eintrag\r\n"
    "Warnung: Tmax < Teq !\n"
    "Ursache Tmax\n"
    "Abhilfe Tmax\n"
    "DBF #* not found.\r\n"
    "Ursache DBF\r\n"
    "Abhilfe DBF\r\n"
    "d (Re) (pow)\r\n"
    "Ursache pow\r\n"
    "Abhilfe pow\r\n";

TEST_F(DescriptionFileTest, FirstLineWithTheSameFourteenCharactersWins) {
  const fs::path file = Write(kSample);
  const struct {
    const char* message;
    std::string cause;
    std::string remedy;
  } cases[] = {
      {"Fehler : Seq<1 (0.85 Welle)", "Ursache Seq", "Abhilfe Seq"},
      {"Fehler : Seq<1 (0.85 Nabe)", "Ursache Seq", "Abhilfe Seq"},
      {"Fehler : Seq<", kNone, ""},  // 13 characters: the 14th must match too
      {"Warnung: Tmax > Teq, anders", "Ursache Tmax", "Abhilfe Tmax"},  // LF line ends
      {"DBF #12 not found.", "Ursache DBF", "Abhilfe DBF"},
      {"DBF # 7 not found.", "Ursache DBF", "Abhilfe DBF"},
      {"d (Re) (pow)", "Ursache pow", "Abhilfe pow"},
      {"x (pow)", kNone, ""},
      {"Invalid temp directory", kNone, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cause(file, c.message), c.cause) << c.message;
    EXPECT_EQ(Remedy(file, c.message), c.remedy) << c.message;
  }
}

TEST_F(DescriptionFileTest, KeyLineAtTheEndGivesNoDescriptionAndMissingFileGivesNothing) {
  const fs::path lastLine = Write("Fatal  : z = 0 !", "last.err");
  MessageDescription d = LookUpDescription(lastLine, "Fatal  : z = 0 !");
  EXPECT_TRUE(d.matched);
  EXPECT_EQ(d.cause, kNone);
  EXPECT_EQ(d.remedy, "");

  const fs::path causeOnly = Write("Fatal  : z = 0 !\r\nnur Ursache\r\n", "cause.err");
  EXPECT_EQ(Cause(causeOnly, "Fatal  : z = 0 !"), "nur Ursache");
  EXPECT_EQ(Remedy(causeOnly, "Fatal  : z = 0 !"), "");

  d = LookUpDescription(dir / "fehlt.err", "Fatal  : z = 0 !");
  EXPECT_FALSE(d.fileFound);
  EXPECT_EQ(d.cause, "");
  EXPECT_EQ(d.remedy, "");
  EXPECT_FALSE(LookUpDescription(dir, "Fatal  : z = 0 !").fileFound);  // a folder
}

TEST_F(DescriptionFileTest, GarbageNeitherCrashesNorHidesLaterEntries) {
  std::mt19937 random(5481);
  std::string garbage;
  for (int i = 0; i < 3'000'000; ++i) {
    char c = static_cast<char>(random() & 0xFF);
    garbage.push_back(c == '\n' ? '\0' : c);  // one line of three million bytes
  }
  const fs::path file = Write(garbage + "\r\r\nFatal  : z = 0 !\r\nUrsache\r\nAbhilfe");
  EXPECT_EQ(Cause(file, "Fatal  : z = 0 !"), "Ursache");
  EXPECT_EQ(Remedy(file, "Fatal  : z = 0 !"), "Abhilfe");
  EXPECT_EQ(Cause(file, "Fatal  : L = 0 !"), kNone);

  const fs::path binary = Write(garbage.substr(0, 100'000), "binary.err");
  EXPECT_EQ(Cause(binary, "Fatal  : L = 0 !"), kNone);
}

TEST_F(DescriptionFileTest, StoreReplacesCauseAndRemedyAndKeepsEveryOtherByte) {
  const fs::path file = Write(kSample);
  ASSERT_EQ(StoreDescription(file, "Fehler : Seq<1 (0.90 Nabe)", "Neue Ursache",
                             "Neue Abhilfe\r\nzweite Zeile"),
            StoreResult::Stored);
  std::string expected = kSample;
  expected.replace(expected.find("Ursache Seq"), 11, "Neue Ursache");
  expected.replace(expected.find("Abhilfe Seq"), 11, "Neue Abhilfe zweite Zeile");
  EXPECT_EQ(Read(file), expected);
  EXPECT_EQ(FilesInDir(), 1u);  // no work file left behind

  // LF file: the new lines follow its line ends.
  ASSERT_EQ(StoreDescription(file, "Warnung: Tmax < Teq !", "U\nT", "A"), StoreResult::Stored);
  EXPECT_NE(Read(file).find("Warnung: Tmax < Teq !\nU T\nA\nDBF #* not found.\r\n"),
            std::string::npos);

  // A key line at the end without line end gets one.
  const fs::path last = Write("Kopf\r\nFatal  : z = 0 !", "last.err");
  ASSERT_EQ(StoreDescription(last, "Fatal  : z = 0 !", "U", "A"), StoreResult::Stored);
  EXPECT_EQ(Read(last), "Kopf\r\nFatal  : z = 0 !\r\nU\r\nA\r\n");
}

TEST_F(DescriptionFileTest, FailedStoreLeavesTheFileAsItWas) {
  const fs::path file = Write(kSample);
  EXPECT_EQ(StoreDescription(file, "Invalid temp directory", "U", "A"), StoreResult::NotFound);
  EXPECT_EQ(Read(file), kSample);
  EXPECT_EQ(FilesInDir(), 1u);

  fs::create_directory(dir / "zt6.err.tmp");  // the work file cannot be created
  EXPECT_EQ(StoreDescription(file, "DBF #3 not found.", "U", "A"), StoreResult::WriteFailed);
  EXPECT_EQ(Read(file), kSample);

  fs::remove(dir / "zt6.err.tmp");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(StoreDescription(file, "DBF #3 not found.", "U", "A"), StoreResult::WriteFailed);
  EXPECT_EQ(Read(file), kSample);

  EXPECT_EQ(StoreDescription(dir / "fehlt.err", "DBF #3 not found.", "U", "A"),
            StoreResult::CannotRead);
  EXPECT_FALSE(fs::exists(dir / "fehlt.err"));
}

}  // namespace
}  // namespace zt6
