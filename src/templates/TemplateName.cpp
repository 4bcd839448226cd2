#include "templates/TemplateName.h"

#include "pages/PageHead.h"
#include "site/TextFiles.h"

namespace moxa {

QString TemplateName(const QString& templateFolder, int number) {
  const QString title =
      ReadPageProperties(ReadTextFile(templateFolder + QStringLiteral("/index.html")))
          .WindowTitle.simplified();
  return title.isEmpty() ? QString::number(number) : title;
}

}  // namespace moxa
