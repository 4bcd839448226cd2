#include "site/SafeFile.h"

#include "platform/SaveFileCommit.h"

#include <QSaveFile>

namespace moxa {

bool WriteFileSafely(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return CommitSaveFile(file);
}

}  // namespace moxa
