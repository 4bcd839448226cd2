#include "app/account/AccountController.h"
#include "app/account/AccountScreen.h"
#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/gallery/GalleryScreen.h"
#include "app/gallery/PreviewPanel.h"
#include "app/dialogs/PageDialogs.h"
#include "app/pagemanager/PageActions.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRows.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SkinnedButton.h"
#include "app/shell/WindowChrome.h"
#include "app/start/StartScreen.h"
#include "pages/PageOperations.h"
#include "support/StoreHelpers.h"
#include "support/gui/Eventually.h"
#include "support/gui/WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

namespace moxa {
namespace {

// The shared main window fixture, plus a way to change the page being edited.
class MainWindowTest : public test::WindowFixture {
 protected:
  void EditWorkingCopy(const QByteArray& marker) {
    const QString copy = window->folders().WorkingCopyFile();
    QByteArray text = test::ReadBytes(copy);
    text.replace("</body>", marker + "</body>");
    test::WriteBytes(copy, text);
    window->editorSession().MarkModified();
  }
};

TEST_F(MainWindowTest, FirstStartShowsTheStartScreenWithoutTabs) {
  EXPECT_EQ(window->LoadStoredSite(), LoadSiteResult::NoSite);
  window->show();
  EXPECT_EQ(window->currentScreen(), Screen::Start);
  EXPECT_EQ(window->step(), 2);
  for (int n = 1; n <= 5; ++n) EXPECT_FALSE(window->tab(n)->isVisible()) << n;
  EXPECT_TRUE(window->startScreen()->isVisible());
  EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("startCloseButton"))->isVisible());
}

TEST_F(MainWindowTest, LayoutFollowsTheWindowAndNeverGoesBelowTheMinimum) {
  window->LoadStoredSite();
  window->show();
  window->resize(800, 400);
  window->RunLayoutPass();
  EXPECT_GE(window->width(), 1156);
  EXPECT_GE(window->height(), 610);

  window->resize(1400, 800);
  EXPECT_EQ(window->chrome()->closeButton()->pos(), QPoint(1400 - 40, 8));
  EXPECT_EQ(window->chrome()->minimiseButton()->pos(), QPoint(1400 - 122, 8));
  EXPECT_EQ(window->tab(3)->geometry(), QRect(272, 92, 121, 35));
  EXPECT_EQ(window->chrome()->contentFrame()->geometry(), QRect(700 - 470, 253, 941, 340));
}

TEST_F(MainWindowTest, MaximiseFillsTheWorkAreaAndRestoreReturnsExactly) {
  window->LoadStoredSite();
  window->show();
  window->setGeometry(40, 50, 1200, 650);
  const QRect before = window->geometry();
  window->ToggleMaximised();
  const QRect area = window->screen()->availableGeometry();
  EXPECT_TRUE(window->isMaximised());
  // One pixel more than the work area, never less than the minimum size.
  EXPECT_EQ(window->size(), QSize(std::max(area.width() + 1, 1156), std::max(area.height() + 1, 610)));
  EXPECT_EQ(window->pos(), area.topLeft());
  EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("resizeGrip"))->isVisible());
  window->ToggleMaximised();
  EXPECT_EQ(window->geometry(), before);
  EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("resizeGrip"))->isVisible());
}

TEST_F(MainWindowTest, NewSiteNamesAreCheckedOnTheStartScreen) {
  window->LoadStoredSite();
  window->show();
  const struct {
    const char* typed;
    const char* message;
  } cases[] = {{"", "Please Enter Your Name."},
               {" a ", "The Name You Entered Is Too Short."},
               {"12", "The Name You Entered Has No Letters."}};
  for (const auto& c : cases) {
    StartNewSite(QString::fromUtf8(c.typed));
    EXPECT_EQ(window->startScreen()->message(), QString::fromUtf8(c.message)) << c.typed;
    EXPECT_EQ(window->currentScreen(), Screen::Start);
  }
  StartNewSite(QStringLiteral("Joe's Bakery"));
  EXPECT_EQ(window->currentScreen(), Screen::Gallery);
  // Nothing of the site changes before Next.
  EXPECT_TRUE(window->site().SiteAccount.UnixName.isEmpty());
  EXPECT_TRUE(window->galleryScreen()->nextButton()->isVisible());
  EXPECT_FALSE(window->galleryScreen()->saveButton()->isVisible());
}

