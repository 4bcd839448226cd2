#include "richtext/ImportFontIndex.h"

namespace moxa::rt {

TImportFontKey TImportFontKey::Of(const TFontInfo& font) {
  return {font.FontName, font.Size, font.Color, font.Style, font.Jump, font.VShift};
}

size_t qHash(const TImportFontKey& key, size_t seed) {
  return qHashMulti(seed, key.Name, key.Size, key.Color, key.Style, key.Jump, key.VShift);
}

void TImportFontIndex::Build(const TFontInfos& styles) {
  first_.clear();
  // Backwards, so that of equal styles the lowest index stays.
  for (int i = styles.Count() - 1; i >= 1; --i) first_[TImportFontKey::Of(styles[i])] = i;
}

void TImportFontIndex::Added(const TFontInfos& styles, int styleNo) {
  if (styleNo < 1) return;
  const TImportFontKey key = TImportFontKey::Of(styles[styleNo]);
  if (!first_.contains(key)) first_.insert(key, styleNo);
}

int TImportFontIndex::Find(const TFontInfos& styles, const TImportFontKey& key) const {
  if (styles.Count() > 0 && key.Matches(styles[0])) return 0;
  return first_.value(key, -1);
}

}  // namespace moxa::rt
