// Bad input in the running program: a plug-in whose control names a picture, a script and a function that do
// not exist, a control-list entry and a grid element of a control that no longer exists, a custom grid file
// written by an older version, names with path characters and a grid without a free place. Each situation
// shows its message (a log line or a box) and loses nothing of what the user has: the grid files keep every
// element, the edited control stays, and a restart brings all of it back.
#include "config/datacfgrecords.h"
#include "config/tctrlset.h"
#include "config/tgrid.h"
#include "editor/gridview.h"
#include "editor/mtebuttonelements.h"
#include "editor/mteeditcontrol.h"
#include "editor/mtegridedit.h"
#include "foundation/json.h"
#include "runtime/ctrlview.h"
#include "shell/mervexwnd.h"
#include "shell/mteasyctrl.h"
#include "shell/mtmainctrl.h"
#include "shell/programtabhooks.h"
#include "tests/common/controllist.h"
#include "tests/common/logcapture.h"
#include "tests/common/testfiles.h"
#include "tests/common/wiredprogram.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

namespace {

// The plug-in: its control's skin draws a picture that is not there, its script file is missing, and its
// configuration names a picture file and a function of a provider that do not exist. Its control list also
// names a control that no configuration holds.
const char* const PluginJson = R"json({
    "Name": "Broken",
    "CtrlSets": ["brokenList.json"],
    "Gfxs": [{ "Name": "Lost", "Rsc": "gfx/lost.png" }],
    "Functions": [{ "Name": "Nothing", "Outputs": [{ "Name": "NOPE:Nothing", "Type": "Integer" }] }],
    "Scripts": [{ "Name": "Lost", "Rsc": "lost.js", "Functions": ["LampInit"] }],
    "Skins": [{
        "Name": "Lamp", "Width": 160, "Height": 160, "OnInit": "LampInit",
        "Layouts": [
            { "Name": "Face", "Type": "Gfx", "Gfx": "Lost", "Left": 0, "Top": 0, "Width": 160, "Height": 160 },
            { "Name": "Label", "Type": "Text", "Left": 0, "Top": 0, "Width": 160, "Height": 160 }
        ]
    }],
    "Controls": [{
        "Name": "Lamp", "Width": 1, "Height": 1, "Skins": ["Lamp"], "Functions": ["Nothing"],
        "Config": { "Options": [
            { "Name": "Picture", "Type": "File", "Title": "@Picture", "Value": "gone/none.png",
              "Items": ["", "Pictures (*.png)"]
},
            { "Name": "Action", "Type": "Text", "Title": "@Action", "Value": "NOPE:Nothing" }
        ]
}
}]
})json";

const char* const ListJson = R"json({
    "Name": "[Plugin] Broken",
    "Elements": [
        { "Name": "Lamp", "Control": "Broken:Lamp", "Category": "Lights", "Config": { "Picture": "gone/none.png" } },
        { "Name": "Ghost", "Control": "Broken:Ghost", "Category": "Lights" }
    ]
})json";

// A custom grid as an older version wrote it: numbers as text, no height, the programs in the signing form,
// an element of a control that is gone and one below the rows the grid shows.
const char* const OldGridJson = R"json({
    "Name": "Old", "Title": "Old\nGrid", "Exe0": "player", "Exe1": "player",
    "Elements": [
        { "Control": "MVX_Base:Key Button", "Left": "1", "Top": "0", "Config": { "LE_txt/Label": "Kept" } },
        { "Control": "Gone:Knob", "Left": "2", "Top": "1", "Config": { "Volume": "7" } },
        { "Control": "MVX_Base:Key Button", "Left": "0", "Top": "40", "Config": { "LE_txt/Label": "Far" } }
    ]
})json";

// Every cell of its six rows taken.
QByteArray FullGridJson() {
    QVariantList elements;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 4; ++column)
            elements << QVariantMap{{"Control", "MVX_Base:Key Button"}, {"Left", column}, {"Top", row}};
    QString error;
    return JsonSerialize(QVariantMap{{"Name", "Full"}, {"Height", 6}, {"Elements", elements}}, error, 1);
}

// The elements of a stored grid as their controls and cells, in file order.
QStringList StoredElements(const QString& path) {
    QString error;
    QStringList out;
    const QVariantMap grid = JsonParseText(QString::fromUtf8(ReadAll(path)), error).toMap();
    for (const QVariant& e : grid.value("Elements").toList()) {
        const QVariantMap m = e.toMap();
        out << QStringLiteral("%1@%2,%3")
                   .arg(m.value("Control").toString(), m.value("Left").toString(), m.value("Top").toString());
    }
    return out;
}

} // namespace

