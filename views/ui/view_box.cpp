#include "views/ui/view_box.h"

namespace nubo {

namespace {

// The rename and new-folder errors, all titled "Rename", carry the stop icon; questions
// that lose something (delete, overwrite) the warning one; the rest (keeping a local
// folder with a bookmark) the question mark.
QMessageBox::Icon iconFor(const QString& title) {
    if (title == "Rename")
        return QMessageBox::Critical;
    if (title == "Bookmark this folder")
        return QMessageBox::Question;
    return QMessageBox::Warning;
}

}  // namespace

QMessageBox::StandardButton showViewBox(QWidget* parent, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons) {
    QMessageBox box(iconFor(title), title, text, buttons, parent);
    box.setObjectName("viewBox");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace nubo
