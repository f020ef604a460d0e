// Two small programs in one for the drag-out smoke test, run on an X server:
//   nubo_drag_probe receive OUTFILE        a window that takes a drop and writes its
//                                           text/uri-list to OUTFILE
//   nubo_drag_probe source FOLDER POSFILE [desktop]
//                                           the local view over FOLDER (as the Desktop
//                                           location with "desktop"); writes the screen
//                                           position of its first item to POSFILE
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QListView>
#include <QMimeData>
#include <QTimer>
#include <cstdio>

#include "views/local_directory_model.h"
#include "views/ui/directory_views.h"
#include "views/ui/local_table_model.h"
#include "views/ui/local_view.h"

namespace {

class DropTarget : public QWidget {
  public:
    explicit DropTarget(QString output) : output_(std::move(output)) {
        setAcceptDrops(true);
        setWindowTitle("Nubo drop target");
    }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasFormat("text/uri-list"))
            event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        QFile file(output_);
        if (file.open(QIODevice::WriteOnly))
            file.write(event->mimeData()->data("text/uri-list"));
        file.close();
        event->acceptProposedAction();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

  private:
    QString output_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const QString mode = argv[1];
    QTimer::singleShot(30000, &application, [] { QApplication::exit(1); });
    if (mode == "receive") {
        DropTarget target(QString::fromLocal8Bit(argv[2]));
        target.setGeometry(600, 100, 300, 300);
        target.show();
        return application.exec();
    }
    if (mode != "source" || argc < 4)
        return 2;
    nubo::LocalDirectoryModel model;
    nubo::LocalView view(model);
    view.setWindowTitle("Nubo drag source");
    view.setGeometry(50, 100, 400, 300);
    view.show();
    const bool desktop = argc > 4 && QString(argv[4]) == "desktop";
    view.start(argv[2], desktop ? argv[2] : "/nonexistent-desktop", {{"File System", "/"}});
    if (desktop && view.locations().currentItem().kind != nubo::LocalLocations::Kind::Desktop)
        return 3;
    const QString positions = QString::fromLocal8Bit(argv[3]);
    // Once the item is laid out, say where it is on the screen.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QListView* list = view.views()->list();
        if (view.tableModel()->rowCount() == 0)
            return;
        const QRect item = list->visualRect(view.tableModel()->index(0, 0));
        if (!item.isValid())
            return;
        const QPoint at = list->viewport()->mapToGlobal(item.center());
        QFile file(positions);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::number(at.x()) + " " + QByteArray::number(at.y()) + "\n");
        poll.stop();
    });
    poll.start(100);
    return application.exec();
}
