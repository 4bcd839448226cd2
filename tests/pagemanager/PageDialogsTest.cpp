// The page dialogs on the dialog layer and the This Page menu: opening,
// fields, OK with valid input and with every refusal, and what each
// operation leaves in the editor, the rows, the files and the store.
#include "PageManagerFixture.h"
#include "support/FileSizeLimit.h"
#include "support/StoreHelpers.h"

#include "app/dialogs/DialogLayer.h"
#include "app/dialogs/PageDialogs.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "platform/SettingsStore.h"
#include "app/editor/EditorSession.h"
#include "app/pagemanager/PageActions.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRows.h"
#include "app/shell/SkinnedButton.h"
#include "pages/PageOperations.h"

#include <QTest>

namespace moxa::test {
namespace {

class PageDialogsTest : public PageManagerFixture {
 protected:
  PageActions* Actions() const { return window->pageActions(); }
  EditorScreen* Editor() const { return window->editorScreen(); }
  void OpenInEditor(const QString& fileName) {
    ASSERT_TRUE(window->editorController()->OpenPage(fileName));
  }
  void EditWorkingCopy(const QByteArray& marker) {
    const QString copy = window->folders().WorkingCopyFile();
    QByteArray text = ReadBytes(copy);
    text.replace("</body>", marker + "</body>");
    WriteBytes(copy, text);
    window->editorSession().MarkModified();
  }
  void Type(PageNameDialog* dialog, const QString& fileName, const QString& label) {
    dialog->fileNameField()->setText(fileName);
    dialog->labelField()->setText(label);
  }
  void ClickOk(LayerDialog* dialog) { QTest::mouseClick(dialog->okButton(), Qt::LeftButton); }
  bool Showing(QWidget* dialog) const {
    return window->dialogLayer()->isVisible() && dialog->isVisible();
  }
  QWidget* Focused() const { return window->focusWidget(); }
  // The window now shows `before` at half brightness (outside the dialog).
  bool ShowsDarkened(const QImage& before) const {
    const QImage now = window->grab().toImage();
    const QPoint at(window->width() / 2, window->height() - 12);
    const QColor was = before.pixelColor(at);
    return now.pixelColor(at) == QColor(was.red() / 2, was.green() / 2, was.blue() / 2);
  }
  QLabel* CaptionOf(QWidget* dialog, const QString& text) const {
    for (QLabel* label : dialog->findChildren<QLabel*>(QStringLiteral("caption"))) {
      if (label->text().endsWith(text)) return label;
    }
    return nullptr;
  }
};

// Where the frame's OK, "Cancel" and close are, for every page dialog.
TEST_F(PageDialogsTest, DialogsPlaceTheirButtonsOnTheirFrames) {
  const struct {
    LayerDialog* dialog;
    QSize frame;
    QPoint ok;
    QPoint cancel;
    QPoint close;
  } cases[] = {
      {Actions()->addDialog(), {450, 345}, {377, 298}, {330, 310}, {410, 10}},
      {Actions()->saveAsDialog(), {450, 345}, {377, 298}, {330, 310}, {410, 10}},
      {Actions()->renameDialog(), {450, 345}, {377, 298}, {330, 310}, {410, 10}},
      {Actions()->propertiesDialog(), {575, 518}, {502, 471}, {455, 483}, {540, 10}},
      {Actions()->deleteDialog(), {575, 225}, {502, 178}, {455, 190}, {540, 10}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dialog->objectName().toStdString());
    EXPECT_EQ(c.dialog->size(), c.frame);
    EXPECT_EQ(c.dialog->okButton()->pos(), c.ok);
    EXPECT_EQ(c.dialog->findChild<QWidget*>(QStringLiteral("cancelLink"))->pos(), c.cancel);
    bool closeFound = false;
    for (auto* button : c.dialog->findChildren<SkinnedButton*>()) {
      if (button->accessibleName() == QLatin1String("Close")) closeFound = button->pos() == c.close;
    }
    EXPECT_TRUE(closeFound);
  }
}

TEST_F(PageDialogsTest, NewPageAddsThePageShowsTheCleaningAndOpensIt) {
  CreateSite();
  ShowPageManager();
  PageNameDialog* add = Actions()->addDialog();
  const QImage before = window->grab().toImage();
  emit window->pageManagerScreen()->newPageButton()->clicked();
  ASSERT_TRUE(Showing(add));
  EXPECT_EQ(add->fileName(), "");
  EXPECT_EQ(add->label(), "");
  EXPECT_TRUE(add->fileNameField()->isEnabled());
  EXPECT_EQ(Focused(), add->fileNameField());
  EXPECT_EQ(add->geometry().center(), window->rect().center());
  EXPECT_TRUE(ShowsDarkened(before));

  Type(add, QStringLiteral("  Our Team! "), QStringLiteral(" Team & Co "));
  // Enter in a field is OK.
  QTest::keyClick(add->fileNameField(), Qt::Key_Return);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(add->shownFileNames(), (QStringList{"  Our Team! ", "Our Team", "Our-Team"}));
  EXPECT_EQ(FileNames().last(), "Our-Team");
  EXPECT_EQ(window->site().Page(4).Label_, "Team & Co");
  EXPECT_EQ(StoredFileNames(), FileNames());
  EXPECT_EQ(window->site().OpenPageFileName, "Our-Team");
  EXPECT_EQ(Editor()->pageSelector()->currentText(), "Our-Team");
  EXPECT_EQ(Editor()->pageSelector()->count(), 5);
  EXPECT_EQ(MenuLinks(QStringLiteral("index")).last(), "Our-Team.html");
  // The rows show the new page at once.
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("_pml_4"))->text(), "Team & Co");
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_TRUE(informations.isEmpty());
}

