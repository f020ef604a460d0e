#include "views/ui/directory_views.h"

#include <QActionGroup>
#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <algorithm>
#include <tuple>

#include "views/ui/directory_table_model.h"
#include "views/window_memory.h"

namespace nubo {

namespace {

// Names are edited in a line edit that a change of the active window does not close: a
// closing menu, the window manager handing the focus round or another window for a
// moment would otherwise end the edit (with the old name) as soon as it began. When the
// window is active again the editor has the keyboard back; a click elsewhere in the
// window, Tab, Enter and Escape end it as usual. The editor takes the name once: rows
// that change while it is open (the folder changed on disk) leave the typed text alone.
class NameEditDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static const char* const kFilled = "nuboNameFilled";
        if (editor->property(kFilled).toBool())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
        editor->setProperty(kFilled, true);
    }

    // Small icons stand on a grid: an item wider than its cell would be drawn over the
    // next one, so it keeps to the cell and its name is elided there.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const auto* list = qobject_cast<const QListView*>(parent());
        if (list != nullptr && list->viewMode() == QListView::ListMode &&
            list->gridSize().isValid())
            size.setWidth(std::min(size.width(), list->gridSize().width() - list->spacing()));
        return size;
    }

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                return false;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }
};

}  // namespace

DirectoryViews::DirectoryViews(DirectoryTableModel* table, Widths widths, const QString& name,
                               QWidget* parent)
    : QStackedWidget(parent), table_(table), widths_(widths) {
    setObjectName(name + "Views");
    list_ = new QListView(this);
    list_->setObjectName(name + "List");
    details_ = new QTreeView(this);
    details_->setObjectName(name + "Details");
    list_->setModel(table_);
    details_->setModel(table_);
    details_->setSelectionModel(list_->selectionModel());
    // Names differ in length: each item is measured (in batches, so a large folder is laid
    // out a piece at a time without holding up the window).
    list_->setUniformItemSizes(false);
    list_->setLayoutMode(QListView::Batched);
    list_->setBatchSize(2000);
    details_->setUniformRowHeights(true);
    details_->setRootIsDecorated(false);
    details_->setAllColumnsShowFocus(true);
    details_->header()->setSectionsClickable(true);
    details_->header()->setStretchLastSection(false);
    // The name takes what the other columns leave (fitColumns keeps it readable).
    details_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(details_->header(), &QHeaderView::sectionClicked, this, &DirectoryViews::columnClicked);
    connect(details_->header(), &QHeaderView::sectionResized, this, [this](int column) {
        if (!fitting_ && column > 0) {
            userSized_ = true;
            keepLayout();
        }
    });
    details_->viewport()->installEventFilter(this);
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(list_), static_cast<QAbstractItemView*>(details_)}) {
        view->setItemDelegate(new NameEditDelegate(view));
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        // The list view shows column 0 only: without this a click there selects that one
        // cell, and the details view and everything that asks for rows would not see it.
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->setDragEnabled(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        view->setDefaultDropAction(Qt::CopyAction);
        view->viewport()->setAcceptDrops(true);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
            // A right click beside the items is about the folder, as in file managers:
            // the selection goes, so the folder's menu never stands beside selected rows.
            if (!view->indexAt(at).isValid())
                view->clearSelection();
            emit contextMenuWanted(view, at);
        });
        connect(view, &QAbstractItemView::doubleClicked, this, [this] {
            if (selectedEntries().size() == 1)
                emit openWanted();
        });
        connect(view->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                    const int entry = editing_;
                    editing_ = -1;
                    if (hint == QAbstractItemDelegate::RevertModelCache && entry >= 0) {
                        emit editCancelled(entry);
                    } else if (entry >= 0) {
                        // A new or renamed name goes where the order puts it (when the
                        // server agrees): the view follows it there once.
                        followed_ = entry;
                        followedRow_ = table_->rowOf(entry);
                        followedSince_.start();
                    }
                });
        addWidget(view);
    }
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DirectoryViews::selectionChanged);
    connect(table_, &QAbstractItemModel::modelReset, this, [this] { followed_ = -1; });
    connect(table_, &DirectoryTableModel::contentsChanged, this, &DirectoryViews::followEdited);
    setViewMode(kList);
}

