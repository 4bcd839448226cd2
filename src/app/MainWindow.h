#pragma once

#include "site/Folders.h"
#include "site/Site.h"
#include "site/SiteStore.h"

#include <QWidget>

namespace moxa {

// The one window of the program. It owns the site and wires the screens
// together; the screens and the logic live in their own classes.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMinimumWidth = 1156;
  static constexpr int kMinimumHeight = 610;
  static constexpr int kDesignWidth = 1202;
  static constexpr int kDesignHeight = 617;

  explicit MainWindow(const Folders& folders, QWidget* parent = nullptr);

  // The start-up load of the stored site.
  LoadSiteResult LoadStoredSite();

  Site& site() { return site_; }
  const Folders& folders() const { return folders_; }

 private:
  Folders folders_;
  Site site_;
};

}  // namespace moxa
