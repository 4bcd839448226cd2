// The interface pictures of the data folder: every file the program loads
// exists, at the size the window's layout places it, with transparency where
// the program composes or overlays it, and with a "@2x" twin at exactly twice
// the size for high-density screens.
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Sizes in failure messages as "121 x 35".
static void PrintTo(const QSize& size, std::ostream* out) {
  *out << size.width() << " x " << size.height();
}

namespace moxa {
namespace {

QString DataFile(const QString& name) { return test::SourceDir() + QStringLiteral("/data/") + name; }

QString TwinName(const QString& name) {
  const int dot = name.lastIndexOf(QLatin1Char('.'));
  return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

// A test name for gtest: letters, digits and "_" only.
std::string CaseName(const QString& file) {
  QString name = file;
  name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
  return name.toStdString();
}

enum class Alpha { Any, Required };

struct PictureCase {
  QString file;
  QSize size;  // a dimension of 0 is not fixed by the layout
  Alpha alpha = Alpha::Any;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.file.toStdString(); }

// Sizes the layout fixes for the skin sets; the others are free, but the
// three pictures of a set must match (checked below).
QSize SkinSize(int set) {
  static const std::map<int, QSize> sizes{
      {2, {25, 23}},  {3, {25, 23}},  {4, {25, 23}},  {5, {73, 20}},   {10, {57, 34}},
      {11, {121, 35}}, {12, {121, 35}}, {13, {121, 35}}, {14, {121, 35}}, {15, {121, 35}},
      {22, {90, 34}},  {24, {24, 22}},
  };
  const auto it = sizes.find(set);
  return it == sizes.end() ? QSize() : it->second;
}

std::vector<PictureCase> RequiredPictures() {
  std::vector<PictureCase> cases;
  for (int set = 1; set <= 24; ++set) {
    for (const char* state : {"a", "b", "c"}) {
      cases.push_back({QStringLiteral("%1%2.png").arg(set).arg(QLatin1String(state)), SkinSize(set)});
    }
  }
  for (int tab = 1; tab <= 5; ++tab) cases.push_back({QStringLiteral("m%1.png").arg(tab), {121, 35}});
  // Per-pixel-alpha windows: the splash and the region highlight.
  cases.push_back({QStringLiteral("splash.png"), {}, Alpha::Required});
  for (int piece = 1; piece <= 5; ++piece) {
    cases.push_back({QStringLiteral("i%1.png").arg(piece), {}, Alpha::Required});
  }
  const std::vector<PictureCase> named{
      {QStringLiteral("locked_save.png"), {}},
      {QStringLiteral("pmbg.png"), {736, 51}},
      {QStringLiteral("home.png"), {}},
      {QStringLiteral("page.png"), {}},
      {QStringLiteral("ddelete.png"), {}},
      {QStringLiteral("dbutton.png"), {}},
      {QStringLiteral("img.jpg"), {}},
      // The window's own design pictures.
      {QStringLiteral("header_band.png"), {0, 128}},
      {QStringLiteral("body_background.png"), {}},
      {QStringLiteral("logo.png"), {401, 65}},
      {QStringLiteral("header_art.png"), {281, 107}},
      {QStringLiteral("step1.png"), {233, 105}},
      {QStringLiteral("step2.png"), {233, 105}},
      {QStringLiteral("step3.png"), {233, 105}},
      {QStringLiteral("caption_restore_a.png"), {25, 23}},
      {QStringLiteral("caption_restore_b.png"), {25, 23}},
      {QStringLiteral("caption_restore_c.png"), {25, 23}},
      {QStringLiteral("content_frame.png"), {941, 340}},
      {QStringLiteral("frame_strip.png"), {941, 16}},
      {QStringLiteral("frame_side_left.png"), {0, 16}},
      {QStringLiteral("frame_side_right.png"), {0, 16}},
      {QStringLiteral("banner_welcome.png"), {841, 105}},
      {QStringLiteral("banner_new_site.png"), {841, 105}},
      {QStringLiteral("corner_tl.png"), {7, 7}, Alpha::Required},
      {QStringLiteral("corner_tr.png"), {7, 7}, Alpha::Required},
      {QStringLiteral("corner_bl.png"), {7, 7}, Alpha::Required},
      {QStringLiteral("corner_br.png"), {7, 7}, Alpha::Required},
      {QStringLiteral("grip.png"), {12, 12}},
      {QStringLiteral("gallery_check.png"), {50, 50}, Alpha::Required},
      {QStringLiteral("drop_slot.png"), {736, 52}},
      // Dialog frames, centred on the dialog layer.
      {QStringLiteral("dialog_save_as.png"), {450, 345}},
      {QStringLiteral("dialog_rename.png"), {450, 345}},
      {QStringLiteral("dialog_add.png"), {450, 345}},
      {QStringLiteral("dialog_properties.png"), {575, 518}},
      {QStringLiteral("dialog_delete.png"), {575, 225}},
      {QStringLiteral("dialog_save_prompt.png"), {439, 225}},
      {QStringLiteral("dialog_editor.png"), {669, 400}},
      {QStringLiteral("editor_panel.png"), {639, 320}},
      {QStringLiteral("dialog_link.png"), {404, 380}},
      {QStringLiteral("dialog_image.png"), {404, 480}},
      {QStringLiteral("dialog_upgrade.png"), {}},
      {QStringLiteral("loading_box.png"), {}},
      // Editor toolbar icons, laid over the 24 x 22 plates of set 24.
      {QStringLiteral("tb_link.png"), {18, 18}, Alpha::Required},
      {QStringLiteral("tb_picture.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_bold.png"), {14, 14}, Alpha::Required},
      {QStringLiteral("tb_italic.png"), {14, 14}, Alpha::Required},
      {QStringLiteral("tb_underline.png"), {13, 14}, Alpha::Required},
      {QStringLiteral("tb_strikeout.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_subscript.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_superscript.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_number_list.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_bullet_list.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_indent_less.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_indent_more.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_text_color.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_background_color.png"), {15, 15}, Alpha::Required},
      {QStringLiteral("tb_align_left.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_align_center.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_align_right.png"), {18, 14}, Alpha::Required},
      {QStringLiteral("tb_justify.png"), {18, 14}, Alpha::Required},
  };
  cases.insert(cases.end(), named.begin(), named.end());
  return cases;
}

QImage Load(const QString& file) {
  QImageReader reader(DataFile(file));
  return reader.read();
}

bool HasTransparentPixel(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      if (qAlpha(line[x]) < 255) return true;
    }
  }
  return false;
}

int MostOpaqueAlpha(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  int most = 0;
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) most = std::max(most, qAlpha(line[x]));
  }
  return most;
}

class RequiredPictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(RequiredPictureTest, ExistsAtItsSize) {
  const PictureCase& c = GetParam();
  QImageReader reader(DataFile(c.file));
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << c.file.toStdString() << ": " << reader.errorString().toStdString();
  if (c.size.width() > 0) {
    EXPECT_EQ(image.width(), c.size.width()) << c.file.toStdString();
  }
  if (c.size.height() > 0) {
    EXPECT_EQ(image.height(), c.size.height()) << c.file.toStdString();
  }
  if (c.alpha == Alpha::Required) {
    // The program converts these to 32-bit bitmaps with per-pixel alpha.
    EXPECT_EQ(image.depth(), 32) << c.file.toStdString();
    EXPECT_TRUE(image.hasAlphaChannel()) << c.file.toStdString() << " has no alpha channel";
    EXPECT_TRUE(HasTransparentPixel(image)) << c.file.toStdString() << " is opaque all over";
  }
}

// Every interface picture; img.jpg is site content and has no twin.
std::vector<PictureCase> TwinnedPictures() {
  std::vector<PictureCase> cases = RequiredPictures();
  std::erase_if(cases, [](const PictureCase& c) { return c.file == QLatin1String("img.jpg"); });
  return cases;
}

class TwinPictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(TwinPictureTest, IsTwiceTheSize) {
  const PictureCase& c = GetParam();
  const QImage image = Load(c.file);
  const QImage twin = Load(TwinName(c.file));
  ASSERT_FALSE(image.isNull()) << c.file.toStdString();
  ASSERT_FALSE(twin.isNull()) << TwinName(c.file).toStdString() << " is missing";
  EXPECT_EQ(twin.size(), image.size() * 2) << TwinName(c.file).toStdString();
  EXPECT_EQ(twin.hasAlphaChannel(), image.hasAlphaChannel()) << TwinName(c.file).toStdString();
}

INSTANTIATE_TEST_SUITE_P(DataFolder, RequiredPictureTest, testing::ValuesIn(RequiredPictures()),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                           return CaseName(info.param.file);
                         });
INSTANTIATE_TEST_SUITE_P(DataFolder, TwinPictureTest, testing::ValuesIn(TwinnedPictures()),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                           return CaseName(info.param.file);
                         });

// Controls swap these pictures in place, so each must match the picture it
// replaces: the pressed and hover states their normal picture, the selected
// tab the tab, the locked or dimmed buttons the button.
struct SamePair {
  QString file;
  QString sameSizeAs;
};

