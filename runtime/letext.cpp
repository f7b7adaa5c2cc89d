#include "runtime/letext.h"

#include "config/datacfgrecords.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/lehost.h"
#include "runtime/qgraphicstextitemp.h"
#include "runtime/viewdelta.h"

#include <QPainter>
#include <QTextDocument>

namespace {
const int kDefaultPixelSize = 12;
// Larger pixel sizes only come from broken layouts; the font engine would still try to render them.
const int kMaxPixelSize = 4096;
} // namespace

LEText::LEText(QGraphicsItem* parent, const DataCfg::TLayout& layout, bool input)
    : LEBase(parent, layout), m_input(input), m_edit(nullptr) {}

void LEText::Setup() {
    LEBase::Setup();
    if (!m_input || m_edit)
        return;
    m_edit = new QGraphicsTextItemP(this);
    m_edit->setFlag(QGraphicsItem::ItemIsSelectable, true);
    m_edit->setFlag(QGraphicsItem::ItemIsFocusable, true);
    m_edit->setTextInteractionFlags(Qt::TextEditorInteraction);
    m_edit->setPlainText(Layout().Text);
    m_edit->setDefaultTextColor(Layout().Color);
}

int LEText::QtAlignment(int layoutAlign) {
    switch (layoutAlign) {
    case DataCfg::LA_LeftTop:
        return Qt::AlignLeft | Qt::AlignTop;
    case DataCfg::LA_CenterTop:
        return Qt::AlignHCenter | Qt::AlignTop;
    case DataCfg::LA_RightTop:
        return Qt::AlignRight | Qt::AlignTop;
    case DataCfg::LA_LeftCenter:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case DataCfg::LA_CenterCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case DataCfg::LA_RightCenter:
        return Qt::AlignRight | Qt::AlignVCenter;
    case DataCfg::LA_LeftBottom:
        return Qt::AlignLeft | Qt::AlignBottom;
    case DataCfg::LA_CenterBottom:
        return Qt::AlignHCenter | Qt::AlignBottom;
    case DataCfg::LA_RightBottom:
        return Qt::AlignRight | Qt::AlignBottom;
    default:
        return 0;
    }
}

QString LEText::PlaceholderValue(const QString& inner, bool runScripts) const {
    QString funcName;
    QString ref = inner;
    const int comma = inner.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        funcName = inner.left(comma).trimmed();
        ref = inner.mid(comma + 1);
    }
    if (!funcName.isEmpty() && !runScripts)
        return QStringLiteral("$(") + inner + QLatin1Char(')');
    const int dot = ref.indexOf(QLatin1Char('.'));
    bool okK = false, okL = true;
    const int k = (dot >= 0 ? ref.left(dot) : ref).trimmed().toInt(&okK);
    const int l = dot >= 0 ? ref.mid(dot + 1).trimmed().toInt(&okL) : 0;

    QString value;
    LEHost* view = GetView();
    if (view && okK && okL && k >= 0 && k < view->GetFunctionCount()) {
        const DataCfg::TFunction* fn = view->GetFunction(k);
        if (fn && l >= 0 && l < fn->Outputs.size()) {
            const DataCfg::TFuncOutput& out = fn->Outputs[l];
            if (out.Type == DataCfg::OT_Percent)
                value = QString::number(static_cast<qint64>(out.Value.toDouble() * 100));
            else
                value = out.Value.toString();
        }
    }
    if (!funcName.isEmpty() && view) {
        const QString full =
            funcName.contains(QLatin1Char(':')) ? funcName : Layout().Set + QLatin1Char(':') + funcName;
        value = view->ExecScriptfunc(full, QScriptValueList{QScriptValue(value)}).toString();
    }
    return value;
}

QString LEText::SubstituteText(const QString& text, bool runScripts) const {
    const QString open = QStringLiteral("$(");
    int i = text.indexOf(open);
    if (i < 0)
        return text;
    QString result;
    int pos = 0;
    while (i >= 0) {
        const int close = text.indexOf(QLatin1Char(')'), i + 2);
        if (close < 0)
            break;
        result += text.midRef(pos, i - pos);
        result += PlaceholderValue(text.mid(i + 2, close - i - 2), runScripts);
        pos = close + 1;
        i = text.indexOf(open, pos);
    }
    result += text.midRef(pos);
    return result;
}

void LEText::SetOutsideText(const QString& text) {
    Layout().Text = text;
    m_originText = text;
    m_origin = TextOrigin::Outside;
}

void LEText::SetScriptText(const QString& text) {
    Layout().Text = text;
    m_originText = text;
    m_origin = TextOrigin::Script;
}

int LEText::PixelSize() const {
    const int size = Layout().FontSize;
    if (size <= 0)
        return kDefaultPixelSize;
    return qMin(size, kMaxPixelSize);
}

bool LEText::UpdateFont() {
    const DataCfg::TLayout& lay = Layout();
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TFont rec = cfg ? cfg->FindFont(lay.Font, lay.Set, true) : DataCfg::TFont();
    QFont font = m_font;
    font.setFamily(rec.Type);
    font.setPixelSize(PixelSize());
    if (rec.Weight != DataCfg::FW_None)
        font.setWeight(rec.Weight);
    if (rec.Style != DataCfg::FS_None)
        font.setStyle(static_cast<QFont::Style>(rec.Style));
    font.setUnderline(HasState(SB_TextUnderline));
    if (font == m_font && font.family() == m_font.family())
        return false;
    m_font = font;
    if (m_edit)
        m_edit->setFont(m_font);
    return true;
}

