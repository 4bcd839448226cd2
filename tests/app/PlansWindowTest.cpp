// The plans screen and the upgrade dialog in the window, against the
// reference service's lookup pages and plan change.
#include "app/dialogs/DialogLayer.h"
#include "app/plans/PlansScreen.h"
#include "app/plans/UpgradeController.h"
#include "app/plans/UpgradeDialog.h"
#include "app/publish/PublishController.h"
#include "support/ReferenceService.h"
#include "support/StoreHelpers.h"
#include "ServiceWindowFixture.h"
#include "support/gui/WindowFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace moxa {
namespace {

class PlansWindowTest : public ServiceWindowFixture {
 protected:
  void SetUp() override {
    ServiceWindowFixture::SetUp();
    window->upgrade()->setVerdictPause(0);
    ASSERT_NO_FATAL_FAILURE(CreateRegisteredSite());
    window->SelectTabAndScreen(5);
  }
  PlansScreen* screen() const { return window->plansScreen(); }
  UpgradeDialog* dialog() const { return window->upgrade()->dialog(); }
  void Check(const QString& name) {
    dialog()->nameField()->setText(name);
    QSignalSpy checked(window->upgrade(), &UpgradeController::domainChecked);
    emit dialog()->accepted();
    ASSERT_TRUE(checked.wait(10000));
  }
};

TEST_F(PlansWindowTest, TheButtonsFollowThePlan) {
  const struct {
    const char* plan;
    const char* buttons[3];
  } cases[] = {{"free", {"Publish", "Get Plus", "Get Max"}},
               {"plus", {"Select", "Publish", "Get Max"}},
               {"max", {"Select", "Get Plus", "Publish"}}};
  for (const auto& c : cases) {
    window->site().SiteAccount.HostingPackage = QLatin1String(c.plan);
    window->SelectTabAndScreen(5);
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(screen()->buttonText(column), QLatin1String(c.buttons[column])) << c.plan << " " << column;
    }
  }
}

TEST_F(PlansWindowTest, TheDomainCheckGivesEachOutcome) {
  emit screen()->upgradeRequested(QStringLiteral("plus"));
  ASSERT_TRUE(dialog()->isVisible());
  EXPECT_FALSE(dialog()->laterLink()->isVisible());

  emit dialog()->accepted();  // nothing typed
  EXPECT_EQ(dialog()->message()->text(), QStringLiteral("This isn't a valid domain."));

  Check(QStringLiteral("taken"));
  EXPECT_EQ(dialog()->message()->text(), QStringLiteral("This domain has already been registered."));
  EXPECT_TRUE(dialog()->nameField()->hasSelectedText());
  EXPECT_EQ(dialog()->step(), UpgradeDialog::Step::Domain);

  Check(QStringLiteral("silent"));
  EXPECT_EQ(errors.last(), QStringLiteral(
      "There was a problem checking the domain. Please check your internet connection."));
  Check(QStringLiteral("lost"));
  EXPECT_EQ(errors.size(), 2);
  EXPECT_EQ(dialog()->step(), UpgradeDialog::Step::Domain);

  Check(QStringLiteral("third"));
  ASSERT_EQ(dialog()->step(), UpgradeDialog::Step::Summary);
  EXPECT_EQ(dialog()->summaryLine()->text(), QStringLiteral("<b>third.com</b> is available for registration!"));
  EXPECT_EQ(dialog()->nextCaption(), QStringLiteral("Upgrade"));
  emit dialog()->laterRequested();  // Back
  EXPECT_EQ(dialog()->step(), UpgradeDialog::Step::Domain);
  EXPECT_FALSE(dialog()->laterLink()->isVisible());

  dialog()->existingDomainChoice()->setChecked(true);
  dialog()->nameField()->setText(QStringLiteral("mine"));
  emit dialog()->accepted();
  EXPECT_EQ(dialog()->summaryLine()->text(), QStringLiteral("Transfer <b>mine.com</b> to Moxa Hosting"));
  emit dialog()->cancelled();
  EXPECT_FALSE(window->dialogLayer()->isVisible());
}

TEST_F(PlansWindowTest, GetMaxThenADomainLaterThenUpgradeChangesThePlan) {
  emit screen()->upgradeRequested(QStringLiteral("max"));
  ASSERT_TRUE(dialog()->laterLink()->isVisible());
  emit dialog()->laterRequested();
  ASSERT_EQ(dialog()->step(), UpgradeDialog::Step::Summary);
  EXPECT_EQ(dialog()->summaryLine()->text(), QString());

  QSignalSpy changed(window->upgrade(), &UpgradeController::planChanged);
  emit dialog()->accepted();
  ASSERT_TRUE(changed.wait(10000));
  EXPECT_TRUE(changed.first().first().toBool());
  EXPECT_EQ(window->site().SiteAccount.HostingPackage, QStringLiteral("max"));
  EXPECT_FALSE(window->site().SiteAccount.Domain.isEmpty());
  EXPECT_EQ(screen()->buttonText(2), QStringLiteral("Publish"));
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.HostingPackage, QStringLiteral("max"));
}

}  // namespace
}  // namespace moxa
