#include "hosting/DomainCheck.h"

#include "platform/HttpFetch.h"

namespace moxa {

namespace {

QString WithoutWww(const QString& host) {
  return host.startsWith(QLatin1String("www.")) ? host.mid(4) : host;
}

QByteArray LookupUrl(int page, const QString& host, const QString& domain) {
  switch (page) {
    case 1: return ("http://" + host + "/cgi-bin/checkdomain.pl?domain=" + domain).toUtf8();
    case 2: return ("http://" + host + "/whois/" + domain).toUtf8();
    default: return ("http://" + host + u'/' + domain).toUtf8();
  }
}

}  // namespace

const QStringList& DomainExtensions() {
  static const QStringList extensions = {
      QStringLiteral(".com"), QStringLiteral(".net"),   QStringLiteral(".org"),  QStringLiteral(".info"),
      QStringLiteral(".biz"), QStringLiteral(".us"),    QStringLiteral(".co.uk"), QStringLiteral(".name"),
      QStringLiteral(".ca"),  QStringLiteral(".co"),    QStringLiteral(".cc"),   QStringLiteral(".be"),
      QStringLiteral(".me"),  QStringLiteral(".tv")};
  return extensions;
}

DomainVerdict ReadLookupReply(int page, const QString& reply, const QString& host) {
  switch (page) {
    case 1:
      if (reply.contains(QLatin1String(", is still available!"))) return DomainVerdict::Available;
      if (reply.contains(QLatin1String(", has already been registered"))) return DomainVerdict::Taken;
      return DomainVerdict::NoAnswer;
    case 2:
      if (reply.contains(QLatin1String("<span class=\"hdGreen\">available</span>"))) return DomainVerdict::Available;
      if (reply.contains(QLatin1String("<span class=\"hdOrange\">not available</span>"))) return DomainVerdict::Taken;
      return DomainVerdict::NoAnswer;
    default:
      // The third page has no "taken" marker: only its own page (its address
      // in it) without the "not registered" line says so.
      if (reply.indexOf(QStringLiteral("http://") + WithoutWww(host)) < 1) return DomainVerdict::NoAnswer;
      return reply.contains(QLatin1String("This domain name is not registered")) ? DomainVerdict::Available
                                                                                 : DomainVerdict::Taken;
  }
}

DomainCheck CheckDomain(const QString& domain, const ServiceEndpoints& service) {
  for (int page = 1; page <= 3 && page <= service.LookupHosts.size(); ++page) {
    const QString& host = service.LookupHosts[page - 1];
    const QString reply = FetchUrlText(LookupUrl(page, host, domain));
    // No reply at all from the first page: the connection, not the domain.
    if (page == 1 && reply.isEmpty()) return {};
    const DomainVerdict verdict = ReadLookupReply(page, reply, host);
    if (verdict != DomainVerdict::NoAnswer) return {verdict, page};
  }
  return {};
}

bool ChangePlan(TAccount& account, const QString& plan, const ServiceEndpoints& service) {
  const QString domain = FetchUrlText(ChangeHostingUrl(service, account.UnixName, account.HostingPackage));
  if (domain.isEmpty()) return false;
  account.HostingPackage = plan;
  account.Domain = domain;
  return true;
}

QString DomainCheckProblemMessage() {
  return QStringLiteral("There was a problem checking the domain. Please check your internet connection.");
}

QString PlanChangeFailedMessage() {
  return QStringLiteral("Your hosting plan could not be changed. Please check your internet connection.");
}

}  // namespace moxa
