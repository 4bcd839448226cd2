#include "app/publish/SiteLivePanel.h"

#include "online/ServiceEndpoints.h"

namespace moxa {

SiteLivePanel::SiteLivePanel(const Pictures& pictures, QWidget* parent)
    : NoticePanel(pictures, QStringLiteral("Your site is live on the web!"), parent) {
  setObjectName(QStringLiteral("siteLivePanel"));
  auto* label = new QLabel(QStringLiteral("Your address is:"), this);
  label->setStyleSheet(QStringLiteral("color: #33475f; font-size: 12px;"));
  label->move(14, 36);
  link_ = MakeLink(QString(), this);
  link_->setObjectName(QStringLiteral("siteLiveAddress"));
  link_->move(14, 54);
  change_ = MakeLink(QStringLiteral("Change"), this);
  change_->setObjectName(QStringLiteral("siteLiveChange"));
  change_->move(14, 82);
  status_ = MakeLink(QStringLiteral("Disable"), this);
  status_->setObjectName(QStringLiteral("siteLiveStatus"));
  status_->move(80, 82);
  connect(link_, &QLabel::linkActivated, this, [this] { emit openSite(url_); });
  connect(change_, &QLabel::linkActivated, this, &SiteLivePanel::changeRequested);
  connect(status_, &QLabel::linkActivated, this, &SiteLivePanel::statusRequested);
}

void SiteLivePanel::SetAccount(const TAccount& account, const ServiceEndpoints& service) {
  const QString address = service.SiteAddress(account.UnixName);
  url_ = QStringLiteral("http://") + address;
  SetLinkText(link_, address);
  const bool live = account.MoxaSiteStatus;
  title()->setText(live ? QStringLiteral("Your site is live on the web!")
                        : QStringLiteral("Your site is not live on the web."));
  title()->adjustSize();
  SetLinkText(status_, live ? QStringLiteral("Disable") : QStringLiteral("Enable"));
}

}  // namespace moxa
