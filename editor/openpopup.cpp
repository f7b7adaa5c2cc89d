#include "editor/openpopup.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "widgets/qlabelex.h"
#include "widgets/qlineeditex.h"
#include "widgets/stdbtn.h"

#include <QFileDialog>

namespace {

OpenPopup::PathChooser& Chooser() {
    static OpenPopup::PathChooser chooser;
    return chooser;
}

QString ChoosePath(QWidget* parent, const QString& title, const QString& filter, bool folder) {
    if (Chooser())
        return Chooser()(parent, title, filter, folder);
    if (folder)
        return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

} // namespace

void OpenPopup::SetPathChooser(const PathChooser& chooser) {
    Chooser() = chooser;
}

OpenPopup::OpenPopup(QWidget* parent, bool application) : PopupWnd(parent), m_application(application) {
    setWindowTitle(application ? tr("OPEN APPLICATION") : tr("OPEN ANY"));
    text = application ? tr("Open application") : tr("Open any");
    SetIcon(7);
    resize(440, 210);
    AddButtons(OK | CANCEL, OK);

    auto* hint =
        new QLabelEx(this, application ? tr("Choose an application (*.exe) to open.")
                                       : tr("Choose an application, document, folder or enter a website to open."));
    hint->move(25, 85);
    auto* caption = new QLabelEx(this, application ? tr("Application:") : tr("Open this:"), false, -1,
                                 ColorFromText(QStringLiteral("mervex")));
    caption->setGeometry(25, 107, 10, 19);
    caption->FitWidthToText();

    m_btnFile = new StdBtn(this, 1);
    m_btnFile->setText(tr("FILE"));
    m_btnFile->setStatusTip(tr("Select File"));
    int right = width() - 18;
    if (!application) {
        m_btnFolder = new StdBtn(this, 1);
        m_btnFolder->setText(tr("FOLDER"));
        m_btnFolder->setStatusTip(tr("Select Folder"));
        m_btnFolder->move(right - m_btnFolder->width(), 108);
        right = m_btnFolder->x() - 6;
        connect(m_btnFolder, &QAbstractButton::clicked, this, &OpenPopup::OnFolder);
    }
    m_btnFile->move(right - m_btnFile->width(), 108);
    connect(m_btnFile, &QAbstractButton::clicked, this, &OpenPopup::OnFile);

    m_edtPath = new QLineEditEx(this);
    const int left = caption->x() + caption->width() + 10;
    m_edtPath->setGeometry(left, 108, qMax(0, m_btnFile->x() - 10 - left), 19);
    m_edtPath->setFocus();
}

QString OpenPopup::GetPath() const {
    return m_edtPath->text();
}

void OpenPopup::OnFile() {
    const QString path =
        ChoosePath(this, tr("Select File"), m_application ? tr("Executable (*.exe)") : tr("Any (*.*)"), false);
    if (path.isEmpty())
        return;
    QLOG_DEBUG() << "OpenPopup::OnFile: OnSelectFile:" << path;
    m_edtPath->setText(path);
}

void OpenPopup::OnFolder() {
    const QString path = ChoosePath(this, tr("Select Folder"), QString(), true);
    if (path.isEmpty())
        return;
    QLOG_DEBUG() << "OpenPopup::OnFolder: OnSelectFolder:" << path;
    m_edtPath->setText(path);
}
