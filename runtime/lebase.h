#pragma once
// The element of one layout of a control's skin: its own copy of the layout record with the state word,
// geometry and alignment, scrolling, script handlers, local and remote mouse input, the image entries that
// the drawing step paints, and the element's record for the phone. Used directly for nested skins.

#include "config/tlayout.h"
#include "runtime/imgdata.h"
#include "runtime/leinterface.h"

#include <QHash>
#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QScriptValue>
#include <QVariantMap>

class LEHost;
class QScriptEngine;

class LEBase : public LEInterface {
    Q_OBJECT
public:
    // Bits of the state word beyond those the layout reader sets (see DataCfg::TLayout::StateBits).
    enum StateBits : quint32 {
        SB_Visible = 0x1,
        SB_Active = 0x2,
        SB_Pressed = 0x4,
        SB_Enabled = 0x8,
        SB_MouseEnabled = 0x10,
        SB_Toggle = 0x20,
        SB_WordWrap = 0x40,
        SB_Scrollable = 0x80,
        SB_Fresh = 0x100, // cleared by the network graph at each paint
        SB_TextStroke = 0x200,
        SB_PressedOvl = 0x400,
        SB_TextUnderline = 0x800,
        SB_Internal = 0x1000, // set by the network graph's set-up
        SB_Rasterize = 0x2000,
        SB_MouseRepeat = 0x4000
    };
    // The press-mask range when no radial mask set it.
    static constexpr int NoPressMask = -10000;
    // Largest image an element renders; larger layouts draw nothing rather than exhaust memory.
    static constexpr int MaxImageSide = 16384;
    static constexpr qint64 MaxImagePixels = 16 * 1024 * 1024;
    static bool IsDrawableSize(const QSize& size);

    LEBase(QGraphicsItem* parent, const DataCfg::TLayout& layout);
    ~LEBase() override;

    // LEInterface
    LEBase* GetLEBase() override { return this; }
    void Setup() override;
    bool SetVisible(bool on) override;
    bool SetActive(bool on) override;
    bool SetPressed(bool on) override;
    void OnUpdate() override;
    void OnTick() override;
    void Invalidate() override;

    // QGraphicsItem
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    int GetId() const { return m_id; }
    LEHost* GetView() const { return m_view; }
    void SetView(LEHost* view) { m_view = view; }
    // The element's own copy of its layout; scripts change this copy, never the configuration.
    DataCfg::TLayout& Layout() { return m_layout; }
    const DataCfg::TLayout& Layout() const { return m_layout; }
    quint32 GetState() const { return m_layout.State; }
    bool HasState(quint32 bit) const { return (m_layout.State & bit) != 0; }
    // Input index -> (function index, output index), filled by the view builder.
    QMap<DataCfg::TMapIdx, DataCfg::TMapIdx>& InputMap() { return m_inputMap; }

    // Image entries.
    ImgData& MainImage() { return m_main; }
    ImgData& PressedImage() { return m_pressed; }
    ImgData& MaskImage() { return m_mask; }
    ImgData& MouseHitImage() { return m_hit; }
    QRect GetSourceRect() const { return m_srcRect; }
    QRect GetTargetRect() const { return m_dstRect; }
    void SetSourceRect(const QRect& r) { m_srcRect = r; }
    void SetTargetRect(const QRect& r) { m_dstRect = r; }
    int GetPressMaskStart() const { return m_pressMaskStart; }
    int GetPressMaskEnd() const { return m_pressMaskEnd; }
    void SetPressMask(int start, int end);

    // Geometry.
    QPoint GetLayoutPos() const;
    void UpdatePosition();
    void UpdatePositions();
    void ResetGeometry();
    void FitToChildren();
    QRect GetChildrenRect() const;
    LEBase* GetSibling(int offset) const;
    bool IsDescendantOf(const QGraphicsItem* item) const;
    bool IsPressedInTree() const;
    QString GetGfxName() const;

    // Scripts.
    QObject* GetDCLayout(QScriptEngine* engine);
    // Its script value in that engine, the same one on every call; null when there is no wrapper.
    QScriptValue GetDCLayoutValue(QScriptEngine* engine);
    QScriptValue ExecLayoutFunc(const QString& name, const QScriptValueList& args = QScriptValueList());

    // Input from the phone: "dn", "tr", "up", "up2", "ca", "mv", "sc".
    void OnExtMouseEvent(const QString& kind, int x, int y);
    void UnregisterFromView();

    // Vertical scrolling of the children.
    void ScrollBy(int delta);
    void ScrollTo(int position);
    int GetScrollPos() const;
    int GetScrollTarget() const { return m_scrollTarget; }

    // Writes the element's record for the phone into out, key by key against previous (what the phone
    // holds), and registers its images with the image manager.
    QVariantMap& BuildDataUpdate(const QVariantMap& previous, QVariantMap& out);
    // True for elements the phone draws as text ("tf", "tx") rather than as images ("cI", "cP").
    bool IsTextElement() const;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

    // Text elements add "tf", "tx" and "inp" to the record.
    virtual void WriteTextRecord(const QVariantMap& previous, QVariantMap& out) {}
    bool SetStateBit(quint32 bit, bool on);
    // The element's size, truncated.
    QSize IntSize() const;
    // Reports the mouse position to the view when the element takes the mouse.
    void RecordMousePos(const QPointF& pos);
    LEBase* ParentElement() const;
    void PassToParent(QGraphicsSceneMouseEvent* event, LEBase* parent,
                      void (LEBase::*handler)(QGraphicsSceneMouseEvent*));

private:
    mutable QRectF m_rect; // width -1 until computed
    int m_id;
    int m_pressMaskStart;
    int m_pressMaskEnd;
    int m_scrollTarget;
    ImgData m_main;
    ImgData m_pressed;
    ImgData m_mask;
    ImgData m_hit;
    QRect m_srcRect;
    QRect m_dstRect;
    QPixmap m_mainPixmap;
    QPixmap m_pressedPixmap;
    double m_pixmapRotation;
    QPoint m_scrollPoint;
    LEHost* m_view;
    QHash<QScriptEngine*, QPointer<QObject>> m_dcLayouts; // parented to the view, which may go first
    // The script values of those wrappers, made once per engine (each handler call passes one).
    QHash<QScriptEngine*, QScriptValue> m_dcLayoutValues;
    DataCfg::TLayout m_layout;
    QMap<DataCfg::TMapIdx, DataCfg::TMapIdx> m_inputMap;
};
