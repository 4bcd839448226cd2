#include "pages/TextSearch.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(PosFromTest, FindsFirstOccurrenceAtOrAfterOffset) {
  const struct {
    const char* sub;
    const char* s;
    qsizetype offset;
    qsizetype expected;
  } cases[] = {
      {"ab", "xxabab", 1, 3}, {"ab", "xxabab", 3, 3}, {"ab", "xxabab", 4, 5},
      {"ab", "xxabab", 6, 0}, {"AB", "xxabab", 1, 0}, {"q", "xxabab", 1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PosFrom(c.sub, c.s, c.offset), c.expected) << c.sub << " in " << c.s << " @" << c.offset;
  }
}

TEST(ReversePosTest, FindsRightmostMatchEndingAtOrBeforeStart) {
  const struct {
    const char* sub;
    const char* s;
    qsizetype start;
    bool wholeWord;
    bool caseSensitive;
    qsizetype expected;
  } cases[] = {
      {"ab", "abxab", 5, false, true, 4},
      {"ab", "abxab", 4, false, true, 1},
      {"ab", "abxab", 2, false, true, 1},
      {"ab", "ab", 1, false, true, 0},      // start shorter than the needle
      {"", "abc", 3, false, true, 0},       // empty needle
      {"abcd", "abc", 3, false, true, 0},   // text shorter than the needle
      {"AB", "xab", 3, false, false, 2},    // case-free
      {"AB", "xab", 3, false, true, 0},
      {"<li", "<LI class=x>home", 16, false, false, 1},
      {"cat", "concat cat", 10, true, true, 8},
      {"cat", "concat", 6, true, true, 0},  // a letter before it
      {"cat", "cats cat", 8, true, true, 6},
      {"cat", "cats", 4, true, true, 0},    // a letter after it
      {"ab", "abab", 99, false, true, 3},   // a start past the end is the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReversePos(c.sub, c.s, c.start, c.wholeWord, c.caseSensitive), c.expected)
        << c.sub << " in " << c.s << " @" << c.start;
  }
}

TEST(AsciiLowerTest, LowersOnlyAsciiLetters) {
  EXPECT_EQ(AsciiLower("AbC-\xc3\x89"), QByteArray("abc-\xc3\x89"));
  EXPECT_EQ(IndexOfIgnoringAsciiCase("xx</UL>", "</ul>"), 2);
  EXPECT_EQ(IndexOfIgnoringAsciiCase("</ul>xx</ul>", "</ul>", 1), 7);
  EXPECT_EQ(IndexOfIgnoringAsciiCase("</u", "</ul>"), -1);
}

}  // namespace
}  // namespace moxa
