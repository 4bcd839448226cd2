#include "session/UserMessages.h"

#include "online/Login.h"
#include "site/Site.h"

namespace moxa {

QString UserMessage(ErrorCode code) {
  switch (code) {
    case ErrorCode::None:
    case ErrorCode::Cancelled:
      return QString();
    case ErrorCode::SettingsUnreadable:
      return QStringLiteral("Your site's settings could not be read.");
    case ErrorCode::SettingsNotSaved:
      return QStringLiteral("Your site's details could not be saved.");
    case ErrorCode::SiteNotCreated:
      return QStringLiteral("Your site could not be created.");
    case ErrorCode::TemplateNotApplied:
      return QStringLiteral("The template could not be applied to your site. Your site has not been changed.");
    case ErrorCode::ChangeUnfinished:
      return QStringLiteral("Your site could not be changed, and its details could not be put back. "
                            "Please close the program and start it again: it will finish the change then.");
    case ErrorCode::ExportRefused:
      return QStringLiteral("Your site cannot be exported into that folder. Please choose another one.");
    case ErrorCode::ExportIncomplete:
      return QStringLiteral("Some files could not be exported: %1");
    case ErrorCode::PageNotSaved:
      return QStringLiteral("Your page could not be saved.");
    case ErrorCode::NoSite:
      return QStringLiteral("There is no site yet.");
    case ErrorCode::ServiceUnreachable:
      return QStringLiteral("The hosting service could not be reached. Please check your internet connection.");
    case ErrorCode::NameNotRegistered:
      return QStringLiteral("Your site's name could not be registered. Please try again later.");
    case ErrorCode::PlaceholderMissing:
      return QStringLiteral("Your site's name is registered, but its address shows nothing yet. "
                            "Publish your site to put it there.");
    case ErrorCode::AccountNotSaved:
      return QStringLiteral(
          "There was a problem saving your account information. Please check your internet connection.");
    case ErrorCode::LoginRefused:
      return QStringLiteral("The login details you entered are incorrect. Please try again.");
    case ErrorCode::SiteNotBroughtDown:
      return QStringLiteral("Your site could not be brought down. Please check your internet connection.");
    case ErrorCode::PublishFailed:
      return QStringLiteral("There was a problem publishing your site. Please check your internet connection.");
    case ErrorCode::DomainNotReady:
      return QStringLiteral("Your domain has just been registered.\r\nYou'll be able to upload your site in 24 hours.");
  }
  return QString();
}

QString UserMessage(const Outcome& outcome) {
  const QString text = UserMessage(outcome.code());
  return text.contains(QLatin1String("%1")) ? text.arg(outcome.detail()) : text;
}

QString UserMessageLine(const Outcome& outcome) {
  QString line = UserMessage(outcome).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  if (!outcome.detail().isEmpty() && !line.contains(outcome.detail())) {
    line += QStringLiteral(" (") + outcome.detail() + u')';
  }
  return line;
}

QString AccountSavedMessage() { return QStringLiteral("Your account's  information was successfully saved."); }

QString SkippedPagesMessage(const QStringList& pages) {
  return QStringLiteral("These pages could not be brought down, because their names cannot name a "
                        "page file: %1").arg(pages.join(QStringLiteral(", ")));
}

QString SkippedStoredPagesMessage(const QStringList& pages) {
  return QStringLiteral("These pages could not be opened because their file names cannot be used, "
                        "and were left out: %1").arg(pages.join(QStringLiteral(", ")));
}

QString MissingPagesMessage(const QStringList& pages) {
  return QStringLiteral("These pages could not be brought down and were left out: %1")
      .arg(pages.join(QStringLiteral(", ")));
}

QString PagesCutMessage() {
  return QStringLiteral("Your site has more pages than the program can hold. The first %1 were brought down.")
      .arg(Site::kPageCapacity);
}

QString TemplateGuessedMessage() {
  return QStringLiteral("The template of your site could not be found. The first template was used; "
                        "you can choose another one with the Template tab.");
}

Outcome LoginFailure(const LoginOutcome& login) {
  switch (login.Outcome) {
    case LoginOutcome::Result::LoggedIn: return Outcome::Done();
    case LoginOutcome::Result::Cancelled: return Outcome(ErrorCode::Cancelled);
    case LoginOutcome::Result::Refused: return Outcome(ErrorCode::LoginRefused);
    case LoginOutcome::Result::Failed: break;
  }
  return Outcome(login.NotSaved ? ErrorCode::SettingsNotSaved : ErrorCode::SiteNotBroughtDown, login.Error);
}

QStringList LoginNotices(const LoginOutcome& login) {
  QStringList notices;
  if (login.Outcome != LoginOutcome::Result::LoggedIn) return notices;
  if (!login.SkippedPages.isEmpty()) notices << SkippedPagesMessage(login.SkippedPages);
  if (!login.MissingPages.isEmpty()) notices << MissingPagesMessage(login.MissingPages);
  if (login.PagesCut) notices << PagesCutMessage();
  if (login.TemplateGuessed) notices << TemplateGuessedMessage();
  return notices;
}

}  // namespace moxa
