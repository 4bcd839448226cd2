#include "pages/PreviewLinks.h"

#include <QDir>
#include <QFileInfo>

namespace moxa {
namespace {

bool IsInside(const QString& path, const QString& folder) {
  return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

std::optional<QUrl> PreviewLinkTarget(const QUrl& link, const QString& rootFolder) {
  if (!link.isLocalFile() || rootFolder.isEmpty()) return std::nullopt;
  const QString root = QDir::cleanPath(rootFolder);
  QString path = QDir::cleanPath(link.toLocalFile());
  if (!IsInside(path, root)) return std::nullopt;
  if (QFileInfo(path).isDir()) {
    path += QStringLiteral("/index.html");
  } else if (path.endsWith(QStringLiteral(".php"), Qt::CaseInsensitive)) {
    path.chop(4);
    path += QStringLiteral(".html");
  }
  const QFileInfo file(path);
  // A link inside the folder must not lead out of it by a symbolic link either.
  const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
  if (!file.isFile() || canonicalRoot.isEmpty() ||
      !IsInside(file.canonicalFilePath(), canonicalRoot)) {
    return std::nullopt;
  }
  QUrl target = QUrl::fromLocalFile(path);
  if (link.hasFragment()) target.setFragment(link.fragment());
  return target;
}

}  // namespace moxa
