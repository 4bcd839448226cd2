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

TEST(SiteNameTest, OnlyAPlainNameFromTheServiceIsASiteName) {
  const struct {
    QString answered;
    bool plain;
  } cases[] = {
      {QStringLiteral("my-site"), true},
      {QStringLiteral("twin2"), true},
      {QString(kLongestSiteName, u'a'), true},
      {QString(kLongestSiteName + 1, u'a'), false},
      {QString(), false},
      {QStringLiteral("../../etc"), false},
      {QStringLiteral("a/b"), false},
      {QStringLiteral("two words"), false},
      {QStringLiteral("tab\tname"), false},
      {QStringLiteral("<!DOCTYPE html><html><head><title>Hotel Wi-Fi</title>"), false},
      {QStringLiteral("name|||||"), false},
      {QStringLiteral("bell\u0007"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlainSiteName(c.answered), c.plain) << c.answered.toStdString();
}

TEST(SiteNameTest, OnlyAsciiLettersCount) {
  EXPECT_TRUE(ContainsAsciiLetter(QStringLiteral("1a")));
  EXPECT_TRUE(ContainsAsciiLetter(QStringLiteral("Z")));
  EXPECT_FALSE(ContainsAsciiLetter(QStringLiteral("ÄÖ 12-")));
}

}  // namespace
}  // namespace moxa
