#include "views/ui/transfers_pane.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "engine/monotonic_clock.h"
#include "views/session_link.h"
#include "views/ui/progress_delegate.h"
#include "views/ui/transfer_table_model.h"

namespace nubo {

namespace {

const char* const kViewNames[] = {"transfersQueued", "transfersFailed", "transfersSuccessful"};

}  // namespace

TransfersPane::TransfersPane(TransferQueue& queue, const SessionLink& link, Page page,
                             QWidget* parent)
    : QWidget(parent), model_(queue), link_(link), page_(std::move(page)) {
    setObjectName("transfersPane");
    opener_ = [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    header_ = new QWidget(this);
    buildHeader(header_);
    layout->addWidget(header_);
    body_ = new QStackedWidget(this);
    body_->setObjectName("transfersBody");
    for (List list : {List::Queued, List::Failed, List::Successful})
        body_->addWidget(buildView(list));
    layout->addWidget(body_, 1);
    connect(tabs_, &QTabBar::currentChanged, body_, &QStackedWidget::setCurrentIndex);
    // A tab chosen while folded unfolds the pane: its list is what the user wants.
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int) {
        if (collapsed_)
            setCollapsed(false);
    });
    connect(&poll_, &QTimer::timeout, this, &TransfersPane::refresh);
    poll_.start(kPollMs);
    refresh();
}

void TransfersPane::buildHeader(QWidget* header) {
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 2, 2, 0);
    tabs_ = new QTabBar(header);
    tabs_->setObjectName("transfersTabs");
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    for (List list : {List::Queued, List::Failed, List::Successful})
        tabs_->addTab(QString::fromStdString(model_.title(list)));
    tabs_->setTabToolTip(0, "Files moving now, then those waiting for a connection");
    tabs_->setTabToolTip(1, "Files that did not arrive: retry them from here");
    tabs_->setTabToolTip(2, "Files transferred; then, greyed, those skipped and why");
    row->addWidget(tabs_);
    batchText_ = new QLabel(header);
    batchText_->setObjectName("transfersBatch");
    // The words give way in a narrow window; the bar and the button stay.
    batchText_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    batchText_->setMinimumWidth(1);
    batchText_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    batchText_->installEventFilter(this);
    row->addWidget(batchText_, 1);
    bar_ = new QProgressBar(header);
    bar_->setObjectName("transfersProgress");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setFixedWidth(fontMetrics().averageCharWidth() * 17);
    bar_->setMaximumHeight(fontMetrics().height() + 2);
    bar_->setToolTip("Progress of the whole batch");
    row->addWidget(bar_);
    toggle_ = new QToolButton(header);
    toggle_->setObjectName("transfersToggle");
    toggle_->setAutoRaise(true);
    toggle_->setArrowType(Qt::DownArrow);
    toggle_->setToolTip("Hide the list of transfers");
    connect(toggle_, &QToolButton::clicked, this, [this] { setCollapsed(!collapsed_); });
    row->addWidget(toggle_);
}

QTableView* TransfersPane::buildView(List list) {
    const auto index = static_cast<size_t>(list);
    auto* table = new TransferTableModel(model_, list, this);
    auto* view = new QTableView(this);
    view->setObjectName(kViewNames[index]);
    view->setModel(table);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setAlternatingRowColors(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->verticalHeader()->hide();
    // Rows of one height, never measured: a list of a million rows costs the ones shown.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = view->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The Failed list's reason takes what room there is (fitReason()); the other lists'
    // last column does.
    const bool failed = list == List::Failed;
    header->setStretchLastSection(!failed);
    const int unit = fontMetrics().averageCharWidth();
    for (int column = 0; column < table->columnCount(); ++column) {
        using Column = TransferPaneModel::Column;
        const Column kind = TransferPaneModel::columns(list)[static_cast<size_t>(column)];
        const bool folder = kind == Column::RemoteFolder || (failed && kind == Column::LocalFolder);
        // A skipped file's state says why: as wide as a reason.
        const bool skipWords = kind == Column::State && list == List::Successful;
        const int chars = kind == Column::Name                                ? 28
                          : kind == Column::Reason || skipWords               ? kReasonChars
                          : kind == Column::State || folder                   ? 24
                          : kind == Column::Progress || kind == Column::Speed ? 14
                                                                              : 11;
        header->resizeSection(column, unit * chars);
    }
    if (failed) {
        view->viewport()->installEventFilter(this);
        connect(header, &QHeaderView::sectionResized, this, [this, table](int column) {
            if (column != table->columnOf(TransferPaneModel::Column::Reason))
                fitReason();
        });
    }
    // A row at least, not the scroll area's own minimum: in a small window the pane
    // leaves the views the room (RemotePage::placeTransfersPane()).
    view->setMinimumHeight(rowsHeight(view, 1));
    const int progress = table->columnOf(TransferPaneModel::Column::Progress);
    if (progress >= 0)
        view->setItemDelegateForColumn(
            progress, new ProgressDelegate(TransferTableModel::kPercentRole, view));
    view->installEventFilter(this);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
        // Beside the rows, as in the views: the menu is about the list, not a selection.
        if (!view->indexAt(at).isValid())
            view->clearSelection();
        contextMenu(listOf(view), at);
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this, list] {
        if (list == List::Successful)
            openFolder(selectedTasks(list));
    });
    views_[index] = view;
    tables_[index] = table;
    return view;
}

