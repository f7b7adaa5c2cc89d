#include "runtime/dclayout.h"

#include "config/datacfgrecords.h"
#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/dcviewtarget.h"
#include "runtime/lebase.h"
#include "runtime/legfx.h"
#include "runtime/lehost.h"
#include "runtime/letext.h"

#include <QFont>
#include <QFontMetrics>
#include <QScriptEngine>

DCLayout::DCLayout(LEBase* element, QScriptEngine* engine, QObject* parent)
    : DCFuncSet(nullptr, engine, parent), m_element(element), m_hasElement(true) {}

DCLayout::DCLayout(const DataCfg::TLayout& description, QScriptEngine* engine)
    : DCFuncSet(nullptr, engine), m_hasElement(false), m_own(description) {}

DataCfg::TBase* DCLayout::Record() const {
    return L();
}

DataCfg::TLayout* DCLayout::L() const {
    if (!m_hasElement)
        return const_cast<DataCfg::TLayout*>(&m_own);
    return m_element ? &m_element->Layout() : nullptr;
}

DCViewTarget* DCLayout::ViewTarget() const {
    return m_element ? dynamic_cast<DCViewTarget*>(m_element->GetView()) : nullptr;
}

void DCLayout::DoInvalidate() {
    if (m_element)
        m_element->Invalidate();
}

void DCLayout::DoResetGeometry() {
    if (m_element)
        m_element->ResetGeometry();
}

