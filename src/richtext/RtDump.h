#pragma once

// The dump: a document and its style sheet as stable, line-based text, for
// tests and bug reports (moxa-tool dump prints it). Unlike RtDescribe, the
// format is fixed, since tests and bug reports quote it; kDumpFormatHelp
// describes it.

#include "richtext/LinkTable.h"
#include "richtext/RtDocument.h"
#include "richtext/RtStyle.h"

#include <QString>
#include <QStringList>

namespace moxa::rt {

// The format, as "moxa-tool dump --help" prints it.
extern const char kDumpFormatHelp[];

QStringList DumpItems(const TCustomRtData& data);
QString DumpDocumentLine(const TRtDocument& document);
QStringList DumpStyleSheet(const TRtStyle& style);
// Items, the document line and the style sheet, each line ending in "\n".
QString DumpDocument(const TRtDocument& document, const TRtStyle& style);

// Link tables:  link T: "URL" page|external|email [newwindow]
QStringList DumpLinks(const TEditorLinks& links);

// Pieces of the format, for tests that build expected lines.
QString DumpQuoted(const QString& text);
QString DumpColor(TRtColor color);

}  // namespace moxa::rt
