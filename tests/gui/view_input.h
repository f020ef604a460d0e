#pragma once

#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>
#include <ostream>
#include <vector>

class QAbstractItemModel;
class QAbstractItemView;
class QAction;
class QObject;
class QWidget;

namespace nubo::test {

// What a person does to a window: the mouse at an item's rectangle, keys where the
// keyboard focus is, the context menu where the pointer is. Nothing here touches a
// selection model; the views select what the clicks select.

// Shows a top-level widget and makes it the active window (the keyboard goes there).
bool showActive(QWidget* window);
// The row whose first cell reads name, -1 when none.
int rowNamed(const QAbstractItemModel* model, const QString& name);
// The centre of a row's item in a view (scrolled into sight first).
QPoint itemCentre(QAbstractItemView* view, int row);
void clickItem(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers = {});
// Press, release, the double click and its release, as a mouse sends them.
void doubleClickItem(QAbstractItemView* view, int row);
// A key pressed and released where the focus is, through the window.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
void typeText(const QString& text);
// A right click at a point of a view's viewport, as a Linux desktop delivers it (the
// press, then the menu, which takes the release): the context menu the view opens is
// read while it is shown, the item with the object name choose is clicked (an empty
// name: Escape closes it), and the object names of its items are returned. A path
// ("menuView/menuDetails") opens the submenus on the way with the Right key.
QStringList contextMenuAt(QAbstractItemView* view, const QPoint& at, const QString& choose);
// The same on any widget (a path box's line edit, say).
QStringList contextMenuOn(QWidget* widget, const QPoint& at, const QString& choose);
// A right click as contextMenuAt, whose menu stays open (a person reading it) until
// `until` holds or timeoutMs pass, then closes with Escape; whether `until` held.
bool holdContextMenuAt(QAbstractItemView* view, const QPoint& at,
                       const std::function<bool()>& until, int timeoutMs = 20000);
// The Menu key where the focus is (on a view: its current item's menu): as contextMenuAt.
QStringList contextMenuByKey(const QString& choose);
// Clicks the tool button that shows an action.
bool clickToolAction(QAction* action);

// A message box as a person saw it.
struct BoxSeen {
    QString objectName;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};
// Runs act and one pass of the event loop; the first message box they open is read
// while it is shown, saved as a PNG to shot when one is named (the whole screen on a
// real X server, else the box), and closed with a click on its button. Nothing opened:
// an empty title.
BoxSeen closeNextBox(const std::function<void()>& act, QMessageBox::StandardButton button,
                     const QString& shot = {});

// The same for a box that opens later, from the event loop (after the session answered):
// waits up to timeoutMs for it to show, and saves it to shot when one is named. Nothing
// opened: an empty title. `act` (a key, a click) runs once the watch is on, so a box it
// opens at once, in its own loop, is closed too.
BoxSeen closeBoxWhenShown(QMessageBox::StandardButton button, int timeoutMs = 20000,
                          const QString& shot = {}, const std::function<void()>& act = {});

// A click on a conflict box: its button (by object name), with "for all" ticked first.
struct ConflictClick {
    const char* button;
    bool forAll = false;
};
// What a person saw of a conflict box before answering it.
struct ConflictSeen {
    QString title;
    QString text;
    QString facts;  // the informative text
    bool resumeOffered = false;
};
// Answers the conflict boxes of that object name as they show, with the clicks in turn,
// noting what each showed (and saving it to NUBO_VIEW_SHOTS when that names a folder);
// ends with `owner` when clicks are left over.
void answerConflicts(const char* dialog, std::vector<ConflictClick> clicks,
                     std::vector<ConflictSeen>* seen, QObject* owner);

}  // namespace nubo::test

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
