// The handlers of the default configuration's scripts, run in the program's script engines through
// DataCfg::ExecScriptfunc against stand-ins of the control view, its skin, control and layout objects that
// record what the scripts ask of them: the shortcut a key sends, the volume a slider sets, the mute state a
// toggle sends and shows, the function record a tile binds, the buttons of the message box.

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "tests/config/cfgtestutil.h"

#include <QDir>
#include <QRegularExpression>
#include <QScriptEngine>
#include <QtTest>

namespace {

QString dataDir() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR) + QStringLiteral("/../../data"));
}

} // namespace

// Stand-in of a running layout element's script object.
class FakeLayout : public QObject {
    Q_OBJECT
public:
    QString text;
    bool visible = true;
    bool pressed = false;
    bool active = false;
    QString gfx;
    QString gfxA;
    QScriptValue data;
    double x = 0;
    double w = 0;
    int invalidations = 0;

public slots:
    void setText(const QString& t) { text = t; }
    QString getText() const { return text; }
    void setVisible(bool v) { visible = v; }
    bool getVisible() const { return visible; }
    void setPressed(bool v) { pressed = v; }
    bool getPressed() const { return pressed; }
    void setActive(bool v) { active = v; }
    bool getActive() const { return active; }
    void setGfx(const QString& g) { gfx = g; }
    void setGfxA(const QString& g) { gfxA = g; }
    void setData(const QScriptValue& v) { data = v; }
    QScriptValue getData() const { return data; }
    double getX() const { return x; }
    double getW() const { return w; }
    void Invalidate() { ++invalidations; }
};

class FakeControl : public QObject {
    Q_OBJECT
public:
    QVariantMap values;
    QStringList functions;
    bool functionsSet = false;

public slots:
    QVariant getConfigData() const { return values; }
    void setFunctions(const QStringList& f) {
        functions = f;
        functionsSet = true;
    }
};

class FakeSkin : public QObject {
    Q_OBJECT
public:
    FakeControl control;

public slots:
    QObject* getControl() { return &control; }
    // Marks the text as coming from the strings table.
    QString GetString(const QString& name) const { return QLatin1Char('<') + name + QLatin1Char('>'); }
};

class FakeView : public QObject {
    Q_OBJECT
public:
    QHash<QString, FakeLayout*> layouts;
    QList<QPair<QString, QVariantList>> calls;
    QList<QStringList> boxClicks;
    QVariant funcRes;
    int mouseX = 0;
    int invalidations = 0;

    FakeLayout* Add(const QString& name) {
        FakeLayout* l = new FakeLayout;
        l->setParent(this);
        l->setObjectName(name);
        layouts.insert(name, l);
        return l;
    }

public slots:
    QVariant CallFunc(const QString& name, const QVariantList& args) {
        calls.append({name, args});
        return QVariant();
    }
    QObject* FindLayout(const QString& name) { return layouts.value(name); }
    int GetMouseLastEvtX() const { return mouseX; }
    QVariant GetFuncRes(int, int) const { return funcRes; }
    void SetFuncRes(int, int, const QVariant& v) { funcRes = v; }
    void Invalidate() { ++invalidations; }
    void OnMsgBoxClick(const QString& button, const QString& text) { boxClicks.append({button, text}); }
};

class TestDefaultScripts : public QObject {
    Q_OBJECT
    ImgDataMgrGfxStore m_store; // as program entry installs it: graphics compose into the image manager

    ImgDataMgr* m_images = nullptr;
    DataCfg* m_cfg = nullptr;

    // Runs a handler of the data folder's scripts with the view as "this"; the objects go first, then the texts.
    QScriptValue Run(FakeView& view, const QString& handler, const QList<QObject*>& objects,
                     const QStringList& texts = QStringList()) {
        QScriptEngine* engine = m_cfg->GetScriptEngine(handler);
        if (!engine)
            return QScriptValue(QStringLiteral("no engine"));
        QScriptValueList args;
        for (QObject* o : objects)
            args << engine->newQObject(o);
        for (const QString& t : texts)
            args << QScriptValue(t);
        return m_cfg->ExecScriptfunc(&view, handler, args);
    }

private slots:
    void cleanupTestCase() { GfxCache::SetStore(nullptr); }
    void initTestCase() {
        GfxCache::SetStore(&m_store);
        m_images = new ImgDataMgr(this);
        m_cfg = new DataCfg(this);
        QVERIFY(m_cfg->LoadIncludeFile(dataDir(), QStringLiteral("mainCfg.json")));
    }

    void messageBoxButtons_data() {
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("YesNo") << "YesNo"
                               << "Yes"
                               << "No";
        QTest::newRow("OkCancel") << "OkCancel"
                                  << "Ok"
                                  << "Cancel";
        QTest::newRow("other") << "Close"
                               << ""
                               << "Ok";
        QTest::newRow("none") << ""
                              << ""
                              << "Ok";
    }

