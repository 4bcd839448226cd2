#pragma once

// The texts exchanged with the hosting service: the query encoder and the
// records of its replies. Records are fields each ended by a separator;
// a reply cut short never makes a reader read past its end.

#include "site/Account.h"
#include "site/SitePage.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace moxa {

inline constexpr QStringView kFieldEnd = u"|||||";
inline constexpr QStringView kPageFieldEnd = u"/////";

// Percent-encoding of a query value: the 72 safe characters stay, a space
// becomes "+", every other byte "%XX" (upper-case hex). Stops at a zero byte.
QByteArray FormEncode(const QByteArray& value);

// The text before the first `separator`, removed from the front of `reply`
// together with the separator. Nothing, and `reply` unchanged, when the
// separator does not occur.
std::optional<QString> TakeField(QString& reply, QStringView separator);

// "true" exactly is true; any other text false.
inline bool ReadBoolean(const QString& field) { return field == QLatin1String("true"); }
inline QString BooleanText(bool value) {
  return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The twelve account fields, Password first.
QString AccountRecord(const TAccount& account);
// Reads an account record from the front of `reply` into `account`. The
// port is taken only when its field is all digits. False, with `account`
// untouched, when the record is cut short.
bool ReadAccountRecord(QString& reply, TAccount& account);

// The fifteen fields of each page, one record after the other.
QString PageList(const std::vector<TSitePage>& pages);
// The complete page records at the front of `reply`, at most `limit`; a
// record cut short ends the list. `more` tells whether the limit left
// records behind.
std::vector<TSitePage> ReadPageList(QString& reply, int limit, bool* more = nullptr);

// The five fields of an FTP account.
QString FtpRecord(const TAccount& account);
// Reads an FTP record into the account's FTP fields; false, with `account`
// untouched, when it is cut short.
bool ReadFtpRecord(QString& reply, TAccount& account);

}  // namespace moxa
