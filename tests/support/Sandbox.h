#pragma once

#include "site/Folders.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace moxa::test {

// A program folder (with data/ and data/templates/) and a temporary folder
// (holding the working folder) inside one temporary directory.
class Sandbox {
 public:
  Sandbox();

  const Folders& folders() const { return folders_; }
  QString Root() const { return dir_.path(); }

  void WriteTemplateFile(int number, const QString& name, const QByteArray& text) const;
  void WriteDataFile(const QString& name, const QByteArray& text) const;
  void WriteWorkFile(const QString& name, const QByteArray& text) const;
  void WriteBytesToPreview(const char* name, const QByteArray& text) const;
  QByteArray WorkFile(const QString& name) const;
  QByteArray PreviewFile(const QString& name) const;
  bool WorkFileExists(const QString& name) const;

 private:
  QTemporaryDir dir_;
  Folders folders_;
};

}  // namespace moxa::test
