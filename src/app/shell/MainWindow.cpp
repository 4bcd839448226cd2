#include "app/shell/MainWindow.h"

#include "app/account/AccountController.h"
#include "app/account/AccountScreen.h"
#include "app/account/AddressController.h"
#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/RegionEditController.h"
#include "app/editor/RegionTracker.h"
#include "app/editor/SaveButtonFreeze.h"
#include "app/gallery/GalleryScreen.h"
#include "app/pagemanager/PageActions.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRows.h"
#include "app/plans/PlansScreen.h"
#include "app/plans/UpgradeController.h"
#include "app/publish/PublishController.h"
#include "app/publish/PublishedPanel.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/Animations.h"
#include "app/shell/SiteJob.h"
#include "app/shell/SkinnedButton.h"
#include "app/shell/WindowChrome.h"
#include "app/shell/WindowPlacement.h"
#include "app/start/LoginController.h"
#include "app/start/StartScreen.h"
#include "platform/SettingsStore.h"
#include "session/UserMessages.h"
#include "site/Plan.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

namespace moxa {

UserPrompts UserPrompts::Standard(QWidget* parent) {
  const QString title = QStringLiteral("Moxa Website Builder");
  return {[parent, title](const QString& text) { QMessageBox::information(parent, title, text); },
          [parent, title](const QString& text) { QMessageBox::critical(parent, title, text); },
          [parent] {
            return QFileDialog::getExistingDirectory(parent, QStringLiteral("Select a directory"),
                                                     QDir::homePath());
          },
          [parent, title](const QString& text) {
            return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                         QMessageBox::Cancel) == QMessageBox::Ok;
          },
          [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); },
          [parent] {
            return QInputDialog::getText(parent, QStringLiteral("Site Login"),
                                         QStringLiteral("Please Enter Your Password"), QLineEdit::Password);
          },
          [parent, title](const QString& text) {
            QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
            QPushButton* save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
            QPushButton* dontSave = box.addButton(QStringLiteral("Don't Save"), QMessageBox::DestructiveRole);
            box.addButton(QMessageBox::Cancel);
            box.setDefaultButton(save);
            box.exec();
            if (box.clickedButton() == save) return SaveAnswer::Save;
            if (box.clickedButton() == dontSave) return SaveAnswer::DontSave;
            return SaveAnswer::Cancel;
          }};
}