class TestWiredBadInput : public QObject {
    Q_OBJECT
    QTemporaryDir m_user;
    QTemporaryDir m_runtime;
    std::unique_ptr<LogCapture> m_log;
    std::unique_ptr<WiredProgram> m_program;
    QStringList m_boxes;

    QString UserFile(const QString& rel) const { return m_user.path() + QLatin1Char('/') + rel; }
    MTMainCtrl* Tab() const { return m_program->TabHooks()->ControlsTab(); }

    void Start() {
        m_log = std::make_unique<LogCapture>();
        m_program = std::make_unique<WiredProgram>(m_user.path());
        QVERIFY(m_program->Started());
        Tab()->GridEditor()->SetAskHandler([this](int, const QString& title, const QString& text, int buttons) {
            m_boxes << title + QLatin1Char('|') + text;
            // Questions about unsaved changes: keep them.
            return (buttons & 0x4000) ? 0x4000 : 0x400;
        });
    }

private slots:
    void initTestCase() {
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        WriteFile(UserFile("Plugins/Broken/plugin.json"), PluginJson);
        WriteFile(UserFile("Plugins/Broken/brokenList.json"), ListJson);
        WriteFile(UserFile("CustomGrids/Old.json"), OldGridJson);
        WriteFile(UserFile("CustomGrids/Full.json"), FullGridJson());
        Start();
    }
    void cleanupTestCase() {
        m_program.reset();
        m_log.reset();
    }
    void init() {
        m_boxes.clear();
        m_log->Clear();
        // The program sets its own level once started; the reading problems are DEBUG lines.
        GetLogger().SetLevel(QsLogging::TraceLevel);
    }

