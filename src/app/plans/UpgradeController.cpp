#include "app/plans/UpgradeController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/plans/PlansScreen.h"
#include "app/plans/UpgradeDialog.h"
#include "app/shell/Worker.h"
#include "hosting/DomainCheck.h"
#include "site/SiteStore.h"
#include "session/UserMessages.h"

#include <QTimer>

namespace moxa {

namespace {

QString PlanName(const QString& plan) {
  return plan == QLatin1String("max") ? QStringLiteral("Moxa Max") : QStringLiteral("Moxa Plus");
}

}  // namespace

UpgradeController::UpgradeController(Site& site, const Pictures& pictures, PlansScreen& screen,
                                     DialogLayer& layer, Hooks hooks, QObject* parent)
    : QObject(parent), site_(site), screen_(screen), layer_(layer), hooks_(std::move(hooks)) {
  dialog_ = new UpgradeDialog(pictures);
  dialog_->hide();
  connect(&screen_, &PlansScreen::upgradeRequested, this, &UpgradeController::Open);
  connect(dialog_, &LayerDialog::accepted, this, &UpgradeController::Next);
  connect(dialog_, &LayerDialog::cancelled, this, &UpgradeController::Cancel);
  connect(dialog_, &UpgradeDialog::laterRequested, this, &UpgradeController::LaterOrBack);
}

void UpgradeController::LayOut() { screen_.Layout(Plan::Of(site_.SiteAccount), hooks_.job.service().Domain); }

void UpgradeController::Open(const QString& plan) {
  plan_ = plan;
  dialog_->Reset(plan == QLatin1String("max"));
  layer_.ShowDialog(dialog_);
  dialog_->nameField()->setFocus(Qt::OtherFocusReason);
}

void UpgradeController::Cancel() {
  if (dialog_->working()) return;
  layer_.CloseDialogLayer();
  if (hooks_.closed) hooks_.closed();
}

void UpgradeController::LaterOrBack() {
  if (dialog_->working()) return;
  if (dialog_->step() == UpgradeDialog::Step::Summary) {
    dialog_->ShowDomainStep();
  } else {
    dialog_->ShowSummary(QString());
  }
}

void UpgradeController::Next() {
  if (dialog_->working()) return;
  if (dialog_->step() == UpgradeDialog::Step::Summary) {
    ChangePlan();
    return;
  }
  dialog_->HideMessage();
  if (dialog_->nameField()->text().trimmed().isEmpty()) {
    dialog_->ShowMessage(QStringLiteral("This isn't a valid domain."));
    return;
  }
  if (!dialog_->newDomain()) {
    dialog_->ShowSummary(QStringLiteral("Transfer <b>%1</b> to Moxa Hosting").arg(dialog_->EnteredDomain().toHtmlEscaped()));
    return;
  }
  CheckDomain();
}

void UpgradeController::CheckDomain() {
  dialog_->SetWorking(true);
  const QString domain = dialog_->EnteredDomain();
  const ServiceEndpoints service = hooks_.job.service();
  RunOnWorker<DomainVerdict>(
      this, [domain, service]() { return moxa::CheckDomain(domain, service).Verdict; },
      [this, domain](const DomainVerdict& verdict) {
        QTimer::singleShot(verdictPause_, this, [this, domain, verdict] {
          dialog_->SetWorking(false);
          switch (verdict) {
            case DomainVerdict::Available:
              dialog_->ShowSummary(QStringLiteral("<b>%1</b> is available for registration!").arg(domain.toHtmlEscaped()));
              break;
            case DomainVerdict::Taken:
              dialog_->ShowMessage(QStringLiteral("This domain has already been registered."));
              dialog_->SelectName();
              break;
            case DomainVerdict::NoAnswer:
              hooks_.job.error(DomainCheckProblemMessage());
              break;
          }
          emit domainChecked();
        });
      });
}

void UpgradeController::ChangePlan() {
  dialog_->SetWorking(true);
  TAccount account = site_.SiteAccount;
  const QString plan = plan_;
  const ServiceEndpoints service = hooks_.job.service();
  RunOnWorker<std::pair<bool, TAccount>>(
      this,
      [account, plan, service]() mutable {
        const bool changed = moxa::ChangePlan(account, plan, service);
        return std::make_pair(changed, account);
      },
      [this](const std::pair<bool, TAccount>& result) {
        dialog_->SetWorking(false);
        if (!result.first) {
          hooks_.job.error(PlanChangeFailedMessage());
          emit planChanged(false);
          return;
        }
        site_.SiteAccount.HostingPackage = result.second.HostingPackage;
        site_.SiteAccount.Domain = result.second.Domain;
        SettingsStore* store = hooks_.job.store();
        if (!store || !SaveAccount(site_, *store)) hooks_.job.error(UserMessage(ErrorCode::SettingsNotSaved));
        LayOut();
        layer_.CloseDialogLayer();
        if (hooks_.closed) hooks_.closed();
        hooks_.job.information(QStringLiteral("Your site is now on %1.").arg(PlanName(plan_)));
        emit planChanged(true);
      });
}

}  // namespace moxa
