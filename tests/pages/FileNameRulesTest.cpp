#include "pages/FileNameRules.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(SanitizeFileNameTest, CleansFileNameAndTrimsLabel) {
  const struct {
    const char* fileName;
    const char* label;
    const char* cleanFileName;
    const char* cleanLabel;
    PageMessage message;
  } cases[] = {
      {"  My Page  ", "Mine", "My-Page", "Mine", PageMessage::None},
      {"about.html", "About", "abouthtml", "About", PageMessage::None},
      {"a_b", "x", "ab", "x", PageMessage::None},
      {"???", "x", "", "x", PageMessage::EmptyFileName},
      {"Über uns", "x", "Über-uns", "x", PageMessage::None},
      {"ok", "   ", "ok", "", PageMessage::EmptyLabel},
      {"", "", "", "", PageMessage::EmptyFileName},  // the file name is checked first
      {"x", " Home & Garden ", "x", "Home & Garden", PageMessage::None},
      {"~!@#$%^&*()_,./{}\\|+=[];':\"<>?", "x", "", "x", PageMessage::EmptyFileName},
      {"back`quote-2", "x", "back`quote-2", "x", PageMessage::None},
      {"a ? b", "x", "a--b", "x", PageMessage::None},
      {"\tTab\n", "\tL\r\n", "Tab", "L", PageMessage::None},
  };
  for (const auto& c : cases) {
    const CleanedNames cleaned =
        SanitizeFileName(QString::fromUtf8(c.fileName), QString::fromUtf8(c.label));
    EXPECT_EQ(cleaned.FileName, QString::fromUtf8(c.cleanFileName)) << c.fileName;
    EXPECT_EQ(cleaned.Label, QString::fromUtf8(c.cleanLabel)) << c.label;
    EXPECT_EQ(cleaned.Message, c.message) << c.fileName << " / " << c.label;
  }
}

TEST(SanitizeFileNameTest, RecordsEachRemovalInOrder) {
  const CleanedNames cleaned = SanitizeFileName(QStringLiteral("a.b_c~d"), QStringLiteral("x"));
  // The tilde goes first, then the underscore, then the dot.
  EXPECT_EQ(cleaned.FileNameSteps,
            (QStringList{QStringLiteral("a.b_cd"), QStringLiteral("a.bcd"), QStringLiteral("abcd")}));
}

TEST(SanitizeFileNameTest, MessagesAreTheProgramsOwnWords) {
  EXPECT_EQ(MessageText(PageMessage::EmptyFileName), "You must enter a file name.");
  EXPECT_EQ(MessageText(PageMessage::EmptyLabel), "You must enter a label.");
  EXPECT_EQ(MessageText(PageMessage::NameTaken), "A page with this file name already exists.");
  EXPECT_EQ(MessageText(PageMessage::SiteFull), "Your site has reached the maximum number of pages.");
  EXPECT_EQ(MessageText(PageMessage::None), "");
}

}  // namespace
}  // namespace moxa