// The frame opens towards the gallery before it shows: a second Return in
// that time is not a second new site, and the frame ends where the gallery's
// layout puts it.
TEST_F(MainWindowTest, ANameAcceptedTwiceWhileTheFrameOpensCountsOnce) {
  window->LoadStoredSite();
  window->show();
  QSignalSpy accepted(window->startScreen(), &StartScreen::newSiteAccepted);
  QLineEdit* name = window->startScreen()->nameField();
  name->setText(QStringLiteral("Joe's Bakery"));
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(window->currentScreen(), Screen::Start) << "the frame is still opening";
  EXPECT_FALSE(window->startScreen()->isVisible());
  QTest::keyClick(name, Qt::Key_Return);
  ASSERT_TRUE(test::Eventually([&] { return window->currentScreen() == Screen::Gallery; }));
  EXPECT_EQ(accepted.count(), 1);
  EXPECT_EQ(window->chrome()->contentFrame()->geometry(), window->geometryOfLayout().frame);
}

TEST_F(MainWindowTest, SiteCreationEndsInTheEditorWithTheHomePageOpen) {
  CreateSite();
  EXPECT_EQ(window->currentScreen(), Screen::Editor);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(window->site().PageCount(), 4);
  EXPECT_EQ(window->site().OpenPageFileName, "index");
  EXPECT_EQ(window->editorScreen()->pageSelector()->currentText(), "index");
  EXPECT_EQ(window->editorScreen()->browser()->url(),
            QUrl::fromLocalFile(window->folders().WorkingCopyFile()));
  for (int n = 1; n <= 5; ++n) EXPECT_TRUE(window->tab(n)->isVisible()) << n;
  Site stored;
  EXPECT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.UnixName, "Joes-Bakery");
  EXPECT_EQ(stored.SiteAccount.FtpPort, 21);
  EXPECT_EQ(stored.PageCount(), 4);
}

TEST_F(MainWindowTest, FailedCreationHidesTheBusyScreenAndSaysSo) {
  window->LoadStoredSite();
  window->show();
  StartNewSite(QStringLiteral("Joe's Bakery"));
  window->galleryScreen()->setSelectedIndex(999);  // no such template
  QSignalSpy finished(window.get(), &MainWindow::siteCreationFinished);
  emit window->galleryScreen()->nextClicked();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_FALSE(finished.first().first().toBool());
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(errors, QStringList{QStringLiteral("Your site could not be created.")});
}

TEST_F(MainWindowTest, SaveWritesThePageAndASecondSaveWithinTheConfirmationIsIgnored) {
  CreateSite();
  EditWorkingCopy("<p>first</p>");
  window->editorScreen()->saveButton()->clicked();
  EXPECT_TRUE(WorkFile(QStringLiteral("index.html")).contains("<p>first</p>"));
  EXPECT_TRUE(window->editorSession().SaveBusy());
  EXPECT_EQ(window->editorScreen()->saveButton()->currentPicture().cacheKey(),
            window->pictures().Get(QStringLiteral("locked_save.png")).cacheKey());

  EditWorkingCopy("<p>second</p>");
  window->editorScreen()->saveButton()->clicked();
  EXPECT_FALSE(WorkFile(QStringLiteral("index.html")).contains("<p>second</p>"));
}

