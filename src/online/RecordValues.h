#pragma once

// What a value typed by the user must not hold to travel in the service's
// records. The records have no escaping: a value holding a separator, or
// ending in a separator's character (which then joins the separator after
// it), shifts every field behind it.

#include "site/Account.h"

#include <QString>

#include <initializer_list>
#include <utility>

namespace moxa {

// A value and how the user knows it ("The page label").
using NamedValue = std::pair<QString, QString>;

// The reason to show for the first value the records cannot carry; "" when
// all of them can.
QString RecordValuesProblem(std::initializer_list<NamedValue> values);

// The same check for the values typed on the account screen.
QString AccountValuesProblem(const TAccount& account);

// The value with every separator and any separator character at its end
// removed: what a record writer sends, so no value ever breaks a record.
QString WithoutRecordSeparators(const QString& value);

}  // namespace moxa