TransfersPane::List TransfersPane::listOf(const QObject* view) const {
    for (size_t index = 0; index < views_.size(); ++index) {
        if (views_[index] == view)
            return static_cast<List>(index);
    }
    return List::Queued;
}

void TransfersPane::setCollapsed(bool on) {
    if (on == collapsed_)
        return;
    collapsed_ = on;
    body_->setVisible(!on);
    setMaximumHeight(on ? headerHeight() : QWIDGETSIZE_MAX);
    toggle_->setArrowType(on ? Qt::UpArrow : Qt::DownArrow);
    toggle_->setToolTip(on ? "Show the list of transfers" : "Hide the list of transfers");
    emit collapsedChanged(on);
}

int TransfersPane::headerHeight() const {
    return header_->sizeHint().height();
}

int TransfersPane::heightFor(int rows) const {
    return headerHeight() + rowsHeight(view(List::Queued), rows);
}

int TransfersPane::rowsHeight(const QTableView* view, int rows) {
    return view->horizontalHeader()->sizeHint().height() +
           rows * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth() +
           view->horizontalScrollBar()->sizeHint().height();
}

int TransfersPane::defaultHeight(int total) const {
    return TransferPaneModel::defaultHeight(total, heightFor(1), heightFor(5));
}

void TransfersPane::fitReason() {
    const auto index = static_cast<size_t>(List::Failed);
    QTableView* failed = views_[index];
    const TransferTableModel* table = tables_[index];
    // Hidden, its rows are not known: it fits when shown.
    if (failed == nullptr || table == nullptr || !failed->isVisible())
        return;
    const int reason = table->columnOf(TransferPaneModel::Column::Reason);
    const int name = table->columnOf(TransferPaneModel::Column::Name);
    QHeaderView* header = failed->horizontalHeader();
    int others = 0;
    for (int column = 0; column < header->count(); ++column) {
        if (column != reason)
            others += header->sectionSize(column);
    }
    // What the reasons on screen need (only those: a list of a million rows costs the
    // rows shown), and the header's title.
    const QFontMetrics metrics = failed->fontMetrics();
    const int margins = 2 * (failed->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    int natural = header->sectionSizeHint(reason);
    const int last = failed->rowAt(failed->viewport()->height() - 1);
    for (int row = std::max(failed->rowAt(0), 0), end = last >= 0 ? last : table->rowCount() - 1;
         row <= end; ++row) {
        const QString text = table->index(row, reason).data().toString();
        natural = std::max(natural, metrics.horizontalAdvance(text) + margins);
    }
    const int width =
        TransferPaneModel::reasonWidth(failed->viewport()->width(), header->sectionSize(name),
                                       others, natural, fontMetrics().averageCharWidth() * 12);
    if (width != header->sectionSize(reason))
        header->resizeSection(reason, width);
}

void TransfersPane::refresh() {
    // The queued list starts over at every change: its selection and scroll position are
    // kept by task, read before the core moves on.
    QTableView* queued = view(List::Queued);
    std::vector<uint64_t> chosen;
    for (const QModelIndex& row : queued->selectionModel()->selectedRows())
        chosen.push_back(row.data(TransferTableModel::kTaskRole).toULongLong());
    const QModelIndex current = queued->currentIndex();
    const uint64_t currentTask =
        current.isValid() ? current.data(TransferTableModel::kTaskRole).toULongLong() : 0;
    const int scrolled = queued->verticalScrollBar()->value();

    if (!model_.refresh(monotonicMilliseconds()))
        return;
    for (size_t index = 0; index < tables_.size(); ++index) {
        tables_[index]->apply(model_.change(static_cast<List>(index)));
        const QString title = QString::fromStdString(model_.title(static_cast<List>(index)));
        if (tabs_->tabText(static_cast<int>(index)) != title)
            tabs_->setTabText(static_cast<int>(index), title);
    }
    if (model_.change(List::Failed).changed)
        fitReason();
    if (model_.change(List::Queued).reset) {
        QItemSelection selection;
        const int columns = tables_[0]->columnCount() - 1;
        for (uint64_t id : chosen) {
            const int64_t row = model_.rowOf(List::Queued, id);
            if (row >= 0 && row < tables_[0]->rowCount())
                selection.select(tables_[0]->index(static_cast<int>(row), 0),
                                 tables_[0]->index(static_cast<int>(row), columns));
        }
        const int64_t currentRow = currentTask != 0 ? model_.rowOf(List::Queued, currentTask) : -1;
        if (currentRow >= 0 && currentRow < tables_[0]->rowCount())
            queued->selectionModel()->setCurrentIndex(
                tables_[0]->index(static_cast<int>(currentRow), 0), QItemSelectionModel::NoUpdate);
        queued->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        queued->verticalScrollBar()->setValue(scrolled);
    }
    showBatch();
}

void TransfersPane::showBatch() {
    const TransferPaneModel::BatchTexts& batch = model_.batch();
    QStringList parts;
    if (batch.running) {
        for (const std::string* text : {&batch.files, &batch.rate, &batch.remaining}) {
            if (!text->empty())
                parts << QString::fromStdString(*text);
        }
    } else if (!batch.outcome.empty()) {
        parts << QString::fromStdString(batch.outcome);
    }
    if (parts != batchParts_) {
        batchParts_ = parts;
        batchText_->setToolTip(parts.join("  \u00b7  "));
        fitBatchText();
    }
    bar_->setValue(std::max(batch.percent, 0));
    if (batch.running != toldRunning_) {
        toldRunning_ = batch.running;
        emit batchRunning(batch.running);
    }
    if (batch.serial != toldSerial_ || batch.status != toldStatus_) {
        // A new batch shows where its work is, unless the user is busy in another list.
        if (batch.serial != toldSerial_ && batch.running && !userActing())
            tabs_->setCurrentIndex(static_cast<int>(List::Queued));
        toldSerial_ = batch.serial;
        toldStatus_ = batch.status;
    }
    emit batchShown();
}

bool TransfersPane::userActing() const {
    if (QApplication::activePopupWidget() != nullptr)
        return true;
    const auto shown = static_cast<List>(tabs_->currentIndex());
    const QTableView* list = view(shown);
    return shown != List::Queued && list->hasFocus() && list->selectionModel()->hasSelection();
}

void TransfersPane::fitBatchText() {
    QStringList parts = batchParts_;
    const QFontMetrics metrics = batchText_->fontMetrics();
    QString text = parts.join("  \u00b7  ");
    while (parts.size() > 1 && metrics.horizontalAdvance(text) > batchText_->width()) {
        parts.removeFirst();
        text = parts.join("  \u00b7  ");
    }
    // An outcome too long for the room is cut at its end, as labels are.
    batchText_->setText(metrics.horizontalAdvance(text) > batchText_->width()
                            ? metrics.elidedText(text, Qt::ElideRight, batchText_->width())
                            : text);
}

std::vector<TaskInfo> TransfersPane::selectedTasks(List list) const {
    std::vector<TaskInfo> tasks;
    QTableView* shown = view(list);
    QModelIndexList rows = shown->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    auto& model = const_cast<TransferPaneModel&>(model_);
    for (const QModelIndex& row : rows) {
        if (const TaskInfo* task = model.task(list, row.row()))
            tasks.push_back(*task);
    }
    return tasks;
}

void TransfersPane::contextMenu(List list, const QPoint& at) {
    // The tasks as they are now, taken once: the actions act on them, whatever the
    // lists show by the time an item is chosen.
    const std::vector<TaskInfo> chosen = selectedTasks(list);
    const TransferPaneModel::Offer offer =
        TransferPaneModel::offer(list, chosen, link_.connected());
    QMenu menu(this);
    menu.setObjectName("transfersMenu");
    const auto add = [&menu, this](const char* name, const QString& text, bool enabled,
                                   const QKeySequence& keys, auto slot) {
        QAction* item = menu.addAction(text, this, slot);
        item->setObjectName(name);
        item->setEnabled(enabled);
        item->setShortcut(keys);  // shown beside the item; the view's keys do the work
        return item;
    };
    if (list == List::Queued) {
        add("transfersStop", chosen.size() > 1 ? "&Stop these" : "&Stop this one", offer.stop,
            QKeySequence::Delete, [this, chosen] { stop(chosen); });
        add("transfersMoveTop", "Move to &top", offer.moveToTop,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up), [this, chosen] { moveToTop(chosen); });
    } else {
        if (list == List::Failed) {
            add("transfersRetry", "&Retry", offer.retry, QKeySequence(Qt::Key_Return),
                [this, chosen] { retry(chosen); });
            add("transfersRetryAll", "Retry &all", offer.retryAll, QKeySequence(Qt::Key_F5),
                [this] { retry(model_.failedTasks()); });
            menu.addSeparator();
        }
        add("transfersRemove", "Re&move", offer.remove, QKeySequence::Delete,
            [this, chosen] { remove(chosen); });
        add("transfersOpenFolder", "&Open containing folder", offer.openFolder,
            list == List::Successful ? QKeySequence(Qt::Key_Return) : QKeySequence(),
            [this, chosen] { openFolder(chosen); });
    }
    menu.exec(view(list)->viewport()->mapToGlobal(at));
}

