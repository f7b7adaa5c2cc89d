// Program starts of controls ("DoExecute" with a program, document or desktop entry) and the resolution of
// configured program paths for the automatic view switch.

#include "functions/pal/launch.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/processrunner.h"
#include "functions/pal/syscommands.h"
#include "functions/plugintools.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace PAL_INT {

namespace {
// Desktop entries are a few kilobytes; a larger file is not one.
constexpr qint64 kMaxDesktopEntrySize = 64 * 1024;

bool EndsWord(const QString& text, int pos) {
    return pos >= text.size() || text.at(pos) == QLatin1Char(' ') || text.at(pos) == QLatin1Char('"');
}

// The first place where ext ends a word of lower, or -1.
int FindExtension(const QString& lower, const QString& ext) {
    for (int p = lower.indexOf(ext); p >= 0; p = lower.indexOf(ext, p + 1)) {
        if (EndsWord(lower, p + ext.size()))
            return p;
    }
    return -1;
}

// Splits an Exec value into arguments: blanks separate, double quotes group, and inside quotes a backslash
// keeps the next character. Empty on an unterminated quote.
QStringList SplitExec(const QString& exec, bool* ok) {
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool have = false;
    *ok = true;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                current += exec.at(++i);
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                current += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (have)
                args << current;
            current.clear();
            have = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
            have = true;
        } else {
            current += c;
            have = true;
        }
    }
    if (inQuotes) {
        *ok = false;
        return QStringList();
    }
    if (have)
        args << current;
    return args;
}

bool IsAddress(const QString& text) {
    // A scheme of two letters or more: "C:" is no address.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

bool Start(const QString& text, const QString& program, const QStringList& args) {
    const bool ok = ProcessRunner().StartDetached(program, args);
    QLOG_DEBUG() << "PAL::DoExecute:" << text << (ok ? "started" : "not started:") << program << args;
    return ok;
}
} // namespace

QString DesktopEntryValue(const QString& path, const QByteArray& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxDesktopEntrySize)
        return QString();
    bool inGroup = false;
    for (const QByteArray& raw : file.read(kMaxDesktopEntrySize).split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inGroup || !line.startsWith(key))
            continue;
        const int eq = line.indexOf('=');
        if (eq < 0 || line.left(eq).trimmed() != key)
            continue;
        const QString value = QString::fromUtf8(line.mid(eq + 1).trimmed());
        QString out;
        for (int i = 0; i < value.size(); ++i) {
            const QChar c = value.at(i);
            if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
                out += c;
                continue;
            }
            const QChar n = value.at(++i);
            if (n == QLatin1Char('s'))
                out += QLatin1Char(' ');
            else if (n == QLatin1Char('n'))
                out += QLatin1Char('\n');
            else if (n == QLatin1Char('t'))
                out += QLatin1Char('\t');
            else if (n == QLatin1Char('r'))
                out += QLatin1Char('\r');
            else if (n == QLatin1Char('\\'))
                out += QLatin1Char('\\');
            else
                out += QLatin1Char('\\') + QString(n); // left for the Exec quoting
        }
        return out;
    }
    return QString();
}

void SplitCommandLine(QString& command, QString& parameters) {
    command = command.trimmed();
    parameters.clear();
    if (!command.contains(QLatin1Char(' ')) && !command.contains(QLatin1Char('"')))
        return;
    const QString lower = command.toLower();
    static const char* const kExtensions[] = {".exe", ".cmd", ".bat", ".lnk", ".desktop"};
    bool split = false;
    for (const char* ext : kExtensions) {
        const QString e = QLatin1String(ext);
        const int p = FindExtension(lower, e);
        if (p < 0)
            continue;
        // The character after the extension (a blank or the closing quote) separates the two.
        parameters = command.mid(p + e.size() + 1);
        command = command.left(p + e.size());
        split = true;
        break;
    }
    // System commands ("!Lock") are whole words: "!Shutdown now" names no command.
    if (!split && !command.startsWith(QLatin1Char('!'))) {
        QString whole = command;
        if (whole.startsWith(QLatin1Char('"')) && whole.endsWith(QLatin1Char('"')) && whole.size() >= 2)
            whole = whole.mid(1, whole.size() - 2);
        if (!QFileInfo::exists(whole)) {
            if (command.startsWith(QLatin1Char('"'))) {
                const int close = command.indexOf(QLatin1Char('"'), 1);
                if (close > 0) {
                    parameters = command.mid(close + 1);
                    command = command.left(close + 1);
                }
            } else {
                const int blank = command.indexOf(QLatin1Char(' '));
                if (blank > 0) {
                    parameters = command.mid(blank + 1);
                    command = command.left(blank);
                }
            }
        }
    }
    if (command.startsWith(QLatin1Char('"')))
        command.remove(0, 1);
    if (command.endsWith(QLatin1Char('"')))
        command.chop(1);
}

