#pragma once
// Text element: substitutes "$(" ... ")" placeholders with function outputs (optionally passed through a
// script function), renders the text with its font, stroke, alignment and wrapping into its main image,
// and, as an input element, carries an editable text item instead.

#include "runtime/lebase.h"

#include <QFont>

class QGraphicsTextItemP;

class LEText : public LEBase {
    Q_OBJECT
public:
    LEText(QGraphicsItem* parent, const DataCfg::TLayout& layout, bool input = false);

    void Setup() override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    bool IsInput() const { return m_input; }
    void SetInput(bool input) { m_input = input; }
    // The text as last painted, placeholders replaced.
    QString GetPaintedText() const { return m_paintedText; }
    const QFont& GetFont() const { return m_font; }
    QGraphicsTextItemP* GetEditItem() const { return m_edit; }

    // The layout's text with every "$(" ... ")" replaced once; replacements are never scanned again, and a
    // "$(" without a closing ")" stays as it is.
    QString SubstituteText(const QString& text) const;
    // Sets the layout's text from outside (typed on the phone): shown as it is, its placeholders never
    // substituted, so the text cannot call script functions. A later text set by a script substitutes again.
    void SetOutsideText(const QString& text);
    // Qt alignment flags of a layout alignment value; 0 for values that name no alignment.
    static int QtAlignment(int layoutAlign);

protected:
    void WriteTextRecord(const QVariantMap& previous, QVariantMap& out) override;

private:
    QString PlaceholderValue(const QString& inner) const;
    int PixelSize() const;
    // Brings the element font up to date from the font record; true when it changed.
    bool UpdateFont();
    void RenderText(const QString& text);

    QFont m_font;
    QString m_textKey;
    QString m_paintedText;
    QString m_outsideText;
    bool m_hasOutsideText = false;
    bool m_input;
    QGraphicsTextItemP* m_edit;
};