MainWindow::MainWindow(const Folders& folders, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      folders_(folders),
      pictures_(folders.DataFolder(), qApp ? qApp->devicePixelRatio() : 1.0),
      siteSession_(std::make_unique<SiteSession>(
          folders, TemplateLibrary::ScanWithScreenshots(folders, galleryScreenshots_), ServiceEndpoints::FromBuild())),
      prompts_(UserPrompts::Standard(this)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QStringLiteral("Moxa Website Builder"));
  setMinimumSize(ShellMetrics::kMinimumWidth, ShellMetrics::kMinimumHeight);
  resize(1202, 617);
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);

  chrome_ = new WindowChrome(this, pictures_);
  connect(chrome_->minimiseButton(), &SkinnedButton::clicked, this, &QWidget::showMinimized);
  connect(chrome_->maximiseButton(), &SkinnedButton::clicked, this, &MainWindow::ToggleMaximised);
  connect(chrome_->closeButton(), &SkinnedButton::clicked, this, &QWidget::close);
  connect(chrome_, &WindowChrome::gripReleased, this, &MainWindow::RunLayoutPass);
  CreateScreens();
  CreateTabs();
  ShowTabs(false);
  ShowScreen(Screen::Start);
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!MayEndSession(manager.allowsInteraction())) manager.cancel();
    manager.release();
  });
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateScreens() {
  session_ = new EditorSession(site(), folders_, [this] { return &store(); }, this);
  start_ = new StartScreen(pictures_, this);
  startClose_ = new SkinnedButton(pictures_.Skin(4), QStringLiteral("Close"), this);
  startClose_->setObjectName(QStringLiteral("startCloseButton"));
  startClose_->hide();
  gallery_ = new GalleryScreen(folders_, pictures_, this);
  gallery_->BuildGallery(templateLibrary(), std::move(galleryScreenshots_));
  galleryScreenshots_.clear();
  editor_ = new EditorScreen(pictures_, this);
  pageManager_ = new PageManagerScreen(site(), pictures_, this);
  account_ = new AccountScreen(pictures_, this);
  publish_ = new PlansScreen(pictures_, this);
  layer_ = new DialogLayer(pictures_, this);
  layer_->setBlocked([this] { return session_->SaveBusy(); });
  siteJob_ = new SiteJob(this);
  editorController_ = new EditorController(site(), folders_, pictures_, *session_, *editor_, *layer_,
                                           [this](const QString& text) { prompts_.error(text); },
                                           this);
  editorController_->regionEditor()->setConfirm(
      [this](const QString& text) { return prompts_.confirm(text); });
  pageActions_ = new PageActions(
      {site(), [this] { return PageContext{folders_, siteSession_->TemplateNumber(), &store()}; },
       *session_, *editorController_,
       *editor_, *pageManager_, *layer_, pictures_,
       [this](const QString& text) { prompts_.information(text); },
       [this](const QString& text) { prompts_.error(text); }},
      this);

  CreatePublishing();
  CreateLogin();
  CreateAccount();

  // The page's regions follow the mouse only while the page is in front of the user.
  RegionTracker* tracker = editorController_->regionTracker();
  const auto editorInFront = [this] {
    return screen_ == Screen::Editor && !layer_->isVisible() && !editor_->previewShown();
  };
  tracker->setEditorCurrent(editorInFront);
  connect(layer_, &DialogLayer::layerShown, tracker, &RegionTracker::StopTracking);
  connect(layer_, &DialogLayer::layerClosed, tracker, [tracker, editorInFront] {
    if (editorInFront()) tracker->StartTracking();
  });

  connect(start_, &StartScreen::newSiteAccepted, this, &MainWindow::OnNewSiteAccepted);
  connect(startClose_, &SkinnedButton::clicked, this, &MainWindow::OnStartClose);
  connect(gallery_, &GalleryScreen::nextClicked, this, &MainWindow::StartSiteCreation);
  connect(gallery_, &GalleryScreen::saveClicked, this, &MainWindow::OnApplyTemplate);
  connect(gallery_, &GalleryScreen::backToSiteClicked, this, &MainWindow::OnBackToSite);
  FreezeDuringSaveConfirmation(*gallery_->saveButton(), *session_);
  connect(pageManager_->exportButton(), &SkinnedButton::clicked, this, &MainWindow::OnExport);
  connect(pageManager_->rows(), &PageRows::editClicked, this, &MainWindow::OnEditPage);
}

void MainWindow::CreatePublishing() {
  PublishController::Hooks hooks;
  hooks.savePage = [this] {
    if (session_->SaveBeforePublish()) return true;
    prompts_.error(UserMessage(ErrorCode::PageNotSaved));
    return false;
  };
  hooks.frame = [this] { return layout_.frame; };
  hooks.information = [this](const QString& text) { prompts_.information(text); };
  hooks.error = [this](const QString& text) { prompts_.error(text); };
  hooks.openUrl = [this](const QString& url) {
    if (prompts_.openUrl) prompts_.openUrl(url);
  };
  hooks.openPlans = [this] { SelectTabAndScreen(5); };
  publishing_ = new PublishController(*siteSession_, pictures_, *layer_, this, std::move(hooks), this);
  connect(editor_->publishButton(), &SkinnedButton::clicked, publishing_,
          &PublishController::SaveAndPublish);

  AddressController::Hooks address;
  address.job = ServiceJobs();
  address.accountChanged = [this] {
    account_->SetSiteName(site().SiteAccount.UnixName);
    account_->SetLive(site().SiteAccount.MoxaSiteStatus);
  };
  address_ = new AddressController(site(), *publishing_->siteLivePanel(), *layer_, std::move(address), this);
}

ServiceJobHooks MainWindow::ServiceJobs() {
  return {[this]() -> const ServiceEndpoints& { return publishing_->service(); },
          [this] { return &store(); },
          [this](const QString& text) { prompts_.information(text); },
          [this](const QString& text) { prompts_.error(text); }};
}

