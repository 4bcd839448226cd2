#include "session/SiteSession.h"

#include "online/AccountRequests.h"
#include "online/SiteName.h"
#include "pages/PageEditing.h"
#include "session/UserMessages.h"
#include "site/Recovery.h"
#include "templates/SiteCreation.h"
#include "templates/TemplateApply.h"

namespace moxa {

SiteSession::SiteSession(Folders folders, TemplateLibrary library, ServiceEndpoints service)
    : folders_(std::move(folders)),
      library_(std::move(library)),
      service_(std::move(service)),
      keychain_(QString::fromLatin1(kApplicationName)),
      store_(std::make_unique<SettingsStore>()) {}

int SiteSession::TemplateNumber() const { return library_.NumberAt(site_.SelectedTemplateIndex).value_or(0); }

bool SiteSession::HasSite() const {
  return storeUnreadable_ || !site_.SiteAccount.UnixName.isEmpty() || site_.PageCount() > 0;
}

SiteSession::LoadReport SiteSession::Load(std::function<void()> keychainNotice) {
  store_ = std::make_unique<SettingsStore>();
  // A change that the end of a run cut short is finished or undone first,
  // so the pages match the stored table.
  RecoverUnfinishedChanges(folders_, *store_);
  KeepPasswordsIn(keychain_, *store_, std::move(keychainNotice));
  site_ = Site();
  const SiteLoad load = LoadSite(*store_, site_);
  storeUnreadable_ = load.Result == LoadSiteResult::Unreadable;
  LoadReport report;
  report.Result = load.Result;
  if (storeUnreadable_) report.Errors << UserMessage(ErrorCode::SettingsUnreadable);
  if (!load.SkippedPages.isEmpty()) report.Errors << SkippedStoredPagesMessage(load.SkippedPages);
  return report;
}

bool SiteSession::TakeArrivedPasswords(const QString& loadedSite) {
  TAccount& account = site_.SiteAccount;
  if (account.UnixName != loadedSite) return false;
  if (account.Password.isEmpty()) account.Password = store_->ReadSetting(QStringLiteral("Password"));
  if (account.FtpPassword.isEmpty()) account.FtpPassword = store_->ReadSetting(QStringLiteral("FtpPassword"));
  return true;
}

Site SiteSession::NewSiteRecord(const QString& typedName, int templateIndex) const {
  Site record;
  record.SiteAccount = NewSiteAccount(site_.SiteAccount, SanitizeSiteName(typedName));
  record.SelectedTemplateIndex = templateIndex;
  return record;
}

std::function<StagedSite()> SiteSession::NewSiteWork(const Site& record) const {
  const int number = library_.NumberAt(record.SelectedTemplateIndex).value_or(0);
  return [record, folders = folders_, number] { return StageNewSite(record, folders, number); };
}

Outcome SiteSession::FinishNewSite(StagedSite& staged) {
  const Outcome outcome = PutStagedSiteInPlace(staged, site_, store_.get(), ErrorCode::SiteNotCreated);
  if (outcome) storeUnreadable_ = false;
  return outcome;
}

Outcome SiteSession::CreateNewSite(const QString& typedName, int templateIndex) {
  StagedSite staged = NewSiteWork(NewSiteRecord(typedName, templateIndex))();
  return FinishNewSite(staged);
}

QStringList SiteSession::PagesLosingText(int templateIndex) const {
  return moxa::PagesLosingText(site_, folders_, library_.NumberAt(templateIndex).value_or(0));
}

std::function<StagedSite()> SiteSession::TemplateChangeWork(int templateIndex, PageProgress progress) const {
  const int number = library_.NumberAt(templateIndex).value_or(0);
  return [site = site_, folders = folders_, number, templateIndex, progress] {
    return StageTemplateChange(site, folders, number, templateIndex, progress);
  };
}

Outcome SiteSession::FinishTemplateChange(StagedSite& staged) {
  return PutStagedSiteInPlace(staged, site_, store_.get(), ErrorCode::TemplateNotApplied);
}

std::function<BroughtDownSite()> SiteSession::LoginWork(const QString& email, const QString& password,
                                                       LoginControl control, std::shared_ptr<void> keepAlive) const {
  return [site = site_, folders = folders_, service = service_, email, password, control, keepAlive] {
    return BringSiteDown(site, folders, service, email, password, control);
  };
}

LoginOutcome SiteSession::FinishLogin(BroughtDownSite& down) {
  const LoginOutcome outcome = PutLoginInPlace(down, site_, store_.get());
  if (outcome.Outcome == LoginOutcome::Result::LoggedIn) storeUnreadable_ = false;
  return outcome;
}

LoginOutcome SiteSession::LogIn(const QString& email, const QString& password) {
  BroughtDownSite down = LoginWork(email, password, {})();
  return FinishLogin(down);
}

std::function<Outcome()> SiteSession::ExportWork(const QString& folder, PageProgress progress) const {
  return [site = site_, folders = folders_, folder, progress] {
    const ExportResult result = ExportSite(site, folders, folder, progress);
    if (result.Ok) return Outcome::Done();
    if (result.FailedFiles.isEmpty()) return Outcome(ErrorCode::ExportRefused, folder);
    return Outcome(ErrorCode::ExportIncomplete, result.FailedFiles.join(QStringLiteral(", ")));
  };
}

PublishSettings SiteSession::PublishSettingsFor(std::function<bool(const TAccount&)> storeRegistration,
                                               UploadProgress progress, const QString& caFile) const {
  return {service_, folders_, TemplateNumber(), caFile, std::move(progress), std::move(storeRegistration)};
}

Outcome SiteSession::FinishPublish(const Site& published, const PublishResult& result) {
  // Only what the publish decides: the name, its registration and the marks
  // of the pages that went up. Nothing else could change meanwhile.
  site_.SiteAccount = published.SiteAccount;
  site_.SitePages() = published.SitePages();
  const Outcome saved = SaveSite();
  switch (result.Outcome) {
    case PublishOutcome::Published: return saved;
    case PublishOutcome::DomainNotReady: return Outcome(ErrorCode::DomainNotReady);
    case PublishOutcome::Failed: break;
  }
  return Outcome(ErrorCode::PublishFailed, result.Error);
}

Outcome SiteSession::Publish(UploadProgress progress, const QString& caFile) {
  if (site_.SiteAccount.UnixName.isEmpty()) return Outcome(ErrorCode::NoSite);
  Site published = site_;
  const PublishSettings settings = PublishSettingsFor(
      [this](const TAccount& registered) {
        site_.SiteAccount.UnixName = registered.UnixName;
        site_.SiteAccount.UnixCreated = registered.UnixCreated;
        return SaveAccount().ok();
      },
      std::move(progress), caFile);
  const PublishResult result = PublishSite(published, settings);
  return FinishPublish(published, result);
}

std::function<SiteSession::AccountSave()> SiteSession::AccountSaveWork(const TAccount& account,
                                                                       const QString& oldName) const {
  return [account, oldName, service = service_, folders = folders_] {
    AccountSave save;
    Site copy;
    copy.SiteAccount = account;
    // An account saved online under a name the service never registered
    // would belong to no site; a missing placeholder fills at the first publish.
    if (!copy.SiteAccount.UnixCreated) {
      const Outcome registered = RegisterSiteName(copy, service, folders, Placeholder::AfterAccountSave);
      save.PlaceholderMissing = registered.code() == ErrorCode::PlaceholderMissing;
      if (!registered && !save.PlaceholderMissing) {
        save.Account = copy.SiteAccount;
        return save;
      }
    }
    save.Saved = SaveAccountOnline(copy.SiteAccount, oldName, service);
    save.Account = copy.SiteAccount;
    return save;
  };
}

Outcome SiteSession::FinishAccountSave(const AccountSave& save) {
  // Only what the service decided; the rest is what the screen said.
  site_.SiteAccount.UnixName = save.Account.UnixName;
  site_.SiteAccount.UnixCreated = save.Account.UnixCreated;
  if (!save.Saved) return Outcome(ErrorCode::AccountNotSaved);
  return SaveAccount();
}

Outcome SiteSession::SaveAccount() {
  return moxa::SaveAccount(site_, *store_) ? Outcome::Done() : Outcome(ErrorCode::SettingsNotSaved);
}

Outcome SiteSession::SaveSite() {
  return moxa::SaveSite(site_, *store_) ? Outcome::Done() : Outcome(ErrorCode::SettingsNotSaved);
}

}  // namespace moxa
