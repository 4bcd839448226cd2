// The image dialog over a window: pictures from the computer and from a
// real local web server go into the editor and out into the exported HTML.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QPushButton>
#include <QSignalSpy>

#include "app/dialogs/DialogLayer.h"
#include "app/editor/ImageDialog.h"
#include "app/editor/RichTextEdit.h"
#include "app/editor/PictureEditController.h"
#include "richtext/HtmlExporter.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtStyle.h"
#include "support/LocalHttpServer.h"
#include "support/SilentServer.h"
#include "support/TestSupport.h"
#include "support/gui/Eventually.h"

namespace moxa {
namespace {

void WriteJpeg(const QString& path) {
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(qRgb(30, 120, 200));
  ASSERT_TRUE(image.save(path, "JPEG"));
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ImageDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders.ProgramFolder = test::SourceDir() + QStringLiteral("/");
    folders.TempFolder = temp.path() + QStringLiteral("/");
    ASSERT_TRUE(QDir().mkpath(folders.WorkFolder()));
    window.resize(1000, 700);
    window.show();
    controller = std::make_unique<PictureEditController>(
        editor, links, folders, pictures, &window, [this](PictureEditController::LinkAnswer a) {
          ++linkRequests;
          a(linkAnswer, QStringLiteral("contact-us.html"), true);
        });
    controller->setShowMessage([this](QWidget*, const QString& text) { messages << text; });
    controller->OpenImageDialog();
    ASSERT_TRUE(controller->isOpen());
  }
  ImageDialog* Dialog() const { return controller->dialog(); }
  DialogLayer* Layer() const { return window.findChild<DialogLayer*>(QStringLiteral("imageDialogLayer")); }

  // Serves `folder` on a free local port; gives the port.
  int Serve(const QString& folder) {
    server = std::make_unique<test::LocalHttpServer>(folder);
    EXPECT_TRUE(server->Running());
    return server->Port();
  }

  // The editor's content as the region's commit writes it.
  QByteArray Export() {
    rt::TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    params.Options = rt::rtsoOverrideImages | rt::rtsoNoHypertextImageBorders;
    params.OnWriteHyperlink = rt::MakeWriteHyperlinkHandler(links);
    const QString file = folders.WorkFolder() + QStringLiteral("temptext_.html");
    EXPECT_TRUE(rt::SaveHTML(file, editor.Document(), style, params));
    const QByteArray html = ReadFile(file);
    QFile::remove(file);
    return html;
  }
  QStringList WorkFiles() const {
    return QDir(folders.WorkFolder()).entryList(QDir::Files | QDir::Hidden);
  }
  void ChooseFromComputer(const QString& path) {
    controller->setChooseFile([path](QWidget*, const QString& filter) {
      EXPECT_EQ(filter, PictureEditController::kFileFilter);
      return path;
    });
    Dialog()->browseButton()->clicked();
  }