TEST_F(MainWindowTest, SwitchingPagesWithChangesAsksAndSavesOrDiscards) {
  CreateSite();
  QComboBox* selector = window->editorScreen()->pageSelector();
  LayerDialog* prompt = window->editorController()->savePrompt();

  // Unchanged: the switch happens at once.
  selector->setCurrentText(QStringLiteral("about-us"));
  EXPECT_EQ(window->site().OpenPageFileName, "about-us");
  EXPECT_FALSE(prompt->isVisible());

  // Changed, then "Save": saved first, then switched.
  EditWorkingCopy("<p>kept</p>");
  selector->setCurrentText(QStringLiteral("contact-us"));
  ASSERT_TRUE(prompt->isVisible());
  EXPECT_EQ(prompt->cancelText(), "Don't Save");
  emit prompt->accepted();
  EXPECT_TRUE(WorkFile(QStringLiteral("about-us.html")).contains("<p>kept</p>"));
  EXPECT_EQ(window->site().OpenPageFileName, "contact-us");
  EXPECT_FALSE(window->dialogLayer()->isVisible());

  // Changed again within the confirmation period of that save: the prompt
  // still asks, and its "Save" still saves.
  ASSERT_TRUE(window->editorSession().SaveBusy());
  EditWorkingCopy("<p>also kept</p>");
  selector->setCurrentText(QStringLiteral("index"));
  ASSERT_TRUE(prompt->isVisible());
  emit prompt->accepted();
  EXPECT_TRUE(WorkFile(QStringLiteral("contact-us.html")).contains("<p>also kept</p>"));
  EXPECT_EQ(window->site().OpenPageFileName, "index");
}

TEST_F(MainWindowTest, DontSaveDiscardsTheChanges) {
  CreateSite();
  EditWorkingCopy("<p>dropped</p>");
  window->editorScreen()->pageSelector()->setCurrentText(QStringLiteral("about-us"));
  LayerDialog* prompt = window->editorController()->savePrompt();
  ASSERT_TRUE(prompt->isVisible());
  emit prompt->cancelled();
  EXPECT_EQ(window->site().OpenPageFileName, "about-us");
  EXPECT_FALSE(WorkFile(QStringLiteral("index.html")).contains("<p>dropped</p>"));
  EXPECT_FALSE(window->editorSession().PageModified());
}

// Cancel, Escape and the prompt's close button leave the user where they
// were, with their changes; no answer to the question ever discards.
TEST_F(MainWindowTest, CancellingTheUnsavedChangesQuestionStaysOnThePage) {
  CreateSite();
  LayerDialog* prompt = window->editorController()->savePrompt();
  auto* dismissLink = prompt->findChild<QLabel*>(QStringLiteral("dismissLink"));
  ASSERT_NE(dismissLink, nullptr);
  EXPECT_TRUE(prompt->isAncestorOf(dismissLink));
  EXPECT_EQ(EditorController::savePromptText(),
            QStringLiteral("Changes have been made to this page. Would you like to save it?"));
  const struct {
    const char* how;
    std::function<void()> leave;
    std::function<void()> cancel;
  } cases[] = {
      {"page switch, Cancel link",
       [&] { window->editorScreen()->pageSelector()->setCurrentText(QStringLiteral("about-us")); },
       [&] { emit dismissLink->linkActivated(QStringLiteral("#")); }},
      {"page switch, Escape",
       [&] { window->editorScreen()->pageSelector()->setCurrentText(QStringLiteral("about-us")); },
       [&] { QTest::keyClick(prompt, Qt::Key_Escape); }},
      {"tab, close button",
       [&] { window->SelectTabAndScreen(4); },
       [&] {
         auto* close = prompt->findChild<SkinnedButton*>();
         for (SkinnedButton* button : prompt->findChildren<SkinnedButton*>()) {
           if (button != prompt->okButton()) close = button;
         }
         emit close->clicked();
       }},
  };
  EditWorkingCopy("<p>kept for later</p>");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    c.leave();
    ASSERT_TRUE(prompt->isVisible());
    c.cancel();
    EXPECT_FALSE(window->dialogLayer()->isVisible());
    EXPECT_EQ(window->currentScreen(), Screen::Editor);
    EXPECT_EQ(window->site().OpenPageFileName, "index");
    EXPECT_EQ(window->editorScreen()->pageSelector()->currentText(), "index");
    EXPECT_TRUE(window->editorSession().PageModified());
    EXPECT_TRUE(WorkFile(QStringLiteral("editpage_.html")).contains("<p>kept for later</p>"));
  }
  EXPECT_FALSE(WorkFile(QStringLiteral("index.html")).contains("<p>kept for later</p>"));
}

