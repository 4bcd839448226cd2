#include "site/PageNames.h"

#include "site/NameCharacters.h"

#include <QDir>
#include <QFileInfo>

namespace moxa {

bool IsUsablePageFileName(const QString& fileName) {
  if (fileName.isEmpty()) return false;
  for (const QChar c : fileName) {
    if (c.unicode() <= ' ' || c.category() == QChar::Other_Control) return false;
    if (kForbiddenNameCharacters.find(c.unicode()) != std::u16string_view::npos) return false;
  }
  return true;
}

bool IsReservedPageFileName(const QString& fileName) {
  return fileName.compare(QLatin1String("uperdyup"), Qt::CaseInsensitive) == 0;
}

bool PathStaysInside(const QString& folder, const QString& path) {
  const QString root = QFileInfo(folder).canonicalFilePath();
  if (root.isEmpty()) return false;
  const QFileInfo file(path);
  QString resolved;
  if (file.exists() || file.isSymLink()) {
    resolved = file.canonicalFilePath();  // "" for a dangling link
  } else {
    const QString parent = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (!parent.isEmpty()) resolved = parent + QLatin1Char('/') + file.fileName();
  }
  return !resolved.isEmpty() && resolved.startsWith(root + QLatin1Char('/'));
}

}  // namespace moxa
