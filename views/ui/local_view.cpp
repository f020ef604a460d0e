#include "views/ui/local_view.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragMoveEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

#include "shell/ui/theme_icon.h"
#include "views/drop_decision.h"
#include "views/entry_properties.h"
#include "views/local_directory_model.h"
#include "views/local_permissions.h"
#include "views/local_type_table.h"
#include "views/ui/desktop_properties.h"
#include "views/ui/directory_views.h"
#include "views/ui/filter_bar.h"
#include "views/ui/local_table_model.h"
#include "views/ui/properties_dialog.h"
#include "views/ui/remote_table_model.h"
#include "views/ui/view_box.h"
#include "views/volume_catalog.h"

namespace nubo {

namespace {

constexpr int kLevelRole = Qt::UserRole + 1;

// The combo's list indents each location by 10 pixels per level (not its edit field).
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.adjust(10 * index.data(kLevelRole).toInt(), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }
};

QIcon locationIcon(const LocalLocations::Item& item, bool open) {
    switch (item.kind) {
        case LocalLocations::Kind::Desktop:
            return themeIcon("user-desktop");
        case LocalLocations::Kind::Computer:
            return themeIcon("computer");
        case LocalLocations::Kind::Network:
            return themeIcon("network-workgroup");
        default:
            if (item.fixed && item.level == 2)
                return themeIcon(item.path == "/" ? "drive-harddisk" : "folder");
            return themeIcon(open ? "folder-open" : "folder");
    }
}

}  // namespace

LocalView::LocalView(LocalDirectoryModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    question_ = [this](const QString& title, const QString& text,
                       QMessageBox::StandardButtons buttons) {
        return showViewBox(this, title, text, buttons);
    };
    opener_ = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    properties_ = [this](const EntryProperties& properties, const QIcon& icon) {
        // The desktop's own dialog where its file manager answers on the session bus.
        QStringList paths;
        for (const LocalEntry& entry : model_.entriesAt(views_->selectedEntries()))
            paths << QString::fromStdString(entry.path);
        if (showDesktopProperties(paths))
            return;
        PropertiesDialog dialog(properties, icon, this);
        dialog.exec();
        const std::optional<ModeChange> change = dialog.modeChange();
        if (!change)
            return;
        std::vector<std::string> chosen;
        for (const QString& path : paths)
            chosen.push_back(path.toStdString());
        const std::vector<std::string> refusals = LocalPermissions::apply(chosen, *change);
        if (!refusals.empty()) {
            std::string text = "The permissions could not be changed for:";
            for (const std::string& refusal : refusals)
                text += "\n" + refusal;
            question_("Permissions", QString::fromStdString(text), QMessageBox::Ok);
        }
        refresh();
    };
    table_ = new LocalTableModel(model_, this);
    tools_ = new QToolBar(this);
    tools_->setObjectName("localTools");
    tools_->setIconSize(QSize(16, 16));
    location_ = new QComboBox(tools_);
    location_->setObjectName("localLocation");
    location_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    location_->setItemDelegate(new IndentDelegate(location_));
    location_->setToolTip("Local folder: pick a place, or go into the folders below it");
    tools_->addWidget(location_);
    tools_->addSeparator();
    QAction* up =
        tools_->addAction(solidToolIcon("go-up", palette().color(QPalette::ButtonText)), "Up");
    up->setObjectName("localUp");
    up->setToolTip("Up one level (to parent directory)");
    tools_->addSeparator();
    QAction* create = tools_->addAction(themeIcon("folder-new"), "New folder");
    create->setObjectName("localNewFolder");
    create->setToolTip("Create new LOCAL folder");
    connect(up, &QAction::triggered, this, &LocalView::goUp);
    connect(create, &QAction::triggered, this, &LocalView::newFolder);
    connect(location_, QOverload<int>::of(&QComboBox::activated), this, &LocalView::selectLocation);

    views_ = new DirectoryViews(table_, {20, 20, 25}, "local", this);
    views_->watch(this);
    views_->showSortKey(model_.sortKey());
    filter_ = new FilterBar("local", this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filter_);
    layout->addWidget(views_, 1);
    connect(filter_, &FilterBar::filterChanged, this,
            [this] { model_.setFilter(filter_->filter()); });
    connect(filter_, &FilterBar::leaveWanted, this, [this] { views_->current()->setFocus(); });
    connect(views_, &DirectoryViews::columnClicked, this, [this](int column) {
        model_.sortByColumn(column);
        views_->showSortKey(model_.sortKey());
    });
    connect(views_, &DirectoryViews::contextMenuWanted, this, &LocalView::contextMenu);
    connect(views_, &DirectoryViews::openWanted, this, &LocalView::openSelection);
    connect(views_, &DirectoryViews::editCancelled, this,
            [this](int entry) { model_.finishEdit(entry, nullptr); });
    connect(views_, &DirectoryViews::selectionChanged, this,
            [this] { emit statusChanged(statusText()); });
    connect(table_, &DirectoryTableModel::contentsChanged, this,
            [this] { emit statusChanged(statusText()); });
    connect(table_, &LocalTableModel::readingChangedQueued, this,
            [this] { emit statusChanged(statusText()); });
    connect(table_, &DirectoryTableModel::nameEdited, this, &LocalView::nameEdited);

    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, [this] {
        pacer_.readStarted(clock_.elapsed());
        refresh();
    });
    if (watch_.fd() >= 0) {
        watchNotifier_ = new QSocketNotifier(watch_.fd(), QSocketNotifier::Read, this);
        connect(watchNotifier_, &QSocketNotifier::activated, this, [this] {
            const FolderWatch::Changes changes = watch_.take();
            const int64_t now = clock_.elapsed();
            const int64_t due = pacer_.changed(changes.entries, changes.writes, now);
            if (due >= 0)
                settle_.start(static_cast<int>(std::max<int64_t>(due - now, 0)));
        });
    }
    clock_.start();
}

