#include "site/FileBatch.h"

#include "site/KillPoint.h"
#include "site/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace moxa {

FileBatch::FileBatch() = default;
FileBatch::~FileBatch() = default;

void FileBatch::Write(const QString& path, const QByteArray& bytes) {
  removals_.removeAll(path);
  for (PendingWrite& write : writes_) {
    if (write.path == path) {
      write.bytes = bytes;
      return;
    }
  }
  writes_.push_back({path, bytes, nullptr});
}

void FileBatch::Remove(const QString& path) {
  std::erase_if(writes_, [&path](const PendingWrite& write) { return write.path == path; });
  if (!removals_.contains(path)) removals_ << path;
}

const QByteArray* FileBatch::Staged(const QString& path) const {
  for (const PendingWrite& write : writes_) {
    if (write.path == path) return &write.bytes;
  }
  return nullptr;
}

bool FileBatch::Prepare() {
  for (PendingWrite& write : writes_) {
    // Beside the target, so the rename stays on one file system.
    auto file = std::make_unique<QTemporaryFile>(QFileInfo(write.path).absolutePath() +
                                                 QStringLiteral("/.moxa_XXXXXX"));
    if (!file->open() || file->write(write.bytes) != write.bytes.size() || !file->flush()) {
      writes_.clear();  // every temporary file made so far goes with it
      return false;
    }
    file->close();
    if (file->error() != QFileDevice::NoError) {
      writes_.clear();
      return false;
    }
    write.temporary = std::move(file);
  }
  prepared_ = true;
  return true;
}

std::vector<FileBatch::Move> FileBatch::PreparedMoves() const {
  std::vector<Move> moves;
  if (!prepared_) return moves;
  for (const PendingWrite& write : writes_) moves.push_back({write.temporary->fileName(), write.path});
  return moves;
}

bool MoveIntoPlace(const QString& from, const QString& to) {
  // A temporary file is private to its owner; the new file keeps the
  // permissions of the one it replaces, or those of a plain file.
  const QFileDevice::Permissions permissions =
      QFileInfo::exists(to) ? QFile::permissions(to)
                            : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
  QFile::setPermissions(from, permissions);
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool FileBatch::Apply() {
  if (!prepared_) return false;
  bool ok = true;
  for (PendingWrite& write : writes_) {
    if (!MoveIntoPlace(write.temporary->fileName(), write.path)) {
      ok = false;
      continue;
    }
    write.temporary->setAutoRemove(false);
    KillPoint("batch-partly-applied");
  }
  for (const QString& path : removals_) {
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) ok = QFile::remove(path) && ok;
  }
  writes_.clear();
  removals_.clear();
  prepared_ = false;
  return ok;
}

bool FileBatch::Commit() { return Prepare() && Apply(); }

std::optional<QByteArray> TextAfterBatch(const FileBatch& batch, const QString& path) {
  if (const QByteArray* staged = batch.Staged(path)) return *staged;
  bool ok = true;
  QByteArray text = ReadTextFile(path, &ok);
  if (!ok) return std::nullopt;
  return text;
}

}  // namespace moxa
