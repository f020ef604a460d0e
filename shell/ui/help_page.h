#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "shell/help_topics.h"

class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace nubo {

class AppLog;

// The last tab: "About" in the Classic interface, "Help" with the topic tree in the large
// one. The buttons open the web page and a mail to support through the desktop; a topic
// opens its local HTML file or the same page on the web site.
class HelpPage : public QWidget {
    Q_OBJECT

  public:
    // Opens a URL with the desktop's default program; false when it could not.
    using Opener = std::function<bool(const QUrl&)>;

    HelpPage(AppLog& log, bool classic, const std::string& helpFolder, QWidget* parent = nullptr);

    // Replaces the desktop opener (tests capture what would open).
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // Fills the tree once, the first time the page is shown.
    void fillTopics();
    void openTopic(QTreeWidgetItem* item);
    void openWebPage();
    void openMail();

    QTreeWidget* topicTree() const { return tree_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The clipboard fallback when no program opened the address.
    void placeInClipboard(const QString& text);

    AppLog& log_;
    std::string helpFolder_;
    Opener opener_;
    QTreeWidget* tree_ = nullptr;
    std::vector<HelpTopics::Topic> topics_;
    bool filled_ = false;
};

}  // namespace nubo
