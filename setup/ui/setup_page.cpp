#include "setup/ui/setup_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/ui/program_icons.h"

namespace nubo {

namespace {

// The picture on the left: a strip in the highlight colour with a raised border and the
// program icon centred on it.
class SetupPicture : public QFrame {
  public:
    explicit SetupPicture(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
        setFixedWidth(96);
        icon_ = ProgramIcons().programPixmap(48);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect inside = contentsRect();
        QLinearGradient strip(inside.topLeft(), inside.bottomLeft());
        strip.setColorAt(0, palette().color(QPalette::Highlight));
        strip.setColorAt(1, palette().color(QPalette::Highlight).darker(160));
        painter.fillRect(inside, strip);
        const QSize size = icon_.deviceIndependentSize().toSize();
        painter.drawPixmap(inside.center().x() - size.width() / 2,
                           inside.center().y() - size.height() / 2, icon_);
        painter.end();
        QFrame::paintEvent(event);
    }

  private:
    QPixmap icon_;
};

// The heading names the button with its mnemonic ("&Finish"): the letter is underlined, as
// the Windows version drew it, not shown with the ampersand.
QString headingMarkup(const QString& text) {
    QString html;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') {
            html += "<u>" + QString(text[i + 1]).toHtmlEscaped() + "</u>";
            ++i;
        } else {
            html += QString(text[i]).toHtmlEscaped();
            if (text[i] == '&')
                ++i;
        }
    }
    return html;
}

}  // namespace

SetupPage::SetupPage(QWidget* parent)
    : QWidget(parent),
      heading_(new QLabel(this)),
      checks_(new QVBoxLayout),
      status_(new QPlainTextEdit(this)),
      action_(new QPushButton(this)),
      cancel_(new QPushButton("Cancel", this)) {
    auto* picture = new SetupPicture(this);
    picture->setObjectName("setupPicture");
    heading_->setObjectName("setupHeading");
    QFont headingFont = heading_->font();
    headingFont.setPointSize(12);
    heading_->setFont(headingFont);
    heading_->setWordWrap(true);
    heading_->setTextFormat(Qt::RichText);
    status_->setObjectName("setupStatus");
    status_->setReadOnly(true);
    // Dark blue on the button face, as the Windows version drew its status.
    QPalette colours = status_->palette();
    colours.setColor(QPalette::Base, palette().color(QPalette::Button));
    colours.setColor(QPalette::Text, QColor(0, 0, 128));
    status_->setPalette(colours);
    action_->setObjectName("setupAction");
    action_->setDefault(true);
    cancel_->setObjectName("setupCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(action_);
    buttons->addWidget(cancel_);
    auto* right = new QVBoxLayout;
    right->addWidget(heading_);
    right->addSpacing(6);
    right->addLayout(checks_);
    right->addWidget(status_, 1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(right, 1);

    connect(cancel_, &QPushButton::clicked, this, &SetupPage::closeRequested);
    connect(action_, &QPushButton::clicked, this, [this] {
        if (finished())
            emit closeRequested();
        else
            act();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName("setupEscape");
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, cancel_, &QPushButton::click);
}

QCheckBox* SetupPage::addCheck(const QString& text, const char* objectName) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(objectName);
    checks_->addWidget(check);
    return check;
}

void SetupPage::showTexts(const std::string& heading, const std::string& action,
                          const std::string& status) {
    heading_->setText(headingMarkup(QString::fromStdString(heading)));
    action_->setText(QString::fromStdString(action));
    status_->setPlainText(QString::fromStdString(status));
}

}  // namespace nubo
