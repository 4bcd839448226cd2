#include "app/publish/NoticePanel.h"

#include "app/shell/SkinnedButton.h"

#include <QPainter>
#include <QPainterPath>

namespace moxa {

NoticePanel::NoticePanel(const Pictures& pictures, const QString& title, QWidget* parent)
    : QWidget(parent) {
  setAttribute(Qt::WA_StyledBackground, false);
  title_ = new QLabel(title, this);
  title_->setObjectName(QStringLiteral("noticeTitle"));
  title_->setStyleSheet(QStringLiteral("color: #1d3b66; font-weight: bold; font-size: 12px;"));
  title_->move(14, 12);
  close_ = new SkinnedButton(pictures.Skin(4), QStringLiteral("Close"), this);
  close_->setObjectName(QStringLiteral("noticeClose"));
  close_->setToolTip(QStringLiteral("Close"));
  close_->move(kWidth - close_->sizeHint().width() - 6, 6);
  connect(close_, &SkinnedButton::clicked, this, &NoticePanel::closeRequested);
  resize(kWidth, 0);
  hide();
}

QLabel* NoticePanel::MakeLink(const QString& text, QWidget* parent) {
  auto* link = new QLabel(parent);
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setFocusPolicy(Qt::TabFocus);
  link->setCursor(Qt::PointingHandCursor);
  SetLinkText(link, text);
  return link;
}

void NoticePanel::SetLinkText(QLabel* link, const QString& text) {
  link->setText(QStringLiteral("<a href=\"#\" style=\"color:#1f5fbf\">%1</a>").arg(text.toHtmlEscaped()));
  link->adjustSize();
}

void NoticePanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath card;
  card.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, 8), 8, 8);
  painter.fillPath(card, QColor(0xf4, 0xf8, 0xfd));
  painter.setPen(QColor(0x9d, 0xb4, 0xd3));
  painter.drawPath(card);
}

}  // namespace moxa
