// Values that would break the service's records: refused where they are
// typed, and never sent whole by the record writer.
#include "online/Protocol.h"
#include "online/RecordValues.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(RecordValuesTest, ValuesHoldingOrEndingInASeparatorAreRefusedWithTheReason) {
  const struct {
    const char* value;
    bool refused;
    const char* sent;  // what the writer sends of it
  } cases[] = {
      {"Dana", false, "Dana"},
      {"", false, ""},
      {"a/b | c", false, "a/b | c"},
      {"http://example.org/x", false, "http://example.org/x"},
      {"Q/////A", true, "QA"},
      {"Dana|||||X", true, "DanaX"},
      {"ends/", true, "ends"},
      {"ends||", true, "ends"},
      {"a//////////b", true, "ab"},
      {"a///|||||//b", true, "ab"},  // removing one run makes another
  };
  for (const auto& c : cases) {
    const QString value = QString::fromUtf8(c.value);
    const QString problem = RecordValuesProblem({{QStringLiteral("The page label"), QStringLiteral("ok")},
                                                 {QStringLiteral("The first name"), value}});
    EXPECT_EQ(!problem.isEmpty(), c.refused) << c.value;
    if (c.refused) {
      EXPECT_TRUE(problem.startsWith(QStringLiteral("The first name cannot contain"))) << c.value;
    }
    EXPECT_EQ(WithoutRecordSeparators(value), QString::fromUtf8(c.sent)) << c.value;
  }
}

TEST(RecordValuesTest, TheAccountScreensValuesAreAllChecked) {
  TAccount account;
  EXPECT_TRUE(AccountValuesProblem(account).isEmpty());
  for (QString TAccount::*field : {&TAccount::FirstName, &TAccount::LastName, &TAccount::Email, &TAccount::Password}) {
    TAccount typed;
    typed.*field = QStringLiteral("x|||||y");
    EXPECT_FALSE(AccountValuesProblem(typed).isEmpty());
  }
}

TEST(RecordValuesTest, APageListWithSeparatorsInItsValuesKeepsEveryFieldInPlace) {
  TSitePage page;
  page.FileName = QStringLiteral("faq");
  page.Label_ = QStringLiteral("Q/////A");
  page.WindowTitle = QStringLiteral("Title/");
  page.Description = QStringLiteral("Desc|||||");
  page.Keywords = QStringLiteral("k1, k2");
  page.ShowInMenu = true;
  TSitePage second;
  second.FileName = QStringLiteral("index");
  second.IsHomePage = true;
  QString list = PageList({page, second});
  const std::vector<TSitePage> read = ReadPageList(list, 10);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0].Label_, QStringLiteral("QA"));
  EXPECT_EQ(read[0].WindowTitle, QStringLiteral("Title"));
  EXPECT_EQ(read[0].Description, QStringLiteral("Desc"));
  EXPECT_EQ(read[0].Keywords, QStringLiteral("k1, k2"));
  EXPECT_TRUE(read[0].ShowInMenu);
  EXPECT_EQ(read[1].FileName, QStringLiteral("index"));
  EXPECT_TRUE(read[1].IsHomePage);
}

}  // namespace
}  // namespace moxa
