#include "MenuTemplates.h"

#include <QRegularExpression>
#include <QStringList>

namespace moxa::test {
namespace {

struct Item {
  const char* label;
  const char* href;
};

Item ItemFor(int n, TemplateFile file) {
  switch (n) {
    case 0: return {"Home", file == TemplateFile::Index ? "./" : "index.php"};
    case 1: return {"About Us", "about-us.php"};
    case 2: return {"Picture Gallery", "picture-gallery.php"};
    default: return {"Contact Us", "contact-us.php"};
  }
}

int CurrentItem(TemplateFile file) {
  switch (file) {
    case TemplateFile::Index: return 0;
    case TemplateFile::AboutUs: return 1;
    case TemplateFile::ContactUs: return 3;
  }
  return 0;
}

QByteArray ClassFor(int n, TemplateFile file, const char* prefix) {
  const char* letter = file == TemplateFile::Index ? "I" : file == TemplateFile::AboutUs ? "A" : "C";
  return QByteArray(prefix) + letter + (n == CurrentItem(file) ? "-Cur" : "");
}

}  // namespace

QByteArray MainMenu(MainMenuForm form, TemplateFile file, bool barWithoutLastSeparator) {
  QByteArray items;
  for (int n = 0; n < 4; ++n) {
    const Item item = ItemFor(n, file);
    const QByteArray cls = ClassFor(n, file, "");
    const QByteArray a = "<a href=\"" + QByteArray(item.href) + "\">";
    switch (form) {
      case MainMenuForm::List: items += "<li class=\"" + cls + "\">" + a + item.label + "</a></li>\r\n"; break;
      case MainMenuForm::Span:
        items += "<span class=\"" + cls + "\">" + a + item.label + "</a></span>\r\n";
        break;
      case MainMenuForm::Bar:
        items += "<a class=\"" + cls + "\" href=\"" + item.href + "\">" + item.label + "</a>";
        items += (n == 3 && barWithoutLastSeparator) ? "\r\n" : " |\r\n";
        break;
      case MainMenuForm::NestedSpan:
        items += "<li class=\"" + cls + "\">" + a + "<span>" + item.label + "</span></a></li>\r\n";
        break;
      case MainMenuForm::None: break;
    }
  }
  const bool list = form == MainMenuForm::List || form == MainMenuForm::NestedSpan;
  return list ? "<ul id=\"sys_navigation\">\r\n" + items + "</ul>"
              : "<div id=\"sys_navigation\">\r\n" + items + "</div>";
}

QByteArray SecondMenu(SecondMenuType type, TemplateFile file) {
  const bool list = type == SecondMenuType::Type1 || type == SecondMenuType::Type1b;
  const char* name = type == SecondMenuType::Type1    ? "1"
                     : type == SecondMenuType::Type1b ? "1b"
                     : type == SecondMenuType::Type2  ? "2"
                                                      : "2b";
  QByteArray items;
  for (int n = 0; n < 4; ++n) {
    const Item item = ItemFor(n, file);
    const QByteArray cls = ClassFor(n, file, "F");
    if (list) {
      items += "<li class=\"" + cls + "\"><a href=\"" + item.href + "\">" + item.label + "</a></li>";
      if (type == SecondMenuType::Type1b && n < 3) items += "<li><span class=\"nav_sep\">|</span></li>";
    } else {
      items += "<a class=\"" + cls + "\" href=\"" + item.href + "\">" + item.label + "</a>";
      if (type == SecondMenuType::Type2b && n < 3) items += " | ";
    }
  }
  const QByteArray comment = "<!-- 2nd Menu Type " + QByteArray(name) + " -->";
  return list ? comment + "\r\n<ul class=\"foot\">" + items + "</ul>"
              : comment + "\r\n<div class=\"foot\">" + items + "</div>";
}

QByteArray TemplatePage(MainMenuForm form, SecondMenuType second, TemplateFile file,
                        bool barWithoutLastSeparator) {
  QByteArray page =
      "<html><head><title>Template Title</title>\r\n"
      "<meta name=\"description\" content=\"template description\">\r\n"
      "<meta name=\"keywords\" content=\"template, keywords\">\r\n"
      "</head><body>\r\n";
  page += MainMenu(form, file, barWithoutLastSeparator) + "\r\n";
  page += "<div id=\"moxadiv1\">Content of " +
          QByteArray(file == TemplateFile::Index ? "index" : "another page") +
          "</div><!-- moxadiv1 -->\r\n";
  if (second != SecondMenuType::None) page += SecondMenu(second, file) + "\r\n";
  page += "</body></html>\r\n";
  return page;
}

QString MenuSignature(const QByteArray& page, const QByteArray& marker, const QByteArray& listEnd) {
  const qsizetype start = page.indexOf(marker);
  if (start < 0) return QStringLiteral("(no menu)");
  const qsizetype end = page.indexOf(listEnd, start);
  const QString menu = QString::fromUtf8(page.mid(start, end - start));
  static const QRegularExpression item(QStringLiteral(
      R"re(class="([^"]*)"(?:><a)? href="([^"]*)">(?:<span>)?([^<]*)<)re"));
  QStringList parts;
  for (const auto& match : item.globalMatch(menu)) {
    parts << match.captured(1) + QLatin1Char(' ') + match.captured(2) + QLatin1Char(' ') +
                 match.captured(3);
  }
  return parts.join(QStringLiteral(" ; "));
}

}  // namespace moxa::test
