#include "online/ServiceEndpoints.h"

#include "BuildConfig.h"
#include "online/Protocol.h"

namespace moxa {

ServiceEndpoints ServiceEndpoints::FromBuild() {
  using namespace build;
  return {QString::fromUtf8(kServiceHost), QString::fromUtf8(kServiceDomain),
          QString::fromUtf8(kServiceFtpHost),
          {QString::fromUtf8(kLookupHost1), QString::fromUtf8(kLookupHost2),
           QString::fromUtf8(kLookupHost3)}};
}

QByteArray EndpointUrl(const ServiceEndpoints& service, const char* endpoint, QueryValues values) {
  QByteArray url = service.Base().toUtf8() + "/wbx/" + endpoint + ".php";
  char joiner = '?';
  for (const auto& [key, value] : values) {
    url += joiner;
    url += key;
    url += '=';
    url += FormEncode(value.toUtf8());
    joiner = '&';
  }
  return url;
}

QByteArray LoginUrl(const ServiceEndpoints& s, const QString& email, const QString& password) {
  return EndpointUrl(s, "login", {{"email", email}, {"password", password}});
}

QByteArray EmailPasswordUrl(const ServiceEndpoints& s, const QString& email) {
  return EndpointUrl(s, "emailpassword", {{"email", email}});
}

QByteArray NewUnixUrl(const ServiceEndpoints& s, const QString& unixName) {
  return EndpointUrl(s, "newunix", {{"id", unixName}});
}

QByteArray ChangeUnixUrl(const ServiceEndpoints& s, const QString& oldName, const QString& newName) {
  return EndpointUrl(s, "changeunix", {{"oldid", oldName}, {"newid", newName}});
}

QByteArray UnixStatusUrl(const ServiceEndpoints& s, const QString& unixName, bool enable) {
  return EndpointUrl(s, "unixstatus",
                     {{"id", unixName},
                      {"status", enable ? QStringLiteral("enable") : QStringLiteral("disable")}});
}

QByteArray UpdateAccountUrl(const ServiceEndpoints& s, const TAccount& a) {
  return EndpointUrl(
      s, "updateacc",
      {{"fname", a.FirstName},
       {"lname", a.LastName},
       {"email", a.Email},
       {"password", a.Password},
       {"unixname", a.UnixName},
       {"moxasitestatus", a.MoxaSiteStatus ? QStringLiteral("enable") : QStringLiteral("disable")},
       {"oldid", a.UnixName},
       {"domain", a.Domain},
       {"ftphost", a.FtpHost},
       {"ftpusername", a.FtpUsername},
       {"ftppassword", a.FtpPassword},
       {"ftpport", QString::number(a.FtpPort)},
       {"ftppath", a.FtpPath},
       {"hostingpackage", a.HostingPackage}});
}

QByteArray UpdatePagesUrl(const ServiceEndpoints& s, const QString& unixName, const QString& pageList) {
  return EndpointUrl(s, "updatepages", {{"id", unixName}, {"pages", pageList}});
}

QByteArray GetFtpDetailsUrl(const ServiceEndpoints& s, const QString& unixName) {
  return EndpointUrl(s, "getftpdetails", {{"id", unixName}});
}

QByteArray ChangeHostingUrl(const ServiceEndpoints& s, const QString& unixName, const QString& plan) {
  return EndpointUrl(s, "changehosting", {{"id", unixName}, {"plan", plan}});
}

}  // namespace moxa
