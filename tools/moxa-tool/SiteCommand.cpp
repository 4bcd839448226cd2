// Site and page commands: they work on the folders given, never on the
// user's settings or working folder.
#include "ToolCommand.h"

#include "pages/FileNameRules.h"
#include "pages/MenuRebuild.h"
#include "site/Folders.h"
#include "site/PageNames.h"
#include "templates/SiteCreation.h"

#include <QDir>

namespace moxa::tool {
namespace {

std::optional<Folders> FoldersFromArgs(const QStringList& args) {
  const QString data = OptionValue(args, QStringLiteral("--data"));
  const QString work = OptionValue(args, QStringLiteral("--work"));
  if (data.isEmpty() || work.isEmpty() || !QDir(data).exists()) return std::nullopt;
  if (!QDir().mkpath(work)) return std::nullopt;
  return Folders::WithDataAndWork(QDir(data).absolutePath(), QDir(work).absolutePath());
}

int PrintFolderRule() {
  PrintError(QStringLiteral("moxa-tool: --data DIR (an existing data folder) and --work DIR are required"));
  return 2;
}

int RunCreateSite(const QStringList& args) {
  const auto folders = FoldersFromArgs(args);
  bool numeric = false;
  const int number = OptionValue(args, QStringLiteral("--template")).toInt(&numeric);
  if (!folders) return PrintFolderRule();
  if (!numeric) {
    PrintError(QStringLiteral("moxa-tool: --template N is required"));
    return 2;
  }
  Site site;
  if (!CreateSite(site, *folders, number, nullptr)) {
    PrintError(QStringLiteral("moxa-tool: the site could not be created from template %1").arg(number));
    return 1;
  }
  QByteArray out;
  for (const TSitePage& page : site.SitePages()) {
    out += page.FileName.toUtf8() + ".html\t" + page.Label_.toUtf8() + "\n";
  }
  Print(out);
  return 0;
}

int RunRebuildMenus(const QStringList& args) {
  const auto folders = FoldersFromArgs(args);
  bool numeric = false;
  const int number = OptionValue(args, QStringLiteral("--template")).toInt(&numeric);
  const QString pages = OptionValue(args, QStringLiteral("--pages"));
  if (!folders) return PrintFolderRule();
  if (!numeric || pages.isEmpty()) {
    PrintError(QStringLiteral("moxa-tool: --template N and --pages \"file:Label,...\" are required"));
    return 2;
  }
  Site site;
  for (const QString& entry : pages.split(QLatin1Char(','))) {
    // file:Label or file:Label:hidden (a page left out of the menus).
    const QStringList parts = entry.split(QLatin1Char(':'));
    TSitePage page;
    page.FileName = parts.at(0);
    page.Label_ = parts.size() > 1 ? parts.at(1) : parts.at(0);
    page.ShowInMenu = !(parts.size() > 2 && parts.at(2) == QLatin1String("hidden"));
    page.IsHomePage = site.PageCount() == 0;
    // The names become paths: nothing but a plain page name is taken.
    if (!IsUsablePageFileName(page.FileName) || parts.size() > 3 ||
        site.IndexOfFileName(page.FileName) >= 0) {
      PrintError(QStringLiteral("moxa-tool: \"%1\" is not a usable page file name").arg(page.FileName));
      return 2;
    }
    if (!site.AppendPage(page)) break;
  }
  if (!RebuildMenus(site, *folders, number)) {
    PrintError(QStringLiteral("moxa-tool: a page file could not be read or written"));
    return 1;
  }
  return 0;
}

int RunSanitizeFileName(const QStringList& args) {
  if (args.isEmpty()) {
    PrintError(QStringLiteral("moxa-tool: sanitize-file-name TEXT [LABEL]"));
    return 2;
  }
  const CleanedNames cleaned =
      SanitizeFileName(args.at(0), args.size() > 1 ? args.at(1) : QStringLiteral("label"));
  if (cleaned.Message != PageMessage::None) {
    Print(MessageText(cleaned.Message).toUtf8() + "\n");
    return 1;
  }
  Print(cleaned.FileName.toUtf8() + "\n");
  return 0;
}

}  // namespace
}  // namespace moxa::tool

MOXA_TOOL_COMMAND("create-site",
                  "create-site --data DIR --work DIR --template N   makes a four-page site",
                  moxa::tool::RunCreateSite);
MOXA_TOOL_COMMAND("rebuild-menus",
                  "rebuild-menus --data DIR --work DIR --template N --pages \"file:Label[:hidden],...\"",
                  moxa::tool::RunRebuildMenus);
MOXA_TOOL_COMMAND("sanitize-file-name",
                  "sanitize-file-name TEXT [LABEL]   prints the cleaned file name or the message",
                  moxa::tool::RunSanitizeFileName);
