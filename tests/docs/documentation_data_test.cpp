// Change records, sign-off rows and the reset of New.

#include "docs/documentation_data.h"

#include <gtest/gtest.h>

#include "calc/design_record.h"

namespace zt6 {
namespace {

TEST(ChangeRecords, NewRefusesTheTwentySixthAndDeleteKeepsTheSlot) {
  DocumentationData docs = InitialDocumentation("01.01.2026");
  for (std::size_t i = 0; i < kMaxChangeRecords; ++i) ASSERT_TRUE(AddChangeRecord(docs, "02.01.2026"));
  docs.changes[24].changeText = "letzte";
  EXPECT_FALSE(AddChangeRecord(docs, "03.01.2026"));
  EXPECT_EQ(docs.changeCount, 25u);
  EXPECT_EQ(docs.changes[24].date, "02.01.2026");

  // Delete last, then new: the deleted texts come back with today's date.
  DeleteLastChangeRecord(docs);
  EXPECT_EQ(docs.changeCount, 24u);
  ASSERT_TRUE(AddChangeRecord(docs, "04.01.2026"));
  EXPECT_EQ(docs.changes[24].changeText, "letzte");
  EXPECT_EQ(docs.changes[24].date, "04.01.2026");

  DocumentationData none;
  DeleteLastChangeRecord(none);
  EXPECT_EQ(none.changeCount, 0u);
}

TEST(ChangeRecords, StartAndResetOfNew) {
  DocumentationData docs = InitialDocumentation("05.05.2026");
  for (std::size_t row = 0; row < 3; ++row) EXPECT_EQ(docs.signOff[row].date, "05.05.2026");
  EXPECT_EQ(docs.signOff[3].date, "");
  EXPECT_EQ(docs.documents[0].program, "NOTEPAD.EXE");

  DrawingIdentification drawing;
  drawing.infoLines = {"a", "b", "c"};
  drawing.shaftNumber = "W-1";
  docs.changeCount = 3;
  docs.replacementFor = "alt";
  docs.replacedBy = "neu";
  docs.signOff[1] = {"06.05.2026", "Huber"};
  docs.freeTextCount = 2;
  docs.documents[1].file = "x.pdf";
  ResetDocumentation(docs, drawing, "07.05.2026");
  EXPECT_EQ(docs.changeCount, 0u);
  EXPECT_EQ(docs.replacementFor, "");
  EXPECT_EQ(docs.replacedBy, "");
  EXPECT_EQ(docs.signOff[0].date, "07.05.2026");
  EXPECT_EQ(docs.signOff[1].date, "");
  EXPECT_EQ(docs.signOff[1].name, "");
  EXPECT_EQ(drawing.infoLines[0], "");
  // Free texts, drawing numbers and document links are not touched by New.
  EXPECT_EQ(docs.freeTextCount, 2u);
  EXPECT_EQ(drawing.shaftNumber, "W-1");
  EXPECT_EQ(docs.documents[1].file, "x.pdf");
}

TEST(ChangeRecords, TodayFollowsTheDateCode) {
  EXPECT_EQ(TodayText(1).size(), 10u);
  EXPECT_EQ(TodayText(1)[2], '.');
  EXPECT_EQ(TodayText(3)[4], '/');
}

}  // namespace
}  // namespace zt6
