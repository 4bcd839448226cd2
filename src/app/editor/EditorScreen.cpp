#include "app/editor/EditorScreen.h"

#include <QMouseEvent>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace moxa {

EditorScreen::EditorScreen(const Pictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
  setObjectName(QStringLiteral("editorScreen"));
  browserPanel_ = new QWidget(this);
  browser_ = new QWebEngineView(browserPanel_);
  browser_->setObjectName(QStringLiteral("editorBrowser"));
  browser_->setContextMenuPolicy(Qt::NoContextMenu);
  previewHost_ = new QWidget(this);
  previewHost_->setObjectName(QStringLiteral("sitePreviewHost"));
  previewHost_->hide();

  auto* pageLabel = new QLabel(QStringLiteral("Page:"), this);
  pageLabel->move(12, 24);
  pageLabel_ = pageLabel;
  selector_ = new QComboBox(this);
  selector_->setObjectName(QStringLiteral("pageSelector"));
  selector_->setMinimumWidth(200);
  selector_->move(56, 18);
  selector_->resize(220, 28);
  pageLabel->setBuddy(selector_);
  thisPage_ = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">This Page</a>"), this);
  thisPage_->setObjectName(QStringLiteral("thisPageLabel"));
  thisPage_->move(292, 24);
  connect(thisPage_, &QLabel::linkActivated, this, &EditorScreen::thisPageClicked);
  connect(thisPage_, &QLabel::linkActivated, this, &EditorScreen::PopUpThisPageMenu);
  thisPageMenu_ = new QMenu(this);
  thisPageMenu_->setObjectName(QStringLiteral("thisPageMenu"));
  savePageAs_ = thisPageMenu_->addAction(QStringLiteral("Save Page As..."));
  thisPageMenu_->addSeparator();
  pageProperties_ = thisPageMenu_->addAction(QStringLiteral("Page Properties"));
  thisPageMenu_->addSeparator();
  renamePage_ = thisPageMenu_->addAction(QStringLiteral("Rename Page"));
  deletePage_ = thisPageMenu_->addAction(QStringLiteral("Delete Page"));

  save_ = new SkinnedButton(pictures.Skin(7), QStringLiteral("Save"), this);
  save_->setObjectName(QStringLiteral("saveButton"));
  save_->setToolTip(QStringLiteral("Save changes made to this page"));
  save_->setAfterRelease(SkinnedButton::AfterRelease::Hover);
  preview_ = new SkinnedButton(pictures.Skin(8), QStringLiteral("Preview"), this);
  preview_->setObjectName(QStringLiteral("previewSiteButton"));
  preview_->setToolTip(QStringLiteral("Preview the whole site"));
  preview_->setAfterRelease(SkinnedButton::AfterRelease::Hover);
  publish_ = new SkinnedButton(pictures.Skin(9), QStringLiteral("Publish"), this);
  publish_->setObjectName(QStringLiteral("publishButton"));

  savedMarker_ = new QLabel(this);
  savedMarker_->setObjectName(QStringLiteral("savingMarker"));
  savedMarker_->resize(18, 18);
  savedMovie_ = new QMovie(pictures.BestPath(QStringLiteral("loading_red.gif")), QByteArray(), this);
  savedMovie_->setScaledSize(QSize(18, 18));
  savedMarker_->setMovie(savedMovie_);
  savedMarker_->hide();

  connect(selector_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    if (!filling_ && !text.isEmpty()) emit pageChosen(text);
  });
}

// Every page is shown in the same working copy, so to the browser a page
// switch is a reload of one address, and a reload returns to the old scroll
// offset. A page opened here starts at its top instead.
void EditorScreen::StartEveryPageAtTheTop() {
  QWebEngineScript script;
  script.setName(QStringLiteral("startAtTheTop"));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setRunsOnSubFrames(false);
  script.setSourceCode(QStringLiteral("history.scrollRestoration = 'manual';"));
  browser_->page()->scripts().insert(script);
}

void EditorScreen::SetPages(const QStringList& fileNames, const QString& open) {
  filling_ = true;
  selector_->clear();
  selector_->addItems(fileNames);
  selector_->setCurrentIndex(static_cast<int>(fileNames.indexOf(open)));
  filling_ = false;
}

void EditorScreen::PopUpThisPageMenu() {
  thisPageMenu_->popup(thisPage_->mapToGlobal(QPoint(0, thisPage_->height())));
}

void EditorScreen::ShowPreviewHost(bool shown) {
  for (QWidget* control : {pageLabel_, static_cast<QWidget*>(selector_),
                           static_cast<QWidget*>(thisPage_), static_cast<QWidget*>(save_),
                           static_cast<QWidget*>(preview_), static_cast<QWidget*>(publish_),
                           browserPanel_}) {
    control->setEnabled(!shown);
  }
  previewHost_->setVisible(shown);
  if (shown) previewHost_->raise();
}

void EditorScreen::ShowWorkingCopy(const QString& path) {
  // At the first page shown, not with the window: touching the browser's
  // page starts the browser engine, which would hold up the start screen.
  if (!startsAtTheTop_) {
    StartEveryPageAtTheTop();
    startsAtTheTop_ = true;
  }
  browser_->setUrl(QUrl::fromLocalFile(path));
}

void EditorScreen::ShowSaving(bool saving) {
  if (saving) {
    save_->showPicture(pictures_.Get(QStringLiteral("locked_save.png")));
    savedMovie_->start();
    savedMarker_->show();
  } else {
    save_->showNormalPicture();
    savedMovie_->stop();
    savedMarker_->hide();
  }
}

void EditorScreen::resizeEvent(QResizeEvent*) {
  const int panelWidth = width() - 16;
  browserPanel_->setGeometry(8, 63, panelWidth, height() - 63);
  browser_->setGeometry(0, 0, panelWidth, height() - 63);
  previewHost_->setGeometry(rect());
  const int right = 8 + panelWidth;
  const int top = 16;
  publish_->move(right - publish_->width(), top);
  preview_->move(right - preview_->width() - publish_->width() - 8, top);
  save_->move(right - save_->width() - preview_->width() - publish_->width() - 16, top);
  savedMarker_->move(save_->x() - 2 - savedMarker_->width(), top + (save_->height() - 18) / 2);
}

}  // namespace moxa
