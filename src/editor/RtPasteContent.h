#pragma once

// Content about to be inserted into the editor (pasted, dropped), made to
// fit it: its styles those of the editor's sheet, its tables no deeper
// than the model allows where it goes.

#include "richtext/RtData.h"
#include "richtext/RtStyle.h"

namespace moxa::editor {

// Makes the style numbers of `data` (tables included), which point into
// `from`, point into `into`: every style used is found in `into` or added
// to it (find-or-add), so equal formatting keeps one number and `into`
// only grows by the styles actually needed. Styles of `into` never change.
void MergeStyles(rt::TCustomRtData& data, const rt::TRtStyle& from, rt::TRtStyle& into);

// Keeps at most `levels` levels of tables in `data` (0: none): a table
// deeper than that gives way to its cells' items, paragraph by paragraph.
void LimitTableNesting(rt::TCustomRtData& data, int levels);

}  // namespace moxa::editor
