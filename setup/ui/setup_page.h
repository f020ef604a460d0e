#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace nubo {

// What the install and uninstall pages share: the picture with the program icon on
// the left, the heading, the checks, the read-only status text in dark blue, the action
// button and "Cancel" (Escape too). "Cancel", and the action button once the work is
// done, ask for the window to close.
class SetupPage : public QWidget {
    Q_OBJECT

  public:
    explicit SetupPage(QWidget* parent = nullptr);

    QPushButton* actionButton() const { return action_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPlainTextEdit* statusBox() const { return status_; }
    QLabel* heading() const { return heading_; }

  signals:
    void closeRequested();

  protected:
    QCheckBox* addCheck(const QString& text, const char* objectName);
    // Shows the plan's texts: heading, action button, status.
    void showTexts(const std::string& heading, const std::string& action,
                   const std::string& status);
    // The action button, before the work is done.
    virtual void act() = 0;
    virtual bool finished() const = 0;

  private:
    QLabel* heading_;
    QVBoxLayout* checks_;
    QPlainTextEdit* status_;
    QPushButton* action_;
    QPushButton* cancel_;
};

}  // namespace nubo