void MainWindow::CreateAccount() {
  const auto noticesFollow = [this] {
    SiteLivePanel* live = publishing_->siteLivePanel();
    if (!Plan::Of(site().SiteAccount).IsFree()) return;
    if (!live->editing()) {
      live->SetAccount(site().SiteAccount, publishing_->service());
    }
    publishing_->publishedPanel()->SetAccount(site().SiteAccount, publishing_->service());
  };
  AccountController::Hooks hooks;
  hooks.job = ServiceJobs();
  hooks.accountSaved = noticesFollow;
  hooks.liveChosen = [this](bool live) {
    if (!publishing_->siteLivePanel()->editing()) publishing_->siteLivePanel()->SetLive(live);
  };
  accountController_ = new AccountController(*siteSession_, *account_, *layer_, std::move(hooks), this);
  connect(account_, &AccountScreen::publishRequested, this, [this] { SelectTabAndScreen(5); });

  UpgradeController::Hooks upgrade;
  upgrade.job = ServiceJobs();
  upgrade_ = new UpgradeController(site(), pictures_, *publish_, *layer_, std::move(upgrade), this);
  connect(publish_, &PlansScreen::publishRequested, publishing_, &PublishController::Publish);
}

void MainWindow::CreateLogin() {
  LoginController::Hooks hooks;
  hooks.askPassword = [this] { return prompts_.askPassword ? prompts_.askPassword() : QString(); };
  hooks.information = [this](const QString& text) { prompts_.information(text); };
  hooks.error = [this](const QString& text) { prompts_.error(text); };
  hooks.loggedIn = [this] { OnLoggedIn(); };
  login_ = new LoginController(*siteSession_, *layer_, std::move(hooks), this);
  connect(start_, &StartScreen::loginRequested, login_, &LoginController::LogIn);
  connect(start_, &StartScreen::passwordMailRequested, login_, &LoginController::SendPassword);
}

void MainWindow::OnLoggedIn() {
  gallery_->setSelectedIndex(site().SelectedTemplateIndex);
  if (site().PageCount() > 0) editorController_->OpenPage(site().HomePageFileName());
  EnterSiteLayout();
}

void MainWindow::setServiceEndpoints(const ServiceEndpoints& service) {
  siteSession_->setService(service);
}

void MainWindow::CreateTabs() {
  const char* names[] = {"New Site", "My Account", "Template", "Page Manager", "Publish"};
  for (int n = 1; n <= 5; ++n) {
    auto* tab = new SkinnedButton(pictures_.Skin(10 + n), QString::fromLatin1(names[n - 1]), this);
    tab->setObjectName(QStringLiteral("tab%1").arg(n));
    tab->setFeedbackFrozen([this, n] { return activeTab_ == n; });
    connect(tab, &SkinnedButton::clicked, this, [this, n] { SelectTabAndScreen(n); });
    tabs_[static_cast<size_t>(n - 1)] = tab;
  }
}

int MainWindow::step() const { return chrome_->step(); }

void MainWindow::ShowTabs(bool visible) {
  for (SkinnedButton* tab : tabs_) tab->setVisible(visible);
}


bool MainWindow::HasSite() const {
  return siteSession_->HasSite();
}

LoadSiteResult MainWindow::LoadStoredSite() {
  // Said after whatever save found the keychain missing has finished. The
  // window never waits for the keychain: until it answers the passwords
  // read as unread, never as empty (see PasswordsUnread).
  const SiteSession::LoadReport report = siteSession_->Load(
      [this] { QTimer::singleShot(0, this, [this] { prompts_.information(KeychainMissingMessage()); }); });
  // Passwords the keychain gives after the start went on without them.
  store().OnSecretsArrived([this, loaded = site().SiteAccount.UnixName] {
    if (siteSession_->TakeArrivedPasswords(loaded)) accountController_->PasswordsArrived();
  });
  gallery_->setSelectedIndex(site().SelectedTemplateIndex);
  if (report.Result == LoadSiteResult::Loaded) {
    if (site().PageCount() > 0) editorController_->OpenPage(site().HomePageFileName());
    EnterSiteLayout();
  }
  RunLayoutPass();
  chrome_->ShowStep(2);
  for (const QString& error : report.Errors) prompts_.error(error);
  return report.Result;
}


void MainWindow::EnterSiteLayout() {
  start_->hide();
  startClose_->hide();
  ShowTabs(true);
  SelectTabAndScreen(4);
}

