#pragma once

// Generated page-like HTML for the engine's benchmarks: indented markup of
// the kind site templates and the exporter produce (paragraphs, fonts,
// links, pictures, lists, tables, character references, comments), the
// same bytes for the same size on every run.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

namespace moxa::rt::bench {

inline QByteArray PageLikeHtml(qsizetype size) {
  static const char* const kWords[] = {"the",     "garden",  "caf\xC3\xA9", "opens", "at",
                                       "nine",    "every",   "morning",     "with",  "fresh",
                                       "bread",   "coffee",  "and",         "quiet", "music",
                                       "&amp;",   "tables",  "outside",     "under", "trees"};
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  auto words = [&](int count) {
    QByteArray text;
    for (int i = 0; i < count; ++i) {
      if (i) text += ' ';
      text += kWords[next(20)];
    }
    return text;
  };
  QByteArray html = "<html><head><title>Bench</title></head>\r\n<body bgcolor=\"#ffffff\">\r\n";
  int block = 0;
  while (html.size() < size) {
    switch (block++ % 6) {
      case 0:
        html += "  <div align=center><font face=\"Arial\" size=2 color=\"#333366\">" + words(12) +
                "</font></div>\r\n";
        break;
      case 1:
        html += "  <p class=\"text\">" + words(10) + " <a href=\"about-us.html\" target=_blank>" +
                words(3) + "</a> " + words(8) + "&nbsp;&copy; 2024</p>\r\n";
        break;
      case 2:
        html += "  <ul>\r\n    <li>" + words(6) + "</li>\r\n    <li><b>" + words(4) +
                "</b> " + words(5) + "</li>\r\n  </ul>\r\n";
        break;
      case 3:
        html += "  <table width=\"100%\" border=0 cellpadding=4 cellspacing=0>\r\n    <tr>"
                "<td valign=top><img src=\"moxa_img1.jpg\" width=120 height=80 alt=\"" +
                words(2) + "\"></td><td bgcolor=\"#eeeeee\">" + words(9) +
                "</td></tr>\r\n  </table>\r\n";
        break;
      case 4:
        html += "  <!-- section " + QByteArray::number(block) + " -->\r\n  <h2>" + words(4) +
                "</h2>\r\n";
        break;
      default:
        html += "  <p><i>" + words(7) + "</i><br>\r\n  " + words(11) + " &#8212; " + words(3) +
                "</p>\r\n";
        break;
    }
  }
  html.truncate(size);
  return html;
}

// A folder with the one picture every generated page's img names, so the
// documents of the import and export benchmarks hold real pictures.
inline const QString& SiteFolder() {
  static QTemporaryDir folder;
  static const bool ready = [] {
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(qRgb(200, 160, 90));
    return picture.save(folder.filePath(QStringLiteral("moxa_img1.jpg")), "JPEG");
  }();
  static const QString path = ready ? folder.path() + u'/' : QString();
  return path;
}

}  // namespace moxa::rt::bench
