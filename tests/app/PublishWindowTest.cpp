// Publishing from the window against the reference hosting service: the
// name registered in the background after creation, Save and Publish, the
// notices, and a publish whose FTP side is down.
#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/RegionTracker.h"
#include "app/editor/RichTextEdit.h"
#include "app/publish/PublishController.h"
#include "app/publish/PublishedPanel.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/SkinnedButton.h"
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/gui/Eventually.h"
#include "RegionEditFixture.h"
#include "ServiceWindowFixture.h"
#include "support/gui/PageScript.h"
#include "support/gui/WindowFixture.h"

#include <QSignalSpy>
#include <QWebEngineView>
#include <QTest>

namespace moxa {
namespace {

class PublishWindowTest : public ServiceWindowFixture {
 protected:
  bool AllPagesChanged(bool changed) const {
    for (const TSitePage& page : window->site().SitePages()) {
      if (page.Changed != changed) return false;
    }
    return true;
  }

};

TEST_F(PublishWindowTest, ANewSiteIsRegisteredThenPublishedAndOpensInTheBrowser) {
  QSignalSpy registered(window->publishing(), &PublishController::registrationFinished);
  CreateSite();
  ASSERT_TRUE(registered.wait(10000));
  EXPECT_TRUE(registered.first().first().toBool());
  EXPECT_EQ(window->site().SiteAccount.UnixName, QStringLiteral("joes-bakery"));
  EXPECT_TRUE(window->site().SiteAccount.UnixCreated);
  SiteLivePanel* live = window->publishing()->siteLivePanel();
  ASSERT_TRUE(test::Eventually([&] { return live->isVisible() && live->height() == 112; }, 5000));
  const QString address = service_.Endpoints().SiteAddress(QStringLiteral("joes-bakery"));
  EXPECT_EQ(live->addressUrl(), QStringLiteral("http://") + address);
  // The placeholder is what the address shows until the first publish.
  EXPECT_TRUE(FetchUrlText(("http://" + address + "/").toUtf8()).contains(QStringLiteral("Coming soon")));

  QSignalSpy finished(window->publishing(), &PublishController::publishFinished);
  QTest::mouseClick(window->editorScreen()->publishButton(), Qt::LeftButton);
  EXPECT_TRUE(window->dialogLayer()->busy());
  EXPECT_EQ(window->dialogLayer()->busyCaption(), QStringLiteral("Publishing"));
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_EQ(finished.first().first().value<PublishOutcome>(), PublishOutcome::Published);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
  EXPECT_TRUE(AllPagesChanged(false));

  PublishedPanel* panel = window->publishing()->publishedPanel();
  ASSERT_TRUE(test::Eventually([&] { return panel->isVisible() && panel->height() == 140; }, 5000));
  EXPECT_EQ(panel->geometry().bottom(), window->geometryOfLayout().frame.bottom());
  EXPECT_TRUE(panel->addressLink()->text().contains(address));
  QTest::mouseClick(panel->viewButton(), Qt::LeftButton);
  EXPECT_EQ(openedUrls, QStringList{QStringLiteral("http://") + address});
  const QString home = FetchUrlText(("http://" + address + "/?p=index.html").toUtf8());
  EXPECT_TRUE(home.contains(QStringLiteral("moxadiv2"))) << home.left(200).toStdString();

  emit panel->closeRequested();
  EXPECT_TRUE(test::Eventually([&] { return panel->isHidden(); }));

  // In a browser: the page's own text shows and every picture has loaded.
  QWebEngineView browser;
  browser.resize(1200, 900);
  browser.show();
  QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
  browser.load(QUrl(QStringLiteral("http://") + address + QStringLiteral("/")));
  ASSERT_TRUE(loaded.wait(20000));
  EXPECT_TRUE(loaded.first().first().toBool());
  const auto evaluate = [&](const QString& script) { return test::EvaluateScript(browser.page(), script); };
  EXPECT_TRUE(test::Eventually(
      [&] {
        return evaluate(QStringLiteral("Array.from(document.images).every(i => i.complete)")).toBool();
      },
      10000));
  EXPECT_GT(evaluate(QStringLiteral("document.images.length")).toInt(), 0);
  EXPECT_EQ(evaluate(QStringLiteral("Array.from(document.images).filter(i => i.naturalWidth == 0)"
                                    ".map(i => i.src).join(' ')")).toString(), QString());
  const QString regionText = evaluate(QStringLiteral("document.getElementById('moxadiv2').innerText")).toString();
  EXPECT_TRUE(regionText.contains(QStringLiteral("Rooms that feel like home, only calmer.")))
      << regionText.toStdString();
  // The template's style sheet came from the service's template library.
  EXPECT_TRUE(evaluate(QStringLiteral("Array.from(document.querySelectorAll('link[rel=stylesheet]'))"
                                      ".every(l => l.sheet !== null && l.href.includes('/wbx/templates/1/'))"))
                  .toBool());
}

TEST_F(PublishWindowTest, AnFtpServerThatIsDownShowsTheErrorAndKeepsTheMarks) {
  CreateSite();
  service_.StopFtp();
  QSignalSpy finished(window->publishing(), &PublishController::publishFinished);
  window->publishing()->SaveAndPublish();
  ASSERT_TRUE(finished.wait(30000));
  EXPECT_EQ(finished.first().first().value<PublishOutcome>(), PublishOutcome::Failed);
  EXPECT_EQ(errors, QStringList{QStringLiteral(
                        "There was a problem publishing your site. Please check your internet connection.")});
  EXPECT_FALSE(window->dialogLayer()->busy());
  EXPECT_FALSE(window->publishing()->publishedPanel()->isVisible());
  EXPECT_TRUE(AllPagesChanged(true));
}

// The page answers the mouse again once the publish's overlay has gone,
// whether the publish succeeded or failed.
TEST_F(PublishWindowTest, ThePageFollowsTheMouseAgainAfterEveryPublish) {
  CreateRegisteredSite();
  RegionTracker* tracker = window->editorController()->regionTracker();
  ASSERT_TRUE(test::Eventually([&] { return tracker->tracking(); }, 20000));
  for (const bool ftpUp : {true, false}) {
    if (!ftpUp) service_.StopFtp();
    QSignalSpy finished(window->publishing(), &PublishController::publishFinished);
    window->publishing()->SaveAndPublish();
    EXPECT_FALSE(tracker->tracking());
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(tracker->tracking()) << (ftpUp ? "after a publish" : "after a failed publish");
  }
}

class PublishedEditTest : public RegionEditFixtureOn<ServiceWindowFixture> {};

// What the user saved is what goes on the web, also when the program was
// closed and started again between the save and the publish.
TEST_F(PublishedEditTest, AnEditSavedBeforeARestartIsPublished) {
  QSignalSpy registered(window->publishing(), &PublishController::registrationFinished);
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  ASSERT_TRUE(registered.wait(10000));
  const auto publish = [&] {
    QSignalSpy finished(window->publishing(), &PublishController::publishFinished);
    window->publishing()->Publish();
    return finished.wait(30000) &&
           finished.first().first().value<PublishOutcome>() == PublishOutcome::Published;
  };
  ASSERT_TRUE(publish());

  ASSERT_NO_FATAL_FAILURE(OpenRegion(1));
  QTest::keyClicks(Cycle()->editorWidget(), QStringLiteral("Narwhal "));
  QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
  QTest::mouseClick(Dialog()->okButton(), Qt::LeftButton);
  ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  QTest::keyClick(Browser()->focusProxy() ? Browser()->focusProxy() : Browser(), Qt::Key_S,
                  Qt::ControlModifier);
  EXPECT_TRUE(window->close());  // saved: nothing to ask
  EXPECT_TRUE(questions.isEmpty());

  RestartWindow();
  ASSERT_TRUE(publish());
  const QString address = service_.Endpoints().SiteAddress(window->site().SiteAccount.UnixName);
  EXPECT_TRUE(FetchUrlText(("http://" + address + "/?p=index.html").toUtf8()).contains(QStringLiteral("Narwhal")));
  EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace moxa
