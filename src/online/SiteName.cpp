#include "online/SiteName.h"

#include "site/NameCharacters.h"

namespace moxa {

QString SanitizeSiteName(const QString& text) {
  QString name = text;
  for (const char16_t c : kForbiddenNameCharacters) name.remove(QChar(c));
  name.replace(QLatin1Char(' '), QLatin1Char('-'));
  return name;
}

bool ContainsAsciiLetter(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')) return true;
  }
  return false;
}

QString CheckNewSiteName(const QString& typed) {
  const QString trimmed = typed.trimmed();
  if (trimmed.isEmpty()) return QStringLiteral("Please Enter Your Name.");
  if (trimmed.size() < 2) return QStringLiteral("The Name You Entered Is Too Short.");
  if (!ContainsAsciiLetter(typed)) return QStringLiteral("The Name You Entered Has No Letters.");
  return QString();
}

bool IsPlainSiteName(const QString& name) {
  if (name.isEmpty() || name.size() > kLongestSiteName) return false;
  for (const QChar c : name) {
    if (!c.isPrint() || c.isSpace()) return false;
  }
  return SanitizeSiteName(name) == name;
}

}  // namespace moxa
