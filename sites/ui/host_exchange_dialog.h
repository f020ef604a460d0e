#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "sites/host_exchange.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace nubo {

class SiteList;

// The "Nubo Import/Export Tool": sites to and from "[NuboEx]" text through a file, the
// clipboard or files dropped on it. The file chooser can be replaced, so that tests need
// no modal file dialog.
class HostExchangeDialog : public QDialog {
    Q_OBJECT

  public:
    // Chooses a file: for saving (true) or opening (false); an empty text cancels.
    using FileChooser = std::function<QString(bool save)>;

    HostExchangeDialog(SiteList& sites, QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
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
    std::vector<std::string> chosenNames() const;
    void fillList();
    void showStatus(const std::string& text);
    void announceAdded();

    SiteList& sites_;
    HostExchange exchange_;
    FileChooser chooser_;
    std::function<void(const std::vector<std::string>&)> added_;
    QListWidget* list_;
    QLabel* status_;
    QPushButton* paste_;
};

}  // namespace nubo
