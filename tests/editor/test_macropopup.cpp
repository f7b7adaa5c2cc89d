// The macro manager against a small user configuration: choosing, editing and recording macros, and what
// OK and CANCEL leave in the configuration. Key events come in as the desktop delivers them (X key codes)
// and pass the keyboard capture; nothing is typed into the machine.
#include "config/datacfg.h"
#include "config/tusercfg.h"
#include "editor/macropopup.h"
#include "functions/pal/inputsink.h"
#include "functions/pal/keyboardcapture.h"
#include "widgets/qcomboboxex.h"
#include "widgets/stdbtn.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardItemModel>
#include <QTranslator>
#include <QtTest>

namespace {
enum Evdev : quint32 { EvA = 30, EvS = 31, EvLShift = 42, EvSemicolon = 39, EvBackslash = 43, EvF5 = 63 };

DataCfg::TMacro Macro(const QString& set, const QString& name, const QString& data) {
    DataCfg::TMacro m;
    m.Category = set;
    m.Name = name;
    m.Data = data;
    return m;
}

// Shows which text of the step list was asked for: the direction texts come back with their note.
class NoteTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* note, int) const override {
        if (qstrcmp(context, "MacroPopup") == 0 && note && *note)
            return QString::fromUtf8(source) + QLatin1Char('/') + QString::fromUtf8(note);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

QStringList Rows(QStandardItemModel* model) {
    QStringList rows;
    for (int i = 0; model && i < model->rowCount(); ++i)
        rows << model->item(i)->text();
    return rows;
}
} // namespace

class TestMacroPopup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensNamedMacro();
    void unknownValueGivesScript();
    void stepRows();
    void buttonAndWheelStepsTranslateApart();
    void repeatOptions();
    void insertEditDeleteSteps();
    void newAndDeleteMacros();
    void setsAddAndDelete();
    void recording_data();
    void recording();
    void recordingIsBounded();
    void okSavesCancelDrops();

private:
    MacroPopup* Open(const QString& value);
    void Key(MacroPopup* p, QEvent::Type type, int qtKey, quint32 evdev);

    DataCfg* m_cfg = nullptr;
    PAL_INT::RecordingInputSink m_sink;
    qint64 m_now = 1000;
};

void TestMacroPopup::init() {
    PAL_INT::SetInputSink(&m_sink);
    m_cfg = new DataCfg;
    m_cfg->UserCfg().Macros = {Macro("Games", "Jump", "p SPACE;"), Macro("Games", "Run", "r 3;d A;40;u A;"),
                               Macro("Office", "Save", "p LCTRL+S;")};
    MacroPopup::SetAskers(nullptr, nullptr);
}

void TestMacroPopup::cleanup() {
    delete m_cfg;
    m_cfg = nullptr;
    PAL_INT::SetInputSink(nullptr);
    MacroPopup::SetAskers(nullptr, nullptr);
}

MacroPopup* TestMacroPopup::Open(const QString& value) {
    auto* p = new MacroPopup(nullptr, value);
    p->SetClock([this] { return m_now; });
    return p;
}

void TestMacroPopup::Key(MacroPopup* p, QEvent::Type type, int qtKey, quint32 evdev) {
    QKeyEvent e(type, qtKey, Qt::NoModifier, evdev + 8, 0, 0);
    QCoreApplication::sendEvent(p, &e);
}

void TestMacroPopup::opensNamedMacro() {
    QPointer<MacroPopup> p = Open(" Games/Jump ");
    QCOMPARE(p->SetNames(), QStringList({"Games", "Office"}));
    QCOMPARE(p->CurrentSet(), QString("Games"));
    QCOMPARE(Rows(p->MacroModel()), QStringList({"Jump", "Run"}));
    QCOMPARE(p->CurrentScript(), QString("p SPACE;"));
    QCOMPARE(p->ScriptBox()->toPlainText(), QString("p SPACE;"));
    p->done(PopupWnd::OK);
    QCOMPARE(p->GetMacroName(), QString("Games/Jump"));
    delete p;

    p = Open("Office/Save");
    QCOMPARE(p->CurrentSet(), QString("Office"));
    QCOMPARE(p->GetMacroName(), QString("Office/Save"));
    delete p;
}

void TestMacroPopup::unknownValueGivesScript() {
    QPointer<MacroPopup> p = Open("p F5;");
    QCOMPARE(p->CurrentSet(), QString("Games"));
    QCOMPARE(p->GetMacroName(), QString());
    p->ScriptBox()->setPlainText("d A;u A;");
    QCOMPARE(p->GetMacroName(), QString("d A;u A;"));
    QCOMPARE(p->Steps(), QStringList({"d A", "u A", ""}));
    delete p;
}

