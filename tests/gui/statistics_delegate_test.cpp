// A statistics line as drawn: the widest value a rate takes shows whole inside its row.
#include "sites/ui/statistics_delegate.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <utility>

namespace nubo {
namespace {

// The first and last columns of the image where anything darker than the white base was
// drawn; {-1, -1} when nothing was.
std::pair<int, int> inkSpan(const QImage& image) {
    std::pair<int, int> span{-1, -1};
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 160) {
                if (span.first < 0)
                    span.first = x;
                span.second = x;
                break;
            }
        }
    }
    return span;
}

TEST(StatisticsDelegateTest, ARatesTenCharactersAreDrawnInsideItsRow) {
    QStandardItemModel model(1, 1);
    // KB/S, the bar empty and no name: only the value is drawn, the widest a rate takes.
    const QString value = "1234567.89";
    model.setData(model.index(0, 0), "3\t0\t" + value + "\t");
    StatisticsDelegate delegate(0);
    for (const int pixels : {12, 16, 20}) {
        SCOPED_TRACE(pixels);
        QFont font;
        font.setPixelSize(pixels);
        QImage image(600, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QStyleOptionViewItem option;
        option.font = font;
        option.fontMetrics = QFontMetrics(font);
        option.palette.setColor(QPalette::Base, Qt::white);
        option.palette.setColor(QPalette::Text, Qt::black);
        // The row starts 200 pixels in; anything drawn left of it is cut off by the list.
        option.rect = QRect(200, 0, 400, 40);
        {
            QPainter painter(&image);
            painter.setFont(font);  // as a view's painter starts, with the list's font
            delegate.paint(&painter, option, model.index(0, 0));
        }
        const auto [first, last] = inkSpan(image);
        ASSERT_GE(first, 0) << "nothing drawn";
        EXPECT_GE(first, 200) << "the value begins left of its row";
        // Whole: as wide as its text (a digit cut off leaves a narrower span).
        const int wide = QFontMetrics(font).horizontalAdvance(value);
        EXPECT_GE(last - first + 1, wide - pixels / 2) << "of " << wide;
    }
}

}  // namespace
}  // namespace nubo
