#include "views/ui/find_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/path_text.h"
#include "views/display_format.h"
#include "views/natural_compare.h"

namespace nubo {

namespace {

// Where a row's result sits in the dialog's list of results, and the sizes' order.
constexpr int kFoundRole = Qt::UserRole;
constexpr int kSizeRole = Qt::UserRole + 1;

// A result's row: its Size column sorts by bytes, not by the shown text ("3.16MB").
class FoundItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        if (column == 2)
            return data(2, kSizeRole).toLongLong() < other.data(2, kSizeRole).toLongLong();
        // Names and folders as the views sort them: "img2" before "img10".
        return naturalCompare(text(column).toStdString(), other.text(column).toStdString()) < 0;
    }
};

}  // namespace

namespace {

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

}  // namespace

FindDialog::FindDialog(Actions actions, QWidget* parent)
    : QDialog(parent), actions_(std::move(actions)) {
    setObjectName("findDialog");
    setWindowTitle("Find on the Server");
    auto* layout = new QVBoxLayout(this);

    auto* ask = new QHBoxLayout;
    auto* nameLabel = new QLabel("&Name:", this);
    pattern_ = new QLineEdit(this);
    pattern_->setObjectName("findPattern");
    pattern_->setPlaceholderText("*.txt");
    nameLabel->setBuddy(pattern_);
    auto* depthLabel = new QLabel("&Depth:", this);
    depth_ = new QSpinBox(this);
    depth_->setObjectName("findDepth");
    depth_->setRange(0, 99);
    depth_->setValue(10);
    depth_->setToolTip("Folder levels below the current one that are searched");
    depthLabel->setBuddy(depth_);
    find_ = button("&Find", "findStart", this);
    find_->setDefault(true);
    stop_ = button("&Stop", "findStop", this);
    ask->addWidget(nameLabel);
    ask->addWidget(pattern_, 1);
    ask->addWidget(depthLabel);
    ask->addWidget(depth_);
    ask->addWidget(find_);
    ask->addWidget(stop_);
    layout->addLayout(ask);

    progress_ = new QLabel(this);
    progress_->setObjectName("findProgress");
    layout->addWidget(progress_);

    results_ = new QTreeWidget(this);
    results_->setObjectName("findResults");
    results_->setHeaderLabels({"Name", "Folder", "Size"});
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->header()->setStretchLastSection(false);
    results_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    // Results come in the server's order; a click on a header sorts them.
    results_->setSortingEnabled(true);
    results_->sortByColumn(-1, Qt::AscendingOrder);
    layout->addWidget(results_, 1);

    auto* acts = new QHBoxLayout;
    get_ = button("&Get", "findGet", this);
    reveal_ = button("&Reveal", "findReveal", this);
    delete_ = button("De&lete", "findDelete", this);
    auto* close = button("Close", "findClose", this);
    acts->addWidget(get_);
    acts->addWidget(reveal_);
    acts->addWidget(delete_);
    acts->addStretch(1);
    acts->addWidget(close);
    layout->addLayout(acts);

    poll_ = new QTimer(this);
    poll_->setObjectName("findPoll");
    poll_->setInterval(100);

    connect(find_, &QPushButton::clicked, this, &FindDialog::find);
    connect(pattern_, &QLineEdit::returnPressed, this, &FindDialog::find);
    connect(stop_, &QPushButton::clicked, this, &FindDialog::stop);
    connect(poll_, &QTimer::timeout, this, &FindDialog::poll);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(results_, &QTreeWidget::itemSelectionChanged, this, &FindDialog::updateButtons);
    connect(get_, &QPushButton::clicked, this, [this] { actions_.get(chosen()); });
    connect(delete_, &QPushButton::clicked, this, [this] {
        actions_.remove(chosen());
        // The question's box belongs to the main window: the keys come back here.
        activateWindow();
    });
    const auto reveal = [this] {
        const std::vector<Found> one = chosen();
        if (one.size() == 1)
            actions_.reveal(one.front());
    };
    connect(reveal_, &QPushButton::clicked, this, reveal);
    connect(results_, &QTreeWidget::itemDoubleClicked, this, reveal);
    resize(640, 400);
    updateButtons();
}

FindDialog::~FindDialog() {
    // Nobody reads it any more: the session need not go on.
    if (search_ != nullptr)
        search_->stop();
}

void FindDialog::closeEvent(QCloseEvent* event) {
    stop();
    QDialog::closeEvent(event);
}

void FindDialog::reject() {
    stop();
    QDialog::reject();
}

void FindDialog::find() {
    const QString pattern = pattern_->text().trimmed();
    if (pattern.isEmpty())
        return;
    if (search_ != nullptr)
        search_->stop();
    results_->clear();
    shown_.clear();
    taken_ = 0;
    search_ = std::make_shared<RemoteSearch>(pattern.toStdString(), depth_->value());
    if (!actions_.start(search_)) {
        search_.reset();
        progress_->setText("Not connected");
    } else {
        poll_->start();
        poll();
    }
    updateButtons();
}

void FindDialog::stop() {
    if (search_ != nullptr)
        search_->stop();
    updateButtons();
}

void FindDialog::poll() {
    if (search_ == nullptr)
        return;
    const bool ended = search_->finished();  // first: what it found by then is read next
    for (Found& found : search_->results(taken_)) {
        ++taken_;
        const QString size = found.entry.type == EntryType::File && found.entry.size >= 0
                                 ? QString::fromStdString(FormatSize(found.entry.size, 1))
                                 : QString();
        auto* item = new FoundItem({QString::fromStdString(found.entry.name),
                                    QString::fromStdString(found.directory), size});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, kFoundRole, static_cast<qulonglong>(shown_.size()));
        item->setData(2, kSizeRole, static_cast<qlonglong>(found.entry.size));
        results_->addTopLevelItem(item);
        shown_.push_back(std::move(found));
    }
    progress_->setText(QString::fromStdString(search_->progressText()));
    if (ended)
        poll_->stop();
    updateButtons();
}

void FindDialog::dropFound(const std::string& directory, const std::string& name) {
    const std::string gone = joinPath(directory, name);
    const auto within = [&gone](const std::string& folder) {
        return folder.size() > gone.size() && folder.compare(0, gone.size(), gone) == 0 &&
               folder[gone.size()] == '/';
    };
    // The rows go; their results stay in shown_ unreached, so that the rows left keep
    // their places in it.
    for (int row = results_->topLevelItemCount(); row-- > 0;) {
        const size_t at = results_->topLevelItem(row)->data(0, kFoundRole).toULongLong();
        const Found& found = shown_[at];
        if ((found.directory == directory && found.entry.name == name) || found.directory == gone ||
            within(found.directory))
            delete results_->takeTopLevelItem(row);
    }
    updateButtons();
}

std::vector<FindDialog::Found> FindDialog::chosen() const {
    std::vector<Found> picked;
    for (int row = 0; row < results_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = results_->topLevelItem(row);
        const size_t at = item->data(0, kFoundRole).toULongLong();
        if (item->isSelected() && at < shown_.size())
            picked.push_back(shown_[at]);
    }
    return picked;
}

void FindDialog::updateButtons() {
    const bool running = search_ != nullptr && !search_->finished();
    stop_->setEnabled(running && !search_->stopRequested());
    const size_t picked = chosen().size();
    get_->setEnabled(picked > 0);
    delete_->setEnabled(picked > 0);
    reveal_->setEnabled(picked == 1);
}

}  // namespace nubo
