#include "setup/ui/install_page.h"

#include <QCheckBox>
#include <QPushButton>

#include "setup/install_plan.h"

namespace nubo {

InstallPage::InstallPage(InstallPlan& plan, QWidget* parent)
    : SetupPage(parent),
      plan_(plan),
      menu_(addCheck("Create Nubo PRO &menu folder and entries", "installMenuCheck")),
      desktop_(addCheck("Create Nubo PRO shortcut on the &desktop", "installDesktopCheck")) {
    setObjectName("installPage");
    menu_->setChecked(true);
    desktop_->setChecked(true);
    refresh();
}

void InstallPage::act() {
    actionButton()->setEnabled(false);
    cancelButton()->setEnabled(false);
    plan_.run(menu_->isChecked(), desktop_->isChecked());
    menu_->setEnabled(false);
    desktop_->setEnabled(false);
    refresh();
    actionButton()->setEnabled(true);
    actionButton()->setFocus();
}

bool InstallPage::finished() const {
    return plan_.done();
}

void InstallPage::refresh() {
    showTexts(plan_.heading(), plan_.actionText(), plan_.statusText());
}

}  // namespace nubo
