#pragma once

#include "site/Account.h"

namespace moxa {

// The hosting plan of a site and every rule that follows from it, decided
// here once: where the site lives, how it goes up, what the screens show.
class Plan {
 public:
  enum class Tier { Free, Plus, Max };

  // The account's plan; a name the program does not know counts as free
  // (check `IsKnownName` where that matters).
  static Plan Of(const TAccount& account);
  // "free", "plus" or "max".
  static bool IsKnownName(const QString& name);

  Tier tier() const { return tier_; }
  bool IsFree() const { return tier_ == Tier::Free; }
  // The site lives at the service's own address and goes up through the
  // service's own upload: the free plan, and max before it has a domain.
  bool OnServiceAddress() const { return tier_ == Tier::Free || (tier_ == Tier::Max && !hasDomain_); }
  // The site has (or is getting) a domain of its own.
  bool HasOwnDomain() const { return !OnServiceAddress(); }
  // The account screen: the FTP fields belong to max, the address on the
  // service to the free plan.
  bool ShowsFtpFields() const { return tier_ == Tier::Max; }
  bool ShowsServiceAddressField() const { return tier_ == Tier::Free; }
  // The plans screen's column of this plan, from 0 (free) to 2 (max).
  int Column() const { return static_cast<int>(tier_); }

 private:
  Plan(Tier tier, bool hasDomain) : tier_(tier), hasDomain_(hasDomain) {}

  Tier tier_;
  bool hasDomain_;
};

}  // namespace moxa
