#pragma once
// The crash window: the record of a crash, and the choice of how the crashed program ends. It runs in a
// program of its own, "vellichor-crash", which the crashed process starts (a crashed process cannot draw
// safely); the choice is that program's exit code.

#include <QWidget>

class QEventLoop;
class QPlainTextEdit;
class QPushButton;

class CrashDialog : public QWidget {
    Q_OBJECT
public:
    enum Choice { Continue = 0, Abort = 1, Debug = 2 };

    // The record as the crash handler hands it over: the headline on the first line, then the body.
    explicit CrashDialog(const QString& record, QWidget* parent = nullptr);

    // Shows the window centred on the screen and waits for the choice; closing the window is Abort.
    int Run();
    // The choice made so far, -1 while none.
    int Result() const { return m_result; }
    QString Headline() const { return m_headline; }
    QString ShownText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Choose(int choice);

    QString m_headline;
    QPlainTextEdit* m_text;
    QPushButton* m_buttons[3];
    int m_result = -1;
    QEventLoop* m_loop = nullptr;
};
