#pragma once

#include <QString>

namespace moxa {

// The name the gallery shows for a template: the title of its index.html, or
// its folder number when it has none.
QString TemplateName(const QString& templateFolder, int number);

}  // namespace moxa
