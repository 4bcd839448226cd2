#pragma once

#include "richtext/HtmlExporter.h"
#include "richtext/LinkTable.h"

namespace moxa::rt {

// The export's link handler over a link table: each hyperlink is written
// with the address of the entry its tag names, and "target=_blank" when
// that entry opens a new window. A hyperlink whose tag names no entry
// (tag 0, e.g. part of a link that took another style) gets no address.
// `links` must outlive the export.
TRtWriteHyperlinkEvent MakeWriteHyperlinkHandler(const TEditorLinks& links);

}  // namespace moxa::rt
