#include "runtime/leint_net_usage_hist.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/lehost.h"

#include <QDateTime>
#include <QPainter>
#include <cmath>

namespace {
// Picks a colour index from a bar's height the same way on every run, so a bar keeps its colour.
int ColorIndex(int height, int count) {
    const quint32 v = ((quint32(height) * 214013u + 2531011u) >> 16) & 0x7fffu;
    return int(v % quint32(count));
}

QVector<QColor> Colors(const QVariant& list) {
    QVector<QColor> colors;
    for (const QString& text : list.toStringList())
        colors << QColor(text);
    return colors;
}
} // namespace

LEInt_NET_Usage_Hist::LEInt_NET_Usage_Hist(QGraphicsItem* parent, const DataCfg::TLayout& layout)
    : LEGfx(parent, layout), m_lastSample(0), m_barWidth(2),
      m_clock([]() { return QDateTime::currentMSecsSinceEpoch(); }) {}

int LEInt_NET_Usage_Hist::Sample(qint64 value) {
    // A negative rate has no root; it draws as nothing.
    if (value <= 0)
        return 0;
    return static_cast<int>(std::sqrt(std::sqrt(static_cast<double>(value))));
}

void LEInt_NET_Usage_Hist::Setup() {
    LEGfx::Setup();
    GenGfx();
    SetStateBit(SB_Internal, true);
}

void LEInt_NET_Usage_Hist::OnTick() {
    LEGfx::OnTick();
    Invalidate();
}

void LEInt_NET_Usage_Hist::GenGfx() {
    if (!m_history.isEmpty())
        return;
    PROFILE_SCOPE("LEInt_NET_Usage_Hist::GenGfx");
    const DataCfg::TLayout& lay = Layout();
    m_colorsRx += Colors(lay.ExtParams.value(QStringLiteral("ColorsRx")));
    m_colorsTx += Colors(lay.ExtParams.value(QStringLiteral("ColorsTx")));

    const QSize size = IntSize();
    QImage& img = MainImage().Image;
    if (!size.isEmpty() && !IsDrawableSize(size)) {
        QLOG_DEBUG() << "LEInt_NET_Usage_Hist::GenGfx: element too large to draw:" << size.width() << size.height();
        img = QImage();
    } else {
        img = QImage(size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
    }
    m_barWidth = qMax(1, qMin(m_barWidth, 16));

    LEHost* view = GetView();
    if (!view || view->GetFunctionCount() < 1)
        return;
    const DataCfg::TFunction* fn = view->GetFunction(0);
    if (!fn)
        return;
    const int bars = img.width() / m_barWidth;
    for (int o = 0; o < bars; ++o) {
        int values[2] = {0, 0};
        bool end = false;
        for (int k = 0; k < 2 && !end; ++k) {
            if (k >= fn->Outputs.size())
                continue;
            values[k] = view->CallProviderFunction(fn->Outputs[k].Name, QVariantList{o}).toInt();
            end = values[k] < 0;
        }
        if (end)
            break;
        m_history.append(qMakePair(Sample(values[0]), Sample(values[1])));
    }
}

void LEInt_NET_Usage_Hist::UpdateHist() {
    const qint64 now = m_clock();
    if (now - m_lastSample < SampleSpacingMs)
        return;
    m_lastSample = now;
    const int bars = MainImage().Image.width() / m_barWidth;
    LEHost* view = GetView();
    const DataCfg::TFunction* fn = view && view->GetFunctionCount() > 0 ? view->GetFunction(0) : nullptr;
    if (!fn)
        return;
    const int rx = fn->Outputs.size() > 0 ? fn->Outputs[0].Value.toInt() : 0;
    const int tx = fn->Outputs.size() > 1 ? fn->Outputs[1].Value.toInt() : 0;
    m_history.append(qMakePair(Sample(rx), Sample(tx)));
    if (m_history.size() > bars)
        m_history.remove(0, m_history.size() - bars);
}

void LEInt_NET_Usage_Hist::UpdateGfx() {
    QImage& img = MainImage().Image;
    if (img.isNull())
        return;
    const int W = img.width(), H = img.height(), bw = m_barWidth;
    const int n = qMin(m_history.size(), W / bw);
    img.fill(Qt::transparent);
    int maxRx = 1, maxTx = 1;
    for (int i = 0; i < n; ++i) {
        maxRx = qMax(maxRx, m_history[i].first);
        maxTx = qMax(maxTx, m_history[i].second);
    }
    QPainter p(&img);
    for (int i = 0; i < n; ++i) {
        const QPair<int, int>& e = m_history[m_history.size() - 1 - i];
        const int r = qMax(1, e.first * H / 2 / maxRx);
        const int s = qMax(1, e.second * H / 2 / maxTx);
        // The newest bar ends at the right edge.
        const int x = W - (i + 1) * bw;
        QColor color = m_colorsRx.isEmpty() ? QColor(Qt::white) : m_colorsRx[ColorIndex(r, m_colorsRx.size())];
        p.fillRect(QRect(x, H / 2 - r, bw, r), color);
        if (!m_colorsTx.isEmpty())
            color = m_colorsTx[ColorIndex(s, m_colorsTx.size())];
        p.fillRect(QRect(x, H / 2, bw, s), color);
    }
}

void LEInt_NET_Usage_Hist::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
    PROFILE_SCOPE("LEInt_NET_Usage_Hist::paint");
    SetStateBit(SB_Fresh, false);
    UpdateHist();
    UpdateGfx();
    LEBase::paint(painter, option, widget);
}
