#pragma once

#include "site/Account.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

namespace moxa {

// Where the hosting service answers. The program is built with its values;
// tests and tools pass those of a service they started.
struct ServiceEndpoints {
  QString WebHost;      // e.g. "localhost:8720"
  QString Domain;       // free sites live at NAME + "." + Domain
  QString FtpHost;      // the shared FTP host, may carry ":port"
  QStringList LookupHosts;  // the three domain-lookup hosts

  static ServiceEndpoints FromBuild();

  // "http://" + WebHost.
  QString Base() const { return QStringLiteral("http://") + WebHost; }
  // A free site's address without the scheme: NAME + "." + Domain.
  QString SiteAddress(const QString& unixName) const { return unixName + u'.' + Domain; }
};

using QueryValues = std::initializer_list<std::pair<const char*, QString>>;

// Base + "/wbx/" + endpoint + ".php" with the keys in the order given and
// every value sent as UTF-8 through FormEncode, so that "&", "+", "#" or a
// space in a name or password never breaks or changes the request.
QByteArray EndpointUrl(const ServiceEndpoints& service, const char* endpoint, QueryValues values);

// The endpoints' requests, keys and values as the service expects them.
QByteArray LoginUrl(const ServiceEndpoints& s, const QString& email, const QString& password);
QByteArray EmailPasswordUrl(const ServiceEndpoints& s, const QString& email);
QByteArray NewUnixUrl(const ServiceEndpoints& s, const QString& unixName);
QByteArray ChangeUnixUrl(const ServiceEndpoints& s, const QString& oldName, const QString& newName);
QByteArray UnixStatusUrl(const ServiceEndpoints& s, const QString& unixName, bool enable);
QByteArray UpdateAccountUrl(const ServiceEndpoints& s, const TAccount& account);
QByteArray UpdatePagesUrl(const ServiceEndpoints& s, const QString& unixName, const QString& pageList);
QByteArray GetFtpDetailsUrl(const ServiceEndpoints& s, const QString& unixName);
QByteArray ChangeHostingUrl(const ServiceEndpoints& s, const QString& unixName, const QString& plan);

}  // namespace moxa