// Leaving the editor by a tab: Save saves, Don't Save drops the changes
// for good; either way the tab opens, and nothing is asked again later.
TEST_F(MainWindowTest, LeavingByATabAsksThenGoesOn) {
  CreateSite();
  LayerDialog* prompt = window->editorController()->savePrompt();
  for (const bool save : {true, false}) {
    SCOPED_TRACE(save ? "Save" : "Don't Save");
    if (window->currentScreen() != Screen::Editor) emit window->pageManagerScreen()->rows()->editClicked(0);
    ASSERT_EQ(window->currentScreen(), Screen::Editor);
    EditWorkingCopy(save ? "<p>saved by the tab</p>" : "<p>dropped by the tab</p>");
    window->SelectTabAndScreen(4);
    ASSERT_TRUE(prompt->isVisible());
    EXPECT_EQ(window->currentScreen(), Screen::Editor);  // not yet
    if (save) {
      emit prompt->accepted();
    } else {
      emit prompt->cancelled();
    }
    EXPECT_EQ(window->currentScreen(), Screen::PageManager);
    EXPECT_FALSE(window->editorSession().PageModified());
    EXPECT_TRUE(WorkFile(QStringLiteral("index.html")).contains("<p>saved by the tab</p>"));
    EXPECT_FALSE(WorkFile(QStringLiteral("index.html")).contains("<p>dropped by the tab</p>"));
    EXPECT_FALSE(WorkFile(QStringLiteral("editpage_.html")).contains("<p>dropped by the tab</p>"));
    EXPECT_TRUE(window->close());
    window->show();
  }
}

// The desktop session ends (a logout) with unsaved changes: the user is
// asked where the desktop allows it, and Cancel keeps the session going.
TEST_F(MainWindowTest, TheEndOfTheSessionAsksAboutUnsavedChanges) {
  CreateSite();
  const struct {
    const char* how;
    bool interaction;
    SaveAnswer answer;
    bool ends;
    bool asked;
    bool saved;
  } cases[] = {
      {"nothing may be asked", false, SaveAnswer::Save, true, false, false},
      {"Cancel", true, SaveAnswer::Cancel, false, true, false},
      {"Don't Save", true, SaveAnswer::DontSave, true, true, false},
      {"Save", true, SaveAnswer::Save, true, true, true},
  };
  EXPECT_TRUE(window->MayEndSession(true));  // nothing unsaved: nothing asked
  EXPECT_TRUE(questions.isEmpty());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    const QByteArray marker = QStringLiteral("<p>session end %1</p>").arg(QString::fromLatin1(c.how)).toUtf8();
    EditWorkingCopy(marker);
    questions.clear();
    saveAnswer = c.answer;
    EXPECT_EQ(window->MayEndSession(c.interaction), c.ends);
    EXPECT_EQ(questions.size(), c.asked ? 1 : 0);
    EXPECT_EQ(WorkFile(QStringLiteral("index.html")).contains(marker), c.saved);
    ASSERT_TRUE(window->editorController()->OpenPage(QStringLiteral("index")));
  }
}

// Page Properties saves the page with its new values: nothing is unsaved
// afterwards, and the page is marked for publishing in the stored table.
TEST_F(MainWindowTest, PagePropertiesLeaveNothingUnsaved) {
  CreateSite();
  // As after a publish: nothing waits to go up.
  for (TSitePage& page : window->site().SitePages()) page.Changed = false;
  ASSERT_TRUE(SavePageTable(window->site(), window->store()));
  EditWorkingCopy("<p>saved with the properties</p>");
  window->pageActions()->OpenPropertiesDialog();
  PagePropertiesDialog* dialog = window->pageActions()->propertiesDialog();
  ASSERT_TRUE(dialog->isVisible());
  emit dialog->accepted();
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_FALSE(window->editorSession().PageModified());
  EXPECT_TRUE(WorkFile(QStringLiteral("index.html")).contains("<p>saved with the properties</p>"));
  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_TRUE(stored.Page(0).Changed);
  window->SelectTabAndScreen(4);
  EXPECT_FALSE(window->editorController()->savePrompt()->isVisible());
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
}

