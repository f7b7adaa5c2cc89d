#pragma once
// The log window: shows the log lines as they are written, coloured by level, and is a log destination itself.

#include "foundation/logger/QsLogDest.h"

#include <QMainWindow>
#include <QMutex>
#include <QStringList>

class QAction;
class QComboBox;
class QTextEdit;
class StdBtn;

class LoggerWnd : public QMainWindow, public QsLogging::Destination {
    Q_OBJECT

public:
    explicit LoggerWnd(QWidget* parent = nullptr);
    ~LoggerWnd() override;

    // Called on whatever thread logs, with the logger's mutex held: never logs, never waits for the GUI thread.
    void write(const QString& message) override;

    // The HTML paragraph that a line becomes: coloured by its first word, blanks and tabs kept visible.
    static QString LineToHtml(const QString& line);
    // Writes the plain text of the view as UTF-8; false (and an ERROR line) when the file cannot be written.
    bool SaveTo(const QString& path);

signals:
    void Closed();

public slots:
    void OnClear();
    void OnSaveAs();
    void OnProfile();
    void OnLevelChanged(int index);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void FlushPending();

private:
    void Retranslate();

    QAction* m_actionSaveAs = nullptr;
    QWidget* m_central = nullptr;
    QTextEdit* m_txtLog = nullptr;
    StdBtn* m_btnSaveAs = nullptr;
    StdBtn* m_btnClear = nullptr;
    StdBtn* m_btnPerf = nullptr;
    QComboBox* m_cmbLevel = nullptr;

    // Lines from any thread wait here, in order, until the GUI thread shows them.
    QMutex m_pendingMutex;
    QStringList m_pending;
};
