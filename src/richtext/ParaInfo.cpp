#include "richtext/ParaInfo.h"

namespace moxa::rt {

namespace {

template <class T>
bool SameIfAsked(TParaInfoProperties mask, TParaInfoProperty property, const T& a, const T& b) {
  return (mask & property) == 0 || a == b;
}

}  // namespace

bool SameParaInfo(const TParaInfo& a, const TParaInfo& b, TParaInfoProperties m) {
  return SameIfAsked(m, rtpiAlignment, a.Alignment, b.Alignment) &&
         SameIfAsked(m, rtpiFirstIndent, a.FirstIndent, b.FirstIndent) &&
         SameIfAsked(m, rtpiLeftIndent, a.LeftIndent, b.LeftIndent) &&
         SameIfAsked(m, rtpiRightIndent, a.RightIndent, b.RightIndent) &&
         SameIfAsked(m, rtpiSpaceBefore, a.SpaceBefore, b.SpaceBefore) &&
         SameIfAsked(m, rtpiSpaceAfter, a.SpaceAfter, b.SpaceAfter) &&
         SameIfAsked(m, rtpiLineSpacing, a.LineSpacing, b.LineSpacing) &&
         SameIfAsked(m, rtpiLineSpacingType, a.LineSpacingType, b.LineSpacingType) &&
         SameIfAsked(m, rtpiBackground, a.Background, b.Background) &&
         SameIfAsked(m, rtpiBorder, a.Border, b.Border) &&
         SameIfAsked(m, rtpiTabs, a.Tabs, b.Tabs) &&
         SameIfAsked(m, rtpiNextParaNo, a.NextParaNo, b.NextParaNo) &&
         SameIfAsked(m, rtpiDefStyleNo, a.DefStyleNo, b.DefStyleNo) &&
         SameIfAsked(m, rtpiOptions, a.Options, b.Options) &&
         SameIfAsked(m, rtpiBiDiMode, a.BiDiMode, b.BiDiMode) &&
         SameIfAsked(m, rtpiOutlineLevel, a.OutlineLevel, b.OutlineLevel);
}

}  // namespace moxa::rt
