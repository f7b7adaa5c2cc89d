#include "editor/tabelem.h"

#include "config/tappskin.h"
#include "config/tgrid.h"
#include "editor/igrideditor.h"
#include "editor/tabview.h"
#include "widgets/imgwidget.h"
#include "widgets/tabfont.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

TabElem::TabElem(QWidget* parent, IGridEditor* editor) : QWidgetEx(parent), m_editor(editor) {
    if (m_editor)
        m_scale = m_editor->GetScale();
    resize(int(160 * m_scale), int(160 * m_scale));
}

QImage TabElem::Gfx(const QString& name) const {
    return m_editor ? m_editor->LoadScaledGfx(name) : QImage();
}

void TabElem::Init(const DataCfg::TGrid& grid) {
    m_key = grid.Name.isEmpty() ? QStringLiteral("Empty") : grid.GetKey();
    m_caption = grid.Title.isEmpty() ? grid.GetDisplayName() : grid.Title;
    if (m_key == QLatin1String("Empty"))
        m_kind = Empty;
    delete m_bg;
    m_bg = new ImgWidget(this, Gfx(QStringLiteral("TabBG")));
    delete m_overlay;
    m_overlay = new ImgWidget(this, Gfx(QStringLiteral("TabAOvl")));
    if (m_kind != Empty)
        SetIcon(grid.Icon);
    delete m_text;
    m_text = new ImgWidget(this, QImage());
    SetType(m_kind);
    m_active = true; // forces the first drawing
    SetActive(false);
}

void TabElem::SetType(int kind) {
    m_kind = kind;
    QString mark, bg, led;
    switch (kind) {
    case Custom:
        mark = QStringLiteral("TabMarkCustom"), bg = QStringLiteral("TabBG"), led = QStringLiteral("TabLEDCustom");
        break;
    case Disabled:
        mark = QStringLiteral("TabMarkDisabled"), bg = QStringLiteral("TabBGDisabled"),
        led = QStringLiteral("TabLEDDisabled");
        break;
    case Empty:
        mark = QStringLiteral("TabMarkCustom"), bg = QStringLiteral("TabBGEmpty"), led = QStringLiteral("TabLEDCustom");
        break;
    case None:
        bg = QStringLiteral("TabBG");
        break;
    default:
        mark = QStringLiteral("TabMarkPreset"), bg = QStringLiteral("TabBG"), led = QStringLiteral("TabLEDPreset");
        break;
    }
    delete m_bg;
    m_bg = new ImgWidget(this, Gfx(bg));
    m_bg->lower();
    m_bg->show();
    delete m_mark;
    m_mark = nullptr;
    delete m_led;
    m_led = nullptr;
    if (!mark.isEmpty()) {
        m_mark = new ImgWidget(this, Gfx(mark));
        m_mark->move(0, int(140 * m_scale) - m_mark->height());
        m_mark->show();
    }
    if (!led.isEmpty()) {
        m_led = new ImgWidget(this, Gfx(led));
        m_led->move(int(160 * m_scale) - m_led->width(), 0);
        m_led->SetOpacity(kind == Empty ? 0.5 : 1.0, 0);
        m_led->show();
    }
}

void TabElem::SetIcon(const QString& name) {
    delete m_iconActive;
    delete m_iconInactive;
    QImage active, inactive;
    if (m_editor) {
        active = m_editor->AppSkin().GetTabIcon(name, true);
        inactive = m_editor->AppSkin().GetTabIcon(name, false);
        const QSize size(int(active.width() * m_scale), int(active.height() * m_scale));
        if (!active.isNull())
            active = active.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!inactive.isNull())
            inactive = inactive.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_iconActive = new ImgWidget(this, active);
    m_iconInactive = new ImgWidget(this, inactive);
    m_iconActive->setVisible(m_active);
    m_iconInactive->setVisible(!m_active);
}

void TabElem::SetCaption(const QString& caption) {
    m_caption = caption;
    Redraw();
}

void TabElem::SetActive(bool active) {
    if (active == m_active)
        return;
    m_active = active;
    if (m_overlay)
        m_overlay->setVisible(active);
    if (m_iconActive)
        m_iconActive->setVisible(active);
    if (m_iconInactive)
        m_iconInactive->setVisible(!active);
    Redraw();
}

void TabElem::Redraw() {
    QImage caption(160, 160, QImage::Format_ARGB32);
    caption.fill(Qt::transparent);
    QPainter p(&caption);
    QFont font = TabCaptionFont();
    font.setPixelSize(m_kind == Empty ? 18 : 24);
    p.setFont(font);
    p.setPen(m_active ? QColor(255, 255, 255) : QColor(170, 170, 170));
    const QFontMetrics fm(font);
    int top = m_kind == Empty ? 50 : 84;
    for (QString line : m_caption.split(QLatin1Char('\n'))) {
        // Long lines end in "..." so that they stay inside the tile.
        while (fm.horizontalAdvance(line) > 149 && !line.isEmpty()) {
            if (line.endsWith(QLatin1String("...")))
                line.chop(3);
            line.chop(1);
            line += QLatin1String("...");
            if (line == QLatin1String("..."))
                break;
        }
        p.drawText(QRect(0, top, 160, 60), Qt::AlignHCenter | Qt::AlignTop, line);
        top += 22;
    }
    p.end();
    const QSize size(int(160 * m_scale), int(160 * m_scale));
    caption = caption.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (m_text && m_text->image() == caption)
        return;
    delete m_text;
    m_text = new ImgWidget(this, caption);
    m_text->show();
    if (m_mark)
        m_mark->raise();
    if (m_led)
        m_led->raise();
    update();
}

void TabElem::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void TabElem::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    auto* bar = qobject_cast<TabView*>(parentWidget());
    if (!bar)
        return;
    int index = -1;
    for (int i = 0; i < bar->Count(); ++i) {
        if (bar->Tab(i) == this)
            index = i;
    }
    emit clicked(index);
}
