#include "tests/gui/view_input.h"

#include "tests/gui/gui_test_util.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <functional>
#include <memory>

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

// Runs open while watch is tried at every pass of the event loop (opening a menu or a
// box may pass through it before they show) until watch says it is done; then gives
// the window back its activation.
void whileOpening(const std::function<void()>& open, const std::function<bool()>& watch) {
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (watch())
            watcher.stop();
    });
    QWidget* window = QApplication::activeWindow();
    watcher.start(0);
    open();
    watcher.stop();
    // The offscreen platform hands activation to the menu's window and not back: the
    // window manager of a desktop leaves the window active, so the test gives it back.
    if (window != nullptr && QApplication::activeWindow() != window) {
        window->activateWindow();
        QTest::qWaitForWindowActive(window);
    }
}

// While the next menu is shown: its items' names are read and one is chosen with the
// keyboard, as a person picks it (the menu closes, then the item acts).
QStringList pickFromNextMenu(const QString& path, const std::function<void()>& open) {
    QStringList offered;
    // "menuView/menuDetails": the submenus on the way are opened with the Right key.
    QStringList steps = path.split('/');
    const QString choose = steps.takeLast();
    QString opening;  // the submenu asked for, until it shows (a few passes at most)
    int passes = 0;
    whileOpening(open, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return false;
        if (!opening.isEmpty() && menu->objectName() != opening && ++passes < 100)
            return false;
        opening.clear();
        if (!steps.isEmpty()) {
            for (QAction* item : menu->actions()) {
                if (item->menu() != nullptr && item->menu()->objectName() == steps.front()) {
                    opening = steps.takeFirst();
                    menu->setActiveAction(item);
                    QTest::keyClick(menu, Qt::Key_Right);
                    return false;
                }
            }
        }
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
            // Every menu open on the way closes, a submenu's parent too.
            while (QWidget* shown = QApplication::activePopupWidget())
                QTest::keyClick(shown, Qt::Key_Escape);
        }
        return true;
    });
    return offered;
}

}  // namespace

QStringList contextMenuAt(QAbstractItemView* view, const QPoint& at, const QString& choose) {
    return contextMenuOn(view->viewport(), at, choose);
}

namespace {

void rightClick(QWidget* widget, const QPoint& at) {
    // On X11 and Wayland desktops the press brings the menu up at once, and the release
    // then goes to the menu, not to the widget: it sees the press alone.
    const QPoint global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(global), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, global);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

QStringList contextMenuOn(QWidget* widget, const QPoint& at, const QString& choose) {
    return pickFromNextMenu(choose, [widget, at] { rightClick(widget, at); });
}

bool holdContextMenuAt(QAbstractItemView* view, const QPoint& at,
                       const std::function<bool()>& until, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    bool seen = false;
    whileOpening([view, at] { rightClick(view->viewport(), at); },
                 [&] {
                     QWidget* menu = QApplication::activePopupWidget();
                     if (menu == nullptr)
                         return false;
                     seen = until();
                     if (!seen && clock.elapsed() < timeoutMs)
                         return false;
                     while (QWidget* shown = QApplication::activePopupWidget())
                         QTest::keyClick(shown, Qt::Key_Escape);
                     return true;
                 });
    return seen;
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
    // An action just made visible shows its button at the tool bar's next layout pass.
    QWidget* shown = nullptr;
    pumpUntil(
        [&] {
            for (QObject* object : action->associatedObjects()) {
                auto* bar = qobject_cast<QToolBar*>(object);
                QWidget* button = bar != nullptr ? bar->widgetForAction(action) : nullptr;
                if (button != nullptr && button->isVisible()) {
                    shown = button;
                    return true;
                }
            }
            return false;
        },
        2000);
    if (shown == nullptr)
        return false;
    QTest::mouseClick(shown, Qt::LeftButton);
    return true;
}

BoxSeen closeNextBox(const std::function<void()>& act, QMessageBox::StandardButton button,
                     const QString& shot) {
    BoxSeen seen;
    const auto actAndPass = [&act] {
        act();
        QCoreApplication::processEvents();  // a box posted for the loop's next pass
    };
    whileOpening(actAndPass, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return false;
        seen.objectName = box->objectName();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (!shot.isEmpty()) {
            QCoreApplication::processEvents();  // painted before it is taken
            const bool screen = QGuiApplication::platformName() == "xcb";
            (screen ? box->screen()->grabWindow(0) : box->grab()).save(shot);
        }
        if (QAbstractButton* close = box->button(button))
            QTest::mouseClick(close, Qt::LeftButton);
        else
            box->reject();
        return true;
    });
    return seen;
}

BoxSeen closeBoxWhenShown(QMessageBox::StandardButton button, int timeoutMs, const QString& shot,
                          const std::function<void()>& act) {
    BoxSeen seen;
    bool closed = false;
    QTimer watcher;
    // Runs inside the box's own event loop, once it is up.
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (closed || box == nullptr || !box->isVisible())
            return;
        closed = true;
        seen = {box->objectName(), box->windowTitle(), box->text(), box->icon(),
                box->standardButtons()};
        if (!shot.isEmpty())
            box->grab().save(shot);
        if (QAbstractButton* close = box->button(button))
            QTest::mouseClick(close, Qt::LeftButton);
        else
            box->reject();
    });
    QWidget* window = QApplication::activeWindow();
    watcher.start(10);
    if (act)
        act();
    QElapsedTimer clock;
    clock.start();
    while (!closed && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // As after a menu: the offscreen platform does not give the window its activation back.
    if (window != nullptr && QApplication::activeWindow() != window) {
        window->activateWindow();
        QTest::qWaitForWindowActive(window);
    }
    return seen;
}

void answerConflicts(const char* dialog, std::vector<ConflictClick> clicks,
                     std::vector<ConflictSeen>* seen, QObject* owner) {
    auto* timer = new QTimer(owner);
    timer->setInterval(20);
    auto left = std::make_shared<std::vector<ConflictClick>>(std::move(clicks));
    QObject::connect(timer, &QTimer::timeout, [=] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (box == nullptr || top->objectName() != dialog || !top->isVisible() || left->empty())
                continue;
            const auto* resume = box->findChild<QPushButton*>("conflictResume");
            seen->push_back({box->windowTitle(), box->text(), box->informativeText(),
                             resume != nullptr && resume->isEnabled()});
            const QByteArray shots = qgetenv("NUBO_VIEW_SHOTS");
            if (!shots.isEmpty()) {
                box->grab().save(QString("%1/%2-%3.png")
                                     .arg(QString::fromUtf8(shots), QString(dialog))
                                     .arg(seen->size()));
            }
            const ConflictClick click = left->front();
            left->erase(left->begin());
            if (click.forAll) {
                auto* check = box->findChild<QCheckBox*>("conflictForAll");
                QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
            }
            auto* chosen = box->findChild<QPushButton*>(click.button);
            QTest::mouseClick(chosen, Qt::LeftButton, {}, chosen->rect().center());
            if (left->empty()) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
    });
    timer->start();
}

}  // namespace nubo::test
