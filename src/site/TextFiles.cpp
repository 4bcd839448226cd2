#include "site/TextFiles.h"

#include "site/SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace moxa {

QByteArray NormalizeLineEnds(const QByteArray& bytes) {
  QByteArray out;
  out.reserve(bytes.size() + bytes.size() / 32 + 2);
  const qsizetype n = bytes.size();
  qsizetype lineStart = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    out.append(bytes.constData() + lineStart, i - lineStart);
    out.append("\r\n", 2);
    if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
    lineStart = i + 1;
  }
  if (lineStart < n) {
    out.append(bytes.constData() + lineStart, n - lineStart);
    out.append("\r\n", 2);
  }
  return out;
}

QByteArray ReadTextFile(const QString& path, bool* ok) {
  if (ok) *ok = true;
  QFile file(path);
  if (!QFileInfo(path).isFile()) {
    // A folder at the path is not a text file we can read.
    if (ok && QFileInfo::exists(path)) *ok = false;
    return QByteArray();
  }
  if (!file.open(QIODevice::ReadOnly)) {
    if (ok) *ok = false;
    return QByteArray();
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (ok) *ok = false;
    return QByteArray();
  }
  return NormalizeLineEnds(bytes);
}

QByteArray TextFileBytes(const QByteArray& text) {
  return text.endsWith("\r\n") ? text : text + "\r\n";
}

bool WriteTextFile(const QByteArray& text, const QString& path) {
  return WriteFileSafely(path, TextFileBytes(text));
}

}  // namespace moxa
