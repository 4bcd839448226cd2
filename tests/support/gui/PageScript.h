#pragma once

#include "support/gui/Eventually.h"

#include <QVariant>
#include <QWebEnginePage>

namespace moxa::test {

// The value of `script` run in `page`, waiting at most `milliseconds` for it;
// an invalid value when no answer came.
inline QVariant EvaluateScript(QWebEnginePage* page, const QString& script, int milliseconds = 10000) {
  QVariant result;
  bool answered = false;
  page->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    answered = true;
  });
  Eventually([&] { return answered; }, milliseconds);
  return result;
}

}  // namespace moxa::test
