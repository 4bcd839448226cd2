// The shipped template library keeps the contract the program relies on:
// files, screenshot format, title and meta tags, region markers, menu markup
// and self-contained assets. One parameterised suite checks each template
// (the index-only fixture template included, so that what the tests build
// from it is a real template); the library-wide tests check what the
// shipped templates must cover together.
#include "site/TextFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kHighestProbedNumber = 150;
constexpr int kThumbnailWidth = 300;
constexpr int kThumbnailHeight = 225;

const char* const kDefaultPages[] = {"about-us.html", "picture-gallery.html", "contact-us.html"};
// The pages whose menus serve as item sources when menus are rebuilt.
const char* const kMenuSourcePages[] = {"index.html", "about-us.html", "contact-us.html"};
const char* const kLabels[] = {"home", "about us", "picture gallery", "contact us"};

struct MenuForm {
  const char* name;
  const char* suffix;      // follows the label at the end of an item
  const char* openingTag;  // begins an item
  const char* listEnd;     // closes the menu
};

// In the order in which they are recognised: the first whose home item occurs wins.
const MenuForm kMainForms[] = {
    {"list", "</a></li>", "<li", "</ul>"},
    {"span", "</a></span>", "<span", "</div>"},
    {"bar", "</a> |", "<a ", "</div>"},
    {"nested-span", "</span></a></li>", "<li", "</ul>"},
};

struct SecondMenuType {
  const char* name;
  const char* comment;
  MenuForm markup;
};

const SecondMenuType kSecondTypes[] = {
    {"1", "<!-- 2nd Menu Type 1 -->", {"1", "</a></li>", "<li", "</ul>"}},
    {"1b", "<!-- 2nd Menu Type 1b -->", {"1b", "</a></li>", "<li", "</ul>"}},
    {"2", "<!-- 2nd Menu Type 2 -->", {"2", "</a>", "<a ", "</div>"}},
    {"2b", "<!-- 2nd Menu Type 2b -->", {"2b", "</a>", "<a", "</div>"}},
};

QString TemplatesFolder() { return moxa::test::SourceDir() + QStringLiteral("/data/templates/"); }

// A library of one template that ships only index.html: every page of a site
// made from it starts as a copy of its home page.
QString IndexOnlyTemplatesFolder() {
  return moxa::test::FixturesDir() + QStringLiteral("/index-only-library/templates/");
}

QString TemplateFolder(const QString& templates, int number) {
  return templates + QString::number(number) + QLatin1Char('/');
}

QString TemplateFolder(int number) { return TemplateFolder(TemplatesFolder(), number); }

// Template numbers listed the way the gallery lists them: index.html present.
QList<int> ListedTemplates(const QString& templates = TemplatesFolder()) {
  QList<int> numbers;
  for (int number = 1; number <= kHighestProbedNumber; ++number) {
    if (QFileInfo::exists(TemplateFolder(templates, number) + QStringLiteral("index.html"))) numbers.append(number);
  }
  return numbers;
}

// One template of a library, as a test parameter.
struct TemplateRef {
  QString templates;  // the library's templates/ folder
  int number = 0;
  std::string library;  // names the library in messages and test names

  QString Folder() const { return TemplateFolder(templates, number); }
};

std::vector<TemplateRef> TemplatesOf(const QString& templates, const std::string& library) {
  std::vector<TemplateRef> refs;
  for (int number : ListedTemplates(templates)) refs.push_back({templates, number, library});
  return refs;
}

std::vector<TemplateRef> ShippedTemplates() { return TemplatesOf(TemplatesFolder(), "Shipped"); }

QByteArray AsciiLower(QByteArray text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return text;
}

QByteArray Read(const QString& path) { return moxa::ReadTextFile(path); }

// The main-menu form as the menu rebuild recognises it from the lower-cased index.html.
std::optional<MenuForm> RecogniseMainForm(const QByteArray& indexHtml) {
  const QByteArray lowered = AsciiLower(indexHtml);
  for (const MenuForm& form : kMainForms) {
    if (lowered.contains(QByteArray("home") + form.suffix)) return form;
  }
  return std::nullopt;
}

// The second-menu type of a page, read from its comment (types 1, 1b, 2, 2b in that order).
std::optional<SecondMenuType> SecondMenuOf(const QByteArray& page) {
  for (const SecondMenuType& type : kSecondTypes) {
    if (page.contains(type.comment)) return type;
  }
  return std::nullopt;
}

QStringList PagesOf(const QString& templateFolder) {
  QStringList pages = {QStringLiteral("index.html"), QStringLiteral("template_preview.html")};
  for (const char* page : kDefaultPages) {
    if (QFileInfo::exists(templateFolder + QLatin1String(page))) pages.append(QLatin1String(page));
  }
  return pages;
}

