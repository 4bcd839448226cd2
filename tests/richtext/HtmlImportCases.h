#pragma once

// The importer's cases: HTML in, the item lines (RtDump.h) that must come
// out and style sheet lines that must be among them. HtmlImportTest checks
// them; the editor's round trip reuses their inputs.

#include <ostream>
#include <vector>

namespace moxa::rt::test {

struct ImportCase {
  const char* name;
  const char* html;
  std::vector<const char*> items;        // every item line, in order
  std::vector<const char*> styles = {};  // style sheet lines that must be there
};

inline void PrintTo(const ImportCase& c, std::ostream* out) { *out << c.name; }

inline const ImportCase kTextCases[] = {
    {"CentredThenLeft",
     "<p align=center>a</p><p>b</p>",
     {"main P p1 text s0 tag=0 \"a\"", "main P p0 text s0 tag=0 \"b\""},
     {"para 0: left indent=0", "para 1: center indent=0"}},
    {"TwoBreaksGiveAnEmptyParagraph",
     "a<br><br>b",
     {"main P p0 text s0 tag=0 \"a\"", "main P p0 text s0 tag=0 \"\"",
      "main P p0 text s0 tag=0 \"b\""}},
    {"SpaceBetweenInlineElementsKept",
     "<b>x</b> <i>y</i>",
     {"main P p0 text s1 tag=0 \"x\"", "main - p0 text s2 tag=0 \" y\""},
     {"text 1: \"Times New Roman\" 12pt sys08 b shift=0 jump=0",
      "text 2: \"Times New Roman\" 12pt sys08 i shift=0 jump=0"}},
    {"WhiteSpaceCollapsedAndLeadingSpaceDropped",
     "  a  \t\r\n b ",
     {"main P p0 text s0 tag=0 \"a b \""}},
    {"UnknownTagsJoinTheirText", "a<foo>b</foo><!-- c -->d", {"main P p0 text s0 tag=0 \"abd\""}},
    {"CharacterReferences",
     "caf&eacute; &lt;x&gt;&nbsp;&#8212;&bogus;",
     {"main P p0 text s0 tag=0 \"caf\\u00e9 <x> \\u2014&bogus;\""}},
    {"NestedAlignments",
     "<div align=center>c<div align=right>r</div>c2</div>l",
     {"main P p1 text s0 tag=0 \"c\"", "main P p2 text s0 tag=0 \"r\"",
      "main P p1 text s0 tag=0 \"c2\"", "main P p0 text s0 tag=0 \"l\""},
     {"para 1: center indent=0", "para 2: right indent=0"}},
    {"CenterTag",
     "<center>x</center>y",
     {"main P p1 text s0 tag=0 \"x\"", "main P p0 text s0 tag=0 \"y\""}},
    {"HeadingKeepsTheEnclosingAlignment",
     "<div align=center><h1>T</h1>after</div><h2 align=right>R</h2>",
     {"main P p1 text s0 tag=0 \"\"", "main P p1 text s1 tag=0 \"T\"",
      "main P p1 text s0 tag=0 \"after\"", "main P p0 text s0 tag=0 \"\"",
      "main P p2 text s2 tag=0 \"R\""},
     {"text 1: \"Times New Roman\" 36pt sys08 b shift=0 jump=0",
      "text 2: \"Times New Roman\" 24pt sys08 b shift=0 jump=0"}},
    {"FontFaceSizeColour",
     "<font face=\"Arial, Helvetica\" size=+1 color=red>f<font size=1>g</font></font>h",
     {"main P p0 text s1 tag=0 \"f\"", "main - p0 text s2 tag=0 \"g\"",
      "main - p0 text s0 tag=0 \"h\""},
     {"text 1: \"Arial\" 14pt #ff0000 - shift=0 jump=0",
      "text 2: \"Arial\" 8pt #ff0000 - shift=0 jump=0"}},
    {"SuperscriptAndSubscript",
     "x<sup>2</sup>y<sub>3</sub>",
     {"main P p0 text s0 tag=0 \"x\"", "main - p0 text s1 tag=0 \"2\"",
      "main - p0 text s0 tag=0 \"y\"", "main - p0 text s2 tag=0 \"3\""},
     {"text 1: \"Times New Roman\" 6pt sys08 - shift=45 jump=0",
      "text 2: \"Times New Roman\" 6pt sys08 - shift=-25 jump=0"}},
    {"PlainSpanRestoresItsOwnStyle",
     "<b>a<span>b</span>c</b>d",
     {"main P p0 text s1 tag=0 \"a\"", "main - p0 text s1 tag=0 \"b\"",
      "main - p0 text s1 tag=0 \"c\"", "main - p0 text s0 tag=0 \"d\""}},
    {"PreformattedLines",
     "<pre>a\n  b</pre>",
     {"main P p0 text s1 tag=0 \"a\"", "main P p0 text s1 tag=0 \"  b\""},
     {"text 1: \"Courier New\" 10pt sys08 - shift=0 jump=0"}},
    {"ScriptStyleAndTitleHidden",
     "<title>T</title><script>a<b>b</b></script><noembed>n</noembed><style>p{}</style>c",
     {"main P p0 text s0 tag=0 \"c\""}},
    {"HorizontalLine",
     "a<hr>b",
     {"main P p0 text s0 tag=0 \"a\"", "main P p0 line tag=0", "main P p0 text s0 tag=0 \"b\""}},
    {"UnmatchedClosingTagsCloseNothing",
     "</p></div></b></font></ul></table></td>a",
     {"main P p0 text s0 tag=0 \"a\""}},
};

inline const ImportCase kListCases[] = {
    {"NumberedFromStart",
     "<ol start=3><li>a<li>b</ol>",
     {"main P p0 marker l0.0 start=3 tag=0", "main - p0 text s0 tag=0 \"a\"",
      "main P p0 marker l0.0 start=4 tag=0", "main - p0 text s0 tag=0 \"b\""},
     {"list 0: [0 decimal \"%0:s.\" \"Times New Roman\" 12pt 0/24/48]"}},
    {"NestedBulletsDiscThenCircle",
     "<ul><li>a<ul><li>b</ul></ul>",
     {"main P p0 marker l0.0 start=1 tag=0", "main - p0 text s0 tag=0 \"a\"",
      "main P p0 marker l0.1 start=1 tag=0", "main - p0 text s0 tag=0 \"b\""},
     {"list 0: [0 bullet \"\\u00b7\" \"Symbol\" 12pt 0/24/48] "
      "[1 bullet \"o\" \"Courier New\" 12pt 0/48/72]"}},
    {"SquareFromTheThirdLevel",
     "<ol><li>1<ul><li>2<ul><li>3</ul></ul></ol>",
     {"main P p0 marker l0.0 start=1 tag=0", "main - p0 text s0 tag=0 \"1\"",
      "main P p0 marker l0.1 start=1 tag=0", "main - p0 text s0 tag=0 \"2\"",
      "main P p0 marker l0.2 start=1 tag=0", "main - p0 text s0 tag=0 \"3\""},
     {"list 0: [0 decimal \"%0:s.\" \"Times New Roman\" 12pt 0/24/48] "
      "[1 bullet \"o\" \"Courier New\" 12pt 0/48/72] "
      "[2 bullet \"\\u00a7\" \"Wingdings\" 12pt 0/72/96]"}},
    {"ValueRenumbers",
     "<ol type=i><li value=5>a<li>b</ol>",
     {"main P p0 marker l0.0 start=5 tag=0", "main - p0 text s0 tag=0 \"a\"",
      "main P p0 marker l0.0 start=6 tag=0", "main - p0 text s0 tag=0 \"b\""},
     {"list 0: [0 lowerroman \"%0:s.\" \"Times New Roman\" 12pt 0/24/48]"}},
    {"EachListItsOwnStyle",
     "<ul><li>a</ul><ul><li>b</ul>",
     {"main P p0 marker l0.0 start=1 tag=0", "main - p0 text s0 tag=0 \"a\"",
      "main P p0 marker l1.0 start=1 tag=0", "main - p0 text s0 tag=0 \"b\""}},
    {"FormattedItemGetsOneMarker",
     "<ul><li><b>a</b> b</li></ul>c",
     {"main P p0 marker l0.0 start=1 tag=0", "main - p0 text s1 tag=0 \"a\"",
      "main - p0 text s0 tag=0 \" b\"", "main P p0 text s0 tag=0 \"c\""}},
    {"QuotationIndentsWithoutMarkerText",
     "<blockquote>q</blockquote>",
     {"main P p0 marker l0.0 start=0 tag=0", "main - p0 text s0 tag=0 \"q\""},
     {"list 0: [0 bullet \"\" \"Times New Roman\" 12pt 0/24/48]"}},
    {"ItemOutsideAListStartsAParagraph",
     "a<li>b",
     {"main P p0 text s0 tag=0 \"a\"", "main P p0 text s0 tag=0 \"b\""}},
    {"ClosingTheOuterListClosesTheInner",
     "<ol><li>a<ul><li>b</ol>c",
     {"main P p0 marker l0.0 start=1 tag=0", "main - p0 text s0 tag=0 \"a\"",
      "main P p0 marker l0.1 start=1 tag=0", "main - p0 text s0 tag=0 \"b\"",
      "main P p0 text s0 tag=0 \"c\""}},
};

inline const ImportCase kLinkCases[] = {
    {"LinkTextInTheLinkStyle",
     "<a href=about-us.html>x</a>y",
     {"main P p0 text s1 tag=1 \"x\"", "main - p0 text s0 tag=0 \"y\""},
     {"text 1: \"Times New Roman\" 12pt #0000ff u shift=0 jump=1"}},
    {"OneNumberPerLink",
     "<a href=a.html>1<b>2</b></a> <a href=b.html>3</a>",
     // The space between the links belongs to neither.
     {"main P p0 text s1 tag=1 \"1\"", "main - p0 text s2 tag=1 \"2\"",
      "main - p0 text s0 tag=0 \" \"", "main - p0 text s1 tag=2 \"3\""},
     {"text 2: \"Times New Roman\" 12pt #0000ff bu shift=0 jump=1"}},
    {"StyleBeforeTheLinkComesBack",
     "<b><a href=x.html>l</a>after</b>",
     {"main P p0 text s2 tag=1 \"l\"", "main - p0 text s1 tag=0 \"after\""}},
    {"LinkInsideALinkIgnored",
     "<a href=a.html>1<a href=b.html>2</a>3</a>",
     {"main P p0 text s1 tag=1 \"1\"", "main - p0 text s1 tag=1 \"2\"",
      "main - p0 text s0 tag=0 \"3\""}},
    {"NamedAnchorIsACheckpoint",
     "<a name=\"to\np\"></a>x",
     {"main P p0 checkpoint tag=0 \"top\"", "main - p0 text s0 tag=0 \"x\""}},
};

inline const ImportCase kTableCases[] = {
    {"ColspanMergesTheSecondRow",
     "<table><tr><td>1<td>2<tr><td colspan=2>3</table>",
     {"main P p0 table 2x2 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,0] P p0 text s0 tag=0 \"1\"",
      "main.0[0,1] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,1] P p0 text s0 tag=0 \"2\"",
      "main.0[1,0] cell span=2x1 color=none valign=middle width=0",
      "main.0[1,0] P p0 text s0 tag=0 \"3\""}},
    {"TextBetweenCellsGoesAheadOfTheTable",
     "<table> x <tr> <td>1</td> y </tr>\n</table>",
     {"main P p0 text s0 tag=0 \"x \"", "main - p0 text s0 tag=0 \"y \"",
      "main P p0 table 1x1 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.2[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.2[0,0] P p0 text s0 tag=0 \"1\""}},
    {"CellWithoutRowFillsRowZero",
     "<table><td>a<td>b</table>",
     {"main P p0 table 1x2 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,0] P p0 text s0 tag=0 \"a\"",
      "main.0[0,1] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,1] P p0 text s0 tag=0 \"b\""}},
    {"BorderAttributes",
     "<table border=1 cellpadding=4 cellspacing=0 width=\"50%\" bgcolor=#ff0000>"
     "<tr valign=top><td>a<td bgcolor=blue width=20>b</table>",
     {"main P p0 table 1x2 border=1/1 spacing=0 padding=4 width=-50 color=#ff0000 tag=0",
      "main.0[0,0] cell span=1x1 color=#ff0000 valign=top width=0",
      "main.0[0,0] P p0 text s0 tag=0 \"a\"",
      "main.0[0,1] cell span=1x1 color=#0000ff valign=top width=20",
      "main.0[0,1] P p0 text s0 tag=0 \"b\""}},
    {"RowspanCoversTheSlotBelow",
     "<table><tr><td rowspan=2>a<td>b<tr><td>c</table>",
     {"main P p0 table 2x2 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0] cell span=1x2 color=none valign=middle width=0",
      "main.0[0,0] P p0 text s0 tag=0 \"a\"",
      "main.0[0,1] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,1] P p0 text s0 tag=0 \"b\"",
      "main.0[1,1] cell span=1x1 color=none valign=middle width=0",
      "main.0[1,1] P p0 text s0 tag=0 \"c\""}},
    {"HeaderCellIsBoldAndTheStyleComesBack",
     "<b>x<table><tr><th align=center>h</th><td>d</table>y</b>",
     {"main P p0 text s1 tag=0 \"x\"",
      "main P p0 table 1x2 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.1[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.1[0,0] P p1 text s1 tag=0 \"h\"",
      "main.1[0,1] cell span=1x1 color=none valign=middle width=0",
      "main.1[0,1] P p0 text s0 tag=0 \"d\"", "main P p0 text s1 tag=0 \"y\""}},
    {"NestedTable",
     "<table><tr><td>a<table><tr><td>b</table>c</table>",
     {"main P p0 table 1x1 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,0] P p0 text s0 tag=0 \"a\"",
      "main.0[0,0] P p0 table 1x1 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0].1[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,0].1[0,0] P p0 text s0 tag=0 \"b\"", "main.0[0,0] P p0 text s0 tag=0 \"c\""}},
    {"TableBetweenCellsIsNotMade",
     "<table><tr><td>a</td><table><tr><td>b</td></tr></table><td>c</table>",
     {"main P p0 text s0 tag=0 \"b\"",
      "main P p0 table 1x2 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.1[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.1[0,0] P p0 text s0 tag=0 \"a\"",
      "main.1[0,1] cell span=1x1 color=none valign=middle width=0",
      "main.1[0,1] P p0 text s0 tag=0 \"c\""}},
    {"UnclosedTablesKeptAtTheEnd",
     "<table><tr><td>a<table><tr><td>b",
     {"main P p0 table 1x1 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,0] P p0 text s0 tag=0 \"a\"",
      "main.0[0,0] P p0 table 1x1 border=0/0 spacing=2 padding=1 width=0 color=none tag=0",
      "main.0[0,0].1[0,0] cell span=1x1 color=none valign=middle width=0",
      "main.0[0,0].1[0,0] P p0 text s0 tag=0 \"b\""}},
    {"CellOutsideATableIgnored",
     "a<td>b</td>c",
     {"main P p0 text s0 tag=0 \"a\"", "main - p0 text s0 tag=0 \"b\"",
      "main - p0 text s0 tag=0 \"c\""}},
};

inline const ImportCase kStyleSheetCases[] = {
    {"TwoSpanRulesByOrderNotByName",
     "<style>span.rtts7 { color: #ff0000 }\nspan.rtts3 { font-size: 20pt; font-weight: bold }"
     "</style><span class=rtts1>one</span><span class=RTTS2>two</span>"
     "<span class=rtts0>zero</span>",
     {"main P p0 text s1 tag=0 \"one\"", "main - p0 text s2 tag=0 \"two\"",
      "main - p0 text s0 tag=0 \"zero\""},
     {"text 1: \"Times New Roman\" 12pt #ff0000 - shift=0 jump=0",
      "text 2: \"Times New Roman\" 20pt sys08 b shift=0 jump=0"}},
    {"RuleOverSeveralLinesHasNoDeclarations",
     "<style>\nspan.rtts1 {\ncolor: red }\n</style><span class=rtts1>x</span>",
     {"main P p0 text s1 tag=0 \"x\""},
     {"text 1: \"Times New Roman\" 12pt sys08 - shift=0 jump=0"}},
    {"BodyRuleSetsTheBaseStyle",
     "<style><!-- body { font-family: 'Arial', sans-serif; font-size: 14pt; color: #112233 } "
     "--></style>x<b>y</b>",
     {"main P p0 text s0 tag=0 \"x\"", "main - p0 text s1 tag=0 \"y\""},
     {"text 0: \"arial\" 14pt #112233 - shift=0 jump=0",
      "text 1: \"arial\" 14pt #112233 b shift=0 jump=0"}},
    {"ParagraphRules",
     "<style>p,ul,ol { margin: 0px 0px 0px 10px }\n.rtps1 { text-align: right }</style>"
     "<p class=rtps1>r</p><p>l</p><p class=rtps9>n</p>",
     {"main P p1 text s0 tag=0 \"r\"", "main P p0 text s0 tag=0 \"l\"",
      "main P p0 text s0 tag=0 \"n\""},
     {"para 0: left indent=10", "para 1: right indent=10"}},
    {"LinkRuleNeedsASpanRuleBesideIt",
     "<style>a.rtts1 { color: red }\nspan.rtts2, a.rtts2 { color: blue }</style>"
     "<span class=rtts1>a</span><span class=rtts2>b</span>",
     {"main P p0 text s1 tag=0 \"a\"", "main - p0 text s2 tag=0 \"b\""},
     {"text 1: \"Times New Roman\" 12pt #0000ff - shift=0 jump=0",
      "text 2: \"Times New Roman\" 12pt #0000ff - shift=0 jump=1"}},
};

// Every table above, for tests that want all inputs.
inline const std::vector<const ImportCase*>& AllImportCases() {
  static const std::vector<const ImportCase*> all = [] {
    std::vector<const ImportCase*> cases;
    for (const ImportCase& c : kTextCases) cases.push_back(&c);
    for (const ImportCase& c : kListCases) cases.push_back(&c);
    for (const ImportCase& c : kLinkCases) cases.push_back(&c);
    for (const ImportCase& c : kTableCases) cases.push_back(&c);
    for (const ImportCase& c : kStyleSheetCases) cases.push_back(&c);
    return cases;
  }();
  return all;
}

}  // namespace moxa::rt::test
