#include "site/BatchJournal.h"

#include "platform/SettingsStore.h"
#include "site/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace moxa {
namespace {

constexpr char kHeader[] = "moxa file batch 1";

QByteArray Encoded(const QString& path) { return QUrl::toPercentEncoding(path, "/"); }
QString Decoded(const QByteArray& field) { return QString::fromUtf8(QByteArray::fromPercentEncoding(field)); }

struct Journal {
  QString id;
  std::vector<FileBatch::Move> moves;
  QStringList removals;
};

// The journal, or one without an id when it is missing or not whole.
Journal ReadJournal(const QString& path) {
  Journal journal;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return journal;
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (lines.size() < 3 || lines.front() != kHeader || lines.back() != "end") return {};
  for (const QByteArray& line : lines) {
    const QList<QByteArray> fields = line.split(' ');
    if (fields.size() == 2 && fields[0] == "id") journal.id = QString::fromLatin1(fields[1]);
    if (fields.size() == 3 && fields[0] == "move") journal.moves.push_back({Decoded(fields[1]), Decoded(fields[2])});
    if (fields.size() == 2 && fields[0] == "remove") journal.removals << Decoded(fields[1]);
  }
  return journal;
}

}  // namespace

bool WriteBatchJournal(const FileBatch& batch, const QString& journalPath, const QString& id) {
  QByteArray text = QByteArray(kHeader) + "\nid " + id.toLatin1() + '\n';
  for (const FileBatch::Move& move : batch.PreparedMoves()) {
    text += "move " + Encoded(move.from) + ' ' + Encoded(move.to) + '\n';
  }
  for (const QString& path : batch.Removals()) text += "remove " + Encoded(path) + '\n';
  return WriteFileSafely(journalPath, text + "end");
}

void RemoveBatchJournal(const QString& journalPath) { QFile::remove(journalPath); }

void RecoverBatchJournal(const QString& journalPath, const QString& storedId) {
  if (!QFileInfo::exists(journalPath)) return;
  const Journal journal = ReadJournal(journalPath);
  const bool stored = !journal.id.isEmpty() && journal.id == storedId;
  for (const FileBatch::Move& move : journal.moves) {
    // A temporary file already gone was renamed before the kill.
    if (!QFileInfo::exists(move.from)) continue;
    if (!stored) {
      QFile::remove(move.from);
    } else if (!MoveIntoPlace(move.from, move.to)) {
      return;  // the journal stays, for the next start to try again
    }
  }
  if (stored) {
    for (const QString& path : journal.removals) {
      if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) QFile::remove(path);
    }
  }
  RemoveBatchJournal(journalPath);
}

QString PageChangeJournal(const Folders& folders) {
  return folders.WorkFolder() + QStringLiteral(".moxa-page-change");
}

void RecoverPageChange(const Folders& folders, const SettingsStore& store) {
  RecoverBatchJournal(PageChangeJournal(folders),
                      store.ReadSetting(QString::fromLatin1(kPageChangeIdName)));
}

}  // namespace moxa
