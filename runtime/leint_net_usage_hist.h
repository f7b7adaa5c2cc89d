#pragma once
// Internal element "NET_Usage_Hist": a scrolling bar graph of the first bound function's first two
// outputs, one sample a second, received bytes upwards and sent bytes downwards from the middle line.

#include "runtime/legfx.h"

#include <QColor>
#include <QPair>
#include <QVector>
#include <functional>

class LEInt_NET_Usage_Hist : public LEGfx {
    Q_OBJECT
public:
    // Milliseconds since the epoch; replaceable so that tests need not wait for samples.
    using Clock = std::function<qint64()>;
    // Samples closer together than this are not taken.
    static constexpr qint64 SampleSpacingMs = 990;

    LEInt_NET_Usage_Hist(QGraphicsItem* parent, const DataCfg::TLayout& layout);

    void Setup() override;
    void OnTick() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    using LEGfx::GenGfx;
    // Makes the first graph and prefills the history from the function's history call (only while empty).
    void GenGfx();
    void UpdateHist();
    void UpdateGfx();

    const QVector<QPair<int, int>>& GetHistory() const { return m_history; }
    int GetBarWidth() const { return m_barWidth; }
    void SetBarWidth(int width) { m_barWidth = width; }
    void SetClock(Clock clock) { m_clock = std::move(clock); }
    // The graph's value of a rate: its fourth root, so that large and small rates share the graph.
    static int Sample(qint64 value);

private:
    QVector<QPair<int, int>> m_history; // oldest first
    QVector<QColor> m_colorsRx;
    QVector<QColor> m_colorsTx;
    qint64 m_lastSample;
    int m_barWidth;
    Clock m_clock;
};
