#include "publish/PublishSite.h"

#include "online/Protocol.h"
#include "online/SiteName.h"
#include "platform/HttpFetch.h"
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

QString PublishFailedMessage() {
  return QStringLiteral("There was a problem publishing your site. Please check your internet connection.");
}

QString DomainNotReadyMessage() {
  return QStringLiteral("Your domain has just been registered.\r\nYou'll be able to upload your site in 24 hours.");
}

bool RegisterSiteName(Site& site, const ServiceEndpoints& service, const Folders& folders,
                      Placeholder placeholder, QString* error) {
  const QString name = FetchUrlText(NewUnixUrl(service, site.SiteAccount.UnixName));
  if (!IsPlainSiteName(name)) {
    site.SiteAccount.UnixCreated = false;
    if (error) {
      *error = name.isEmpty() ? QStringLiteral("the service did not register the name")
                              : QStringLiteral("the service's answer is not a site name");
    }
    return false;
  }
  site.SiteAccount.UnixName = name;
  site.SiteAccount.UnixCreated = true;
  // The placeholder goes into the folder of the name the service gave: the
  // name asked for may be another site's.
  if (placeholder != Placeholder::None) {
    QString placeholderError;
    if (!UploadPlaceholder(service, folders, name, placeholder, &placeholderError) && error) {
      *error = placeholderError;
    }
  }
  return true;
}

PublishResult PublishSite(Site& site, const PublishSettings& settings) {
  PublishResult result;
  TAccount& account = site.SiteAccount;
  if (!account.UnixCreated) {
    result.AccountChanged = true;
    result.Registered =
        RegisterSiteName(site, settings.Service, settings.Paths, Placeholder::None, &result.Error);
    if (!result.Registered) return result;
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

  const QString& plan = account.HostingPackage;
  const bool ownDomain = (plan == QLatin1String("plus")) ||
                         (plan == QLatin1String("max") && !account.Domain.isEmpty());
  bool uploaded = false;
  if (plan == QLatin1String("free") || (plan == QLatin1String("max") && account.Domain.isEmpty())) {
    uploaded = Upload(site, settings, SharedLogin(settings.Service, kPublishFtpPassword),
                      SiteFtpFolder(account.UnixName), &result.Error);
  } else if (ownDomain) {
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
  } else {
    result.Error = QStringLiteral("unknown hosting plan \"%1\"").arg(plan);
  }
  if (uploaded) result.Outcome = PublishOutcome::Published;
  return result;
}

}  // namespace moxa
