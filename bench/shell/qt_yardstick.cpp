// The yardstick the program's start, quit and idle cost are set against: a minimal Qt Widgets program, one
// window with a label. With --http it also listens on 127.0.0.1 at MERVEX_TCP_PORT (0: any free port) and
// answers every request with the same kind of reply the program gives to GetInfo, so a load run can time
// "start to the first GetInfo answered" on both alike.
//
//   qt_yardstick             (shows its window and idles until ended)
//   qt_yardstick --smoke     (shows its window and quits at the first turn of the event loop)
//   qt_yardstick --http      (shows its window and answers HTTP)

#include <QApplication>
#include <QHostInfo>
#include <QLabel>
#include <QMainWindow>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("yardstick"), &window));
    window.resize(640, 480);
    window.show();
    if (args.contains(QStringLiteral("--smoke"))) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return QApplication::exec();
    }
    QTcpServer server;
    if (args.contains(QStringLiteral("--http"))) {
        if (!server.listen(QHostAddress::LocalHost, quint16(qEnvironmentVariableIntValue("MERVEX_TCP_PORT")))) {
            std::fprintf(stderr, "qt_yardstick: cannot listen: %s\n", qPrintable(server.errorString()));
            return 1;
        }
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    const QByteArray body = "MervexSrv\n" + QHostInfo::localHostName().toUtf8() + " Linux id\n\n";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" +
                                  body);
                });
            }
        });
    }
    return QApplication::exec();
}
