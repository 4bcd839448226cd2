// Commands on the current user's site, as the program keeps it: its
// settings store and working folder. The hosting service is the one the
// program is built for unless --service HOST and --ftp HOST say otherwise.
#include "ToolCommand.h"

#include "online/Login.h"
#include "online/ServiceEndpoints.h"
#include "online/SiteName.h"
#include "session/PublishedAddress.h"
#include "session/SiteSession.h"
#include "session/UserMessages.h"
#include "site/Folders.h"
#include "site/SiteLock.h"
#include "site/SiteStore.h"

#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

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

// A command has nothing else to do: it waits for the keychain's answers
// (its passwords, or one it stored, which the settings file keeps until the
// keychain has it), at most as long as the desktop gives the user to unlock it.
void WaitForKeychain(SiteSession& session) {
  SettingsStore& store = session.store();
  if (!store.SecretsPending()) return;
  QEventLoop wait;
  store.WhenSecretsSettled([&wait] { wait.quit(); });
  QTimer::singleShot(30000, &wait, &QEventLoop::quit);
  wait.exec();
}

// The user's site as the program opens it: what a kill cut short finished
// first, the passwords from the keychain, pages left out told. Null (said
// why) when the store cannot be read.
std::unique_ptr<SiteSession> OpenUserSite(const QStringList& args) {
  const Folders folders = Folders::ForApplication();
  auto session = std::make_unique<SiteSession>(folders, TemplateLibrary::Scan(folders), ServiceFromArgs(args));
  const SiteSession::LoadReport report = session->Load([] { PrintError(KeychainMissingMessage()); });
  for (const QString& error : report.Errors) PrintError(error);
  if (report.Result == LoadSiteResult::Unreadable) return nullptr;
  WaitForKeychain(*session);
  session->TakeArrivedPasswords(session->site().SiteAccount.UnixName);
  return session;
}

// Prints the outcome's message after the keychain has taken what the
// command stored; the exit code of the command.
int Finish(SiteSession& session, const Outcome& outcome) {
  WaitForKeychain(session);
  if (outcome) return 0;
  PrintError(UserMessageLine(outcome));
  return 1;
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
  SiteLock lock(Folders::ForApplication());
  if (!TakeUserSite(lock)) return 1;
  const std::unique_ptr<SiteSession> session = OpenUserSite(args);
  if (!session) return 1;
  const std::vector<int>& numbers = session->library().Numbers();
  const auto at = std::find(numbers.begin(), numbers.end(), number);
  if (at == numbers.end()) {
    PrintError(QStringLiteral("moxa-tool: there is no template %1").arg(number));
    return 1;
  }
  if (const int failed = Finish(*session, session->CreateNewSite(name, int(at - numbers.begin())))) return failed;
  Print(QStringLiteral("Created %1 from template %2 in %3\n")
            .arg(session->site().SiteAccount.UnixName)
            .arg(number)
            .arg(session->folders().WorkFolder())
            .toUtf8());
  return 0;
}

int RunPublish(const QStringList& args) {
  SiteLock lock(Folders::ForApplication());
  if (!TakeUserSite(lock)) return 1;
  const std::unique_ptr<SiteSession> session = OpenUserSite(args);
  if (!session) return 1;
  const auto progress = [](int done, int total) {
    if (done < total) Print(QStringLiteral("Publishing page %1 of %2\n").arg(done + 1).arg(total).toUtf8());
  };
  if (const int failed = Finish(*session, session->Publish(progress, OptionValue(args, QStringLiteral("--ca-file"))))) {
    return failed;
  }
  Print(QStringLiteral("Your site has been published: http://%1\n")
            .arg(AddressOfPublishedSite(session->site().SiteAccount, session->service()).Shown)
            .toUtf8());
  return 0;
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
  const std::unique_ptr<SiteSession> session = OpenUserSite(args);
  if (!session) return 1;
  const LoginOutcome outcome = session->LogIn(email, password);
  if (const int failed = Finish(*session, LoginFailure(outcome))) return failed;
  for (const QString& notice : LoginNotices(outcome)) PrintError(notice);
  Print(QStringLiteral("Logged in to %1: %2 pages\n")
            .arg(session->site().SiteAccount.UnixName)
            .arg(session->site().PageCount())
            .toUtf8());
  return 0;
}

QByteArray Flag(bool on) { return on ? "yes" : "no"; }

int RunShowSite(const QStringList& args) {
  SiteLock lock(Folders::ForApplication());
  if (!TakeUserSite(lock)) return 1;
  const std::unique_ptr<SiteSession> session = OpenUserSite(args);
  if (!session) return 1;
  const Site& site = session->site();
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
