#include "app/shell/SiteJob.h"

#include <QTimer>

#include <algorithm>

namespace moxa {

void SiteJob::Finish(std::function<void()> deliver, int minimumMilliseconds) {
  const qint64 remaining = minimumMilliseconds - elapsed_.elapsed();
  QTimer::singleShot(std::max<qint64>(0, remaining), this, [this, deliver] {
    running_ = false;
    deliver();
  });
}

}  // namespace moxa
