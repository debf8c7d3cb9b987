#include "calc/run_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace zt6 {
namespace {

TEST(RunMessagesTest, KeepsElevenMessagesInOrderAndLosesTheRest) {
  RunMessages messages;
  for (int i = 1; i <= 13; ++i) messages.Add("Meldung " + std::to_string(i));
  EXPECT_EQ(messages.Count(), 11);
  EXPECT_EQ(messages.Message(1), "Meldung 1");
  EXPECT_EQ(messages.Message(11), "Meldung 11");
  EXPECT_EQ(messages.Message(12), "");
  EXPECT_EQ(messages.Message(0), "");
}

TEST(RunMessagesTest, CutsToThirtySixCharactersAndIgnoresDuplicatesByThem) {
  RunMessages messages;
  messages.Add("Fehler : Dii < DFe !");
  messages.Add("Fehler : Dii < DFe !");
  const std::string tau = "Warnung: tau max / Re > 0.7 ! (0.73451)";  // 39 characters
  messages.Add(tau);
  messages.Add("Warnung: tau max / Re > 0.7 ! (0.73459)");  // same first 36
  messages.Add("Fehler : Seq<1 (0.85 Welle)");
  messages.Add("Fehler : Seq<1 (0.85 Nabe)");
  ASSERT_EQ(messages.Count(), 4);
  EXPECT_EQ(messages.Message(2), tau.substr(0, 36));
  EXPECT_EQ(messages.Message(3), "Fehler : Seq<1 (0.85 Welle)");
  EXPECT_EQ(messages.Message(4), "Fehler : Seq<1 (0.85 Nabe)");
}

TEST(RunMessagesTest, FatalFlagComesOnlyWithAddFatalAndGoesWithClear) {
  RunMessages messages;
  messages.Add("Fatal  : DIN 6885 Datenbank");
  EXPECT_FALSE(messages.FatalFlag());
  for (int i = 1; i <= 11; ++i) messages.Add("Meldung " + std::to_string(i));
  messages.AddFatal("Fatal  : z = 0 !");  // lost from the full list, but still fatal
  EXPECT_TRUE(messages.FatalFlag());
  EXPECT_EQ(messages.Count(), 11);
  messages.Clear();
  EXPECT_FALSE(messages.FatalFlag());
  EXPECT_EQ(messages.Count(), 0);
  messages.AddFatal("Fatal  : z = 0 !");
  EXPECT_EQ(messages.Message(1), "Fatal  : z = 0 !");
}

TEST(RunMessagesTest, KindIsToldByTheExactPrefix) {
  const struct {
    const char* text;
    MessageKind kind;
  } cases[] = {
      {"Fatal  : z = 0 !", MessageKind::Fatal},
      {"Fatal : z = 0 !", MessageKind::Remark},
      {"Fehler : Dee > DFi !", MessageKind::Error},
      {"Fehler in GetArcCenter (dphi = 0 ! ", MessageKind::Remark},
      {"Warnung: Tmax < Teq !", MessageKind::Warning},
      {"Error: function tan in Unit math", MessageKind::Remark},
      {"", MessageKind::Remark},
  };
  for (const auto& c : cases) EXPECT_EQ(KindOf(c.text), c.kind) << c.text;
}

}  // namespace
}  // namespace zt6
