// The site-live panel's actions in the window, against the reference
// service: the address changed, the editor cancelled, the address switched
// off and on, and a change the service cannot take.
#include "app/account/AddressController.h"
#include "app/publish/PublishController.h"
#include "app/publish/SiteLivePanel.h"
#include "support/ReferenceService.h"
#include "support/gui/Eventually.h"
#include "ServiceWindowFixture.h"
#include "support/gui/WindowFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace moxa {
namespace {

class AddressWindowTest : public ServiceWindowFixture {
 protected:
  void SetUp() override {
    ServiceWindowFixture::SetUp();
    ASSERT_NO_FATAL_FAILURE(CreateRegisteredSite());
    ASSERT_TRUE(test::Eventually([&] { return panel()->isVisible(); }, 5000));
  }
  SiteLivePanel* panel() const { return window->publishing()->siteLivePanel(); }
  bool RunJob(const std::function<void()>& click) {
    QSignalSpy finished(window->address(), &AddressController::jobFinished);
    click();
    return finished.wait(10000) && finished.first().first().toBool();
  }
};

TEST_F(AddressWindowTest, TheAddressIsChangedThroughTheEditor) {
  emit panel()->changeRequested();
  ASSERT_TRUE(panel()->editing());
  EXPECT_EQ(panel()->addressField()->text(), QStringLiteral("joes-bakery"));
  EXPECT_TRUE(panel()->changeLink()->text().contains(QStringLiteral("Save")));
  EXPECT_TRUE(panel()->statusLink()->text().contains(QStringLiteral("Cancel")));

  panel()->addressField()->setText(QStringLiteral("Corner Shop"));
  EXPECT_TRUE(RunJob([&] { QTest::keyClick(panel()->addressField(), Qt::Key_Return); }));
  EXPECT_FALSE(panel()->editing());
  EXPECT_EQ(window->site().SiteAccount.UnixName, QStringLiteral("corner-shop"));
  const QString address = service_.Endpoints().SiteAddress(QStringLiteral("corner-shop"));
  EXPECT_EQ(panel()->addressUrl(), QStringLiteral("http://") + address);
  EXPECT_EQ(informations.last(), QStringLiteral("Your site's address was successfully updated to ") + address);
}

TEST_F(AddressWindowTest, TheAddressIsSwitchedOffAndOnAndCancelTellsItsState) {
  EXPECT_TRUE(RunJob([&] { emit panel()->statusRequested(); }));
  EXPECT_FALSE(window->site().SiteAccount.MoxaSiteStatus);
  EXPECT_EQ(panel()->title()->text(), QStringLiteral("Your site is not live on the web."));
  EXPECT_TRUE(panel()->statusLink()->text().contains(QStringLiteral("Enable")));
  EXPECT_EQ(informations.last(), QStringLiteral("Your site's Moxa address was successfully disabled"));

  emit panel()->changeRequested();
  emit panel()->statusRequested();  // Cancel
  EXPECT_FALSE(panel()->editing());
  EXPECT_TRUE(panel()->statusLink()->text().contains(QStringLiteral("Enable")));

  EXPECT_TRUE(RunJob([&] { emit panel()->statusRequested(); }));
  EXPECT_TRUE(window->site().SiteAccount.MoxaSiteStatus);
  EXPECT_EQ(informations.last(), QStringLiteral("Your site's Moxa address was successfully enabled"));
}

TEST_F(AddressWindowTest, AChangeTheServiceCannotTakeKeepsTheEditorOpen) {
  const QString nowhere = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  window->setServiceEndpoints({nowhere, nowhere, nowhere, {}});
  emit panel()->changeRequested();
  panel()->addressField()->setText(QStringLiteral("elsewhere"));
  EXPECT_FALSE(RunJob([&] { emit panel()->changeRequested(); }));
  EXPECT_TRUE(panel()->editing());
  EXPECT_EQ(window->site().SiteAccount.UnixName, QStringLiteral("joes-bakery"));
  EXPECT_EQ(errors.last(), QStringLiteral(
      "There was a problem updating your site's address. Please check your internet connection."));
}

}  // namespace
}  // namespace moxa
