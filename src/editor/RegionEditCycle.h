#pragma once

#include "richtext/LinkTable.h"
#include "richtext/RtDocument.h"
#include "richtext/RtStyle.h"
#include "site/Folders.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace moxa::editor {

// The working files of a region edit, all in W and overwritten at every edit.
QString RegionHtmlFile(const Folders& folders);    // the region as cut from the page
QString RegionRtdFile(const Folders& folders);     // the imported region, engine format
QString RegionExportFile(const Folders& folders);  // the editor's content as exported HTML

// The message shown when an edit cannot be put into the page.
QString ChangesNotAppliedMessage();

// Opening region `number` of the working copy for editing: its content is
// cut from the page, written to RegionHtmlFile and read back, imported with
// W as base path (so the region's pictures load) into `document` with
// `style` rebuilt and `links` filled with one entry per imported link, and
// stored as RegionRtdFile. False, with nothing in the page touched, when the
// working copy cannot be read, holds no such region, or a file cannot be
// written.
[[nodiscard]] bool OpenRegion(const Folders& folders, int number, rt::TRtDocument& document,
                              rt::TRtStyle& style, rt::TEditorLinks& links);

// Putting the edited document back into region `number` of the working
// copy: exported with the link table's addresses into RegionExportFile, the
// head and body tags cut off, spliced between the region's markers, and the
// working copy written safely. False, with the working copy as it was, when
// the export fails, the exported file cannot be read back or the region's
// start marker is not in the page. The region only ever receives what this
// export wrote: the export file is removed before the export runs.
[[nodiscard]] bool CommitRegion(const Folders& folders, int number, const rt::TRtDocument& document,
                                const rt::TRtStyle& style, const rt::TEditorLinks& links);

// What lies between the body tags of an exported file: everything up to and
// including the first ">" after "<body" is dropped, and everything from
// "</body>" on (at most 1000 characters) too. Nothing when there is no "<body".
std::optional<QByteArray> ExportedBody(const QByteArray& html);

// Replaces the content of the first region numbered `number` by `content`,
// leaving both markers and everything outside them as they were. False, and
// `page` unchanged, when the page has no such region.
bool SpliceRegion(QByteArray& page, int number, const QByteArray& content);

// The content of the first region numbered `number`; nothing when none.
std::optional<QByteArray> CutRegion(const QByteArray& page, int number);

}  // namespace moxa::editor
