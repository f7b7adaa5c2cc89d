#pragma once
// The script face of one layout element of a running control view (its own copy of the layout record, its
// state, geometry, images and children), or, made by DCSkin::getLayout, of a bare layout description with
// no element (then only the record slots mean something). Element objects are made once per element and
// engine (LEBase::GetDCLayout), so a script meets the same object for one element on every call.

#include "config/tlayout.h"
#include "runtime/dcfuncset.h"
#include "runtime/lebase.h"

#include <QImage>
#include <QPointer>
#include <QVariantMap>

class DCViewTarget;

class DCLayout : public DCFuncSet {
    Q_OBJECT
    Q_PROPERTY(QString text READ getText WRITE setText)
    Q_PROPERTY(QString gfx READ getGfx WRITE setGfx)
    Q_PROPERTY(QString skin READ getSkin WRITE setSkin)
    Q_PROPERTY(QString font READ getFont WRITE setFont)
    Q_PROPERTY(QString color READ getColor WRITE setColor)
    Q_PROPERTY(QString colorP READ getColorP WRITE setColorP)
    Q_PROPERTY(bool visible READ getVisible WRITE setVisible)
    Q_PROPERTY(bool active READ getActive WRITE setActive)
    Q_PROPERTY(bool pressed READ getPressed WRITE setPressed)
    Q_PROPERTY(bool enabled READ getEnabled WRITE setEnabled)
    Q_PROPERTY(bool toggle READ getToggle WRITE setToggle)
    Q_PROPERTY(bool pressedOvl READ getPressedOvl WRITE setPressedOvl)
    Q_PROPERTY(bool mouseEnabled READ getMouseEnabled WRITE setMouseEnabled)
    Q_PROPERTY(bool mouseRepeat READ getMouseRepeat WRITE setMouseRepeat)
    Q_PROPERTY(bool textStroke READ getTextStroke WRITE setTextStroke)
    Q_PROPERTY(bool textUnderline READ getTextUnderline WRITE setTextUnderline)
    Q_PROPERTY(int extendHitTest READ getExtendHitTest WRITE setExtendHitTest)
    Q_PROPERTY(int textAlign READ getTextAlign WRITE setTextAlign)
    Q_PROPERTY(int fontSize READ getFontSize WRITE setFontSize)
    Q_PROPERTY(double opacity READ getOpacity WRITE setOpacity)
    Q_PROPERTY(double rotation READ getRotation WRITE setRotation)
    Q_PROPERTY(int type READ getType WRITE setType)
    Q_PROPERTY(int renderedTextWidth READ getRenderedTextWidth)
    Q_PROPERTY(int renderedTextHeight READ getRenderedTextHeight)
public:
    // The object of a running element, parented to the element's view object (the element deletes it).
    DCLayout(LEBase* element, QScriptEngine* engine, QObject* parent);
    // A description object over its own copy of a layout record; no element.
    DCLayout(const DataCfg::TLayout& description, QScriptEngine* engine);

    // The element's layout copy, the own description, or null once the element is gone.
    DataCfg::TBase* Record() const override;
    LEBase* Element() const { return m_element; }

    // Loads, fits, tints, places and masks a picture for the element at its size. Each stage keeps its last
    // input and result, so a script repeating the same call costs a key comparison.
    QImage LoadGfx_Int(const QString& file, const QString& mask, double scale, int dx, int dy, int align,
                       const QString& colour, const QString& params);

public slots:
    void setText(const QString& text);
    QString getText() const;
    void setGfx(const QString& gfx);
    QString getGfx() const;
    void setGfxA(const QString& gfx);
    void setGfxP(const QString& gfx);
    void setGfxM(const QString& gfx);
    void setSkin(const QString& skin);
    QString getSkin() const;
    void setFont(const QString& font);
    QString getFont() const;
    void setColor(const QString& colour);
    QString getColor() const;
    void setColorP(const QString& colour);
    QString getColorP() const;
    // The colour's alpha becomes the opacity, the colour made opaque the colour.
    void setColorOpacity(const QString& colour);

