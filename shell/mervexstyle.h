#pragma once
// The application-wide style. Most of the look comes from the style sheet and the widget kit's own painting;
// the style only drops focus frames on buttons and in combo-box lists and draws item texts with a soft
// shadow (condensed button captions) or a glow (the program's blue).

#include <QFont>
#include <QProxyStyle>

class MervexStyle : public QProxyStyle {
    Q_OBJECT
public:
    MervexStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;

    // The caption font of the grid tabs.
    static QFont GetTabFont();
    // The text colour that glows.
    static QColor GlowColor() { return QColor(101, 195, 248); }
};
