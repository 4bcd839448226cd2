#include "support/Sandbox.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

namespace moxa::test {

Sandbox::Sandbox()
    : folders_(Folders::At(dir_.filePath(QStringLiteral("program")),
                           dir_.filePath(QStringLiteral("temp")))) {
  QDir().mkpath(folders_.TemplatesFolder());
  QDir().mkpath(folders_.TempFolder);
}

void Sandbox::WriteTemplateFile(int number, const QString& name, const QByteArray& text) const {
  WriteBytes(folders_.TemplateFolder(number) + name, text);
}

void Sandbox::WriteDataFile(const QString& name, const QByteArray& text) const {
  WriteBytes(folders_.DataFolder() + name, text);
}

void Sandbox::WriteWorkFile(const QString& name, const QByteArray& text) const {
  WriteBytes(folders_.WorkFolder() + name, text);
}

void Sandbox::WriteBytesToPreview(const char* name, const QByteArray& text) const {
  WriteBytes(folders_.PreviewFolder() + QString::fromUtf8(name), text);
}

QByteArray Sandbox::WorkFile(const QString& name) const {
  return ReadBytes(folders_.WorkFolder() + name);
}

QByteArray Sandbox::PreviewFile(const QString& name) const {
  return ReadBytes(folders_.PreviewFolder() + name);
}

bool Sandbox::WorkFileExists(const QString& name) const {
  return QFileInfo::exists(folders_.WorkFolder() + name);
}

}  // namespace moxa::test
