#pragma once

#include <QString>
#include <QStringList>

namespace moxa::tools {

// The template numbers to work on: those asked for, else every numbered
// folder of `templatesFolder` in number order.
QStringList TemplateNumbers(const QString& templatesFolder, const QStringList& asked);

// A template's pages in name order, the gallery's preview page left out.
QStringList TemplatePages(const QString& templateFolder);

}  // namespace moxa::tools
