#pragma once

#include <QString>
#include <array>
#include <functional>

#include "setup/ui/setup_page.h"

namespace nubo {

class UninstallPlan;

// "Uninstall Nubo PRO 2.2": the four checks over an UninstallPlan and the confirmation.
class UninstallPage : public SetupPage {
    Q_OBJECT

  public:
    // Asks the confirmation (title, text); true for OK. Tests replace the message box.
    using Confirm = std::function<bool(const QString& title, const QString& text)>;

    explicit UninstallPage(UninstallPlan& plan, QWidget* parent = nullptr);
    void setConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    QCheckBox* check(int which) const { return checks_[static_cast<size_t>(which)]; }

  protected:
    void act() override;
    bool finished() const override;

  private:
    void refresh();

    UninstallPlan& plan_;
    std::array<QCheckBox*, 4> checks_{};
    Confirm confirm_;
};

}  // namespace nubo
