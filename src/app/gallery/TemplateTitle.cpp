#include "app/gallery/TemplateTitle.h"

#include <QFile>
#include <QRegularExpression>

namespace moxa {
namespace {

// The character references a title is likely to carry.
QString DecodeReferences(QString text) {
  static const std::pair<const char*, const char*> kReferences[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&apos;", "'"},
      {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [reference, character] : kReferences) {
    text.replace(QLatin1String(reference), QLatin1String(character), Qt::CaseInsensitive);
  }
  return text;
}

}  // namespace

QString TemplateTitle(const QString& templateFolder, int number) {
  QFile index(templateFolder + QStringLiteral("/index.html"));
  QString title;
  if (index.open(QIODevice::ReadOnly)) {
    // The title stands in the head: the first 64 KiB hold it.
    const QString head = QString::fromUtf8(index.read(64 * 1024));
    static const QRegularExpression kTitle(QStringLiteral("<title[^>]*>(.*?)</title\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = kTitle.match(head);
    if (match.hasMatch()) title = DecodeReferences(match.captured(1).simplified());
  }
  return title.isEmpty() ? QString::number(number) : title;
}

}  // namespace moxa
