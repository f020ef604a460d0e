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

TEST(HistoryGraphTest, AResizeKeepsTheHistory) {
    HistoryGraph graph;
    graph.resize(120, 100);  // room for 60 samples
    graph.setup(12, 2, QColor(0, 128, 0), Qt::black);
    graph.addSeries(Qt::green);
    graph.setScale(100);  // a value v is drawn at y = 99 - v
    graph.show();
    for (int value = 1; value <= 10; ++value)
        ASSERT_TRUE(graph.addSample({value * 5}));
    ASSERT_EQ(graph.data().stored(), 11);  // the 0, then ten samples

    // Wider: every sample stays, the newest at the new right edge.
    graph.resize(200, 100);
    EXPECT_EQ(graph.data().capacity(), 100);
    ASSERT_EQ(graph.data().stored(), 11);
    std::vector<HistorySeries::Point> points = graph.data().points(0);
    EXPECT_EQ(points.back().x, 99 * 2);
    EXPECT_EQ(points.back().y, 99 - 50);
    EXPECT_EQ(points[1].y, 99 - 5);
    const QImage image = graph.grab().toImage();
    EXPECT_EQ(image.pixelColor(198, 99 - 50), QColor(Qt::green));

    // Narrower than the history (80 points, room for 60): the newest stay, and the ring
    // goes on from them.
    for (int value = 11; value <= 79; ++value)
        graph.addSample({value});
    ASSERT_EQ(graph.data().stored(), 80);
    graph.resize(120, 100);
    ASSERT_EQ(graph.data().capacity(), 60);
    points = graph.data().points(0);
    ASSERT_EQ(points.size(), 60u);
    EXPECT_EQ(points.front().y, 99 - 20);
    EXPECT_EQ(points.back().y, 99 - 79);
    graph.addSample({7});
    points = graph.data().points(0);
    ASSERT_EQ(points.size(), 60u);
    EXPECT_EQ(points.front().x, 0);
    EXPECT_EQ(points.front().y, 99 - 21);
    EXPECT_EQ(points.back().x, 59 * 2);
    EXPECT_EQ(points.back().y, 99 - 7);
}

}  // namespace
}  // namespace nubo
