#include "shell/ui/log_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "base/app_log.h"
#include "base/config_store.h"
#include "shell/ui/log_list_model.h"

namespace nubo {

LogPage::LogPage(AppLog& log, ConfigStore& config, QWidget* parent)
    : QWidget(parent),
      log_(log),
      config_(config),
      model_(new LogListModel(log, this)),
      list_(new QListView(this)),
      logging_(new QCheckBox("&Logging", this)),
      commands_(new QCheckBox("&Commands", this)),
      extended_(new QCheckBox("E&xtended", this)) {
    setObjectName("logPage");
    list_->setObjectName("logList");
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);  // a flood of lines is laid out without measuring each
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    list_->setFont(fixed);
    list_->setTextElideMode(Qt::ElideNone);
    const QFontMetrics metrics(fixed);
    model_->setCharacterSize(QSize(metrics.horizontalAdvance('M'), metrics.height()));
    connect(model_, &LogListModel::rowWidthGrew, list_, &QListView::doItemsLayout);
    // Follows new lines while the view is at the bottom, and stays put otherwise.
    connect(model_, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        QScrollBar* bar = list_->verticalScrollBar();
        list_->setProperty("atBottom", bar->value() == bar->maximum());
    });
    connect(model_, &LogListModel::linesAdded, this, [this] {
        if (list_->property("atBottom").toBool())
            list_->scrollToBottom();
    });

    logging_->setToolTip("Enable logging");
    commands_->setToolTip("Show FTP server commands and responses");
    extended_->setToolTip("Show FTP client extended output");
    logging_->setChecked(config_.GetInt("Logging") != 0);
    commands_->setChecked(config_.GetInt("LogCmd") != 0);
    extended_->setChecked(config_.GetInt("LogExt") != 0);
    auto* copyButton = new QPushButton("C&opy", this);
    copyButton->setToolTip("Copy [all or selected] log entries to Clipboard");
    auto* wipeButton = new QPushButton("&Wipe", this);
    wipeButton->setToolTip("Erase log contents");
    connect(copyButton, &QPushButton::clicked, this, &LogPage::copy);
    connect(wipeButton, &QPushButton::clicked, this, &LogPage::wipe);
    list_->installEventFilter(this);  // Ctrl+C while the list has the focus copies

    auto* controls = new QHBoxLayout;
    controls->addWidget(logging_);
    controls->addWidget(commands_);
    controls->addWidget(extended_);
    controls->addStretch();
    controls->addWidget(copyButton);
    controls->addWidget(wipeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(controls);
}

bool LogPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LogPage::apply() {
    const bool logging = logging_->isChecked();
    const bool commands = commands_->isChecked();
    const bool extended = extended_->isChecked();
    log_.SetFlags(logging, commands, extended);
    config_.SetInt("Logging", logging ? 1 : 0);
    config_.SetInt("LogCmd", commands ? 1 : 0);
    config_.SetInt("LogExt", extended ? 1 : 0);
}

void LogPage::copy() {
    std::vector<size_t> selected;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        selected.push_back(static_cast<size_t>(index.row()));
    const std::string text = AppLog::ClipboardText(model_->lines(), std::move(selected));
    if (text.empty())
        return;  // an empty log leaves the clipboard as it was
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr) {
        log_.LogExtended("*** Unable to open Clipboard");
        return;
    }
    clipboard->setText(QString::fromStdString(text));
}

void LogPage::wipe() {
    log_.Wipe();
}

}  // namespace nubo