void PrintTo(const SamePair& c, std::ostream* out) { *out << c.file.toStdString(); }

std::vector<SamePair> SameSizePairs() {
  std::vector<SamePair> pairs;
  for (int set = 1; set <= 24; ++set) {
    for (const char* state : {"b", "c"}) {
      pairs.push_back({QStringLiteral("%1%2.png").arg(set).arg(QLatin1String(state)),
                       QStringLiteral("%1a.png").arg(set)});
    }
  }
  for (int tab = 1; tab <= 5; ++tab) {
    pairs.push_back({QStringLiteral("m%1.png").arg(tab), QStringLiteral("%1a.png").arg(10 + tab)});
  }
  pairs.push_back({QStringLiteral("locked_save.png"), QStringLiteral("7a.png")});
  pairs.push_back({QStringLiteral("dbutton.png"), QStringLiteral("22a.png")});
  pairs.push_back({QStringLiteral("ddelete.png"), QStringLiteral("20a.png")});
  pairs.push_back({QStringLiteral("caption_restore_a.png"), QStringLiteral("3a.png")});
  pairs.push_back({QStringLiteral("home.png"), QStringLiteral("page.png")});
  return pairs;
}

class SwappedPictureTest : public testing::TestWithParam<SamePair> {};

TEST_P(SwappedPictureTest, MatchesThePictureItReplaces) {
  const SamePair& c = GetParam();
  const QImage image = Load(c.file);
  const QImage other = Load(c.sameSizeAs);
  ASSERT_FALSE(image.isNull()) << c.file.toStdString();
  ASSERT_FALSE(other.isNull()) << c.sameSizeAs.toStdString();
  EXPECT_EQ(image.size(), other.size()) << c.file.toStdString() << " vs " << c.sameSizeAs.toStdString();
}

INSTANTIATE_TEST_SUITE_P(DataFolder, SwappedPictureTest, testing::ValuesIn(SameSizePairs()),
                         [](const testing::TestParamInfo<SamePair>& info) {
                           return CaseName(info.param.file);
                         });

// The row picture's icons are drawn at (33, 0) over it, the label at x = 68.
TEST(PageRowPictureTest, IconsFitBetweenRowStartAndLabel) {
  const QImage row = Load(QStringLiteral("pmbg.png"));
  for (const QString& file : {QStringLiteral("home.png"), QStringLiteral("page.png")}) {
    const QImage icon = Load(file);
    ASSERT_FALSE(icon.isNull()) << file.toStdString();
    EXPECT_LE(33 + icon.width(), 68) << file.toStdString() << " runs under the page label";
    EXPECT_LE(icon.height(), row.height()) << file.toStdString();
  }
}

// The highlight window is composed at any size up to i4's: i4 cut to the
// window, i1 at x = 0 and x = W - 4, i2 at y = 0 and y = H - 4, and i5 (under
// 58 pixels) or i3 centred. The window is never lower than 28 pixels.
TEST(HighlightPiecesTest, FitTheComposition) {
  const QImage edge = Load(QStringLiteral("i1.png"));
  const QImage rim = Load(QStringLiteral("i2.png"));
  const QImage badge = Load(QStringLiteral("i3.png"));
  const QImage tint = Load(QStringLiteral("i4.png"));
  const QImage smallBadge = Load(QStringLiteral("i5.png"));
  ASSERT_FALSE(edge.isNull() || rim.isNull() || badge.isNull() || tint.isNull() || smallBadge.isNull());
  EXPECT_EQ(edge.width(), 4) << "i1.png is drawn at W - 4";
  EXPECT_EQ(rim.height(), 4) << "i2.png is drawn at H - 4";
  // A region on a full-HD page must be covered without a gap.
  EXPECT_GE(tint.width(), 1920) << "i4.png";
  EXPECT_GE(tint.height(), 1080) << "i4.png";
  EXPECT_GE(edge.height(), tint.height()) << "i1.png shorter than the largest window";
  EXPECT_GE(rim.width(), tint.width()) << "i2.png narrower than the largest window";
  EXPECT_LE(smallBadge.height(), 28 - 2 * 4) << "i5.png does not fit the lowest window";
  EXPECT_LE(badge.height(), 58 - 2 * 4) << "i3.png does not fit a 58-pixel window";
  // The region being pointed at must stay readable through the tint.
  EXPECT_LE(MostOpaqueAlpha(tint), 96) << "i4.png hides the page under it";
}

struct AnimationCase {
  QString file;
  QSize size;  // empty: not fixed by the layout
};

void PrintTo(const AnimationCase& c, std::ostream* out) { *out << c.file.toStdString(); }

