#include "shell/ui/main_sheet.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <optional>

#include "base/config_store.h"
#include "shell/progress_display.h"
#include "views/window_memory.h"

namespace nubo {

MainSheet::MainSheet(ConfigStore& config, QWidget* parent)
    : QWidget(parent),
      config_(config),
      tabs_(new QTabWidget(this)),
      bar_(new QProgressBar),
      tray_(new QSystemTrayIcon(this)),
      menu_(new QMenu(this)),
      trayAvailable_(QSystemTrayIcon::isSystemTrayAvailable()) {
    setWindowTitle(QString::fromStdString(ProgressDisplay::title({})));
    setWindowIcon(icons_.program());
    tabs_->setObjectName("mainTabs");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs_);

    // The progress bar sits at the right end of the tab row.
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setFixedWidth(fontMetrics().averageCharWidth() * 17);
    bar_->setMaximumHeight(fontMetrics().height());
    bar_->setToolTip("Progress of FTP file transfer");
    // A holder keeps the bar clear of the frame's edge and centred on the tab row.
    auto* corner = new QWidget(tabs_);
    auto* cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 2, 6, 2);
    cornerLayout->addWidget(bar_);
    tabs_->setCornerWidget(corner, Qt::TopRightCorner);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int) {
        if (activePage_ != nullptr)
            emit pageLeaving(activePage_);
        activePage_ = tabs_->currentWidget();
        if (activePage_ != nullptr)
            emit pageEntered(activePage_);
    });

    // Ctrl+Q, as in every desktop program, is the close request.
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &MainSheet::userClose);
    // The tabs' keys of desktop programs: Ctrl+PgDown and Ctrl+PgUp step through them
    // (round), Alt+1 to Alt+9 pick one (added with the pages). Ctrl+Tab stays with the
    // page (the Options page's own tabs take it); the tab widget would otherwise step.
    const auto step = [this](int by) {
        const int count = tabs_->count();
        if (count > 0)
            tabs_->setCurrentIndex((tabs_->currentIndex() + by + count) % count);
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    next->setObjectName("nextTabKey");
    connect(next, &QShortcut::activated, this, [step] { step(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    previous->setObjectName("previousTabKey");
    connect(previous, &QShortcut::activated, this, [step] { step(-1); });
    tabs_->installEventFilter(this);

    restoreAction_ = menu_->addAction("&Restore", this, &MainSheet::restore);
    menu_->setDefaultAction(restoreAction_);
    logoffAction_ = menu_->addAction("Logoff and E&xit", this, [this](bool checked) {
        if (session_.setQuit)
            session_.setQuit(checked);
    });
    logoffAction_->setCheckable(true);
    menu_->addSeparator();
    menu_->addAction("&Close", this, &MainSheet::userClose);
    connect(menu_, &QMenu::aboutToShow, this, &MainSheet::updateTrayMenu);
    tray_->setContextMenu(menu_);
    tray_->setIcon(icons_.program());
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick)
            restore();
    });
}

MainSheet::~MainSheet() {
    tray_->hide();
}

void MainSheet::addPage(QWidget* page, const QString& title, const QString& toolTip) {
    const int index = tabs_->addTab(page, title);
    tabs_->setTabToolTip(index, toolTip);
    if (activePage_ == nullptr)
        activePage_ = page;
    if (index < 9) {
        auto* pick = new QShortcut(QKeySequence(Qt::ALT | (Qt::Key_1 + index)), this);
        pick->setObjectName(QString("tabKey%1").arg(index + 1));
        connect(pick, &QShortcut::activated, this,
                [this, index] { tabs_->setCurrentIndex(index); });
    }
}

void MainSheet::resizeWithinScreen(QSize wanted) {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        resize(wanted);
        return;
    }
    // The window manager's frame comes on top. The pages' least sizes still hold (the
    // window cannot be smaller than they are).
    const QRect area = screen->availableGeometry();
    const QMargins margins = frameEstimate();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize size = wanted.boundedTo(area.size() - frame).expandedTo(minimumSizeHint());
    resize(size);
    move(area.x() + std::max(0, (area.width() - size.width() - frame.width()) / 2),
         area.y() + std::max(0, (area.height() - size.height() - frame.height()) / 2));
}

