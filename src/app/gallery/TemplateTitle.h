#pragma once

#include <QString>

namespace moxa {

// The name the gallery shows under a template's picture: the <title> of its
// index.html, or its folder number when it has none.
QString TemplateTitle(const QString& templateFolder, int number);

}  // namespace moxa
