#include "online/SiteName.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(SiteNameTest, NewSiteNamesAreCheckedAsTypedAndCleaned) {
  const struct {
    const char* typed;
    const char* message;
    const char* unixName;
  } cases[] = {
      {"", "Please Enter Your Name.", nullptr},
      {"   ", "Please Enter Your Name.", nullptr},
      {" a ", "The Name You Entered Is Too Short.", nullptr},
      {"12", "The Name You Entered Has No Letters.", nullptr},
      {"\xc3\x89\xc3\x80\xc3\x9c", "The Name You Entered Has No Letters.", nullptr},
      {"Joe's Bakery", "", "Joes-Bakery"},
      {"my_site.home", "", "mysitehome"},
      {"ab!!", "", "ab"},
      {" spaced ", "", "-spaced-"},
      {"Caf\xc3\xa9 du Coin", "", "Caf\xc3\xa9-du-Coin"},
  };
  for (const auto& c : cases) {
    const QString typed = QString::fromUtf8(c.typed);
    EXPECT_EQ(CheckNewSiteName(typed), QString::fromUtf8(c.message)) << c.typed;
    if (c.unixName) {
      EXPECT_EQ(SanitizeSiteName(typed), QString::fromUtf8(c.unixName)) << c.typed;
    }
  }
}

TEST(SiteNameTest, OnlyAsciiLettersCount) {
  EXPECT_TRUE(ContainsAsciiLetter(QStringLiteral("1a")));
  EXPECT_TRUE(ContainsAsciiLetter(QStringLiteral("Z")));
  EXPECT_FALSE(ContainsAsciiLetter(QStringLiteral("ÄÖ 12-")));
}

}  // namespace
}  // namespace moxa
