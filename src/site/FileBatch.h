#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTemporaryFile;

namespace moxa {

// Several file changes made as one: every new content is first written whole
// to a temporary file beside its target (`Prepare`); only when all of them
// are on disk are they renamed into place and the removals done (`Apply`).
// A failure while preparing changes nothing. Dropping a prepared batch
// without applying it removes its temporary files.
class FileBatch {
 public:
  FileBatch();
  ~FileBatch();
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;

  // Stages `bytes` for `path`, replacing an earlier staged content of it.
  void Write(const QString& path, const QByteArray& bytes);
  // Removes `path` when the batch is applied (after every write).
  void Remove(const QString& path);
  // The content staged for `path`, or nullptr.
  const QByteArray* Staged(const QString& path) const;
  bool IsEmpty() const { return writes_.empty() && removals_.isEmpty(); }

  [[nodiscard]] bool Prepare();
  // After `Prepare`: each temporary file and the file it will replace.
  struct Move {
    QString from;
    QString to;
  };
  std::vector<Move> PreparedMoves() const;
  const QStringList& Removals() const { return removals_; }
  [[nodiscard]] bool Apply();
  // Prepare and Apply.
  [[nodiscard]] bool Commit();

 private:
  struct PendingWrite {
    QString path;
    QByteArray bytes;
    std::unique_ptr<QTemporaryFile> temporary;
  };
  std::vector<PendingWrite> writes_;
  QStringList removals_;
  bool prepared_ = false;
};

// Renames the finished temporary file `from` over `to`, giving it the
// permissions of the file it replaces, or those of a plain file.
[[nodiscard]] bool MoveIntoPlace(const QString& from, const QString& to);

// The text file `path` as `batch` will leave it: the content staged for it,
// else the file as ReadTextFile reads it. Nothing when the file cannot be read.
std::optional<QByteArray> TextAfterBatch(const FileBatch& batch, const QString& path);

}  // namespace moxa
