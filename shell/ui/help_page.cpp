#include "shell/ui/help_page.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/app_log.h"
#include "nubo_version.h"
#include "shell/ui/program_icons.h"

namespace nubo {

namespace {

constexpr const char* kProductLine = "Nubo PRO - FTP Client for Linux";
constexpr const char* kNotice =
    "NuboPRO moves files between this computer and FTP servers: browse a site beside "
    "your own folders, transfer in ASCII, Image or Smart mode, resume broken "
    "transfers, and go through FTP proxies and SOCKS servers. This program comes with no warranty. "
    "Passwords that you let it keep are stored "
    "scrambled in your settings file, which only you can read.";

// The decorative strip down the left edge: tiles of its own width from the top down,
// the 48 x 48 program icon 8 pixels from the top, and the version in yellow.
class DecorativeStrip : public QWidget {
  public:
    explicit DecorativeStrip(QWidget* parent) : QWidget(parent) {
        const int width = fontMetrics().averageCharWidth() * 12;
        setFixedWidth(std::max(width, 64));
        setMinimumHeight(200);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int tile = width();
        for (int y = 0; y < height(); y += tile) {
            QLinearGradient sky(0, y, 0, y + tile);
            sky.setColorAt(0, QColor(0x1f, 0x5f, 0xa8));
            sky.setColorAt(1, QColor(0x2f, 0x80, 0xd0));
            painter.fillRect(0, y, tile, tile, sky);
            painter.setPen(QColor(255, 255, 255, 40));
            painter.drawEllipse(QPoint(tile / 2, y + tile / 2), tile / 3, tile / 5);
        }
        painter.drawPixmap((tile - 48) / 2, 8, icons_.programPixmap(48));
        painter.setPen(QColor(255, 230, 0));
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const QRect text(0, 64, tile, fontMetrics().height() * 3);
        painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop,
                         QString("Version\n%1").arg(kVersionText));
    }

  private:
    ProgramIcons icons_;
};

}  // namespace

HelpPage::HelpPage(AppLog& log, bool classic, const std::string& helpFolder, QWidget* parent)
    : QWidget(parent),
      log_(log),
      helpFolder_(helpFolder),
      opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    auto* product = new QLabel(kProductLine, this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    product->setFont(bold);
    auto* notice = new QPlainTextEdit(kNotice, this);
    notice->setReadOnly(true);
    notice->setMinimumHeight(fontMetrics().height() * 5);
    if (!classic) {
        // The topics are what the large form is for: the notice keeps to a few lines.
        notice->setMaximumHeight(fontMetrics().height() * 8);
    }

    auto* web = new QPushButton(HelpTopics::kWebAddress, this);
    web->setToolTip("Go to Nubo PRO homepage using DEFAULT Web browser");
    auto* mail = new QPushButton(HelpTopics::kSupportAddress, this);
    mail->setToolTip("Send email to Nubo PRO support using DEFAULT mail client");
    connect(web, &QPushButton::clicked, this, &HelpPage::openWebPage);
    connect(mail, &QPushButton::clicked, this, &HelpPage::openMail);
    auto* links = new QGridLayout;
    links->addWidget(new QLabel("Web:", this), 0, 0);
    links->addWidget(web, 0, 1);
    links->addWidget(new QLabel("E-Mail:", this), 1, 0);
    links->addWidget(mail, 1, 1);
    links->setColumnStretch(2, 1);

    auto* column = new QVBoxLayout;
    column->addWidget(product);
    column->addWidget(notice, classic ? 1 : 0);
    column->addLayout(links);
    if (!classic) {
        tree_ = new QTreeWidget(this);
        tree_->setHeaderHidden(true);
        tree_->setRootIsDecorated(true);
        tree_->setToolTip("Double click a topic (or press Enter) to read it");
        connect(tree_, &QTreeWidget::itemDoubleClicked, this,
                [this](QTreeWidgetItem* item) { openTopic(item); });
        tree_->installEventFilter(this);  // Enter opens the selected topic
        column->addWidget(tree_, 1);
    }
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(new DecorativeStrip(this));
    layout->addLayout(column, 1);
}