// Every refusal of the three name dialogs: the message, the focus back on
// the field at fault, the dialog still open and nothing changed.
TEST_F(PageDialogsTest, NameDialogsRefuseWithTheirMessages) {
  CreateSite();
  OpenInEditor(QStringLiteral("contact-us"));
  const struct {
    const char* fileName;
    const char* label;
    const char* message;
    bool focusOnLabel;
    const char* shownFileName;
  } cases[] = {
      {"???", "Label", "You must enter a file name.", false, ""},
      {" new ", "   ", "You must enter a label.", true, "new"},
      {"about-us", "Again", "A page with this file name already exists.", false, "about-us"},
      {" about us. ", "Again", "A page with this file name already exists.", false, "about-us"},
      {"faq", "Q/////A", "The page label cannot contain \"|||||\" or \"/////\" or end with \"|\" or \"/\": "
                         "the hosting service uses them to separate what it stores.", true, "faq"},
  };
  const auto files = WorkFolderContents();
  const auto open = [this](PageNameDialog* dialog) {
    if (dialog == Actions()->addDialog()) Actions()->OpenAddDialog();
    if (dialog == Actions()->saveAsDialog()) Actions()->OpenSaveAsDialog();
    if (dialog == Actions()->renameDialog()) Actions()->OpenRenameDialog();
  };
  for (PageNameDialog* dialog :
       {Actions()->addDialog(), Actions()->saveAsDialog(), Actions()->renameDialog()}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(dialog->objectName().toStdString() + " " + c.fileName);
      open(dialog);
      ASSERT_TRUE(Showing(dialog));
      informations.clear();
      Type(dialog, QString::fromLatin1(c.fileName), QString::fromLatin1(c.label));
      ClickOk(dialog);
      EXPECT_EQ(informations, QStringList{QString::fromLatin1(c.message)});
      EXPECT_TRUE(Showing(dialog));
      EXPECT_EQ(Focused(), c.focusOnLabel ? dialog->labelField() : dialog->fileNameField());
      EXPECT_EQ(dialog->fileName(), c.shownFileName);
      emit dialog->cancelled();
      EXPECT_FALSE(window->dialogLayer()->isVisible());
    }
  }
  EXPECT_EQ(FileNames(), (QStringList{"index", "about-us", "picture-gallery", "contact-us"}));
  EXPECT_EQ(WorkFolderContents(), files);
  EXPECT_EQ(window->site().OpenPageFileName, "contact-us");
}

TEST_F(PageDialogsTest, AFullSiteRefusesANewPage) {
  CreateSite();
  while (!window->site().IsFull()) {
    TSitePage page;
    page.FileName = QStringLiteral("p%1").arg(window->site().PageCount());
    window->site().AppendPage(page);
  }
  Actions()->OpenAddDialog();
  PageNameDialog* add = Actions()->addDialog();
  Type(add, QStringLiteral("one-more"), QStringLiteral("One More"));
  ClickOk(add);
  EXPECT_EQ(informations,
            QStringList{QStringLiteral("Your site has reached the maximum number of pages.")});
  EXPECT_TRUE(Showing(add));
  EXPECT_EQ(Focused(), add->fileNameField());
  EXPECT_FALSE(QFile::exists(window->folders().PageFile(QStringLiteral("one-more"))));
}