TEST_F(MainWindowTest, SelectedTabKeepsItsPictureUnderTheMouse) {
  CreateSite();
  window->SelectTabAndScreen(4);
  SkinnedButton* tab = window->tab(4);
  const qint64 selected = tab->currentPicture().cacheKey();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(tab, &enter);
  QTest::mousePress(tab, Qt::LeftButton);
  EXPECT_EQ(tab->currentPicture().cacheKey(), selected);
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_EQ(window->activeTab(), 4);
}

TEST_F(MainWindowTest, NewSiteTabThenCloseReturnsToThePageManager) {
  CreateSite();
  window->SelectTabAndScreen(1);
  EXPECT_EQ(window->currentScreen(), Screen::Start);
  EXPECT_EQ(window->step(), 1);
  auto* close = window->findChild<SkinnedButton*>(QStringLiteral("startCloseButton"));
  ASSERT_TRUE(close->isVisible());
  emit close->clicked();
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_EQ(window->step(), 2);
  for (int n = 1; n <= 5; ++n) EXPECT_TRUE(window->tab(n)->isVisible()) << n;
}

TEST_F(MainWindowTest, ExportCopiesTheSiteAndSaysDone) {
  CreateSite();
  QTemporaryDir target;
  chosenFolder = target.path();
  window->SelectTabAndScreen(4);
  QSignalSpy exported(window.get(), &MainWindow::exportFinished);
  emit window->pageManagerScreen()->exportButton()->clicked();
  // The copy runs on a worker behind the busy overlay.
  EXPECT_EQ(window->dialogLayer()->busyCaption(), QStringLiteral("Exporting"));
  ASSERT_TRUE(exported.wait(10000));
  EXPECT_EQ(informations, QStringList{QStringLiteral("Done Exporting.")});
  EXPECT_TRUE(QFile::exists(target.filePath(QStringLiteral("contact-us.html"))));
  EXPECT_TRUE(QDir(target.filePath(QStringLiteral("bin"))).exists());

  informations.clear();
  chosenFolder.clear();  // cancelled
  emit window->pageManagerScreen()->exportButton()->clicked();
  EXPECT_TRUE(informations.isEmpty());
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindowTest, StoredSiteOpensOnThePageManager) {
  CreateSite();
  window.reset();
  window = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  EXPECT_EQ(window->LoadStoredSite(), LoadSiteResult::Loaded);
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_EQ(window->activeTab(), 4);
  EXPECT_EQ(window->step(), 2);
}

