#include "shell/ui/program_icons.h"

#include <QPainter>

#include "shell/progress_display.h"

// The resources live in a static library: registered before the first use.
static void initialiseProgramResources() {
    Q_INIT_RESOURCE(nubopro);
}

namespace nubo {

namespace {

constexpr int kIconSize = 32;

}  // namespace

ProgramIcons::ProgramIcons() {
    initialiseProgramResources();
    program_ = QIcon(":/nubopro/nubopro.svg");
    // The base progress icon: the program icon with an empty bar's frame.
    QPixmap base = program_.pixmap(kIconSize, kIconSize);
    {
        QPainter painter(&base);
        painter.fillRect(QRect(9, 24, 22, 7), Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(QRect(9, 24, 21, 6));
    }
    pixmaps_[0] = base;
    base_ = QIcon(base);
    for (int k = 1; k <= ProgressDisplay::kProgressIcons; ++k) {
        // The k-th icon: the rectangle from (10, 25) to (10 + 2k, 30) in pure blue.
        QPixmap icon = base;
        QPainter painter(&icon);
        painter.fillRect(QRect(QPoint(10, 25), QPoint(10 + 2 * k - 1, 29)), QColor(0, 0, 255));
        painter.end();
        pixmaps_[static_cast<size_t>(k)] = icon;
        progress_[static_cast<size_t>(k - 1)] = QIcon(icon);
    }
}

const QIcon& ProgramIcons::forIndex(int index) const {
    if (index <= ProgressDisplay::kProgramIcon)
        return program_;
    if (index == ProgressDisplay::kBaseIcon)
        return base_;
    return progress_[static_cast<size_t>(std::min(index, ProgressDisplay::kProgressIcons) - 1)];
}

QPixmap ProgramIcons::pixmap(int index) const {
    if (index <= ProgressDisplay::kProgramIcon)
        return program_.pixmap(kIconSize, kIconSize);
    return pixmaps_[static_cast<size_t>(std::min(index, ProgressDisplay::kProgressIcons))];
}

QPixmap ProgramIcons::programPixmap(int size) const {
    return program_.pixmap(size, size);
}

}  // namespace nubo