    void badInputShowsItsMessageAndLosesNothing_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("messages"); // log lines or boxes
        QTest::newRow("control naming a missing picture, script and function, as loaded") << "load" << QStringList();
        QTest::newRow("the same control chosen in the list and drawn")
            << "edit"
            << QStringList{"Missing file: \"gfx/lost.png\"", "File not found (gi): \"Lost\"",
                           "Missing file: \"lost.js\"", "Missing Script for Function: \"LampInit\"",
                           "Missing Function Provider for: \"NOPE:Nothing\""};
        QTest::newRow("the same control placed on a grid and saved") << "place" << QStringList();
        QTest::newRow("list entry of a control that is gone") << "ghost" << QStringList{"Can't find Control:"};
        QTest::newRow("older grid file with a control that is gone, edited and saved")
            << "old" << QStringList{"Can't find Control:"};
        QTest::newRow("the older grid in the grid browser") << "browse" << QStringList();
        QTest::newRow("grid name with path characters") << "path" << QStringList{"invalid filename: "};
        QTest::newRow("grid without a free place") << "full" << QStringList{"WARNING|There is no free place"};
    }
    void badInputShowsItsMessageAndLosesNothing() {
        QFETCH(QString, situation);
        QFETCH(QStringList, messages);
        MTEButtonElements* list = Tab()->ControlList();
        MTEEditControl* edit = Tab()->ControlEditor();
        MTEGridEdit* grid = Tab()->GridEditor();
        const QString customGrids = UserFile("CustomGrids/");

        if (situation == "load") {
            QVERIFY(!DataCfg::Instance()->FindControl("Broken:Lamp").Name.isEmpty());
            QVERIFY(!DataCfg::Instance()->FindCtrlSet("[Plugin] Broken").Name.isEmpty());
            QVERIFY(!DataCfg::Instance()->FindGrid("Old", CustomGridSet).Name.isEmpty());
        } else if (situation == "edit") {
            QVERIFY(SelectInControlList(list, "Lamp", "[Plugin] Broken"));
            QCOMPARE(edit->WorkingControl().Name, QStringLiteral("Lamp"));
            QVERIFY(edit->Preview() && edit->Preview()->width() > 0);
            QVERIFY(!edit->Preview()->grab().isNull());
            for (int i = 0; i < 12; ++i)
                edit->OnUpdate();
            auto* picture = qobject_cast<QLineEdit*>(edit->OptionWidget("Picture"));
            QVERIFY(picture);
            QCOMPARE(picture->text(), QStringLiteral("gone/none.png"));
            QCOMPARE(edit->WorkingControl().Config.GetValues().value("Action").toString(),
                     QStringLiteral("NOPE:Nothing"));
        } else if (situation == "place") {
            QVERIFY(SelectInControlList(list, "Lamp", "[Plugin] Broken"));
            grid->ShowGrid("CustomGrid:Custom Grid 1");
            QVERIFY(grid->Canvas()->Grid().Custom);
            edit->Button("btnAdd2Grid")->click();
            grid->OnBtnSave(false);
            const QStringList stored = StoredElements(customGrids + "Custom Grid 1.json");
            QVERIFY2(!stored.filter("Broken:Lamp@").isEmpty(), qPrintable(stored.join(' ')));
            QVERIFY(ReadAll(customGrids + "Custom Grid 1.json").contains("gone/none.png"));
        } else if (situation == "ghost") {
            QVERIFY(SelectInControlList(list, "Lamp", "[Plugin] Broken"));
            QVERIFY(SelectInControlList(list, "Ghost", "[Plugin] Broken"));
            QCOMPARE(edit->WorkingControl().Name, QStringLiteral("Lamp"));
            QVERIFY(qobject_cast<QLineEdit*>(edit->OptionWidget("Picture")));
        } else if (situation == "old") {
            const QStringList before = StoredElements(customGrids + "Old.json");
            grid->ShowGrid("CustomGrid:Old");
            QCOMPARE(grid->Canvas()->Grid().Name, QStringLiteral("Old"));
            // The control that is gone has no view; its element stays.
            QCOMPARE(grid->Canvas()->ViewCount(), 2);
            QVERIFY(SelectInControlList(list, "Previous", "@[MERVEX] Standard Controls"));
            edit->Button("btnAdd2Grid")->click();
            QCOMPARE(grid->Canvas()->ViewCount(), 3);
            grid->OnBtnSave(false);
            const QStringList after = StoredElements(customGrids + "Old.json");
            QCOMPARE(after.mid(0, before.size()), before);
            QCOMPARE(after.size(), before.size() + 1);
            const QByteArray stored = ReadAll(customGrids + "Old.json");
            for (const char* kept : {"Kept", "Volume", "Far", "player"})
                QVERIFY2(stored.contains(kept), stored.constData());
        } else if (situation == "browse") {
            m_program->TabHooks()->RefillGridBrowser();
            QStringList custom;
            for (const DataCfg::TGrid* g :
                 m_program->TabHooks()->Browse()->List()->Groups().value(MTEGridList::CustomGrids))
                custom << g->Name;
            QVERIFY2(custom.contains("Old") && custom.contains("Full"), qPrintable(custom.join(',')));
            m_program->TabHooks()->Browse()->showGrid("CustomGrid:Old");
            QCOMPARE(grid->Canvas()->Grid().Name, QStringLiteral("Old"));
            QCOMPARE(grid->Canvas()->Grid().Elements.size(), 4);
        } else if (situation == "path") {
            grid->ShowGrid("CustomGrid:Custom Grid 1");
            grid->SetSaveFileAsker(
                [&](const QString&, const QString&, const QString&) { return customGrids + "../Evil:x*.json"; });
            grid->OnBtnSaveAs();
            grid->SetSaveFileAsker(nullptr);
            QVERIFY(!QFileInfo::exists(UserFile("Evil:x*.json")));
            QVERIFY(QFileInfo::exists(customGrids + "Custom Grid 1.json"));
        } else if (situation == "full") {
            const QByteArray before = ReadAll(customGrids + "Full.json");
            grid->ShowGrid("CustomGrid:Full");
            QCOMPARE(grid->Canvas()->ViewCount(), 24);
            QVERIFY(SelectInControlList(list, "Previous", "@[MERVEX] Standard Controls"));
            edit->Button("btnAdd2Grid")->click();
            QCOMPARE(grid->Canvas()->ViewCount(), 24);
            QVERIFY(!grid->Canvas()->IsModified());
            QCOMPARE(ReadAll(customGrids + "Full.json"), before);
        }
        for (const QString& message : qAsConst(messages))
            QVERIFY2(m_log->Has(message) || !m_boxes.filter(message).isEmpty(),
                     qPrintable(message + '\n' + m_boxes.join('\n') + '\n' + m_log->All()));
    }

    // After a restart everything placed, kept and edited above is there again.
    void aRestartBringsEverythingBack() {
        const QStringList custom = StoredElements(UserFile("CustomGrids/Custom Grid 1.json"));
        const QStringList old = StoredElements(UserFile("CustomGrids/Old.json"));
        m_program.reset();
        Start();
        QCOMPARE(StoredElements(UserFile("CustomGrids/Custom Grid 1.json")), custom);
        QCOMPARE(StoredElements(UserFile("CustomGrids/Old.json")), old);
        MTEGridEdit* grid = Tab()->GridEditor();
        grid->ShowGrid("CustomGrid:Custom Grid 1");
        bool lamp = false;
        for (CtrlView* v : grid->Canvas()->Views())
            lamp = lamp || v->Control().Name == QLatin1String("Lamp");
        QVERIFY(lamp);
    }
};

QTEST_MAIN(TestWiredBadInput)
#include "test_wiredbadinput.moc"
