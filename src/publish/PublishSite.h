#pragma once

#include "online/ServiceEndpoints.h"
#include "platform/Outcome.h"
#include "publish/SiteUpload.h"
#include "site/Folders.h"
#include "site/Site.h"

#include <QString>

#include <functional>

namespace moxa {

// The shared FTP account of the hosting service and its two passwords.
inline constexpr char kSharedFtpUser[] = "bramocom";
inline constexpr char kPublishFtpPassword[] = "Q4r>!Lx8Wd";
inline constexpr char kAccountSaveFtpPassword[] = "h7TzKq2Vw";

// The shared server's folder of a site: "/moxasites/NAME/".
QString SiteFtpFolder(const QString& unixName);

// Which placeholder, if any, goes up when a name is registered.
enum class Placeholder {
  None,                // publishing registers first and then uploads the real pages
  AfterSiteCreation,   // a copy made in the working folder, the publishing password
  AfterAccountSave,    // straight from the data folder, the account-save password
};

// Registers the site's name (newunix). On success the name the service
// gave is adopted, UnixCreated set and, when asked, the placeholder page is
// uploaded as index.html into that name's folder. No answer is
// ServiceUnreachable; an answer that is not a plain site name (a network's
// login page, say) is NameNotRegistered; UnixCreated then stays false. A
// registered name whose placeholder did not go up is PlaceholderMissing.
// The caller saves the account either way.
Outcome RegisterSiteName(Site& site, const ServiceEndpoints& service, const Folders& folders,
                         Placeholder placeholder);

struct PublishSettings {
  ServiceEndpoints Service;
  Folders Paths;
  int TemplateNumber = 0;  // the folder number of the site's template
  // Certificates to trust for own domains besides the system's (tests).
  QString OwnDomainCaFile;
  UploadProgress Progress;
  // Stores the account as soon as the service has registered the name,
  // before anything goes up: a publish cut short after that point must not
  // register the site a second time. False (not stored) stops the publish.
  std::function<bool(const TAccount&)> StoreRegistration;
};

enum class PublishOutcome {
  Published,       // every changed page is up
  DomainNotReady,  // a new own domain whose hosting is not ready: nothing went up
  Failed,          // see Error; the pages not uploaded keep their marks
};

struct PublishResult {
  PublishOutcome Outcome = PublishOutcome::Failed;
  QString Error;            // for the developer's eyes; the user sees the fixed message
  bool Registered = false;  // the name was registered by this publish
  bool AccountChanged = false;
};

// The whole publish, synchronously: registration when needed (stored at
// once through StoreRegistration; a failed one stops the publish), the page
// list to the service, then the changed pages and their pictures to the
// server the plan decides. The caller saves the account and page table
// afterwards, whatever the outcome.
[[nodiscard]] PublishResult PublishSite(Site& site, const PublishSettings& settings);


}  // namespace moxa