QStringList DesktopEntryCommand(const QString& path, const QStringList& parameters) {
    const QString exec = DesktopEntryValue(path, "Exec");
    if (exec.isEmpty())
        return QStringList();
    bool ok = false;
    const QStringList words = SplitExec(exec, &ok);
    if (!ok)
        return QStringList();
    QStringList args;
    bool placed = false;
    for (const QString& word : words) {
        if (word == QLatin1String("%f") || word == QLatin1String("%F") || word == QLatin1String("%u") ||
            word == QLatin1String("%U")) {
            if (!placed)
                args += parameters;
            placed = true;
            continue;
        }
        // Other field codes name things this start does not have (icons, translated names): dropped.
        QString out;
        bool onlyCodes = true;
        for (int i = 0; i < word.size(); ++i) {
            if (word.at(i) == QLatin1Char('%') && i + 1 < word.size()) {
                if (word.at(++i) == QLatin1Char('%')) {
                    out += QLatin1Char('%');
                    onlyCodes = false;
                }
                continue;
            }
            out += word.at(i);
            onlyCodes = false;
        }
        if (!onlyCodes)
            args << out;
    }
    if (!placed)
        args += parameters;
    return args;
}

bool LaunchProgram(const QString& programText, const QString& parameters) {
    const QString program = PAL::ExpandEnvironment(programText);
    if (program.trimmed().isEmpty()) {
        QLOG_DEBUG() << "PAL::DoExecute: nothing to start";
        return false;
    }
    // Parameters are split as a command line would be, but nothing in them is interpreted: no variables,
    // no wildcards, no redirections.
    const QStringList args = QProcess::splitCommand(parameters);

    QFileInfo info(program);
    if (!info.exists() && !program.contains(QLatin1Char('/'))) {
        if (IsAddress(program))
            return Start(program, QStringLiteral("xdg-open"), {program});
        const QString found = QStandardPaths::findExecutable(program);
        if (found.isEmpty()) {
            QLOG_DEBUG() << "PAL::DoExecute: no such program:" << program;
            return false;
        }
        info = QFileInfo(found);
    }
    if (!info.exists()) {
        if (IsAddress(program))
            return Start(program, QStringLiteral("xdg-open"), {program});
        QLOG_DEBUG() << "PAL::DoExecute: no such file:" << program;
        return false;
    }
    const QString path = info.absoluteFilePath();
    if (info.isFile() && path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive)) {
        const QStringList command = DesktopEntryCommand(path, args);
        if (command.isEmpty()) {
            QLOG_DEBUG() << "PAL::DoExecute: desktop entry without a command:" << path;
            return false;
        }
        return Start(program, command.first(), command.mid(1));
    }
    if (info.isFile() && info.isExecutable())
        return Start(program, path, args);
    // Documents and folders open in the desktop's program for them, which takes the path alone.
    if (!args.isEmpty()) {
        QLOG_DEBUG() << "PAL::DoExecute: parameters not passed to a document:" << args;
    }
    return Start(program, QStringLiteral("xdg-open"), {path});
}

} // namespace PAL_INT

void PAL::DoExecute(const QString& command) {
    QString program = command;
    QString parameters;
    PAL_INT::SplitCommandLine(program, parameters);
    // A leading '/' stands for the data folder in stored paths, but here it also begins every absolute
    // path: the data folder's reading wins only where such a file exists.
    const QString resolved = PluginTools::ResolvePath(program);
    if (program.startsWith(QLatin1Char('/')) && !QFileInfo::exists(resolved))
        program.replace(QLatin1Char('\\'), QLatin1Char('/'));
    else
        program = resolved;
    program = PAL::ResolveShellFolder(program);
    if (program.startsWith(QLatin1Char('!'))) {
        PAL_INT::RunSystemCommand(program.mid(1));
        return;
    }
    PAL_INT::LaunchProgram(program, parameters);
}

QString PAL::ResolveProgramPath(const QString& path) {
    if (path.isEmpty())
        return QString();
    QString p = PAL::ExpandEnvironment(path);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!p.contains(QLatin1Char('/')) && !QFileInfo::exists(p)) {
        const QString found = QStandardPaths::findExecutable(p);
        if (!found.isEmpty())
            p = found;
    }
    p = QFileInfo(p).absoluteFilePath();
    if (p.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive)) {
        // Installer shortcuts exist only where their installer service does.
        return QString();
    }
    if (p.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive)) {
        const QStringList command = PAL_INT::DesktopEntryCommand(p, QStringList());
        if (command.isEmpty())
            return QString();
        QString program = command.first();
        if (!program.contains(QLatin1Char('/')))
            program = QStandardPaths::findExecutable(program);
        if (program.isEmpty())
            return QString();
        p = QFileInfo(program).absoluteFilePath();
    }
    // Running programs are known by their real file, so links are followed.
    const QString canonical = QFileInfo(p).canonicalFilePath();
    return canonical.isEmpty() ? p : canonical;
}