bool TransfersPane::handleKey(List list, int key, Qt::KeyboardModifiers modifiers) {
    const std::vector<TaskInfo> chosen = selectedTasks(list);
    const TransferPaneModel::Offer offer =
        TransferPaneModel::offer(list, chosen, link_.connected());
    const bool plain = modifiers == Qt::NoModifier;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!plain)
                return false;
            if (offer.retry)
                retry(chosen);
            else if (list == List::Successful && offer.openFolder)
                openFolder(chosen);
            return true;
        case Qt::Key_F5:
            if (plain && offer.retryAll)
                retry(model_.failedTasks());
            return plain;
        case Qt::Key_Delete:
            if (!plain)
                return false;
            if (offer.remove) {
                remove(chosen);
            } else if (offer.stop) {
                stop(chosen);
            }
            return true;
        case Qt::Key_Up:
            if (modifiers != (Qt::ControlModifier | Qt::ShiftModifier))
                return false;
            if (offer.moveToTop)
                moveToTop(chosen);
            return true;
        case Qt::Key_Escape:
            // As in the views: the session's STOP.
            if (page_.stopTransfers)
                page_.stopTransfers();
            return true;
        default:
            return false;
    }
}

bool TransfersPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == batchText_ && event->type() == QEvent::Resize)
        fitBatchText();
    const QTableView* failed = view(List::Failed);
    if (failed != nullptr && watched == failed->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fitReason();
    if (event->type() == QEvent::KeyPress &&
        std::find(views_.begin(), views_.end(), watched) != views_.end()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return handleKey(listOf(watched), key->key(), key->modifiers() & ~Qt::KeypadModifier);
    }
    return QWidget::eventFilter(watched, event);
}

