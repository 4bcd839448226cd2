#include "app/publish/SiteLivePanel.h"

#include "online/ServiceEndpoints.h"

namespace moxa {

SiteLivePanel::SiteLivePanel(const Pictures& pictures, QWidget* parent)
    : NoticePanel(pictures, QStringLiteral("Your site is live on the web!"), parent) {
  setObjectName(QStringLiteral("siteLivePanel"));
  auto* label = new QLabel(QStringLiteral("Your address is:"), this);
  label->setStyleSheet(QStringLiteral("color: #33475f; font-size: 12px;"));
  label->move(14, 34);
  link_ = MakeLink(QString(), this);
  link_->setObjectName(QStringLiteral("siteLiveAddress"));
  link_->move(14, 54);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("siteLiveAddressField"));
  field_->setGeometry(14, 51, 110, 22);
  field_->hide();
  domain_ = new QLabel(this);
  domain_->setStyleSheet(QStringLiteral("color: #33475f; font-size: 11px;"));
  domain_->hide();
  change_ = MakeLink(QStringLiteral("Change"), this);
  change_->setObjectName(QStringLiteral("siteLiveChange"));
  change_->move(14, 82);
  status_ = MakeLink(QStringLiteral("Disable"), this);
  status_->setObjectName(QStringLiteral("siteLiveStatus"));
  status_->move(80, 82);
  connect(link_, &QLabel::linkActivated, this, [this] { emit openSite(url_); });
  connect(change_, &QLabel::linkActivated, this, &SiteLivePanel::changeRequested);
  connect(status_, &QLabel::linkActivated, this, &SiteLivePanel::statusRequested);
  connect(field_, &QLineEdit::returnPressed, this, &SiteLivePanel::changeRequested);
}

void SiteLivePanel::SetAccount(const TAccount& account, const ServiceEndpoints& service) {
  const QString address = service.SiteAddress(account.UnixName);
  url_ = QStringLiteral("http://") + address;
  SetLinkText(link_, address);
  if (!editing_) SetLive(account.MoxaSiteStatus);
}

void SiteLivePanel::SetLive(bool live) {
  title()->setText(live ? QStringLiteral("Your site is live on the web!")
                        : QStringLiteral("Your site is not live on the web."));
  title()->adjustSize();
  SetLinkText(status_, live ? QStringLiteral("Disable") : QStringLiteral("Enable"));
}

void SiteLivePanel::BeginEditing(const QString& unixName, const QString& domain) {
  editing_ = true;
  field_->setText(unixName);
  domain_->setText(u'.' + domain);
  domain_->adjustSize();
  domain_->move(field_->geometry().right() + 3, 55);
  link_->hide();
  field_->show();
  domain_->show();
  SetLinkText(change_, QStringLiteral("Save"));
  SetLinkText(status_, QStringLiteral("Cancel"));
  field_->selectAll();
  field_->setFocus(Qt::OtherFocusReason);
}

void SiteLivePanel::EndEditing(bool live) {
  editing_ = false;
  field_->hide();
  domain_->hide();
  link_->show();
  SetLinkText(change_, QStringLiteral("Change"));
  SetLive(live);
}

}  // namespace moxa
