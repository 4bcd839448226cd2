#include "pages/PageOperations.h"

#include "pages/LinkPrefix.h"
#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "site/SiteStore.h"
#include "site/TextFiles.h"

#include <QFile>

#include <algorithm>

namespace moxa {
namespace {

// The staging file of uploads lives in the working folder under this name.
const QString kReservedName = QStringLiteral("uperdyup");

bool NameTaken(const Site& site, const QString& fileName, int except = -1) {
  if (SameFileName(fileName, kReservedName)) return true;
  for (int i = 0; i < site.PageCount(); ++i) {
    if (i != except && SameFileName(site.Page(i).FileName, fileName)) return true;
  }
  return false;
}

PageOutcome CheckNewPage(const Site& site, const QString& fileName, const QString& label) {
  PageOutcome outcome;
  outcome.Names = SanitizeFileName(fileName, label);
  outcome.Message = outcome.Names.Message;
  if (!outcome.ok()) return outcome;
  if (site.IsFull()) {
    outcome.Message = PageMessage::SiteFull;
  } else if (NameTaken(site, outcome.Names.FileName)) {
    outcome.Message = PageMessage::NameTaken;
  }
  return outcome;
}

// Writes the new page's file and preview copy, appends its record, stores
// the table, rebuilds the menus and opens it.
PageOutcome AppendPage(Site& site, const PageContext& context, PageOutcome outcome,
                       const QByteArray& pageText) {
  const Folders& f = context.folders;
  const QString& name = outcome.Names.FileName;
  if (!WriteTextFile(pageText, f.PageFile(name))) {
    outcome.Message = PageMessage::FileError;
    return outcome;
  }
  WriteTextFile(pageText, f.PreviewPageFile(name));  // refreshed again by every preview

  TSitePage page;
  page.FileName = name;
  page.Label_ = outcome.Names.Label;
  page.ShowInMenu = true;
  page.Changed = true;
  site.AppendPage(page);
  SavePageTable(site);
  if (!RebuildMenus(site, f, context.templateNumber) || !OpenPageInEditor(site, f, name)) {
    outcome.Message = PageMessage::FileError;
  }
  return outcome;
}

}  // namespace

PageOutcome AddPage(Site& site, const PageContext& context, const QString& fileName,
                    const QString& label) {
  PageOutcome outcome = CheckNewPage(site, fileName, label);
  if (!outcome.ok()) return outcome;
  bool ok = true;
  const QByteArray page = ReadTextFile(
      context.folders.TemplateFolder(context.templateNumber) + QStringLiteral("index.html"), &ok);
  if (!ok || page.isEmpty()) {
    outcome.Message = PageMessage::FileError;
    return outcome;
  }
  return AppendPage(site, context, outcome, page);
}

PageOutcome SavePageAs(Site& site, const PageContext& context, const QString& fileName,
                       const QString& label) {
  PageOutcome outcome = CheckNewPage(site, fileName, label);
  if (!outcome.ok()) return outcome;
  const QByteArray page = ReadWorkingCopyCleaned(context.folders);
  if (page.isEmpty()) {
    outcome.Message = PageMessage::FileError;
    return outcome;
  }
  return AppendPage(site, context, outcome, page);
}

PageOutcome RenamePage(Site& site, const PageContext& context, int index,
                       const QString& fileName, const QString& label) {
  PageOutcome outcome;
  if (index < 0 || index >= site.PageCount()) {
    outcome.Message = PageMessage::FileError;
    return outcome;
  }
  TSitePage& page = site.Page(index);
  const QString oldName = page.FileName;
  outcome.Names = SanitizeFileName(page.IsHomePage ? oldName : fileName, label);
  outcome.Message = outcome.Names.Message;
  if (!outcome.ok()) return outcome;
  const QString newName = outcome.Names.FileName;
  if (NameTaken(site, newName, index)) {
    outcome.Message = PageMessage::NameTaken;
    return outcome;
  }

  const Folders& f = context.folders;
  if (newName != oldName) {
    // A stray file of that name is no page of the site (the check above
    // says so): make room rather than leave the record pointing at it.
    QFile::remove(f.PageFile(newName));
    if (!QFile::rename(f.PageFile(oldName), f.PageFile(newName))) {
      outcome.Message = PageMessage::FileError;
      return outcome;
    }
    QFile::remove(f.PreviewPageFile(newName));
    QFile::rename(f.PreviewPageFile(oldName), f.PreviewPageFile(newName));
  }
  page.FileName = newName;
  page.Label_ = outcome.Names.Label;
  page.Changed = true;
  SavePageTable(site);
  if (!RebuildMenus(site, f, context.templateNumber) || !OpenPageInEditor(site, f, newName)) {
    outcome.Message = PageMessage::FileError;
  }
  return outcome;
}

PageProperties ReadPagePropertiesOf(const Site& site, const Folders& folders, int index) {
  if (index < 0 || index >= site.PageCount()) return {};
  return ReadPageProperties(ReadTextFile(folders.PageFile(site.Page(index).FileName)));
}

bool SetPageProperties(Site& site, const Folders& folders, int index,
                       const PageProperties& properties) {
  if (index < 0 || index >= site.PageCount()) return false;
  bool ok = true;
  QByteArray copy = ReadTextFile(folders.WorkingCopyFile(), &ok);
  if (!ok || copy.isEmpty()) return false;
  SetPageProperties(copy, properties);
  TSitePage& page = site.Page(index);
  if (!WriteTextFile(RemoveEditorLinkPrefixes(copy), folders.PageFile(page.FileName)) ||
      !WriteTextFile(copy, folders.WorkingCopyFile())) {
    return false;
  }
  page.WindowTitle = properties.WindowTitle;
  page.Description = properties.Description;
  page.Keywords = properties.Keywords;
  page.Changed = true;
  return true;
}

bool DeletePage(Site& site, const PageContext& context, int index) {
  const int count = site.PageCount();
  if (index < 0 || index >= count || count <= 1 || site.Page(index).IsHomePage) return false;
  const QString name = site.Page(index).FileName;
  site.SitePages().erase(site.SitePages().begin() + index);
  QFile::remove(context.folders.PreviewPageFile(name));
  QFile::remove(context.folders.PageFile(name));
  SavePageTable(site);
  const bool rebuilt = RebuildMenus(site, context.folders, context.templateNumber);
  return OpenPageInEditor(site, context.folders, site.Page(0).FileName) && rebuilt;
}

bool MovePage(Site& site, const PageContext& context, int from, int to) {
  const int count = site.PageCount();
  if (from < 0 || from >= count || to < 0 || to >= count) return false;
  auto& pages = site.SitePages();
  if (from < to) {
    std::rotate(pages.begin() + from, pages.begin() + from + 1, pages.begin() + to + 1);
  } else if (to < from) {
    std::rotate(pages.begin() + to, pages.begin() + from, pages.begin() + from + 1);
  }
  SavePageTable(site);
  return RebuildMenus(site, context.folders, context.templateNumber);
}

}  // namespace moxa
