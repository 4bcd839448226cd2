#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace moxa {

// The settings file's text for string values, in the INI form the platform's
// settings reader understands: one "[General]" section, keys escaped as it
// escapes them, every value quoted with everything outside printable ASCII
// written as an escape, so the file reads back to exactly the same strings.
QByteArray EncodeIniSettings(const std::map<QString, QString>& values);

}  // namespace moxa
