#include "session/UserMessages.h"

#include "online/Login.h"

#include <set>

#include <gtest/gtest.h>

namespace moxa {
namespace {

constexpr ErrorCode kFailures[] = {
    ErrorCode::SettingsUnreadable, ErrorCode::SettingsNotSaved,
    ErrorCode::SiteNotCreated,     ErrorCode::TemplateNotApplied, ErrorCode::ChangeUnfinished,
    ErrorCode::ExportRefused,      ErrorCode::ExportIncomplete, ErrorCode::PageNotSaved,
    ErrorCode::NoSite,             ErrorCode::ServiceUnreachable, ErrorCode::LoginRefused,     ErrorCode::AccountNotSaved,
    ErrorCode::NameNotRegistered,  ErrorCode::PlaceholderMissing,
    ErrorCode::SiteNotBroughtDown, ErrorCode::PublishFailed,      ErrorCode::DomainNotReady,
};

// Every failure has words of its own; success and the user's own cancel have none.
TEST(UserMessagesTest, EveryFailureHasItsOwnMessage) {
  std::set<QString> seen;
  for (const ErrorCode code : kFailures) {
    const QString text = UserMessage(code);
    EXPECT_FALSE(text.isEmpty()) << int(code);
    EXPECT_TRUE(seen.insert(text).second) << "said twice: " << text.toStdString();
  }
  EXPECT_TRUE(UserMessage(ErrorCode::None).isEmpty());
  EXPECT_TRUE(UserMessage(ErrorCode::Cancelled).isEmpty());
}

TEST(UserMessagesTest, DetailsFillTheMessageOrFollowItOnOneLine) {
  const Outcome missed(ErrorCode::ExportIncomplete, QStringLiteral("index.html, bin"));
  EXPECT_EQ(UserMessage(missed), QStringLiteral("Some files could not be exported: index.html, bin"));
  EXPECT_EQ(UserMessageLine(missed), UserMessage(missed));
  const Outcome unreachable(ErrorCode::ServiceUnreachable, QStringLiteral("connection refused"));
  EXPECT_EQ(UserMessageLine(unreachable), UserMessage(unreachable) + QStringLiteral(" (connection refused)"));
  EXPECT_FALSE(UserMessageLine(Outcome(ErrorCode::DomainNotReady)).contains(u'\n'));
}

// A login's result as the user hears it: a refusal, a failure and a store
// that could not be written are three different things.
TEST(UserMessagesTest, ALoginIsToldAsARefusalAFailureOrAStoreNotSaved) {
  const struct {
    LoginOutcome::Result result;
    bool notSaved;
    ErrorCode code;
  } cases[] = {
      {LoginOutcome::Result::LoggedIn, false, ErrorCode::None},
      {LoginOutcome::Result::Cancelled, false, ErrorCode::Cancelled},
      {LoginOutcome::Result::Refused, false, ErrorCode::LoginRefused},
      {LoginOutcome::Result::Failed, false, ErrorCode::SiteNotBroughtDown},
      {LoginOutcome::Result::Failed, true, ErrorCode::SettingsNotSaved},
  };
  for (const auto& c : cases) {
    LoginOutcome login;
    login.Outcome = c.result;
    login.NotSaved = c.notSaved;
    EXPECT_EQ(LoginFailure(login).code(), c.code) << int(c.result) << c.notSaved;
  }
  LoginOutcome partly;
  partly.Outcome = LoginOutcome::Result::LoggedIn;
  partly.MissingPages = QStringList{QStringLiteral("gone")};
  partly.TemplateGuessed = true;
  EXPECT_EQ(LoginNotices(partly), QStringList({MissingPagesMessage({QStringLiteral("gone")}), TemplateGuessedMessage()}));
  EXPECT_TRUE(MissingPagesMessage({QStringLiteral("gone")}).endsWith(QStringLiteral(": gone")));
}

}  // namespace
}  // namespace moxa
