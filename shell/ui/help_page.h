#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "shell/help_topics.h"

class QDialog;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;

namespace nubo {

class AppLog;

// The last tab: "About" in the Classic interface, "Help" with the topic tree in the large
// one. The buttons open the web page and a mail to support through the desktop. A topic
// opens its local HTML file in the program's own help window ("helpViewer", which needs
// no browser and follows the links between the pages); a topic without a local file
// opens the same page on the web site, and when no browser starts, the help window says
// so and gives the address.
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
    // Opens a topic of the guide (F1 on a page), as a click on it in the tree does.
    void openTarget(const HelpTopics::Topic& topic);
    void openWebPage();
    void openMail();

    QTreeWidget* topicTree() const { return tree_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The clipboard fallback when no program opened the address.
    void placeInClipboard(const QString& text);
    // The help window, made the first time, shown and raised.
    QTextBrowser* showViewer(const QString& title);
    // A link in the help window: help pages there, anything else through the desktop.
    void followLink(const QUrl& url);

    AppLog& log_;
    std::string helpFolder_;
    Opener opener_;
    QTreeWidget* tree_ = nullptr;
    QDialog* window_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    std::vector<HelpTopics::Topic> topics_;
    bool filled_ = false;
};

}  // namespace nubo
