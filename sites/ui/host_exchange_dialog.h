#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "sites/host_exchange.h"
#include "sites/ui/file_dialog_runner.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace nubo {

class SiteList;
class SitePasswords;

// The "Nubo Import/Export Tool": sites to and from "[NuboEx]" text through a file, the
// clipboard or files dropped on it. Its file dialogs run through a replaceable runner, so
// that tests act in them without a modal loop.
class HostExchangeDialog : public QDialog {
    Q_OBJECT

  public:
    // passwords: where the sites' saved passwords are when not in the settings file (an
    // export reads them from the keyring first); null: all of them are there.
    HostExchangeDialog(SiteList& sites, SitePasswords* passwords = nullptr,
                       QWidget* parent = nullptr);

    void setFileDialogRunner(FileDialogRunner runner) { runner_ = std::move(runner); }
    // Called with the names an import added (for the Host page's URL box).
    void setAddedHandler(std::function<void(const std::vector<std::string>&)> handler) {
        added_ = std::move(handler);
    }

    void exportToFile();
    void importFromFile();
    void copyToClipboard();
    void pasteFromClipboard();
    void importFile(const QString& path);

    QListWidget* list() const { return list_; }
    QString status() const;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // A file to export to (save) or import from; empty when cancelled.
    QString chooseFile(bool save);
    std::vector<std::string> chosenNames() const;
    void fillList();
    void showStatus(const std::string& text);
    void announceAdded();
    // Runs an export once the keyring has given the chosen sites' passwords; the dialog
    // stays live meanwhile. The status then says how many it could not give.
    void withPasswords(
        std::function<void(const HostExchange::Passwords&, const std::string& missing)> work);

    SiteList& sites_;
    SitePasswords* passwords_;
    HostExchange exchange_;
    FileDialogRunner runner_;
    std::function<void(const std::vector<std::string>&)> added_;
    QListWidget* list_;
    QLabel* status_;
    QPushButton* paste_;
};

}  // namespace nubo
