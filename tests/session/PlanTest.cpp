#include "session/PublishedAddress.h"
#include "site/Plan.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

// The plan's rules in one table: where the site lives and is seen, what the
// account screen shows, which column of the plans screen is the user's.
TEST(PlanTest, EachPlanDecidesWhereTheSiteLivesAndWhatTheScreensShow) {
  const struct {
    const char* plan;
    const char* domain;
    bool serviceAddress;
    bool ftpFields;
    bool addressField;
    int column;
    const char* shown;
  } cases[] = {
      {"free", "", true, false, true, 0, "shop.sites.test"},
      {"free", "ignored.test", true, false, true, 0, "shop.sites.test"},
      {"plus", "shop.test", false, false, false, 1, "shop.test"},
      {"plus", "", false, false, false, 1, "shop.sites.test"},  // its domain not known yet
      {"max", "", true, true, false, 2, "shop.sites.test"},
      {"max", "shop.test", false, true, false, 2, "shop.test"},
      {"gold", "", true, false, true, 0, "shop.sites.test"},
  };
  ServiceEndpoints service;
  service.Domain = QStringLiteral("sites.test");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.plan) + " " + c.domain);
    TAccount account;
    account.UnixName = QStringLiteral("shop");
    account.HostingPackage = QString::fromLatin1(c.plan);
    account.Domain = QString::fromLatin1(c.domain);
    const Plan plan = Plan::Of(account);
    EXPECT_EQ(plan.OnServiceAddress(), c.serviceAddress);
    EXPECT_EQ(plan.HasOwnDomain(), !c.serviceAddress);
    EXPECT_EQ(plan.ShowsFtpFields(), c.ftpFields);
    EXPECT_EQ(plan.ShowsServiceAddressField(), c.addressField);
    EXPECT_EQ(plan.Column(), c.column);
    EXPECT_EQ(AddressOfPublishedSite(account, service).Shown, QString::fromLatin1(c.shown));
  }
  EXPECT_FALSE(Plan::IsKnownName(QStringLiteral("gold")));
  EXPECT_TRUE(Plan::IsKnownName(QStringLiteral("max")));
}

}  // namespace
}  // namespace moxa