void LEText::RenderText(const QString& text) {
    DataCfg::TLayout& lay = Layout();
    const QSize size = IntSize();
    m_paintedText = text;
    ImgData& main = MainImage();
    if (!IsDrawableSize(size)) {
        QLOG_DEBUG() << "LEText::paint: no text image at size" << size.width() << size.height() << lay.Name;
        main.Image = QImage();
        lay.TextWidth = 0;
        lay.TextHeight = 0;
        return;
    }
    if (main.Image.size() != size || main.Image.format() != QImage::Format_ARGB32_Premultiplied)
        main.Image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    main.Image.fill(Qt::transparent);

    const int align = QtAlignment(lay.TextAlign);
    int flags = align;
    if (HasState(SB_WordWrap))
        flags |= Qt::TextWordWrap;
    int x0 = 0, y0 = 0, w = size.width(), h = size.height();
    if ((align & Qt::AlignRight) && m_font.style() != QFont::StyleNormal) {
        // The slanted last glyph reaches past its advance; keep it inside.
        flags |= Qt::TextDontClip;
        w -= static_cast<int>(PixelSize() / 7.0 + 0.5);
    }
    QPainter p(&main.Image);
    p.setFont(m_font);
    if (HasState(SB_TextStroke)) {
        w -= 4;
        h -= 4;
        x0 = y0 = 2;
        p.setPen(QColor(0, 0, 0));
        static const int offsets[8][2] = {{0, 2}, {2, 0}, {4, 2}, {2, 4}, {0, 0}, {4, 4}, {4, 0}, {0, 4}};
        for (const auto& o : offsets)
            p.drawText(QRect(o[0], o[1], w, h), flags, text);
    }
    QColor pen = lay.Color;
    pen.setAlpha(255);
    p.setPen(pen);
    const QRect measured = p.boundingRect(QRect(x0, y0, w, h), flags, text);
    lay.TextWidth = measured.width();
    lay.TextHeight = measured.height();
    p.drawText(QRect(x0, y0, w, h), flags, text);
}

void LEText::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
    PROFILE_SCOPE("LEText::paint");
    DataCfg::TLayout& lay = Layout();
    const TextOrigin origin = lay.Text == m_originText ? m_origin : TextOrigin::Layout;
    // An input element shows its editable item, never the substituted text: what is typed into it runs nothing.
    const QString text =
        origin == TextOrigin::Outside || m_edit ? lay.Text : SubstituteText(lay.Text, origin == TextOrigin::Layout);
    UpdateFont();
    if (m_edit) {
        if (painter)
            painter->fillRect(QRect(QPoint(0, 0), IntSize()), QColor(0, 0, 0));
    } else {
        const QSize size = IntSize();
        const QString key =
            text + QLatin1Char('\x1f') + m_font.family() + QLatin1Char('\x1f') + QString::number(PixelSize()) +
            QLatin1Char('\x1f') + QString::number(size.width()) + QLatin1Char('\x1f') + QString::number(size.height()) +
            QLatin1Char('\x1f') + QString::number(lay.Color.rgba(), 16) + QLatin1Char('\x1f') +
            QString::number(lay.TextAlign) + QLatin1Char('\x1f') + QString::number(HasState(SB_TextStroke)) +
            QString::number(HasState(SB_WordWrap)) + QLatin1Char('\x1f') + QString::number(m_font.weight()) +
            QLatin1Char('\x1f') + QString::number(int(m_font.style())) + QString::number(m_font.underline());
        if (key != m_textKey) {
            m_textKey = key;
            RenderText(text);
        }
    }
    LEBase::paint(painter, option, widget);
}

void LEText::WriteTextRecord(const QVariantMap& previous, QVariantMap& out) {
    const DataCfg::TLayout& lay = Layout();
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TFont rec = cfg ? cfg->FindFont(lay.Font, lay.Set) : DataCfg::TFont();
    int style = 0;
    if (HasState(SB_WordWrap))
        style |= 1;
    if (HasState(SB_TextStroke))
        style |= 2;
    if (HasState(SB_TextUnderline))
        style |= 4;
    const QString tf = QStringLiteral("%1,%2,%3,%4,%5")
                           .arg(PixelSize())
                           .arg(QString::number(lay.Color.rgb() & 0xffffffu, 16))
                           .arg(style)
                           .arg(lay.TextAlign)
                           .arg(rec.Name.isEmpty() ? 0 : rec.Index);
    ViewDelta::Write(previous, out, QStringLiteral("tf"), tf, QVariant());
    ViewDelta::Write(previous, out, QStringLiteral("tx"), lay.Type == DataCfg::LT_Input ? QString() : m_paintedText,
                     QVariant());
    if (lay.Type == DataCfg::LT_Input)
        ViewDelta::Write(previous, out, QStringLiteral("inp"), 1, QVariant());
}
