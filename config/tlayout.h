#pragma once
// Layout records: one element of a skin (text, graphic, input, nested skin or internal element).

#include "config/tnamed.h"

#include <QColor>
#include <QMap>
#include <QRect>
#include <QRectF>

struct DataCfg::TMapIdx {
    qint32 first = 0;  // -1 to 63
    qint32 second = 0; // 0 to 63

    TMapIdx() = default;
    TMapIdx(int a, int b);
    // "a.b": the integers before the first '.' and between the first and the second '.'.
    explicit TMapIdx(const QString& text);
    bool operator<(const TMapIdx& o) const { return first != o.first ? first < o.first : second < o.second; }
    bool operator==(const TMapIdx& o) const { return first == o.first && second == o.second; }
};

struct DataCfg::TLayoutMask {
    qint32 type = DataCfg::MT_None;
    qint32 input = 0;
    double start = 0.0; // radians
    double end = 1.0;   // radians

    void Parse(const QVariantMap& map);
};

struct DataCfg::TLayout : DataCfg::TBase {
    // Bits of the state word that the reader sets.
    enum StateBits : quint32 {
        SB_Visible = 0x1,
        SB_MouseEnabled = 0x10,
        SB_Toggle = 0x20,
        SB_WordWrap = 0x40,
        SB_Scrollable = 0x80,
        SB_TextStroke = 0x200,
        SB_PressedOvl = 0x400,
        SB_TextUnderline = 0x800,
        SB_Rasterize = 0x2000,
        SB_MouseRepeat = 0x4000
    };

    qint32 Type = DataCfg::LT_Invalid;
    QString Config;
    QString Text;
    QString Gfx;
    QString GfxA; // active state
    QString GfxP; // pressed state
    QString GfxM; // mask
    QString MouseMask;
    QString Skin;         // nested skin (LT_Skin) or internal element (LT_Internal)
    QString Font;         // font record name
    qint32 TextWidth = 0; // size of the text last drawn, written by text elements
    qint32 TextHeight = 0;
    QColor Color = QColor(0, 0, 0, 0);
    QColor ColorP = QColor(0, 0, 0, 0);
    qint32 FontSize = 0;
    qint32 BaseSize = 160;
    qint32 ExtendHitTest = 0;
    quint32 State = 0x509;
    qint32 MouseEvtMinAlpha = 128;
    qint32 MouseMoveDelay = 100;
    double Opacity = 1.0;
    double Rotation = 0.0; // radians
    QRectF Rect;           // negative values are fractions of the parent's size
    qint32 Align = DataCfg::LA_None;
    qint32 TextAlign = DataCfg::LA_None;
    qint32 ControlClass = DataCfg::CC_None;
    DataCfg::TLayoutMask Mask;
    QMap<DataCfg::TMapIdx, DataCfg::TMapIdx> Mapping;
    QVariantMap ExtParams;
    QVariantMap Override;

    void Read(const QVariantMap& map);
    void ParseMapping(const QString& text);
    // The rectangle in a parent of W by H; a graphic element of width 0 takes its graphic's size first.
    QRect GetRect(int W, int H);
};
