#include "shell/helpguideovl.h"

#include "widgets/imgbtn.h"
#include "widgets/imgwidget.h"
#include "widgets/qlabelex.h"

#include <QPointer>

namespace {
QPointer<HelpGuideOvl> g_overlay;

const char* const kCaptions[4] = {QT_TRANSLATE_NOOP("HelpGuideOvl", "Choose a control\nfrom category."),
                                  QT_TRANSLATE_NOOP("HelpGuideOvl", "Edit control settings.\nPreview here."),
                                  QT_TRANSLATE_NOOP("HelpGuideOvl", "Place on grid. "),
                                  QT_TRANSLATE_NOOP("HelpGuideOvl", " Add Grid\nto tab bar.")};
} // namespace

// The pictures are resources of the shell's static library, registered by hand outside any namespace.
static void InitHelpGuideResources() {
    Q_INIT_RESOURCE(shellimages);
}

HelpGuideOvl* HelpGuideOvl::Current() {
    return g_overlay;
}

HelpGuideOvl::HelpGuideOvl(QWidget* parent) : QWidgetEx(parent) {
    if (g_overlay) {
        deleteLater();
        return;
    }
    g_overlay = this;
    InitHelpGuideResources();
    setObjectName(QStringLiteral("HelpGuideOvl"));
    setGeometry(7, 89, 1010, 659);
    m_background = new ImgWidget(this, QStringLiteral(":/images/HelpGuideOvl_BG"));
    m_background->setObjectName(QStringLiteral("helpGuideBG"));
    m_close = new ImgBtn(this);
    m_close->setObjectName(QStringLiteral("helpGuideClose"));
    m_close->SetImage(QStringLiteral("HelpGuideOvl_Close"));
    m_close->move(width() - m_close->width() - 20, 20);
    connect(m_close, &QPushButton::clicked, this, &HelpGuideOvl::OnClose);
    setStyleSheet(QStringLiteral("QWidget { font-family:'Eurostile LT Std';font-size:22px; }"));
    for (int i = 0; i < 4; ++i) {
        // Light on the dark picture.
        m_captions[i] = new QLabelEx(this, QString(), false, -1, QColor(0xf0, 0xf0, 0xf0));
        m_captions[i]->setObjectName(QStringLiteral("helpGuideCaption%1").arg(i));
    }
    m_captions[0]->move(18, 329);
    m_captions[1]->move(377, 335);
    m_captions[2]->setGeometry(55, 563, 445, 120);
    m_captions[2]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_captions[3]->setGeometry(750, 535, 270, 120);
    m_captions[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Retranslate();
    show();
    raise();
}

HelpGuideOvl::~HelpGuideOvl() {
    if (g_overlay == this)
        g_overlay = nullptr;
}

void HelpGuideOvl::Retranslate() {
    for (int i = 0; i < 4; ++i) {
        if (!m_captions[i])
            return;
        m_captions[i]->setText(tr(kCaptions[i]));
    }
    // The first two take the size of their texts; the other two keep their fixed boxes.
    m_captions[0]->adjustSize();
    m_captions[1]->adjustSize();
}

void HelpGuideOvl::OnClose() {
    close();
    deleteLater();
    // Closed is gone: the guide may be opened again at once.
    if (g_overlay == this)
        g_overlay = nullptr;
}
