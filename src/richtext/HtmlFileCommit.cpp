#include "richtext/HtmlFileCommit.h"

#include "platform/SaveFileCommit.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <cstdio>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#endif

namespace moxa::rt {

namespace {

// Tries this many names before a folder counts as refusing temporaries.
constexpr int kNameAttempts = 16;

// The temporaries of one commit, written whole under hidden names of their
// own; every one not moved into place is removed when this goes. Plain
// files created where no entry stands: a temporary file object per picture
// costs several more system calls, which dominated pages with many
// pictures.
class TTemporaries {
 public:
  explicit TTemporaries(const QString& folder)
      : stem_(folder + QStringLiteral("/.moxa_export_") +
              QString::number(QRandomGenerator::global()->generate64(), 36) + u'_') {}
  ~TTemporaries() {
    for (const QString& path : paths_) {
      if (!path.isEmpty()) QFile::remove(path);
    }
  }
  TTemporaries(const TTemporaries&) = delete;
  TTemporaries& operator=(const TTemporaries&) = delete;

  // Writes `bytes` to a new temporary; false when it cannot be written whole.
  bool Write(const QByteArray& bytes) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      QFile file(stem_ + QString::number(next_++));
      if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        if (file.exists()) continue;  // the name was taken; another is tried
        return false;
      }
      paths_ << file.fileName();
      const bool whole = file.write(bytes) == bytes.size();
      file.close();
      return whole && file.error() == QFileDevice::NoError;
    }
    return false;
  }

  const QString& Path(qsizetype i) const { return paths_[i]; }
  void Placed(qsizetype i) { paths_[i].clear(); }

 private:
  QString stem_;  // random per commit, so that two exports into one folder never meet
  int next_ = 0;
  QStringList paths_;
};

// Renames `from` to `target` unless an entry stands there, in one step.
// Qt's rename looks at both names first, two more system calls per file.
bool RenameOntoFreeName(const QString& from, const QString& target) {
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
  if (renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                QFile::encodeName(target).constData(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  // A file system that cannot rename this way is left to Qt.
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  return QFile::rename(from, target);
}

// Moves `from` to `target`. An existing target makes it fail, unless
// `replace`; `created` says whether no file stood there before.
bool MoveIntoPlace(const QString& from, const QString& target, bool replace, bool& created) {
  created = RenameOntoFreeName(from, target);
  if (created) return true;
  // Renaming only onto a free name failed: most likely a file stands there.
  if (!replace || !QFileInfo::exists(target)) return false;
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(target).constData()) ==
         0;
}

void RemoveAll(const QStringList& paths) {
  for (const QString& path : paths) QFile::remove(path);
}

}  // namespace

bool CommitFiles(const QString& folder, const std::vector<TRtPendingFile>& extras,
                 const QString& mainPath, const QByteArray& mainBytes, bool replaceExtras) {
  QSaveFile main(mainPath);
  if (!main.open(QIODevice::WriteOnly) || main.write(mainBytes) != mainBytes.size()) return false;
  TTemporaries temporaries(folder);
  for (const TRtPendingFile& extra : extras) {
    if (!temporaries.Write(extra.Bytes)) return false;
  }
  QStringList created;  // targets that did not exist before, for the way back
  for (size_t i = 0; i < extras.size(); ++i) {
    const QString target = folder + u'/' + extras[i].Name;
    bool isNew = false;
    if (!MoveIntoPlace(temporaries.Path(i), target, replaceExtras, isNew)) {
      RemoveAll(created);
      return false;
    }
    temporaries.Placed(i);
    if (isNew) created << target;
  }
  if (!CommitSaveFile(main)) {
    RemoveAll(created);
    return false;
  }
  return true;
}

}  // namespace moxa::rt