// Tests run without a keychain service (see keychain_tests for one).
TEST_F(MainWindowTest, WithoutAKeychainThePasswordsStayInTheFileAndTheUserIsToldOnce) {
  CreateSite();
  window.reset();
  {
    // An earlier run kept the password in the file.
    SettingsStore store;
    store.WriteSetting(QStringLiteral("Password"), QStringLiteral("garden-Gate-7"));
    ASSERT_TRUE(store.Commit());
  }
  for (int start = 0; start < 2; ++start) {
    window = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
    window->setPrompts({[this](const QString& text) { informations << text; },
                        [this](const QString& text) { errors << text; }, {}, {}, {}, {}, {}});
    ASSERT_EQ(window->LoadStoredSite(), LoadSiteResult::Loaded);
    EXPECT_EQ(window->site().SiteAccount.Password, QStringLiteral("garden-Gate-7"));
    ASSERT_TRUE(test::Eventually([this] { return !window->store().SecretsPending(); }, 20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(informations, QStringList{KeychainMissingMessage()}) << "start " << start;
  }
  EXPECT_TRUE(test::SettingsFileText().contains("garden-Gate-7"));
  EXPECT_EQ(test::FileMode(SettingsStore().FileName()), 0600);
  EXPECT_TRUE(errors.isEmpty());
}

// The settings name the keychain's entries, but no keychain answers (no
// session bus): My Account says the password could not be read, and a save
// with it left empty is refused before anything is sent to the service.
TEST_F(MainWindowTest, APasswordTheKeychainDoesNotGiveIsNeverSentAsEmpty) {
  CreateSite();
  window.reset();
  {
    SettingsStore store;
    store.WriteSetting(QString::fromLatin1(SettingsStore::kKeychainIdName), QStringLiteral("kept-id"));
    store.RemoveSetting(QStringLiteral("Password"));
    ASSERT_TRUE(store.Commit());
  }
  window = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  window->setPrompts({[this](const QString& text) { informations << text; },
                      [this](const QString& text) { errors << text; }, {}, {}, {}, {}, {}});
  ASSERT_EQ(window->LoadStoredSite(), LoadSiteResult::Loaded);
  window->SelectTabAndScreen(2);
  AccountScreen* screen = window->accountScreen();
  EXPECT_TRUE(screen->password()->text().isEmpty());
  EXPECT_FALSE(screen->password()->placeholderText().isEmpty());
  EXPECT_EQ(screen->password()->toolTip(), KeychainUnreadMessage());

  screen->lastName()->setText(QStringLiteral("Lee"));
  emit screen->saveRequested();
  EXPECT_EQ(errors, QStringList{KeychainUnreadMessage()});
  EXPECT_FALSE(window->accountController()->running());
  EXPECT_FALSE(window->dialogLayer()->busy());
  EXPECT_TRUE(window->store().SecretUnread(QStringLiteral("Password")));
  EXPECT_FALSE(test::SettingsFileText().contains("Password="));
}

TEST_F(MainWindowTest, NoBrowserViewOffersAContextMenu) {
  CreateSite();
  window->editorScreen()->previewButton()->clicked();
  const auto views = window->findChildren<QWebEngineView*>();
  ASSERT_FALSE(views.isEmpty());
  for (QWebEngineView* view : views) {
    EXPECT_EQ(view->contextMenuPolicy(), Qt::NoContextMenu) << view->objectName().toStdString();
  }
}

// The whole road of a new site in the real browser engine: the editor shows
// the home page of template 1, and the preview shows the same page.
TEST_F(MainWindowTest, EndToEndNewSiteIsEditedAndPreviewed) {
  CreateSite();
  QWebEngineView* editor = window->editorScreen()->browser();
  QSignalSpy editorLoaded(editor, &QWebEngineView::loadFinished);
  ASSERT_TRUE(editorLoaded.wait(20000) || !editor->title().isEmpty());
  EXPECT_EQ(editor->url(), QUrl::fromLocalFile(window->folders().WorkingCopyFile()));
  EXPECT_EQ(editor->title(), "Home");

  window->editorScreen()->previewButton()->clicked();
  PreviewPanel* preview = window->editorController()->previewPanel();
  ASSERT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->backText(), "Back to Editing");
  QSignalSpy previewLoaded(preview->view(), &QWebEngineView::loadFinished);
  ASSERT_TRUE(previewLoaded.wait(20000));
  EXPECT_EQ(preview->view()->url(),
            QUrl::fromLocalFile(window->folders().PreviewPageFile(QStringLiteral("index"))));
  EXPECT_EQ(preview->view()->title(), "Home");
  preview->GoBack();
  EXPECT_FALSE(preview->isVisible());
}

// New Site while a site exists: asked first; Cancel keeps everything, and
// the gallery offers the way back until Next.
TEST_F(MainWindowTest, NewSiteAsksFirstAndOffersTheWayBackUntilNext) {
  CreateSite();
  EditWorkingCopy("<p>my words</p>");
  ASSERT_EQ(window->editorSession().Save(true), EditorSession::SaveResult::Saved);
  const QByteArray index = WorkFile(QStringLiteral("index.html"));
  const TAccount account = window->site().SiteAccount;

  confirmAnswer = false;
  window->SelectTabAndScreen(1);
  EXPECT_EQ(questions, QStringList{QStringLiteral(
                           "Creating a new site replaces the site you are working on. Continue?")});
  EXPECT_EQ(window->currentScreen(), Screen::Editor);

  confirmAnswer = true;
  window->SelectTabAndScreen(1);
  ASSERT_EQ(window->currentScreen(), Screen::Start);
  StartNewSite(QStringLiteral("Other Site"));
  ASSERT_EQ(window->currentScreen(), Screen::Gallery);
  QLabel* back = window->galleryScreen()->backToSiteLink();
  ASSERT_TRUE(back->isVisible());
  emit back->linkActivated(QStringLiteral("back"));
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_EQ(window->site().SiteAccount, account);
  EXPECT_EQ(WorkFile(QStringLiteral("index.html")), index);
  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.UnixName, "Joes-Bakery");
}

