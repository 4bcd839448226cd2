// moxa-tool dump FILE [--base DIR]: imports FILE as the editor does and
// prints the document in the dump format (moxa-tool dump --help).
#include "ToolCommand.h"
#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/RtDump.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr char kUsage[] = "usage: moxa-tool dump FILE [--base DIR]";

int PrintFormat() {
  moxa::tool::Print(QByteArray(kUsage) +
                    "\n\nImports FILE into a fresh document, with DIR (default: the folder\n"
                    "of FILE) as the base path of links and pictures, and prints it.\n\n" +
                    moxa::rt::kDumpFormatHelp);
  return 0;
}

int RunDump(const QStringList& args) {
  if (args.contains(QLatin1String("--help"))) return PrintFormat();
  const QString base = moxa::tool::OptionValue(args, QStringLiteral("--base"));
  const bool withBase = args.contains(QLatin1String("--base"));
  if (args.isEmpty() || (withBase && (base.isEmpty() || args.size() != 3)) ||
      (!withBase && args.size() != 1)) {
    moxa::tool::PrintError(QString::fromLatin1(kUsage));
    return 2;
  }
  const QString path = args.first() == QLatin1String("--base") ? args.at(2) : args.first();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    moxa::tool::PrintError(QStringLiteral("moxa-tool: cannot read %1").arg(path));
    return 1;
  }
  moxa::rt::TRtDocument document;
  moxa::rt::TRtStyle style;
  moxa::rt::TEditorLinks links;
  moxa::rt::TRtHtmlImporter importer;
  importer.View = {&document, &style};
  const QString folder = withBase ? base : QFileInfo(path).absolutePath();
  importer.BasePath = QDir(folder).absolutePath() + u'/';
  importer.OnReadHyperlink = moxa::rt::MakeReadHyperlinkHook(links);
  importer.LoadHtml(file.readAll());

  QString out = moxa::rt::DumpDocument(document, style);
  for (const QString& line : moxa::rt::DumpLinks(links)) out += line + u'\n';
  if (!importer.Title().isEmpty()) {
    out += QStringLiteral("title %1\n").arg(moxa::rt::DumpQuoted(importer.Title()));
  }
  moxa::tool::Print(out.toUtf8());
  return 0;
}

}  // namespace

MOXA_TOOL_COMMAND("dump",
                  "dump FILE [--base DIR]  imports FILE and prints the document "
                  "(dump --help: the format)",
                  RunDump);