// Every html and css file of the template, bin/ included.
QStringList WebFilesOf(const QString& templateFolder) {
  QStringList files;
  QDir folder(templateFolder);
  for (const QString& page : folder.entryList({QStringLiteral("*.html")}, QDir::Files)) files.append(folder.filePath(page));
  const QString bin = folder.filePath(QStringLiteral("bin"));
  QStringList pending = {bin};
  while (!pending.isEmpty()) {
    QDir dir(pending.takeFirst());
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
      if (entry.isDir()) pending.append(entry.filePath());
      else if (entry.suffix() == QLatin1String("html") || entry.suffix() == QLatin1String("css")) files.append(entry.filePath());
    }
  }
  return files;
}

std::string Where(int number, const QString& file) {
  return QStringLiteral("template %1, %2").arg(number).arg(QFileInfo(file).fileName()).toStdString();
}

std::string Where(int number, const char* file) { return Where(number, QLatin1String(file)); }

std::string Where(const TemplateRef& ref, const QString& file) {
  return ref.library + " " + Where(ref.number, file);
}

std::string Where(const TemplateRef& ref, const char* file) { return Where(ref, QLatin1String(file)); }

void PrintTo(const TemplateRef& ref, std::ostream* os) { *os << ref.library << " template " << ref.number; }

// What a PNG file declares in its header.
struct PngHeader {
  bool valid = false;
  quint32 width = 0;
  quint32 height = 0;
  int bitDepth = 0;
  int colorType = 0;
  bool hasTransparencyChunk = false;
};

PngHeader ReadPngHeader(const QString& path) {
  PngHeader header;
  const QByteArray bytes = moxa::test::ReadBytes(path);
  static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
  if (!bytes.startsWith(signature) || bytes.size() < 33 || bytes.mid(12, 4) != "IHDR") return header;
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  header.valid = true;
  header.width = qFromBigEndian<quint32>(data + 16);
  header.height = qFromBigEndian<quint32>(data + 20);
  header.bitDepth = data[24];
  header.colorType = data[25];
  // Walk the chunks: a tRNS chunk would give an RGB picture transparency.
  qsizetype at = 8;
  while (at + 8 <= bytes.size()) {
    const quint32 length = qFromBigEndian<quint32>(data + at);
    const QByteArray type = bytes.mid(at + 4, 4);
    if (type == "tRNS") header.hasTransparencyChunk = true;
    if (type == "IEND") break;
    at += 12 + qsizetype(length);
  }
  return header;
}

// --- Each template -----------------------------------------------------------

class TemplateContract : public ::testing::TestWithParam<TemplateRef> {
 protected:
  const TemplateRef& Ref() const { return GetParam(); }
  QString Folder() const { return Ref().Folder(); }
  std::string Where(const QString& file) const { return ::Where(Ref(), file); }
  std::string Where(const char* file) const { return ::Where(Ref(), file); }
  std::string Name() const { return Ref().library + " template " + std::to_string(Ref().number); }
};

// What only the shipped templates promise, beyond the contract of any template.
class ShippedTemplate : public TemplateContract {};

TEST_P(TemplateContract, HasTheRequiredFiles) {
  for (const char* file : {"index.html", "template_preview.html", "ss.png"}) {
    EXPECT_TRUE(QFileInfo(Folder() + QLatin1String(file)).isFile()) << Where(file) << ": missing";
  }
  EXPECT_TRUE(QFileInfo(Folder() + QStringLiteral("bin")).isDir()) << Name() << ": bin/ missing";
}

TEST_P(TemplateContract, ScreenshotIsA24BitThumbnail) {
  const PngHeader png = ReadPngHeader(Folder() + QStringLiteral("ss.png"));
  ASSERT_TRUE(png.valid) << Where("ss.png") << ": not a PNG file";
  EXPECT_EQ(png.width, quint32(kThumbnailWidth)) << Where("ss.png") << ": width";
  EXPECT_EQ(png.height, quint32(kThumbnailHeight)) << Where("ss.png") << ": height";
  EXPECT_EQ(png.colorType, 2) << Where("ss.png") << ": must be RGB without alpha (PNG colour type 2)";
  EXPECT_EQ(png.bitDepth, 8) << Where("ss.png") << ": must have 8 bits per channel";
  EXPECT_FALSE(png.hasTransparencyChunk) << Where("ss.png") << ": carries a transparency chunk";
}