QMargins MainSheet::frameEstimate() const {
    const int border = 8;  // window managers draw 0 to 5 pixels; some room to spare
    return {border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
}

void MainSheet::rememberPlacement() {
    const std::optional<WindowMemory::Placement> kept = WindowMemory(config_).placement();
    if (kept) {
        const QMargins frame = frameEstimate();
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->availableGeometry();
            const QSize least = minimumSizeHint();
            const std::optional<WindowMemory::Rect> rect =
                WindowMemory::fit(*kept, screen->name().toStdString(),
                                  {area.x(), area.y(), area.width(), area.height()},
                                  {frame.left(), frame.top(), frame.right(), frame.bottom()},
                                  least.width(), least.height());
            if (rect) {
                setGeometry(rect->x, rect->y, rect->width, rect->height);
                break;
            }
        }
        if (kept->maximised)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    remembering_ = true;
}

void MainSheet::keepPlacement() {
    if (!remembering_ || !isVisible() || isMinimized() || screen() == nullptr)
        return;
    WindowMemory memory(config_);
    WindowMemory::Placement placement = memory.placement().value_or(WindowMemory::Placement{});
    placement.maximised = isMaximized();
    // A maximised window keeps the rectangle it had before, which it returns to.
    if (!isMaximized() && !isFullScreen()) {
        const QRect rect = geometry();
        placement.normal = {rect.x(), rect.y(), rect.width(), rect.height()};
        placement.screen = screen()->name().toStdString();
    }
    memory.setPlacement(placement);
}

void MainSheet::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    keepPlacement();
}

void MainSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keepPlacement();
}

void MainSheet::requestUninstall() {
    uninstallRequested_ = true;
    QMetaObject::invokeMethod(this, &MainSheet::closeRequested, Qt::QueuedConnection);
}

void MainSheet::setStatus(const QString& text) {
    setWindowTitle(QString::fromStdString(ProgressDisplay::title(text.toStdString())));
    tray_->setToolTip(trayToolTip());
}

void MainSheet::reportProgress(const TransferProgress& progress) {
    const ProgressDisplay::Update update = ProgressDisplay::progress(
        batch_ ? ProgressDisplay::wholeBatch(progress, batch_()) : progress);
    if (update.moves) {
        showIcon(update.icon);
        bar_->setValue(update.bar);
    }
    if (update.hasStatus)
        setStatus(QString::fromStdString(update.status));
}

void MainSheet::showIcon(int index) {
    if (index == iconIndex_)
        return;  // changed only when the selection differs
    iconIndex_ = index;
    tray_->setIcon(icons_.forIndex(index));
}

QString MainSheet::trayToolTip() const {
    return QString::fromStdString(ProgressDisplay::trayTip(windowTitle().toStdString()));
}

bool MainSheet::trayShown() const {
    return tray_->isVisible();
}

QMenu* MainSheet::trayMenu() {
    updateTrayMenu();
    return menu_;
}

void MainSheet::updateTrayMenu() {
    const bool exists = session_.exists && session_.exists();
    logoffAction_->setEnabled(exists);
    logoffAction_->setChecked(exists && session_.quitPending && session_.quitPending());
}

bool MainSheet::hideToTray() {
    if (activePage_ != nullptr)
        emit pageLeaving(activePage_);  // the Options page applies its edits first
    if (config_.GetInt("NoUITray") == 0 || !trayAvailable_)
        return false;
    tray_->setToolTip(trayToolTip());
    tray_->show();
    hide();
    return true;
}

void MainSheet::minimise() {
    if (hideToTray())
        return;
    minimising_ = true;
    showMinimized();
    minimising_ = false;
}

void MainSheet::restore() {
    if (tray_->isVisible()) {
        tray_->hide();
    }
    showNormal();
    raise();
    activateWindow();
}

void MainSheet::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        keepPlacement();
    // A minimise from the window manager goes through the same rules; the window hides
    // once the window manager is done minimising it.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
        !minimising_) {
        QMetaObject::invokeMethod(
            this, [this] { hideToTray(); }, Qt::QueuedConnection);
    }
}

bool MainSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & Qt::ControlModifier)) {
            moveFocusWithinPage(key->key() == Qt::Key_Tab &&
                                !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainSheet::moveFocusWithinPage(bool forward) {
    QWidget* page = tabs_->currentWidget();
    if (page == nullptr)
        return;
    // The window's focus chain, skipping what lies outside the page (the tab bar).
    for (int tries = 0; tries < 4; ++tries) {
        focusNextPrevChild(forward);
        const QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && page->isAncestorOf(focus))
            return;
    }
}

void MainSheet::closeEvent(QCloseEvent* event) {
    if (shuttingDown_) {
        event->accept();
        return;
    }
    event->ignore();
    userClose();
}

void MainSheet::userClose() {
    if (!closeQuestion_ || closeQuestion_())
        emit closeRequested();
}

}  // namespace nubo
