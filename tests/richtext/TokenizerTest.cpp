#include "richtext/HtmlParser.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace moxa::rt {
namespace {

// A token as "kind:text", a tag followed by "|param" for each parameter.
std::string Describe(const THtmlParser& parser) {
  static const char* const kinds[] = {"comment:", "text:", "tag:"};
  std::string token = kinds[parser.CurrBlock] + parser.TagName.toStdString();
  for (int i = 0; i < parser.TagParams.Count(); ++i) {
    token += "|" + parser.TagParams[i].toStdString();
  }
  return token;
}

struct Options {
  bool removeSpaces = true;
  bool lastWasSpace = false;
};

std::vector<std::string> Tokens(const QByteArray& input, Options options = {}) {
  THtmlParser parser(input);
  parser.RemoveSpaces = options.removeSpaces;
  parser.LastWasSpace = options.lastWasSpace;
  std::vector<std::string> tokens;
  while (!parser.Done()) {
    parser.Next();
    tokens.push_back(Describe(parser));
  }
  return tokens;
}

using TokenList = std::vector<std::string>;

TEST(TokenizerTest, CutsInputAsTheReaderExpects) {
  const struct {
    const char* name;
    QByteArray input;
    TokenList tokens;
    Options options = {};
  } cases[] = {
      // White space.
      {"spaces collapse", "a  \t b", {"text:a b"}},
      {"a run after a space loses its leading space", "a \n b", {"text:a ", "text:b"}},
      {"leading space dropped after a space", " x", {"text:x"}, {true, true}},
      {"only white space after a space gives nothing", "  \n", {"text:"}, {true, true}},
      {"nbsp gives two ordinary spaces, not collapsed", "&nbsp;&nbsp;", {"text:  "}},
      {"nbsp next to a space", "a&nbsp; b", {"text:a  b"}},
      {"without collapsing, CR LF becomes CR", "a \r\nb", {"text:a \r", "text:b"}, {false}},
      {"a text run never passes a line feed", "one\ntwo\n", {"text:one ", "text:two "}},
      // Character references.
      {"decimal reference", "&#233;", {"text:\xC3\xA9"}},
      {"numeric line feed is kept", "a&#10;b", {"text:a\nb"}},
      {"unknown reference stays", "&bogus;", {"text:&bogus;"}},
      {"names are case-sensitive", "&Auml;&auml;&AUML;", {"text:\xC3\x84\xC3\xA4&AUML;"}},
      {"markup characters", "&lt;b&gt; &quot;&amp;", {"text:<b> \"&"}},
      {"a known name may end the run", "a&amp", {"text:a&"}},
      {"a bare & stays as written", "AT&T rocks", {"text:AT&T rocks"}},
      {"a bare & before the line's end", "a &b\nc", {"text:a &b ", "text:c"}},
      {"white space after a bare & collapses", "a &  \t b", {"text:a & b"}},
      // Tags.
      {"tag name keeps its case, attributes are lowered",
       "<IMG SRC=a.gif>",
       {"tag:IMG|src=a.gif"}},
      {"bare attribute", "<td nowrap>", {"tag:td|nowrap"}},
      {"closing tag", "</P>", {"tag:/P"}},
      {"self-closing", "<br/>", {"tag:br"}},
      {"self-closing with a space", "<br />", {"tag:br|/"}},
      {"quoted values keep case, spaces and references",
       "<font face=\"Times New Roman\" color='Red' title=\"A&amp;B\">",
       {"tag:font|face=Times New Roman|color=Red|title=A&amp;B"}},
      {"spaces around the equals sign", "<p align = center>", {"tag:p|align=center"}},
      {"repeated attributes are all kept", "<a href=1 HREF=2>", {"tag:a|href=1|href=2"}},
      {"a space after < starts a tag all the same",
       "a < b > c",
       {"text:a ", "tag: b", "text:c"}},
      {"a slash inside the name ends the tag early", "<a/b>", {"tag:a", "text:b>"}},
      {"unclosed quote runs to the end", "<a href=\"x y", {"tag:a|href=x y"}},
      {"lone < at the end", "x<", {"text:x", "tag:"}},
      {"tag name across a line", "<p\nclass=x>", {"tag:p|class=x"}},
      {"a NUL ends the attributes", QByteArray("<a \0 b>x", 8),
       {"tag:a", std::string("text:\0 b>x", 10)}},
      // Comments.
      {"comment", "<!-- x -->after", {"comment:<!-- x -->", "text:after"}},
      {"comment holding a tag", "<!--<b>-->", {"comment:<!--<b>-->"}},
      {"unclosed comment keeps its last two bytes as text",
       "<!-- abc",
       {"comment:<!-- a", "text:bc"}},
      {"the opener does not close itself", "<!-->", {"comment:<!-", "text:->"}},
      {"not a comment", "<!DOCTYPE html>", {"tag:!DOCTYPE|html"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Tokens(c.input, c.options), c.tokens) << c.name;
  }
}

// The text of a single run, as the reader gives it.
std::string TextOf(const char* input) {
  THtmlParser parser(input);
  parser.Next();
  EXPECT_TRUE(parser.Done()) << input;
  return parser.TagName.toStdString();
}

TEST(TokenizerTest, ReadsNumericReferencesAsBrowsers) {
  const struct {
    const char* input;
    const char* text;
  } cases[] = {
      // Every code point, in decimal and in hexadecimal of either case.
      {"&#65;&#x41;&#X41;&#x4a;&#x4A;", "AAAJJ"},
      {"&#65535;", "\xEF\xBF\xBF"},
      {"&#x2014;", "\xE2\x80\x94"},
      {"&#65536;", "\xF0\x90\x80\x80"},
      {"&#128512;&#x1F600;&#X1f600;", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80"},
      {"&#1114111;&#x10FFFF;", "\xF4\x8F\xBF\xBF\xF4\x8F\xBF\xBF"},
      {"&#0000065;&#x0000041;", "AA"},
      // What is no character gives the replacement character.
      {"a&#0;b", "a\xEF\xBF\xBD" "b"},
      {"&#1114112;", "\xEF\xBF\xBD"},
      {"&#x110000;", "\xEF\xBF\xBD"},
      {"&#99999999999999999999999;", "\xEF\xBF\xBD"},
      {"&#xFFFFFFFFFFFFFFFFFFFF;", "\xEF\xBF\xBD"},
      {"&#55296;", "\xEF\xBF\xBD"},
      {"&#xDFFF;", "\xEF\xBF\xBD"},
      // 0x80 to 0x9F as Windows-1252 reads those bytes, where it has a character.
      {"&#128;&#x96;&#151;", "\xE2\x82\xAC\xE2\x80\x93\xE2\x80\x94"},
      {"&#x81;", "\xC2\x81"},
      // The ";" may be left out; the number ends at the first non-digit.
      {"&#233x", "\xC3\xA9x"},
      {"&#x41g;", "Ag;"},
      {"a&#65", "aA"},
      // Without digits there is no reference.
      {"a&#;b", "a&#;b"},
      {"&#x;&#xg;&#X", "&#x;&#xg;&#X"},
      {"&#", "&#"},
      {"&# 65;", "&# 65;"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextOf(c.input), c.text) << c.input;
}

TEST(TokenizerTest, ReadsNamedReferencesAsBrowsers) {
  const struct {
    const char* input;
    const char* text;
  } cases[] = {
      // The whole set of HTML, not only Latin-1.
      {"&euro;&rsquo;&hellip;&ldquo;&rdquo;&mdash;",
       "\xE2\x82\xAC\xE2\x80\x99\xE2\x80\xA6\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x94"},
      {"&Afr;", "\xF0\x9D\x94\x84"},                    // outside the basic plane
      {"&nGt;&fjlig;", "\xE2\x89\xAB\xE2\x83\x92" "fj"},  // two characters each
      {"&CounterClockwiseContourIntegral;", "\xE2\x88\xB3"},  // the longest name
      {"&AMP;&amp;&nbsp;", "&& "},
      // Legacy names are read without ";", the longest one that fits.
      {"&copy 2024", "\xC2\xA9 2024"},
      {"&copy2024", "\xC2\xA9" "2024"},
      {"&ampx;", "&x;"},
      {"&lt&gt", "<>"},
      {"&notin;&notit;", "\xE2\x88\x89\xC2\xAC" "it;"},
      {"&nbsp&nbsp", "  "},
      // Names that need their ";" stay as written without it.
      {"&euro &hellip", "&euro &hellip"},
      // What names nothing stays as written.
      {"&EURO;", "&EURO;"},
      {"Q&A R&D; &; &&amp; & x", "Q&A R&D; &; && & x"},
      {"&CounterClockwiseContourIntegralX;", "&CounterClockwiseContourIntegralX;"},
      {"&\xC3\xA9;", "&\xC3\xA9;"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextOf(c.input), c.text) << c.input;
}

TEST(TokenizerTest, LastWasSpaceFollowsTheTextDelivered) {
  THtmlParser parser("a <b> c<i>x</i> ");
  parser.Next();  // "a "
  EXPECT_TRUE(parser.LastWasSpace);
  parser.Next();  // <b>
  parser.Next();  // " c" loses its space
  EXPECT_EQ(parser.TagName, "c");
  EXPECT_FALSE(parser.LastWasSpace);
  parser.Next();  // <i>
  parser.Next();  // x
  parser.Next();  // </i>
  parser.Next();  // " "
  EXPECT_EQ(parser.TagName, " ");
  EXPECT_TRUE(parser.LastWasSpace);
  EXPECT_TRUE(parser.Done());
}

TEST(TokenizerTest, CountsSourceLines) {
  THtmlParser parser("a\nb<!-- \n\n -->c<p\nclass=x>\nd");
  std::vector<int> lines;
  while (!parser.Done()) {
    parser.Next();
    lines.push_back(parser.CurrLine);
  }
  // "a\n" "b" comment "c" tag "\n" "d"
  EXPECT_EQ(lines, (std::vector<int>{2, 2, 4, 4, 5, 6, 6}));
}

TEST(TokenizerTest, AttributeLookupTakesTheFirstOfANameCaseSensitively) {
  THtmlParser parser("<a HREF=first href=second data-x target=\"\">");
  parser.Next();
  const TRtRawByteStringList& params = parser.TagParams;
  EXPECT_EQ(params.IndexOfName("href"), 0);
  EXPECT_EQ(params.GetValue("href"), "first");
  EXPECT_EQ(params.IndexOfName("HREF"), -1);
  EXPECT_EQ(params.IndexOfName("data-x"), -1) << "a bare name has no value";
  EXPECT_EQ(params.IndexOfName("target"), 3);
  EXPECT_EQ(params.GetValue("target"), "");
  EXPECT_EQ(params.GetValue("absent"), "");
}

TEST(TokenizerTest, EveryCallMovesOnUntilDone) {
  // Random bytes from a small alphabet full of the tokenizer's special
  // characters: every Next must advance, and the tokens must account for
  // every byte.
  std::mt19937 random(7);
  const char alphabet[] = "<>!-/=\"' \t\r\n&#;a1\0";
  for (int round = 0; round < 300; ++round) {
    QByteArray input;
    const int size = static_cast<int>(random() % 60);
    for (int i = 0; i < size; ++i) input.append(alphabet[random() % (sizeof(alphabet) - 1)]);
    THtmlParser parser(input);
    while (!parser.Done()) {
      const qsizetype before = parser.P;
      parser.Next();
      ASSERT_GT(parser.P, before) << input.toHex().toStdString();
      ASSERT_LE(parser.P, input.size());
    }
    parser.Next();
    EXPECT_EQ(parser.P, input.size());
    EXPECT_EQ(parser.TagName, "");
  }
}

// White-space collapsing read byte by byte, the plain way, as the oracle for
// the tokenizer's block copies (text without references).
std::string CollapsedReading(const std::string& run, bool& lastWasSpace) {
  std::string out;
  bool inSpaceRun = lastWasSpace && !run.empty() && std::strchr(" \t\r\n", run[0]);
  for (char c : run) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (!inSpaceRun) out += ' ';
      inSpaceRun = true;
    } else {
      out += c;
      inSpaceRun = false;
    }
  }
  if (!out.empty()) lastWasSpace = out.back() == ' ';
  return out;
}

TEST(TokenizerTest, BlockCopiesAgreeWithAPlainReading) {
  std::mt19937 random(11);
  const char* pieces[] = {"a", "bc", "def ", " ", "  ", "\t", "\r\n", "\n", "<b>", "\xC3\xA9",
                          "long words of text ", "x"};
  for (int round = 0; round < 400; ++round) {
    QByteArray input;
    const int count = static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) input += pieces[random() % std::size(pieces)];
    THtmlParser parser(input);
    bool lastWasSpace = parser.LastWasSpace;
    while (!parser.Done()) {
      const qsizetype start = parser.P;
      parser.Next();
      if (parser.CurrBlock != cbText) continue;
      const std::string run = input.mid(start, parser.P - start).toStdString();
      ASSERT_EQ(parser.TagName.toStdString(), CollapsedReading(run, lastWasSpace))
          << "input: " << input.toStdString();
      ASSERT_EQ(parser.LastWasSpace, lastWasSpace);
    }
  }
}

}  // namespace
}  // namespace moxa::rt
