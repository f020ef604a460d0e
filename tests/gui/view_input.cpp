#include "tests/gui/view_input.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <functional>

namespace nubo::test {

bool showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

int rowNamed(const QAbstractItemModel* model, const QString& name) {
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == name)
            return row;
    }
    return -1;
}

QPoint itemCentre(QAbstractItemView* view, int row) {
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    return view->visualRect(index).center();
}

void clickItem(QAbstractItemView* view, int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, itemCentre(view, row));
}

void doubleClickItem(QAbstractItemView* view, int row) {
    const QPoint at = itemCentre(view, row);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

void typeText(const QString& text) {
    QTest::keyClicks(static_cast<QWidget*>(nullptr), text);
}

namespace {

// While the next menu is shown: its items' names are read and one is chosen with the
// keyboard, as a person picks it (the menu closes, then the item acts).
QStringList pickFromNextMenu(const QString& choose, const std::function<void()>& open) {
    QStringList offered;
    // Tried at every pass of the event loop until the menu is there (opening it may pass
    // through the event loop before the menu shows).
    QTimer picker;
    QObject::connect(&picker, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        picker.stop();
        QAction* chosen = nullptr;
        for (QAction* item : menu->actions()) {
            const QString name = item->menu() ? item->menu()->objectName() : item->objectName();
            if (item->isSeparator() || name.isEmpty())
                continue;
            offered << name;
            if (name == choose && item->isEnabled())
                chosen = item;
        }
        if (chosen != nullptr) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
    QWidget* window = QApplication::activeWindow();
    picker.start(0);
    open();
    picker.stop();
    // The offscreen platform hands activation to the menu's window and not back: the
    // window manager of a desktop leaves the window active, so the test gives it back.
    if (window != nullptr && QApplication::activeWindow() != window) {
        window->activateWindow();
        QTest::qWaitForWindowActive(window);
    }
    return offered;
}

}  // namespace

QStringList contextMenuAt(QAbstractItemView* view, const QPoint& at, const QString& choose) {
    return pickFromNextMenu(choose, [view, at] {
        // On X11 and Wayland desktops the press brings the menu up at once, and the
        // release then goes to the menu, not to the view: the view sees the press alone.
        const QPoint global = view->viewport()->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(global), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &press);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, global);
        QCoreApplication::sendEvent(view->viewport(), &event);
    });
}

QStringList contextMenuByKey(const QString& choose) {
    return pickFromNextMenu(choose, [] {
        pressKey(Qt::Key_Menu);
        // A desktop's platform turns the key into a context menu event for the window,
        // which hands it to the focus widget (the offscreen platform does not).
        QWidget* window = QApplication::activeWindow();
        if (window == nullptr || window->windowHandle() == nullptr)
            return;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    });
}

bool clickToolAction(QAction* action) {
    if (action == nullptr)
        return false;
    for (QObject* object : action->associatedObjects()) {
        auto* bar = qobject_cast<QToolBar*>(object);
        QWidget* button = bar != nullptr ? bar->widgetForAction(action) : nullptr;
        if (button != nullptr && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

}  // namespace nubo::test