// The panel of each screen, and which tab stands for it.
void MainWindow::ShowScreen(Screen screen) {
  if (screen != Screen::Editor) editorController_->regionTracker()->StopTracking();
  screen_ = screen;
  start_->setVisible(screen == Screen::Start);
  gallery_->setVisible(screen == Screen::Gallery);
  editor_->setVisible(screen == Screen::Editor);
  pageManager_->setVisible(screen == Screen::PageManager);
  account_->setVisible(screen == Screen::Account);
  publish_->setVisible(screen == Screen::Publish);
  // The keyboard goes to the page (Ctrl+S, scrolling), not to whatever tab
  // took it when the screen before went away.
  if (screen == Screen::Editor) editor_->browser()->setFocus(Qt::OtherFocusReason);
  RunLayoutPass();
}

void MainWindow::SelectTab(int n) {
  // The Page Manager's rows go when it is left (and are made again when it is shown).
  if (activeTab_ == 4) pageManager_->FreePageRows();
  if (activeTab_ >= 1 && activeTab_ <= 5) tab(activeTab_)->showNormalPicture();
  activeTab_ = n;
  tab(n)->showPicture(pictures_.Get(QStringLiteral("m%1.png").arg(n)));
}

void MainWindow::SelectTabAndScreen(int n) {
  // The page is left only once the user has said what becomes of its changes.
  editorController_->LeavePage(screen_ == Screen::Editor, [this, n] { ShowTab(n); });
}

void MainWindow::ShowTab(int n) {
  switch (n) {
    case 1: OnNewSiteTab(); return;
    case 2:
      SelectTab(2);
      chrome_->ShowStep(2);
      accountController_->Open();
      ShowScreen(Screen::Account);
      return;
    case 3:
      SelectTab(3);
      chrome_->ShowStep(2);
      gallery_->setMode(GalleryMode::ApplyTemplate);
      ShowScreen(Screen::Gallery);
      return;
    case 4:
      SelectTab(4);
      chrome_->ShowStep(2);
      ShowScreen(Screen::PageManager);
      pageManager_->BuildPageRows();
      return;
    case 5:
      SelectTab(5);
      chrome_->ShowStep(3);
      upgrade_->LayOut();
      ShowScreen(Screen::Publish);
      return;
    default: return;
  }
}

void MainWindow::OnNewSiteTab() {
  if (HasSite() &&
      !prompts_.confirm(QStringLiteral(
          "Creating a new site replaces the site you are working on. Continue?"))) {
    return;
  }
  pageManager_->FreePageRows();
  publishing_->publishedPanel()->hide();
  publishing_->siteLivePanel()->hide();
  for (SkinnedButton* t : tabs_) t->showNormalPicture();
  activeTab_ = 0;
  chrome_->ShowStep(1);
  chrome_->ShowBanner(true);
  ShowTabs(false);
  startFrameSize_ = ShellMetrics::kDesignFrame;
  start_->Reset();
  startClose_->show();
  ShowScreen(Screen::Start);
  start_->nameField()->setFocus();
}

void MainWindow::OnStartClose() {
  startClose_->hide();
  chrome_->ShowBanner(false);
  ShowTabs(true);
  SelectTabAndScreen(4);
  chrome_->ShowStep(2);
}

void MainWindow::OnNewSiteAccepted(const QString& typed) {
  newSiteName_ = typed;
  startClose_->hide();
  chrome_->ShowStep(2);
  gallery_->setMode(GalleryMode::NewSite);
  gallery_->setBackToSiteOffered(HasSite() && !siteSession_->StoreUnreadable());
  OpenContentFrame(this, chrome_->contentFrame(), start_, [this] {
    ShowScreen(Screen::Gallery);
    gallery_->setFocus();
  });
}

// Back from the new-site gallery: nothing of the site was touched.
void MainWindow::OnBackToSite() {
  gallery_->setBackToSiteOffered(false);
  OnStartClose();
}

void MainWindow::StartSiteCreation() {
  layer_->ShowBusyOverlay(QStringLiteral("Loading"));
  gallery_->setBackToSiteOffered(false);
  // The worker builds the new site beside the old one from values; the old
  // site stays as it is until the new one is complete and stored.
  const Site record = siteSession_->NewSiteRecord(newSiteName_, gallery_->selectedIndex());
  siteJob_->Start<StagedSite>(siteSession_->NewSiteWork(record),
                              [this](StagedSite& staged) { FinishSiteCreation(staged); }, creationMinimum_);
}

