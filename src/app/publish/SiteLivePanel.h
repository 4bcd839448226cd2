#pragma once

#include "app/publish/NoticePanel.h"
#include "site/Account.h"

#include <QLineEdit>

namespace moxa {

struct ServiceEndpoints;

// "Your site is live on the web!": shown once the site's name is registered,
// with the free site's address and the links to change it ("Change", then
// "Save" and "Cancel" while the address is edited) or to switch it off and
// on ("Disable" / "Enable").
class SiteLivePanel : public NoticePanel {
  Q_OBJECT

 public:
  static constexpr int kHeight = 112;

  SiteLivePanel(const Pictures& pictures, QWidget* parent = nullptr);

  // The address, the status text and the status link from the account.
  void SetAccount(const TAccount& account, const ServiceEndpoints& service);
  void SetLive(bool live);

  // The address editor: the field in the link's place, "." and the domain
  // beside it, "Save" and "Cancel".
  void BeginEditing(const QString& unixName, const QString& domain);
  void EndEditing(bool live);
  bool editing() const { return editing_; }
  QString editedName() const { return field_->text(); }

  QString addressUrl() const { return url_; }
  QLabel* addressLink() const { return link_; }
  QLabel* changeLink() const { return change_; }
  QLabel* statusLink() const { return status_; }
  QLineEdit* addressField() const { return field_; }

 signals:
  void openSite(const QString& url);
  void changeRequested();  // "Change", "Save" or Enter in the field
  void statusRequested();  // "Disable", "Enable" or "Cancel"

 private:
  QLabel* link_;
  QLabel* change_;
  QLabel* status_;
  QLineEdit* field_;
  QLabel* domain_;
  QString url_;
  bool editing_ = false;
};

}  // namespace moxa
