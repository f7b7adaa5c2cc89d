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
    // "$(" without a closing ")" stays as it is. Without runScripts a placeholder that names a script function
    // stays as written and nothing runs; the function outputs are still filled in.
    QString SubstituteText(const QString& text, bool runScripts = true) const;
    // Sets the layout's text from outside (typed on the phone): shown as it is, its placeholders never
    // substituted, so the text cannot call script functions.
    void SetOutsideText(const QString& text);
    // Sets the layout's text from a script at run time. Such text often carries what others wrote (a feed
    // title, a mail subject, a chat line), so its placeholders show function outputs but never run a script
    // function.
    void SetScriptText(const QString& text);
    // Qt alignment flags of a layout alignment value; 0 for values that name no alignment.
    static int QtAlignment(int layoutAlign);

protected:
    void WriteTextRecord(const QVariantMap& previous, QVariantMap& out) override;

private:
    QString PlaceholderValue(const QString& inner, bool runScripts) const;
    int PixelSize() const;
    // Brings the element font up to date from the font record; true when it changed.
    bool UpdateFont();
    void RenderText(const QString& text);

    QFont m_font;
    QString m_textKey;
    QString m_paintedText;
    // Where the layout's text came from, while it is still that text: the configuration's own text
    // substitutes fully, a script's without running functions, the phone's not at all.
    enum class TextOrigin { Layout, Script, Outside };
    TextOrigin m_origin = TextOrigin::Layout;
    QString m_originText;
    bool m_input;
    QGraphicsTextItemP* m_edit;
};