void TestMacroPopup::stepRows() {
    QPointer<MacroPopup> p = Open("x");
    p->ScriptBox()->setPlainText("r 2;d A;u LSHIFT;p LCTRL+C;t a\\;b;85;m d l;m u w;m p r;0;junk;;");
    QCOMPARE(Rows(p->StepModel()), QStringList({"A", "LSHIFT", "LCTRL+C", "a;b", "85 ms", "Left Down", "Wheel Up",
                                                "Right Click", "0", "junk"}));
    // Rows carry their step index; the repeat step and empty steps have no row.
    QCOMPARE(p->StepModel()->item(0)->data(MacroPopup::IndexRole).toInt(), 1);
    QCOMPARE(p->StepModel()->item(9)->data(MacroPopup::IndexRole).toInt(), 10);
    QVERIFY(p->RepeatBox()->isChecked());
    QCOMPARE(p->LoopsEdit()->text(), QString("2"));
    // Showing a script never rewrites it.
    QCOMPARE(p->CurrentScript(), QString("r 2;d A;u LSHIFT;p LCTRL+C;t a\\;b;85;m d l;m u w;m p r;0;junk;;"));
    delete p;
}

// A mouse button goes up and down (released, pressed) and the wheel turns up and down: languages that say these
// differently get a text for each. Before, both asked for the same " Up" and " Down".
void TestMacroPopup::buttonAndWheelStepsTranslateApart() {
    NoteTranslator notes;
    QVERIFY(QCoreApplication::installTranslator(&notes));
    QPointer<MacroPopup> p = Open("x");
    p->ScriptBox()->setPlainText("m d l;m u r;m d w;m u w;m p m;");
    const QStringList rows = Rows(p->StepModel());
    QCoreApplication::removeTranslator(&notes);
    QCOMPARE(rows, QStringList({"Left Down/mouse button pressed", "Right Up/mouse button released",
                                "Wheel Down/wheel turned down", "Wheel Up/wheel turned up", "Middle Click"}));
    delete p;
}

void TestMacroPopup::repeatOptions() {
    QPointer<MacroPopup> p = Open("Games/Run");
    QVERIFY(p->RepeatBox()->isChecked());
    QCOMPARE(p->LoopsEdit()->text(), QString("3"));
    p->RepeatBox()->setChecked(false);
    QCOMPARE(p->CurrentScript(), QString("r -3;d A;40;u A;"));
    p->LoopsEdit()->setText("1");
    p->OnRepeatChanged();
    QCOMPARE(p->CurrentScript(), QString("d A;40;u A;"));
    p->LoopsEdit()->clear();
    p->OnRepeatChanged();
    QCOMPARE(p->CurrentScript(), QString("r 0;d A;40;u A;"));
    // Selecting Jump (no repeat step) unchecks the box and leaves both scripts as they were.
    p->LoopsEdit()->setText("3");
    p->RepeatBox()->setChecked(true);
    p->OnListMacrosChanged(p->MacroModel()->index(0, 0));
    QVERIFY(!p->RepeatBox()->isChecked());
    QCOMPARE(p->CurrentScript(), QString("p SPACE;"));
    const QList<DataCfg::TMacro> macros = p->WorkingMacros();
    QCOMPARE(macros.at(0).Data, QString("p SPACE;"));
    QCOMPARE(macros.at(1).Data, QString("r 3;d A;40;u A;"));
    delete p;
}

