// The HTML reader's lists and quotations: list styles, levels and markers.
#include "richtext/HtmlImportRun.h"

#include <algorithm>

namespace moxa::rt {

namespace {

// Levels a list style gets from nesting; deeper lists and quotations use
// the deepest level, so that a flood of nested lists cannot grow the style
// sheet without end.
constexpr size_t kMaxListLevels = 32;
constexpr int kListIndentStep = 24;  // pixels per level
// Item numbers: far from the int limits, so that counting on cannot
// overflow.
constexpr int kMaxItemNumber = 1'000'000'000;

TRtListType EngineListType(TListType type) {
  switch (type) {
    case ltNumber:
      return rtlstDecimal;
    case ltLowerAlpha:
      return rtlstLowerAlpha;
    case ltUpperAlpha:
      return rtlstUpperAlpha;
    case ltLowerRoman:
      return rtlstLowerRoman;
    case ltUpperRoman:
      return rtlstUpperRoman;
    default:
      return rtlstBullet;
  }
}

bool SameKind(const TRtListLevel& a, const TRtListLevel& b) {
  if (a.ListType != b.ListType) return false;
  // Bullets differ by their character and font, numbers by their type.
  return a.ListType != rtlstBullet ||
         (a.FormatString == b.FormatString && a.Font.FontName == b.Font.FontName);
}

int NumberAttr(const TRtRawByteStringList& params, const char* name, int fallback) {
  return NumberIn(Attr(params, name), kMaxItemNumber).value_or(fallback);
}

}  // namespace

// Unordered lists without a type take disc, circle, square by nesting.
void TRtHtmlRun::OpenList(TIndentType type) {
  FlushText();
  const TRtRawByteStringList& params = parser_.TagParams;
  const int open = ListCount();
  const TListType fallback = type == llOL ? ltNumber
                             : open == 0  ? ltDisc
                             : open == 1  ? ltCircle
                                          : ltSquare;
  EnterIndent(type, ParseListType(Attr(params, "type"), fallback), NumberAttr(params, "start", 1));
  lastParaNo_ = -1;
}

void TRtHtmlRun::OpenQuotation() {
  FlushText();
  EnterIndent(llBQ, ltNone, 1);
  lastParaNo_ = -1;
}

void TRtHtmlRun::EndIndent(TIndentType type) {
  FlushText();
  LeaveIndent(type);
  lastParaNo_ = -1;
}

void TRtHtmlRun::HandleListItem() {
  FlushText();
  TContainerDataType& c = Top();
  const TRtRawByteStringList& params = parser_.TagParams;
  const int value = NumberAttr(params, "value", 0);
  TListType fallback = ltDisc;
  int number = value;
  if (!c.IndentStack.empty()) {
    TContainerIndentType& list = c.IndentStack.back();
    fallback = list.ListType;
    if (value >= 1) list.ListValue = value;
    number = list.ListValue;
    list.ListValue = std::min(list.ListValue, kMaxItemNumber) + 1;
  }
  c.CurLIType = ParseListType(Attr(params, "type"), fallback);
  c.CurLIValue = number;
  c.CurHadLI = true;
  lastParaNo_ = -1;
}

void TRtHtmlRun::EnterIndent(TIndentType type, TListType listType, int start) {
  TContainerDataType& c = Top();
  c.IndentStack.push_back({type, listType, start});
  ++c.IndentCounts[type];
  if (!owner_.EnforceListLevels) return;
  std::vector<TRtListLevel>& levels = ContainerListLevels();
  if (levels.size() >= kMaxListLevels) return;
  const int k = static_cast<int>(levels.size());
  levels.push_back(ConfigureListLevel(listType, k, k + 1));
}

TRtListLevel TRtHtmlRun::ConfigureListLevel(TListType type, int k, int n) const {
  TRtListLevel level;
  level.ListType = EngineListType(type);
  level.FirstIndent = 0;
  level.MarkerIndent = kListIndentStep * n;
  level.LeftIndent = kListIndentStep * n + kListIndentStep;
  level.FormatString = QStringLiteral("%%1:s.").arg(k);
  level.Font.FontName = owner_.DefaultFontName;
  level.Font.Size = owner_.DefaultFontSize;
  switch (type) {
    case ltNone:
      level.FormatString.clear();
      break;
    case ltDisc:
      level.Font.FontName = QStringLiteral("Symbol");
      level.Font.Charset = rtcsSymbol;
      level.FormatString = QString(QChar(0xB7));
      break;
    case ltCircle:
      level.Font.FontName = QStringLiteral("Courier New");
      level.FormatString = QStringLiteral("o");
      break;
    case ltSquare:
      level.Font.FontName = QStringLiteral("Wingdings");
      level.Font.Charset = rtcsSymbol;
      level.FormatString = QString(QChar(0xA7));
      break;
    default:
      break;
  }
  return level;
}

int TRtHtmlRun::ContainerListStyle() {
  TContainerDataType& c = Top();
  if (c.IndentListStyle >= 0) return c.IndentListStyle;
  if (!owner_.EnforceListLevels && style_.ListStyles.Count() > 0) {
    c.IndentListStyle = 0;
    return 0;
  }
  // Appended here rather than through Add, which looks through every list
  // style for a free identity: an import can open many lists.
  TRtListInfo list;
  list.LstID = nextListId_++;
  list.Standard = false;
  style_.ListStyles.Items.push_back(std::move(list));
  c.IndentListStyle = style_.ListStyles.Count() - 1;
  return c.IndentListStyle;
}

std::vector<TRtListLevel>& TRtHtmlRun::ContainerListLevels() {
  return style_.ListStyles[ContainerListStyle()].Levels;
}

int TRtHtmlRun::ListLevelFor(TListType type) {
  const int depth = static_cast<int>(Top().IndentStack.size());
  if (depth == 0) return -1;
  std::vector<TRtListLevel>& levels = ContainerListLevels();
  if (owner_.EnforceListLevels) {
    return std::min(depth, static_cast<int>(levels.size())) - 1;
  }
  const TRtListLevel wanted = ConfigureListLevel(type, static_cast<int>(levels.size()), depth);
  for (size_t i = 0; i < levels.size(); ++i) {
    if (SameKind(levels[i], wanted) && levels[i].MarkerIndent == wanted.MarkerIndent) {
      return static_cast<int>(i);
    }
  }
  if (levels.size() >= kMaxListLevels) return static_cast<int>(levels.size()) - 1;
  levels.push_back(wanted);
  return static_cast<int>(levels.size()) - 1;
}

bool TRtHtmlRun::AddListMarker() {
  const int level = ListLevelFor(Top().CurLIType);
  if (level < 0) return false;
  const TContainerDataType& c = Top();
  TextTarget().AddListMarker(c.IndentListStyle, level, c.CurLIValue, c.ParaStyle, true);
  return true;
}

void TRtHtmlRun::LeaveIndent(TIndentType type) {
  TContainerDataType& c = Top();
  c.CurLIType = ltNone;
  if (c.IndentCounts[type] == 0) return;
  for (;;) {
    const TIndentType closed = c.IndentStack.back().IndentType;
    c.IndentStack.pop_back();
    --c.IndentCounts[closed];
    if (closed == type) break;
  }
  if (c.IndentStack.empty()) c.IndentListStyle = -1;
}

int TRtHtmlRun::ListCount() const { return Top().IndentCounts[llUL] + Top().IndentCounts[llOL]; }

}  // namespace moxa::rt