  QTemporaryDir temp, computer, served;
  Folders folders;
  const Pictures pictures{test::SourceDir() + QStringLiteral("/data/")};
  QWidget window;
  rt::TRtStyle style;
  editor::RtEditor editor{style};
  rt::TEditorLinks links;
  std::unique_ptr<PictureEditController> controller;
  QStringList messages;
  bool linkAnswer = true;
  int linkRequests = 0;
  std::unique_ptr<test::LocalHttpServer> server;
};

TEST_F(ImageDialogTest, APictureFromTheComputerIsExportedWithAltAndAlign) {
  WriteJpeg(computer.filePath("my photo.jpg"));
  ChooseFromComputer(computer.filePath("my photo.jpg"));
  Dialog()->alignmentBox()->setCurrentText("Right");
  Dialog()->altTextField()->setText("Our shop");
  QTest::keyClick(Dialog(), Qt::Key_Return);
  EXPECT_FALSE(controller->isOpen());
  EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
  EXPECT_TRUE(QFile::exists(folders.WorkFolder() + "my_photo.jpg"));
  EXPECT_TRUE(QFile::exists(folders.ImagesKeepFolder() + "my_photo.jpg"));
  const QByteArray html = Export();
  const qsizetype at = html.indexOf("<img align=right border=0 alt=\"Our shop\" src=\"moxa_img");
  ASSERT_GE(at, 0) << html.data();
  const qsizetype nameStart = html.indexOf("moxa_img", at);
  const QString name =
      QString::fromUtf8(html.mid(nameStart, html.indexOf('"', nameStart) - nameStart));
  EXPECT_TRUE(name.endsWith(".jpg")) << name.toStdString();
  EXPECT_TRUE(QFile::exists(folders.WorkFolder() + name));
  ASSERT_EQ(controller->images().Count(), 1);
  EXPECT_EQ(controller->images().Images[0].ImageUrl, "my_photo.jpg");
  EXPECT_EQ(controller->images().Images[0].Alignment, "Right");
}

// A picture is seen where it was put: a small one at its size, one wider
// than the editor whole at the editor's width (the page keeps its own size).
TEST_F(ImageDialogTest, AnInsertedPictureIsShownWhereItWasPut) {
  const struct {
    int width, height;
  } cases[] = {{60, 40}, {1200, 900}};
  for (const auto& c : cases) {
    editor.Clear();
    RichTextEdit view(editor, &window);
    view.setGeometry(0, 0, 400, 300);
    view.show();
    QTest::keyClicks(&view, QStringLiteral("Our new kitchen "));
    QImage blue(c.width, c.height, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    const QString name = QStringLiteral("blue%1.png").arg(c.width);
    ASSERT_TRUE(blue.save(computer.filePath(name), "PNG"));
    controller->OpenImageDialog();
    ChooseFromComputer(computer.filePath(name));
    QTest::keyClick(Dialog(), Qt::Key_Return);
    ASSERT_FALSE(controller->isOpen()) << c.width;

    view.ensureCursorVisible();  // just after the picture
    const QImage shown = view.viewport()->grab().toImage();
    int bluePixels = 0, widest = 0;
    for (int y = 0; y < shown.height(); ++y) {
      int row = 0;
      for (int x = 0; x < shown.width(); ++x) row += shown.pixel(x, y) == qRgb(0, 0, 255);
      bluePixels += row;
      widest = std::max(widest, row);
    }
    EXPECT_GE(bluePixels, std::min(c.width * c.height, 300 * 200)) << c.width;
    if (c.width > 400) {
      EXPECT_GT(widest, 300) << "the whole width of the editor";
    }
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0) << c.width;
    EXPECT_FALSE(Export().contains("width=")) << c.width;
  }
}

TEST_F(ImageDialogTest, APictureFromTheWebIsDownloadedAndInserted) {
  WriteJpeg(served.filePath("logo.jpg"));
  const int port = Serve(served.path());
  QTest::mouseClick(Dialog()->webField(), Qt::LeftButton);
  EXPECT_TRUE(Dialog()->webRadio()->isChecked());
  const QString address = QStringLiteral("127.0.0.1:%1/logo.jpg").arg(port);
  Dialog()->webField()->setText(address);
  QSignalSpy finished(controller.get(), &PictureEditController::downloadFinished);
  EXPECT_TRUE(controller->AcceptImageDialog()) << messages.join(' ').toStdString();
  EXPECT_EQ(Dialog()->webField()->text(), "http://" + address);
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_TRUE(finished.first().first().toBool()) << messages.join(' ').toStdString();
  EXPECT_FALSE(controller->isOpen());
  EXPECT_EQ(ReadFile(folders.WorkFolder() + "logo.jpg"), ReadFile(served.filePath("logo.jpg")));
  EXPECT_TRUE(Export().contains("<img border=0 src=\"moxa_img"));
  EXPECT_EQ(controller->images().Images.at(0).RadioButton, 1);
}

TEST_F(ImageDialogTest, AFailedDownloadKeepsTheDialogAndTheWorkingFolder) {
  const int port = Serve(served.path());
  const QStringList before = WorkFiles();
  Dialog()->webRadio()->setChecked(true);
  Dialog()->webField()->setText(QStringLiteral("http://127.0.0.1:%1/missing.jpg").arg(port));
  QSignalSpy finished(controller.get(), &PictureEditController::downloadFinished);
  controller->AcceptImageDialog();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_FALSE(finished.first().first().toBool());
  EXPECT_EQ(messages, QStringList{"The picture could not be added."});
  EXPECT_TRUE(controller->isOpen());
  EXPECT_EQ(WorkFiles(), before);
  EXPECT_FALSE(Export().contains("<img"));
}

// A server that never answers: the overlay's Cancel (or Escape) gives the
// download up at once, with the dialog back as the user left it, nothing
// in the editor, and the transfer itself stopped (long before its own time
// limit of a minute) with nothing left in the working folder.
TEST_F(ImageDialogTest, ADownloadGivenUpLeavesTheEditorAndTheFolderAsTheyWere) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "Cancel");
    test::SilentServer silent;
    ASSERT_TRUE(silent.Listening());
    controller->OpenImageDialog();
    const QStringList before = WorkFiles();
    Dialog()->webRadio()->setChecked(true);
    const QString address = QStringLiteral("http://127.0.0.1:%1/logo.jpg").arg(silent.Port());
    Dialog()->webField()->setText(address);
    QSignalSpy finished(controller.get(), &PictureEditController::downloadFinished);
    QTest::keyClick(Dialog(), Qt::Key_Return);
    ASSERT_TRUE(Layer()->busy());
    QPushButton* cancel = Layer()->busyCancelButton();
    ASSERT_TRUE(cancel->isVisible());
    ASSERT_TRUE(silent.WaitForCaller(10));
    ASSERT_TRUE(controller->downloading());

    // The user's click or key reaches the overlay while the download waits.
    if (escape) {
      QTest::keyClick(cancel, Qt::Key_Escape);
    } else {
      QTest::mouseClick(cancel, Qt::LeftButton);
    }
    EXPECT_FALSE(controller->downloading());
    EXPECT_FALSE(Layer()->busy());
    EXPECT_TRUE(controller->isOpen()) << "the dialog is back";
    EXPECT_EQ(Dialog()->webField()->text(), address);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    EXPECT_EQ(controller->images().Count(), 0);
    EXPECT_FALSE(Export().contains("<img"));

    EXPECT_TRUE(test::Eventually([] { return QThreadPool::globalInstance()->activeThreadCount() == 0; }, 10000))
        << "the transfer goes on";
    EXPECT_EQ(WorkFiles(), before);
    EXPECT_TRUE(finished.isEmpty());
  }
}

