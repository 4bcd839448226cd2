#pragma once

#include "pages/MenuRebuild.h"

#include <QByteArray>
#include <QString>

namespace moxa::test {

// Small template pages in every menu markup. Each item's class names the
// file it came from (I, A, C for index, about-us, contact-us) and whether it
// is the current page there (-Cur), in upper case to show the lowering.
enum class TemplateFile { Index, AboutUs, ContactUs };

QByteArray MainMenu(MainMenuForm form, TemplateFile file, bool barWithoutLastSeparator = false);
QByteArray SecondMenu(SecondMenuType type, TemplateFile file);
// A whole page: head with title and meta tags, the main menu, an optional
// second menu and a content region.
QByteArray TemplatePage(MainMenuForm form, SecondMenuType second, TemplateFile file,
                        bool barWithoutLastSeparator = false);

// "class href label" of each item between the first `marker` and the first
// `listEnd` after it, joined by " ; ".
QString MenuSignature(const QByteArray& page, const QByteArray& marker, const QByteArray& listEnd);

}  // namespace moxa::test
