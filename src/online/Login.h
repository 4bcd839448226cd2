#pragma once

#include "online/ServiceEndpoints.h"
#include "site/Folders.h"
#include "site/Site.h"

#include <QString>
#include <QStringList>

namespace moxa {

class SettingsStore;

struct LoginOutcome {
  enum class Result {
    LoggedIn,  // the site is on this machine now
    Refused,   // the service did not know the e-mail address and password
    Failed,    // a page could not be brought down or written: nothing changed
  };
  Result Outcome = Result::Failed;
  // Pages of the reply left out: names that cannot name a page file here.
  QStringList SkippedPages;
  // The reply held more pages than a site can; the first ones were kept.
  bool PagesCut = false;
  // No template number was found in the pages: the first template was used.
  bool TemplateGuessed = false;
  QString Error;  // for the developer's eyes
  // Failed because the settings could not be written (nothing changed).
  bool NotSaved = false;
};

// Brings the site of `email` and `password` down from the service: the
// account, the page table, every page file (template addresses made relative
// again) and the template's files, built beside the working folder. With a
// store, the new site is stored there before its folder is swapped in, so a
// kill at any point leaves one whole site at the next start. `site` changes
// only when the login succeeds. The template is the one the pages point at,
// by folder number.
LoginOutcome LogIn(Site& site, const Folders& folders, const ServiceEndpoints& service,
                   const QString& email, const QString& password, SettingsStore* store);

// The template folder number the page's asset addresses name; -1 when none.
int TemplateNumberInPage(const QByteArray& page, const QString& serviceBase);
// The page with every template asset address (numbers 0 to 150) removed.
QByteArray WithoutTemplateAddresses(QByteArray page, const QString& serviceBase);

// The messages of the login.
QString LoginRefusedMessage();
QString LoginFailedMessage();
QString LoginNotSavedMessage();
QString SkippedPagesMessage(const QStringList& pages);
QString PagesCutMessage();
QString TemplateGuessedMessage();

}  // namespace moxa
