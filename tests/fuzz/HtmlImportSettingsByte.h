#pragma once

// The importer's fuzz inputs start with one byte that chooses the
// importer's settings; the fuzz target and the corpus test read it alike,
// so that an input kept from a fuzz run fails the same way in the test.

#include "richtext/HtmlImporter.h"

#include <cstdint>

namespace moxa::rt::fuzz {

inline void ApplySettingsByte(TRtHtmlImporter& importer, std::uint8_t settings) {
  importer.EnforceListLevels = !(settings & 1);
  importer.SeparateLines = settings & 2;
  importer.Encoding = settings & 4 ? rthtmleUTF8 : rthtmleANSI;
  if (settings & 8) importer.Options |= rthtmloImgSrcToImageName;
  if (settings & 16) importer.Options |= rthtmloIgnorePictures;
  if (settings & 32) importer.Options &= ~rthtmloBasePathLinks;
}

// The fuzz target then imports the input a second time, over the style
// sheet the first run filled.
inline bool ImportsTwice(std::uint8_t settings) { return settings & 64; }

}  // namespace moxa::rt::fuzz
