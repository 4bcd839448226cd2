#pragma once

#include "site/Plan.h"

#include "app/shell/Pictures.h"

#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <array>

namespace moxa {

class SkinnedButton;

// "Choose your hosting package": the three plans side by side with what
// each gives, and under each the button the site's plan calls for: Publish
// under its own plan, an upgrade offer under the others.
class PlansScreen : public QWidget {
  Q_OBJECT

 public:
  PlansScreen(const Pictures& pictures, QWidget* parent = nullptr);

  // Lays the buttons out for `plan` and fills the
  // free plan's address with the service domain.
  void Layout(const Plan& plan, const QString& serviceDomain);

  // The button under plan column 0 (Free), 1 (Plus) or 2 (Max).
  SkinnedButton* button(int column) const { return buttons_[size_t(column)]; }
  QString buttonText(int column) const;

 signals:
  void publishRequested();
  // "Get Plus", "Get Max" or "Select": the upgrade dialog for `plan`.
  void upgradeRequested(const QString& plan);

 private:
  void OnButton(int column);

  const Pictures& pictures_;
  QWidget* body_;
  QLabel* freeAddress_;
  std::array<SkinnedButton*, 3> buttons_{};
  std::array<QLabel*, 3> captions_{};
  std::array<QString, 3> actions_;  // "publish", "plus" or "max"
};

}  // namespace moxa
