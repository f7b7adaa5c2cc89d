// The settings tab: the list and its pages, the working-copy rule, the data-source forms, the registered
// devices and the pairing mode, and the host-service box.

#include "config/datacfg.h"
#include "config/tdatasource.h"
#include "config/tusercfg.h"
#include "editor/macropopup.h"
#include "editor/openpopup.h"
#include "editor/shortcutpopup.h"
#include "editor/urlpopup.h"
#include "foundation/cryptstring.h"
#include "foundation/json.h"
#include "functions/funcmgr.h"
#include "functions/pal/pal.h"
#include "functions/plugintools.h"
#include "server/netserver.h"
#include "shell/adddevicepopup.h"
#include "shell/hostctrl.h"
#include "shell/mtesettingsedit.h"
#include "shell/mtesettingselements.h"
#include "shell/mtsettingsctrl.h"
#include "shell/pairingui.h"
#include "shell/programlook.h"
#include "tests/shell/popupwatcher.h"
#include "widgets/popupwnd.h"
#include "widgets/qcomboboxex.h"
#include "widgets/stdbtn.h"
#include "widgets/subnavbtn.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {
class FormSource : public IIncomingDataSource {
    Q_OBJECT
public:
    explicit FormSource(const QString& name) : name(name) {}
    QString GetName() override { return name; }
    void SetSettings(const QVariantMap& map) override { settings = map; }
    QVariantMap GetSettings() override { return settings; }
    QMap<qint64, QVariantMap> GetEntries() override { return {}; }
    QVariant GetValue(const QString& function, const QVariantList&) override {
        return function == QLatin1String("Status") ? QVariant(QStringLiteral("online")) : QVariant();
    }
    bool IsActive() override { return true; }
    QString name;
    QVariantMap settings;
};

QVariantMap Option(const QString& name, const QString& type, const QVariantMap& extra = {}) {
    QVariantMap m = extra;
    m.insert(QStringLiteral("Name"), name);
    m.insert(QStringLiteral("Type"), type);
    return m;
}

// Answers the next modal popup with the button of the given value (0: closes it without a button).
void AnswerNextPopup(int value) {
    QTimer::singleShot(0, [value] {
        auto* popup = qobject_cast<PopupWnd*>(QApplication::activeModalWidget());
        if (!popup) {
            AnswerNextPopup(value);
            return;
        }
        for (QAbstractButton* b : popup->buttonBox()->buttons()) {
            if (value && popup->ButtonValue(b) == value) {
                b->click();
                return;
            }
        }
        popup->reject();
    });
}

