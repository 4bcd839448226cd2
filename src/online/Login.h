#pragma once

#include "online/ServiceEndpoints.h"
#include "site/Folders.h"
#include "site/Site.h"
#include "site/StagedSite.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace moxa {

class SettingsStore;

struct LoginOutcome {
  enum class Result {
    LoggedIn,  // the site is on this machine now
    Refused,   // the service did not know the e-mail address and password
    Failed,     // no page could be brought down, or the site not swapped in: nothing changed
    Cancelled,  // the caller's cancel flag was set: nothing changed
  };
  Result Outcome = Result::Failed;
  // Pages of the reply left out: names that cannot name a page file here.
  QStringList SkippedPages;
  // Pages of the reply that could not be downloaded or written; the site
  // came down without them.
  QStringList MissingPages;
  // The reply held more pages than a site can; the first ones were kept.
  bool PagesCut = false;
  // No template number was found in the pages: the first template was used.
  bool TemplateGuessed = false;
  QString Error;  // for the developer's eyes
  // Failed because the settings could not be written (nothing changed).
  bool NotSaved = false;
};

// What the caller may do to a login under way.
struct LoginControl {
  // Set from any thread: the login stops at once (a running request too)
  // and nothing changes, unless the new site is already swapped in.
  const std::atomic<bool>* Cancel = nullptr;
  // Called before each page is requested: `page` counts from 1.
  std::function<void(int page, int pages)> Progress;
};

// Brings the site of `email` and `password` down from the service: the
// account, the page table, every page file (template addresses made relative
// again) and the template's files, built beside the working folder. With a
// store, the new site is stored there before its folder is swapped in, so a
// kill at any point leaves one whole site at the next start. `site` changes
// only when the login succeeds. The template is the one the pages point at,
// by folder number. A page that cannot be brought down is left out and
// named; a site name in the reply that is not a plain site name fails the login.
[[nodiscard]] LoginOutcome LogIn(Site& site, const Folders& folders, const ServiceEndpoints& service,
                   const QString& email, const QString& password, SettingsStore* store,
                   const LoginControl& control = {});

// The two halves of `LogIn`. The first is made of values only, so a worker
// can run it: the site brought down beside the working folder, not yet in
// place (a cancel up to its end leaves everything as it was). The second
// stores it and swaps it in, on the thread that owns the store.
struct BroughtDownSite {
  LoginOutcome Outcome;
  StagedSite Staged;  // whole when Outcome is LoggedIn
};
BroughtDownSite BringSiteDown(const Site& site, const Folders& folders, const ServiceEndpoints& service,
                              const QString& email, const QString& password, const LoginControl& control = {});
LoginOutcome PutLoginInPlace(BroughtDownSite& down, Site& site, SettingsStore* store);

// The template folder number the page's asset addresses name; -1 when none.
int TemplateNumberInPage(const QByteArray& page, const QString& serviceBase);
// The page with every template asset address (numbers 0 to 150) removed.
QByteArray WithoutTemplateAddresses(QByteArray page, const QString& serviceBase);

// The busy overlay's caption while page `page` of `pages` comes down.
QString PageProgressCaption(int page, int pages);

}  // namespace moxa
