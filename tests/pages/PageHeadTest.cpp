#include "pages/PageHead.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

const QByteArray kPage =
    "<html><head><title>Old Title</title>\r\n"
    "<meta name=\"description\" content=\"old description\">\r\n"
    "<meta name=\"keywords\" content=\"old, keys\">\r\n"
    "</head><body></body></html>\r\n";

TEST(PageHeadTest, ReadsAndReplacesTheThreeValues) {
  EXPECT_EQ(ReadPageProperties(kPage),
            (PageProperties{"Old Title", "old description", "old, keys"}));
  QByteArray page = kPage;
  SetPageProperties(page, {"New", "", "a, b"});
  EXPECT_EQ(page,
            "<html><head><title>New</title>\r\n"
            "<meta name=\"description\" content=\"\">\r\n"
            "<meta name=\"keywords\" content=\"a, b\">\r\n"
            "</head><body></body></html>\r\n");
}

TEST(PageHeadTest, ValuesThatWouldBreakTheMarkupAreEscapedAndReadBackAsTyped) {
  const PageProperties typed{"Tom & Jerry </title> <b>", "say \"hi\" & <go>", "a\"b"};
  QByteArray page = kPage;
  SetPageProperties(page, typed);
  EXPECT_TRUE(page.contains("<title>Tom &amp; Jerry &lt;/title&gt; &lt;b&gt;</title>"));
  EXPECT_TRUE(page.contains("content=\"say &quot;hi&quot; &amp; &lt;go&gt;\">"));
  EXPECT_EQ(ReadPageProperties(page), typed);
  // And again: nothing accumulates.
  SetPageProperties(page, typed);
  EXPECT_EQ(ReadPageProperties(page), typed);
}

TEST(PageHeadTest, MissingTagsLeaveThePageAsItIs) {
  const QByteArray bare = "<html><body>no head</body></html>";
  QByteArray page = bare;
  EXPECT_FALSE(SetWindowTitle(page, QStringLiteral("x")));
  EXPECT_FALSE(SetDescription(page, QStringLiteral("x")));
  EXPECT_FALSE(SetKeywords(page, QStringLiteral("x")));
  EXPECT_EQ(page, bare);
  EXPECT_EQ(ReadPageProperties(bare), PageProperties{});
  QByteArray unterminated = "<meta name=\"keywords\" content=\"no end";
  EXPECT_FALSE(SetKeywords(unterminated, QStringLiteral("x")));
}

TEST(PageHeadTest, UnicodeTextIsWrittenAsUtf8) {
  QByteArray page = kPage;
  SetWindowTitle(page, QStringLiteral("Café 😀"));
  EXPECT_TRUE(page.contains("<title>Caf\xc3\xa9 \xf0\x9f\x98\x80</title>"));
}

}  // namespace
}  // namespace moxa
