#include "pages/FileNameRules.h"

#include "site/NameCharacters.h"

namespace moxa {
namespace {

// A name typed or pasted with a tab, NUL or line break in it would name a
// file no page can reach and put the character into menu links.
QString WithoutControlCharacters(QString text) {
  text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
  return text;
}

QString TrimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text.at(begin).unicode() <= ' ') ++begin;
  while (end > begin && text.at(end - 1).unicode() <= ' ') --end;
  return text.mid(begin, end - begin);
}

}  // namespace

QString MessageText(PageMessage message) {
  switch (message) {
    case PageMessage::EmptyFileName: return QStringLiteral("You must enter a file name.");
    case PageMessage::EmptyLabel: return QStringLiteral("You must enter a label.");
    case PageMessage::NameTaken: return QStringLiteral("A page with this file name already exists.");
    case PageMessage::SiteFull:
      return QStringLiteral("Your site has reached the maximum number of pages.");
    case PageMessage::FileError: return QStringLiteral("The page could not be written.");
    case PageMessage::SettingsError:
      return QStringLiteral("Your site's settings could not be saved. Nothing was changed.");
    case PageMessage::TemplateError:
      return QStringLiteral("The template of your site could not be read. Nothing was changed.");
    case PageMessage::None: break;
  }
  return QString();
}

CleanedNames SanitizeFileName(const QString& fileName, const QString& label) {
  CleanedNames cleaned;
  cleaned.FileName = TrimBlanks(WithoutControlCharacters(fileName));
  cleaned.Label = TrimBlanks(WithoutControlCharacters(label));
  for (const char16_t c : kForbiddenNameCharacters) {
    if (!cleaned.FileName.contains(QChar(c))) continue;
    cleaned.FileName.remove(QChar(c));
    cleaned.FileNameSteps << cleaned.FileName;
  }
  cleaned.FileName.replace(QLatin1Char(' '), QLatin1Char('-'));
  if (cleaned.FileName.isEmpty()) {
    cleaned.Message = PageMessage::EmptyFileName;
  } else if (cleaned.Label.isEmpty()) {
    cleaned.Message = PageMessage::EmptyLabel;
  }
  return cleaned;
}

bool SameFileName(const QString& a, const QString& b) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  return a.compare(b, Qt::CaseInsensitive) == 0;
#else
  return a == b;
#endif
}

}  // namespace moxa