void TestMacroPopup::insertEditDeleteSteps() {
    QPointer<MacroPopup> p = Open("Games/Jump");
    p->OnInsDelay(); // no current row: at the start
    QCOMPARE(p->CurrentScript(), QString("40;p SPACE;"));
    p->StepList()->setCurrentIndex(p->StepModel()->index(1, 0));
    p->OnInsMouseRClick();
    QCOMPARE(p->CurrentScript(), QString("40;p SPACE;m p r;"));
    p->StepList()->setCurrentIndex(p->StepModel()->index(1, 0));
    p->OnInsMouseWDown();
    QCOMPARE(p->CurrentScript(), QString("40;p SPACE;m d w;m p r;"));

    // In-place edits normalise what was typed.
    p->StepModel()->item(0)->setText("1,2x5 ms");
    QCOMPARE(p->CurrentScript(), QString("125;p SPACE;m d w;m p r;"));
    p->StepModel()->item(1)->setText("space");
    QCOMPARE(p->CurrentScript(), QString("125;p SPACE;m d w;m p r;"));
    p->StepModel()->item(1)->setText("nosuchkey");
    QCOMPARE(p->CurrentScript(), QString("125;p ;m d w;m p r;"));
    p->StepModel()->item(2)->setText("  RIGHT   up ");
    QCOMPARE(p->CurrentScript(), QString("125;p;m u r;m p r;"));
    p->StepModel()->item(3)->setText("");
    QCOMPARE(p->CurrentScript(), QString("125;p;m u r;m u l;"));

    p->StepList()->setCurrentIndex(p->StepModel()->index(0, 0));
    p->OnDeleteSeqItem();
    QCOMPARE(p->CurrentScript(), QString("p;m u r;m u l;"));
    // No current row: nothing happens.
    p->StepList()->setCurrentIndex(QModelIndex());
    p->OnDeleteSeqItem();
    p->OnEditSeqItem();
    QCOMPARE(p->CurrentScript(), QString("p;m u r;m u l;"));
    // The stored macro follows.
    QCOMPARE(p->WorkingMacros().at(0).Data, QString("p;m u r;m u l;"));
    delete p;
}

void TestMacroPopup::newAndDeleteMacros() {
    m_cfg->UserCfg().Macros = {Macro("S", "New Macro", "")};
    for (int i = 1; i <= 8; ++i)
        m_cfg->UserCfg().Macros << Macro("S", QString("New Macro %1").arg(i), "");
    QPointer<MacroPopup> p = Open("S");
    p->OnBtnNew();
    QCOMPARE(p->WorkingMacros().last().Name, QString("New Macro 9"));
    QCOMPARE(p->GetMacroName(), QString("S/New Macro 9"));
    // Renaming to nothing gives "???".
    QStandardItem* item = p->MacroModel()->item(p->MacroList()->currentIndex().row());
    item->setText("");
    QCOMPARE(p->WorkingMacros().last().Name, QString("???"));
    QCOMPARE(p->GetMacroName(), QString("S/???"));

    int asked = 0;
    MacroPopup::SetAskers(nullptr, [&](QWidget*, const QString&) { return ++asked > 1; });
    p->OnBtnDel(); // answered NO
    QCOMPARE(p->WorkingMacros().size(), 10);
    p->OnBtnDel();
    QCOMPARE(p->WorkingMacros().size(), 9);
    delete p;

    // Deleting the last macro of a set removes the set.
    m_cfg->UserCfg().Macros = {Macro("A", "One", ""), Macro("B", "Two", "")};
    p = Open("B/Two");
    p->OnBtnDel();
    QCOMPARE(p->SetNames(), QStringList({"A"}));
    delete p;
}

void TestMacroPopup::setsAddAndDelete() {
    MacroPopup::SetAskers(
        [](QWidget*, QString* name) {
            *name = "Zed";
            return true;
        },
        [](QWidget*, const QString&) { return true; });
    QPointer<MacroPopup> p = Open("");
    p->SetCombo()->setCurrentIndex(p->SetCombo()->findData("add_set"));
    QCOMPARE(p->SetNames(), QStringList({"Games", "Office", "Zed"}));
    QCOMPARE(p->CurrentSet(), QString("Zed"));
    QCOMPARE(p->SetCombo()->currentText(), QString("Zed"));
    QCOMPARE(p->GetMacroName(), QString("Zed/New Macro"));
    p->SetCombo()->setCurrentIndex(p->SetCombo()->findData("del_set"));
    QCOMPARE(p->SetNames(), QStringList({"Games", "Office"}));
    p->SetCombo()->setCurrentIndex(0);
    p->SetCombo()->setCurrentIndex(p->SetCombo()->findData("del_set"));
    QCOMPARE(p->SetNames(), QStringList({"Office"}));
    delete p;
}

void TestMacroPopup::recording_data() {
    QTest::addColumn<bool>("delays");
    // + press, - release, keys: a, s, S (shift), ;, \ and 5 (F5), ? unknown
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("script");
    QTest::newRow("one key") << false << "+a-a"
                             << "p A;";
    QTest::newRow("shifted") << false << "+S+a-a-S"
                             << "p LSHIFT+A;";
    QTest::newRow("typed run") << false << "+a-a+s-s+;-;+a-a"
                               << "t as\\;a;";
    QTest::newRow("backslash key") << false << "+\\-\\"
                                   << "p \\\\;";
    QTest::newRow("typed backslash") << false << "+a-a+\\-\\+s-s"
                                     << "t a\\\\s;";
    QTest::newRow("function key breaks text") << false << "+a-a+5-5+s-s"
                                              << "p A;p F5;p S;";
    QTest::newRow("delays keep pairs apart") << true << "+a-a"
                                             << "d A;85;u A;";
    QTest::newRow("unknown key records nothing") << false << "+?-?+a-a"
                                                 << "p A;";
}