// A slow server: the window goes on while it takes its time, and the
// picture goes in when it arrives. Answered only after Cancel, its picture
// is nobody's and leaves nothing behind.
TEST_F(ImageDialogTest, ASlowDownloadGoesInWhenItArrivesUnlessGivenUp) {
  WriteJpeg(served.filePath("slow.jpg"));
  const QByteArray jpeg = ReadFile(served.filePath("slow.jpg"));
  const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: " +
                            std::to_string(jpeg.size()) + "\r\n\r\n" + jpeg.toStdString();
  for (const bool givenUp : {true, false}) {
    SCOPED_TRACE(givenUp ? "given up" : "waited for");
    test::SilentServer slow;
    ASSERT_TRUE(slow.Listening());
    controller->OpenImageDialog();
    const QStringList before = WorkFiles();
    Dialog()->webRadio()->setChecked(true);
    Dialog()->webField()->setText(QStringLiteral("127.0.0.1:%1/slow.jpg").arg(slow.Port()));
    QSignalSpy finished(controller.get(), &PictureEditController::downloadFinished);
    QTest::keyClick(Dialog(), Qt::Key_Return);
    ASSERT_TRUE(Layer()->busy());
    ASSERT_TRUE(slow.WaitForCaller(10));

    // Meanwhile the window's own events run and nothing is in the editor yet.
    bool ticked = false;
    QTimer::singleShot(1, [&ticked] { ticked = true; });
    EXPECT_TRUE(test::Eventually([&] { return ticked; }));
    EXPECT_TRUE(Layer()->busy());
    EXPECT_FALSE(Export().contains("<img"));

    if (givenUp) QTest::mouseClick(Layer()->busyCancelButton(), Qt::LeftButton);
    ASSERT_TRUE(slow.AnswerCallers(reply));
    if (givenUp) {
      EXPECT_TRUE(test::Eventually([&] {
        return QThreadPool::globalInstance()->activeThreadCount() == 0 && WorkFiles() == before;
      }, 10000)) << WorkFiles().join(' ').toStdString();
      EXPECT_TRUE(finished.isEmpty());
      EXPECT_TRUE(controller->isOpen());
      EXPECT_EQ(controller->images().Count(), 0);
      EXPECT_FALSE(Export().contains("<img"));
      continue;
    }
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(finished.first().first().toBool()) << messages.join(' ').toStdString();
    EXPECT_FALSE(Layer()->isVisible());
    EXPECT_FALSE(controller->isOpen());
    EXPECT_EQ(ReadFile(folders.WorkFolder() + "slow.jpg"), jpeg);
    EXPECT_TRUE(Export().contains("<img border=0 src=\"moxa_img"));
    EXPECT_EQ(controller->images().Count(), 1);
  }
}

TEST_F(ImageDialogTest, AFileThatIsNoPictureIsRefused) {
  QFile text(computer.filePath("notes.jpg"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a picture");
  text.close();
  ChooseFromComputer(computer.filePath("notes.jpg"));
  EXPECT_FALSE(controller->AcceptImageDialog());
  EXPECT_EQ(messages, QStringList{"The picture could not be added."});
  EXPECT_TRUE(controller->isOpen());
}

TEST_F(ImageDialogTest, CancelInsertsNothing) {
  WriteJpeg(computer.filePath("a.jpg"));
  ChooseFromComputer(computer.filePath("a.jpg"));
  QTest::keyClick(Dialog(), Qt::Key_Escape);
  EXPECT_FALSE(controller->isOpen());
  EXPECT_FALSE(Export().contains("<img"));
  EXPECT_EQ(controller->images().Count(), 0);
}

TEST_F(ImageDialogTest, ACancelledLinkUnticksTheBox) {
  linkAnswer = false;
  Dialog()->linkCheckBox()->setChecked(true);
  EXPECT_EQ(linkRequests, 1);
  EXPECT_FALSE(Dialog()->linkCheckBox()->isChecked());
}

TEST_F(ImageDialogTest, ALinkedPictureOpensInANewWindow) {
  WriteJpeg(computer.filePath("a.jpg"));
  ChooseFromComputer(computer.filePath("a.jpg"));
  Dialog()->linkCheckBox()->setChecked(true);
  EXPECT_EQ(controller->imageLinkUrl(), "contact-us.html");
  ASSERT_TRUE(controller->AcceptImageDialog());
  ASSERT_EQ(links.Count(), 1);
  const QByteArray html = Export();
  EXPECT_TRUE(
      html.contains("<a href=\"contact-us.html\" target=_blank><img border=0 src=\"moxa_img"))
      << html.data();
}

}  // namespace
}  // namespace moxa