QVariantMap ReadJson(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return JsonParse(QString::fromUtf8(f.readAll())).toMap();
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    DataCfg* m_cfg = nullptr;
    NetServer* m_server = nullptr;
    MTSettingsCtrl* m_tab = nullptr;
    FormSource* m_mail = nullptr;

    QString UserFile() const { return m_dir.path() + QStringLiteral("/userCfg.json"); }
    MTESettingsEdit* Edit() const { return m_tab->Edit(); }

    void AddDescription(const QString& name, const QString& title, const QVariantList& options) {
        QVariantMap map{{QStringLiteral("Name"), name}, {QStringLiteral("Title"), title}};
        map.insert(QStringLiteral("Config"),
                   QVariantMap{{QStringLiteral("Description"), title}, {QStringLiteral("Options"), options}});
        DataCfg::TDataSource desc;
        desc.Read(map);
        m_cfg->DataSources() << desc;
    }

    void ShowPage(const QString& key) {
        Edit()->Cancel();
        QVERIFY(m_tab->OnUpdate(key));
        QCOMPARE(Edit()->PageKey(), key);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        InstallCryptStringConversion();
        SetCryptMachineIdProvider([] { return QStringLiteral("settings-test-machine"); });
        m_cfg = new DataCfg;
        m_cfg->LoadUserCfg(UserFile());
        SetDataSourceSettingsMap(&m_cfg->UserCfg().CfgSrc);
        RegisterBuiltInDataSource([this] { return m_mail = new FormSource(QStringLiteral("Mail")); });
        RegisterBuiltInDataSource([] { return new FormSource(QStringLiteral("aNews")); });
        const QVariantList mailOptions{
            Option(QStringLiteral("Status"), QStringLiteral("Label"),
                   {{QStringLiteral("Text"), QStringLiteral("#Status()")}}),
            Option(QStringLiteral("Host"), QStringLiteral("Text"),
                   {{QStringLiteral("Value"), QStringLiteral("imap.example")}}),
            Option(QStringLiteral("Password"), QStringLiteral("Password")),
            Option(QStringLiteral("Active"), QStringLiteral("Check")),
            Option(QStringLiteral("Mode"), QStringLiteral("Drop"),
                   {{QStringLiteral("Items"), QStringList{QStringLiteral("a"), QStringLiteral("b")}}}),
            Option(QStringLiteral("Sound"), QStringLiteral("Drop"),
                   {{QStringLiteral("Items"), QStringList{QStringLiteral("none"), QStringLiteral("<soundfile>")}}}),
            Option(QStringLiteral("Port"), QStringLiteral("Integer"),
                   {{QStringLiteral("Title"), QStringLiteral("Port")}}),
            Option(QStringLiteral("Accounts"), QStringLiteral("TextList")),
            Option(QStringLiteral("Action"), QStringLiteral("Drop"),
                   {{QStringLiteral("Items"),
                     QStringList{QStringLiteral("none"), QStringLiteral("<shortcut>"), QStringLiteral("<startapp>"),
                                 QStringLiteral("<openfile>"), QStringLiteral("<openurl>"), QStringLiteral("<macro>"),
                                 QStringLiteral("<imagefile>")}}})};
        AddDescription(QStringLiteral("Mail"), QStringLiteral("E-Mail"), mailOptions);
        AddDescription(QStringLiteral("aNews"), QStringLiteral("news"), {});
        AddDescription(QStringLiteral("Gone"), QStringLiteral("Missing plug-in"), {});
        GetDataSourceList();
        QVERIFY(m_mail);
        m_server = new NetServer;
        m_tab = new MTSettingsCtrl(nullptr, m_cfg, m_server);
        m_tab->Init();
        m_tab->Activate();
    }

    void cleanupTestCase() {
        delete m_tab;
        delete m_server;
        DeleteDataSources();
        SetDataSourceSettingsMap(nullptr);
        delete m_cfg;
    }

    // The header's big title keeps the accents over capitals and the descenders under the line: nothing of it
    // touches the picture's top or bottom row, and an accent changes the picture. Before, the picture held the
    // capitals only, and "PARAMÈTRES" read "PARAMETRES".
    void headerTitleKeepsAccentsAndDescenders_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("plain");
        QTest::newRow("fr") << QStringLiteral("PARAMÈTRES VELLI_CHOR") << QStringLiteral("PARAMETRES VELLI_CHOR");
        QTest::newRow("pt") << QStringLiteral("CONFIGURAÇÕES DE VELLI_CHOR")
                            << QStringLiteral("CONFIGURACOES DE VELLI_CHOR");
        QTest::newRow("es") << QStringLiteral("AJUSTES DE E-MAIL Ñ") << QStringLiteral("AJUSTES DE E-MAIL N");
        QTest::newRow("ru") << QStringLiteral("НАСТРОЙКИ Й Ё") << QStringLiteral("НАСТРОЙКИ И Е");
        QTest::newRow("de") << QStringLiteral("ÜBERSICHT ÄÖ") << QStringLiteral("UBERSICHT AO");
    }
    void headerTitleKeepsAccentsAndDescenders() {
        QFETCH(QString, title);
        QFETCH(QString, plain);
        ProgramLook::Install();
        const QImage image = MTESettingsEdit::HeaderTitle(title);
        auto inkInRow = [&image](int y) {
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    return true;
            return false;
        };
        QVERIFY(!inkInRow(0));
        QVERIFY(!inkInRow(image.height() - 1));
        QVERIFY(image != MTESettingsEdit::HeaderTitle(plain));
    }

    void listHasProgramEntryFirstAndSourcesByCaption() {
        MTESettingsElements* list = m_tab->List();
        SubnavBtn* program = list->Entry(QStringLiteral("MVX_Settings"));
        QVERIFY(program);
        QCOMPARE(program->pos(), QPoint(1, 1));
        QVERIFY(program->text().startsWith(QStringLiteral("Velli-Chor™")));
        // Upper case sorts before lower case.
        QCOMPARE(list->Entry(QStringLiteral("DataSource,Mail"))->pos(), QPoint(1, 32));
        QCOMPARE(list->Entry(QStringLiteral("DataSource,Gone"))->pos(), QPoint(1, 63));
        QCOMPARE(list->Entry(QStringLiteral("DataSource,aNews"))->pos(), QPoint(1, 94));
        // A refresh relabels instead of adding.
        list->Retranslate();
        QCOMPARE(list->Entries().size(), 4);
    }

    void programPageWritesOnSaveAndRevertsOnCancel() {
        ShowPage(QStringLiteral("MVX_Settings"));
        auto* players = qobject_cast<QComboBox*>(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        auto* sounds = qobject_cast<QCheckBox*>(Edit()->ValueWidget(QStringLiteral("ActivateBottonSounds")));
        QVERIFY(players && sounds);
        QCOMPARE(players->currentIndex(), 0);
        // OK on an unchanged page still writes both settings and the file.
        Edit()->Save();
        QCOMPARE(m_cfg->UserCfg().CfgBase.value(QStringLiteral("DefaultMediaPlayer")).toString(),
                 QStringLiteral("Winamp"));
        QCOMPARE(ReadJson(UserFile())
                     .value(QStringLiteral("CfgBase"))
                     .toMap()
                     .value(QStringLiteral("ActivateBottonSounds"))
                     .toBool(),
                 false);

        players->setCurrentIndex(2);
        QVERIFY(Edit()->IsModified());
        Edit()->Revert(); // kept while modified
        QCOMPARE(players->currentIndex(), 2);
        Edit()->Cancel();
        QVERIFY(!Edit()->IsModified());
        players = qobject_cast<QComboBox*>(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        QCOMPARE(players->currentIndex(), 0);

        sounds = qobject_cast<QCheckBox*>(Edit()->ValueWidget(QStringLiteral("ActivateBottonSounds")));
        sounds->setChecked(true);
        Edit()->Save();
        QVERIFY(ReadJson(UserFile())
                    .value(QStringLiteral("CfgBase"))
                    .toMap()
                    .value(QStringLiteral("ActivateBottonSounds"))
                    .toBool());
    }

    void leavingAModifiedPageAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QString>("stored");
        QTest::newRow("yes saves") << int(PopupWnd::YES) << true << QStringLiteral("iTunes");
        QTest::newRow("no discards") << int(PopupWnd::NO) << true << QStringLiteral("Winamp");
        QTest::newRow("cancel stays") << int(PopupWnd::CANCEL) << false << QStringLiteral("Winamp");
        QTest::newRow("closed stays") << 0 << false << QStringLiteral("Winamp");
    }
    void leavingAModifiedPageAsks() {
        QFETCH(int, answer);
        QFETCH(bool, moved);
        QFETCH(QString, stored);
        m_cfg->UserCfg().CfgBase.insert(QStringLiteral("DefaultMediaPlayer"), QStringLiteral("Winamp"));
        ShowPage(QStringLiteral("MVX_Settings"));
        m_tab->List()->OnBtnClicked(m_tab->List()->Entry(QStringLiteral("MVX_Settings")));
        qobject_cast<QComboBox*>(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")))->setCurrentIndex(1);
        AnswerNextPopup(answer);
        SubnavBtn* mail = m_tab->List()->Entry(QStringLiteral("DataSource,Mail"));
        m_tab->List()->OnBtnClicked(mail);
        QCOMPARE(mail->isActive(), moved);
        QCOMPARE(m_tab->List()->Entry(QStringLiteral("MVX_Settings"))->isActive(), !moved);
        QCOMPARE(Edit()->PageKey(), moved ? QStringLiteral("DataSource,Mail") : QStringLiteral("MVX_Settings"));
        QCOMPARE(Edit()->IsModified(), !moved);
        QCOMPARE(m_cfg->UserCfg().CfgBase.value(QStringLiteral("DefaultMediaPlayer")).toString(), stored);
    }

    void missingPluginKeepsThePreviousPage() {
        ShowPage(QStringLiteral("DataSource,Mail"));
        QVERIFY(m_tab->OnUpdate(QStringLiteral("DataSource,Gone")));
        QVERIFY(Edit()->ValueWidget(QStringLiteral("Host")));
        QCOMPARE(Edit()->CurrentSource(), m_mail);
    }

    void sourceFormReadsAndWritesItsSettings() {
        m_mail->settings =
            QVariantMap{{QStringLiteral("Password"), QVariant::fromValue(CryptString(QStringLiteral("s3cret")))},
                        {QStringLiteral("Active"), QStringLiteral("1")},
                        {QStringLiteral("Mode"), QStringLiteral("7")}, // out of range
                        {QStringLiteral("Port"), 993},
                        {QStringLiteral("Accounts"), QStringLiteral("single")}}; // not a list
        ShowPage(QStringLiteral("DataSource,Mail"));
        QCOMPARE(qobject_cast<QLineEdit*>(Edit()->ValueWidget(QStringLiteral("Host")))->text(),
                 QStringLiteral("imap.example"));
        auto* pw = qobject_cast<QLineEdit*>(Edit()->ValueWidget(QStringLiteral("Password")));
        QCOMPARE(pw->text(), QStringLiteral("s3cret"));
        QCOMPARE(pw->echoMode(), QLineEdit::Password);
        QCOMPARE(qobject_cast<QCheckBox*>(Edit()->ValueWidget(QStringLiteral("Active")))->checkState(),
                 Qt::PartiallyChecked);
        QVERIFY(!qobject_cast<QComboBox*>(Edit()->ValueWidget(QStringLiteral("Mode")))->isEditable());
        QVERIFY(qobject_cast<QComboBox*>(Edit()->ValueWidget(QStringLiteral("Sound")))->isEditable());
        Edit()->OnUpdate();
        QVERIFY(Edit()->findChildren<QLabel*>().size() > 0);
        bool status = false;
        for (QLabel* l : Edit()->EditContainer()->findChildren<QLabel*>())
            status |= l->text() == QLatin1String("online");
        QVERIFY(status);

        Edit()->Save();
        const QVariantMap saved = m_mail->settings;
        QCOMPARE(saved.value(QStringLiteral("Password")).userType(), CryptStringTypeId());
        QCOMPARE(saved.value(QStringLiteral("Password")).value<CryptString>().Text, QStringLiteral("s3cret"));
        QCOMPARE(saved.value(QStringLiteral("Host")).toString(), QStringLiteral("imap.example"));
        QCOMPARE(saved.value(QStringLiteral("Active")).toString(), QStringLiteral("1"));
        QCOMPARE(saved.value(QStringLiteral("Mode")).toString(), QStringLiteral("7"));
        QCOMPARE(saved.value(QStringLiteral("Port")).toInt(), 993);
        QCOMPARE(saved.value(QStringLiteral("Accounts")).toList().size(), 1);
        // The file holds the password only encrypted.
        QFile file(UserFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains("s3cret"));
        QVERIFY(bytes.contains("imap.example"));
    }

    void textListAddRemoveAndOrder() {
        QVariantList entries;
        for (int i = 0; i < 12; ++i)
            entries << QVariant::fromValue(CryptString(QStringLiteral("e%1").arg(i)));
        m_mail->settings = QVariantMap{{QStringLiteral("Accounts"), entries}};
        ShowPage(QStringLiteral("DataSource,Mail"));
        StdBtn* add = nullptr;
        for (StdBtn* b : Edit()->EditContainer()->findChildren<StdBtn*>())
            if (b->property("key").toString() == QLatin1String("Accounts"))
                add = b;
        QVERIFY(add);
        add->click();
        auto* added = qobject_cast<QLineEdit*>(Edit()->ValueWidget(QStringLiteral("Accounts,12")));
        QVERIFY(added);
        added->setText(QStringLiteral("new"));
        Edit()->Save();
        QVariantList saved = m_mail->settings.value(QStringLiteral("Accounts")).toList();
        QCOMPARE(saved.size(), 13);
        QCOMPARE(saved.first().toString(), QStringLiteral("new"));
        // Indices 10 and 11 stay after 9: saving keeps the list's order.
        QCOMPARE(saved.at(10).toString(), QStringLiteral("e9"));
        QCOMPARE(saved.last().toString(), QStringLiteral("e11"));
    }

    void textListIsBoundedAndKeepsTheRest() {
        QVariantList entries;
        for (int i = 0; i < 130; ++i)
            entries << QStringLiteral("x%1").arg(i);
        m_mail->settings = QVariantMap{{QStringLiteral("Accounts"), entries}};
        ShowPage(QStringLiteral("DataSource,Mail"));
        QVERIFY(Edit()->ValueWidget(QStringLiteral("Accounts,127")));
        QVERIFY(!Edit()->ValueWidget(QStringLiteral("Accounts,128")));
        StdBtn* add = nullptr;
        StdBtn* remove5 = nullptr;
        for (StdBtn* b : Edit()->EditContainer()->findChildren<StdBtn*>()) {
            if (b->property("key").toString() == QLatin1String("Accounts"))
                add = b;
            if (b->property("key").toString() == QLatin1String("Accounts,5"))
                remove5 = b;
        }
        add->click();
        QVERIFY(!add->isEnabled());
        remove5->click();
        QVERIFY(add->isEnabled());
        add->click();
        QCOMPARE(Edit()->ValueWidget(QStringLiteral("Accounts,5"))->objectName(), QStringLiteral("added"));
        Edit()->Save();
        const QVariantList saved = m_mail->settings.value(QStringLiteral("Accounts")).toList();
        QCOMPARE(saved.size(), 130);
        QCOMPARE(saved.first().toString(), QString());
        QCOMPARE(saved.last().toString(), QStringLiteral("x129"));
    }

    void devicesActivateDeactivateDelete() {
        m_cfg->UserCfg().Devices.clear();
        m_cfg->UserCfg().AddDevice(QStringLiteral("Phone"), QStringLiteral("tok1"), QStringLiteral("mine"));
        m_cfg->UserCfg().AddDevice(QStringLiteral("Tablet"), QStringLiteral("tok2"), QString());
        ShowPage(QStringLiteral("MVX_Settings"));
        PairingUI* pairing = Edit()->Pairing();
        QTableWidget* table = pairing->Table();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->height(), 25 * 2 + 28);
        QCOMPARE(pairing->SelectedDevice(), QStringLiteral("tok1"));
        pairing->OnTableDevClicked(1, 1);
        QCOMPARE(pairing->SelectedDevice(), QStringLiteral("tok2"));

        m_cfg->UserCfg().SetDeviceActive(QStringLiteral("tok2"), true);
        pairing->OnDevClickDeactivate();
        QVERIFY(!m_cfg->UserCfg().GetDevice(QStringLiteral("tok2")).Active);
        QVERIFY(pairing->ActivateButton()->isEnabled());
        QVERIFY(!pairing->DeactivateButton()->isEnabled());
        pairing->OnDevClickActivate();
        QVERIFY(m_cfg->UserCfg().GetDevice(QStringLiteral("tok2")).Active);
        // Device edits are in the file at once.
        const QVariantList stored = ReadJson(UserFile()).value(QStringLiteral("Devices")).toList();
        QCOMPARE(stored.size(), 2);

        table->item(0, 2)->setText(QStringLiteral("kitchen"));
        QCOMPARE(m_cfg->UserCfg().GetDevice(QStringLiteral("tok1")).Desc, QStringLiteral("kitchen"));

        AnswerNextPopup(PopupWnd::NO);
        pairing->OnDevClickDelete();
        QCOMPARE(m_cfg->UserCfg().Devices.size(), 2);
        AnswerNextPopup(PopupWnd::YES);
        pairing->OnDevClickDelete();
        QCOMPARE(m_cfg->UserCfg().Devices.size(), 1);
        QCOMPARE(pairing->Table()->rowCount(), 1);
    }

    void aDeviceCountChangeRebuildsKeepingTheModifiedFlag() {
        ShowPage(QStringLiteral("MVX_Settings"));
        Edit()->OnModified();
        m_cfg->UserCfg().AddDevice(QStringLiteral("Other"), QStringLiteral("tok9"), QString());
        Edit()->Pairing()->OnTableDevUpdate();
        QCOMPARE(Edit()->Pairing()->Table()->rowCount(), m_cfg->UserCfg().Devices.size());
        QVERIFY(Edit()->IsModified());
        Edit()->Cancel();
    }

    void aDeviceCountChangeKeepsTheUnsavedEdits() {
        m_cfg->UserCfg().CfgBase.insert(QStringLiteral("DefaultMediaPlayer"), QStringLiteral("Winamp"));
        ShowPage(QStringLiteral("MVX_Settings"));
        auto* players = qobject_cast<QComboBox*>(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")));
        players->setCurrentIndex(2);
        QGroupBox* oldBox = Edit()->Pairing()->DevicesBox();
        const int oldRows = Edit()->Pairing()->Table()->rowCount();
        // A phone paired meanwhile (or one was deleted): the next update finds another count.
        m_cfg->UserCfg().AddDevice(QStringLiteral("Late"), QStringLiteral("tokLate"), QString());
        Edit()->Pairing()->OnTableDevUpdate();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Edit()->Pairing()->Table()->rowCount(), oldRows + 1);
        QVERIFY(Edit()->Pairing()->DevicesBox() != oldBox);
        // The edit is still on the page, in the same widget, and OK stores it.
        QCOMPARE(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")), players);
        QCOMPARE(players->currentIndex(), 2);
        QVERIFY(Edit()->IsModified());
        Edit()->Save();
        QCOMPARE(m_cfg->UserCfg().CfgBase.value(QStringLiteral("DefaultMediaPlayer")).toString(),
                 QStringLiteral("Windows Media Player"));
        // The box stays where it was: after the account box, before the additional settings.
        QVBoxLayout* layout = Edit()->EditLayout();
        QVERIFY(layout->indexOf(Edit()->Pairing()->DevicesBox()) >
                layout->indexOf(Edit()->findChild<QWidget*>(QStringLiteral("accountBox"))));
        m_cfg->UserCfg().RemoveDevice(QStringLiteral("tokLate"));
    }

    void actionPickersRunTheParameterPopups_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("shown");
        QTest::newRow("shortcut") << "shortcut" << true << "Shortcut: F5";
        QTest::newRow("program") << "startapp" << true << "Execute: /usr/bin/true";
        QTest::newRow("file") << "openfile" << true << "Execute: /usr/bin/true";
        QTest::newRow("website") << "openurl" << true << "Execute: https://example.org";
        QTest::newRow("macro") << "macro" << true << "Macro: t hello";
        QTest::newRow("cancelled") << "openurl" << false << "kept";
    }
    void actionPickersRunTheParameterPopups() {
        QFETCH(QString, action);
        QFETCH(bool, ok);
        QFETCH(QString, shown);
        m_mail->settings = QVariantMap{{QStringLiteral("Action"), QStringLiteral("kept")}};
        ShowPage(QStringLiteral("DataSource,Mail"));
        auto* combo = qobject_cast<QComboBoxEx*>(Edit()->ValueWidget(QStringLiteral("Action")));
        QVERIFY(combo && combo->isEditable());
        QCOMPARE(combo->currentText(), QStringLiteral("kept"));
        QString opened;
        PopupWatcher::OnModal<PopupWnd>([&](PopupWnd* popup) {
            opened = QString::fromLatin1(popup->metaObject()->className());
            if (auto* p = qobject_cast<ShortcutPopup*>(popup))
                p->KeyEdit()->setText(QStringLiteral("F5"));
            else if (auto* p = qobject_cast<OpenPopup*>(popup))
                p->PathEdit()->setText(QStringLiteral("/usr/bin/true"));
            else if (auto* p = qobject_cast<UrlPopup*>(popup))
                p->UrlEdit()->setText(QStringLiteral("https://example.org"));
            else if (auto* p = qobject_cast<MacroPopup*>(popup))
                p->ScriptBox()->setPlainText(QStringLiteral("t hello"));
            if (!ok) {
                popup->reject();
                return;
            }
            for (QAbstractButton* b : popup->buttonBox()->buttons())
                if (popup->ButtonValue(b) == PopupWnd::OK)
                    b->click();
        });
        combo->setCurrentIndex(combo->findData(action));
        const QMap<QString, QString> classes{{"shortcut", "ShortcutPopup"},
                                             {"startapp", "OpenPopup"},
                                             {"openfile", "OpenPopup"},
                                             {"openurl", "UrlPopup"},
                                             {"macro", "MacroPopup"}};
        QCOMPARE(opened, classes.value(action));
        QCOMPARE(combo->currentText(), shown);
        QVERIFY(Edit()->IsModified());
        Edit()->Save();
        QCOMPARE(m_mail->settings.value(QStringLiteral("Action")).toString(), shown);
    }

    void filePickerStartsInTheDataFolder() {
        QTemporaryDir data;
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("Icons")));
        const QString before = PluginTools::GetDataPath();
        PluginTools::SetDataPath(data.path() + QLatin1Char('/'));
        QStringList starts;
        MTESettingsEdit::SetFileChooser([&](QWidget*, const QString&, const QString& start, const QString&) {
            starts << start;
            return starts.size() == 1 ? data.path() + QStringLiteral("/Icons/a.png") : QString();
        });
        m_mail->settings.clear();
        ShowPage(QStringLiteral("DataSource,Mail"));
        auto* combo = qobject_cast<QComboBoxEx*>(Edit()->ValueWidget(QStringLiteral("Action")));
        combo->setCurrentIndex(combo->findData(QStringLiteral("imagefile")));
        QCOMPARE(combo->currentText(), data.path() + QStringLiteral("/Icons/a.png"));
        // A box holding a path starts at that path's folder; a cancelled dialog keeps the text.
        combo->setCurrentIndex(combo->findData(QStringLiteral("imagefile")));
        QCOMPARE(combo->currentText(), data.path() + QStringLiteral("/Icons/a.png"));
        QCOMPARE(starts, QStringList() << data.path() + QStringLiteral("/Icons/") << data.path() + "/Icons");
        // Without a "Sound" folder the sound picker starts in the data folder itself.
        QCOMPARE(MTESettingsEdit::FileStartFolder(QString(), false), data.path() + QLatin1Char('/'));
        MTESettingsEdit::SetFileChooser(nullptr);
        PluginTools::SetDataPath(before);
        Edit()->Cancel();
    }

    void pairingModeLastsWhileThePopupRuns() {
        QVERIFY(!PairingUI::IsPairingMode());
        bool during = false;
        QTimer::singleShot(0, [&] {
            during = PairingUI::IsPairingMode();
            AnswerNextPopup(PopupWnd::CLOSE);
        });
        Edit()->Pairing()->OnDevClickAdd();
        QVERIFY(during);
        QVERIFY(!PairingUI::IsPairingMode());
    }

    void firstPairingEndsWhenADeviceRegisters() {
        m_cfg->UserCfg().Devices.clear();
        // The popup runs without a loop of its own: the caller goes on while it is open.
        QPointer<AddDevicePopup> popup = m_tab->RunFirstStartPairing();
        QVERIFY(popup && popup->isVisible());
        QVERIFY(m_tab->IsPairingMode());
        QCOMPARE(QApplication::activeModalWidget(), popup.data());
        m_cfg->UserCfg().AddDevice(QStringLiteral("Phone"), QStringLiteral("tok1"), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!popup, 2500);
        QVERIFY(!PairingUI::IsPairingMode());
        QCOMPARE(m_cfg->UserCfg().Devices.size(), 1);
    }

    void firstPairingSkipEndsItAtOnce() {
        m_cfg->UserCfg().Devices.clear();
        QPointer<AddDevicePopup> popup = m_tab->RunFirstStartPairing();
        QAbstractButton* skip = popup->buttonBox()->buttons().value(0);
        QCOMPARE(skip->text(), QStringLiteral("SKIP"));
        skip->click();
        QVERIFY(!m_tab->IsPairingMode());
        QTRY_VERIFY(!popup);
        QVERIFY(m_cfg->UserCfg().Devices.isEmpty());
    }

    void autostartFollowsTheCheckBox() {
        HostCtrl* host = m_tab->List()->Host();
        // What the box does here: the desktop's autostart at the user's login, not a Windows logon; also after
        // a language change has labelled it again.
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(host, &change);
        QCOMPARE(host->AutoStartBox()->text(), QStringLiteral("RUN AT USER LOGIN"));
        QVERIFY(!host->AutoStartBox()->statusTip().contains(QLatin1String("Windows")));
        host->AutoStartBox()->setChecked(true);
        QVERIFY(PAL::GetAutostart());
        host->AutoStartBox()->setChecked(false);
        QVERIFY(!PAL::GetAutostart());
    }

    void serviceButtonOpensAndClosesTheServer() {
        m_server->SetEndpoints(QHostAddress::LocalHost, 0, 0);
        HostCtrl* host = m_tab->List()->Host();
        QCOMPARE(host->ServiceButton()->windowIconText(), QStringLiteral("def"));
        host->OnClickNetSvc();
        QVERIFY(m_server->IsOpen());
        QCOMPARE(host->ServiceButton()->windowIconText(), QStringLiteral("on"));
        QCOMPARE(host->ServiceButton()->text(), QStringLiteral("SERVICE\nSTARTED"));
        host->OnClickNetSvc();
        QVERIFY(!m_server->IsOpen());
        QCOMPARE(host->ServiceButton()->text(), QStringLiteral("SERVICE\nDISABLED"));
    }

    // A language chosen while the settings tab is hidden builds nothing there, and nothing ticks on the hidden page:
    // the page is built, in the language of the moment, when its tab is shown. At start the language chosen would
    // otherwise build the hidden page once more.
    void aHiddenPageWaitsForItsTab() {
        ShowPage(QStringLiteral("MVX_Settings"));
        QWidget* player = Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer"));
        QVERIFY(player);
        Edit()->hide();
        QVERIFY(!Edit()->UpdateTimer()->isActive());
        Edit()->setLocale(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")), player);
        m_tab->Activate();
        QVERIFY(Edit()->ValueWidget(QStringLiteral("DefaultMediaPlayer")) != player);
        Edit()->unsetLocale();
        Edit()->show();
    }

    // A language chosen while the service runs says in that language that it runs (not that it is disabled).
    void serviceButtonKeepsItsStateAcrossLanguages() {
        m_server->SetEndpoints(QHostAddress::LocalHost, 0, 0);
        HostCtrl* host = m_tab->List()->Host();
        host->OnClickNetSvc();
        QVERIFY(m_server->IsOpen());
        QTranslator german;
        QVERIFY(german.load(QStringLiteral("mervexsrv_de"), QStringLiteral(":/locale/")));
        const QString started = german.translate("HostCtrl", "SERVICE\nSTARTED");
        QVERIFY(!started.isEmpty() && started != QLatin1String("SERVICE\nSTARTED"));
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(host->ServiceButton()->text(), started);
        QCOMPARE(host->ServiceButton()->windowIconText(), QStringLiteral("on"));
        QCoreApplication::removeTranslator(&german);
        QTRY_COMPARE(host->ServiceButton()->text(), QStringLiteral("SERVICE\nSTARTED"));
        host->OnClickNetSvc();
        QVERIFY(!m_server->IsOpen());
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
