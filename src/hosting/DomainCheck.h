#pragma once

#include "online/ServiceEndpoints.h"
#include "site/Account.h"

#include <QString>
#include <QStringList>

namespace moxa {

// The extensions the upgrade dialog offers, ".com" first.
const QStringList& DomainExtensions();

enum class DomainVerdict {
  Available,
  Taken,
  NoAnswer,  // no lookup page said either: the user is asked to check the connection
};

// Which lookup page decided, and what it said (for tests and diagnostics).
struct DomainCheck {
  DomainVerdict Verdict = DomainVerdict::NoAnswer;
  int DecidedBy = 0;  // 1 to 3; 0 when none did
};

// Asks the three lookup pages in turn until one of them gives a verdict on
// `domain` (the name with its extension). A page gives one only by its own
// markers: an empty or unrelated reply never counts as "available".
DomainCheck CheckDomain(const QString& domain, const ServiceEndpoints& service);

// The verdict of one lookup page's reply; NoAnswer when it has none.
DomainVerdict ReadLookupReply(int page, const QString& reply, const QString& host);

// Moves the account to `plan` ("plus" or "max"): changehosting with the
// current plan, the reply becoming the own domain. An empty reply changes
// nothing and gives false.
bool ChangePlan(TAccount& account, const QString& plan, const ServiceEndpoints& service);

QString DomainCheckProblemMessage();
QString PlanChangeFailedMessage();

}  // namespace moxa
