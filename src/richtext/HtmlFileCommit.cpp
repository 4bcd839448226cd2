#include "richtext/HtmlFileCommit.h"

#include "platform/SaveFileCommit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace moxa::rt {

namespace {

using TempFiles = std::vector<std::unique_ptr<QTemporaryFile>>;

// A whole temporary file in `folder`; removed again when dropped.
std::unique_ptr<QTemporaryFile> WriteTemporary(const QString& folder, const QByteArray& bytes) {
  auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/.moxa_export_XXXXXX"));
  if (!file->open()) return nullptr;
  if (file->write(bytes) != bytes.size() || !file->flush()) return nullptr;
  file->close();
  if (file->error() != QFileDevice::NoError) return nullptr;
  return file;
}

// Moves the temporary file to `target`. Without `replace` an existing
// target makes it fail.
bool MoveIntoPlace(QTemporaryFile& file, const QString& target, bool replace) {
  if (!replace) return file.rename(target);
  if (std::rename(QFile::encodeName(file.fileName()).constData(),
                  QFile::encodeName(target).constData()) != 0) {
    return false;
  }
  file.setAutoRemove(false);
  return true;
}

void RemoveAll(const QStringList& paths) {
  for (const QString& path : paths) QFile::remove(path);
}

}  // namespace

bool CommitFiles(const QString& folder, const std::vector<TRtPendingFile>& extras,
                 const QString& mainPath, const QByteArray& mainBytes, bool replaceExtras) {
  QSaveFile main(mainPath);
  if (!main.open(QIODevice::WriteOnly) || main.write(mainBytes) != mainBytes.size()) return false;
  TempFiles temporaries;
  for (const TRtPendingFile& extra : extras) {
    temporaries.push_back(WriteTemporary(folder, extra.Bytes));
    if (!temporaries.back()) return false;
  }
  QStringList created;  // targets that did not exist before, for the way back
  for (size_t i = 0; i < extras.size(); ++i) {
    const QString target = QDir(folder).filePath(extras[i].Name);
    const bool existed = QFileInfo::exists(target);
    if (!MoveIntoPlace(*temporaries[i], target, replaceExtras)) {
      RemoveAll(created);
      return false;
    }
    if (!existed) created << target;
  }
  if (!CommitSaveFile(main)) {
    RemoveAll(created);
    return false;
  }
  return true;
}

}  // namespace moxa::rt
