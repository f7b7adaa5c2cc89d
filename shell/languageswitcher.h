#pragma once
// The program's three translations, installed at once: the toolkit's texts, the program's texts (compiled in
// as ":/locale/mervexsrv_<code>") and the configuration's texts (names beginning with '@', from the data
// folder's "locale/config_<code>"). A user may put an uncompiled translation ("mervexsrv_<ll>.ts" or
// "config_<ll>.ts") into the working folder: it is compiled in the background (CustomTranslation) and then
// takes the place of the compiled-in one; until then, and whenever it fails, the compiled-in one serves.

#include <QByteArray>
#include <QObject>
#include <QString>

class CustomTranslation;
class QTranslator;

// The two-letter code of the language switched to last ("de" for "de_DE"); empty before the first switch.
QString CurrentLanguage();

class LanguageSwitcher : public QObject {
    Q_OBJECT
public:
    enum Slot { Toolkit, Program, Config, SlotCount };

    explicit LanguageSwitcher(QObject* parent = nullptr);
    // Removes its translations from the application.
    ~LanguageSwitcher() override;

    // The data folder: its "locale/" holds the configuration's translations, and its "lrelease", when
    // present, is the compiler used for custom translations.
    void SetDataPath(const QString& path);
    // Where custom translation sources are looked for (the working folder by default).
    void SetCustomFolder(const QString& path) { m_customFolder = path; }
    void SetCompileTimeout(int ms);
    // The compiler's output file (the temporary folder's by default).
    void SetCompileOutput(const QString& path);

    // Replaces the three translations by those of code (e.g. "de" or "en_US"). The custom sources of the
    // two-letter language are compiled afterwards; CustomTranslationLoaded follows for each that loads.
    void Switch(const QString& code);
    // The code as given to the last switch.
    QString Code() const { return m_code; }
    // The installed translator of a slot (null while none).
    const QTranslator* Translator(Slot slot) const { return m_translators[slot]; }
    // Whether a custom translation serves the slot now.
    bool IsCustom(Slot slot) const { return m_custom[slot]; }
    bool IsCompiling() const;

signals:
    // A custom translation replaced the compiled-in one after the switch: texts must be set again.
    void CustomTranslationLoaded(const QString& tsPath);
    // A custom translation could not be used; the compiled-in one stays. The user has been told.
    void CustomTranslationFailed(const QString& tsPath, const QString& error);

private:
    void Remove(Slot slot);
    void Install(Slot slot, QTranslator* translator, const QByteArray& data = QByteArray());
    // Compiles the next waiting custom source, one at a time (they share the compiler's output file).
    void CompileNext();
    void OnCompiled(const QString& tsPath, const QByteArray& qm);
    void OnFailed(const QString& tsPath, const QString& error);
    // Tells the user; the compiled-in translation stays. Then the next source compiles.
    void ReportFailure(const QString& tsPath, const QString& error);

    QString m_code;
    QString m_dataPath;
    QString m_customFolder;
    QTranslator* m_translators[SlotCount] = {};
    // A translator loaded from memory reads its data in place: it stays alive with it.
    QByteArray m_data[SlotCount];
    bool m_custom[SlotCount] = {};
    CustomTranslation* m_compiler = nullptr;
    // Custom sources still to compile, with the slot each one serves.
    QList<QPair<Slot, QString>> m_waiting;
    Slot m_compiling = SlotCount;
};
