#pragma once

#include "session/PublishedAddress.h"

#include "app/publish/NoticePanel.h"
#include "site/Account.h"

#include <QString>

namespace moxa {

class SkinnedButton;
struct ServiceEndpoints;


// "Your site has been published!": the site's address, a View button that
// opens it, and on the free plan the offer of a domain of its own.
class PublishedPanel : public NoticePanel {
  Q_OBJECT

 public:
  static constexpr int kFreeHeight = 140;
  static constexpr int kPaidHeight = 105;

  PublishedPanel(const Pictures& pictures, QWidget* parent = nullptr);

  // Fills the address for the account's plan; the height it will take.
  int SetAccount(const TAccount& account, const ServiceEndpoints& service);
  QString addressUrl() const { return address_.Url; }
  QLabel* addressLink() const { return link_; }
  SkinnedButton* viewButton() const { return view_; }
  QLabel* upgradeLink() const { return upgrade_; }

 signals:
  void openSite(const QString& url);
  void upgradeRequested();

 private:
  QLabel* link_;
  SkinnedButton* view_;
  QLabel* upgrade_;
  PublishedAddress address_;
};

}  // namespace moxa