class AnimationTest : public testing::TestWithParam<AnimationCase> {};

// Reads every frame; checks they share the size and that the picture is
// animated and transparent.
void ExpectAnimated(const QString& file, QSize size) {
  QImageReader reader(DataFile(file));
  ASSERT_TRUE(reader.canRead()) << file.toStdString() << ": " << reader.errorString().toStdString();
  EXPECT_TRUE(reader.supportsAnimation()) << file.toStdString();
  int frames = 0;
  bool transparent = false;
  QImage frame;
  while (reader.read(&frame)) {
    ++frames;
    if (size.isValid()) {
      EXPECT_EQ(frame.size(), size) << file.toStdString() << " frame " << frames;
    }
    transparent = transparent || HasTransparentPixel(frame);
  }
  EXPECT_GT(frames, 1) << file.toStdString() << " is not animated";
  EXPECT_TRUE(transparent) << file.toStdString() << " has no transparent pixel";
}

TEST_P(AnimationTest, IsAnimatedWithTransparency) {
  const AnimationCase& c = GetParam();
  ExpectAnimated(c.file, c.size);
}

TEST_P(AnimationTest, HasAnimatedTwinAtTwiceTheSize) {
  const AnimationCase& c = GetParam();
  const QImage first = Load(c.file);
  ASSERT_FALSE(first.isNull()) << c.file.toStdString();
  ExpectAnimated(TwinName(c.file), first.size() * 2);
  EXPECT_EQ(QImageReader(DataFile(TwinName(c.file))).imageCount(), QImageReader(DataFile(c.file)).imageCount())
      << TwinName(c.file).toStdString();
}

INSTANTIATE_TEST_SUITE_P(DataFolder, AnimationTest,
                         testing::Values(AnimationCase{QStringLiteral("large_loading.gif"), {}},
                                         AnimationCase{QStringLiteral("loading_red.gif"), {18, 18}}),
                         [](const testing::TestParamInfo<AnimationCase>& info) {
                           return CaseName(info.param.file);
                         });

// The placeholder page is wrapped into a PHP string before upload: "$" would
// be read as a PHP variable, and "bin/", "href=" and "moxa_img" would be
// rewritten. It is a page of its own with nothing to load from anywhere.
TEST(PlaceholderPageTest, SurvivesWrappingAndLoadsNothing) {
  QFile file(DataFile(QStringLiteral("_pblank.html")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "_pblank.html is missing";
  const QByteArray page = file.readAll();
  EXPECT_TRUE(page.contains("<html") && page.contains("</html>")) << "_pblank.html is no page";
  for (const char* forbidden : {"$", "bin/", "href=", "moxa_img", "http:", "https:", "//", "src=", "url("}) {
    EXPECT_FALSE(page.toLower().contains(forbidden)) << "_pblank.html holds \"" << forbidden << "\"";
  }
  for (const char byte : page) {
    ASSERT_LT(static_cast<unsigned char>(byte), 0x80) << "_pblank.html is not plain ASCII";
  }
}

// The manifest tells the window's developers what exists: each line names a
// file with its size, alpha or opaque, and whether it has a "@2x" twin.
TEST(PictureManifestTest, ListsWhatIsThere) {
  QFile file(DataFile(QStringLiteral("pictures.txt")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << "pictures.txt is missing";
  QStringList listed;
  const QRegularExpression line(QStringLiteral(R"(^(\S+)\s+(\d+)x(\d+)\s+(alpha|opaque)\s+(@2x|-)\s)"));
  for (const QString& text : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('#'))) continue;
    const QRegularExpressionMatch match = line.match(text);
    ASSERT_TRUE(match.hasMatch()) << "pictures.txt: " << text.toStdString();
    const QString name = match.captured(1);
    listed << name;
    const QImage image = Load(name);
    ASSERT_FALSE(image.isNull()) << name.toStdString() << " is listed but missing";
    EXPECT_EQ(image.size(), QSize(match.captured(2).toInt(), match.captured(3).toInt())) << name.toStdString();
    EXPECT_EQ(image.hasAlphaChannel(), match.captured(4) == QLatin1String("alpha")) << name.toStdString();
    if (match.captured(5) == QLatin1String("@2x")) {
      EXPECT_TRUE(QFileInfo::exists(DataFile(TwinName(name)))) << TwinName(name).toStdString();
    }
  }
  for (const PictureCase& c : RequiredPictures()) {
    EXPECT_TRUE(listed.contains(c.file)) << c.file.toStdString() << " is not in pictures.txt";
  }
}

}  // namespace
}  // namespace moxa