LocalView::~LocalView() {
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void LocalView::start(const std::string& transferDir, const std::string& desktop,
                      const std::vector<LocalLocations::Volume>& volumes) {
    started_ = true;
    volumes_ = volumes;
    locations_.fill(desktop, volumes);
    if (transferDir.empty() || !QFileInfo(QString::fromStdString(transferDir)).isDir() ||
        !locations_.openPath(transferDir))
        locations_.select(1);  // Computer
    navigate();
}

std::string LocalView::folder() const {
    return model_.folder();
}

void LocalView::navigate() {
    // Back returns to the folder left (Computer and Network are left out).
    const std::string left = model_.folder();
    if (!goingBack_ && !left.empty() && (history_.empty() || history_.back() != left))
        history_.push_back(left);
    goingBack_ = false;
    const LocalLocations::Item& item = locations_.currentItem();
    watch_.clear();
    if (item.kind == LocalLocations::Kind::Computer) {
        model_.showVolumes(
            [volumes = volumes_] {
                std::vector<LocalDirectoryModel::Volume> shown;
                for (const LocalLocations::Volume& volume : volumes)
                    shown.push_back({volume.label, volume.path});
                return shown;
            },
            "Volume", "drive-harddisk");
    } else if (item.kind == LocalLocations::Kind::Network) {
        const std::string gvfs =
            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString() +
            "/gvfs";
        model_.showVolumes(
            [gvfs] {
                std::vector<LocalDirectoryModel::Volume> shown;
                for (const VolumeCatalog::Volume& volume :
                     VolumeCatalog::network(VolumeCatalog::mounted(), gvfs))
                    shown.push_back({volume.label, volume.path});
                return shown;
            },
            "Network Share", "folder-remote");
    } else {
        model_.browse(item.path);
        watch_.watch(item.path);
    }
    emit folderShown(item.kind == LocalLocations::Kind::Computer ||
                             item.kind == LocalLocations::Kind::Network
                         ? QString()
                         : QString::fromStdString(item.path));
    refillLocationBox();
    emit statusChanged(statusText());
}

void LocalView::refillLocationBox() {
    location_->clear();
    const std::vector<LocalLocations::Item>& items = locations_.items();
    for (size_t i = 0; i < items.size(); ++i) {
        // The open-folder icon for the deepest temporary item of a chain.
        const bool open = !items[i].fixed && (i + 1 == items.size() || items[i + 1].fixed);
        location_->addItem(locationIcon(items[i], open), QString::fromStdString(items[i].label));
        location_->setItemData(static_cast<int>(i), items[i].level, kLevelRole);
        location_->setItemData(static_cast<int>(i), QString::fromStdString(items[i].path),
                               Qt::ToolTipRole);
    }
    location_->setCurrentIndex(locations_.current());
}

void LocalView::selectLocation(int index) {
    locations_.select(index);
    navigate();
}

void LocalView::goBack() {
    while (!history_.empty()) {
        const std::string folder = history_.back();
        history_.pop_back();
        if (folder != model_.folder() && QFileInfo(QString::fromStdString(folder)).isDir() &&
            locations_.openPath(folder)) {
            goingBack_ = true;
            navigate();
            return;
        }
    }
}

bool LocalView::openFolder(const std::string& path) {
    if (!QFileInfo(QString::fromStdString(path)).isDir() || !locations_.openPath(path))
        return false;
    navigate();
    return true;
}

void LocalView::goUp() {
    if (locations_.goUp())
        navigate();
}

void LocalView::refresh() {
    if (!folder().empty())
        model_.refresh();
}

QString LocalView::statusText() const {
    return QString::fromStdString(model_.statusText(views_->selectedEntries()));
}

void LocalView::openSelection() {
    const std::vector<LocalEntry> chosen = model_.entriesAt(views_->selectedEntries());
    if (chosen.empty())
        return;
    if (chosen.size() == 1 && chosen.front().folder) {
        locations_.enterChild(chosen.front().path, chosen.front().name);
        navigate();
        return;
    }
    // Files (or several items) open in their default programs.
    for (const LocalEntry& entry : chosen)
        opener_(QString::fromStdString(entry.path));
}

QMessageBox::StandardButton LocalView::ask(const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
    return question_(title, text, buttons);
}

QString LocalView::permanentDeleteQuestion(const std::vector<LocalEntry>& chosen) {
    if (chosen.size() > 1)
        return QString("Delete these %1 items for good? They do not go to the trash.")
            .arg(chosen.size());
    const QString name = QString::fromStdString(chosen.front().name);
    return chosen.front().folder
               ? QString(
                     "Delete the folder \"%1\" and all it holds for good? It does not go "
                     "to the trash.")
                     .arg(name)
               : QString("Delete \"%1\" for good? It does not go to the trash.").arg(name);
}

void LocalView::deleteSelection(bool permanently) {
    // Taken before the question: a folder read that ends while it is open changes what
    // the rows hold.
    const std::vector<LocalEntry> chosen = model_.entriesAt(views_->selectedEntries());
    if (chosen.empty() || folder().empty())
        return;
    // Linux has no shell dialog that asks before deleting for good: this one does, and
    // names what goes, as the remote view's question does.
    if (permanently && ask("Delete", permanentDeleteQuestion(chosen),
                           QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const std::vector<std::string> failed = model_.removeEntries(chosen, permanently);
    if (!failed.empty()) {
        QString text = "Unable to delete:";
        for (const std::string& path : failed)
            text += "\n" + QString::fromStdString(path);
        ask("Delete", text, QMessageBox::Ok);
    }
}

void LocalView::newFolder() {
    views_->current()->setFocus();
    const int entry = model_.newFolder();
    if (entry < 0) {
        ask("Rename", "Unable to create new folder.", QMessageBox::Ok | QMessageBox::Cancel);
        return;
    }
    table_->flush();
    views_->editEntry(entry);
}

void LocalView::renameSelection() {
    const std::vector<int> chosen = views_->selectedEntries();
    if (chosen.size() == 1 && !folder().empty())
        views_->editEntry(chosen.front());
}

void LocalView::refuseEditedName() {
    QMetaObject::invokeMethod(
        this, [this] { ask("Rename", "Rename failed.", QMessageBox::Ok | QMessageBox::Cancel); },
        Qt::QueuedConnection);
}

void LocalView::nameEdited(int entry, const QString& text) {
    const std::string name = text.toStdString();
    switch (model_.finishEdit(entry, &name)) {
        case LocalDirectoryModel::EditEnd::NeedName:
            ask("Rename", "You must enter a name.", QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case LocalDirectoryModel::EditEnd::Refused:
            refuseEditedName();
            break;
        default:
            break;
    }
}

void LocalView::showProperties() {
    const std::vector<LocalEntry> chosen = model_.entriesAt(views_->selectedEntries());
    if (chosen.empty())
        return;
    std::vector<std::string> typeNames, links;
    uint32_t rows = 0;
    for (const LocalEntry& entry : chosen)
        rows = std::max(rows, entry.typeRow + 1);
    for (uint32_t row = 0; row < rows; ++row)
        typeNames.push_back(model_.types().typeName(row));
    for (const LocalEntry& entry : chosen) {
        const QFileInfo info(QString::fromStdString(entry.path));
        links.push_back(info.isSymLink() ? info.symLinkTarget().toStdString() : std::string());
    }
    // One item shows the icon of its row (a file's type, a folder, a volume).
    const std::vector<int> selected = views_->selectedEntries();
    const QIcon icon = selected.size() == 1 ? table_->index(table_->rowOf(selected.front()), 0)
                                                  .data(Qt::DecorationRole)
                                                  .value<QIcon>()
                                            : themeIcon("edit-select-all");
    EntryProperties properties = EntryProperties::ofLocal(chosen, typeNames, links);
    for (const LocalEntry& entry : chosen) {
        properties.modes.push_back(LocalPermissions::modeOf(entry.path));
        properties.folders = properties.folders || entry.folder;
    }
    properties_(properties, icon);
}

void LocalView::contextMenu(QAbstractItemView* view, const QPoint& at) {
    const std::vector<int> chosen = views_->selectedEntries();
    const bool inFolder = !folder().empty();
    QMenu menu(this);
    menu.setObjectName("localMenu");
    const auto add = [&menu, this](const char* name, const QString& text, auto slot) {
        QAction* item = menu.addAction(text, this, slot);
        item->setObjectName(name);
        return item;
    };
    if (!chosen.empty() && view->indexAt(at).isValid()) {
        menu.setDefaultAction(add("menuOpen", "&Open", [this] { openSelection(); }));
        if (inFolder) {
            menu.addSeparator();
            add("menuDelete", "&Delete", [this] { deleteSelection(false); });
            if (chosen.size() == 1)
                add("menuRename", "Rena&me", [this] { renameSelection(); });
        }
        menu.addSeparator();
        add("menuProperties", "P&roperties", [this] { showProperties(); });
    } else {
        views_->addViewMenus(menu, [this](int code) {
            model_.arrangeBy(code);
            views_->showSortKey(model_.sortKey());
        });
        menu.addSeparator();
        add("menuNewFolder", "New &Folder", [this] { newFolder(); })->setEnabled(inFolder);
        menu.addSeparator();
        add("menuRefresh", "Re&fresh", [this] { refresh(); });
    }
    menu.exec(view->viewport()->mapToGlobal(at));
}

bool LocalView::handleKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            mods == Qt::AltModifier ? showProperties() : openSelection();
            return true;
        case Qt::Key_Delete:
            deleteSelection(mods == Qt::ShiftModifier);
            return true;
        case Qt::Key_F5:
            refresh();
            return true;
        case Qt::Key_Backspace:
            if (mods != Qt::NoModifier)
                return false;
            goUp();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
            if (mods != Qt::AltModifier)
                return false;
            key->key() == Qt::Key_Up ? goUp() : goBack();
            return true;
        case Qt::Key_F:
            if (mods != Qt::ControlModifier)
                return false;
            filter_->takeFocus();
            return true;
        case Qt::Key_F2:
            renameSelection();
            return true;
        case Qt::Key_Escape:
            emit stopWanted();
            return true;
        case Qt::Key_A:
            if (mods != Qt::ControlModifier)
                return false;
            views_->current()->selectAll();
            emit statusChanged(statusText());
            return true;
        default:
            return false;
    }
}

QString LocalView::dropFolder(QAbstractItemView* view, const QPoint& at, int* highlightRow) const {
    *highlightRow = -1;
    const QModelIndex under = view->indexAt(at);
    LocalEntry entry;
    if (under.isValid() && model_.entryAt(table_->entryIndex(under.row()), &entry) &&
        entry.folder) {
        *highlightRow = under.row();
        return QString::fromStdString(entry.path);
    }
    return QString::fromStdString(folder());
}

bool LocalView::takesDrop(const QMimeData* mime, QAbstractItemView* view, const QPoint& at,
                          QString* folder, int* highlightRow, RemoteDrag* drag) const {
    DropSituation situation;
    situation.target = DropView::Local;
    uint64_t session = 0;
    situation.connected = remoteSession_ && remoteSession_(&session);
    if (mime->hasFormat(RemoteTableModel::kMimeType) &&
        RemoteDrag::decode(mime->data(RemoteTableModel::kMimeType).toStdString(), drag)) {
        situation.payload = DropPayload::RemoteEntries;
        situation.fromThisProcess = drag->processId == QCoreApplication::applicationPid();
        situation.fromThisSession = drag->sessionId == session;
    } else if (mime->hasUrls()) {
        situation.payload = DropPayload::LocalFiles;
    }
    *folder = dropFolder(view, at, highlightRow);
    situation.targetFolder = !folder->isEmpty();
    return decideDrop(situation) == DropAction::Download;
}

bool LocalView::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* view = views_->viewOf(watched);
    const bool isViewport = views_->isViewport(watched);
    // While a name is edited, the editor's keys pass through the view (its Enter as well):
    // they are not the list's.
    if (view != nullptr && !isViewport && event->type() == QEvent::KeyPress)
        return !views_->editing() && handleKey(static_cast<QKeyEvent*>(event));
    if (!isViewport)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            QString folder;
            int row = -1;
            RemoteDrag carried;
            if (takesDrop(drag->mimeData(), view, drag->position().toPoint(), &folder, &row,
                          &carried)) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();  // another window's session, or nowhere to put it
                row = -1;
            }
            table_->setDropTarget(row);
            return true;
        }
        case QEvent::DragLeave:
            table_->setDropTarget(-1);
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            table_->setDropTarget(-1);
            QString folder;
            int row = -1;
            RemoteDrag carried;
            if (takesDrop(drop->mimeData(), view, drop->position().toPoint(), &folder, &row,
                          &carried)) {
                drop->acceptProposedAction();
                emit remoteItemsDropped(folder, carried);
            }
            return true;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace nubo
