#include "app/MainWindow.h"

#include <QApplication>

namespace moxa {

MainWindow::MainWindow(const Folders& folders, QWidget* parent)
    : QWidget(parent), folders_(folders) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QApplication::applicationDisplayName());
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  resize(kDesignWidth, kDesignHeight);
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
}

LoadSiteResult MainWindow::LoadStoredSite() { return LoadSite(site_); }

}  // namespace moxa
