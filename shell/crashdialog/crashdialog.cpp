#include "shell/crashdialog/crashdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {
const int kStripHeight = 40;
} // namespace

CrashDialog::CrashDialog(const QString& record, QWidget* parent) : QWidget(parent) {
    QString text = record;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const int newline = text.indexOf(QLatin1Char('\n'));
    m_headline = newline < 0 ? text : text.left(newline);
    const QString body = newline < 0 ? QString() : text.mid(newline + 1);
    setWindowTitle(m_headline);

    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // "Courier New" where it is installed, else the system's fixed-pitch face.
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFixedPitch(true);
    mono.setPixelSize(12);
    m_text->setFont(mono);
    m_text->setPlainText(m_headline + QLatin1String("\n\n") + body);

    const char* labels[] = {"Continue", "Abort", "Debug"};
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new QPushButton(QLatin1String(labels[i]), this);
        // The keys answer on their release (Enter, Escape, Space); a focused button would take Space first.
        m_buttons[i]->setFocusPolicy(Qt::NoFocus);
        connect(m_buttons[i], &QPushButton::clicked, this, [this, i] { Choose(i); });
    }
    m_text->installEventFilter(this);
    installEventFilter(this);

    // Half the screen, held between 300 and 800 pixels wide and 500 and 800 high.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    resize(qBound(300, area.width() / 2, 800), qBound(500, area.height() / 2, 800));
    move(area.center() - rect().center());
}

QString CrashDialog::ShownText() const {
    return m_text->toPlainText();
}

int CrashDialog::Run() {
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    QEventLoop loop;
    m_loop = &loop;
    if (m_result < 0)
        loop.exec();
    m_loop = nullptr;
    return m_result < 0 ? int(Abort) : m_result;
}

void CrashDialog::Choose(int choice) {
    if (m_result >= 0)
        return;
    m_result = choice;
    hide();
    if (m_loop)
        m_loop->quit();
}

bool CrashDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Choose(Continue);
                return true;
            case Qt::Key_Escape:
                Choose(Abort);
                return true;
            case Qt::Key_Space:
                Choose(Debug);
                return true;
            default:
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CrashDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_text->setGeometry(0, 0, w, qMax(0, h - kStripHeight));
    for (int i = 0; i < 3; ++i) {
        const int left = w * i / 3;
        m_buttons[i]->setGeometry(left, h - kStripHeight, w * (i + 1) / 3 - left, kStripHeight);
    }
}

void CrashDialog::closeEvent(QCloseEvent* event) {
    Choose(Abort);
    event->accept();
}