void DirectoryViews::setViewMode(int mode) {
    mode_ = mode;
    keepLayout();
    if (mode == kDetails) {
        userSized_ = false;
        setCurrentWidget(details_);
        fitColumns();
        return;
    }
    const bool large = mode == kLargeIcons;
    list_->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    list_->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    list_->setFlow(mode == kList ? QListView::TopToBottom : QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    // Small icons stand in columns of one width, as in the Windows version, not packed
    // by the length of each name; longer names are elided.
    const QFontMetrics metrics = fontMetrics();
    list_->setGridSize(large                 ? QSize(96, 64)
                       : mode == kSmallIcons ? QSize(metrics.averageCharWidth() * 18 + 24,
                                                     std::max(metrics.height(), 16) + 4)
                                             : QSize());
    list_->setWordWrap(large);
    list_->setMovement(QListView::Static);
    // A change of mode resets the list's drag and drop settings (Qt does it).
    list_->setDragEnabled(true);
    list_->setDragDropMode(QAbstractItemView::DragOnly);
    list_->setAcceptDrops(true);
    list_->viewport()->setAcceptDrops(true);
    setCurrentWidget(list_);
}

void DirectoryViews::fitColumns() {
    if (userSized_)
        return;
    // Before the first layout the viewport's width is not known yet: the page's is used.
    const int width = details_->viewport()->width() > 1
                          ? details_->viewport()->width()
                          : std::max(this->width() - 2 * details_->frameWidth(), 1);
    const QFontMetrics metrics = fontMetrics();
    const int padding = 12;
    // The Windows version's shares of the width, with Size holding ten digits and
    // Date/Time a whole date where there is room.
    int size =
        std::max(width * widths_.size / 100 - 4, metrics.horizontalAdvance("0000000000") + padding);
    int date = std::max(std::min(width * widths_.date / 100 - 4, 160),
                        metrics.horizontalAdvance("Dec 31 23:59") + padding + 4);
    int type = std::max(width * widths_.type / 100 - 4, 60);
    type = std::min(type, std::max(60, (width - size - date) / 2));
    // A name of some sixteen characters beside its icon stays readable.
    const int name = metrics.averageCharWidth() * 16 +
                     style()->pixelMetric(QStyle::PM_SmallIconSize) + 16 + padding;
    const int least = metrics.horizontalAdvance("000") + padding;
    // Below these a size or a date would lose digits: the view scrolls sideways instead.
    const int leastSize = metrics.horizontalAdvance("0000000") + padding;
    const int leastDate = metrics.horizontalAdvance("Dec 31 23:59") + padding;
    int excess = size + type + date + name - width;
    // Type goes first (the icon tells much of it), then Date/Time and Size share the rest.
    const int typeCut = std::clamp(excess, 0, std::max(type - least, 0));
    type -= typeCut;
    excess -= typeCut;
    const int spareDate = std::max(date - leastDate, 0), spareSize = std::max(size - leastSize, 0);
    if (excess > 0 && spareDate + spareSize > 0) {
        const int cut = std::min(excess, spareDate + spareSize);
        const int dateCut = cut * spareDate / (spareDate + spareSize);
        date -= dateCut;
        size -= cut - dateCut;
        excess -= cut;
    }
    fitting_ = true;
    QHeaderView* header = details_->header();
    header->setSectionResizeMode(0, excess > 0 ? QHeaderView::Interactive : QHeaderView::Stretch);
    if (excess > 0)
        header->resizeSection(0, name);
    details_->setColumnWidth(1, size);
    details_->setColumnWidth(2, type);
    details_->setColumnWidth(3, date);
    fitting_ = false;
}

bool DirectoryViews::eventFilter(QObject* watched, QEvent* event) {
    if (watched == details_->viewport() && event->type() == QEvent::Resize && mode_ == kDetails)
        fitColumns();
    return QStackedWidget::eventFilter(watched, event);
}

QAbstractItemView* DirectoryViews::current() const {
    return mode_ == kDetails ? static_cast<QAbstractItemView*>(details_)
                             : static_cast<QAbstractItemView*>(list_);
}

QAbstractItemView* DirectoryViews::viewOf(const QObject* object) const {
    if (object == list_ || object == list_->viewport())
        return list_;
    if (object == details_ || object == details_->viewport())
        return details_;
    return nullptr;
}

bool DirectoryViews::isViewport(const QObject* object) const {
    return object == list_->viewport() || object == details_->viewport();
}

bool DirectoryViews::editing() const {
    // The editor is a child of the viewport and has the focus while it is open.
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr &&
           (list_->viewport()->isAncestorOf(focus) || details_->viewport()->isAncestorOf(focus));
}

std::vector<int> DirectoryViews::selectedEntries() const {
    // By ranges: a whole folder selected is one range, not a cell per row and column.
    std::vector<char> chosen(static_cast<size_t>(table_->rowCount()), 0);
    for (const QItemSelectionRange& range : list_->selectionModel()->selection()) {
        for (int row = std::max(range.top(), 0);
             row <= range.bottom() && row < static_cast<int>(chosen.size()); ++row)
            chosen[static_cast<size_t>(row)] = 1;
    }
    std::vector<int> entries;
    for (size_t row = 0; row < chosen.size(); ++row) {
        const int entry = chosen[row] ? table_->entryIndex(static_cast<int>(row)) : -1;
        if (entry >= 0)
            entries.push_back(entry);
    }
    return entries;
}

void DirectoryViews::showSortKey(int key) {
    static constexpr int kColumnOfCode[5] = {-1, 0, 2, 1, 3};
    const int code = key < 0 ? -key : key;
    if (code < 1 || code > 4)
        return;
    QHeaderView* header = details_->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(kColumnOfCode[code],
                             key < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void DirectoryViews::followEdited() {
    if (followed_ < 0)
        return;
    constexpr qint64 kFollowMs = 30000;  // a server's answer comes before this, or never
    const int row = table_->rowOf(followed_);
    if (followedSince_.elapsed() > kFollowMs || row < 0) {
        followed_ = -1;
        return;
    }
    if (row == followedRow_)
        return;
    followed_ = -1;
    current()->scrollTo(table_->index(row, 0));
}

void DirectoryViews::editEntry(int entry) {
    const int row = table_->rowOf(entry);
    if (row < 0)
        return;
    const QModelIndex index = table_->index(row, 0);
    current()->setCurrentIndex(index);
    editing_ = entry;
    current()->edit(index);
}

void DirectoryViews::selectEntry(int entry) {
    const int row = table_->rowOf(entry);
    if (row < 0)
        return;
    const QModelIndex index = table_->index(row, 0);
    QAbstractItemView* view = current();
    view->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view->scrollTo(index);
}

void DirectoryViews::addViewMenus(QMenu& menu, const std::function<void(int)>& arrange) {
    QMenu* modes = menu.addMenu("&View");
    modes->setObjectName("menuView");
    auto* group = new QActionGroup(modes);
    const std::tuple<const char*, const char*, int> modeItems[] = {
        {"menuLargeIcons", "Lar&ge Icons", kLargeIcons},
        {"menuSmallIcons", "S&mall Icons", kSmallIcons},
        {"menuList", "&List", kList},
        {"menuDetails", "&Details", kDetails}};
    for (const auto& [name, text, mode] : modeItems) {
        QAction* item = modes->addAction(text, this, [this, mode = mode] {
            if (mode != mode_)
                setViewMode(mode);
        });
        item->setObjectName(name);
        item->setCheckable(true);
        item->setChecked(mode == mode_);
        group->addAction(item);
    }
    menu.addSeparator();
    QMenu* order = menu.addMenu("Arrange &Icons");
    order->setObjectName("menuArrange");
    const std::tuple<const char*, const char*, int> keys[] = {{"menuArrangeName", "&Name", 1},
                                                              {"menuArrangeType", "&Type", 2},
                                                              {"menuArrangeSize", "Si&ze", 3},
                                                              {"menuArrangeDate", "&Date", 4}};
    for (const auto& [name, text, key] : keys)
        order
            ->addAction(text, this,
                        [this, arrange, key = key] {
                            arrange(key);
                            keepLayout();
                        })
            ->setObjectName(name);
}

void DirectoryViews::remember(ConfigStore& config, const std::string& name,
                              std::function<int()> sortKey,
                              const std::function<void(int)>& restoreSort) {
    const WindowMemory::ViewLayout kept = WindowMemory(config).view(name);
    if (kept.sortKey != 0) {
        restoreSort(kept.sortKey);
        showSortKey(sortKey());  // the header says what the rows are sorted by
    }
    if (kept.mode != 0)
        setViewMode(kept.mode);
    if (kept.widths.size() == 3) {
        fitting_ = true;
        for (int column = 1; column <= 3; ++column)
            details_->setColumnWidth(column, kept.widths[static_cast<size_t>(column - 1)]);
        // The name takes what the kept columns leave, as it did when they were sized (a
        // fit before this may have fixed it at its narrowest).
        details_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        fitting_ = false;
        userSized_ = true;
    }
    memory_ = &config;
    memoryName_ = name;
    sortKey_ = std::move(sortKey);
    connect(this, &DirectoryViews::columnClicked, this, &DirectoryViews::keepLayout);
}

void DirectoryViews::keepLayout() {
    if (memory_ == nullptr)
        return;
    WindowMemory::ViewLayout layout{mode_, sortKey_(), {}};
    if (userSized_) {
        for (int column = 1; column <= 3; ++column)
            layout.widths.push_back(details_->columnWidth(column));
    }
    WindowMemory(*memory_).setView(memoryName_, layout);
}

void DirectoryViews::watch(QObject* filter) {
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(list_), static_cast<QAbstractItemView*>(details_)}) {
        view->installEventFilter(filter);
        view->viewport()->installEventFilter(filter);
    }
}

}  // namespace nubo
