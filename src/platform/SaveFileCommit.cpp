#include "platform/SaveFileCommit.h"

#include <QSaveFile>

namespace moxa {

bool CommitSaveFile(QSaveFile& file) {
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace moxa
