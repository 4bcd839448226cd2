#include "site/Plan.h"

namespace moxa {

Plan Plan::Of(const TAccount& account) {
  const QString& name = account.HostingPackage;
  const Tier tier = name == QLatin1String("max")    ? Tier::Max
                    : name == QLatin1String("plus") ? Tier::Plus
                                                    : Tier::Free;
  return Plan(tier, !account.Domain.isEmpty());
}

bool Plan::IsKnownName(const QString& name) {
  return name == QLatin1String("free") || name == QLatin1String("plus") || name == QLatin1String("max");
}

}  // namespace moxa