void TestMacroPopup::recording() {
    QFETCH(bool, delays);
    QFETCH(QString, keys);
    QFETCH(QString, script);
    QPointer<MacroPopup> p = Open("Games/Jump");
    p->show();
    QVERIFY(QTest::qWaitForWindowActive(p));
    p->RecordDelaysBox()->setChecked(delays);
    p->RecordButton()->click();
    QVERIFY(p->IsRecording());
    QVERIFY(PAL_INT::KeyboardCapture::Instance()->IsOn());
    QVERIFY(!p->MacroList()->isEnabled());
    QCOMPARE(p->CurrentScript(), QString());
    for (int i = 0; i + 1 < keys.size(); i += 2) {
        const QEvent::Type type = keys[i] == '+' ? QEvent::KeyPress : QEvent::KeyRelease;
        const QChar k = keys[i + 1];
        if (k == 'a')
            Key(p, type, Qt::Key_A, EvA);
        else if (k == 's')
            Key(p, type, Qt::Key_S, EvS);
        else if (k == 'S')
            Key(p, type, Qt::Key_Shift, EvLShift);
        else if (k == ';')
            Key(p, type, Qt::Key_Semicolon, EvSemicolon);
        else if (k == '\\')
            Key(p, type, Qt::Key_Backslash, EvBackslash);
        else if (k == '5')
            Key(p, type, Qt::Key_F5, EvF5);
        else {
            QKeyEvent e(type, Qt::Key_unknown, Qt::NoModifier, 0, 0, 0); // no native key
            QCoreApplication::sendEvent(p, &e);
        }
        m_now += 85;
    }
    QCOMPARE(p->CurrentScript(), script);
    // The recording went into the selected macro.
    QCOMPARE(p->WorkingMacros().at(0).Data, script);
    p->RecordButton()->click();
    QVERIFY(!p->IsRecording());
    QVERIFY(p->MacroList()->isEnabled());
    QVERIFY(!PAL_INT::KeyboardCapture::Instance()->IsOn());
    QVERIFY(m_sink.Events().isEmpty());
    delete p;
}

void TestMacroPopup::recordingIsBounded() {
    QPointer<MacroPopup> p = Open("x");
    p->show();
    QVERIFY(QTest::qWaitForWindowActive(p));
    p->RecordDelaysBox()->setChecked(true);
    p->RecordButton()->click();
    // Delays keep every step apart, so nothing compacts.
    for (int i = 0; i < 20000 && p->CurrentScript().size() < MacroPopup::MaxRecordedLength; ++i) {
        Key(p, QEvent::KeyPress, Qt::Key_A, EvA);
        m_now += 1;
        Key(p, QEvent::KeyRelease, Qt::Key_A, EvA);
        m_now += 1;
    }
    const int size = p->CurrentScript().size();
    QVERIFY(size >= MacroPopup::MaxRecordedLength);
    Key(p, QEvent::KeyPress, Qt::Key_A, EvA);
    QCOMPARE(p->CurrentScript().size(), size);
    p->done(PopupWnd::CANCEL);
    QVERIFY(!PAL_INT::KeyboardCapture::Instance()->IsOn());
    delete p;
}

void TestMacroPopup::okSavesCancelDrops() {
    QPointer<MacroPopup> p = Open("Games/Jump");
    p->ScriptBox()->setPlainText("p A;");
    p->OnBtnNew();
    p->done(PopupWnd::CANCEL);
    QCOMPARE(m_cfg->UserCfg().Macros.size(), 3);
    QCOMPARE(m_cfg->UserCfg().Macros.at(0).Data, QString("p SPACE;"));
    delete p;

    p = Open("Games/Jump");
    p->ScriptBox()->setPlainText("t hi;");
    p->done(PopupWnd::OK);
    QCOMPARE(p->GetMacroName(), QString("Games/Jump"));
    QCOMPARE(m_cfg->UserCfg().Macros.at(0).Data, QString("t hi;"));
    QCOMPARE(m_cfg->FindMacro("Macro:Games/Jump").Data, QString("t hi;"));
    delete p;
}

QTEST_MAIN(TestMacroPopup)
#include "test_macropopup.moc"
