#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace moxa {

// Why an operation failed. One list for the whole program, so a failure keeps
// its meaning from the place it happens to the message the user reads; the
// words for each code are in one table (session/UserMessages.cpp). A network
// failure, a refusal by the service and a local write failure are never the
// same code.
enum class ErrorCode {
  None,
  Cancelled,  // the user stopped it: nothing changed, nothing to say

  // On this computer
  SettingsUnreadable,    // the stored settings could not be read
  SettingsNotSaved,      // the settings could not be written; they are as they were
  SiteNotCreated,        // the new site's files could not be written; the old site is whole
  TemplateNotApplied,    // the template change could not be written; the site is whole
  ChangeUnfinished,      // a change failed and its undo could not be stored: the next start finishes it
  ExportRefused,         // the chosen folder cannot take an export
  ExportIncomplete,      // some files could not be exported (detail: which)
  PageNotSaved,          // the open page could not be written
  NoSite,                // there is no site to work on

  // With the hosting service
  ServiceUnreachable,    // no answer, or the transfer broke off
  NameNotRegistered,     // the service answered, but gave no name for the site
  PlaceholderMissing,    // the name is registered, its "coming soon" page did not go up
  AccountNotSaved,       // the service did not take the account's details
  LoginRefused,          // the service does not know that e-mail and password
  SiteNotBroughtDown,    // a login got no page down, or could not put the site in place
  PublishFailed,         // the pages could not be uploaded
  DomainNotReady,        // the own domain is not set up at the service yet
};

// The result of an operation that can fail: done, or a code with details for
// the log and the message (a file name, the service's words). Never ignored:
// the build fails where one is dropped.
class [[nodiscard]] Outcome {
 public:
  Outcome() = default;
  explicit Outcome(ErrorCode code, QString detail = {}) : code_(code), detail_(std::move(detail)) {}

  static Outcome Done() { return Outcome(); }

  bool ok() const { return code_ == ErrorCode::None; }
  explicit operator bool() const { return ok(); }
  ErrorCode code() const { return code_; }
  const QString& detail() const { return detail_; }

 private:
  ErrorCode code_ = ErrorCode::None;
  QString detail_;
};

// A value, or the outcome that explains why there is none.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: a value is a success
  Result(Outcome failure) : outcome_(std::move(failure)) {}  // NOLINT: so is a failure

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const T& value() const { return *value_; }
  T& value() { return *value_; }
  const Outcome& outcome() const { return outcome_; }

 private:
  std::optional<T> value_;
  Outcome outcome_;
};

}  // namespace moxa
