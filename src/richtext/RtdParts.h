#pragma once

// The parts of the binary document format, shared by its sources.

#include "richtext/RtPicture.h"
#include "richtext/RtStyle.h"
#include "richtext/RtdStream.h"

namespace moxa::rt {

// Every entry of the three collections, in index order.
void WriteStyles(RtdWriter& w, const TRtStyle& style);
// Fills `style` (whose collections must be empty) from the file; false on
// any malformed entry, including style references that point nowhere.
bool ReadStyles(RtdReader& r, TRtStyle& style);

void WritePicture(RtdWriter& w, const TRtPicture& picture);
bool ReadPicture(RtdReader& r, TRtPicture& picture);

}  // namespace moxa::rt
