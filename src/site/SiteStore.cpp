#include "site/SiteStore.h"

#include "platform/SettingsStore.h"
#include "site/PageNames.h"

#include <algorithm>

namespace moxa {
namespace {

QString PageValueName(const char* field, int index) {
  return QStringLiteral("Page_%1_%2").arg(QLatin1String(field)).arg(index);
}

// The twelve text values of a page, in the order they are written.
constexpr const char* kPageTextFields[] = {"Label",   "FileName", "WindowTitle", "Description",
                                           "Keywords", "Heading", "Text1",       "Text2",
                                           "Text3",    "Text4",   "Text5",       "Text6"};

const QString* PageTextField(const TSitePage& page, int field) {
  const QString* fields[] = {&page.Label_,   &page.FileName, &page.WindowTitle, &page.Description,
                             &page.Keywords, &page.Heading,  &page.Text1,       &page.Text2,
                             &page.Text3,    &page.Text4,    &page.Text5,       &page.Text6};
  return fields[field];
}

QString* PageTextField(TSitePage& page, int field) {
  return const_cast<QString*>(PageTextField(static_cast<const TSitePage&>(page), field));
}

}  // namespace

QString EncodeBool(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

bool DecodeBool(const QString& text) { return text == QLatin1String("true"); }

std::optional<qint32> ParseDecimal(const QString& text) {
  int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
  if (text.size() == start || text.size() > start + 10) return std::nullopt;
  qint64 value = 0;
  for (int i = start; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
  }
  if (start == 1) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<qint32>(value);
}

void WriteAccount(const Site& site, SettingsStore& store) {
  const TAccount& a = site.SiteAccount;
  store.WriteSetting(QStringLiteral("FirstName"), a.FirstName);
  store.WriteSetting(QStringLiteral("LastName"), a.LastName);
  store.WriteSetting(QStringLiteral("Email"), a.Email);
  store.WriteSetting(QStringLiteral("Password"), a.Password);
  store.WriteSetting(QStringLiteral("UnixName"), a.UnixName);
  store.WriteSetting(QStringLiteral("Domain"), a.Domain);
  store.WriteSetting(QStringLiteral("FtpHost"), a.FtpHost);
  store.WriteSetting(QStringLiteral("FtpUsername"), a.FtpUsername);
  store.WriteSetting(QStringLiteral("FtpPassword"), a.FtpPassword);
  store.WriteSetting(QStringLiteral("FtpPort"), QString::number(a.FtpPort));
  store.WriteSetting(QStringLiteral("FtpPath"), a.FtpPath);
  store.WriteSetting(QStringLiteral("HostingPackage"), a.HostingPackage);
  store.WriteSetting(QStringLiteral("SelectedTemplateIndex"),
                     QString::number(site.SelectedTemplateIndex));
  store.WriteSetting(QStringLiteral("MoxaSiteStatus"), EncodeBool(a.MoxaSiteStatus));
  store.WriteSetting(QStringLiteral("UnixCreated"), EncodeBool(a.UnixCreated));
}

void WritePageTable(const Site& site, SettingsStore& store) {
  // Remove the text values of the previous table. Flags are overwritten or
  // left unread. A table never held more than the capacity, so a hand-edited
  // huge count cannot make this loop run for ever.
  if (const auto previous = ParseDecimal(store.ReadSetting(QStringLiteral("PageCount")))) {
    const int last = std::min(*previous, Site::kPageCapacity - 1);
    for (int n = 0; n <= last; ++n) {
      for (const char* field : kPageTextFields) store.RemoveSetting(PageValueName(field, n));
    }
  }
  store.WriteSetting(QStringLiteral("PageCount"), QString::number(site.LastPageIndex()));
  for (int n = 0; n < site.PageCount(); ++n) {
    const TSitePage& page = site.Page(n);
    for (int f = 0; f < static_cast<int>(std::size(kPageTextFields)); ++f) {
      store.WriteSetting(PageValueName(kPageTextFields[f], n), *PageTextField(page, f));
    }
    store.WriteSetting(PageValueName("ShowInMenu", n), EncodeBool(page.ShowInMenu));
    store.WriteSetting(PageValueName("IsHomePage", n), EncodeBool(page.IsHomePage));
    store.WriteSetting(PageValueName("Changed", n), EncodeBool(page.Changed));
  }
}

bool SaveAccount(const Site& site, SettingsStore& store) {
  WriteAccount(site, store);
  return store.Commit();
}

bool SavePageTable(const Site& site, SettingsStore& store) {
  WritePageTable(site, store);
  return store.Commit();
}

bool SaveSite(const Site& site, SettingsStore& store) {
  WriteAccount(site, store);
  WritePageTable(site, store);
  return store.Commit();
}

void KeepPasswordsIn(const Keychain& keychain, SettingsStore& store, std::function<void()> noticeOnce) {
  store.KeepSecretsIn(keychain, {QStringLiteral("Password"), QStringLiteral("FtpPassword")}, std::move(noticeOnce));
}

bool PasswordsUnread(const SettingsStore& store, const TAccount& account) {
  return (account.Password.isEmpty() && store.SecretUnread(QStringLiteral("Password"))) ||
         (account.FtpPassword.isEmpty() && !account.FtpHost.isEmpty() &&
          store.SecretUnread(QStringLiteral("FtpPassword")));
}

QString KeychainUnreadMessage() {
  return QStringLiteral(
      "Your password could not be read from your desktop's keychain. Type it in again, or open the "
      "keychain and start the program again.");
}

QString KeychainMissingMessage() {
  return QStringLiteral(
      "Your passwords could not be put in your desktop's keychain, because no keychain service is "
      "running. They are kept in your settings file, which only you can read.");
}

QString UnreadableSettingsMessage() {
  return QStringLiteral("Your site's settings could not be read.");
}

SiteLoad LoadSite(const SettingsStore& store, Site& site) {
  SiteLoad load;
  // An unreadable store reads as empty: that must not pass for "no site".
  if (!store.Readable()) {
    load.Result = LoadSiteResult::Unreadable;
    return load;
  }
  auto read = [&store](const char* name) { return store.ReadSetting(QLatin1String(name)); };
  if (read("UnixName").isEmpty()) return load;

  TAccount& a = site.SiteAccount;
  a.FirstName = read("FirstName");
  a.LastName = read("LastName");
  a.Email = read("Email");
  a.Password = read("Password");
  a.UnixName = read("UnixName");
  // The own-domain values are read back too: without them a paid site
  // published after a restart would go to the wrong server.
  a.Domain = read("Domain");
  a.FtpHost = read("FtpHost");
  a.FtpUsername = read("FtpUsername");
  a.FtpPassword = read("FtpPassword");
  a.FtpPort = ParseDecimal(read("FtpPort")).value_or(0);
  a.FtpPath = read("FtpPath");
  const QString package = read("HostingPackage");
  if (!package.isEmpty()) a.HostingPackage = package;
  a.MoxaSiteStatus = DecodeBool(read("MoxaSiteStatus"));
  a.UnixCreated = DecodeBool(read("UnixCreated"));

  const auto templateIndex = ParseDecimal(read("SelectedTemplateIndex"));
  const auto pageCount = ParseDecimal(read("PageCount"));
  if (!templateIndex || !pageCount) {
    load.Result = LoadSiteResult::Unreadable;
    return load;
  }
  site.SelectedTemplateIndex = *templateIndex;
  site.ClearPages();
  const int last = std::min(*pageCount, Site::kPageCapacity - 1);
  for (int n = 0; n <= last; ++n) {
    TSitePage page;
    for (int f = 0; f < static_cast<int>(std::size(kPageTextFields)); ++f) {
      *PageTextField(page, f) = store.ReadSetting(PageValueName(kPageTextFields[f], n));
    }
    page.ShowInMenu = DecodeBool(store.ReadSetting(PageValueName("ShowInMenu", n)));
    page.IsHomePage = DecodeBool(store.ReadSetting(PageValueName("IsHomePage", n)));
    page.Changed = DecodeBool(store.ReadSetting(PageValueName("Changed", n)));
    // A stored name is used as a path: one that is no plain page name
    // ("../outside", a control character) is left out and reported.
    if (!IsUsablePageFileName(page.FileName) || site.IndexOfFileName(page.FileName) >= 0) {
      load.SkippedPages << page.FileName;
      continue;
    }
    site.AppendPage(page);
  }
  load.Result = LoadSiteResult::Loaded;
  return load;
}

}  // namespace moxa
