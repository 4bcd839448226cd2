#pragma once

#include "richtext/RtData.h"
#include "richtext/RtStyle.h"

namespace moxa::editor {

// Makes the style numbers of `data` (tables included), which point into
// `from`, point into `into`: every style used is found in `into` or added
// to it (find-or-add), so equal formatting keeps one number and `into`
// only grows by the styles actually needed. Styles of `into` never change.
void MergeStyles(rt::TCustomRtData& data, const rt::TRtStyle& from, rt::TRtStyle& into);

}  // namespace moxa::editor
