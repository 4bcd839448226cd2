#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace moxa::test {

// Waits until `condition` holds; false when it still does not after
// `milliseconds`. (QtTest's QTRY_ macros would only return from the test,
// never fail it; and an event loop, unlike QTest::qWaitFor's short sleeps,
// keeps the browser engine's messages flowing at full speed.)
template <typename Condition>
bool Eventually(Condition condition, int milliseconds = 5000) {
  if (condition()) return true;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (condition()) loop.quit();
  });
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  poll.start(5);
  loop.exec();
  return condition();
}

}  // namespace moxa::test
