// Pages as the hosted site receives them: the addresses rewritten, and the
// text read back by PHP itself exactly as it was, whatever it holds.
#include "publish/WrapPage.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

const WrapTarget kTarget{QStringLiteral("http://localhost:8720"), QStringLiteral("ada"), 3};

QByteArray Body(const QByteArray& wrapped) {
  const QByteArray start = "$html = \"";
  const qsizetype from = wrapped.indexOf(start) + start.size();
  return wrapped.mid(from, wrapped.lastIndexOf("\";\r\n") - from);
}

TEST(WrapPageTest, RewritesLinksPicturesAndTemplateFiles) {
  const struct {
    const char* name;
    QByteArray in;
    QByteArray out;  // the body, before PHP reads it
  } cases[] = {
      {"page link", "<a href=\"about-us.html\">", "<a href=\\\"/?p=about-us.html\\\">"},
      {"apostrophes", "<a HREF='x.html'>", "<a href='/?p=x.html'>"},
      {"anchor", "<a href=\"#top\">", "<a href=\\\"/?p=#top\\\">"},
      {"web link", "<a href=\"https://a.example/\">", "<a href=\\\"https://a.example/\\\">"},
      {"web link in capitals", "<a href=\"HTTPS://a.example/\">", "<a href=\\\"httpS://a.example/\\\">"},
      {"ftp and mail", "<a href='ftp://f'><a href='MAILTO:x@y'>", "<a href='ftp://f'><a href='mailto:x@y'>"},
      {"template files", "src=\"bin/a.png\" cabin/ BIN/",
       "src=\\\"http://localhost:8720/wbx/templates/3/bin/a.png\\\" cahttp://localhost:8720/wbx/templates/3/bin/ BIN/"},
      {"pictures", "<img src=\"MOXA_IMG1.jpg\">",
       "<img src=\\\"http://localhost:8720/moxasites/ada/moxa_img1.jpg\\\">"},
      {"backslash and dollar", "a\\b $5", "a\\\\b \\$5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Body(WrapPageAsPhp(c.in, kTarget, true)), c.out + "\r\n") << c.name;
  }
  EXPECT_EQ(Body(WrapPageAsPhp("moxa_img2.jpg", kTarget, false)), "moxa_img2.jpg\r\n");
}

TEST(WrapPageTest, IsAPhpFileWithCrLfLines) {
  EXPECT_EQ(WrapPageAsPhp("one\ntwo\r\n", kTarget, true),
            "<?php\r\n\r\n$html = \"one\r\ntwo\r\n\";\r\n\r\n?>\r\n");
}

// What PHP makes of the wrapped file: the page's text, byte for byte.
QByteArray ReadByPhp(const QByteArray& wrapped) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("page.html.php"));
  test::WriteBytes(file, wrapped);
  QProcess php;
  php.start(QStringLiteral("php"), {QStringLiteral("-r"),
                                    QStringLiteral("include $argv[1]; echo $html;"), file});
  if (!php.waitForFinished(20000)) return "php did not finish";
  return php.readAllStandardOutput();
}

TEST(WrapPageTest, PhpReadsBackEveryTextUnchanged) {
  const QByteArray texts[] = {
      "Only $5 {$x} ${y} $z->w",
      "Quotes \" and ' and back\\slash \\n \\\" \\$",
      "<?php echo 'not run'; ?> `ls` {${phpinfo()}}",
      "caf\xC3\xA9 \xF0\x9F\x98\x80",
  };
  for (const QByteArray& text : texts) {
    EXPECT_EQ(ReadByPhp(WrapPageAsPhp(text, kTarget, false)), text + "\r\n") << text.toStdString();
  }
}

}  // namespace
}  // namespace moxa
