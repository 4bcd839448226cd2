// Commands on the current user's site, as the program keeps it: its
// settings store and working folder. The hosting service is the one the
// program is built for unless --service HOST and --ftp HOST say otherwise.
#include "ToolCommand.h"

#include "online/Login.h"
#include "online/ServiceEndpoints.h"
#include "online/SiteName.h"
#include "platform/Keychain.h"
#include "platform/SettingsStore.h"
#include "publish/PublishSite.h"
#include "site/Folders.h"
#include "site/Recovery.h"
#include "site/SiteLock.h"
#include "site/SiteStore.h"
#include "templates/SiteCreation.h"
#include "templates/TemplateLibrary.h"

#include <QTextStream>

#include <algorithm>

namespace moxa::tool {
namespace {

ServiceEndpoints ServiceFromArgs(const QStringList& args) {
  ServiceEndpoints service = ServiceEndpoints::FromBuild();
  const QString host = OptionValue(args, QStringLiteral("--service"));
  if (!host.isEmpty()) service.WebHost = service.Domain = host;
  service.FtpHost = OptionValue(args, QStringLiteral("--ftp"), service.FtpHost);
  return service;
}

// Every command on the user's site holds it for its whole run, as the window
// does; false (said why) when another program has it.
bool TakeUserSite(SiteLock& lock) {
  if (lock.TryTake()) return true;
  PrintError(SiteLock::HeldElsewhereMessage());
  return false;
}

// The user's site, with the passwords from the keychain; false (said why)
// when the store cannot be read.
bool LoadUserSite(SettingsStore& store, Site& site) {
  // What a kill cut short (here or in the program) is finished first, as the program does.
  RecoverUnfinishedChanges(Folders::ForApplication(), store);
  static const Keychain keychain(QString::fromLatin1(kApplicationName));
  KeepPasswordsIn(keychain, store, [] { PrintError(KeychainMissingMessage()); });
  if (LoadSite(store, site).Result == LoadSiteResult::Unreadable) {
    PrintError(UnreadableSettingsMessage());
    return false;
  }
  return true;
}

int RunNewSite(const QStringList& args) {
  const QString name = args.value(0);
  bool numeric = false;
  const int number = OptionValue(args, QStringLiteral("--template")).toInt(&numeric);
  if (name.isEmpty() || name.startsWith(QLatin1String("--")) || !numeric) {
    PrintError(QStringLiteral("usage: moxa-tool new-site NAME --template N"));
    return 2;
  }
  if (const QString message = CheckNewSiteName(name); !message.isEmpty()) {
    PrintError(message);
    return 1;
  }
  const Folders folders = Folders::ForApplication();
  SiteLock lock(folders);
  if (!TakeUserSite(lock)) return 1;
  const TemplateLibrary library = TemplateLibrary::Scan(folders);
  const std::vector<int>& numbers = library.Numbers();
  const auto at = std::find(numbers.begin(), numbers.end(), number);
  if (at == numbers.end()) {
    PrintError(QStringLiteral("moxa-tool: there is no template %1").arg(number));
    return 1;
  }
  SettingsStore store;
  Site current;
  if (!LoadUserSite(store, current)) return 1;
  Site site;
  site.SiteAccount = NewSiteAccount(current.SiteAccount, SanitizeSiteName(name));
  site.SelectedTemplateIndex = qint32(at - numbers.begin());
  if (!CreateSite(site, folders, number, &store)) {
    PrintError(QStringLiteral("Your site could not be created."));
    return 1;
  }
  Print(QStringLiteral("Created %1 from template %2 in %3\n")
            .arg(site.SiteAccount.UnixName)
            .arg(number)
            .arg(folders.WorkFolder())
            .toUtf8());
  return 0;
}

int RunPublish(const QStringList& args) {
  SiteLock lock(Folders::ForApplication());
  if (!TakeUserSite(lock)) return 1;
  SettingsStore store;
  Site site;
  if (!LoadUserSite(store, site)) return 1;
  if (site.SiteAccount.UnixName.isEmpty()) {
    PrintError(QStringLiteral("moxa-tool: there is no site to publish"));
    return 1;
  }
  const Folders folders = Folders::ForApplication();
  PublishSettings settings{ServiceFromArgs(args), folders,
                           TemplateLibrary::Scan(folders).NumberAt(site.SelectedTemplateIndex).value_or(0),
                           OptionValue(args, QStringLiteral("--ca-file")),
                           [](int done, int total) {
                             if (done < total) Print(QStringLiteral("Publishing page %1 of %2\n").arg(done + 1).arg(total).toUtf8());
                           },
                           // `site` is the one being published: its account holds the new name.
                           [&site, &store](const TAccount&) { return SaveAccount(site, store); }};
  const PublishResult result = PublishSite(site, settings);
  if (!SaveSite(site, store)) PrintError(QStringLiteral("moxa-tool: the site's details could not be saved"));
  switch (result.Outcome) {
    case PublishOutcome::Published:
      Print(QStringLiteral("Your site has been published: http://%1\n")
                .arg(site.SiteAccount.HostingPackage == QLatin1String("free") || site.SiteAccount.Domain.isEmpty()
                         ? settings.Service.SiteAddress(site.SiteAccount.UnixName)
                         : QStringLiteral("www.") + site.SiteAccount.Domain)
                .toUtf8());
      return 0;
    case PublishOutcome::DomainNotReady:
      PrintError(DomainNotReadyMessage().replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
      return 1;
    case PublishOutcome::Failed:
      PrintError(PublishFailedMessage() + QStringLiteral(" (") + result.Error + u')');
      return 1;
  }
  return 1;
}

int RunLogin(const QStringList& args) {
  const QString email = args.value(0);
  if (email.trimmed().isEmpty() || email.startsWith(QLatin1String("--"))) {
    PrintError(QStringLiteral("usage: moxa-tool login EMAIL [--service HOST] < password"));
    return 2;
  }
  SiteLock lock(Folders::ForApplication());
  if (!TakeUserSite(lock)) return 1;
  QTextStream in(stdin);
  const QString password = in.readLine();
  if (password.trimmed().isEmpty()) {
    PrintError(QStringLiteral("You must enter a password."));
    return 1;
  }
  SettingsStore store;
  Site site;
  if (!LoadUserSite(store, site)) return 1;
  const LoginOutcome outcome =
      LogIn(site, Folders::ForApplication(), ServiceFromArgs(args), email, password, &store);
  switch (outcome.Outcome) {
    case LoginOutcome::Result::Refused:
      PrintError(LoginRefusedMessage());
      return 1;
    case LoginOutcome::Result::Failed:
    case LoginOutcome::Result::Cancelled:
      PrintError((outcome.NotSaved ? LoginNotSavedMessage() : LoginFailedMessage()) + QStringLiteral(" (") +
                 outcome.Error + u')');
      return 1;
    case LoginOutcome::Result::LoggedIn:
      break;
  }
  if (!outcome.SkippedPages.isEmpty()) PrintError(SkippedPagesMessage(outcome.SkippedPages));
  if (!outcome.MissingPages.isEmpty()) PrintError(MissingPagesMessage(outcome.MissingPages));
  if (outcome.PagesCut) PrintError(PagesCutMessage());
  if (outcome.TemplateGuessed) PrintError(TemplateGuessedMessage());
  Print(QStringLiteral("Logged in to %1: %2 pages\n").arg(site.SiteAccount.UnixName).arg(site.PageCount()).toUtf8());
  return 0;
}

QByteArray Flag(bool on) { return on ? "yes" : "no"; }

int RunShowSite(const QStringList&) {
  SiteLock lock(Folders::ForApplication());
  if (!TakeUserSite(lock)) return 1;
  SettingsStore store;
  Site site;
  if (!LoadUserSite(store, site)) return 1;
  const TAccount& a = site.SiteAccount;
  QByteArray out;
  const auto line = [&out](const char* name, const QString& value) {
    out += QByteArray(name) + ": " + value.toUtf8() + '\n';
  };
  line("site name", a.UnixName);
  line("registered", QString::fromLatin1(Flag(a.UnixCreated)));
  line("name", (a.FirstName + u' ' + a.LastName).trimmed());
  line("e-mail", a.Email);
  line("plan", a.HostingPackage);
  line("domain", a.Domain);
  line("ftp", a.FtpHost.isEmpty() ? QString() : QStringLiteral("%1@%2 port %3 folder %4").arg(a.FtpUsername, a.FtpHost).arg(a.FtpPort).arg(a.FtpPath));
  line("address live", QString::fromLatin1(Flag(a.MoxaSiteStatus)));
  line("template", QString::number(site.SelectedTemplateIndex + 1));
  out += "pages:\n";
  for (const TSitePage& p : site.SitePages()) {
    out += "  " + p.FileName.toUtf8() + ".html\t" + p.Label_.toUtf8() + "\tmenu " + Flag(p.ShowInMenu) +
           "\thome " + Flag(p.IsHomePage) + "\tchanged " + Flag(p.Changed) + '\n';
  }
  Print(out);
  return 0;
}

}  // namespace

MOXA_TOOL_COMMAND("new-site", "new-site NAME --template N   makes the user's new site (replaces the old one)",
                  RunNewSite);
MOXA_TOOL_COMMAND("publish", "publish [--service HOST --ftp HOST]   publishes the user's saved site",
                  RunPublish);
MOXA_TOOL_COMMAND("login", "login EMAIL [--service HOST]   brings the user's hosted site down (password on stdin)",
                  RunLogin);
MOXA_TOOL_COMMAND("site", "site                    prints the user's saved site (no passwords)", RunShowSite);

}  // namespace moxa::tool
