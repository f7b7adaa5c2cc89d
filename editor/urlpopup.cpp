#include "editor/urlpopup.h"

#include "foundation/helpers.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"

UrlPopup::UrlPopup(QWidget* parent) : PopupWnd(parent) {
    setWindowTitle(tr("OPEN WEBSITE"));
    text = tr("Open website");
    SetIcon(7);
    resize(440, 210);
    AddButtons(OK | CANCEL, OK);

    auto* hint = new QLabelEx(this, tr("Choose a website URL (http://...) to open."));
    hint->move(25, 85);
    auto* caption = new QLabelEx(this, tr("URL:"), false, -1, ColorFromText(QStringLiteral("mervex")));
    caption->move(25, 110);
    m_edtUrl = new QLineEditEx(this);
    m_edtUrl->setGeometry(110, 108, 240, 19);
    m_edtUrl->setFocus();
}

QString UrlPopup::GetUrl() const {
    return m_edtUrl->text();
}
