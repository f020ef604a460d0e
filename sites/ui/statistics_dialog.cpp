#include "sites/ui/statistics_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "sites/statistics_table.h"
#include "sites/ui/statistics_delegate.h"

namespace nubo {

StatisticsDialog::StatisticsDialog(StatisticsDatabase& database, QWidget* parent)
    : QDialog(parent), database_(database) {
    setWindowTitle("Nubo Statistics Display Tool");
    kinds_ = new QComboBox(this);
    for (int kind = 0; kind < StatisticsDatabase::kKinds; ++kind)
        kinds_->addItem(StatisticsDatabase::label(kind));
    kinds_->setToolTip("Statistic to compare across hosts");
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setItemDelegate(new StatisticsDelegate(0, list_));
    list_->setUniformItemSizes(true);
    list_->installEventFilter(this);
    list_->setToolTip("Select hosts and press Delete to remove their statistics");
    status_ = new QLabel(this);
    auto* copy = new QPushButton("&Copy", this);
    copy->setToolTip("Copy the shown statistic as tab-separated text");
    auto* exportButton = new QPushButton("&Export...", this);
    copy->setObjectName("copyButton");
    exportButton->setObjectName("exportButton");
    exportButton->setToolTip("Save the shown statistic as a CSV file");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(copy, QDialogButtonBox::ActionRole);
    buttons->addButton(exportButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(copy, &QPushButton::clicked, this, &StatisticsDialog::copyToClipboard);
    connect(exportButton, &QPushButton::clicked, this, &StatisticsDialog::exportToFile);
    connect(kinds_, QOverload<int>::of(&QComboBox::activated), this, &StatisticsDialog::showKind);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* kindLabel = new QLabel("&Statistic:", this);
    kindLabel->setBuddy(kinds_);
    top->addWidget(kindLabel);
    top->addWidget(kinds_);
    top->addStretch();
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    resize(460, 360);

    entries_ = database_.takeSnapshot(nullptr);
    showKind(0);
}

void StatisticsDialog::showKind(int kind) {
    kinds_->setCurrentIndex(kind);
    list_->clear();
    for (const StatisticsTable::Row& row : StatisticsTable::toolRows(database_, entries_, kind)) {
        auto* item = new QListWidgetItem(QString::fromStdString(row.text), list_);
        item->setData(Qt::UserRole, row.record);
    }
    status_->setText(QString("%1 host(s)").arg(entries_.size()));
}

void StatisticsDialog::deleteSelected() {
    std::vector<uint32_t> records;
    // Last first, as the lines go.
    for (int row = list_->count() - 1; row >= 0; --row) {
        if (list_->item(row)->isSelected())
            records.push_back(list_->item(row)->data(Qt::UserRole).toUInt());
    }
    if (records.empty())
        return;
    StatisticsTable::remove(database_, entries_, records);
    // A fresh snapshot, so that the bars of the hosts left are measured among themselves.
    entries_ = database_.takeSnapshot(nullptr);
    showKind(kinds_->currentIndex());
}

void StatisticsDialog::copyToClipboard() {
    QApplication::clipboard()->setText(
        QString::fromStdString(StatisticsTable::tabSeparated(entries_, kinds_->currentIndex())));
    status_->setText("Copied to the clipboard");
}

bool StatisticsDialog::exportToFile() {
    QFileDialog dialog(this, "Export statistics", {}, "CSV files (*.csv)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the suffix itself, so that it asks about the file that is written.
    // Qt's own dialog: the desktop's may ask about the name as typed.
    dialog.setDefaultSuffix("csv");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile("statistics.csv");
    const QString path = runFileDialog(dialog, runner_);
    if (path.isEmpty())
        return false;
    const std::string text = StatisticsTable::csv(entries_, kinds_->currentIndex());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        status_->setText("Unable to write " + path + ": " + file.errorString());
        return false;
    }
    status_->setText(QString("Exported %1 host(s) to %2").arg(entries_.size()).arg(path));
    return true;
}

QString StatisticsDialog::status() const {
    return status_->text();
}

bool StatisticsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteSelected();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace nubo
