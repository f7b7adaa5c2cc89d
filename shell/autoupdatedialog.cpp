#include "shell/autoupdatedialog.h"

#include "foundation/globals.h"
#include "shell/autoupdate.h"
#include "shell/vellichorinstaller.h"
#include "shell/weblauncherversion.h"
#include "widgets/ninetileimage.h"
#include "widgets/popupwnd.h"
#include "widgets/qpushbuttonex.h"
#include "widgets/qscrollbarex.h"
#include "widgets/stdbtn.h"
#include "widgets/touchscrollarea.h"

#include "foundation/logger/QsLog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& style = QString()) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    if (!style.isEmpty())
        l->setStyleSheet(style);
    return l;
}

QFont NotesFont() {
    QFont f(QStringLiteral("Eurostile LT Std"), 9);
    f.setWeight(63);
    return f;
}

// Grows a label to its text (translations run longer than the form's English), keeping its vertical centre and
// the edge its alignment holds: right-aligned labels grow to the left.
void FitLabel(QLabel* label) {
    // The style sheet's font counts, which applies only once the label is polished.
    label->ensurePolished();
    const QFontMetrics fm(label->font());
    int width = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        width = qMax(width, fm.horizontalAdvance(line) + 2);
    QRect r = label->geometry();
    const int height = qMax(r.height(), fm.height());
    r.setTop(r.top() - (height - r.height()) / 2);
    r.setHeight(height);
    if (width > r.width()) {
        if (label->alignment() & Qt::AlignRight)
            r.setLeft(r.right() + 1 - width);
        else
            r.setWidth(width);
    }
    label->setGeometry(r);
}

} // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void InitUpdateResources() {
    Q_INIT_RESOURCE(updateimages);
}