void MainWindow::FinishSiteCreation(StagedSite& staged) {
  const Outcome outcome = siteSession_->FinishNewSite(staged);
  layer_->HideBusyOverlay();
  if (!outcome) {
    prompts_.error(UserMessage(outcome));
    gallery_->setBackToSiteOffered(HasSite() && !siteSession_->StoreUnreadable());
    emit siteCreationFinished(false);
    return;
  }
  publishing_->RegisterSoon();
  chrome_->ShowBanner(false);
  ShowTabs(true);
  for (SkinnedButton* t : tabs_) t->showNormalPicture();
  activeTab_ = 0;
  editorController_->ShowOpenedPage();
  ShowScreen(Screen::Editor);
  emit siteCreationFinished(true);
}

// A job's page count, shown on the busy overlay from whichever thread runs it.
PageProgress MainWindow::BusyProgress(const QString& doing) {
  const QPointer<DialogLayer> layer(layer_);
  return [layer, doing](int done, int total) {
    QMetaObject::invokeMethod(layer, [layer, doing, done, total] {
      if (layer && layer->busy()) layer->SetBusyCaption(QStringLiteral("%1 page %2 of %3").arg(doing).arg(done + 1).arg(total));
    }, Qt::QueuedConnection);
  };
}

void MainWindow::OnApplyTemplate() {
  if (session_->SaveBusy() || siteJob_->running()) return;
  const int index = gallery_->selectedIndex();
  const QStringList losing = siteSession_->PagesLosingText(index);
  if (!losing.isEmpty() &&
      !prompts_.confirm(QStringLiteral("This template has no place for some of the text of these "
                                       "pages, which would be lost: %1. Continue?")
                            .arg(losing.join(QStringLiteral(", "))))) {
    return;
  }
  layer_->ShowBusyOverlay(QStringLiteral("Applying"));
  siteJob_->Start<StagedSite>(siteSession_->TemplateChangeWork(index, BusyProgress(QStringLiteral("Applying"))),
                              [this](StagedSite& staged) { FinishTemplateChange(staged); });
}

void MainWindow::FinishTemplateChange(StagedSite& staged) {
  const Outcome outcome = siteSession_->FinishTemplateChange(staged);
  layer_->HideBusyOverlay();
  if (!outcome) {
    prompts_.error(UserMessage(outcome));
    gallery_->setSelectedIndex(site().SelectedTemplateIndex);
    emit templateChangeFinished(false);
    return;
  }
  ShowTabs(true);
  if (activeTab_ >= 1) tab(activeTab_)->showNormalPicture();
  activeTab_ = 0;
  editorController_->ShowOpenedPage();
  ShowScreen(Screen::Editor);
  emit templateChangeFinished(true);
}

void MainWindow::OnExport() {
  if (siteJob_->running()) return;
  const QString folder = prompts_.chooseFolder();
  if (folder.isEmpty()) return;
  layer_->ShowBusyOverlay(QStringLiteral("Exporting"));
  siteJob_->Start<Outcome>(siteSession_->ExportWork(folder, BusyProgress(QStringLiteral("Exporting"))),
                           [this](Outcome& outcome) { FinishExport(outcome); });
}

void MainWindow::FinishExport(const Outcome& outcome) {
  layer_->HideBusyOverlay();
  if (outcome) {
    prompts_.information(QStringLiteral("Done Exporting."));
  } else {
    prompts_.error(UserMessage(outcome));
  }
  pageManager_->exportButton()->showNormalPicture();
  emit exportFinished(outcome.ok());
}

// Edit on a Page Manager row: the page in the editor, no tab selected.
void MainWindow::OnEditPage(int row) {
  if (row < 0 || row >= site().PageCount()) return;
  const QString fileName = site().Page(row).FileName;
  pageManager_->FreePageRows();
  if (activeTab_ >= 1) tab(activeTab_)->showNormalPicture();
  activeTab_ = 0;
  ShowTabs(true);
  ShowScreen(Screen::Editor);
  editorController_->OpenPage(fileName);
}

void MainWindow::ToggleMaximised() {
  maximised_ = !maximised_;
  chrome_->setDraggingAllowed(!maximised_);
  chrome_->maximiseButton()->setSkin(
      maximised_ ? SkinSet{pictures_.Get(QStringLiteral("caption_restore_a.png")),
                           pictures_.Get(QStringLiteral("caption_restore_b.png")),
                           pictures_.Get(QStringLiteral("caption_restore_c.png"))}
                 : pictures_.Skin(3));
  chrome_->maximiseButton()->setAccessibleName(maximised_ ? QStringLiteral("Restore")
                                                          : QStringLiteral("Maximise"));
  if (maximised_) {
    restoreBounds_ = geometry();
    const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    setGeometry(area.left(), area.top(), area.width() + 1, area.height() + 1);
  } else {
    setGeometry(restoreBounds_);
  }
  RunLayoutPass();
}

