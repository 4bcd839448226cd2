#include "app/publish/PublishedPanel.h"

#include "site/Plan.h"

#include "app/shell/SkinnedButton.h"
#include "online/ServiceEndpoints.h"

namespace moxa {

namespace {

QLabel* Text(const QString& text, QWidget* parent, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(QStringLiteral("color: #33475f; font-size: 11px;"));
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

PublishedPanel::PublishedPanel(const Pictures& pictures, QWidget* parent)
    : NoticePanel(pictures, QStringLiteral("Your site has been published!"), parent) {
  setObjectName(QStringLiteral("publishedPanel"));
  link_ = MakeLink(QString(), this);
  link_->setObjectName(QStringLiteral("publishedAddress"));
  link_->move(14, 34);
  Text(QStringLiteral("Your site has been uploaded"), this, 14, 58);
  Text(QStringLiteral("and is up to date."), this, 14, 74);
  // The plate of the plan buttons, at the size the row leaves it.
  SkinSet plate = pictures.Skin(22);
  for (QPixmap* picture : {&plate.normal, &plate.hover, &plate.pressed}) {
    const qreal ratio = picture->devicePixelRatio();
    *picture = picture->scaled(QSize(64, 28) * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture->setDevicePixelRatio(ratio);
  }
  view_ = new SkinnedButton(plate, QStringLiteral("View"), this);
  view_->setObjectName(QStringLiteral("publishedView"));
  view_->setToolTip(QStringLiteral("Open your site in the browser"));
  auto* caption = new QLabel(QStringLiteral("View"), view_);
  caption->setAlignment(Qt::AlignCenter);
  caption->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
  caption->setAttribute(Qt::WA_TransparentForMouseEvents);
  caption->setGeometry(QRect(QPoint(0, 0), view_->sizeHint()));
  view_->move(kWidth - view_->sizeHint().width() - 10, 58);
  QLabel* offer = Text(QStringLiteral("Want a personalized domain?"), this, 14, 112);
  upgrade_ = MakeLink(QStringLiteral("Upgrade"), this);
  upgrade_->setObjectName(QStringLiteral("publishedUpgrade"));
  upgrade_->move(offer->x() + offer->width() + 6, 111);
  connect(link_, &QLabel::linkActivated, this, [this] { emit openSite(address_.Url); });
  connect(view_, &SkinnedButton::clicked, this, [this] { emit openSite(address_.Url); });
  connect(upgrade_, &QLabel::linkActivated, this, &PublishedPanel::upgradeRequested);
}

int PublishedPanel::SetAccount(const TAccount& account, const ServiceEndpoints& service) {
  address_ = AddressOfPublishedSite(account, service);
  SetLinkText(link_, address_.Shown);
  return Plan::Of(account).IsFree() ? kFreeHeight : kPaidHeight;
}

}  // namespace moxa
