#pragma once
// The offer of a new release: installed and latest version, release notes, and the buttons REMEMBER LATER,
// DOWNLOAD, CANCEL and INSTALL. INSTALL checks the written installer against the announced digest and the
// signature it was accepted with, hands it to the desktop to open and closes the program.

#include <QDialog>
#include <QFont>
#include <QNetworkReply>
#include <QPoint>
#include <memory>

class AutoUpdate;
class IPopupBackground;
class QLabel;
class QProgressBar;
class QPushButtonEx;
class QScrollBarEx;
class QTextEdit;
class StdBtn;
class TouchScrollArea;

class AutoUpdateDialog : public QDialog {
    Q_OBJECT
public:
    AutoUpdateDialog(AutoUpdate* controller, QWidget* mainWindow);
    ~AutoUpdateDialog() override;

    // The form's widgets, for the window's look and the tests.
    struct Form {
        QProgressBar* progressBar = nullptr;
        QLabel* txtVersion = nullptr;
        QLabel* lblBackground = nullptr;
        StdBtn* btnRememberLater = nullptr;
        QLabel* lblUpdateFieldBackground = nullptr;
        QLabel* label = nullptr;
        QLabel* label_2 = nullptr;
        QLabel* lblInstalledVer = nullptr;
        QLabel* lblLatestVersion = nullptr;
        QLabel* lblNewVersion = nullptr;
        QLabel* lblIconNewVersion = nullptr;
        QLabel* label_3 = nullptr;
        QLabel* label_4 = nullptr;
        QScrollBarEx* verticalScrollBar = nullptr;
        QWidget* wdgReleaseNotes = nullptr;
        QLabel* lblUpdateField = nullptr;
        QLabel* lblDownload = nullptr;
        StdBtn* btnCancel = nullptr;
        QLabel* lblIconDownload = nullptr;
    };
    const Form& GetForm() const { return *ui; }
    StdBtn* InstallButton() const { return installButton; }
    StdBtn* DownloadButton() const { return downloadButton; }
    QTextEdit* NotesView() const { return notesView; }
    QLabel* NotesTitle() const { return notesTitle; }

signals:
    void closeDialogWindow();
    void downloadInstaller();
    void dontRememberMe();
    void closeVellichor();

public slots:
    void startDownload();
    void cancelDownload();
    void downloadProgress(int percent);
    void downloadError(QNetworkReply::NetworkError code);
    void copyFinished();
    void downloadFinished();
    void installVellichor();
    // The download was dropped for want of a valid signature.
    void signatureRejected();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void BuildForm();
    void ShowIdle();
    void ShowDownloading();

    std::unique_ptr<Form> ui;
    AutoUpdate* controller = nullptr;
    QWidget* notesContent = nullptr;
    QTextEdit* notesView = nullptr;
    QLabel* notesTitle = nullptr;
    StdBtn* installButton = nullptr;
    StdBtn* downloadButton = nullptr;
    QString downloadFolder;
    QString installerPath;
    QString title;
    std::unique_ptr<IPopupBackground> frame;
    QPushButtonEx* closeButton = nullptr;
    QFont titleFont;
    QPoint dragOffset{-1, 0};
    Qt::Alignment titleAlignment = Qt::AlignHCenter;
};
