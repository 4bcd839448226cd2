// moxa-tool roundtrip IN.html OUT.html: the whole edit cycle without the
// editing. IN is imported as a region is when the user opens it, moved
// through the binary format as into the editor, and written as the editor
// writes it at OK.
#include "ToolCommand.h"

#include "richtext/HtmlExporter.h"
#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtdFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using namespace moxa::rt;

// Into the editor as the application does it: through a file of the binary
// format, loaded into another document over the same style sheet.
bool ThroughEditor(const TRtDocument& imported, TRtStyle& style, TRtDocument& edited) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("temptext_.rtd"));
  return dir.isValid() && SaveRtd(file, imported, style) && LoadRtd(file, edited, style);
}

int RunRoundtrip(const QStringList& args) {
  if (args.size() != 2) {
    moxa::tool::PrintError(QStringLiteral("usage: moxa-tool roundtrip IN.html OUT.html"));
    return 2;
  }
  QFile in(args[0]);
  if (!in.open(QIODevice::ReadOnly)) {
    moxa::tool::PrintError(QStringLiteral("moxa-tool: cannot read %1").arg(args[0]));
    return 1;
  }
  TRtDocument imported;
  TRtStyle style;
  TEditorLinks links;
  TRtHtmlImporter importer;
  importer.View = {&imported, &style};
  importer.BasePath = QFileInfo(args[0]).absolutePath() + QDir::separator();
  importer.OnReadHyperlink = MakeReadHyperlinkHook(links);
  importer.LoadHtml(in.readAll());

  TRtDocument edited;
  if (!ThroughEditor(imported, style, edited)) {
    moxa::tool::PrintError(QStringLiteral("moxa-tool: the binary format refused the document"));
    return 1;
  }
  TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("moxa_img");
  params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
  params.OnWriteHyperlink = MakeWriteHyperlinkHandler(links);
  if (!SaveHTML(args[1], edited, style, params)) {
    moxa::tool::PrintError(
        QStringLiteral("moxa-tool: cannot write %1 or its pictures").arg(args[1]));
    return 1;
  }
  return 0;
}

}  // namespace

MOXA_TOOL_COMMAND("roundtrip",
                  "roundtrip IN OUT        imports IN as a region, writes OUT as the editor does",
                  RunRoundtrip);