AutoUpdateDialog::AutoUpdateDialog(AutoUpdate* controller, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::FramelessWindowHint | Qt::WindowSystemMenuHint), ui(new Form), controller(controller) {
    InitUpdateResources();
    downloadFolder = controller->GetDownloadFolder();
    installerPath = controller->GetInstallerPath();
    title = tr("VELLI-CHOR UPDATE");
    setWindowTitle(title);
    frame.reset(new NineTileImage(QStringLiteral(":/images/WndPopupBG"),
                                  {QRectF(0, 0, 32, 60), QRectF(32, 0, 32, 60), QRectF(64, 0, 32, 60),
                                   QRectF(0, 60, 32, 30), QRectF(32, 60, 32, 30), QRectF(64, 60, 32, 30),
                                   QRectF(0, 90, 32, 60), QRectF(32, 90, 32, 60), QRectF(64, 90, 32, 60)}));
    titleFont = QFont(QStringLiteral("Eurostile LT Std Bold"));
    titleFont.setWeight(75);
    titleFont.setPixelSize(11);
    BuildForm();

    closeButton = new QPushButtonEx(this);
    closeButton->resize(25, 23);
    closeButton->setStatusTip(tr("Close"));
    closeButton->setStyleSheet(QStringLiteral(
        "QPushButton {background-image: url(:/images/BtnWndCloseN);background-color:transparent;border:none;}"
        "QPushButton:hover {background-image: url(:/images/BtnWndCloseH);}"
        "QPushButton:pressed {background-image: url(:/images/BtnWndCloseD);}"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    connect(controller, &AutoUpdate::downloadProgress, this, &AutoUpdateDialog::downloadProgress);
    connect(controller, &AutoUpdate::downloadError, this, &AutoUpdateDialog::downloadError);
    connect(controller, &AutoUpdate::downloadCompleted, this, &AutoUpdateDialog::downloadFinished);
    connect(controller, &AutoUpdate::copyCompleted, this, &AutoUpdateDialog::copyFinished);
    connect(controller, &AutoUpdate::signatureRejected, this, &AutoUpdateDialog::signatureRejected);
    connect(downloadButton, &QPushButton::clicked, this, &AutoUpdateDialog::startDownload);
    connect(installButton, &QPushButton::clicked, this, &AutoUpdateDialog::installVellichor);
    connect(ui->btnCancel, &QPushButton::clicked, this, &AutoUpdateDialog::cancelDownload);
    connect(ui->btnRememberLater, &QPushButton::clicked, this, &QDialog::close);

    installButton->setEnabled(false);
    setStyleSheet(QStringLiteral("QPushButton {font-size:10px;} QRadioButton {border: 0px solid "
                                 "#303030;background-color:transparent;}"));
    setAttribute(Qt::WA_TranslucentBackground);
    resize(530, 400);
    setFocus();

    const WebLauncherVersion* record = controller->GetVersionRecord();
    const QString versionText = record->GetVersionText();
    ui->lblUpdateField->setFont(NotesFont());
    ui->lblUpdateField->setText(
        tr("MERVEX\u2122 Velli-Chor\u2122 %1 is available\nDo you want to download the new version now?")
            .arg(versionText));
    ui->lblInstalledVer->setText(QStringLiteral("V%1").arg(MervexGlobals::Version()));
    ui->lblLatestVersion->setText(versionText);

    // Release notes: a scroll area driven by the form's own scroll bar.
    auto* area = new TouchScrollArea(ui->wdgReleaseNotes);
    area->setGeometry(0, 0, 461, 141);
    notesContent = new QWidget;
    notesContent->resize(461, 141);
    notesContent->setContentsMargins(0, 0, 0, 0);
    SetScrollAreaWidget(area, notesContent);
    ui->verticalScrollBar->LinkTo(area->verticalScrollBar());
    auto* layout = new QVBoxLayout(notesContent);
    layout->setAlignment(Qt::AlignTop);
    layout->setContentsMargins(12, 9, 0, 0);
    layout->setSpacing(0);
    notesTitle = new QLabel(tr("RELEASE NOTES - MERVEX\u2122 VELLI-CHOR\u2122 %1:").arg(versionText), notesContent);
    notesTitle->setFont(NotesFont());
    notesTitle->setStyleSheet(QStringLiteral("color:#64C3F9"));
    layout->addWidget(notesTitle);
    layout->addSpacing(17);
    notesView = new QTextEdit(notesContent);
    notesView->setReadOnly(true);
    notesView->setStyleSheet(QStringLiteral("padding:0;border:none; background:transparent; color:#FFFFFF"));
    notesView->setFont(NotesFont());
    notesView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notesView->setHtml(QStringLiteral("<html><head><style type=\"text/css\"> ul {margin-left:-35px;}</style></head>"
                                      "<body>%1</body></html>")
                           .arg(controller->GetChangelog()));
    layout->addWidget(notesView);

    ui->lblNewVersion->setFont(NotesFont());
    // The version captions end before the versions (the form's boxes overlap them), and grow to the left.
    for (QLabel* caption : {ui->label, ui->label_2})
        caption->setGeometry(ui->lblInstalledVer->x() - 4 - caption->width(), caption->y(), caption->width(),
                             caption->height());
    for (QLabel* l : {ui->label, ui->label_2, ui->lblInstalledVer, ui->lblLatestVersion})
        FitLabel(l);
    ShowIdle();
}

AutoUpdateDialog::~AutoUpdateDialog() = default;

void AutoUpdateDialog::BuildForm() {
    setObjectName(QStringLiteral("AutoUpdateDialog"));
    Form& f = *ui;
    f.lblBackground = MakeLabel(this, "lblBackground", QRect(0, 0, 530, 400));
    f.progressBar = new QProgressBar(this);
    f.progressBar->setObjectName(QStringLiteral("progressBar"));
    f.progressBar->setGeometry(179, 126, 314, 25);
    f.progressBar->setValue(0);
    f.progressBar->setTextVisible(false);
    f.progressBar->setStyleSheet(
        QStringLiteral("QProgressBar#progressBar{\n\tbackground-image: url(:/images/autoupdate_downloadbar_bg);\n\t"
                       "background-color:transparent;\n\tborder:none;\n}\n\nQProgressBar#progressBar::chunk {\n\t"
                       "background-image: url(:/images/autoupdate_downloadbar);\t\n}\n"));
    f.txtVersion = MakeLabel(this, "txtVersion", QRect(250, 30, 46, 13));
    f.btnRememberLater = new StdBtn(this, 0);
    f.btnRememberLater->setObjectName(QStringLiteral("btnRememberLater"));
    f.btnRememberLater->setGeometry(120, 364, 138, 21);
    f.btnRememberLater->setText(tr("REMEMBER LATER"));
    f.lblUpdateFieldBackground =
        MakeLabel(this, "lblUpdateFieldBackground", QRect(14, 106, 502, 67),
                  QStringLiteral("background-image: url(:/images/autoupdate_notification_bg);border:0px;margin:0px"));
    f.label = MakeLabel(this, "label", QRect(345, 60, 108, 13), QStringLiteral("color:#aaaaaa"));
    f.label->setText(tr("Installed Version:"));
    f.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.label_2 = MakeLabel(this, "label_2", QRect(345, 74, 108, 13));
    f.label_2->setText(tr("Latest Version:"));
    f.label_2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f.lblInstalledVer = MakeLabel(this, "lblInstalledVer", QRect(440, 60, 52, 13), QStringLiteral("color:#aaaaaa"));
    f.lblLatestVersion = MakeLabel(this, "lblLatestVersion", QRect(440, 74, 52, 13));
    f.lblNewVersion = MakeLabel(this, "lblNewVersion", QRect(72, 63, 196, 20),
                                QStringLiteral("font-size:15px;font-family:\"Eurostile-Demi\";color:#64C3F9;"));
    f.lblIconNewVersion = MakeLabel(this, "lblIconNewVersion", QRect(24, 52, 41, 41),
                                    QStringLiteral("background-image: url(:/images/autoupdate_icon_update) "));
    f.label_3 = MakeLabel(this, "label_3", QRect(14, 174, 502, 167),
                          QStringLiteral("background-image: url(:/images/autoudpate_bg2)"));
    f.label_4 = MakeLabel(this, "label_4", QRect(14, 174, 502, 167),
                          QStringLiteral("background-image: url(:/images/autoudpate_bg2)"));
    f.verticalScrollBar = new QScrollBarEx(this);
    f.verticalScrollBar->setObjectName(QStringLiteral("verticalScrollBar"));
    f.verticalScrollBar->setGeometry(488, 179, 17, 150);
    f.wdgReleaseNotes = new QWidget(this);
    f.wdgReleaseNotes->setObjectName(QStringLiteral("wdgReleaseNotes"));
    f.wdgReleaseNotes->setGeometry(25, 182, 461, 141);
    f.lblUpdateField = MakeLabel(this, "lblUpdateField", QRect(37, 117, 458, 39));
    f.lblDownload = MakeLabel(this, "lblDownload", QRect(37, 133, 150, 13), QStringLiteral("color:#64C3F9"));
    f.lblDownload->setText(tr("DOWNLOADING ..."));
    f.lblDownload->setFont(QFont(QStringLiteral("Eurostile LT Std"), 9));
    f.btnCancel = new StdBtn(this, 0);
    f.btnCancel->setObjectName(QStringLiteral("btnCancel"));
    f.btnCancel->setGeometry(120, 364, 138, 21);
    f.btnCancel->setText(tr("CANCEL"));
    f.lblIconDownload = MakeLabel(this, "lblIconDownload", QRect(24, 52, 41, 41),
                                  QStringLiteral("background-image: url(:/images/autoupdate_icon_download) "));

    installButton = new StdBtn(this, 2);
    installButton->setGeometry(270, 364, 138, 21);
    installButton->setText(tr("INSTALL"));
    downloadButton = new StdBtn(this, 2);
    downloadButton->setGeometry(270, 364, 138, 21);
    downloadButton->setText(tr("DOWNLOAD"));
}

void AutoUpdateDialog::ShowIdle() {
    ui->lblNewVersion->setText(tr("New version available"));
    FitLabel(ui->lblNewVersion);
    installButton->setEnabled(false);
    ui->progressBar->setValue(0);
    for (QWidget* w : {static_cast<QWidget*>(ui->btnRememberLater), static_cast<QWidget*>(downloadButton),
                       static_cast<QWidget*>(ui->lblUpdateField), static_cast<QWidget*>(ui->lblIconNewVersion)})
        w->setVisible(true);
    for (QWidget* w : {static_cast<QWidget*>(ui->progressBar), static_cast<QWidget*>(ui->btnCancel),
                       static_cast<QWidget*>(installButton), static_cast<QWidget*>(ui->lblDownload),
                       static_cast<QWidget*>(ui->lblIconDownload)})
        w->setVisible(false);
}

void AutoUpdateDialog::ShowDownloading() {
    ui->lblNewVersion->setText(tr("Download in progress"));
    FitLabel(ui->lblNewVersion);
    for (QWidget* w : {static_cast<QWidget*>(ui->btnRememberLater), static_cast<QWidget*>(downloadButton),
                       static_cast<QWidget*>(ui->lblUpdateField), static_cast<QWidget*>(ui->lblIconNewVersion)})
        w->setVisible(false);
    for (QWidget* w : {static_cast<QWidget*>(ui->progressBar), static_cast<QWidget*>(ui->btnCancel),
                       static_cast<QWidget*>(installButton), static_cast<QWidget*>(ui->lblDownload),
                       static_cast<QWidget*>(ui->lblIconDownload)})
        w->setVisible(true);
}

void AutoUpdateDialog::startDownload() {
    ShowDownloading();
    if (!controller->GetVersion().isEmpty())
        controller->StartDownload();
}

void AutoUpdateDialog::cancelDownload() {
    controller->AbortDownload();
    ShowIdle();
}

void AutoUpdateDialog::downloadProgress(int percent) {
    ui->progressBar->setValue(percent);
}

void AutoUpdateDialog::downloadError(QNetworkReply::NetworkError code) {
    if (code == QNetworkReply::OperationCanceledError)
        return; // CANCEL
    QLOG_DEBUG() << "AutoUpdateDialog::downloadError:" << int(code);
    installButton->setEnabled(false);
    if (MsgBoxWarning(this, tr("DOWNLOAD ERROR"), tr("Error during downloading File! Please try again later"),
                      PopupWnd::OK, PopupWnd::OK) == PopupWnd::OK)
        close();
}

void AutoUpdateDialog::copyFinished() {
    installButton->setEnabled(true);
}

void AutoUpdateDialog::downloadFinished() {}

void AutoUpdateDialog::installVellichor() {
    // The written file must still be the one whose signature verified, and match the announced digest.
    const QString digest = controller->GetFileMD5();
    if (!VellichorInstaller::DigestMatches(digest, controller->GetExpectedMD5()) || !controller->VerifyInstaller()) {
        QLOG_WARN() << "AutoUpdateDialog::installVellichor: the installer does not verify; digest" << digest
                    << "announced" << controller->GetExpectedMD5();
        if (MsgBoxWarning(this, tr("Download Error"), tr("File corrupted. Please try download later."), PopupWnd::OK,
                          PopupWnd::OK) == PopupWnd::OK)
            close();
        return;
    }
    QString why;
    if (!VellichorInstaller::OpenInstaller(installerPath, &why)) {
        QLOG_WARN() << "AutoUpdateDialog::installVellichor:" << why << installerPath;
        if (MsgBoxWarning(this, tr("Download Error"), tr("The downloaded installer cannot be opened on this system."),
                          PopupWnd::OK, PopupWnd::OK) == PopupWnd::OK)
            close();
        return;
    }
    emit closeVellichor();
    close();
}

void AutoUpdateDialog::signatureRejected() {
    ShowIdle();
    if (MsgBoxWarning(this, tr("DOWNLOAD ERROR"),
                      tr("The downloaded installer does not carry a valid MERVEX signature. It was not saved."),
                      PopupWnd::OK, PopupWnd::OK) == PopupWnd::OK)
        close();
}

void AutoUpdateDialog::paintEvent(QPaintEvent* e) {
    Q_UNUSED(e);
    QPainter p(this);
    p.drawImage(0, 0, frame->GetImageTiled(width(), height()));
    p.setFont(titleFont);
    p.setPen(Qt::white);
    p.drawText(QRect(34, 0, width() - 68, 36), int(titleAlignment | Qt::AlignVCenter), title);
    // Let the notes view grow to its whole text, so the scroll area scrolls all of it.
    const int docHeight = int(notesView->document()->size().height());
    if (docHeight > notesView->height()) {
        notesView->setGeometry(13, notesTitle->height() + 15, notesView->width(), notesView->y() + docHeight);
        notesContent->setFixedHeight(notesView->y() + notesView->height());
    }
}

void AutoUpdateDialog::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (closeButton)
        closeButton->move(width() - closeButton->width() - 3, 3);
}

void AutoUpdateDialog::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        dragOffset = e->globalPos() - frameGeometry().topLeft();
        setFocus();
    }
    QDialog::mousePressEvent(e);
}

void AutoUpdateDialog::mouseMoveEvent(QMouseEvent* e) {
    if ((e->buttons() & Qt::LeftButton) && dragOffset.x() >= 0)
        move(e->globalPos() - dragOffset);
    QDialog::mouseMoveEvent(e);
}

void AutoUpdateDialog::mouseReleaseEvent(QMouseEvent* e) {
    dragOffset.setX(-1);
    QDialog::mouseReleaseEvent(e);
}