// A page that cannot be made is an error, not a silent nothing; the dialog
// stays for another try.
TEST_F(PageDialogsTest, AnAddThatCannotBeWrittenSaysSoAndKeepsTheDialog) {
  CreateSite();
  window->site().SelectedTemplateIndex = 999;  // no such template: nothing to copy
  Actions()->OpenAddDialog();
  PageNameDialog* add = Actions()->addDialog();
  Type(add, QStringLiteral("team"), QStringLiteral("Team"));
  ClickOk(add);
  EXPECT_EQ(errors, QStringList{QStringLiteral(
                        "The template of your site could not be read. Nothing was changed.")});
  EXPECT_TRUE(Showing(add));
  EXPECT_EQ(FileNames().size(), 4);
  EXPECT_FALSE(QFile::exists(window->folders().PageFile(QStringLiteral("team"))));

  // A full disk: the same, and not one page of the site is touched.
  window->site().SelectedTemplateIndex = 0;
  errors.clear();
  const QByteArray index = WorkFile(QStringLiteral("index.html"));
  {
    const test::FileSizeLimit full(64);
    ClickOk(add);
  }
  EXPECT_EQ(errors, QStringList{QStringLiteral("The page could not be written.")});
  EXPECT_TRUE(Showing(add));
  EXPECT_EQ(FileNames().size(), 4);
  EXPECT_EQ(StoredFileNames().size(), 4);
  EXPECT_EQ(WorkFile(QStringLiteral("index.html")), index);
}

TEST_F(PageDialogsTest, SaveAsCopiesTheOpenPageWithItsUnsavedEdits) {
  CreateSite();
  EditWorkingCopy("<p>unsaved</p>");
  Editor()->savePageAsAction()->trigger();
  PageNameDialog* saveAs = Actions()->saveAsDialog();
  ASSERT_TRUE(Showing(saveAs));
  EXPECT_EQ(Focused(), saveAs->fileNameField());
  Type(saveAs, QStringLiteral("copy"), QStringLiteral("Copy"));
  ClickOk(saveAs);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_TRUE(WorkFile(QStringLiteral("copy.html")).contains("<p>unsaved</p>"));
  EXPECT_FALSE(WorkFile(QStringLiteral("index.html")).contains("<p>unsaved</p>"));
  EXPECT_EQ(window->site().OpenPageFileName, "copy");
  EXPECT_EQ(Editor()->pageSelector()->currentText(), "copy");
  EXPECT_FALSE(window->editorSession().PageModified());
  EXPECT_TRUE(Editor()->deletePageAction()->isEnabled());
}

TEST_F(PageDialogsTest, RenamingTheHomePageChangesOnlyItsLabel) {
  CreateSite();
  Editor()->renamePageAction()->trigger();
  PageNameDialog* rename = Actions()->renameDialog();
  ASSERT_TRUE(Showing(rename));
  EXPECT_FALSE(rename->fileNameField()->isEnabled());
  EXPECT_EQ(rename->fileName(), "index");
  EXPECT_EQ(rename->label(), "Home");
  EXPECT_EQ(Focused(), rename->labelField());
  rename->labelField()->setText(QStringLiteral(" Start "));
  ClickOk(rename);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(FileNames().first(), "index");
  EXPECT_TRUE(QFile::exists(window->folders().PageFile(QStringLiteral("index"))));
  Site stored;
  test::LoadSiteNow(stored);
  EXPECT_EQ(stored.Page(0).Label_, "Start");
  EXPECT_TRUE(WorkFile(QStringLiteral("about-us.html")).contains(">Start<"));
  EXPECT_EQ(window->site().OpenPageFileName, "index");
}

