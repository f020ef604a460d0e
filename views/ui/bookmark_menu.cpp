#include "views/ui/bookmark_menu.h"

#include <QAction>
#include <QMenu>

namespace nubo {

BookmarkMenu::BookmarkMenu(SiteBookmarks& bookmarks, Sources sources, QObject* parent)
    : QObject(parent), bookmarks_(bookmarks), sources_(std::move(sources)) {}

void BookmarkMenu::addTo(QMenu* menu) {
    const std::string site = sources_.site();
    QAction* add = menu->addAction("Bookmark this folder", this, &BookmarkMenu::addCurrentFolder);
    add->setObjectName("bookmarkAdd");
    add->setEnabled(!site.empty() && !sources_.remoteFolder().empty());
    const std::vector<Bookmark> kept = bookmarks_.of(site);
    if (kept.empty())
        return;
    menu->addSeparator();
    for (size_t i = 0; i < kept.size(); ++i) {
        const Bookmark bookmark = kept[i];
        QAction* open = menu->addAction(QString::fromStdString(SiteBookmarks::label(bookmark)),
                                        this, [this, bookmark] {
                                            emit openWanted(QString::fromStdString(bookmark.remote),
                                                            QString::fromStdString(bookmark.local));
                                        });
        open->setObjectName(QString("bookmark%1").arg(i));
    }
    QMenu* remove = menu->addMenu("Remove bookmark");
    remove->setObjectName("bookmarkRemoveMenu");
    for (size_t i = 0; i < kept.size(); ++i) {
        QAction* item = remove->addAction(QString::fromStdString(SiteBookmarks::label(kept[i])),
                                          this, [this, site, i] { bookmarks_.remove(site, i); });
        item->setObjectName(QString("bookmarkRemove%1").arg(i));
    }
}

void BookmarkMenu::addCurrentFolder() {
    Bookmark bookmark{sources_.remoteFolder(), {}};
    const std::string local = sources_.localFolder ? sources_.localFolder() : std::string();
    if (!local.empty()) {
        const QMessageBox::StandardButton answer =
            sources_.ask("Bookmark this folder",
                         QString::fromStdString("Keep the local folder \"" + local + "\" with \"" +
                                                bookmark.remote + "\"?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes)
            bookmark.local = local;
    }
    bookmarks_.add(sources_.site(), bookmark);
}

}  // namespace nubo