// A store that cannot be read is said to be so, and New Site still asks
// before it could replace the site that may well be there.
TEST_F(MainWindowTest, AnUnreadableStoreIsReportedAndNeverTakenForAFirstStart) {
  CreateSite();
  const QString storeFile = window->store().FileName();
  const QByteArray stored = test::ReadBytes(storeFile);
  ASSERT_TRUE(QFile::remove(storeFile));
  ASSERT_TRUE(QDir().mkpath(storeFile));  // unreadable even for the superuser

  window = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  window->setPrompts({[this](const QString& text) { informations << text; },
                      [this](const QString& text) { errors << text; },
                      [] { return QString(); },
                      [this](const QString& text) {
                        questions << text;
                        return false;
                      },
                      [](const QString&) {},
                      [] { return QString(); },
                      {}});
  EXPECT_EQ(window->LoadStoredSite(), LoadSiteResult::Unreadable);
  EXPECT_EQ(errors, QStringList{QStringLiteral("Your site's settings could not be read.")});
  window->SelectTabAndScreen(1);
  EXPECT_EQ(questions.size(), 1);
  EXPECT_TRUE(QFileInfo(storeFile).isDir());
  QDir(storeFile).removeRecursively();
  test::WriteBytes(storeFile, stored);
}

// The template change that would drop a region's text names the pages
// first; Cancel leaves everything as it was.
TEST_F(MainWindowTest, ATemplateChangeThatWouldDropTextAsksFirst) {
  CreateSite();
  const std::optional<int> sixth = window->templateLibrary().NumberAt(5);
  ASSERT_TRUE(sixth.has_value());
  // Every shipped template has regions 1 to 5; words in a ninth have no place in any.
  for (const QString& page : {QStringLiteral("index.html"), QStringLiteral("about-us.html")}) {
    QByteArray text = WorkFile(page);
    text.replace("</body>", "<div id=\"moxadiv9\">Words</div><!-- moxadiv9 --></body>");
    test::WriteBytes(window->folders().WorkFolder() + page, text);
  }
  const QByteArray index = WorkFile(QStringLiteral("index.html"));
  confirmAnswer = false;
  window->SelectTabAndScreen(3);
  window->galleryScreen()->setSelectedIndex(5);
  emit window->galleryScreen()->saveClicked();
  ASSERT_EQ(questions.size(), 1);
  EXPECT_TRUE(questions.first().contains(QStringLiteral("Home, About Us")));
  EXPECT_EQ(WorkFile(QStringLiteral("index.html")), index);
  EXPECT_EQ(window->site().SelectedTemplateIndex, 0);
  confirmAnswer = true;
  QSignalSpy applied(window.get(), &MainWindow::templateChangeFinished);
  emit window->galleryScreen()->saveClicked();
  EXPECT_EQ(window->dialogLayer()->busyCaption(), QStringLiteral("Applying"));
  ASSERT_TRUE(applied.wait(10000));
  EXPECT_EQ(applied.first().first().toBool(), true);
  EXPECT_EQ(window->site().SelectedTemplateIndex, 5);
  EXPECT_EQ(window->currentScreen(), Screen::Editor);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
}

