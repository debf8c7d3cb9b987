// The demonstration's texts from the control file and its steps without windows: the
// messages for a missing file or text, and the shipped file's text for every step.

#include "app/help/demonstration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {
namespace {

TEST(Demonstration, TextNIsTheThirdLineOfBlockN) {
  const std::vector<std::string> file = {"head 1", "head 2", "", "NN", "text 1", "",       "",
                                         "NN",     "text 2", "", "",   "NN",     "text 3", ""};
  EXPECT_EQ(DemonstrationText(file, 1), "text 1");
  EXPECT_EQ(DemonstrationText(file, 3), "text 3");
  EXPECT_EQ(DemonstrationText(file, 4), "Demotext Nr.4 nicht vorhanden !");
}

TEST(Demonstration, TheShippedControlFileHasATextForEveryStep) {
  for (const char* name : {"/zt6.dem", "/zt6.en.dem"}) {
    SCOPED_TRACE(name);
    const FileContent file = ReadWholeFile(std::string(ZT6_HELP_DIR) + name, 1 << 20);
    ASSERT_TRUE(file.ok);
    const std::vector<std::string> lines = SplitLines(file.bytes);
    const int steps = static_cast<int>(DemonstrationSequence().size());
    EXPECT_EQ(steps, 15);
    for (int n = 1; n <= steps; ++n) {
      const std::string text = DemonstrationText(lines, n);
      EXPECT_GT(text.size(), 40u) << n;
      EXPECT_EQ(text.find("nicht vorhanden"), std::string::npos) << n;
    }
    EXPECT_EQ(DemonstrationText(lines, steps + 1).find("Demotext Nr."), 0u);
  }
}

}  // namespace
}  // namespace zt6
