#pragma once

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace nubo {

class ShortcutProperties;

// The "Nubo Shortcut" property dialog: a thin view over ShortcutProperties. Apply
// writes the shortcut when something differs; OK applies and closes; a shortcut that
// cannot be written keeps the dialog open with the reason.
class ShortcutPropertiesDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ShortcutPropertiesDialog(ShortcutProperties& properties, QWidget* parent = nullptr);

  private:
    void showValues();
    void takeValues();
    bool apply();
    void updateApply();

    ShortcutProperties& properties_;
    QLabel* icon_;
    QLabel* name_;
    QLineEdit* url_;
    QLineEdit* folder_;
    QRadioButton* types_[4];
    QCheckBox* update_;
    QLabel* error_;
    QDialogButtonBox* buttons_;
};

}  // namespace nubo
