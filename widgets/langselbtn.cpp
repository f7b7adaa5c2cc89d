#include "widgets/langselbtn.h"

#include "functions/loadimagecached.h"
#include "widgets/widgetresources.h"

#include <QPainter>

namespace {
struct LangName {
    const char* code;
    const char* name; // UTF-8
};
// One language a line. The Russian name is Cyrillic throughout (a Greek capital pi looks the same but is not).
// clang-format off
const LangName kNames[] = {
    {"dk", "Dansk"},
    {"en", "English"},
    {"fi", "Suomi"},
    {"fr", "Français"},
    {"de", "Deutsch"},
    {"it", "Italiano"},
    {"jp", "日本語"},
    {"ko", "한국어"},
    {"pl", "Polski"},
    {"ru", "Русский язык"},
    {"sc", "简体字"},
    {"es", "Español"},
    {"sv", "Svenska"},
    {"th", "ภาษาไทย"},
    {"tc", "簡體字"},
    {"tr", "Türkçe"},
    {"vi", "Tiếng Việt"},
    {"pt", "Português"},
    {"cn", "简体中文"},
    {"tw", "繁體中文"},
};
// clang-format on
} // namespace

LangSelBtn::LangSelBtn(QWidget* parent) : QPushButton(parent) {
    InitWidgetResources();
}

QString LangSelBtn::NameOf(const QString& code) {
    for (const LangName& entry : kNames) {
        if (code == QLatin1String(entry.code))
            return QString::fromUtf8(entry.name);
    }
    return QString();
}

void LangSelBtn::SetCode(const QString& code) {
    m_code = code;
    resize(100, 16);
    setStyleSheet(QStringLiteral("LangSelBtn         {border:none;background-image:url(:/images/language/LBtnSelN);}\n"
                                 "LangSelBtn:hover   {background-image:url(:/images/language/LBtnSelH);}\n"
                                 "LangSelBtn:pressed {background-image:url(:/images/language/LBtnSelD);}\n"));
    m_flag = LoadImageCached(QStringLiteral(":/images/language/Flag_") + code, false);
    m_name = NameOf(code);
    // Once only, however often the code changes.
    connect(this, &QPushButton::clicked, this, &LangSelBtn::ReemitClicked, Qt::UniqueConnection);
}

void LangSelBtn::ReemitClicked() {
    emit clicked(m_code);
}

void LangSelBtn::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    QPainter painter(this);
    if (!m_flag.isNull())
        painter.drawImage(12, 3, m_flag);
    painter.setPen(QColor(0, 0, 0));
    painter.setFont(NameFont());
    painter.drawText(QRect(32, 3, 80, 16), Qt::AlignLeft | Qt::AlignTop, m_name);
}

QFont LangSelBtn::NameFont() const {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7);
    // Where Arial is missing a wider face stands in for it; the name must still end inside the button.
    const int room = width() - 32 - 1;
    while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(m_name) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}
