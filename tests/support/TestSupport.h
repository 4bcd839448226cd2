#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for Qt's text types.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace moxa::test {

// The temporary home of this test process (HOME and the XDG folders point into it).
QString TemporaryHome();

// The source tree, for fixtures and the shipped data folder.
inline QString SourceDir() { return QStringLiteral(MOXA_SOURCE_DIR); }
inline QString FixturesDir() { return SourceDir() + QStringLiteral("/tests/fixtures"); }

// Small file helpers for arranging and checking fixtures.
QByteArray ReadBytes(const QString& path);
// The file's permission bits (0600 for "only its owner may read and write it"), or -1.
int FileMode(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);  // creates parent folders

// Points HOME and the XDG folders at a fresh temporary folder. Must run
// before anything reads the settings store or the standard paths.
void PrepareTemporaryHome();

}  // namespace moxa::test
