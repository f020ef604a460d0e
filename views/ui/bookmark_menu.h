#pragma once

#include <QMessageBox>
#include <QObject>
#include <functional>
#include <string>

#include "sites/site_bookmarks.h"

class QMenu;

namespace nubo {

// The bookmarks in the remote path box's menu: "Bookmark this folder" (with the local
// folder shown beside it when the user says so), the site's bookmarks, a click on one
// entering its folders, and "Remove bookmark". Kept by SiteBookmarks.
class BookmarkMenu : public QObject {
    Q_OBJECT

  public:
    using Ask = std::function<QMessageBox::StandardButton(const QString& title, const QString& text,
                                                          QMessageBox::StandardButtons buttons)>;
    struct Sources {
        std::function<std::string()> site;          // the session's site; empty: none
        std::function<std::string()> remoteFolder;  // the folder shown; empty: none
        std::function<std::string()> localFolder;   // the side view's; empty: none
        Ask ask;
    };

    BookmarkMenu(SiteBookmarks& bookmarks, Sources sources, QObject* parent = nullptr);

    // Adds the items at the end of a menu.
    void addTo(QMenu* menu);
    void addCurrentFolder();

  signals:
    // A bookmark was chosen: enter its folders (local empty: the remote one alone).
    void openWanted(const QString& remote, const QString& local);

  private:
    SiteBookmarks& bookmarks_;
    Sources sources_;
};

}  // namespace nubo
