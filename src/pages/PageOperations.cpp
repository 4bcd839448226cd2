#include "pages/PageOperations.h"

#include "pages/LinkPrefix.h"
#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "platform/SettingsStore.h"
#include "site/BatchJournal.h"
#include "site/FileBatch.h"
#include "site/KillPoint.h"
#include "site/PageNames.h"
#include "site/SiteStore.h"
#include "site/TextFiles.h"

#include <QFileInfo>
#include <QUuid>

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

PageOutcome Refused(PageMessage message, CleanedNames names = {}) {
  PageOutcome outcome;
  outcome.Message = message;
  outcome.Names = std::move(names);
  return outcome;
}

// The cleaned names, or the refusal. A name that still could not name a
// file inside the working folder (a link there pointing elsewhere) counts
// as taken.
PageOutcome CheckNames(const Site& site, const Folders& folders, const QString& fileName,
                       const QString& label, int except) {
  PageOutcome outcome;
  outcome.Names = SanitizeFileName(fileName, label);
  outcome.Message = outcome.Names.Message;
  if (!outcome.ok()) return outcome;
  const QString& name = outcome.Names.FileName;
  if (except < 0 && site.IsFull()) {
    outcome.Message = PageMessage::SiteFull;
  } else if (NameTaken(site, name, except) || !IsUsablePageFileName(name) ||
             !PathStaysInside(folders.WorkFolder(), folders.PageFile(name))) {
    outcome.Message = PageMessage::NameTaken;
  }
  return outcome;
}

// The page's text as the batch will leave it; an empty page counts as
// unreadable (writing it on would wipe the page).
std::optional<QByteArray> PageText(const QString& path, const FileBatch& batch) {
  std::optional<QByteArray> text = TextAfterBatch(batch, path);
  if (!text || text->isEmpty()) return std::nullopt;
  return text;
}

// Stages the working copy of `fileName` (links disabled) and makes it the
// open page of `changed`.
bool StageOpenPage(Site& changed, const Folders& folders, const QString& fileName,
                   FileBatch& batch) {
  const auto text = PageText(folders.PageFile(fileName), batch);
  if (!text) return false;
  batch.Write(folders.WorkingCopyFile(), TextFileBytes(AddEditorLinkPrefixes(*text)));
  changed.OpenPageFileName = fileName;
  return true;
}

// Finishes a change made on a copy of the site: the menus are rebuilt and
// `open` opened into the same batch; the files are written, then the page
// table stored, then the files put in place. Only then does `site` become
// the copy. Any failure before leaves files, store and `site` as they were.
PageMessage CommitChange(Site& site, Site changed, const PageContext& context, FileBatch& batch,
                         const QString& open) {
  if (!context.store) return PageMessage::SettingsError;
  const Folders& f = context.folders;
  if (!StageMenuRebuild(changed, f, context.templateNumber, batch)) {
    return PageMessage::TemplateError;
  }
  if (!open.isEmpty() && !StageOpenPage(changed, f, open, batch)) return PageMessage::FileError;
  if (!batch.Prepare()) return PageMessage::FileError;
  // Written down before the table is stored, with the id the table's commit
  // carries: a kill from here on is finished or undone at the next start.
  const QString journal = PageChangeJournal(f);
  const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
  if (!WriteBatchJournal(batch, journal, id)) return PageMessage::FileError;
  KillPoint("page-change-prepared");
  WritePageTable(changed, *context.store);
  context.store->WriteSetting(QString::fromLatin1(kPageChangeIdName), id);
  if (!context.store->Commit()) {
    RemoveBatchJournal(journal);
    return PageMessage::SettingsError;
  }
  KillPoint("page-table-stored");
  // The table is stored: what follows only renames files already written.
  const bool placed = batch.Apply();
  RemoveBatchJournal(journal);
  site = std::move(changed);
  return placed ? PageMessage::None : PageMessage::FileError;
}

PageOutcome AppendPage(Site& site, const PageContext& context, PageOutcome outcome,
                       const QByteArray& pageText) {
  const Folders& f = context.folders;
  const QString& name = outcome.Names.FileName;
  Site changed = site;
  TSitePage page;
  page.FileName = name;
  page.Label_ = outcome.Names.Label;
  // A visitor sees the title in the browser tab and in search results.
  page.WindowTitle = outcome.Names.Label;
  page.ShowInMenu = true;
  page.Changed = true;
  changed.AppendPage(page);
  QByteArray titled = pageText;
  SetWindowTitle(titled, page.WindowTitle);
  FileBatch batch;
  batch.Write(f.PageFile(name), TextFileBytes(titled));
  // Refreshed again by every preview; written so the preview folder is whole.
  batch.Write(f.PreviewPageFile(name), TextFileBytes(titled));
  outcome.Message = CommitChange(site, std::move(changed), context, batch, name);
  return outcome;
}

}  // namespace

PageOutcome AddPage(Site& site, const PageContext& context, const QString& fileName,
                    const QString& label) {
  PageOutcome outcome = CheckNames(site, context.folders, fileName, label, -1);
  if (!outcome.ok()) return outcome;
  bool ok = true;
  const QString index =
      context.folders.TemplateFolder(context.templateNumber) + QStringLiteral("index.html");
  const QByteArray page = ReadTextFile(index, &ok);
  if (!ok || page.isEmpty()) return Refused(PageMessage::TemplateError, outcome.Names);
  return AppendPage(site, context, outcome, page);
}

