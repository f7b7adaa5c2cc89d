#include "widgets/loggerwnd.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "widgets/stdbtn.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QMutexLocker>
#include <QTextEdit>
#include <QThread>

namespace {
const char* const kLevelItems[] = {QT_TRANSLATE_NOOP("LoggerWnd", "Trace"), QT_TRANSLATE_NOOP("LoggerWnd", "Debug"),
                                   QT_TRANSLATE_NOOP("LoggerWnd", "Info"),  QT_TRANSLATE_NOOP("LoggerWnd", "Warn"),
                                   QT_TRANSLATE_NOOP("LoggerWnd", "Error"), QT_TRANSLATE_NOOP("LoggerWnd", "Fatal")};
constexpr int kButtonRowHeight = 22;

const char kStyle[] =
    "QMainWindow { background-color: #313131; }\n"
    "QTextEdit { color: white; border: 1px solid #505050; background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #181818, stop: 1.0 #000000); font-family: Courier, \"Courier New\", monospace; }\n"
    "QTextEdit:focus { border: 1px solid #505050; background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #181818, stop: 1.0 #000000); }\n";
} // namespace

LoggerWnd::LoggerWnd(QWidget* parent) : QMainWindow(parent) {
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("LoggerWnd"));
    resize(600, 500);
    setMinimumSize(200, 100);
    setStyleSheet(QLatin1String(kStyle));

    m_actionSaveAs = new QAction(this);
    m_actionSaveAs->setObjectName(QStringLiteral("actionSave_As"));
    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("centralwidget"));
    m_txtLog = new QTextEdit(m_central);
    m_txtLog->setObjectName(QStringLiteral("txtLog"));
    m_txtLog->setGeometry(0, 22, 600, 478);
    m_txtLog->setReadOnly(true);
    m_btnSaveAs = new StdBtn(m_central);
    m_btnSaveAs->setObjectName(QStringLiteral("btnSaveAs"));
    m_btnSaveAs->setGeometry(0, 0, 91, 20);
    m_btnClear = new StdBtn(m_central);
    m_btnClear->setObjectName(QStringLiteral("btnClear"));
    m_btnClear->setGeometry(520, 0, 81, 20);
    m_btnPerf = new StdBtn(m_central);
    m_btnPerf->setObjectName(QStringLiteral("btnPerf"));
    m_btnPerf->setGeometry(100, 0, 111, 20);
    m_cmbLevel = new QComboBox(m_central);
    m_cmbLevel->setObjectName(QStringLiteral("cmbLevel"));
    // Right of the performance button rather than on top of it.
    m_cmbLevel->setGeometry(220, 0, 101, 22);
    setCentralWidget(m_central);

    Retranslate();

    connect(m_btnClear, &QPushButton::clicked, this, &LoggerWnd::OnClear);
    connect(m_btnSaveAs, &QPushButton::clicked, this, &LoggerWnd::OnSaveAs);
    connect(m_btnPerf, &QPushButton::clicked, this, &LoggerWnd::OnProfile);
    // Filled before connecting, so the first item becoming current does not change the level.
    connect(m_cmbLevel, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &LoggerWnd::OnLevelChanged);

    GetLogger().AddDestination(this);
}

LoggerWnd::~LoggerWnd() {
    // Waits for a line being written on another thread; after this no thread reaches us.
    GetLogger().RemoveDestination(this);
}

void LoggerWnd::Retranslate() {
    setWindowTitle(tr("Logger"));
    m_actionSaveAs->setText(tr("Save As ..."));
    m_btnSaveAs->setText(tr("Save As ..."));
    m_btnClear->setText(tr("Clear"));
    m_btnPerf->setText(tr("Performance"));
    const QSignalBlocker block(m_cmbLevel);
    const int current = m_cmbLevel->currentIndex();
    m_cmbLevel->clear();
    for (const char* item : kLevelItems)
        m_cmbLevel->addItem(tr(item));
    m_cmbLevel->setCurrentIndex(current < 0 ? 0 : current);
}

QString LoggerWnd::LineToHtml(const QString& line) {
    const QString word = line.trimmed().section(QLatin1Char(' '), 0, 0);
    QString colour = QStringLiteral("#7f7f7f");
    if (word == QLatin1String("FATAL"))
        colour = QStringLiteral("#ff0000");
    else if (word == QLatin1String("ERROR"))
        colour = QStringLiteral("#cf2020");
    else if (word == QLatin1String("WARN"))
        colour = QStringLiteral("#7f50ef");
    else if (word == QLatin1String("INFO"))
        colour = QStringLiteral("#efef20");
    else if (word == QLatin1String("DEBUG"))
        colour = QStringLiteral("#efefa0");
    else if (word == QLatin1String("TRACE"))
        colour = QStringLiteral("#efefef");

    QString text = line;
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    text.replace(QLatin1Char('\t'), QLatin1String("&nbsp;&nbsp;&nbsp;&nbsp;"));
    text.replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
    text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    text.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<span style='color:") + colour + QStringLiteral(";'>") + text + QStringLiteral("</span>");
}

void LoggerWnd::write(const QString& message) {
    const QString html = LineToHtml(message);
    bool post;
    {
        QMutexLocker lock(&m_pendingMutex);
        post = m_pending.isEmpty();
        m_pending.append(html);
    }
    if (QThread::currentThread() == thread())
        FlushPending();
    else if (post)
        QMetaObject::invokeMethod(this, "FlushPending", Qt::QueuedConnection);
}

void LoggerWnd::FlushPending() {
    QStringList lines;
    {
        QMutexLocker lock(&m_pendingMutex);
        lines.swap(m_pending);
    }
    for (const QString& html : qAsConst(lines))
        m_txtLog->append(html);
}

void LoggerWnd::OnClear() {
    FlushPending();
    m_txtLog->clear();
}

void LoggerWnd::OnSaveAs() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save Log File as ..."), QString(), QStringLiteral("*.txt"));
    if (path.isEmpty())
        return;
    SaveTo(path);
}

bool LoggerWnd::SaveTo(const QString& path) {
    FlushPending();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QLOG_ERROR() << "Cannot save file:" << path;
        return false;
    }
    const QByteArray data = m_txtLog->toPlainText().toUtf8();
    if (file.write(data) != data.size()) {
        QLOG_ERROR() << "Cannot save file:" << path;
        return false;
    }
    file.close();
    QLOG_INFO() << "Log file written:" << path;
    return true;
}

void LoggerWnd::OnProfile() {
    GetLogger().WriteText(ProfileReportText());
}

void LoggerWnd::OnLevelChanged(int index) {
    if (index >= QsLogging::TraceLevel && index <= QsLogging::FatalLevel)
        GetLogger().SetLevel(index);
}

void LoggerWnd::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
}

void LoggerWnd::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_txtLog->setGeometry(0, kButtonRowHeight, width(), height() - kButtonRowHeight);
    m_btnClear->move(width() - m_btnClear->width(), 0);
}

void LoggerWnd::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    emit Closed();
}
