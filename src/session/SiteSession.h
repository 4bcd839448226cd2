#pragma once

#include "online/Login.h"
#include "online/ServiceEndpoints.h"
#include "platform/Keychain.h"
#include "platform/Outcome.h"
#include "platform/SettingsStore.h"
#include "publish/PublishSite.h"
#include "site/Folders.h"
#include "site/Site.h"
#include "site/SiteStore.h"
#include "site/StagedSite.h"
#include "templates/TemplateLibrary.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace moxa {

// The user's site as one program works on it: the record, the settings store
// it lives in, the keychain behind the store, the template library and the
// hosting service. The window and moxa-tool both work through it, so every
// workflow is written once and follows the same order: build beside, store,
// then swap.
//
// Long workflows come in two halves: `...Work` gives a job made of values
// only (never the store or this object), which a worker may run, and
// `Finish...` puts its result in place on the thread that owns the session.
class SiteSession {
 public:
  SiteSession(Folders folders, TemplateLibrary library, ServiceEndpoints service);
  SiteSession(const SiteSession&) = delete;
  SiteSession& operator=(const SiteSession&) = delete;

  const Folders& folders() const { return folders_; }
  Site& site() { return site_; }
  const Site& site() const { return site_; }
  SettingsStore& store() { return *store_; }
  const TemplateLibrary& library() const { return library_; }
  const ServiceEndpoints& service() const { return service_; }
  void setService(const ServiceEndpoints& service) { service_ = service; }

  // The folder number of the site's template; 0 (no template) when the
  // stored choice names none of the library, so operations refuse instead
  // of working from a wrong one.
  int TemplateNumber() const;
  // The stored settings could not be read: there may well be a site.
  bool StoreUnreadable() const { return storeUnreadable_; }
  // There is a site (or may be one) that a new site would replace.
  bool HasSite() const;

  struct LoadReport {
    LoadSiteResult Result = LoadSiteResult::NoSite;
    // What the user is told: an unreadable store, pages left out.
    QStringList Errors;
  };
  // Opens the store afresh and loads the site from it, after finishing or
  // undoing whatever change the end of a run cut short. Passwords come from
  // the keychain when it answers (see TakeArrivedPasswords); `keychainNotice`
  // runs once when they have to stay in the settings file.
  LoadReport Load(std::function<void()> keychainNotice);
  // Passwords that the keychain gave after the load went on without them,
  // for the site loaded then and only where nothing took their place. False
  // when the site is no longer the one loaded then.
  bool TakeArrivedPasswords(const QString& loadedSite);


  // A new site: the record for the name the user typed and the template at
  // gallery position `templateIndex`, the work that builds its files, and
  // the step that stores it and swaps it in.
  Site NewSiteRecord(const QString& typedName, int templateIndex) const;
  std::function<StagedSite()> NewSiteWork(const Site& record) const;
  Outcome FinishNewSite(StagedSite& staged);
  // Both halves at once.
  Outcome CreateNewSite(const QString& typedName, int templateIndex);

  // A new look for the site: the labels of the pages whose text the template
  // at `templateIndex` has no place for (the user is asked first), the work
  // and the step that puts it in place.
  QStringList PagesLosingText(int templateIndex) const;
  std::function<StagedSite()> TemplateChangeWork(int templateIndex, PageProgress progress = {}) const;
  Outcome FinishTemplateChange(StagedSite& staged);

  // A login: the work that brings the site of `email` down beside the
  // working folder (`keepAlive` holds what `control` points at), and the
  // step that stores it and swaps it in.
  std::function<BroughtDownSite()> LoginWork(const QString& email, const QString& password,
                                             LoginControl control, std::shared_ptr<void> keepAlive = {}) const;
  LoginOutcome FinishLogin(BroughtDownSite& down);
  // Both at once.
  LoginOutcome LogIn(const QString& email, const QString& password);

  // The saved site copied into `folder` (ExportRefused, ExportIncomplete
  // with the files that could not be written).
  std::function<Outcome()> ExportWork(const QString& folder, PageProgress progress = {}) const;

  // Publishing: the settings it runs with (the worker stores the
  // registration through `storeRegistration`, on this thread), and the step
  // that takes the published record back and stores it. The outcome is the
  // publish's own (PublishFailed, DomainNotReady), else SettingsNotSaved.
  PublishSettings PublishSettingsFor(std::function<bool(const TAccount&)> storeRegistration,
                                     UploadProgress progress = {}, const QString& caFile = {}) const;
  Outcome FinishPublish(const Site& published, const PublishResult& result);
  // Both at once, for moxa-tool; `registered` tells whether the name was
  // registered by this publish.
  Outcome Publish(UploadProgress progress, const QString& caFile);

  // Saving the account screen's details: the work that registers the site's
  // name where the service does not know it yet and sends every field, and
  // the step that takes the name the service gave and stores the account.
  // AccountNotSaved when the service did not take them (the account in memory
  // keeps what the screen said); PlaceholderMissing in `Notice` when the name
  // was registered without its page.
  struct AccountSave {
    bool Saved = false;
    TAccount Account;
    bool PlaceholderMissing = false;
  };
  std::function<AccountSave()> AccountSaveWork(const TAccount& account, const QString& oldName) const;
  Outcome FinishAccountSave(const AccountSave& save);

  // The account and the page table stored as one change.
  Outcome SaveSite();
  // The account alone.
  Outcome SaveAccount();

 private:
  Folders folders_;
  TemplateLibrary library_;
  ServiceEndpoints service_;
  Keychain keychain_;
  std::unique_ptr<SettingsStore> store_;
  Site site_;
  bool storeUnreadable_ = false;
};

}  // namespace moxa
