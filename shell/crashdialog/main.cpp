// vellichor-crash: the crash window. The crashed program starts it with the record on the standard input;
// the exit code is the choice (0 Continue, 1 Abort, 2 Debug).
#include "shell/crashdialog/crashdialog.h"

#include <QApplication>
#include <QFile>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFile input;
    QByteArray record;
    if (input.open(stdin, QIODevice::ReadOnly))
        record = input.readAll();
    CrashDialog dialog(QString::fromLocal8Bit(record));
    return dialog.Run();
}
