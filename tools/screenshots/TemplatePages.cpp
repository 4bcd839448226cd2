#include "TemplatePages.h"

#include <QDir>

#include <algorithm>

namespace moxa::tools {

QStringList TemplateNumbers(const QString& templatesFolder, const QStringList& asked) {
  if (!asked.isEmpty()) return asked;
  QStringList numbers;
  for (const QString& name : QDir(templatesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    bool isNumber = false;
    name.toInt(&isNumber);
    if (isNumber) numbers << name;
  }
  std::sort(numbers.begin(), numbers.end(),
            [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
  return numbers;
}

QStringList TemplatePages(const QString& templateFolder) {
  QStringList pages = QDir(templateFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  pages.removeAll(QStringLiteral("template_preview.html"));
  return pages;
}

}  // namespace moxa::tools