void TransfersPane::retry(const std::vector<TaskInfo>& tasks) {
    const std::vector<TransferPaneModel::Retry> made =
        TransferPaneModel::retries(tasks, page_.options ? page_.options() : TransferOptions{},
                                   page_.fallbackFolder ? page_.fallbackFolder() : std::string());
    for (const TransferPaneModel::Retry& retry : made) {
        const bool queued = std::holds_alternative<GetRequest>(retry.request)
                                ? link_.get(std::get<GetRequest>(retry.request))
                                : link_.put(std::get<PutRequest>(retry.request));
        if (!queued)
            break;  // the session's queue is full, or it ended: the rest stay here
        // The new tasks of the request stand for these from now on.
        model_.remove(retry.tasks);
    }
    refresh();
}

void TransfersPane::remove(const std::vector<TaskInfo>& tasks) {
    std::vector<uint64_t> ids;
    for (const TaskInfo& task : tasks)
        ids.push_back(task.id);
    model_.remove(ids);
    refresh();
}

void TransfersPane::stop(const std::vector<TaskInfo>& tasks) {
    // Each file alone, waiting or running: the batch goes on with the others.
    for (const TaskInfo& task : tasks) {
        if (task.state == TaskState::Waiting || task.state == TaskState::Active)
            link_.withdrawTask(task.id);
    }
    refresh();
}

void TransfersPane::moveToTop(const std::vector<TaskInfo>& tasks) {
    // The last first: the tasks end on top in the order they were listed.
    for (auto task = tasks.rbegin(); task != tasks.rend(); ++task)
        link_.moveTaskToTop(task->id);
    refresh();
}

void TransfersPane::openFolder(const std::vector<TaskInfo>& tasks) {
    if (tasks.size() != 1)
        return;
    const std::string folder = TransferPaneModel::containingFolder(tasks.front());
    if (!folder.empty() && opener_)
        opener_(QString::fromStdString(folder));
}

}  // namespace nubo
