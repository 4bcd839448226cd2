#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <QStringList>

namespace moxa {

struct LoginOutcome;

// Every message the program shows for a failure, by its code: the window and
// moxa-tool say the same words for the same failure. Empty for Cancelled
// and None (nothing to say).
QString UserMessage(ErrorCode code);
// The message for `outcome`; codes that name things (the files an export
// missed) carry them in the outcome's detail.
QString UserMessage(const Outcome& outcome);
// The same words on one line, for a terminal; with the detail in brackets.
QString UserMessageLine(const Outcome& outcome);

// Said when the account screen's details reached the service and the store.
QString AccountSavedMessage();

// Notices about a site that was loaded or brought down only in part.
QString SkippedPagesMessage(const QStringList& pages);       // names that cannot name a page file here
QString SkippedStoredPagesMessage(const QStringList& pages);  // the same, in the stored page table
QString MissingPagesMessage(const QStringList& pages);       // could not be brought down
QString PagesCutMessage();                                    // more pages than a site holds
QString TemplateGuessedMessage();                             // the template was not found in the pages

// A login that did not bring the site down, as an outcome (Done when it did).
Outcome LoginFailure(const LoginOutcome& login);
// What a login that brought the site down tells the user besides: pages
// left out or cut, a template guessed.
QStringList LoginNotices(const LoginOutcome& login);

}  // namespace moxa