PageOutcome SavePageAs(Site& site, const PageContext& context, const QString& fileName,
                       const QString& label) {
  PageOutcome outcome = CheckNames(site, context.folders, fileName, label, -1);
  if (!outcome.ok()) return outcome;
  const QByteArray page = ReadWorkingCopyCleaned(context.folders);
  if (page.isEmpty()) return Refused(PageMessage::FileError, outcome.Names);
  return AppendPage(site, context, outcome, page);
}

PageOutcome RenamePage(Site& site, const PageContext& context, int index, const QString& fileName,
                       const QString& label, bool withUnsavedEdits) {
  if (index < 0 || index >= site.PageCount()) return Refused(PageMessage::FileError);
  const TSitePage& page = site.Page(index);
  const QString oldName = page.FileName;
  PageOutcome outcome =
      CheckNames(site, context.folders, page.IsHomePage ? oldName : fileName, label, index);
  if (!outcome.ok()) return outcome;
  const QString newName = outcome.Names.FileName;
  const Folders& f = context.folders;

  // The renamed page's text: the working copy when it holds unsaved edits
  // (reopening from the file would drop them), else the page file.
  const QByteArray text = withUnsavedEdits
                              ? ReadWorkingCopyCleaned(f)
                              : PageText(f.PageFile(oldName), FileBatch()).value_or(QByteArray());
  if (text.isEmpty()) return Refused(PageMessage::FileError, outcome.Names);
  FileBatch batch;
  if (newName != oldName) {
    // A stray file of the new name is no page of the site (the check above
    // says so): it is replaced rather than left for the record to point at.
    batch.Remove(f.PageFile(oldName));
    batch.Remove(f.PreviewPageFile(oldName));
  }
  batch.Write(f.PageFile(newName), TextFileBytes(text));
  batch.Write(f.PreviewPageFile(newName), TextFileBytes(text));

  Site changed = site;
  TSitePage& renamed = changed.Page(index);
  renamed.FileName = newName;
  renamed.Label_ = outcome.Names.Label;
  renamed.Changed = true;
  outcome.Message = CommitChange(site, std::move(changed), context, batch, newName);
  outcome.SavedOpenPageEdits = withUnsavedEdits && outcome.ok();
  return outcome;
}

PageProperties ReadPagePropertiesOf(const Site& site, const Folders& folders, int index) {
  if (index < 0 || index >= site.PageCount()) return {};
  return ReadPageProperties(ReadTextFile(folders.PageFile(site.Page(index).FileName)));
}

bool SetPageProperties(Site& site, const Folders& folders, SettingsStore& store, int index,
                       const PageProperties& properties) {
  if (index < 0 || index >= site.PageCount()) return false;
  bool ok = true;
  QByteArray copy = ReadTextFile(folders.WorkingCopyFile(), &ok);
  if (!ok || copy.isEmpty()) return false;
  SetPageProperties(copy, properties);
  Site changed = site;
  TSitePage& page = changed.Page(index);
  page.WindowTitle = properties.WindowTitle;
  page.Description = properties.Description;
  page.Keywords = properties.Keywords;
  page.Changed = true;
  FileBatch batch;
  batch.Write(folders.PageFile(page.FileName), TextFileBytes(RemoveEditorLinkPrefixes(copy)));
  batch.Write(folders.WorkingCopyFile(), TextFileBytes(copy));
  if (!batch.Prepare() || !SavePageTable(changed, store)) return false;
  site = std::move(changed);
  return batch.Apply();
}

PageOutcome DeletePage(Site& site, const PageContext& context, int index) {
  const int count = site.PageCount();
  if (index < 0 || index >= count || count <= 1 || site.Page(index).IsHomePage) {
    return Refused(PageMessage::FileError);
  }
  const QString name = site.Page(index).FileName;
  Site changed = site;
  changed.SitePages().erase(changed.SitePages().begin() + index);
  FileBatch batch;
  batch.Remove(context.folders.PreviewPageFile(name));
  batch.Remove(context.folders.PageFile(name));
  PageOutcome outcome;
  outcome.Message = CommitChange(site, std::move(changed), context, batch, site.Page(0).FileName);
  return outcome;
}

PageOutcome MovePage(Site& site, const PageContext& context, int from, int to) {
  const int count = site.PageCount();
  if (from < 0 || from >= count || to < 0 || to >= count) return Refused(PageMessage::FileError);
  Site changed = site;
  auto& pages = changed.SitePages();
  if (from < to) {
    std::rotate(pages.begin() + from, pages.begin() + from + 1, pages.begin() + to + 1);
  } else if (to < from) {
    std::rotate(pages.begin() + to, pages.begin() + from, pages.begin() + from + 1);
  }
  FileBatch batch;
  PageOutcome outcome;
  outcome.Message = CommitChange(site, std::move(changed), context, batch, QString());
  return outcome;
}

PageOutcome SetShowInMenu(Site& site, const PageContext& context, int index, bool show) {
  if (index < 0 || index >= site.PageCount()) return Refused(PageMessage::FileError);
  Site changed = site;
  changed.Page(index).ShowInMenu = show;
  FileBatch batch;
  PageOutcome outcome;
  outcome.Message = CommitChange(site, std::move(changed), context, batch, QString());
  return outcome;
}

}  // namespace moxa
