#pragma once

#include "app/publish/NoticePanel.h"
#include "site/Account.h"

namespace moxa {

struct ServiceEndpoints;

// "Your site is live on the web!": shown once the site's name is registered,
// with the free site's address and the links to change it or switch it off.
class SiteLivePanel : public NoticePanel {
  Q_OBJECT

 public:
  static constexpr int kHeight = 112;

  SiteLivePanel(const Pictures& pictures, QWidget* parent = nullptr);

  void SetAccount(const TAccount& account, const ServiceEndpoints& service);
  QString addressUrl() const { return url_; }
  QLabel* addressLink() const { return link_; }
  QLabel* changeLink() const { return change_; }
  QLabel* statusLink() const { return status_; }

 signals:
  void openSite(const QString& url);
  void changeRequested();
  void statusRequested();

 private:
  QLabel* link_;
  QLabel* change_;
  QLabel* status_;
  QString url_;
};

}  // namespace moxa
