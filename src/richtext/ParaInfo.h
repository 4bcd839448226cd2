#pragma once

#include "richtext/RtColor.h"
#include "richtext/RtEnums.h"
#include "richtext/RtFields.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace moxa::rt {

struct TRtParaBackground {
  TRtColor Color = rtclNone;
  bool operator==(const TRtParaBackground&) const = default;
};

struct TRtBorderSides {
  bool Left = true;
  bool Top = true;
  bool Right = true;
  bool Bottom = true;
  bool operator==(const TRtBorderSides&) const = default;
};

struct TRtParaBorder {
  TRtBorderStyle Style = rtbsNone;
  TRtColor Color = rtclWindowText;
  int Width = 1;  // pixels
  int InternalWidth = 1;  // gap between the lines of a double border
  TRtBorderSides VisibleBorders;
  bool operator==(const TRtParaBorder&) const = default;
};

struct TRtTab {
  int Position = 0;  // pixels
  TRtTabAlign Align = rttaLeft;
  QString Leader;
  bool operator==(const TRtTab&) const = default;
};

template <class Visitor>
void ForEachField(FieldsOf<TRtParaBackground>, Visitor&& visit) {
  visit("Color", &TRtParaBackground::Color);
}

template <class Visitor>
void ForEachField(FieldsOf<TRtBorderSides>, Visitor&& visit) {
  visit("Left", &TRtBorderSides::Left);
  visit("Top", &TRtBorderSides::Top);
  visit("Right", &TRtBorderSides::Right);
  visit("Bottom", &TRtBorderSides::Bottom);
}

template <class Visitor>
void ForEachField(FieldsOf<TRtParaBorder>, Visitor&& visit) {
  visit("Style", &TRtParaBorder::Style);
  visit("Color", &TRtParaBorder::Color);
  visit("Width", &TRtParaBorder::Width);
  visit("InternalWidth", &TRtParaBorder::InternalWidth);
  visit("VisibleBorders", &TRtParaBorder::VisibleBorders);
}

template <class Visitor>
void ForEachField(FieldsOf<TRtTab>, Visitor&& visit) {
  visit("Position", &TRtTab::Position);
  visit("Align", &TRtTab::Align);
  visit("Leader", &TRtTab::Leader);
}

// One paragraph style.
struct TParaInfo {
  QString StyleName = QStringLiteral("Paragraph Style");
  TRtAlignment Alignment = rtaLeft;
  int FirstIndent = 0;  // pixels, also below
  int LeftIndent = 0;
  int RightIndent = 0;
  int SpaceBefore = 0;
  int SpaceAfter = 0;
  int LineSpacing = 100;
  TRtLineSpacingType LineSpacingType = rtlsPercent;
  TRtParaBackground Background;
  TRtParaBorder Border;
  std::vector<TRtTab> Tabs;
  int NextParaNo = -1;
  int DefStyleNo = -1;  // a text style
  int Options = 0;
  TRtBiDiMode BiDiMode = rtbdUnspecified;
  int OutlineLevel = 0;
  bool Standard = true;

  void Assign(const TParaInfo& source) { *this = source; }
  bool operator==(const TParaInfo&) const = default;
};

// The properties FindSuchStyle can compare (StyleName and Standard are not).
enum TParaInfoProperty : std::uint32_t {
  rtpiAlignment = 1u << 0,
  rtpiFirstIndent = 1u << 1,
  rtpiLeftIndent = 1u << 2,
  rtpiRightIndent = 1u << 3,
  rtpiSpaceBefore = 1u << 4,
  rtpiSpaceAfter = 1u << 5,
  rtpiLineSpacing = 1u << 6,
  rtpiLineSpacingType = 1u << 7,
  rtpiBackground = 1u << 8,
  rtpiBorder = 1u << 9,
  rtpiTabs = 1u << 10,
  rtpiNextParaNo = 1u << 11,
  rtpiDefStyleNo = 1u << 12,
  rtpiOptions = 1u << 13,
  rtpiBiDiMode = 1u << 14,
  rtpiOutlineLevel = 1u << 15,
};
using TParaInfoProperties = std::uint32_t;
inline constexpr TParaInfoProperties kAllParaInfoProperties = (1u << 16) - 1;

bool SameParaInfo(const TParaInfo& a, const TParaInfo& b,
                  TParaInfoProperties mask = kAllParaInfoProperties);

template <class Visitor>
void ForEachField(FieldsOf<TParaInfo>, Visitor&& visit) {
  visit("StyleName", &TParaInfo::StyleName);
  visit("Alignment", &TParaInfo::Alignment);
  visit("FirstIndent", &TParaInfo::FirstIndent);
  visit("LeftIndent", &TParaInfo::LeftIndent);
  visit("RightIndent", &TParaInfo::RightIndent);
  visit("SpaceBefore", &TParaInfo::SpaceBefore);
  visit("SpaceAfter", &TParaInfo::SpaceAfter);
  visit("LineSpacing", &TParaInfo::LineSpacing);
  visit("LineSpacingType", &TParaInfo::LineSpacingType);
  visit("Background", &TParaInfo::Background);
  visit("Border", &TParaInfo::Border);
  visit("Tabs", &TParaInfo::Tabs);
  visit("NextParaNo", &TParaInfo::NextParaNo);
  visit("DefStyleNo", &TParaInfo::DefStyleNo);
  visit("Options", &TParaInfo::Options);
  visit("BiDiMode", &TParaInfo::BiDiMode);
  visit("OutlineLevel", &TParaInfo::OutlineLevel);
  visit("Standard", &TParaInfo::Standard);
}

}  // namespace moxa::rt
