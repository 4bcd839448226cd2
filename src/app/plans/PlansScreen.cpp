#include "app/plans/PlansScreen.h"

#include "app/shell/SkinnedButton.h"

#include <QPainter>
#include <QVBoxLayout>

namespace moxa {

namespace {

constexpr int kLeft = 40;
constexpr int kColumnWidth = 210;
constexpr int kColumnGap = 24;
constexpr int kColumnsTop = 170;

QLabel* Text(const QString& text, QWidget* parent, const QString& style) {
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(style);
  label->adjustSize();
  return label;
}

int ColumnLeft(int column) { return kLeft + column * (kColumnWidth + kColumnGap); }

// A card behind each plan's column.
class PlanCard : public QWidget {
 public:
  PlanCard(bool highlighted, QWidget* parent) : QWidget(parent), highlighted_(highlighted) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(highlighted_ ? QColor(0xfff8ec) : QColor(0xf6f8fb));
    painter.setPen(highlighted_ ? QColor(0xf0b445) : QColor(0xd5dde8));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
  }

 private:
  bool highlighted_;
};

}  // namespace

PlansScreen::PlansScreen(const Pictures& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures) {
  setObjectName(QStringLiteral("plansScreen"));
  auto* scroll = new QScrollArea(this);
  scroll->setFrameShape(QFrame::NoFrame);
  body_ = new QWidget;
  scroll->setWidget(body_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);

  const QString heading = QStringLiteral("color: #1d3b66; font-size: 20px; font-weight: bold;");
  const QString line = QStringLiteral("color: #33475f;");
  Text(QStringLiteral("Choose your hosting package"), body_, heading)->move(kLeft, 14);
  const char* lines[] = {"Moxa hosting package can take your site to the next ",
                         "level. Upgraded hosting packages provide you more ",
                         "storage space, faster uploads, and a unique web address.",
                         "Select the package that is right for you."};
  for (int i = 0; i < 4; ++i) Text(QString::fromLatin1(lines[i]), body_, line)->move(kLeft, 54 + i * 20 + (i == 3 ? 8 : 0));

  const char* titles[] = {"Moxa Free", "Moxa Plus", "Moxa Max"};
  const char* storage[] = {"500 MB Storage", "10 GB Storage", "50 GB Storage"};
  const char* prices[] = {"Free", "$4.95 / month", "$9.95 / month"};
  for (int column = 0; column < 3; ++column) {
    const int left = ColumnLeft(column);
    auto* card = new PlanCard(column == 2, body_);
    card->setGeometry(left, kColumnsTop, kColumnWidth, 250);
    card->lower();
    Text(QString::fromLatin1(titles[column]), body_,
         QStringLiteral("color: #1d3b66; font-size: 17px; font-weight: bold;"))
        ->move(left + 16, kColumnsTop + 16);
    Text(QString::fromLatin1(storage[column]), body_, line)->move(left + 16, kColumnsTop + 62);
    QLabel* address = Text(column == 0 ? QStringLiteral("YourSite.") : QStringLiteral("Your Custom Domain"), body_, line);
    address->move(left + 16, kColumnsTop + 84);
    if (column == 0) freeAddress_ = address;
    Text(QStringLiteral("Unlimited Bandwidth"), body_, line)->move(left + 16, kColumnsTop + 106);
    Text(QStringLiteral("Price"), body_, QStringLiteral("color: #5b6b80; font-size: 11px;"))->move(left + 16, kColumnsTop + 140);
    Text(QString::fromLatin1(prices[column]), body_, QStringLiteral("color: #1d3b66; font-size: 15px; font-weight: bold;"))
        ->move(left + 16, kColumnsTop + 156);
  }
  auto* bestDeal = new QLabel(body_);
  bestDeal->setObjectName(QStringLiteral("bestDeal"));
  bestDeal->setPixmap(pictures.Get(QStringLiteral("best_deal.png")));
  bestDeal->adjustSize();
  bestDeal->move(ColumnLeft(2) + kColumnWidth - bestDeal->width() - 12, kColumnsTop - bestDeal->height() / 2);

  for (int column = 0; column < 3; ++column) {
    auto* button = new SkinnedButton(pictures.Skin(22), QString(), body_);
    button->setObjectName(QStringLiteral("planButton%1").arg(column + 1));
    auto* caption = new QLabel(button);
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    buttons_[size_t(column)] = button;
    captions_[size_t(column)] = caption;
    connect(button, &SkinnedButton::clicked, this, [this, column] { OnButton(column); });
  }
  body_->resize(ColumnLeft(3), kColumnsTop + 250 + 30);
  Layout(Plan::Of(TAccount()), QString());
}

void PlansScreen::Layout(const Plan& plan, const QString& serviceDomain) {
  freeAddress_->setText(QStringLiteral("YourSite.") + serviceDomain);
  freeAddress_->adjustSize();
  const int own = plan.Column();
  for (int column = 0; column < 3; ++column) {
    QString caption;
    if (column == own) {
      actions_[size_t(column)] = QStringLiteral("publish");
      caption = QStringLiteral("Publish");
    } else if (column == 0) {
      actions_[size_t(column)] = QStringLiteral("plus");  // no request moves a site down
      caption = QStringLiteral("Select");
    } else if (column == 1) {
      actions_[size_t(column)] = own == 2 ? QStringLiteral("max") : QStringLiteral("plus");
      caption = QStringLiteral("Get Plus");
    } else {
      actions_[size_t(column)] = QStringLiteral("max");
      caption = QStringLiteral("Get Max");
    }
    SkinnedButton* button = buttons_[size_t(column)];
    button->setSkin(pictures_.Skin(column == own ? 9 : 22));
    button->setAccessibleName(caption);
    // The Publish plate carries its own word.
    captions_[size_t(column)]->setText(column == own ? QString() : caption);
    captions_[size_t(column)]->setGeometry(QRect(QPoint(0, 0), button->sizeHint()));
    button->resize(button->sizeHint());
    button->move(ColumnLeft(column) + (kColumnWidth - button->width()) / 2, kColumnsTop + 196);
    captions_[size_t(column)]->setProperty("action", actions_[size_t(column)]);
  }
}

QString PlansScreen::buttonText(int column) const { return buttons_[size_t(column)]->accessibleName(); }

void PlansScreen::OnButton(int column) {
  const QString& action = actions_[size_t(column)];
  if (action == QLatin1String("publish")) {
    emit publishRequested();
  } else {
    emit upgradeRequested(action);
  }
}

}  // namespace moxa
