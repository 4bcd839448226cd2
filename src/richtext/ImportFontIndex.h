#pragma once

#include "richtext/FontInfo.h"
#include "richtext/RtStyle.h"

#include <QHash>
#include <QString>

namespace moxa::rt {

// What the importer's text styles are told apart by: font name, size,
// colour, flags, the hyperlink flag and the vertical shift.
struct TImportFontKey {
  QString Name;
  int Size = 12;
  TRtColor Color = rtclWindowText;
  TFontStyles Style = 0;
  bool Jump = false;
  int VShift = 0;

  static TImportFontKey Of(const TFontInfo& font);
  bool Matches(const TFontInfo& font) const { return *this == Of(font); }
  bool operator==(const TImportFontKey&) const = default;
};
size_t qHash(const TImportFontKey& key, size_t seed = 0);

// Finds the first text style, in index order, that matches a key, without
// walking the collection: an import can add many styles. Only style 0 may
// change while the index is in use (a body rule or attribute), so it is
// looked at directly and the map holds the styles from 1 on.
class TImportFontIndex {
 public:
  void Build(const TFontInfos& styles);
  void Added(const TFontInfos& styles, int styleNo);                    // after an append
  int Find(const TFontInfos& styles, const TImportFontKey& key) const;  // -1: none

 private:
  QHash<TImportFontKey, int> first_;
};

}  // namespace moxa::rt