TEST_P(TemplateContract, EveryPageHasTitleAndMetaTags) {
  for (const QString& page : PagesOf(Folder())) {
    const QByteArray html = Read(Folder() + page);
    const std::string where = Where(page);
    EXPECT_TRUE(html.contains("<title>")) << where << ": no <title>";
    EXPECT_TRUE(html.contains("</title")) << where << ": no </title>";
    EXPECT_LT(html.indexOf("<title>"), html.indexOf("</title")) << where << ": </title> before <title>";
    EXPECT_TRUE(html.contains("<meta name=\"description\" content=\"")) << where << ": no description meta tag written exactly so";
    EXPECT_TRUE(html.contains("<meta name=\"keywords\" content=\"")) << where << ": no keywords meta tag written exactly so";
    EXPECT_TRUE(AsciiLower(html).contains("<meta charset=\"utf-8\">")) << where << ": no <meta charset=\"utf-8\">";
    EXPECT_TRUE(html.contains("name=\"viewport\"")) << where << ": no viewport meta tag";
  }
}

TEST_P(TemplateContract, RegionMarkersArePairedAndNumberedOneToFive) {
  static const QByteArray startPrefix("<div id=\"moxadiv");
  static const QByteArray endMarker("</div><!-- moxadiv");
  static const QRegularExpression exactStart(QStringLiteral("^<div id=\"moxadiv([1-5])\">"));
  for (const QString& page : PagesOf(Folder())) {
    const QByteArray html = Read(Folder() + page);
    const std::string where = Where(page);
    QSet<int> numbers;
    int regions = 0;
    for (qsizetype at = html.indexOf(startPrefix); at >= 0; at = html.indexOf(startPrefix, at + 1)) {
      const QRegularExpressionMatch match = exactStart.match(QString::fromLatin1(html.mid(at, 24)));
      ASSERT_TRUE(match.hasMatch()) << where << ": malformed region start " << html.mid(at, 24).toStdString();
      const int number = match.captured(1).toInt();
      EXPECT_FALSE(numbers.contains(number)) << where << ": region " << number << " appears twice";
      numbers.insert(number);
      ++regions;
      const qsizetype contentStart = at + match.capturedLength(0);
      const qsizetype end = html.indexOf(endMarker, contentStart);
      ASSERT_GE(end, 0) << where << ": region " << number << " has no end marker";
      const qsizetype nextStart = html.indexOf(startPrefix, contentStart);
      EXPECT_TRUE(nextStart < 0 || end < nextStart) << where << ": region " << number << " is not closed before the next one";
      const QByteArray content = html.mid(contentStart, end - contentStart);
      EXPECT_FALSE(AsciiLower(content).contains("class=")) << where << ": region " << number
                                                            << " uses classes; region content must be plain markup";
    }
    EXPECT_EQ(html.count(endMarker), regions) << where << ": region end markers without a start";
    EXPECT_GE(regions, 2) << where << ": fewer than two editable regions";
    EXPECT_LE(regions, 5) << where << ": more than five editable regions";
  }
}

TEST_P(TemplateContract, MainMenuIsRecognisedAndDelimited) {
  const std::optional<MenuForm> form = RecogniseMainForm(Read(Folder() + QStringLiteral("index.html")));
  ASSERT_TRUE(form) << Where("index.html") << ": no main-menu form recognised (no home item end marker)";
  for (const char* page : kMenuSourcePages) {
    const QString path = Folder() + QLatin1String(page);
    if (!QFileInfo::exists(path)) continue;
    const QByteArray html = Read(path);
    const std::string where = Where(page) + " (" + form->name + " menu)";
    const qsizetype marker = html.indexOf("sys_navigation");
    ASSERT_GE(marker, 0) << where << ": no sys_navigation marker";
    // The menu is emptied from the first opening tag to the first list end after
    // the marker: all four items must lie inside that stretch.
    const qsizetype first = html.indexOf(form->openingTag, marker);
    const qsizetype listEnd = html.indexOf(form->listEnd, marker);
    ASSERT_GE(first, 0) << where << ": no " << form->openingTag << " after sys_navigation";
    ASSERT_GT(listEnd, first) << where << ": the menu's " << form->listEnd << " comes before its first item";
    const QByteArray menu = AsciiLower(html.mid(first, listEnd - first));
    for (const char* label : kLabels) {
      const QByteArray endMarker = QByteArray(label) + form->suffix;
      EXPECT_TRUE(menu.contains(endMarker)) << where << ": item end marker \"" << endMarker.toStdString()
                                            << "\" missing from the menu";
    }
  }
}

