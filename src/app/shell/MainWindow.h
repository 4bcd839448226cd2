#pragma once

#include "app/editor/EditorSession.h"
#include "app/shell/Pictures.h"
#include "app/shell/ServiceJobHooks.h"
#include "app/shell/ShellLayout.h"
#include "session/SiteSession.h"
#include "site/Folders.h"
#include "site/Site.h"
#include "site/SiteStore.h"
#include "site/StagedSite.h"
#include "templates/TemplateLibrary.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace moxa {

class DialogLayer;
class SettingsStore;
class EditorController;
class EditorScreen;
class GalleryScreen;
class PageActions;
class PageManagerScreen;
class PublishController;
class LoginController;
class AddressController;
class AccountController;
class AccountScreen;
class PlansScreen;
class UpgradeController;
struct ServiceEndpoints;
class SiteJob;
class SkinnedButton;
class StartScreen;
class WindowChrome;

enum class SaveAnswer { Save, DontSave, Cancel };

// The boxes and choices the window puts to the user. Tests answer them
// without a modal loop; the program uses the standard dialogs.
struct UserPrompts {
  std::function<void(const QString&)> information;
  std::function<void(const QString&)> error;
  std::function<QString()> chooseFolder;  // "" when cancelled
  std::function<bool(const QString&)> confirm;  // OK (true) or Cancel
  std::function<void(const QString&)> openUrl;  // in the user's browser
  std::function<QString()> askPassword;          // the masked login prompt; "" when cancelled
  // Save / Don't Save / Cancel, where no dialog of the window's own can wait
  // for the answer (the desktop session ending).
  std::function<SaveAnswer(const QString&)> askSaveChanges;
  static UserPrompts Standard(QWidget* parent);
};

// The one window of the program. It owns the user's site session, creates
// the screens and wires them together; what each screen does lives in its
// own class, and every workflow on the site in the session.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(const Folders& folders, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up load: the start screen without a site, else the Page Manager.
  // A store that cannot be read is reported and never taken for "no site".
  LoadSiteResult LoadStoredSite();

  SiteSession& siteSession() { return *siteSession_; }
  Site& site() { return siteSession_->site(); }
  SettingsStore& store() { return siteSession_->store(); }
  const TemplateLibrary& templateLibrary() const { return siteSession_->library(); }
  const Folders& folders() const { return folders_; }
  const Pictures& pictures() const { return pictures_; }
  Screen currentScreen() const { return screen_; }
  int activeTab() const { return activeTab_; }
  bool isMaximised() const { return maximised_; }
  int step() const;
  const ShellGeometry& geometryOfLayout() const { return layout_; }
  void setPrompts(UserPrompts prompts) { prompts_ = std::move(prompts); }
  void setSiteCreationMinimum(int milliseconds) { creationMinimum_ = milliseconds; }

  StartScreen* startScreen() const { return start_; }
  GalleryScreen* galleryScreen() const { return gallery_; }
  EditorScreen* editorScreen() const { return editor_; }
  PageManagerScreen* pageManagerScreen() const { return pageManager_; }
  DialogLayer* dialogLayer() const { return layer_; }
  EditorSession& editorSession() { return *session_; }
  EditorController* editorController() const { return editorController_; }
  PageActions* pageActions() const { return pageActions_; }
  PublishController* publishing() const { return publishing_; }
  LoginController* login() const { return login_; }
  AddressController* address() const { return address_; }
  AccountScreen* accountScreen() const { return account_; }
  AccountController* accountController() const { return accountController_; }
  PlansScreen* plansScreen() const { return publish_; }
  UpgradeController* upgrade() const { return upgrade_; }
  // The hosting service every job of the window talks to.
  void setServiceEndpoints(const ServiceEndpoints& service);
  WindowChrome* chrome() const { return chrome_; }
  SkinnedButton* tab(int n) const { return tabs_[static_cast<size_t>(n - 1)]; }

  // The navigation of the window, also used by tests.
  void SelectTabAndScreen(int tab);
  void ToggleMaximised();
  // Puts the window where it was at the end of the last run (kept on a
  // screen), or centres it on the first run.
  void RestorePlacement();
  void EnterSiteLayout();
  void RunLayoutPass();
  // The desktop session is ending: false when the user chose to stay
  // (Cancel, or a save that failed). Unsaved work is asked about only
  // where the desktop lets the program ask.
  bool MayEndSession(bool allowsInteraction);

 signals:
  void siteCreationFinished(bool ok);
  void templateChangeFinished(bool ok);
  void exportFinished(bool ok);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateScreens();
  void CreateTabs();
  void CreatePublishing();
  void CreateLogin();
  void CreateAccount();
  ServiceJobHooks ServiceJobs();
  void OnLoggedIn();
  void ShowScreen(Screen screen);
  void SelectTab(int n);
  void ShowTab(int n);
  void ShowTabs(bool visible);
  void OnNewSiteTab();
  void OnStartClose();
  void OnNewSiteAccepted(const QString& typed);
  void StartSiteCreation();
  void FinishSiteCreation(StagedSite& staged);
  void OnApplyTemplate();
  void FinishTemplateChange(StagedSite& staged);
  void OnExport();
  void FinishExport(const Outcome& outcome);
  PageProgress BusyProgress(const QString& doing);
  void OnEditPage(int row);
  void ApplyWindowShape();
  bool HasSite() const;
  void OnBackToSite();

  Folders folders_;
  Pictures pictures_;
  // Pictures of the templates, for the gallery, found by the session's scan.
  std::vector<QImage> galleryScreenshots_;
  std::unique_ptr<SiteSession> siteSession_;
  // The name typed for a new site, kept apart until the site is made:
  // going back to the current site must find its account untouched.
  QString newSiteName_;
  UserPrompts prompts_;
  Screen screen_ = Screen::Start;
  int activeTab_ = 0;
  bool maximised_ = false;
  QRect restoreBounds_;
  QSize startFrameSize_ = ShellMetrics::kDesignFrame;
  ShellGeometry layout_;
  int creationMinimum_ = 2000;
  // The user has answered the unsaved-changes question of this close.
  bool closeAnswered_ = false;

  WindowChrome* chrome_ = nullptr;
  StartScreen* start_ = nullptr;
  SkinnedButton* startClose_ = nullptr;
  GalleryScreen* gallery_ = nullptr;
  PublishController* publishing_ = nullptr;
  LoginController* login_ = nullptr;
  AddressController* address_ = nullptr;
  EditorScreen* editor_ = nullptr;
  PageManagerScreen* pageManager_ = nullptr;
  AccountScreen* account_ = nullptr;
  AccountController* accountController_ = nullptr;
  PlansScreen* publish_ = nullptr;
  UpgradeController* upgrade_ = nullptr;
  DialogLayer* layer_ = nullptr;
  EditorSession* session_ = nullptr;
  EditorController* editorController_ = nullptr;
  PageActions* pageActions_ = nullptr;
  SiteJob* siteJob_ = nullptr;
  std::array<SkinnedButton*, 5> tabs_{};
};

}  // namespace moxa
