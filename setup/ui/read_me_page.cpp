#include "setup/ui/read_me_page.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace nubo {

namespace {

// A ReadMe is a page or two; a larger file is not the one the archive shipped.
constexpr qint64 kMaxReadMeBytes = 1 << 20;

}  // namespace

ReadMePage::ReadMePage(const QString& readMePath, QWidget* parent)
    : QWidget(parent), path_(readMePath), text_(new QPlainTextEdit(this)) {
    setObjectName("readMePage");
    text_->setObjectName("readMeText");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setTabStopDistance(text_->fontMetrics().horizontalAdvance(' ') * 8);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
}

void ReadMePage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (filled_ || path_.isEmpty())
        return;
    filled_ = true;
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        text_->setPlainText(QString::fromUtf8(file.read(kMaxReadMeBytes)));
}

}  // namespace nubo
