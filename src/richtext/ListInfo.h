#pragma once

#include "richtext/FontInfo.h"
#include "richtext/RtColor.h"
#include "richtext/RtEnums.h"
#include "richtext/RtFields.h"

#include <QString>

#include <vector>

namespace moxa::rt {

// The font of a list marker.
struct TRtListFont {
  QString FontName = QStringLiteral("Arial");
  int Size = 12;
  int Charset = rtcsDefault;
  TRtColor Color = rtclWindowText;
  TFontStyles Style = 0;
  bool operator==(const TRtListFont&) const = default;
};

template <class Visitor>
void ForEachField(FieldsOf<TRtListFont>, Visitor&& visit) {
  visit("FontName", &TRtListFont::FontName);
  visit("Size", &TRtListFont::Size);
  visit("Charset", &TRtListFont::Charset);
  visit("Color", &TRtListFont::Color);
  visit("Style", &TRtListFont::Style);
}

// One level of a list style. FormatString is the marker pattern: "%0:s."
// gives "1.", "2.", ... with the counter of level 0.
struct TRtListLevel {
  TRtListType ListType = rtlstBullet;
  QString FormatString = QString(QChar(0xB7));  // a bullet in the Symbol font
  TRtListFont Font;
  int FirstIndent = 0;  // pixels, also below
  int LeftIndent = 24;
  int MarkerIndent = 0;
  TRtMarkerAlignment MarkerAlignment = rtmaLeft;
  int StartFrom = 1;
  int Options = 0;
  int ImageIndex = 0;
  bool operator==(const TRtListLevel&) const = default;
};

template <class Visitor>
void ForEachField(FieldsOf<TRtListLevel>, Visitor&& visit) {
  visit("ListType", &TRtListLevel::ListType);
  visit("FormatString", &TRtListLevel::FormatString);
  visit("Font", &TRtListLevel::Font);
  visit("FirstIndent", &TRtListLevel::FirstIndent);
  visit("LeftIndent", &TRtListLevel::LeftIndent);
  visit("MarkerIndent", &TRtListLevel::MarkerIndent);
  visit("MarkerAlignment", &TRtListLevel::MarkerAlignment);
  visit("StartFrom", &TRtListLevel::StartFrom);
  visit("Options", &TRtListLevel::Options);
  visit("ImageIndex", &TRtListLevel::ImageIndex);
}

// One list style. LstID is an identity, not a property: two list styles are
// equal when their levels are (SameListStyle).
struct TRtListInfo {
  QString StyleName = QStringLiteral("List Style");
  std::vector<TRtListLevel> Levels;
  int LstID = 0;
  bool Standard = true;

  void Assign(const TRtListInfo& source) { *this = source; }
  bool operator==(const TRtListInfo&) const = default;
};

template <class Visitor>
void ForEachField(FieldsOf<TRtListInfo>, Visitor&& visit) {
  visit("StyleName", &TRtListInfo::StyleName);
  visit("Levels", &TRtListInfo::Levels);
  visit("LstID", &TRtListInfo::LstID);
  visit("Standard", &TRtListInfo::Standard);
}

bool SameListStyle(const TRtListInfo& a, const TRtListInfo& b);

}  // namespace moxa::rt