    void messageBoxButtons() {
        QFETCH(QString, buttons);
        QFETCH(QString, first);
        QFETCH(QString, second);
        FakeView view;
        FakeSkin skin;
        for (const char* n : {"Title", "Text", "Btn1", "Btn1Text", "Btn2", "Btn2Text"})
            view.Add(QLatin1String(n));
        Run(view, QStringLiteral("MVX_Popup:PopupInit"), {&skin}, {"Question", "Really?", buttons});
        QCOMPARE(view.layouts["Title"]->text, QStringLiteral("Question"));
        QCOMPARE(view.layouts["Text"]->text, QStringLiteral("Really?"));
        QCOMPARE(view.layouts["Btn1"]->visible, !first.isEmpty());
        QCOMPARE(view.layouts["Btn1Text"]->visible, !first.isEmpty());
        QCOMPARE(view.layouts["Btn2Text"]->text, QLatin1Char('<') + second + QLatin1Char('>'));

        // A tap reports the button's code; a hidden button reports nothing.
        Run(view, QStringLiteral("MVX_Popup:PopupBtnClick"), {&skin, view.layouts["Btn1"]});
        Run(view, QStringLiteral("MVX_Popup:PopupBtnClick"), {&skin, view.layouts["Btn2"]});
        QList<QStringList> expected;
        if (!first.isEmpty())
            expected.append({first, QString()});
        expected.append({second, QString()});
        QCOMPARE(view.boxClicks, expected);
    }

    // The control is also built once without a message: that build must leave the box alone.
    void messageBoxBuiltWithoutMessage() {
        FakeView view;
        FakeSkin skin;
        view.Add(QStringLiteral("Title"))->text = QStringLiteral("kept");
        const QScriptValue r = Run(view, QStringLiteral("MVX_Popup:PopupInit"), {&skin});
        QVERIFY(!r.isError());
        QCOMPARE(view.layouts["Title"]->text, QStringLiteral("kept"));
    }

    void keyButtonSendsItsShortcut() {
        FakeView view;
        FakeSkin skin;
        FakeLayout* icon = view.Add(QStringLiteral("Icon"));
        skin.control.values = {{"Shortcut", "LCTRL,LSHIFT+ESC"}, {"Icon", "IcoTaskManager"}};
        Run(view, QStringLiteral("MVX_Base:KeyBtnIconInit"), {&skin, icon});
        QCOMPARE(icon->gfx, QStringLiteral("IcoTaskManager"));
        Run(view, QStringLiteral("MVX_Base:KeyBtnClick"), {&skin, view.Add(QStringLiteral("Face"))});
        QCOMPARE(view.calls.size(), 1);
        QCOMPARE(view.calls.first().first, QStringLiteral("DFP:SendShortcut"));
        QCOMPARE(view.calls.first().second, QVariantList{QStringLiteral("LCTRL,LSHIFT+ESC")});

        // Without a shortcut a tap sends nothing, and without an icon the face stays as drawn.
        skin.control.values.clear();
        icon->gfx = QStringLiteral("drawn");
        Run(view, QStringLiteral("MVX_Base:KeyBtnClick"), {&skin, view.layouts["Face"]});
        Run(view, QStringLiteral("MVX_Base:KeyBtnIconInit"), {&skin, icon});
        QCOMPARE(view.calls.size(), 1);
        QCOMPARE(icon->gfx, QStringLiteral("drawn"));
    }

    void sliderSetsTheVolumeUnderTheFinger_data() {
        QTest::addColumn<QString>("channel");
        QTest::addColumn<int>("mouseX");
        QTest::addColumn<QString>("function");
        QTest::addColumn<double>("volume");
        // Positions in the control: the bar starts at x 124 and is 400 wide, the touch area starts at x 108.
        QTest::newRow("middle") << "Main" << 324 << "DFP:SND_Vol_Main_Set" << 0.5;
        QTest::newRow("left of the bar") << "Main" << 20 << "DFP:SND_Vol_Main_Set" << 0.0;
        QTest::newRow("right of the bar") << "Music" << 630 << "DFP:SND_Vol_Music_Set" << 1.0;
        QTest::newRow("rounded to percent") << "Micro" << 125 << "DFP:SND_Vol_Micro_Set" << 0.0;
        QTest::newRow("quarter") << "Micro" << 224 << "DFP:SND_Vol_Micro_Set" << 0.25;
        QTest::newRow("unknown channel") << "Speaker" << 424 << "DFP:SND_Vol_Main_Set" << 0.75;
    }

