#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "sites/statistics_database.h"
#include "sites/ui/file_dialog_runner.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace nubo {

// The "Nubo Statistics Display Tool": every host's value of one kind, largest first, as
// bars; Delete frees the chosen hosts' records; Copy and Export... take the shown kind
// elsewhere. The file dialog runs through a replaceable runner, so that tests act in it
// without a modal loop.
class StatisticsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit StatisticsDialog(StatisticsDatabase& database, QWidget* parent = nullptr);

    void setFileDialogRunner(FileDialogRunner runner) { runner_ = std::move(runner); }

    void showKind(int kind);
    void deleteSelected();
    void copyToClipboard();
    bool exportToFile();

    QComboBox* kindBox() const { return kinds_; }
    QListWidget* list() const { return list_; }
    QString status() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    StatisticsDatabase& database_;
    std::vector<StatisticsDatabase::Entry> entries_;
    FileDialogRunner runner_;
    QComboBox* kinds_;
    QListWidget* list_;
    QLabel* status_;
};

}  // namespace nubo
