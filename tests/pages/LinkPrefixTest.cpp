#include "pages/LinkPrefix.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(LinkPrefixTest, DisablesEveryLinkAndRestoresItExactly) {
  const struct {
    const char* page;
    const char* workingCopy;
  } cases[] = {
      {R"(<a href="about-us.html">)", R"(<a href="#about-us.html">)"},
      {"<A HREF='x'>", "<A HREF='#x'>"},
      {R"(<a href="#top">)", R"(<a href="##top">)"},
      {R"(<link rel="stylesheet" href="bin/style.css">)", R"(<link rel="stylesheet" href="bin/style.css">)"},
      {R"(<LINK HREF='bin/a.css'><a href="b">)", R"(<LINK HREF='bin/a.css'><a href="#b">)"},
      {R"(<linked href="x">)", R"(<linked href="#x">)"},
      {R"(<link rel="icon" href="#frag">)", R"(<link rel="icon" href="#frag">)"},
      {R"(<a Href="">)", R"(<a Href="#">)"},
      {"href=x href = \"y\"", "href=x href = \"y\""},  // unquoted or spaced: not a link we touch
      {R"(<a href="a">1</a><a href='b'>2</a>)", R"(<a href="#a">1</a><a href='#b'>2</a>)"},
      {"ends with href=", "ends with href="},
  };
  for (const auto& c : cases) {
    const QByteArray copy = AddEditorLinkPrefixes(c.page);
    EXPECT_EQ(copy, QByteArray(c.workingCopy)) << c.page;
    EXPECT_EQ(RemoveEditorLinkPrefixes(copy), QByteArray(c.page)) << c.page;
  }
}

TEST(LinkPrefixTest, RemovingTakesOneHashAndLeavesUnprefixedLinks) {
  EXPECT_EQ(RemoveEditorLinkPrefixes(R"(<a href="x">)"), QByteArray(R"(<a href="x">)"));
  EXPECT_EQ(RemoveEditorLinkPrefixes(R"(<a href="###x">)"), QByteArray(R"(<a href="##x">)"));
}

}  // namespace
}  // namespace moxa
