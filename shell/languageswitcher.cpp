#include "shell/languageswitcher.h"

#include <QAbstractButton>

#include "foundation/logger/QsLog.h"
#include "shell/customtranslation.h"
#include "widgets/popupwnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
QString g_currentLanguage;

void ShowErrorBox(const QString& text) {
    MsgBoxWarning(nullptr, LanguageSwitcher::tr("Error"), text, PopupWnd::OK, PopupWnd::OK);
}

void ShowInfoBox(const QString& text) {
    MsgBoxInfo(nullptr, LanguageSwitcher::tr("Info"), text, PopupWnd::OK, PopupWnd::OK);
}

const char* const kCustomBase[LanguageSwitcher::SlotCount] = {nullptr, "mervexsrv_", "config_"};
} // namespace

// Resources of a static library are registered by hand, outside any namespace.
static void InitLocaleResources() {
    Q_INIT_RESOURCE(mervexlocale);
}

QString CurrentLanguage() {
    return g_currentLanguage;
}

LanguageSwitcher::LanguageSwitcher(QObject* parent) : QObject(parent) {
    InitLocaleResources();
    m_customFolder = QDir::currentPath();
    m_compiler = new CustomTranslation(this);
    // The system's compiler until a data folder with its own is known.
    m_compiler->SetCompiler(CustomTranslation::FindCompiler(QString()));
    connect(m_compiler, &CustomTranslation::Compiled, this, &LanguageSwitcher::OnCompiled);
    connect(m_compiler, &CustomTranslation::Failed, this, &LanguageSwitcher::OnFailed);
}

LanguageSwitcher::~LanguageSwitcher() {
    m_compiler->Cancel();
    for (Slot slot : {Config, Program, Toolkit})
        Remove(slot);
}

void LanguageSwitcher::SetDataPath(const QString& path) {
    m_dataPath = path;
    if (!m_dataPath.isEmpty() && !m_dataPath.endsWith(QLatin1Char('/')))
        m_dataPath += QLatin1Char('/');
    m_compiler->SetCompiler(CustomTranslation::FindCompiler(m_dataPath));
}

void LanguageSwitcher::SetCompileTimeout(int ms) {
    m_compiler->SetTimeout(ms);
}

void LanguageSwitcher::SetCompileOutput(const QString& path) {
    m_compiler->SetOutputPath(path);
}

bool LanguageSwitcher::IsCompiling() const {
    return m_compiler->IsRunning() || !m_waiting.isEmpty();
}

void LanguageSwitcher::Remove(Slot slot) {
    if (!m_translators[slot])
        return;
    QCoreApplication::removeTranslator(m_translators[slot]);
    delete m_translators[slot];
    m_translators[slot] = nullptr;
    m_data[slot].clear();
    m_custom[slot] = false;
}

void LanguageSwitcher::Install(Slot slot, QTranslator* translator, const QByteArray& data) {
    m_translators[slot] = translator;
    m_data[slot] = data;
    QCoreApplication::installTranslator(translator);
}

void LanguageSwitcher::Switch(const QString& code) {
    g_currentLanguage = code.left(2);
    m_code = code;
    // A compile for the language switched away from must not land afterwards.
    m_compiler->Cancel();
    m_waiting.clear();
    m_compiling = SlotCount;
    for (Slot slot : {Config, Program, Toolkit})
        Remove(slot);

    auto* toolkit = new QTranslator;
    toolkit->load(QStringLiteral("qt_") + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    Install(Toolkit, toolkit);

    auto* program = new QTranslator;
    if (!program->load(QStringLiteral("mervexsrv_") + code, QStringLiteral(":/locale/")))
        QLOG_DEBUG() << "LanguageSwitcher::Switch: no program translation for" << code;
    Install(Program, program);

    auto* config = new QTranslator;
    const QString configFolder = m_dataPath + QStringLiteral("locale/");
    const QString configName = QStringLiteral("config_") + code;
    if (!config->load(configName, configFolder)) {
        // A file that is there but does not load is broken, which the user should be able to find out.
        if (QFileInfo::exists(configFolder + configName + QStringLiteral(".qm")))
            QLOG_WARN() << "LanguageSwitcher::Switch: cannot read the translation"
                        << configFolder + configName + QStringLiteral(".qm");
        else
            QLOG_DEBUG() << "LanguageSwitcher::Switch: no configuration translation for" << code;
    }
    Install(Config, config);

    for (Slot slot : {Program, Config}) {
        const QString ts =
            QDir(m_customFolder).filePath(QLatin1String(kCustomBase[slot]) + g_currentLanguage + QStringLiteral(".ts"));
        if (QFileInfo(ts).isFile())
            m_waiting.append(qMakePair(slot, ts));
    }
    CompileNext();
}

void LanguageSwitcher::CompileNext() {
    while (!m_compiler->IsRunning() && !m_waiting.isEmpty()) {
        const QPair<Slot, QString> next = m_waiting.takeFirst();
        QString error;
        switch (m_compiler->Start(next.second, &error)) {
        case CustomTranslation::Started:
            m_compiling = next.first;
            return;
        case CustomTranslation::NoSource:
            break;
        case CustomTranslation::NotStarted:
            QLOG_WARN() << "LanguageSwitcher: custom translation not compiled:" << next.second << error;
            ShowErrorBox(error);
            emit CustomTranslationFailed(next.second, error);
            break;
        }
    }
}

void LanguageSwitcher::OnCompiled(const QString& tsPath, const QByteArray& qm) {
    const Slot slot = m_compiling;
    m_compiling = SlotCount;
    if (slot == SlotCount)
        return;
    QByteArray data = qm;
    auto* translator = new QTranslator;
    if (!translator->load(reinterpret_cast<const uchar*>(data.constData()), data.size())) {
        delete translator;
        ReportFailure(tsPath, tr("Cannot load: ") + m_compiler->OutputPath());
        return;
    }
    Remove(slot);
    Install(slot, translator, data);
    m_custom[slot] = true;
    QLOG_INFO() << "LanguageSwitcher: custom translation loaded:" << tsPath;
    ShowInfoBox(tr("Custom translation successfully loaded: ") + tsPath);
    emit CustomTranslationLoaded(tsPath);
    CompileNext();
}

void LanguageSwitcher::OnFailed(const QString& tsPath, const QString& error) {
    m_compiling = SlotCount;
    ReportFailure(tsPath, error);
}

void LanguageSwitcher::ReportFailure(const QString& tsPath, const QString& error) {
    // The compiled-in translation stays installed.
    ShowErrorBox(error);
    emit CustomTranslationFailed(tsPath, error);
    CompileNext();
}
