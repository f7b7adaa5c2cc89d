#pragma once
// The application object: one instance per user session. The first start listens on a local socket named
// per user and holds a lock file in the private runtime folder; a later start finds the lock taken, hands
// its messages ("activate", then "arg: " and each argument) to the first one and ends.

#include <QApplication>
#include <QLockFile>
#include <QPointer>
#include <QStringList>

#include <memory>

class MervexWnd;
class QLocalServer;
class QLocalSocket;
class QSessionManager;

class MervApp : public QApplication {
    Q_OBJECT
public:
    // How long one message may take to reach the running instance.
    static constexpr int SendTimeoutMs = 5000;
    // Longest message accepted from another instance (a command-line argument is far shorter).
    static constexpr int MaxMessageBytes = 64 * 1024;

    // instanceName empty: "MERVEX_Velli_Chor_App" with the user id, or MERVEX_INSTANCE_NAME when that is set.
    MervApp(int& argc, char** argv, const QString& instanceName = QString());
    ~MervApp() override;

    // True when another instance of this session holds the instance lock; the first call decides and, for
    // the first instance, starts listening for messages.
    bool isRunning();
    // Delivers one message to the running instance; false when it could not within timeoutMs.
    bool sendMessage(const QString& message, int timeoutMs = SendTimeoutMs);

    // The window to bring up when another instance writes (every message activates it when asked to).
    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const { return m_window; }
    // The main window serves other starts: every message activates it, and it acts on their arguments.
    void ServeWindow(MervexWnd* window);

    QString instanceName() const { return m_name; }
    // The local socket name and the lock file of an instance name.
    static QString ServerName(const QString& instanceName);
    static QString LockPath(const QString& instanceName);

    // The end of the desktop session: the main window (shown first when it sits in the tray) runs the close
    // checks, once; answers false when the user refused (the session end is then cancelled). Nothing is taken
    // down: another program may still cancel the session end, and this one must then go on whole.
    static bool QueryEndSession();

signals:
    void messageReceived(const QString& message);

public slots:
    void activateWindow();

private slots:
    void OnNewConnection();
    void OnCommitDataRequest(QSessionManager& manager);

private:
    void ReadMessages(QLocalSocket* socket);
    void DeliverPending();

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    int m_running = -1; // -1 undecided, 0 first instance, 1 another runs
    QPointer<QWidget> m_window;
    bool m_activateOnMessage = false;
    QStringList m_pending;     // read and answered, not yet acted on
    bool m_delivering = false; // messageReceived is being emitted (a box of it may be open)
};
