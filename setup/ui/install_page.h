#pragma once

#include "setup/ui/setup_page.h"

namespace nubo {

class InstallPlan;

// "Install Nubo PRO 2.2": the two checks over an InstallPlan.
class InstallPage : public SetupPage {
    Q_OBJECT

  public:
    explicit InstallPage(InstallPlan& plan, QWidget* parent = nullptr);

    QCheckBox* menuCheck() const { return menu_; }
    QCheckBox* desktopCheck() const { return desktop_; }

  protected:
    void act() override;
    bool finished() const override;

  private:
    void refresh();

    InstallPlan& plan_;
    QCheckBox* menu_;
    QCheckBox* desktop_;
};

}  // namespace nubo
