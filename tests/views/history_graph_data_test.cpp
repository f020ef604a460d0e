// The arithmetic behind the Host page's graphs and rate fields.
#include <gtest/gtest.h>

#include "views/graph_feed.h"
#include "views/graph_scale.h"
#include "views/history_series.h"
#include "views/rate_meter.h"

namespace nubo {
namespace {

TEST(HistorySeriesTest, TheNewestPointIsAtTheRightAndTheCurveScrolls) {
    HistorySeries graph;
    graph.setup(20, 100, 12, 2);  // capacity 10
    ASSERT_TRUE(graph.addSeries());
    ASSERT_TRUE(graph.addSeries());
    EXPECT_FALSE(graph.addSample({5}));  // one value for two series: refused
    graph.setScale(1000);
    ASSERT_TRUE(graph.addSample({500, 0}));
    auto points = graph.points(0);
    ASSERT_EQ(points.size(), 2u);  // the 0 of element 0, then the sample
    EXPECT_EQ(points.back().x, (graph.capacity() - 1) * 2);
    EXPECT_EQ(points.back().y, 99 - 500 * 100 / 1000);
    EXPECT_EQ(points.front().y, 99);
    for (int i = 0; i < 30; ++i)
        graph.addSample({i, 0});
    points = graph.points(0);
    ASSERT_EQ(static_cast<int>(points.size()), graph.capacity());
    EXPECT_EQ(points.front().x, 0);
    EXPECT_EQ(points.back().x, 18);
    EXPECT_EQ(points.back().y, 99 - 29 * 100 / 1000);
}

TEST(HistorySeriesTest, FastTransfersNeitherOverflowNorLeaveTheGraph) {
    HistorySeries graph;
    graph.setup(100, 200, 12, 2);
    graph.addSeries();
    graph.setScale(1000000);
    // 50 MB/s times 200 pixels overflows 32 bits; above the scale: the top edge.
    graph.addSample({50'000'000});
    EXPECT_EQ(graph.points(0).back().y, 0);
    graph.addSample({500'000});
    EXPECT_EQ(graph.points(0).back().y, 199 - 100);
}

TEST(HistorySeriesTest, TheGridScrollsWithTheSamples) {
    HistorySeries graph;
    graph.setup(48, 30, 12, 2);
    graph.addSeries();
    EXPECT_EQ(graph.verticalGrid(), (std::vector<int>{12, 24, 36}));
    EXPECT_EQ(graph.horizontalGrid(), (std::vector<int>{12, 24}));
    for (int i = 0; i < 7; ++i)
        graph.addSample({0});  // phase 12 - 14 < 0: 10
    EXPECT_EQ(graph.verticalGrid(), (std::vector<int>{10, 22, 34, 46}));
    HistorySeries blank;
    blank.setup(48, 30, 0, 2);
    EXPECT_FALSE(blank.ready());
    EXPECT_TRUE(blank.verticalGrid().empty());
}

TEST(GraphScaleTest, AutoRaisesTheScaleForFiveTicksWithTraffic) {
    EXPECT_EQ(GraphScale::comboLabels(true).size(), 25u);
    EXPECT_EQ(GraphScale::comboLabels(true)[1], "1 KB/s");
    EXPECT_EQ(GraphScale::comboLabels(true)[13], "200 KB/s");
    EXPECT_EQ(GraphScale::comboLabels(false)[21], "1 MB");
    GraphScale scale;
    scale.choose(0);
    EXPECT_FALSE(scale.observe(0, 0));  // no traffic: no tick counted
    EXPECT_FALSE(scale.observe(4500, 100));
    EXPECT_EQ(scale.scale(), 5000);
    EXPECT_FALSE(scale.observe(250000, 0));
    EXPECT_EQ(scale.scale(), 300000);
    EXPECT_FALSE(scale.observe(10, 10));  // the running maximum stays
    EXPECT_FALSE(scale.observe(10, 10));
    EXPECT_TRUE(scale.observe(0, 5'000'000));
    EXPECT_EQ(scale.scale(), 10'000'000);
    EXPECT_EQ(scale.comboIndex(), 22);
    EXPECT_FALSE(scale.counting());
    scale.choose(3);
    EXPECT_EQ(scale.scale(), 10000);
    EXPECT_FALSE(scale.observe(999999, 0));  // a chosen value stays
}

TEST(GraphScaleTest, TheTableGoesOnToAGigabytePerSecond) {
    const std::vector<std::string> data = GraphScale::comboLabels(true);
    ASSERT_EQ(data.size(), 25u);
    EXPECT_EQ(data[21], "1 MB/s");
    EXPECT_EQ(data[22], "10 MB/s");
    EXPECT_EQ(data[23], "100 MB/s");
    EXPECT_EQ(data[24], "1 GB/s");
    EXPECT_EQ(GraphScale::comboLabels(false)[24], "1 GB");
    GraphScale scale;
    scale.choose(23);
    EXPECT_EQ(scale.scale(), 100'000'000);
    EXPECT_EQ(scale.comboIndex(), 23);
}

// A deliberate departure from the Windows version, whose Auto stops looking after five
// ticks: a faster transfer later in the session would be one line along the top edge.
TEST(GraphScaleTest, AutoRisesWhenALaterSampleWouldBeClipped) {
    GraphScale scale;
    scale.choose(0);
    for (int tick = 0; tick < GraphScale::kAutoTicks - 1; ++tick)
        EXPECT_FALSE(scale.observe(2000, 100));  // a listing's trickle
    EXPECT_TRUE(scale.observe(3000, 0));
    EXPECT_EQ(scale.scale(), 5000);
    EXPECT_FALSE(scale.counting());
    // A LAN download: 50 MB/s, then 300 MB/s; the combo follows each rise.
    EXPECT_TRUE(scale.observe(50'000'000, 0));
    EXPECT_EQ(scale.scale(), 100'000'000);
    EXPECT_EQ(scale.comboIndex(), 23);
    EXPECT_FALSE(scale.observe(99'999'999, 0));  // fits: nothing changes
    EXPECT_FALSE(scale.observe(1000, 0));        // never lowered
    EXPECT_EQ(scale.scale(), 100'000'000);
    EXPECT_TRUE(scale.observe(0, 300'000'000));
    EXPECT_EQ(scale.scale(), 1'000'000'000);
    // Beyond the table the last value stays, asked again or not.
    EXPECT_FALSE(scale.observe(5'000'000'000, 0));
    EXPECT_EQ(scale.scale(), 1'000'000'000);
    // A value the user chose is never raised.
    scale.choose(21);
    EXPECT_FALSE(scale.observe(50'000'000, 0));
    EXPECT_EQ(scale.scale(), 1'000'000);
}

TEST(RateMeterTest, RatesRemainingAndTotalsWithoutInfinity) {
    RateMeter meter;
    meter.sessionStarted();
    meter.transferStarted(1'000'000, 10'000);
    // No time has passed: no rate, nothing remaining, never "inf".
    RateMeter::Texts at0 = meter.progress(0, 10'000);
    EXPECT_EQ(at0.rate, "0.00");
    EXPECT_EQ(at0.remaining, "");
    EXPECT_EQ(at0.cumulative, "0.00");
    RateMeter::Texts half = meter.progress(500'000, 12'000);  // 250 bytes/ms
    EXPECT_EQ(half.rate, "250.00");
    EXPECT_EQ(half.remaining, "00:00:02");
    EXPECT_EQ(half.total, "500,000");
    meter.transferEnded(1'000'000, 14'000);
    meter.transferStarted(-1, 20'000);  // size unknown
    RateMeter::Texts next = meter.progress(1'000'000, 21'000);
    EXPECT_EQ(next.rate, "1000.00");
    EXPECT_EQ(next.remaining, "");
    EXPECT_EQ(next.cumulative, "400.00");  // 2,000,000 bytes in 5,000 ms
    EXPECT_EQ(next.total, "2,000,000");
}

TEST(GraphFeedTest, DataBecomesBytesPerSecondControlStaysACount) {
    GraphFeed feed;
    feed.dataScale().choose(0);
    feed.controlScale().choose(4);
    feed.sessionStarted(1000);
    GraphFeed::Tick tick = feed.tick(3000, 100'000'000, 0, 120, 40);
    EXPECT_EQ(tick.dataRead, 50'000'000);  // 100 MB in 2 s
    EXPECT_EQ(tick.controlRead, 120);
    EXPECT_EQ(tick.controlWritten, 40);
    EXPECT_EQ(feed.dataScale().scale(), 100'000'000);
    EXPECT_EQ(feed.controlScale().scale(), 20'000);  // chosen: unchanged
    // A clock that did not move counts as one tick's time, never a division by 0.
    tick = feed.tick(3000, 4000, 0, 0, 0);
    EXPECT_EQ(tick.dataRead, 2000);
}

}  // namespace
}  // namespace nubo