// Items are copied from the page where they have the state they need: home is
// current in index.html, about us in about-us.html, contact us in
// contact-us.html, and picture gallery is current in none of them. Every
// shipped template has all of them, so every page of a new site shows its
// own item as the current one.
TEST_P(ShippedTemplate, CurrentPageItemIsHighlighted) {
  const std::optional<MenuForm> form = RecogniseMainForm(Read(Folder() + QStringLiteral("index.html")));
  ASSERT_TRUE(form) << Where("index.html") << ": no main-menu form recognised";
  for (const char* page : kDefaultPages) {
    ASSERT_TRUE(QFileInfo(Folder() + QLatin1String(page)).isFile())
        << Where(page) << ": missing; without it that page of a new site is a copy of index.html";
  }
  // The item markup as the rebuild copies it: from the opening tag through the end marker.
  auto item = [&](const char* page, const char* label) {
    QByteArray text = AsciiLower(Read(Folder() + QLatin1String(page)));
    text = text.mid(text.indexOf("sys_navigation") + 1);
    const QByteArray endMarker = QByteArray(label) + form->suffix;
    const qsizetype end = text.indexOf(endMarker);
    if (end <= 0) return QByteArray();
    const qsizetype start = text.lastIndexOf(form->openingTag, end);
    return start < 0 ? QByteArray() : text.mid(start, end + endMarker.size() - start);
  };
  const QByteArray homeCurrent = item("index.html", "home");
  const QByteArray homeOther = item("about-us.html", "home");
  const QByteArray aboutCurrent = item("about-us.html", "about us");
  const QByteArray aboutOther = item("index.html", "about us");
  const QByteArray contactCurrent = item("contact-us.html", "contact us");
  const QByteArray contactOther = item("index.html", "contact us");
  EXPECT_NE(homeCurrent, homeOther) << Name() << ": home is not highlighted in index.html";
  EXPECT_NE(aboutCurrent, aboutOther) << Name() << ": about us is not highlighted in about-us.html";
  EXPECT_NE(contactCurrent, contactOther) << Name() << ": contact us is not highlighted in contact-us.html";
  EXPECT_EQ(homeOther, item("contact-us.html", "home")) << Name()
                                                         << ": home looks current in about-us.html or contact-us.html";
  const QByteArray gallery = item("index.html", "picture gallery");
  EXPECT_EQ(gallery, item("about-us.html", "picture gallery"))
      << Name() << ": picture gallery must look the same (not current) in index.html and about-us.html";
  EXPECT_EQ(gallery, item("contact-us.html", "picture gallery"))
      << Name() << ": picture gallery must look the same (not current) in index.html and contact-us.html";
}

TEST_P(TemplateContract, SecondMenusAreOfAKnownType) {
  for (const QString& page : PagesOf(Folder())) {
    const QByteArray html = Read(Folder() + page);
    const qsizetype marker = html.indexOf("<!-- 2nd Menu Type");
    if (marker < 0) continue;
    const std::string where = Where(page);
    const std::optional<SecondMenuType> type = SecondMenuOf(html);
    ASSERT_TRUE(type) << where << ": second-menu comment of no known type: "
                      << html.mid(marker, 30).toStdString();
    const qsizetype first = html.indexOf(type->markup.openingTag, marker);
    const qsizetype listEnd = html.indexOf(type->markup.listEnd, marker);
    ASSERT_GE(first, 0) << where << ": no item after the second-menu comment";
    ASSERT_GT(listEnd, first) << where << ": the second menu's " << type->markup.listEnd << " comes before its first item";
    const QByteArray menu = AsciiLower(html.mid(first, listEnd - first));
    int items = 0;
    for (const char* label : kLabels) items += menu.contains(QByteArray(label) + type->markup.suffix) ? 1 : 0;
    EXPECT_GE(items, 2) << where << ": the type " << type->name << " second menu holds fewer than two recognisable items";
  }
}

TEST_P(TemplateContract, NoResourceFromTheNetwork) {
  static const QRegularExpression remote(
      QStringLiteral(R"((?:\b(?:src|href|srcset|action|poster|data|background)\s*=\s*["']?\s*|url\(\s*["']?\s*|@import\s+["']?\s*)(?:https?:)?//)"),
      QRegularExpression::CaseInsensitiveOption);
  for (const QString& file : WebFilesOf(Folder())) {
    const QString text = QString::fromUtf8(moxa::test::ReadBytes(file));
    const QRegularExpressionMatch match = remote.match(text);
    EXPECT_FALSE(match.hasMatch()) << Where(file) << ": network address in "
                                   << text.mid(match.capturedStart(), 60).toStdString();
  }
}