    void sliderSetsTheVolumeUnderTheFinger() {
        QFETCH(QString, channel);
        QFETCH(int, mouseX);
        QFETCH(QString, function);
        QFETCH(double, volume);
        FakeView view;
        FakeSkin skin;
        skin.control.values = {{"Channel", channel}};
        FakeLayout* fill = view.Add(QStringLiteral("Fill"));
        fill->x = 124;
        fill->w = 400;
        view.Add(QStringLiteral("Value"));
        FakeLayout* track = view.Add(QStringLiteral("Track"));
        track->x = 108;
        view.mouseX = mouseX - 108; // the view holds the position within the touch area
        Run(view, QStringLiteral("MVX_Base:SliderMove"), {&skin, track});
        QCOMPARE(view.calls.size(), 1);
        QCOMPARE(view.calls.first().first, function);
        QCOMPARE(view.calls.first().second.value(0).toDouble(), volume);
        // Shown at once, without waiting for the next poll of the volume.
        QCOMPARE(view.funcRes.toDouble(), volume);
        QVERIFY(fill->invalidations > 0 && view.layouts["Value"]->invalidations > 0);
    }

    void muteToggleSendsAndFollowsTheState() {
        FakeView view;
        FakeSkin skin;
        skin.control.values = {{"Channel", "Micro"}};
        FakeLayout* face = view.Add(QStringLiteral("Face"));
        FakeLayout* icon = view.Add(QStringLiteral("Icon"));
        // The skin draws the speaker; only the microphone channel changes the icons.
        FakeSkin mainSkin;
        Run(view, QStringLiteral("MVX_Base:MuteIconInit"), {&mainSkin, icon});
        QVERIFY(icon->gfx.isEmpty() && icon->gfxA.isEmpty());
        Run(view, QStringLiteral("MVX_Base:MuteIconInit"), {&skin, icon});
        QCOMPARE(icon->gfx, QStringLiteral("IcoMic"));
        QCOMPARE(icon->gfxA, QStringLiteral("IcoMicMuted"));

        face->pressed = true; // the toggle flipped before the click
        Run(view, QStringLiteral("MVX_Base:MuteClick"), {&skin, face});
        QCOMPARE(view.calls.size(), 1);
        QCOMPARE(view.calls.first().first, QStringLiteral("DFP:SND_Mute_Micro_Set"));
        QCOMPARE(view.calls.first().second, QVariantList{true});
        QVERIFY(icon->active);

        // Unmuted on the PC: the next update releases the face and shows the plain icon.
        view.funcRes = false;
        Run(view, QStringLiteral("MVX_Base:MuteUpdate"), {&skin});
        QVERIFY(!face->pressed);
        QVERIFY(!icon->active);
        view.funcRes = true;
        Run(view, QStringLiteral("MVX_Base:MuteUpdate"), {&skin});
        QVERIFY(face->pressed && icon->active);
    }

    void controlsBindTheRecordTheirOptionsName_data() {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QString>("bound");
        QTest::newRow("volume main") << "VolumeInit" << QVariantMap{{"Channel", "Main"}} << "Volume_Main";
        QTest::newRow("volume music") << "VolumeInit" << QVariantMap{{"Channel", "Music"}} << "Volume_Music";
        QTest::newRow("mute default") << "MuteInit" << QVariantMap{} << "Mute_Main";
        QTest::newRow("mute micro") << "MuteInit" << QVariantMap{{"Channel", "Micro"}} << "Mute_Micro";
        QTest::newRow("figure") << "FunctionInit" << QVariantMap{{"Function", "RAM_Free"}} << "RAM_Free";
        QTest::newRow("no figure") << "FunctionInit" << QVariantMap{} << "";
    }

    void controlsBindTheRecordTheirOptionsName() {
        QFETCH(QString, handler);
        QFETCH(QVariantMap, values);
        QFETCH(QString, bound);
        FakeView view;
        FakeControl control;
        control.values = values;
        Run(view, QStringLiteral("MVX_Base:") + handler, {&control});
        if (bound.isEmpty()) {
            QVERIFY(!control.functionsSet); // the control keeps the functions of its record
            return;
        }
        QCOMPARE(control.functions, QStringList{bound});
        QVERIFY(!m_cfg->FindFunction(bound, QStringLiteral("MVX_Base")).Name.isEmpty());
    }

    void clockShowsTimeAndDate() {
        FakeView view;
        FakeSkin skin;
        FakeLayout* time = view.Add(QStringLiteral("Time"));
        FakeLayout* date = view.Add(QStringLiteral("Date"));
        Run(view, QStringLiteral("MVX_Base:ClockTick"), {&skin});
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(time->text).hasMatch(),
                 qPrintable(time->text));
        QVERIFY2(
            QRegularExpression(QStringLiteral("^<Day[0-6]>  \\d\\d\\.\\d\\d\\.\\d{4}$")).match(date->text).hasMatch(),
            qPrintable(date->text));
    }
};

QTEST_MAIN(TestDefaultScripts)
#include "test_defaultscripts.moc"
