#pragma once

#include <QString>
#include <QStringList>

namespace moxa {

// What a page operation can refuse with; the interface shows MessageText.
enum class PageMessage {
  None,
  EmptyFileName,  // "You must enter a file name."
  EmptyLabel,     // "You must enter a label."
  NameTaken,      // "A page with this file name already exists."
  SiteFull,       // "Your site has reached the maximum number of pages."
  FileError,      // a page file could not be read or written
  SettingsError,  // the page table could not be stored: nothing changed
  TemplateError,  // the site's template could not be read: nothing changed
};

// The message box text for a refusal; "" for None.
QString MessageText(PageMessage message);

struct CleanedNames {
  QString FileName;  // trimmed, forbidden characters removed, spaces as hyphens
  QString Label;     // trimmed only
  // The file name after each removal that changed it, in order, for the
  // interface to show the cleaning as it happens.
  QStringList FileNameSteps;
  PageMessage Message = PageMessage::None;  // EmptyFileName, EmptyLabel or None
};

// Cleans the typed file name and label of the add, rename and save-as
// dialogs. Control characters (a pasted tab or NUL) are removed from both.
CleanedNames SanitizeFileName(const QString& fileName, const QString& label);

// True when the two names are the same file on this platform's file system.
bool SameFileName(const QString& a, const QString& b);

}  // namespace moxa
