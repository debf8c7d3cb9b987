// The shipped message description files (German and English): every message the
// program produces finds its cause and remedy in both, the English ones are English
// throughout, and each CP850 file agrees with its UTF-8 source.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "calc/message_descriptions.h"
#include "calc/run_message_language.h"
#include "calc/run_messages.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

const fs::path kGerman = fs::path(ZT6_DATA_DIR) / "zt6.err";
const fs::path kEnglish = fs::path(ZT6_DATA_DIR) / "zt6.en.err";

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One example of every message the program produces, values filled in.
const std::vector<std::string> kProducedMessages = {
    "Fatal  : Dii =0 !",
    "Fatal  : D <= Dii !",
    "Fatal  : Dee <= D !",
    "Fatal  : z = 0 !",
    "Fatal  : L = 0 !",
    "Fehler : Dii < DFe !",
    "Fehler : Dee > DFi !",
    "Fehler : Seq<1 (0.85 Welle)",
    "Fehler : Smax<1 (0.00 Nabe)",
    "Fehler : L * hw <= 0 !",
    "Fehler : z * rw <= 0 !",
    "Fehler : Diemin <= 0 !",
    "Fehler : Auslegung mit Re = 0 !",
    "Warnung: tau max / Re > 0.7 ! (0.734567)",
    "Warnung: Tmax < Teq !",
    "DBF #12 not found.",
    "Werkstofftyp  3 nicht gefunden.",
    "Fatal  : DIN 6885 Datenbank",
    "Fatal  : Tabelle zt6tol Zeile 12",
    "Error: function tan in Unit math",
    "Error: function ArcCos in math",
    "d (Re) (pow)",
    "GetArcCenter l12=0",
    "Blockname LOGO1 not found !",
    "Invalid temp directory",
};

TEST(ShippedDescriptionsTest, EveryProducedMessageHasItsOwnCauseAndRemedy) {
  for (const fs::path& kShipped : {kGerman, kEnglish}) {
    SCOPED_TRACE(kShipped.filename().string());
    ASSERT_TRUE(fs::exists(kShipped));
    // Through the list, so long messages are cut as the program stores them.
    std::vector<std::string> messages;
    for (const std::string& text : kProducedMessages) {
      RunMessages list;
      list.Add(text);
      messages.push_back(list.Message(1));
    }
    std::set<std::string> causes;
    for (const std::string& message : messages) {
      const MessageDescription d = LookUpDescription(kShipped, message);
      ASSERT_TRUE(d.matched) << message;
      EXPECT_NE(d.cause, kNoDescription) << message;
      EXPECT_FALSE(d.cause.empty()) << message;
      EXPECT_FALSE(d.remedy.empty()) << message;
      // Cause and remedy must not be key lines themselves (a missing line would shift them).
      for (const std::string& other : messages) {
        EXPECT_FALSE(DescriptionKeyMatches(d.cause, other)) << message;
        EXPECT_FALSE(DescriptionKeyMatches(d.remedy, other)) << message;
      }
      causes.insert(d.cause);
    }
    // Only the two math-function messages share their first 14 characters, and an entry.
    EXPECT_EQ(causes.size(), messages.size() - 1);

    const MessageDescription welle = LookUpDescription(kShipped, "Fehler : Seq<1 (0.85 Welle)");
    const MessageDescription nabe = LookUpDescription(kShipped, "Fehler : Seq<1 (0.85 Nabe)");
    EXPECT_EQ(nabe.cause, welle.cause);
    EXPECT_EQ(nabe.remedy, welle.remedy);
    EXPECT_EQ(Cause(kShipped, "DBF # 7 not found."), Cause(kShipped, "DBF #12 not found."));
    EXPECT_EQ(Cause(kShipped, "Werkstofftyp 12 nicht gefunden."),
              Cause(kShipped, "Werkstofftyp  3 nicht gefunden."));
  }
}

// The English descriptions have no German left in them, and the messages themselves,
// shown in English, neither; each keeps its kind's place and width.
TEST(ShippedDescriptionsTest, TheEnglishProgramShowsMessagesAndDescriptionsInEnglish) {
  const std::string umlauts = Oem("äöüÄÖÜß");
  for (const std::string& text : kProducedMessages) {
    RunMessages list;
    list.Add(text);
    const std::string message = list.Message(1);
    const MessageDescription d = LookUpDescription(kEnglish, message);
    for (const std::string& line : {d.cause, d.remedy})
      EXPECT_EQ(line.find_first_of(umlauts), std::string::npos) << message << ": " << line;
    EXPECT_NE(d.cause, LookUpDescription(kGerman, message).cause) << message;

    const std::string english = RunMessageInLanguage(message, 2);
    EXPECT_EQ(RunMessageInLanguage(message, 1), message);
    for (const char* german : {"Fehler", "Warnung", "Tabelle", "Zeile", "Welle", "Nabe",
                               "Werkstofftyp", "Auslegung", "Datenbank", "nicht gefunden"})
      EXPECT_EQ(english.find(german), std::string::npos) << english;
    EXPECT_EQ(english.find_first_of(umlauts), std::string::npos) << english;
  }
  EXPECT_EQ(RunMessageInLanguage("Fehler : Seq<1 (0.85 Welle)", 2), "Error  : Seq<1 (0.85 shaft)");
  EXPECT_EQ(RunMessageInLanguage("Warnung: Tmax < Teq !", 2), "Warning: Tmax < Teq !");
  EXPECT_EQ(RunMessageInLanguage("Fatal  : Tabelle zt6tol Zeile 12", 2),
            "Fatal  : table zt6tol row 12");
  EXPECT_EQ(RunMessageInLanguage(Oem("Zu viele Zähne: z=30000 > 20000"), 2),
            "Too many teeth: z=30000 > 20000");
}

TEST(ShippedDescriptionsTest, IsTheCodePage850FormOfItsSourceWithCrLf) {
  for (const fs::path& kShipped : {kGerman, kEnglish}) {
    std::ifstream source(fs::path(kShipped).concat(".txt"), std::ios::binary);
    ASSERT_TRUE(source.is_open());
    std::string expected;
    for (std::string line; std::getline(source, line);) {
      const std::string oem = Oem(line);
      EXPECT_EQ(Cp850ToUtf8(oem), line) << "not in code page 850: " << line;
      EXPECT_LT(oem.size(), kMaxConvertibleLength) << line;  // shown whole in every window
      expected += oem + "\r\n";
    }
    EXPECT_EQ(Read(kShipped), expected) << kShipped;
    EXPECT_NE(expected.find(kShipped == kGerman ? Oem("Fußausrundung") : "root fillet"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace zt6