bool DCLayout::SetTextField(QString DataCfg::TLayout::*field, const QString& value) {
    DataCfg::TLayout* l = L();
    if (!l || l->*field == value)
        return false;
    l->*field = value;
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Texts and colours

void DCLayout::setText(const QString& text) {
    if (!SetTextField(&DataCfg::TLayout::Text, text))
        return;
    if (auto* t = qobject_cast<LEText*>(m_element))
        t->SetScriptText(text);
    DoInvalidate();
}

QString DCLayout::getText() const {
    return L() ? L()->Text : QString();
}

void DCLayout::setGfx(const QString& gfx) {
    if (SetTextField(&DataCfg::TLayout::Gfx, gfx)) {
        DoResetGeometry();
        DoInvalidate();
    }
}

QString DCLayout::getGfx() const {
    return L() ? L()->Gfx : QString();
}

void DCLayout::setGfxA(const QString& gfx) {
    if (SetTextField(&DataCfg::TLayout::GfxA, gfx)) {
        DoResetGeometry();
        DoInvalidate();
    }
}

void DCLayout::setGfxP(const QString& gfx) {
    if (SetTextField(&DataCfg::TLayout::GfxP, gfx)) {
        DoResetGeometry();
        DoInvalidate();
    }
}

void DCLayout::setGfxM(const QString& gfx) {
    if (SetTextField(&DataCfg::TLayout::GfxM, gfx))
        DoInvalidate();
}

void DCLayout::setSkin(const QString& skin) {
    if (SetTextField(&DataCfg::TLayout::Skin, skin))
        DoInvalidate();
}

QString DCLayout::getSkin() const {
    return L() ? L()->Skin : QString();
}

void DCLayout::setFont(const QString& font) {
    if (SetTextField(&DataCfg::TLayout::Font, font))
        DoInvalidate();
}

QString DCLayout::getFont() const {
    return L() ? L()->Font : QString();
}

void DCLayout::setColor(const QString& colour) {
    DataCfg::TLayout* l = L();
    const QColor c = ColorFromText(colour);
    if (!l || l->Color == c)
        return;
    l->Color = c;
    DoInvalidate();
}

QString DCLayout::getColor() const {
    return L() ? ColorToText(L()->Color) : QString();
}

void DCLayout::setColorP(const QString& colour) {
    DataCfg::TLayout* l = L();
    const QColor c = ColorFromText(colour);
    if (!l || l->ColorP == c)
        return;
    l->ColorP = c;
    DoInvalidate();
}

QString DCLayout::getColorP() const {
    return L() ? ColorToText(L()->ColorP) : QString();
}

void DCLayout::setColorOpacity(const QString& colour) {
    DataCfg::TLayout* l = L();
    if (!l)
        return;
    QColor c = ColorFromText(colour);
    const double opacity = c.alphaF();
    c.setAlpha(255);
    if (l->Opacity == opacity && l->Color == c)
        return;
    l->Opacity = opacity;
    l->Color = c;
    DoInvalidate();
}

// ---------------------------------------------------------------------------------------------------------
// State bits

void DCLayout::setVisible(bool on) {
    if (m_element)
        m_element->SetVisible(on);
    else if (!m_hasElement)
        m_own.State = on ? (m_own.State | LEBase::SB_Visible) : (m_own.State & ~quint32(LEBase::SB_Visible));
}

void DCLayout::setActive(bool on) {
    if (m_element)
        m_element->SetActive(on);
    else if (!m_hasElement)
        m_own.State = on ? (m_own.State | LEBase::SB_Active) : (m_own.State & ~quint32(LEBase::SB_Active));
}

void DCLayout::setPressed(bool on) {
    if (m_element)
        m_element->SetPressed(on);
    else if (!m_hasElement)
        m_own.State = on ? (m_own.State | LEBase::SB_Pressed) : (m_own.State & ~quint32(LEBase::SB_Pressed));
}

bool DCLayout::Flag(quint32 bit) const {
    return L() && (L()->State & bit) != 0;
}

void DCLayout::SetFlag(quint32 bit, bool on) {
    DataCfg::TLayout* l = L();
    if (!l)
        return;
    l->State = on ? (l->State | bit) : (l->State & ~bit);
    DoInvalidate();
}

bool DCLayout::getVisible() const {
    return Flag(LEBase::SB_Visible);
}
bool DCLayout::getActive() const {
    return Flag(LEBase::SB_Active);
}
bool DCLayout::getPressed() const {
    return Flag(LEBase::SB_Pressed);
}
void DCLayout::setToggle(bool on) {
    SetFlag(LEBase::SB_Toggle, on);
}
bool DCLayout::getToggle() const {
    return Flag(LEBase::SB_Toggle);
}
void DCLayout::setPressedOvl(bool on) {
    SetFlag(LEBase::SB_PressedOvl, on);
}
bool DCLayout::getPressedOvl() const {
    return Flag(LEBase::SB_PressedOvl);
}
void DCLayout::setEnabled(bool on) {
    SetFlag(LEBase::SB_Enabled, on);
}
bool DCLayout::getEnabled() const {
    return Flag(LEBase::SB_Enabled);
}
void DCLayout::setMouseEnabled(bool on) {
    SetFlag(LEBase::SB_MouseEnabled, on);
}
bool DCLayout::getMouseEnabled() const {
    return Flag(LEBase::SB_MouseEnabled);
}
void DCLayout::setMouseRepeat(bool on) {
    SetFlag(LEBase::SB_MouseRepeat, on);
}
bool DCLayout::getMouseRepeat() const {
    return Flag(LEBase::SB_MouseRepeat);
}
void DCLayout::setTextStroke(bool on) {
    SetFlag(LEBase::SB_TextStroke, on);
}
bool DCLayout::getTextStroke() const {
    return Flag(LEBase::SB_TextStroke);
}
void DCLayout::setTextUnderline(bool on) {
    SetFlag(LEBase::SB_TextUnderline, on);
}
bool DCLayout::getTextUnderline() const {
    return Flag(LEBase::SB_TextUnderline);
}

// ---------------------------------------------------------------------------------------------------------
// Numbers

void DCLayout::setOpacity(double opacity) {
    DataCfg::TLayout* l = L();
    if (!l || l->Opacity == opacity)
        return;
    l->Opacity = opacity;
    DoInvalidate();
}

double DCLayout::getOpacity() const {
    return L() ? L()->Opacity : 0.0;
}

void DCLayout::setRotation(double rotation) {
    DataCfg::TLayout* l = L();
    if (!l || l->Rotation == rotation)
        return;
    l->Rotation = rotation;
    DoInvalidate();
}

double DCLayout::getRotation() const {
    return L() ? L()->Rotation : 0.0;
}

void DCLayout::setExtendHitTest(int pixels) {
    if (DataCfg::TLayout* l = L()) {
        l->ExtendHitTest = pixels;
        DoInvalidate();
    }
}

int DCLayout::getExtendHitTest() const {
    return L() ? L()->ExtendHitTest : 0;
}

void DCLayout::setTextAlign(int align) {
    if (DataCfg::TLayout* l = L()) {
        l->TextAlign = align;
        DoInvalidate();
    }
}

int DCLayout::getTextAlign() const {
    return L() ? L()->TextAlign : 0;
}

void DCLayout::setFontSize(int pixels) {
    if (DataCfg::TLayout* l = L()) {
        l->FontSize = pixels;
        DoInvalidate();
    }
}

int DCLayout::getFontSize() const {
    return L() ? L()->FontSize : 0;
}
int DCLayout::getRenderedTextWidth() const {
    return L() ? L()->TextWidth : 0;
}
int DCLayout::getRenderedTextHeight() const {
    return L() ? L()->TextHeight : 0;
}

int DCLayout::GetTextW(const QString& text, int size) {
    DataCfg::TLayout* l = L();
    if (!l)
        return 0;
    const QString t = text.isEmpty() ? l->Text : text;
    // As text elements draw it: a layout without a font size draws at 12 pixels.
    int px = size == -1 ? l->FontSize : size;
    if (px <= 0)
        px = 12;
    DataCfg* cfg = DataCfg::Instance();
    const DataCfg::TFont rec = cfg ? cfg->FindFont(l->Font, l->Set, true) : DataCfg::TFont();
    QFont font;
    font.setFamily(rec.Type);
    // The font engine would try any size; a pixel size outside this range only comes from a broken script.
    font.setPixelSize(qBound(1, px, 4096));
    if (rec.Weight != DataCfg::FW_None)
        font.setWeight(rec.Weight);
    if (rec.Style != DataCfg::FS_None)
        font.setStyle(static_cast<QFont::Style>(rec.Style));
    return QFontMetrics(font).horizontalAdvance(t);
}

// ---------------------------------------------------------------------------------------------------------
// Geometry

void DCLayout::setPos(float x, float y) {
    if (m_element)
        m_element->setPos(x, y);
}

void DCLayout::setX(float x) {
    if (m_element)
        m_element->setPos(x, m_element->y());
}

void DCLayout::setY(float y) {
    if (m_element)
        m_element->setPos(m_element->x(), y);
}

float DCLayout::getX() const {
    return m_element ? float(m_element->x()) : 0.0f;
}
float DCLayout::getY() const {
    return m_element ? float(m_element->y()) : 0.0f;
}

void DCLayout::setSize(float w, float h) {
    DataCfg::TLayout* l = L();
    if (!l)
        return;
    l->Rect.setWidth(w);
    l->Rect.setHeight(h);
    if (m_element) {
        // Aligned elements are placed by their size: the cached one must go first.
        m_element->ResetGeometry();
        m_element->UpdatePositions();
        m_element->Invalidate();
    }
}

void DCLayout::setW(float w) {
    setSize(w, getH());
}
void DCLayout::setH(float h) {
    setSize(getW(), h);
}

float DCLayout::getW() const {
    return m_element ? float(m_element->boundingRect().width()) : 0.0f;
}
float DCLayout::getH() const {
    return m_element ? float(m_element->boundingRect().height()) : 0.0f;
}
int DCLayout::getID() const {
    return m_element ? m_element->GetId() : 0;
}

// ---------------------------------------------------------------------------------------------------------
// Mask, input map and scrolling

void DCLayout::setMask(const QVariantMap& mask) {
    if (DataCfg::TLayout* l = L())
        l->Mask.Parse(mask);
}

float DCLayout::getMaskStart() const {
    return L() ? float(L()->Mask.start) : 0.0f;
}
float DCLayout::getMaskEnd() const {
    return L() ? float(L()->Mask.end) : 0.0f;
}

void DCLayout::setMaskInput(int input) {
    if (DataCfg::TLayout* l = L())
        l->Mask.input = qBound(-1, input, 63);
}

int DCLayout::GetIOMapFunction(int i, int j) {
    const DataCfg::TMapIdx key(i, j);
    if (m_element)
        return m_element->InputMap().value(key, key).first;
    const DataCfg::TLayout* l = L();
    return l ? l->Mapping.value(key, key).first : key.first;
}

int DCLayout::GetIOMapOutput(int i, int j) {
    const DataCfg::TMapIdx key(i, j);
    if (m_element)
        return m_element->InputMap().value(key, key).second;
    const DataCfg::TLayout* l = L();
    return l ? l->Mapping.value(key, key).second : key.second;
}

void DCLayout::DoScrollBy(int delta) {
    if (m_element)
        m_element->ScrollBy(delta);
}

void DCLayout::DoScrollTo(int position) {
    if (m_element)
        m_element->ScrollTo(position);
}

int DCLayout::GetScrollPosY() const {
    return m_element ? m_element->GetScrollPos() : 0;
}

void DCLayout::Invalidate() {
    DoInvalidate();
}

void DCLayout::InvalidateSize() {
    DoResetGeometry();
}

// ---------------------------------------------------------------------------------------------------------
// Type, tree

void DCLayout::setType(int type) {
    if (DataCfg::TLayout* l = L())
        l->Type = type;
}

int DCLayout::getType() const {
    return L() ? L()->Type : int(DataCfg::LT_Invalid);
}

QScriptValue DCLayout::WrapperOf(LEBase* element) {
    return element && m_engine ? element->GetDCLayoutValue(m_engine) : QScriptValue(QScriptValue::NullValue);
}

QScriptValue DCLayout::getParent() {
    QGraphicsItem* parent = m_element ? m_element->parentItem() : nullptr;
    QGraphicsObject* object = parent ? parent->toGraphicsObject() : nullptr;
    return WrapperOf(qobject_cast<LEBase*>(object));
}

QScriptValue DCLayout::findChild(const QString& name) {
    if (!m_element)
        return QScriptValue(QScriptValue::NullValue);
    for (QGraphicsItem* child : m_element->childItems()) {
        QGraphicsObject* object = child->toGraphicsObject();
        LEBase* e = qobject_cast<LEBase*>(object);
        if (e && e->Layout().Name == name)
            return WrapperOf(e);
    }
    return QScriptValue(QScriptValue::NullValue);
}

int DCLayout::addChildGfx(const QString& name, const QString& gfx, int x, int y, int, int) {
    QLOG_DEBUG() << "EX:: trying to add child GFX to this layout object...";
    if (!m_element)
        return 0;
    QLOG_DEBUG() << "EX:: creating new sublayout...";
    DataCfg::TLayout rec;
    QLOG_DEBUG() << "EX:: initializing new sublayout...";
    rec.Name = name;
    rec.Type = DataCfg::LT_Gfx;
    rec.Gfx = gfx;
    rec.State |= LEBase::SB_Visible;
    QLOG_DEBUG() << "EX:: creating new Gfx from user input...";
    auto* child = new LEGfx(m_element, rec);
    child->setEnabled(true);
    child->SetVisible(true);
    child->setVisible(true);
    child->SetView(m_element->GetView());
    QLOG_DEBUG() << "EX:: setting position to" << x << "," << y;
    QLOG_DEBUG() << "EX:: initializing Gfx...";
    child->Setup();
    child->setPos(x, y);
    QLOG_DEBUG() << "EX:: adding Gfx to current layout's childItems list...";
    if (DCViewTarget* view = ViewTarget())
        view->AddElement(child);
    QLOG_DEBUG() << "EX:: ------------------------------------------------";
    return 3;
}

void DCLayout::remAllChildren() {
    if (DCViewTarget* view = ViewTarget())
        view->RemAllChildren(this);
}
