// The history graph paints what its series hold: the grid, the newest point at the
// right edge, an over-scale value on the top edge.
#include "views/ui/history_graph.h"

#include <gtest/gtest.h>

#include <QImage>

namespace nubo {
namespace {

TEST(HistoryGraphTest, PaintsGridAndSeriesWhereTheDataSays) {
    HistoryGraph graph;
    graph.resize(100, 60);
    graph.setup(12, 2, QColor(0, 128, 0), Qt::black);
    graph.addSeries(Qt::green);
    graph.addSeries(Qt::red);
    graph.setScale(1000);
    ASSERT_TRUE(graph.addSample({500, 5000}));  // write: above the scale
    const QImage image = graph.grab().toImage();
    const int newest = (graph.data().capacity() - 1) * 2;
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(50, 12), QColor(0, 128, 0));  // a horizontal grid line
    EXPECT_EQ(image.pixelColor(newest, 59 - 500 * 60 / 1000), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(newest, 0), QColor(Qt::red));  // on the top edge
}

}  // namespace
}  // namespace nubo
