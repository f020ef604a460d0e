#include "views/ui/history_graph.h"

#include <QPainter>

namespace nubo {

HistoryGraph::HistoryGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 60);
}

void HistoryGraph::setup(int gridSpacing, int step, QColor grid, QColor background) {
    grid_ = grid;
    background_ = background;
    series_.setup(width(), height(), gridSpacing, step);
    update();
}

void HistoryGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    series_.resize(width(), height());
}

void HistoryGraph::addSeries(QColor colour) {
    if (series_.addSeries())
        colours_.push_back(colour);
}

void HistoryGraph::reset() {
    series_.reset();
    update();
}

void HistoryGraph::setScale(int64_t value) {
    series_.setScale(value);
    update();
}

bool HistoryGraph::addSample(const std::vector<int64_t>& values) {
    const bool added = series_.addSample(values);
    if (added)
        update();
    return added;
}

void HistoryGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), series_.ready() ? background_ : palette().window().color());
    if (!series_.ready())
        return;
    // The grid in one call, each series as one polyline.
    std::vector<QLine> lines;
    for (int y : series_.horizontalGrid())
        lines.emplace_back(0, y, width() - 1, y);
    for (int x : series_.verticalGrid())
        lines.emplace_back(x, 0, x, height() - 1);
    painter.setPen(QPen(grid_, 1));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    for (int s = 0; s < series_.seriesCount(); ++s) {
        const std::vector<HistorySeries::Point> points = series_.points(s);
        std::vector<QPoint> polyline;
        polyline.reserve(points.size());
        for (const HistorySeries::Point& p : points)
            polyline.emplace_back(p.x, p.y);
        painter.setPen(QPen(colours_[static_cast<size_t>(s)], 1));
        painter.drawPolyline(polyline.data(), static_cast<int>(polyline.size()));
    }
}

ColorSwatch::ColorSwatch(QColor colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    const int side = fontMetrics().height() * 2 / 3;
    setFixedSize(side, side);
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

}  // namespace nubo
