#include "publish/PublishSite.h"

#include "online/Protocol.h"
#include "online/SiteName.h"
#include "platform/HttpFetch.h"
#include "site/Plan.h"
#include "site/SafeFile.h"
#include "site/TextFiles.h"

#include <QFile>

namespace moxa {

namespace {

FtpLogin SharedLogin(const ServiceEndpoints& service, const char* password) {
  FtpLogin login;
  SplitFtpHost(service.FtpHost, 21, login);
  login.User = QString::fromLatin1(kSharedFtpUser);
  login.Password = QString::fromLatin1(password);
  return login;
}

FtpLogin OwnDomainLogin(const TAccount& account, const QString& caFile) {
  FtpLogin login;
  SplitFtpHost(account.FtpHost, account.FtpPort > 0 ? account.FtpPort : 21, login);
  login.User = account.FtpUsername;
  login.Password = account.FtpPassword;
  login.Security = FtpSecurity::ControlTls;
  login.CaFile = caFile;
  return login;
}

bool UploadPlaceholder(const ServiceEndpoints& service, const Folders& folders, const QString& name,
                       Placeholder placeholder, QString* error) {
  QString source = folders.DataFolder() + QStringLiteral("_pblank.html");
  if (placeholder == Placeholder::AfterSiteCreation) {
    const QString copy = folders.WorkFolder() + QStringLiteral("_pblank.html");
    QFile::remove(copy);
    if (!QFile::copy(source, copy)) {
      if (error) *error = QStringLiteral("_pblank.html: the placeholder cannot be copied");
      return false;
    }
    source = copy;
  }
  bool read = false;
  const QByteArray text = ReadTextFile(source, &read);
  if (!read) {
    if (error) *error = QStringLiteral("_pblank.html: the placeholder cannot be read");
    return false;
  }
  // The staging file, as for the pages.
  const WrapTarget target{service.Base(), name, 0};
  const QString staging = StagingFile(folders);
  if (!WriteFileSafely(staging, WrapPageAsPhp(text, target, false))) {
    if (error) *error = QStringLiteral("index.html.php: the staging file cannot be written");
    return false;
  }
  const char* password =
      placeholder == Placeholder::AfterAccountSave ? kAccountSaveFtpPassword : kPublishFtpPassword;
  FtpUploader uploader(SharedLogin(service, password));
  return uploader.Upload(SiteFtpFolder(name), staging, QStringLiteral("index.html.php"), error);
}

bool Upload(Site& site, const PublishSettings& settings, const FtpLogin& login, const QString& folder,
            QString* error) {
  FtpUploader uploader(login);
  const WrapTarget target{settings.Service.Base(), site.SiteAccount.UnixName, settings.TemplateNumber};
  return UploadChangedPages(site, settings.Paths, target, uploader, folder, settings.Progress, error);
}

}  // namespace

QString SiteFtpFolder(const QString& unixName) {
  return QStringLiteral("/moxasites/") + unixName + u'/';
}

Outcome RegisterSiteName(Site& site, const ServiceEndpoints& service, const Folders& folders,
                         Placeholder placeholder) {
  const Result<QByteArray> answer = FetchUrlBytes(NewUnixUrl(service, site.SiteAccount.UnixName));
  if (!answer) {
    site.SiteAccount.UnixCreated = false;
    return answer.outcome();
  }
  const QString name = QString::fromUtf8(answer.value()).remove(u'\r').remove(u'\n');
  if (!IsPlainSiteName(name)) {
    site.SiteAccount.UnixCreated = false;
    return Outcome(ErrorCode::NameNotRegistered, name.isEmpty() ? QStringLiteral("the service gave no name")
                                                                 : QStringLiteral("the service's answer is not a site name"));
  }
  site.SiteAccount.UnixName = name;
  site.SiteAccount.UnixCreated = true;
  // The placeholder goes into the folder of the name the service gave: the
  // name asked for may be another site's.
  if (placeholder != Placeholder::None) {
    QString placeholderError;
    if (!UploadPlaceholder(service, folders, name, placeholder, &placeholderError)) {
      return Outcome(ErrorCode::PlaceholderMissing, placeholderError);
    }
  }
  return Outcome::Done();
}

PublishResult PublishSite(Site& site, const PublishSettings& settings) {
  PublishResult result;
  TAccount& account = site.SiteAccount;
  if (!account.UnixCreated) {
    result.AccountChanged = true;
    const Outcome registered = RegisterSiteName(site, settings.Service, settings.Paths, Placeholder::None);
    result.Registered = registered.ok();
    if (!registered) {
      result.Error = registered.detail();
      return result;
    }
    if (settings.StoreRegistration && !settings.StoreRegistration(account)) {
      result.Error = QStringLiteral("the registered name could not be stored");
      return result;
    }
  }
  if (FetchUrlText(UpdatePagesUrl(settings.Service, account.UnixName, PageList(site.SitePages())))
          .isEmpty()) {
    result.Error = QStringLiteral("the service did not take the page list");
    return result;
  }

  // A plan the program does not know could send the pages anywhere.
  if (!Plan::IsKnownName(account.HostingPackage)) {
    result.Error = QStringLiteral("unknown hosting plan \"%1\"").arg(account.HostingPackage);
    return result;
  }
  const Plan plan = Plan::Of(account);
  bool uploaded = false;
  if (plan.OnServiceAddress()) {
    uploaded = Upload(site, settings, SharedLogin(settings.Service, kPublishFtpPassword),
                      SiteFtpFolder(account.UnixName), &result.Error);
  } else {
    if (account.Domain.isEmpty() || account.FtpHost.isEmpty()) {
      QString record = FetchUrlText(GetFtpDetailsUrl(settings.Service, account.UnixName));
      if (record.isEmpty()) {
        result.Outcome = PublishOutcome::DomainNotReady;
        return result;
      }
      if (!ReadFtpRecord(record, account)) {
        result.Error = QStringLiteral("the service's FTP details were cut short");
        return result;
      }
      result.AccountChanged = true;
    }
    uploaded = Upload(site, settings, OwnDomainLogin(account, settings.OwnDomainCaFile),
                      account.FtpPath, &result.Error);
  }
  if (uploaded) result.Outcome = PublishOutcome::Published;
  return result;
}

}  // namespace moxa