bool HelpPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openTopic(tree_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fillTopics();
}

void HelpPage::fillTopics() {
    if (tree_ == nullptr || filled_)
        return;
    filled_ = true;
    topics_ = HelpTopics::load(helpFolder_);
    std::vector<QTreeWidgetItem*> items;
    for (size_t i = 0; i < topics_.size(); ++i) {
        const HelpTopics::Topic& topic = topics_[i];
        QTreeWidgetItem* item = topic.parent < 0
                                    ? new QTreeWidgetItem(tree_)
                                    : new QTreeWidgetItem(items[static_cast<size_t>(topic.parent)]);
        item->setText(0, QString::fromStdString(topic.title));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        items.push_back(item);
    }
    tree_->expandAll();
}

void HelpPage::openTopic(QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    const size_t index = static_cast<size_t>(item->data(0, Qt::UserRole).toInt());
    if (index < topics_.size())
        openTarget(topics_[index]);
}

void HelpPage::openTarget(const HelpTopics::Topic& topic) {
    const QUrl url(QString::fromStdString(HelpTopics::urlFor(helpFolder_, topic.target)));
    const QString title = QString::fromStdString(topic.title);
    if (url.isLocalFile()) {
        showViewer(title)->setSource(url);
        return;
    }
    log_.LogExtended("Starting default Web browser");
    if (opener_(url))
        return;
    log_.LogExtended("... unable to start default Web browser");
    placeInClipboard(url.toString());
    // Not a silent failure: the help window says why and where the page is.
    showViewer(title)->setHtml(
        QString("<h2>%1</h2><p>No web browser could be started, and this topic is not "
                "installed with the program. Read it at <a href=\"%2\">%2</a> (the address is "
                "in the Clipboard).</p>")
            .arg(title.toHtmlEscaped(), url.toString().toHtmlEscaped()));
}

QTextBrowser* HelpPage::showViewer(const QString& title) {
    if (window_ == nullptr) {
        window_ = new QDialog(this, Qt::Window);
        window_->setObjectName("helpViewer");
        window_->setModal(false);
        browser_ = new QTextBrowser(window_);
        browser_->setObjectName("helpBrowser");
        browser_->setOpenLinks(false);
        connect(browser_, &QTextBrowser::anchorClicked, this, &HelpPage::followLink);
        auto* close = new QDialogButtonBox(QDialogButtonBox::Close, window_);
        connect(close, &QDialogButtonBox::rejected, window_, &QDialog::close);
        auto* layout = new QVBoxLayout(window_);
        layout->addWidget(browser_, 1);
        layout->addWidget(close);
        window_->resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 36);
    }
    window_->setWindowTitle(title + " - NuboPRO help");
    window_->show();
    window_->raise();
    window_->activateWindow();
    return browser_;
}

void HelpPage::followLink(const QUrl& url) {
    const QUrl target = browser_->source().resolved(url);
    if (target.isLocalFile()) {
        browser_->setSource(target);
        return;
    }
    log_.LogExtended("Starting default Web browser");
    if (!opener_(target)) {
        log_.LogExtended("... unable to start default Web browser");
        placeInClipboard(target.toString());
    }
}

void HelpPage::openWebPage() {
    log_.LogExtended("Starting default Web browser");
    if (!opener_(QUrl(HelpTopics::kWebAddress))) {
        log_.LogExtended("... unable to start default Web browser");
        placeInClipboard(HelpTopics::kWebAddress);
    }
}

void HelpPage::openMail() {
    log_.LogExtended("Starting default email client");
    if (!opener_(QUrl(QString("mailto:") + HelpTopics::kSupportAddress))) {
        log_.LogExtended("... unable to start default email client");
        placeInClipboard(HelpTopics::kSupportAddress);
    }
}

void HelpPage::placeInClipboard(const QString& text) {
    if (QClipboard* clipboard = QApplication::clipboard()) {
        clipboard->setText(text);
        log_.LogExtended("... placing address in Clipboard: ", text.toStdString());
    }
}

}  // namespace nubo
