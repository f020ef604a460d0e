#include "sites/ui/host_exchange_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "sites/site_list.h"
#include "sites/site_passwords.h"

namespace nubo {

HostExchangeDialog::HostExchangeDialog(SiteList& sites, SitePasswords* passwords, QWidget* parent)
    : QDialog(parent),
      sites_(sites),
      passwords_(passwords),
      exchange_(sites),
      list_(new QListWidget(this)),
      status_(new QLabel(this)),
      paste_(new QPushButton("Paste", this)) {
    setWindowTitle("Nubo Import/Export Tool");
    setAcceptDrops(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fillList();

    auto* import = new QPushButton("Import...", this);
    import->setToolTip("Import [previously Exported] host entries from file");
    paste_->setToolTip("Import [previously Exported] host entries from Clipboard");
    auto* exportButton = new QPushButton("Export...", this);
    exportButton->setToolTip("Export [all or selected] host entries to file");
    auto* copy = new QPushButton("Copy", this);
    import->setObjectName("importButton");
    paste_->setObjectName("pasteButton");
    exportButton->setObjectName("exportButton");
    copy->setObjectName("copyButton");
    copy->setToolTip("Export [all or selected] host entries to Clipboard");
    const QClipboard* clipboard = QApplication::clipboard();
    paste_->setEnabled(clipboard != nullptr && !clipboard->text().isEmpty());
    connect(import, &QPushButton::clicked, this, &HostExchangeDialog::importFromFile);
    connect(paste_, &QPushButton::clicked, this, &HostExchangeDialog::pasteFromClipboard);
    connect(exportButton, &QPushButton::clicked, this, &HostExchangeDialog::exportToFile);
    connect(copy, &QPushButton::clicked, this, &HostExchangeDialog::copyToClipboard);

    auto* buttons = new QGridLayout;
    buttons->addWidget(import, 0, 0);
    buttons->addWidget(paste_, 0, 1);
    buttons->addWidget(exportButton, 1, 0);
    buttons->addWidget(copy, 1, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(box);
}

QString HostExchangeDialog::chooseFile(bool save) {
    QFileDialog dialog(this, save ? "Export host entries" : "Import host entries", {},
                       "Text files (*.txt)");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) {
        // The dialog adds the suffix itself, so that it asks about the file that is
        // written. Qt's own dialog: the desktop's may ask about the name as typed.
        dialog.setDefaultSuffix("txt");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    }
    return runFileDialog(dialog, runner_);
}

void HostExchangeDialog::fillList() {
    list_->clear();
    for (const std::string& name : sites_.siteNames())
        list_->addItem(QString::fromStdString(name));
}

std::vector<std::string> HostExchangeDialog::chosenNames() const {
    // The selected names in list order; none selected means all (an empty vector).
    std::vector<std::string> names;
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->isSelected())
            names.push_back(list_->item(row)->text().toStdString());
    }
    return names;
}

QString HostExchangeDialog::status() const {
    return status_->text();
}

void HostExchangeDialog::showStatus(const std::string& text) {
    status_->setText(QString::fromStdString(text));
}

void HostExchangeDialog::withPasswords(
    std::function<void(const HostExchange::Passwords&, const std::string& missing)> work) {
    if (passwords_ == nullptr) {
        work({}, {});
        return;
    }
    showStatus("Reading passwords from the keyring...");
    QPointer<HostExchangeDialog> self(this);
    passwords_->gather(
        chosenNames(), [self, work](const HostExchange::Passwords& passwords, int missing) {
            if (self == nullptr)
                return;  // closed meanwhile: nothing is exported
            work(passwords, missing == 0 ? std::string()
                                         : "; " + std::to_string(missing) + " without password (" +
                                               SitePasswords::kUnavailable + ")");
        });
}

void HostExchangeDialog::exportToFile() {
    if (list_->count() == 0)
        return;
    const QString path = chooseFile(true);
    if (path.isEmpty())
        return;
    const std::vector<std::string> names = chosenNames();
    withPasswords(
        [this, path, names](const HostExchange::Passwords& passwords, const std::string& missing) {
            std::string status;
            if (exchange_.exportToFile(path.toStdString(), names, &status, passwords) > 0)
                status += missing;
            showStatus(status);
        });
}

void HostExchangeDialog::copyToClipboard() {
    if (list_->count() == 0)
        return;
    const std::vector<std::string> names = chosenNames();
    withPasswords(
        [this, names](const HostExchange::Passwords& passwords, const std::string& missing) {
            const std::string text = exchange_.exportText(names, passwords);
            if (QClipboard* clipboard = QApplication::clipboard()) {
                clipboard->setText(
                    QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
                const size_t count = names.empty() ? sites_.siteNames().size() : names.size();
                showStatus(std::to_string(count) + " entries placed in clipboard" + missing);
            }
        });
}

void HostExchangeDialog::importFromFile() {
    const QString path = chooseFile(false);
    if (!path.isEmpty())
        importFile(path);
}

void HostExchangeDialog::importFile(const QString& path) {
    std::string status;
    exchange_.importFromFile(path.toStdString(), &status);
    showStatus(status);
    announceAdded();
}

void HostExchangeDialog::pasteFromClipboard() {
    const QClipboard* clipboard = QApplication::clipboard();
    const QString text = clipboard != nullptr ? clipboard->text() : QString();
    if (text.isEmpty()) {
        showStatus("No text in clipboard");
        return;
    }
    std::string status;
    exchange_.importText(text.toLatin1().toStdString(), &status);
    showStatus(status);
    announceAdded();
}

void HostExchangeDialog::announceAdded() {
    // Imported passwords come scrambled: they go on into the keyring.
    if (passwords_ != nullptr)
        passwords_->moveScrambled();
    if (exchange_.addedNames().empty())
        return;
    fillList();
    if (added_)
        added_(exchange_.addedNames());
}

void HostExchangeDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void HostExchangeDialog::dropEvent(QDropEvent* event) {
    // Dropped files are imported one after the other.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            importFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}

}  // namespace nubo
