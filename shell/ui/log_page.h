#pragma once

#include <QWidget>

class QCheckBox;
class QListView;

namespace nubo {

class AppLog;
class ConfigStore;
class LogListModel;

// The "Log" page: the log's lines, Copy and Wipe, and the three check boxes, which
// take effect when the page is left.
class LogPage : public QWidget {
    Q_OBJECT

  public:
    LogPage(AppLog& log, ConfigStore& config, QWidget* parent = nullptr);

    // Takes the check boxes over into the log's flags and the store.
    void apply();
    // Puts the selected (or all) lines on the clipboard, each ending in LF.
    void copy();
    void wipe();

    QListView* list() const { return list_; }
    LogListModel* model() const { return model_; }
    QCheckBox* loggingBox() const { return logging_; }
    QCheckBox* commandsBox() const { return commands_; }
    QCheckBox* extendedBox() const { return extended_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    AppLog& log_;
    ConfigStore& config_;
    LogListModel* model_;
    QListView* list_;
    QCheckBox* logging_;
    QCheckBox* commands_;
    QCheckBox* extended_;
};

}  // namespace nubo