void MainWindow::ApplyWindowShape() {
  // Offscreen there is no window shape to give.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  if (maximised_) {
    clearMask();
    return;
  }
  QPainterPath path;
  path.addRoundedRect(QRectF(rect()), 5, 5);
  setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void MainWindow::RunLayoutPass() {
  if (width() < ShellMetrics::kMinimumWidth || height() < ShellMetrics::kMinimumHeight) {
    resize(std::max(width(), ShellMetrics::kMinimumWidth),
           std::max(height(), ShellMetrics::kMinimumHeight));
  }
  layout_ = ComputeShellLayout(size(), screen_, StartScreen::kSize, startClose_->size(),
                               startFrameSize_);
  ApplyWindowShape();
  chrome_->Apply(layout_, maximised_, screen_ == Screen::Start);
  start_->setGeometry(layout_.startPanel);
  startClose_->move(layout_.startClose.topLeft());
  for (QWidget* panel : {static_cast<QWidget*>(gallery_), static_cast<QWidget*>(editor_),
                         static_cast<QWidget*>(pageManager_), static_cast<QWidget*>(account_), static_cast<QWidget*>(publish_)}) {
    // Not isVisible(): before the window is first shown no panel is visible,
    // and the screen shown at start-up would keep its empty first size.
    if (!panel->isHidden()) panel->setGeometry(layout_.screenPanel);
  }
  for (int n = 1; n <= 5; ++n) tab(n)->setGeometry(layout_.tabs[static_cast<size_t>(n - 1)]);
  start_->raise();
  startClose_->raise();
  chrome_->RaiseFront();
  for (SkinnedButton* t : tabs_) t->raise();
  for (QWidget* notice : {static_cast<QWidget*>(publishing_->publishedPanel()),
                          static_cast<QWidget*>(publishing_->siteLivePanel())}) {
    if (notice->isHidden()) continue;
    notice->move(layout_.frame.left(), layout_.frame.bottom() + 1 - notice->height());
    notice->raise();
  }
  if (layer_->isVisible()) {
    layer_->setGeometry(rect());
    layer_->raise();
  }
}

void MainWindow::resizeEvent(QResizeEvent*) { RunLayoutPass(); }

void MainWindow::RestorePlacement() {
  const QRect area = screen() ? screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
  const std::optional<WindowPlacement> stored = ReadWindowPlacement(store());
  if (!stored) {
    move(area.center() - rect().center());
    return;
  }
  QScreen* target = QGuiApplication::screenAt(stored->Bounds.center());
  const QRect fit = FitOnScreen(stored->Bounds, target ? target->availableGeometry() : area,
                                minimumSize());
  setGeometry(fit);
  if (stored->Maximised && !maximised_) ToggleMaximised();
}

bool MainWindow::MayEndSession(bool allowsInteraction) {
  if (!editorController_->HasUnsavedWork() || !allowsInteraction || !prompts_.askSaveChanges) {
    return true;
  }
  switch (prompts_.askSaveChanges(editorController_->savePromptText())) {
    case SaveAnswer::Cancel: return false;
    case SaveAnswer::DontSave: closeAnswered_ = true; return true;
    case SaveAnswer::Save: break;
  }
  return editorController_->SaveEverything();  // a failure has been told
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A site being created must finish writing before the program ends.
  if (siteJob_->running()) {
    event->ignore();
    return;
  }
  // Unsaved work is never dropped without a word: the window closes once
  // the user has answered (and not at all after Cancel).
  if (!closeAnswered_ && editorController_->HasUnsavedWork()) {
    event->ignore();
    editorController_->LeavePage(true, [this] {
      closeAnswered_ = true;
      close();
    });
    return;
  }
  // Where the window is comes back at the next start; nothing else is saved.
  WriteWindowPlacement({maximised_ ? restoreBounds_ : geometry(), maximised_}, store());
  (void)store().Commit();  // a store that cannot be written keeps the last placement
  closeAnswered_ = false;  // a window shown again asks again
  event->accept();
}

}  // namespace moxa