TEST_F(PageDialogsTest, RenameFromARowOpensItsPageAndRelinksEveryMenu) {
  CreateSite();
  ShowPageManager();
  const QImage before = window->grab().toImage();
  QTest::mouseClick(window->findChild<SkinnedButton*>(QStringLiteral("_rename_1")),
                    Qt::LeftButton);
  PageNameDialog* rename = Actions()->renameDialog();
  ASSERT_TRUE(Showing(rename));
  EXPECT_EQ(window->site().OpenPageFileName, "about-us");
  EXPECT_TRUE(ShowsDarkened(before));
  EXPECT_EQ(rename->fileName(), "about-us");
  EXPECT_EQ(rename->label(), "About Us");
  EXPECT_TRUE(rename->fileNameField()->isEnabled());
  EXPECT_EQ(Focused(), rename->fileNameField());

  // The caption of a field puts the focus into it.
  QTest::mouseClick(CaptionOf(rename, QStringLiteral("Label")), Qt::LeftButton);
  EXPECT_EQ(Focused(), rename->labelField());
  QTest::mouseClick(CaptionOf(rename, QStringLiteral("File Name")), Qt::LeftButton);
  EXPECT_EQ(Focused(), rename->fileNameField());

  Type(rename, QStringLiteral("our story"), QStringLiteral("Our Story"));
  ClickOk(rename);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_FALSE(QFile::exists(window->folders().PageFile(QStringLiteral("about-us"))));
  EXPECT_EQ(FileNames(), (QStringList{"index", "our-story", "picture-gallery", "contact-us"}));
  EXPECT_EQ(StoredFileNames(), FileNames());
  for (const QString& page : FileNames()) {
    EXPECT_EQ(MenuLinks(page).at(1), "our-story.html") << page.toStdString();
  }
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("_pml2_1"))->text(), "our-story.html");
  EXPECT_EQ(window->site().OpenPageFileName, "our-story");
}

// A rename opens the page again from its file: unsaved edits are saved first
// rather than lost.
TEST_F(PageDialogsTest, RenameKeepsTheUnsavedEditsOfTheOpenPage) {
  CreateSite();
  OpenInEditor(QStringLiteral("about-us"));
  EditWorkingCopy("<p>kept</p>");
  Editor()->renamePageAction()->trigger();
  PageNameDialog* rename = Actions()->renameDialog();
  Type(rename, QStringLiteral("team"), QStringLiteral("Team"));
  ClickOk(rename);
  EXPECT_TRUE(WorkFile(QStringLiteral("team.html")).contains("<p>kept</p>"));
  EXPECT_TRUE(ReadBytes(window->folders().WorkingCopyFile()).contains("<p>kept</p>"));
  EXPECT_FALSE(window->editorSession().PageModified());
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(PageDialogsTest, DeleteFromARowLeavesTheFirstPageOpen) {
  CreateSite();
  ShowPageManager();
  QTest::mouseClick(window->findChild<SkinnedButton*>(QStringLiteral("_delete_2")),
                    Qt::LeftButton);
  DeletePageDialog* remove = Actions()->deleteDialog();
  ASSERT_TRUE(Showing(remove));
  EXPECT_EQ(remove->message(), "Are you sure you want to delete page 'picture-gallery'?");
  EXPECT_EQ(window->site().OpenPageFileName, "picture-gallery");

  // Close is Cancel: nothing goes.
  emit remove->cancelled();
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(FileNames().size(), 4);

  QTest::mouseClick(window->findChild<SkinnedButton*>(QStringLiteral("_delete_2")),
                    Qt::LeftButton);
  ClickOk(remove);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  const QStringList left{"index", "about-us", "contact-us"};
  EXPECT_EQ(FileNames(), left);
  EXPECT_EQ(StoredFileNames(), left);
  EXPECT_FALSE(QFile::exists(window->folders().PageFile(QStringLiteral("picture-gallery"))));
  EXPECT_EQ(window->site().OpenPageFileName, "index");
  EXPECT_EQ(Editor()->pageSelector()->currentText(), "index");
  EXPECT_FALSE(Editor()->deletePageAction()->isEnabled());
  for (const QString& page : left) {
    EXPECT_EQ(MenuLinks(page), (QStringList{"index.html", "about-us.html", "contact-us.html"}))
        << page.toStdString();
  }
  EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("_pm_3")), nullptr);
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("_pml2_2"))->text(), "contact-us.html");
}

