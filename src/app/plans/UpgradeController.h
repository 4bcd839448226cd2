#pragma once

#include "app/shell/Pictures.h"
#include "app/shell/ServiceJobHooks.h"
#include "online/ServiceEndpoints.h"
#include "site/Site.h"

#include <QObject>

#include <functional>

namespace moxa {

class DialogLayer;
class PlansScreen;
class SettingsStore;
class UpgradeDialog;

// The plans screen's upgrade: the dialog's two steps, the domain check on a
// worker (the dialog locked meanwhile, with its spinner), and the plan
// change, after which the plans screen is laid out for the new plan.
class UpgradeController : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    ServiceJobHooks job;
    std::function<void()> closed;  // e.g. the editor's region tracking again
  };

  UpgradeController(Site& site, const Pictures& pictures, PlansScreen& screen, DialogLayer& layer,
                    Hooks hooks, QObject* parent = nullptr);

  void LayOut();  // the plans screen for the site's plan
  void Open(const QString& plan);
  void Next();
  void Cancel();
  void LaterOrBack();
  QString chosenPlan() const { return plan_; }
  UpgradeDialog* dialog() const { return dialog_; }
  // The pause before a check's verdict is shown (tests: 0).
  void setVerdictPause(int milliseconds) { verdictPause_ = milliseconds; }

 signals:
  void domainChecked();
  void planChanged(bool changed);

 private:
  void CheckDomain();
  void ChangePlan();

  Site& site_;
  PlansScreen& screen_;
  DialogLayer& layer_;
  Hooks hooks_;
  UpgradeDialog* dialog_;
  QString plan_;
  int verdictPause_ = 1000;
};

}  // namespace moxa