TEST_P(TemplateContract, RelativeLinksResolve) {
  static const QRegularExpression attribute(QStringLiteral(R"(\b(?:src|href)\s*=\s*"(bin/[^"#?]*))"),
                                            QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression cssUrl(QStringLiteral(R"(url\(\s*["']?([^"')]+))"));
  for (const QString& file : WebFilesOf(Folder())) {
    const QString text = QString::fromUtf8(moxa::test::ReadBytes(file));
    const bool isCss = file.endsWith(QLatin1String(".css"));
    const QDir base = isCss ? QFileInfo(file).dir() : QDir(Folder());
    auto matches = (isCss ? cssUrl : attribute).globalMatch(text);
    while (matches.hasNext()) {
      const QString link = matches.next().captured(1).trimmed();
      // Addresses with a scheme are the network check's business.
      if (link.contains(QLatin1Char(':')) || link.startsWith(QLatin1Char('#'))) continue;
      EXPECT_TRUE(QFileInfo::exists(base.filePath(link))) << Where(file) << ": link to a missing file "
                                                           << link.toStdString();
    }
  }
}

std::string TemplateName(const ::testing::TestParamInfo<TemplateRef>& info) {
  return info.param.library + "Template" + std::to_string(info.param.number);
}

INSTANTIATE_TEST_SUITE_P(Library, TemplateContract, ::testing::ValuesIn(ShippedTemplates()), TemplateName);
INSTANTIATE_TEST_SUITE_P(Fixture, TemplateContract,
                         ::testing::ValuesIn(TemplatesOf(IndexOnlyTemplatesFolder(), "IndexOnly")), TemplateName);
INSTANTIATE_TEST_SUITE_P(Library, ShippedTemplate, ::testing::ValuesIn(ShippedTemplates()), TemplateName);
// An empty library instantiates nothing; the library tests below fail for it.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ShippedTemplate);

// --- The library as a whole --------------------------------------------------

TEST(TemplateLibrary, NumbersRunFromOneWithoutGapsToAtLeastEight) {
  const QList<int> numbers = ListedTemplates();
  ASSERT_FALSE(numbers.isEmpty()) << "no template in " << TemplatesFolder().toStdString();
  for (int i = 0; i < numbers.size(); ++i) {
    EXPECT_EQ(numbers[i], i + 1) << "template numbers must run 1, 2, 3, ... without gaps";
  }
  EXPECT_GE(numbers.size(), 8) << "the library needs at least 8 templates";
}

TEST(TemplateLibrary, ScreenshotsAllHaveOneSize) {
  std::optional<std::pair<quint32, quint32>> first;
  for (int number : ListedTemplates()) {
    const PngHeader png = ReadPngHeader(TemplateFolder(number) + QStringLiteral("ss.png"));
    if (!png.valid) continue;  // reported by the template's own check
    if (!first) first = std::make_pair(png.width, png.height);
    EXPECT_EQ(std::make_pair(png.width, png.height), *first) << Where(number, "ss.png") << ": size differs from the first screenshot";
  }
}

// The fallback to index.html for missing pages is tested on this fixture,
// so it must stay a template of the home page alone.
TEST(TemplateLibrary, IndexOnlyFixtureShipsOnlyItsHomePage) {
  ASSERT_EQ(ListedTemplates(IndexOnlyTemplatesFolder()), QList<int>{1});
  for (const char* page : kDefaultPages) {
    EXPECT_FALSE(QFileInfo::exists(TemplateFolder(IndexOnlyTemplatesFolder(), 1) + QLatin1String(page))) << page;
  }
}

TEST(TemplateLibrary, UsesAllFourMainMenuForms) {
  QSet<QString> used;
  for (int number : ListedTemplates()) {
    if (const auto form = RecogniseMainForm(Read(TemplateFolder(number) + QStringLiteral("index.html")))) {
      used.insert(QLatin1String(form->name));
    }
  }
  for (const MenuForm& form : kMainForms) {
    EXPECT_TRUE(used.contains(QLatin1String(form.name))) << "no template uses the " << form.name << " main-menu form";
  }
}

TEST(TemplateLibrary, UsesAllFourSecondMenuTypes) {
  QSet<QString> used;
  for (int number : ListedTemplates()) {
    for (const QString& page : PagesOf(TemplateFolder(number))) {
      if (const auto type = SecondMenuOf(Read(TemplateFolder(number) + page))) used.insert(QLatin1String(type->name));
    }
  }
  for (const SecondMenuType& type : kSecondTypes) {
    EXPECT_TRUE(used.contains(QLatin1String(type.name))) << "no template carries a second menu of type " << type.name;
  }
}

}  // namespace
