#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "sites/statistics_database.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace nubo {

// The "Nubo Statistics Display Tool": every host's value of one kind, largest first, as
// bars; Delete frees the chosen hosts' records; Copy and Export... take the shown kind
// elsewhere. The file chooser can be replaced, so that tests need no modal file dialog.
class StatisticsDialog : public QDialog {
    Q_OBJECT

  public:
    // Chooses the CSV file to write; an empty text cancels.
    using FileChooser = std::function<QString()>;

    explicit StatisticsDialog(StatisticsDatabase& database, QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

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
    FileChooser chooser_;
    QComboBox* kinds_;
    QListWidget* list_;
    QLabel* status_;
};

}  // namespace nubo
