#include "online/Login.h"

#include "online/Protocol.h"
#include "online/SiteName.h"
#include "pages/FileNameRules.h"
#include "platform/HttpFetch.h"
#include "site/PageNames.h"
#include "site/SiteStore.h"
#include "site/StagedWorkFolder.h"
#include "site/TextFiles.h"
#include "templates/SiteCreation.h"
#include "templates/TemplateLibrary.h"

#include <QRegularExpression>

#include <algorithm>

namespace moxa {

namespace {

constexpr int kHighestTemplateNumber = 150;
constexpr qsizetype kShortestAcceptedReply = 9;

QString TemplateAddress(const QString& base, int number) {
  return base + QStringLiteral("/wbx/templates/%1/").arg(number);
}

// The reply's pages that can be pages here, with their names cleaned.
std::vector<TSitePage> UsablePages(std::vector<TSitePage> pages, QStringList& skipped) {
  std::vector<TSitePage> usable;
  for (TSitePage& page : pages) {
    const QString cleaned = SanitizeFileName(page.FileName, page.Label_).FileName;
    const bool taken = std::any_of(usable.begin(), usable.end(), [&](const TSitePage& other) {
      return SameFileName(other.FileName, cleaned);
    });
    if (!IsUsablePageFileName(cleaned) || IsReservedPageFileName(cleaned) || taken) {
      skipped << page.FileName;
      continue;
    }
    page.FileName = cleaned;
    usable.push_back(std::move(page));
  }
  return usable;
}

LoginOutcome Failure(const QString& error, LoginOutcome outcome = {}) {
  outcome.Outcome = LoginOutcome::Result::Failed;
  outcome.Error = error;
  return outcome;
}

bool IsCancelled(const LoginControl& control) { return control.Cancel && control.Cancel->load(); }

LoginOutcome Cancelled(LoginOutcome outcome = {}) {
  outcome.Outcome = LoginOutcome::Result::Cancelled;
  outcome.Error = QStringLiteral("cancelled");
  return outcome;
}

// Downloads every page into the staged folder. The pages that cannot be
// brought down or written are named in `missing` and left out of `pages`,
// so the table names exactly the files there. False when cancelled.
bool BringDownPages(std::vector<TSitePage>& pages, const QString& base, const QString& unixName,
                    const Folders& staged, const LoginControl& control, int& templateNumber,
                    QStringList& missing) {
  std::vector<TSitePage> brought;
  const int total = int(pages.size());
  for (int i = 0; i < total; ++i) {
    if (IsCancelled(control)) return false;
    if (control.Progress) control.Progress(i + 1, total);
    TSitePage& page = pages[std::size_t(i)];
    const QByteArray url = (base + u'/' + unixName + u'/' + page.FileName + QStringLiteral(".html")).toUtf8();
    const Result<QByteArray> fetched = FetchUrlBytes(url, control.Cancel);
    if (!fetched) {
      if (IsCancelled(control)) return false;
      missing << page.FileName;
      continue;
    }
    const QByteArray& text = fetched.value();
    if (!WriteTextFile(NormalizeLineEnds(WithoutTemplateAddresses(text, base)), staged.PageFile(page.FileName))) {
      missing << page.FileName;
      continue;
    }
    if (templateNumber < 0) templateNumber = TemplateNumberInPage(text, base);
    brought.push_back(std::move(page));
  }
  pages = std::move(brought);
  return !IsCancelled(control);
}

}  // namespace

int TemplateNumberInPage(const QByteArray& page, const QString& serviceBase) {
  const QRegularExpression address(QRegularExpression::escape(serviceBase + QStringLiteral("/wbx/templates/")) +
                                   QStringLiteral("(\\d{1,3})/"));
  for (auto match = address.globalMatch(QString::fromUtf8(page)); match.hasNext();) {
    const int number = match.next().captured(1).toInt();
    if (number <= kHighestTemplateNumber) return number;
  }
  return -1;
}

QByteArray WithoutTemplateAddresses(QByteArray page, const QString& serviceBase) {
  // Highest first: the address of 1 is the start of those of 10 to 19 only
  // with its slash, so the order is for safety, not need.
  for (int number = kHighestTemplateNumber; number >= 0; --number) {
    page.replace(TemplateAddress(serviceBase, number).toUtf8(), QByteArray());
  }
  return page;
}

QString PageProgressCaption(int page, int pages) {
  return QStringLiteral("Bringing down page %1 of %2").arg(page).arg(pages);
}

namespace {
LoginOutcome BringDown(StagedSite& staged, const Site& site, const Folders& folders, const ServiceEndpoints& service,
                       const QString& email, const QString& password, const LoginControl& control);
}  // namespace

BroughtDownSite BringSiteDown(const Site& site, const Folders& folders, const ServiceEndpoints& service,
                              const QString& email, const QString& password, const LoginControl& control) {
  BroughtDownSite down;
  down.Outcome = BringDown(down.Staged, site, folders, service, email, password, control);
  return down;
}

LoginOutcome PutLoginInPlace(BroughtDownSite& down, Site& site, SettingsStore* store) {
  LoginOutcome outcome = down.Outcome;
  if (outcome.Outcome != LoginOutcome::Result::LoggedIn) return outcome;
  const Outcome placed = PutStagedSiteInPlace(down.Staged, site, store, ErrorCode::SiteNotBroughtDown);
  if (placed) return outcome;
  outcome = Failure(placed.code() == ErrorCode::ChangeUnfinished
                        ? QStringLiteral("the site was stored but not swapped in; the next start finishes it")
                        : QStringLiteral("the new site could not be put in place"),
                    outcome);
  outcome.NotSaved = placed.code() == ErrorCode::SettingsNotSaved;
  return outcome;
}

LoginOutcome LogIn(Site& site, const Folders& folders, const ServiceEndpoints& service,
                   const QString& email, const QString& password, SettingsStore* store,
                   const LoginControl& control) {
  BroughtDownSite down = BringSiteDown(site, folders, service, email, password, control);
  return PutLoginInPlace(down, site, store);
}

namespace {

// The site of `email` brought down into `staged`, ready to be put in place.
LoginOutcome BringDown(StagedSite& staged, const Site& site, const Folders& folders, const ServiceEndpoints& service,
                       const QString& email, const QString& password, const LoginControl& control) {
  LoginOutcome outcome;
  const Result<QByteArray> answer = FetchUrlBytes(LoginUrl(service, email, password), control.Cancel);
  if (IsCancelled(control)) return Cancelled();
  // No answer is not a refusal: the user's details may well be right.
  if (!answer) return Failure(QStringLiteral("the service did not answer: ") + answer.outcome().detail());
  QString reply = QString::fromUtf8(QByteArray(answer.value()).replace("\r", "").replace("\n", ""));
  TAccount account = site.SiteAccount;
  if (reply.size() < kShortestAcceptedReply || !ReadAccountRecord(reply, account)) {
    outcome.Outcome = LoginOutcome::Result::Refused;
    return outcome;
  }
  // Becomes a folder name and the site's address: an empty name or a path
  // from a broken or hostile reply must not.
  if (!IsPlainSiteName(account.UnixName)) return Failure(QStringLiteral("the reply names no plain site"));
  std::vector<TSitePage> pages =
      UsablePages(ReadPageList(reply, Site::kPageCapacity, &outcome.PagesCut), outcome.SkippedPages);

  auto folder = std::make_shared<StagedWorkFolder>(folders);
  if (!folder->Create()) return Failure(QStringLiteral("the new working folder cannot be made"), outcome);
  const QString base = service.Base();
  int templateNumber = -1;
  const bool listed = !pages.empty();
  if (!BringDownPages(pages, base, account.UnixName, folder->Staged(), control, templateNumber,
                      outcome.MissingPages)) {
    return Cancelled(outcome);
  }
  if (listed && pages.empty()) return Failure(QStringLiteral("no page could be brought down"), outcome);

  const TemplateLibrary library = TemplateLibrary::Scan(folders);
  const auto at = std::find(library.Numbers().begin(), library.Numbers().end(), templateNumber);
  outcome.TemplateGuessed = at == library.Numbers().end();
  const int index = outcome.TemplateGuessed ? 0 : int(at - library.Numbers().begin());
  const std::optional<int> number = library.NumberAt(index);
  if (!number || !ReplaceTemplateAssets(folders.TemplateFolder(*number), folder->Staged().WorkFolder())) {
    return Failure(QStringLiteral("the template's files cannot be copied"), outcome);
  }

  Site loggedIn = site;
  account.UnixCreated = true;
  // The reply does not say whether the address is switched on. Left false
  // (as on a machine that never had a site), the first save of the account
  // screen would take the live site off the web; a new site starts on too.
  account.MoxaSiteStatus = true;
  loggedIn.SiteAccount = account;
  loggedIn.SelectedTemplateIndex = index;
  loggedIn.SitePages() = std::move(pages);
  loggedIn.OpenPageFileName.clear();
  if (IsCancelled(control)) return Cancelled(outcome);
  staged.Folder = std::move(folder);
  staged.Record = std::move(loggedIn);
  outcome.Outcome = LoginOutcome::Result::LoggedIn;
  return outcome;
}

}  // namespace

}  // namespace moxa
