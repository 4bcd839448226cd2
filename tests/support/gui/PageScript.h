#pragma once

#include "support/gui/Eventually.h"

#include <QVariant>
#include <QWebEnginePage>
#include <memory>

namespace moxa::test {

// The value of `script` run in `page`, waiting at most `milliseconds` for it;
// an invalid value when no answer came.
inline QVariant EvaluateScript(QWebEnginePage* page, const QString& script, int milliseconds = 10000) {
  // Shared with the callback: an answer that comes after the wait gave up
  // must not write into this finished call.
  struct Answer {
    QVariant value;
    bool given = false;
  };
  auto answer = std::make_shared<Answer>();
  page->runJavaScript(script, [answer](const QVariant& value) {
    answer->value = value;
    answer->given = true;
  });
  Eventually([&] { return answer->given; }, milliseconds);
  return answer->value;
}

}  // namespace moxa::test
