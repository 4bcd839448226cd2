#include "richtext/RtStyle.h"

#include <algorithm>

namespace moxa::rt {

namespace {

// Base style first, then every style in index order.
template <class Collection, class Same>
int FindBaseFirst(const Collection& styles, int baseStyle, Same same) {
  if (styles.IsValidIndex(baseStyle) && same(styles[baseStyle])) return baseStyle;
  for (int i = 0; i < styles.Count(); ++i) {
    if (i != baseStyle && same(styles[i])) return i;
  }
  return -1;
}

constexpr int kInitialListId = 240783947;

}  // namespace

int TFontInfos::FindSuchStyle(int baseStyle, const TFontInfo& candidate,
                              TFontInfoProperties mask) const {
  return FindBaseFirst(*this, baseStyle,
                       [&](const TFontInfo& s) { return SameFontInfo(s, candidate, mask); });
}

int TParaInfos::FindSuchStyle(int baseStyle, const TParaInfo& candidate,
                              TParaInfoProperties mask) const {
  return FindBaseFirst(*this, baseStyle,
                       [&](const TParaInfo& s) { return SameParaInfo(s, candidate, mask); });
}

int TRtListInfos::NewListId() const {
  int highest = kInitialListId;
  for (const TRtListInfo& list : Items) highest = std::max(highest, list.LstID);
  return highest + 1;
}

TRtListInfo& TRtListInfos::Add() {
  TRtListInfo list;
  list.LstID = NewListId();
  return Items.emplace_back(std::move(list));
}

int TRtListInfos::FindSuchStyle(const TRtListInfo& candidate, bool addIfNotFound) {
  for (int i = 0; i < Count(); ++i) {
    if (SameListStyle(Items[static_cast<size_t>(i)], candidate)) return i;
  }
  if (!addIfNotFound) return -1;
  TRtListInfo copy = candidate;
  copy.Standard = false;
  const bool idTaken = std::any_of(Items.begin(), Items.end(), [&](const TRtListInfo& list) {
    return list.LstID == copy.LstID;
  });
  if (idTaken) copy.LstID = NewListId();
  Items.push_back(std::move(copy));
  return Count() - 1;
}

TRtStyle::TRtStyle() {
  TFontInfo& normal = TextStyles.Add();
  normal.StyleName = QStringLiteral("Normal text");
  normal.FontName = QStringLiteral("Times New Roman");
  normal.Size = 12;
  normal.Unicode = true;

  ParaStyles.Add().StyleName = QStringLiteral("Left");

  TRtListInfo& list = ListStyles.Add();
  list.StyleName = QStringLiteral("List Style");
  list.LstID = kInitialListId;
  for (const char* format : {"%s.", "%1:s", "%2:s"}) {
    TRtListLevel& level = list.Levels.emplace_back();
    level.ListType = rtlstDecimal;
    level.FormatString = QString::fromLatin1(format);
  }
}

int FindOrAddTextStyle(TRtStyle& style, int baseStyle, const TFontInfo& candidate) {
  const int found = style.TextStyles.FindSuchStyle(baseStyle, candidate);
  if (found >= 0) return found;
  TFontInfo& added = style.TextStyles.Add();
  added.Assign(candidate);
  added.Standard = false;
  return style.TextStyles.Count() - 1;
}

int FindOrAddParaStyle(TRtStyle& style, int baseStyle, const TParaInfo& candidate) {
  const int found = style.ParaStyles.FindSuchStyle(baseStyle, candidate);
  if (found >= 0) return found;
  TParaInfo& added = style.ParaStyles.Add();
  added.Assign(candidate);
  added.Standard = false;
  return style.ParaStyles.Count() - 1;
}

}  // namespace moxa::rt
