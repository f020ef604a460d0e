#include "shell/ui/main_sheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QProgressBar>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include "base/config_store.h"
#include "shell/progress_display.h"

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
    });

    // Ctrl+Q, as in every desktop program, is the close request.
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &MainSheet::closeRequested);

    restoreAction_ = menu_->addAction("&Restore", this, &MainSheet::restore);
    menu_->setDefaultAction(restoreAction_);
    logoffAction_ = menu_->addAction("Logoff and E&xit", this, [this](bool checked) {
        if (session_.setQuit)
            session_.setQuit(checked);
    });
    logoffAction_->setCheckable(true);
    menu_->addSeparator();
    menu_->addAction("&Close", this, &MainSheet::closeRequested);
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
}

void MainSheet::requestUninstall() {
    uninstallRequested_ = true;
    QMetaObject::invokeMethod(this, &MainSheet::closeRequested, Qt::QueuedConnection);
}

void MainSheet::setStatus(const QString& text) {
    setWindowTitle(QString::fromStdString(ProgressDisplay::title(text.toStdString())));
    tray_->setToolTip(trayToolTip());
}

void MainSheet::reportProgress(qint64 value, const QByteArray& format, bool hasFormat) {
    const ProgressDisplay::Update update =
        ProgressDisplay::progress(value, hasFormat ? format.constData() : nullptr);
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

void MainSheet::minimise() {
    if (activePage_ != nullptr)
        emit pageLeaving(activePage_);  // the Options page applies its edits first
    if (config_.GetInt("NoUITray") != 0 && trayAvailable_) {
        tray_->setToolTip(trayToolTip());
        tray_->show();
        hide();
        return;
    }
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
    // A minimise from the window manager goes through the same rules.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) &&
        !minimising_ && config_.GetInt("NoUITray") != 0 && trayAvailable_) {
        QMetaObject::invokeMethod(this, &MainSheet::minimise, Qt::QueuedConnection);
    }
}

void MainSheet::closeEvent(QCloseEvent* event) {
    if (shuttingDown_) {
        event->accept();
        return;
    }
    event->ignore();
    emit closeRequested();
}

}  // namespace nubo
