#include "setup/ui/uninstall_page.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

#include "setup/uninstall_plan.h"

namespace nubo {

UninstallPage::UninstallPage(UninstallPlan& plan, QWidget* parent)
    : SetupPage(parent), plan_(plan) {
    setObjectName("uninstallPage");
    checks_ = {addCheck("Remove &application files and folders", "uninstallFilesCheck"),
               addCheck("Remove FTP sites, &settings and statistics", "uninstallSettingsCheck"),
               addCheck("Remove &menu folder and entries", "uninstallMenuCheck"),
               addCheck("Remove shortcut on the &desktop", "uninstallDesktopCheck")};
    for (size_t i = 0; i < checks_.size(); ++i) {
        const auto which = static_cast<UninstallPlan::Check>(i);
        checks_[i]->setChecked(plan_.check(which).ticked);
        checks_[i]->setEnabled(plan_.check(which).enabled);
    }
    confirm_ = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                        this);
        box.setObjectName("uninstallConfirmation");
        return box.exec() == QMessageBox::Ok;
    };
    refresh();
}

void UninstallPage::act() {
    if (plan_.refused()) {
        emit closeRequested();
        return;
    }
    for (size_t i = 0; i < checks_.size(); ++i)
        plan_.setTicked(static_cast<UninstallPlan::Check>(i), checks_[i]->isChecked());
    if (!confirm_(UninstallPlan::kConfirmTitle, QString::fromStdString(plan_.confirmationText())))
        return;
    actionButton()->setEnabled(false);
    cancelButton()->setEnabled(false);
    plan_.run();
    for (QCheckBox* check : checks_)
        check->setEnabled(false);
    refresh();
    actionButton()->setEnabled(true);
    actionButton()->setFocus();
}

bool UninstallPage::finished() const {
    return plan_.done() || plan_.refused();
}

void UninstallPage::refresh() {
    showTexts(plan_.heading(), plan_.actionText(), plan_.statusText());
}

}  // namespace nubo
