#include "editor/FormatConversions.h"

#include "editor/LinkCommands.h"
#include "richtext/ListInfo.h"

#include <algorithm>

namespace moxa::editor {

namespace {

rt::TRtListInfo OneLevelList(rt::TRtListType type, const QString& font, const QString& format) {
  rt::TRtListInfo list;
  rt::TRtListLevel level;
  level.ListType = type;
  level.Font.FontName = font;
  level.Font.Size = 12;
  level.FirstIndent = 0;
  level.LeftIndent = 24;
  if (!format.isNull()) level.FormatString = format;
  list.Levels.push_back(level);
  return list;
}

}  // namespace

int ConvertTextStyle(rt::TRtStyle& style, int styleNo, int code, const FormatState& state,
                     const FormatInputs& inputs) {
  if (code == kConvertToLink) return LinkStyleOf(style, styleNo);
  if (code == kConvertToPlain) return PlainStyleOf(style, styleNo);
  rt::TFontInfo candidate = style.TextStyles[styleNo];
  switch (code) {
    case kConvertBold: candidate.Set(rt::fsBold, state.BoldOn); break;
    case kConvertItalic: candidate.Set(rt::fsItalic, state.ItalicOn); break;
    case kConvertUnderline: candidate.Set(rt::fsUnderline, state.UnderlineOn); break;
    case kConvertStrike: candidate.Set(rt::fsStrikeOut, state.StrikeOn); break;
    case kConvertFont: candidate.FontName = inputs.FontName; break;
    case kConvertSize:
      if (!SizeTextApplies(inputs.SizeText)) return styleNo;
      candidate.Size = inputs.SizeText.toInt();
      break;
    case kConvertColor: candidate.Color = inputs.Color; break;
    case kConvertBackColor: candidate.BackColor = inputs.Color; break;
    case kConvertSubSuper:
      candidate.SubSuperScriptType = state.SubscriptOn     ? rt::rtsssSubscript
                                     : state.SuperscriptOn ? rt::rtsssSuperScript
                                                           : rt::rtsssNormal;
      break;
    default: return styleNo;
  }
  return rt::FindOrAddTextStyle(style, styleNo, candidate);
}

int ConvertParaStyle(rt::TRtStyle& style, int styleNo, int code, const FormatState& state) {
  rt::TParaInfo candidate = style.ParaStyles[styleNo];
  switch (code) {
    case kConvertAlignment: candidate.Alignment = state.CurrentAlignment; break;
    case kIndentMore: candidate.LeftIndent = std::min(candidate.LeftIndent + kIndentStep, kMostIndent); break;
    case kIndentLess: candidate.LeftIndent = std::max(candidate.LeftIndent - kIndentStep, 0); break;
    default: return styleNo;
  }
  return rt::FindOrAddParaStyle(style, styleNo, candidate);
}

bool SizeTextApplies(const QString& text) {
  if (text.trimmed().isEmpty()) return false;
  if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) return false;
  // A size of no points, or one no font has, is no size.
  const int points = text.size() <= 4 ? text.toInt() : 0;
  return points >= 1 && points <= 1638;
}

int BulletListStyle(rt::TRtStyle& style) {
  return style.ListStyles.FindSuchStyle(OneLevelList(rt::rtlstBullet, QStringLiteral("Symbol"), QString()),
                                        true);
}

int NumberListStyle(RtEditor& editor) {
  const rt::TRtListInfo candidate =
      OneLevelList(rt::rtlstDecimal, QStringLiteral("Arial"), QStringLiteral("%0:s."));
  RtDataView view = editor.TopLevelEditor();
  RtSelectionBounds bounds = view.GetSelectionBounds(true);
  if (!view.SelectionExists()) bounds.StartItem = bounds.EndItem = view.CurItemNo();
  if (bounds.StartItem >= 0 && view.LineCount() > 0) {
    auto [first, last] = view.ExpandToPara(bounds.StartItem, bounds.EndItem);
    if (first > 0) --first;
    if (last < view.LineCount() - 1) ++last;
    std::tie(first, last) = view.ExpandToPara(first, last);
    for (int item = first; item <= last; ++item) {
      if (!view.IsParaStart(item)) continue;
      const std::optional<rt::TRtListMarker> marker = view.GetListMarkerInfo(item);
      if (!marker) continue;
      if (rt::SameListStyle(editor.Style().ListStyles[marker->ListNo], candidate)) return marker->ListNo;
    }
  }
  rt::TRtListInfo added = candidate;
  added.Standard = false;
  added.LstID = editor.Style().ListStyles.NewListId();
  editor.Style().ListStyles.Items.push_back(added);
  return int(editor.Style().ListStyles.Items.size()) - 1;
}

}  // namespace moxa::editor