TEST_F(PageDialogsTest, PropertiesReachThePageFileAndTheStoreAtOnce) {
  CreateSite();
  OpenInEditor(QStringLiteral("about-us"));
  const QByteArray store = StoreFile();
  Editor()->pagePropertiesAction()->trigger();
  PagePropertiesDialog* properties = Actions()->propertiesDialog();
  ASSERT_TRUE(Showing(properties));
  const int index = window->site().IndexOfFileName(QStringLiteral("about-us"));
  EXPECT_EQ(properties->properties(),
            ReadPagePropertiesOf(window->site(), window->folders(), index));
  EXPECT_EQ(Focused(), properties->titleField());
  for (const auto& [caption, field] :
       {std::pair<QString, QWidget*>{QStringLiteral("Description"), properties->descriptionField()},
        {QStringLiteral("Keywords"), properties->keywordsField()},
        {QStringLiteral("Window Title"), properties->titleField()}}) {
    QTest::mouseClick(CaptionOf(properties, caption), Qt::LeftButton);
    EXPECT_EQ(Focused(), field) << caption.toStdString();
  }

  properties->titleField()->setText(QStringLiteral("Our story"));
  properties->descriptionField()->setPlainText(QStringLiteral("Two\nlines"));
  properties->keywordsField()->setPlainText(QStringLiteral("oak, tables"));
  ClickOk(properties);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  const QByteArray page = WorkFile(QStringLiteral("about-us.html"));
  EXPECT_TRUE(page.contains("<title>Our story</title>"));
  EXPECT_TRUE(page.contains("Two\nlines"));
  EXPECT_TRUE(page.contains("oak, tables"));
  EXPECT_TRUE(ReadBytes(window->folders().WorkingCopyFile()).contains("<title>Our story</title>"));
  EXPECT_EQ(window->site().Page(index).WindowTitle, "Our story");
  // Saved with the page: nothing left to ask about, and published as stored.
  EXPECT_FALSE(window->editorSession().PageModified());
  EXPECT_NE(StoreFile(), store);
  const SettingsStore stored;
  EXPECT_EQ(stored.ReadSetting(QStringLiteral("Page_WindowTitle_%1").arg(index)), "Our story");
  EXPECT_EQ(stored.ReadSetting(QStringLiteral("Page_Changed_%1").arg(index)), "true");
}

TEST_F(PageDialogsTest, PropertiesHoldingARecordSeparatorAreRefusedWithTheReason) {
  CreateSite();
  OpenInEditor(QStringLiteral("about-us"));
  const QByteArray before = WorkFile(QStringLiteral("about-us.html"));
  Editor()->pagePropertiesAction()->trigger();
  PagePropertiesDialog* properties = Actions()->propertiesDialog();
  ASSERT_TRUE(Showing(properties));
  properties->keywordsField()->setPlainText(QStringLiteral("oak|||||tables"));
  ClickOk(properties);
  EXPECT_EQ(informations, QStringList{QStringLiteral(
                              "The keywords cannot contain \"|||||\" or \"/////\" or end with \"|\" or \"/\": "
                              "the hosting service uses them to separate what it stores.")});
  EXPECT_TRUE(Showing(properties));
  EXPECT_EQ(WorkFile(QStringLiteral("about-us.html")), before);
  EXPECT_FALSE(window->editorSession().PageModified());
}

TEST_F(PageDialogsTest, ThisPageMenuOffersDeleteForEveryPageButHome) {
  CreateSite();
  QStringList items;
  for (QAction* action : Editor()->thisPageMenu()->actions()) {
    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  EXPECT_EQ(items, (QStringList{"Save Page As...", "-", "Page Properties", "-", "Rename Page",
                                "Delete Page"}));
  EXPECT_FALSE(Editor()->deletePageAction()->isEnabled());
  OpenInEditor(QStringLiteral("contact-us"));
  EXPECT_TRUE(Editor()->deletePageAction()->isEnabled());
  // Nor does asking for it directly delete the home page.
  OpenInEditor(QStringLiteral("index"));
  Actions()->OpenDeleteDialog();
  EXPECT_FALSE(window->dialogLayer()->isVisible());

  // The menu pops up under the label's left edge.
  QLabel* label = Editor()->thisPageLabel();
  emit label->linkActivated(QStringLiteral("#"));
  ASSERT_TRUE(Editor()->thisPageMenu()->isVisible());
  EXPECT_EQ(Editor()->thisPageMenu()->pos(), label->mapToGlobal(QPoint(0, label->height())));
  Editor()->thisPageMenu()->close();
}

// Within the confirmation period of a save no dialog opens.
TEST_F(PageDialogsTest, NoDialogOpensRightAfterASave) {
  CreateSite();
  OpenInEditor(QStringLiteral("about-us"));
  window->editorScreen()->saveButton()->clicked();
  ASSERT_TRUE(window->editorSession().SaveBusy());
  Editor()->renamePageAction()->trigger();
  Editor()->pagePropertiesAction()->trigger();
  EXPECT_FALSE(window->dialogLayer()->isVisible());
}

}  // namespace
}  // namespace moxa::test