// After the home row was dragged down, start-up and a template change still
// open the home page.
TEST_F(MainWindowTest, StartUpOpensTheHomePageWhereverItStands) {
  CreateSite();
  ASSERT_TRUE(MovePage(window->site(), {window->folders(), 1, &window->store()}, 0, 2).ok());
  window = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  window->setPrompts({[this](const QString& text) { informations << text; },
                      [this](const QString& text) { errors << text; },
                      [] { return QString(); },
                      [](const QString&) { return true; },
                      [](const QString&) {},
                      [] { return QString(); },
                      {}});
  ASSERT_EQ(window->LoadStoredSite(), LoadSiteResult::Loaded);
  EXPECT_EQ(window->site().Page(2).FileName, "index");
  EXPECT_EQ(window->site().OpenPageFileName, "index");
  window->SelectTabAndScreen(3);
  window->galleryScreen()->setSelectedIndex(1);
  QSignalSpy applied(window.get(), &MainWindow::templateChangeFinished);
  emit window->galleryScreen()->saveClicked();
  ASSERT_TRUE(applied.wait(10000));
  EXPECT_EQ(window->site().OpenPageFileName, "index");
}

// At the next start the Page Manager shows its rows at once.
TEST_F(MainWindowTest, AfterARestartThePageManagerShowsItsRowsAtOnce) {
  CreateSite();
  window = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  ASSERT_EQ(window->LoadStoredSite(), LoadSiteResult::Loaded);
  window->show();
  ASSERT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_EQ(window->pageManagerScreen()->geometry(), window->geometryOfLayout().screenPanel);
  QWidget* home = window->findChild<QWidget*>(QStringLiteral("_pm_0"));
  ASSERT_NE(home, nullptr);
  EXPECT_TRUE(home->isVisible());
  EXPECT_TRUE(window->pageManagerScreen()->rect().contains(
      home->mapTo(window->pageManagerScreen(), QPoint(0, 0))));
}

// The window comes back where it was, maximised or not, and always on a
// screen (the test screen is 800 pixels wide: the window at its narrowest
// still fits only at its left edge).
TEST_F(MainWindowTest, TheWindowComesBackWhereItWas) {
  const QRect placed(0, 40, 1156, 700);
  window->LoadStoredSite();
  window->show();
  window->setGeometry(placed);
  window->close();

  auto again = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  again->LoadStoredSite();
  again->RestorePlacement();
  again->show();
  EXPECT_EQ(again->geometry(), placed);
  again->ToggleMaximised();
  again->close();

  auto third = std::make_unique<MainWindow>(Folders::At(test::SourceDir(), temp.path()));
  third->LoadStoredSite();
  third->RestorePlacement();
  EXPECT_TRUE(third->isMaximised());
  third->ToggleMaximised();
  EXPECT_EQ(third->geometry(), placed);
}

TEST_F(MainWindowTest, CtrlSOnTheEditorSavesAsTheSaveButtonDoes) {
  CreateSite();
  EditWorkingCopy("<p>saved by the keyboard</p>");
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  window->editorScreen()->pageSelector()->setFocus();
  QTest::keyClick(window->editorScreen()->pageSelector(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(WorkFile(QStringLiteral("index.html")).contains("saved by the keyboard"));
  EXPECT_TRUE(window->editorSession().SaveBusy());
  EXPECT_FALSE(window->editorSession().PageModified());
}

TEST_F(MainWindowTest, AfterEditOnThePageManagerTheKeyboardIsTheEditors) {
  CreateSite();
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  window->SelectTabAndScreen(4);
  window->pageManagerScreen()->rows()->editClicked(1);
  ASSERT_EQ(window->currentScreen(), Screen::Editor);
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  EXPECT_TRUE(window->editorScreen()->isAncestorOf(focused)) << focused->metaObject()->className();

  EditWorkingCopy("<p>saved after Edit</p>");
  QTest::keyClick(focused, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(WorkFile(QStringLiteral("about-us.html")).contains("saved after Edit"));
}

}  // namespace
}  // namespace moxa
