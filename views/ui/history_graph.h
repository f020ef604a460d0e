#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "views/history_series.h"

namespace nubo {

// A scrolling history graph: black, a dark green grid that scrolls with the data, and
// up to eight coloured series. The samples, the ring and the scale are HistorySeries';
// this widget only paints them.
class HistoryGraph : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryGraph(QWidget* parent = nullptr);

    // Sizes the ring to the widget's current width (spacing and step in pixels). Until
    // then the graph is blank: nothing is sampled or drawn.
    void setup(int gridSpacing, int step, QColor grid, QColor background);
    void addSeries(QColor colour);
    void reset();
    void setScale(int64_t value);
    bool addSample(const std::vector<int64_t>& values);
    const HistorySeries& data() const { return series_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The ring follows the widget's width, keeping the newest samples.
    void resizeEvent(QResizeEvent* event) override;

  private:
    HistorySeries series_;
    std::vector<QColor> colours_;
    QColor grid_{0, 128, 0};
    QColor background_{Qt::black};
};

// A legend square filled with one colour.
class ColorSwatch : public QWidget {
  public:
    explicit ColorSwatch(QColor colour, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
};

}  // namespace nubo
