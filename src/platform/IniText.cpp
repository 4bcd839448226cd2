#include "platform/IniText.h"

namespace moxa {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsHexDigit(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

void AppendHex(QByteArray& out, char16_t value, int digits) {
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    out += kHexDigits[(value >> shift) & 0xF];
}

// A "/" separates groups; the reader turns "\" back into it.
QByteArray EncodeKey(const QString& key) {
  QByteArray out;
  for (const QChar c : key) {
    const char16_t u = c.unicode();
    if (u == '/') {
      out += '\\';
    } else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
               u == '_' || u == '-' || u == '.') {
      out += static_cast<char>(u);
    } else if (u <= 0xFF) {
      out += '%';
      AppendHex(out, u, 2);
    } else {
      out += "%U";
      AppendHex(out, u, 4);
    }
  }
  return out;
}

QByteArray EncodeValue(const QString& value) {
  QByteArray out = "\"";
  // A leading "@" marks a typed value to the reader; "@@" stands for "@".
  if (value.startsWith(QLatin1Char('@'))) out += '@';
  bool escapeNextHexDigit = false;
  for (const QChar c : value) {
    const char16_t u = c.unicode();
    if (u == '\\' || u == '"') {
      out += '\\';
      out += static_cast<char>(u);
      escapeNextHexDigit = false;
    } else if (u >= 0x20 && u < 0x7F && !(escapeNextHexDigit && IsHexDigit(c))) {
      out += static_cast<char>(u);
      escapeNextHexDigit = false;
    } else {
      // A hex escape runs on over every hex digit, so a digit that follows
      // one is escaped too.
      out += "\\x";
      AppendHex(out, u, 4);
      escapeNextHexDigit = true;
    }
  }
  out += '"';
  return out;
}

}  // namespace

QByteArray EncodeIniSettings(const std::map<QString, QString>& values) {
  QByteArray out = "[General]\n";
  for (const auto& [key, value] : values) {
    out += EncodeKey(key);
    out += '=';
    out += EncodeValue(value);
    out += '\n';
  }
  return out;
}

}  // namespace moxa