    void setVisible(bool on);
    bool getVisible() const;
    void setActive(bool on);
    bool getActive() const;
    void setPressed(bool on);
    bool getPressed() const;
    void setToggle(bool on);
    bool getToggle() const;
    void setPressedOvl(bool on);
    bool getPressedOvl() const;
    void setEnabled(bool on);
    bool getEnabled() const;
    void setMouseEnabled(bool on);
    bool getMouseEnabled() const;
    void setMouseRepeat(bool on);
    bool getMouseRepeat() const;
    void setTextStroke(bool on);
    bool getTextStroke() const;
    void setTextUnderline(bool on);
    bool getTextUnderline() const;

    void setOpacity(double opacity);
    double getOpacity() const;
    // Radians.
    void setRotation(double rotation);
    double getRotation() const;
    void setExtendHitTest(int pixels);
    int getExtendHitTest() const;
    void setTextAlign(int align);
    int getTextAlign() const;
    void setFontSize(int pixels);
    int getFontSize() const;
    // Size of the text as the element last drew it.
    int getRenderedTextWidth() const;
    int getRenderedTextHeight() const;
    // Pixel width of the text (the layout's text when empty) in the layout's font at size pixels (-1: the
    // layout's font size).
    int GetTextW(const QString& text = QString(), int size = -1);

    void setPos(float x, float y);
    void setX(float x);
    void setY(float y);
    float getX() const;
    float getY() const;
    // The layout rectangle's size; the element is laid out again.
    void setSize(float w, float h);
    void setW(float w);
    void setH(float h);
    float getW() const;
    float getH() const;
    // The element id, the phone's address of the element.
    int getID() const;

    // The value-driven mask, read like a layout's "Mask" entry.
    void setMask(const QVariantMap& mask);
    float getMaskStart() const;
    float getMaskEnd() const;
    void setMaskInput(int input);
    // The function and output index that the element's input map gives input (i, j).
    int GetIOMapFunction(int i = 0, int j = 0);
    int GetIOMapOutput(int i = 0, int j = 0);

    void DoScrollBy(int delta);
    void DoScrollTo(int position);
    int GetScrollPosY() const;
    void Invalidate();
    void InvalidateSize();

    // A picture file fitted into the element less a border, centred, optionally masked by a picture file.
    bool LoadGfx(const QString& file, const QString& mask, int border = 0);
    // The composition of LoadGfx_Int as the element's main (LoadGfx) or pressed (LoadGfxP) image.
    bool LoadGfx(const QString& file, const QString& mask, double scale, int dx, int dy, int align,
                 const QString& colour, const QString& params = QString());
    bool LoadGfxP(const QString& file, const QString& mask, double scale, int dx, int dy, int align,
                  const QString& colour, const QString& params = QString());
    // A downloaded picture drawn over (or under) the graphic base at (x, y), scaled to cover size x size when
    // size > 0 and masked; false, showing base, until the picture has arrived.
    bool ComposeGfx(const QString& base, const QString& url, int x, int y, int size = -1,
                    const QString& mask = QString(), bool under = false);

    // The layout's type field only; the element keeps its class.
    void setType(int type);
    int getType() const;
    QScriptValue getParent();
    QScriptValue findChild(const QString& name);
    // Adds an image element below this one at (x, y); answers 3 (0 without an element).
    int addChildGfx(const QString& name, const QString& gfx, int x, int y, int, int);
    void remAllChildren();

private:
    DataCfg::TLayout* L() const;
    DCViewTarget* ViewTarget() const;
    void DoInvalidate();
    void DoResetGeometry();
    // Sets a state bit of the record and invalidates, changed or not.
    void SetFlag(quint32 bit, bool on);
    bool Flag(quint32 bit) const;
    bool SetTextField(QString DataCfg::TLayout::*field, const QString& value);
    QScriptValue WrapperOf(LEBase* element);

    QPointer<LEBase> m_element;
    bool m_hasElement;
    DataCfg::TLayout m_own; // the description of an object without element
};
