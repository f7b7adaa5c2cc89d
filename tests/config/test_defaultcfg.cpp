// Checks the default configuration that ships in data/: every file reads with the program's JSON reader,
// the grids and control sets a first start relies on are there, and every name a record uses (graphics,
// skins, functions, script handlers, controls, application-skin entries, tabs) leads somewhere. A broken
// reference here would only show as a blank or dead control on the phone.

#include "foundation/json.h"
#include "functions/deffuncprovider.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScriptEngine>
#include <QSet>
#include <QTextStream>
#include <QtTest>

namespace {

const char* const kHandlerKeys[] = {
    "OnInit",       "OnPostInit",         "OnTick",       "OnUpdate",  "OnMousePress", "OnMouseMove", "OnMouseRelease",
    "OnMouseClick", "OnMouseDoubleClick", "OnMouseWheel", "OnMessage", "OnReturn"};

const int kGridColumns = 4;

struct Rec {
    QString set;
    QVariantMap map;
    QString name() const { return map.value("Name").toString(); }
};

QString dataDir() {
    return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR) + "/../../data");
}

QVariantMap readJsonFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "cannot open " + path;
        return {};
    }
    const QVariant value = JsonParseText(QString::fromUtf8(file.readAll()), error);
    if (error.isEmpty() && value.type() != QVariant::Map)
        error = "top value is not an object";
    return value.toMap();
}

// The file a resource entry names, tried as the loader does: as written, then with ".png" and ".jpg"
// unless the name has an extension.
bool resourceExists(const QString& folder, const QString& rsc) {
    for (const QString& ext : {QString(), QStringLiteral(".png"), QStringLiteral(".jpg")}) {
        if (QFileInfo::exists(folder + "/" + rsc + ext))
            return true;
        if (rsc.contains('.'))
            break;
    }
    return false;
}

} // namespace

class TestDefaultCfg : public QObject {
    Q_OBJECT

    // Records of the include files, by section name, in reading order.
    QHash<QString, QList<Rec>> m_records;
    QHash<QString, QString> m_setFolder;
    QList<QVariantMap> m_ctrlLists;
    QVariantMap m_grids;
    QVariantMap m_skins;
    QVariantMap m_user;

    // A lookup as the configuration model makes it: "set:name" prefers that set, then any record of the name.
    const Rec* find(const QString& section, const QString& key, const QString& set) const {
        QString name = key;
        QString wantSet = set;
        const int colon = key.indexOf(':');
        if (colon >= 0) {
            wantSet = key.left(colon);
            name = key.mid(colon + 1);
        }
        const QList<Rec>& list = m_records[section];
        for (const Rec& r : list)
            if (r.name() == name && r.set == wantSet)
                return &r;
        for (const Rec& r : list)
            if (r.name() == name)
                return &r;
        return nullptr;
    }

    void loadIncludeFile(const QString& folder, const QString& fileName) {
        QString error;
        const QVariantMap top = readJsonFile(folder + "/" + fileName, error);
        QVERIFY2(error.isEmpty(), qPrintable(fileName + ": " + error));
        const QString set = top.value("Name").toString();
        m_setFolder.insert(set, folder);
        for (const char* section : {"Functions", "Fonts", "Gfxs", "Scripts", "Skins", "Controls", "DataSources"})
            for (const QVariant& entry : top.value(section).toList())
                m_records[section].append(Rec{set, entry.toMap()});
        for (const QVariant& inc : top.value("Includes").toList()) {
            const QString text = inc.toString();
            const int slash = text.lastIndexOf('/');
            loadIncludeFile(slash < 0 ? folder : folder + "/" + text.left(slash), text.mid(slash + 1));
        }
        for (const QVariant& list : top.value("CtrlSets").toList()) {
            const QVariantMap map = readJsonFile(folder + "/" + list.toString(), error);
            QVERIFY2(error.isEmpty(), qPrintable(list.toString() + ": " + error));
            m_ctrlLists.append(map);
        }
    }

    // Every handler name of a record map, with the set that completes a bare name.
    static void collectHandlers(const QVariantMap& map, QStringList& out) {
        for (const char* key : kHandlerKeys) {
            const QString name = map.value(key).toString();
            if (!name.isEmpty())
                out << name;
        }
    }

    // The declaring script of a handler, as the engine lookup finds it: scripts of the handler's set
    // first, then any script.
    const Rec* scriptDeclaring(const QString& handler, const QString& set) const {
        QString setPart = set;
        QString func = handler;
        if (handler.contains(':')) {
            setPart = handler.section(':', 0, 0);
            func = handler.section(':', 1, 1);
        }
        const QList<Rec>& scripts = m_records["Scripts"];
        for (int pass = 0; pass < 2; ++pass)
            for (const Rec& s : scripts)
                if ((pass == 1 || s.set == setPart) && s.map.value("Functions").toStringList().contains(func))
                    return &s;
        return nullptr;
    }

    const Rec* controlOf(const QVariantMap& ref, const QString& set = QString()) const {
        return find("Controls", ref.value("Control").toString(), set);
    }

    // The graphic names an option value or a placement names as icons.
    QStringList iconValues() const {
        QStringList names;
        for (const Rec& c : m_records["Controls"])
            for (const QVariant& o : c.map.value("Config").toMap().value("Options").toList())
                if (o.toMap().value("Name").toString() == "Icon")
                    names += o.toMap().value("Items").toStringList();
        auto fromConfig = [&names](const QVariantList& elements) {
            for (const QVariant& e : elements)
                names << e.toMap().value("Config").toMap().value("Icon").toString();
        };
        for (const QVariantMap& list : m_ctrlLists)
            fromConfig(list.value("Elements").toList());
        for (const QVariant& g : m_grids.value("Grids").toList())
            fromConfig(g.toMap().value("Elements").toList());
        names.removeAll(QString());
        return names;
    }

private slots:
    void initTestCase() {
        loadIncludeFile(dataDir(), "mainCfg.json");
        QString error;
        m_grids = readJsonFile(dataDir() + "/gridCfg.json", error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        m_skins = readJsonFile(dataDir() + "/skinCfg.json", error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        m_user = readJsonFile(dataDir() + "/userCfg.json", error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void everyFileReads_data() {
        QTest::addColumn<QString>("path");
        const QStringList files = QDir(dataDir()).entryList({"*.json"}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 4);
        for (const QString& f : files)
            QTest::newRow(qPrintable(f)) << dataDir() + "/" + f;
    }

    void everyFileReads() {
        QFETCH(QString, path);
        QString error;
        const QVariantMap top = readJsonFile(path, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!top.value("Name").toString().isEmpty());
    }

    void firstStartRecordsArePresent() {
        QCOMPARE(m_grids.value("Name").toString(), QString("[MERVEX]"));
        QStringList grids;
        for (const QVariant& g : m_grids.value("Grids").toList())
            grids << g.toMap().value("Name").toString();
        QCOMPARE(grids, QStringList({"Media", "System", "Shortcuts"}));

        QVERIFY(m_setFolder.contains("MVX_Base"));
        const Rec* popup = find("Controls", "MVX_Popup:Popup_Msg", QString());
        QVERIFY2(popup && popup->set == "MVX_Popup", "the message box control Popup_Msg of MVX_Popup");

        QStringList appSkins;
        for (const QVariant& s : m_skins.value("AppSkins").toList())
            appSkins << s.toMap().value("Name").toString();
        QVERIFY(appSkins.contains("Mervex Default"));

        QCOMPARE(m_ctrlLists.size(), 1);
        QVERIFY(!m_ctrlLists.first().value("Elements").toList().isEmpty());
    }

    // A ':' in a record name would be taken for the set separator by every lookup.
    void recordNamesHoldNoColon() {
        for (auto it = m_records.cbegin(); it != m_records.cend(); ++it)
            for (const Rec& r : it.value())
                QVERIFY2(!r.name().isEmpty() && !r.name().contains(':'), qPrintable(it.key() + ": " + r.name()));
        for (const QVariant& g : m_grids.value("Grids").toList())
            QVERIFY(!g.toMap().value("Name").toString().contains(':'));
    }

    void resourceFilesExist() {
        for (const char* section : {"Fonts", "Gfxs", "Scripts"})
            for (const Rec& r : m_records[section]) {
                const QString rsc = r.map.value("Rsc").toString();
                if (rsc.isEmpty() && section == QLatin1String("Gfxs") && r.map.contains("Inherit"))
                    continue;
                QVERIFY2(resourceExists(m_setFolder.value(r.set), rsc), qPrintable(r.name() + ": " + rsc));
            }
        for (const Rec& f : m_records["Fonts"])
            QVERIFY2(!f.map.value("Type").toString().isEmpty(), qPrintable(f.name()));
    }

    void graphicsResolve() {
        QStringList missing;
        for (const Rec& g : m_records["Gfxs"]) {
            const QString inherit = g.map.value("Inherit").toString();
            if (!inherit.isEmpty() && !find("Gfxs", inherit, g.set))
                missing << g.name() + " inherits " + inherit;
        }
        for (const Rec& skin : m_records["Skins"])
            for (const QVariant& l : skin.map.value("Layouts").toList())
                for (const char* key : {"Gfx", "GfxA", "GfxP", "GfxM", "MouseMask"}) {
                    const QString name = l.toMap().value(key).toString();
                    if (!name.isEmpty() && name != "None" && !find("Gfxs", name, skin.set))
                        missing << skin.name() + "/" + l.toMap().value("Name").toString() + " " + key + " " + name;
                }
        for (const QString& icon : iconValues())
            if (!find("Gfxs", icon, "MVX_Base"))
                missing << "icon " + icon;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join("; ")));
    }

    void layoutsAreWellFormed() {
        const QStringList types = {"Text", "Gfx", "Skin", "Input", "Internal"};
        for (const Rec& skin : m_records["Skins"])
            for (const QVariant& v : skin.map.value("Layouts").toList()) {
                const QVariantMap l = v.toMap();
                const QString where = skin.name() + "/" + l.value("Name").toString();
                QVERIFY2(types.contains(l.value("Type").toString()), qPrintable(where));
                // A text drawn without a colour comes out black on the dark tiles.
                if (l.value("Type").toString() == "Text")
                    QVERIFY2(l.contains("Color") && !l.value("Font").toString().isEmpty(), qPrintable(where));
                const QString font = l.value("Font").toString().section(',', 0, 0);
                if (!font.isEmpty())
                    QVERIFY2(find("Fonts", font, skin.set), qPrintable(where + " font " + font));
            }
    }

    void handlersAreDefinedInTheirScripts() {
        // Each script must evaluate in the program's engine (ECMAScript 5) and define what it declares.
        QHash<const Rec*, QSet<QString>> defined;
        for (const Rec& s : m_records["Scripts"]) {
            QFile file(m_setFolder.value(s.set) + "/" + s.map.value("Rsc").toString());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTextStream in(&file);
            in.setCodec("UTF-8");
            const QString program = in.readAll();
            const QScriptSyntaxCheckResult syntax = QScriptEngine::checkSyntax(program);
            QVERIFY2(
                syntax.state() == QScriptSyntaxCheckResult::Valid,
                qPrintable(
                    QString("%1:%2 %3").arg(file.fileName()).arg(syntax.errorLineNumber()).arg(syntax.errorMessage())));
            QScriptEngine engine;
            engine.evaluate(program, file.fileName());
            QVERIFY2(!engine.hasUncaughtException(), qPrintable(engine.uncaughtException().toString()));
            for (const QString& f : s.map.value("Functions").toStringList()) {
                QVERIFY2(engine.globalObject().property(f).isFunction(), qPrintable(s.name() + ": " + f));
                defined[&s] << f;
            }
        }

        QStringList unresolved;
        auto check = [&](const QVariantMap& map, const QString& set, const QString& where) {
            QStringList names;
            collectHandlers(map, names);
            for (const QString& h : names)
                if (!scriptDeclaring(h, set))
                    unresolved << where + " " + h;
        };
        for (const Rec& skin : m_records["Skins"]) {
            check(skin.map, skin.set, skin.name());
            for (const QVariant& l : skin.map.value("Layouts").toList())
                check(l.toMap(), skin.set, skin.name() + "/" + l.toMap().value("Name").toString());
        }
        for (const Rec& c : m_records["Controls"]) {
            check(c.map, c.set, c.name());
            check(c.map.value("Config").toMap(), c.set, c.name() + " config");
        }
        QVERIFY2(unresolved.isEmpty(), qPrintable(unresolved.join("; ")));
    }

    void controlsNameTheirSkinsAndFunctions() {
        for (const Rec& c : m_records["Controls"]) {
            const QStringList skins = c.map.value("Skins").toStringList();
            QVERIFY2(!skins.isEmpty(), qPrintable(c.name()));
            for (const QString& s : skins)
                QVERIFY2(find("Skins", s, c.set), qPrintable(c.name() + " skin " + s));
            QStringList functions = c.map.value("Functions").toStringList();
            // The tiles bind the record that their "Function" option names.
            for (const QVariant& o : c.map.value("Config").toMap().value("Options").toList())
                if (o.toMap().value("Name").toString() == "Function")
                    functions += o.toMap().value("Items").toStringList() << o.toMap().value("Value").toString();
            for (const QString& f : functions)
                QVERIFY2(find("Functions", f.section('(', 0, 0), c.set), qPrintable(c.name() + " function " + f));
            const QString inherit = c.map.value("Inherit").toString();
            if (!inherit.isEmpty())
                QVERIFY2(find("Controls", inherit, c.set), qPrintable(c.name() + " inherits " + inherit));
        }
    }

    void functionsNameProviderFunctions() {
        // The functions of the built-in provider "DFP" that records and scripts may name.
        const QStringList known = DefFuncProvider().GetFunctionNames();
        QStringList bad;
        for (const Rec& f : m_records["Functions"]) {
            const QVariantList outputs = f.map.value("Outputs").toList();
            if (outputs.isEmpty())
                bad << f.name() + " has no output";
            for (const QVariant& o : outputs) {
                const QString name = o.toMap().value("Name").toString();
                if (!name.startsWith("DFP:") || !known.contains(name.mid(4)))
                    bad << f.name() + " " + name;
            }
        }
        // Scripts call the provider by name too.
        const QRegularExpression call("\"DFP:([A-Za-z_]+)");
        for (const Rec& s : m_records["Scripts"]) {
            QFile file(m_setFolder.value(s.set) + "/" + s.map.value("Rsc").toString());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (auto it = call.globalMatch(text); it.hasNext();) {
                const QString name = it.next().captured(1);
                // Names completed at run time ("SND_Vol_" + channel + "_Set") are checked for each channel.
                if (name.endsWith('_')) {
                    for (const char* ch : {"Main", "Micro", "Music"})
                        for (const char* tail : {"_Set", "_Get"})
                            if (!known.contains(name + ch + tail))
                                bad << s.name() + " " + name + ch + tail;
                } else if (!known.contains(name)) {
                    bad << s.name() + " " + name;
                }
            }
        }
        QVERIFY2(bad.isEmpty(), qPrintable(bad.join("; ")));
    }

    void gridsPlaceKnownControlsWithoutOverlap_data() {
        QTest::addColumn<QVariantMap>("grid");
        for (const QVariant& g : m_grids.value("Grids").toList())
            QTest::newRow(qPrintable(g.toMap().value("Name").toString())) << g.toMap();
    }

    void gridsPlaceKnownControlsWithoutOverlap() {
        QFETCH(QVariantMap, grid);
        QVERIFY(!grid.value("Title").toString().isEmpty());
        QSet<QPair<int, int>> taken;
        for (const QVariant& v : grid.value("Elements").toList()) {
            const QVariantMap e = v.toMap();
            const Rec* control = controlOf(e);
            QVERIFY2(control, qPrintable(e.value("Control").toString()));
            // A placement's option values must name options the control has.
            QStringList options;
            for (const QVariant& o : control->map.value("Config").toMap().value("Options").toList())
                options << o.toMap().value("Name").toString();
            for (const QString& k : e.value("Config").toMap().keys())
                QVERIFY2(options.contains(k), qPrintable(e.value("Name").toString() + " option " + k));
            const int w = control->map.value("Width").toString().section(',', 0, 0).toInt();
            const int h = control->map.value("Height").toString().section(',', 0, 0).toInt();
            const int x = e.value("Left").toInt();
            const int y = e.value("Top").toInt();
            QVERIFY2(x >= 0 && y >= 0 && x + w <= kGridColumns, qPrintable(e.value("Name").toString()));
            for (int cx = x; cx < x + w; ++cx)
                for (int cy = y; cy < y + h; ++cy) {
                    QVERIFY2(!taken.contains({cx, cy}), qPrintable(e.value("Name").toString() + " overlaps"));
                    taken.insert({cx, cy});
                }
        }
    }

    void controlListNamesKnownControls() {
        for (const QVariantMap& list : m_ctrlLists)
            for (const QVariant& v : list.value("Elements").toList()) {
                const QVariantMap ref = v.toMap();
                const Rec* control = controlOf(ref);
                QVERIFY2(control, qPrintable(ref.value("Name").toString()));
                QVERIFY(!ref.value("Category").toString().isEmpty());
            }
    }

    void appSkinEntriesAndGridIconsResolve() {
        const QVariantMap skin = m_skins.value("AppSkins").toList().value(0).toMap();
        const QString dir = dataDir() + "/" + skin.value("Dir").toString();
        for (const char* entry : {"TabBG", "TabAOvl", "DeckBG", "TabIconCustom"})
            QVERIFY2(skin.contains(entry), entry);
        for (auto it = skin.cbegin(); it != skin.cend(); ++it)
            if (it.key().startsWith("Tab") || it.key() == "DeckBG")
                QVERIFY2(QFileInfo::exists(dir + "/" + it.value().toString()), qPrintable(it.key()));
        for (const QVariant& g : m_grids.value("Grids").toList()) {
            const QVariantMap grid = g.toMap();
            const QString icon = grid.value("Icon").toString().section('|', 0, 0);
            QVERIFY2(icon.startsWith("TabIcon") && skin.contains(icon), qPrintable(icon));
            const QString background = grid.value("Background").toString();
            QVERIFY2(background.isEmpty() || skin.contains(background), qPrintable(background));
        }
    }

    void defaultTabsNameTheGrids() {
        QStringList tabs;
        for (const QVariant& t : m_user.value("Tabs").toList())
            tabs << t.toMap().value("Name").toString();
        QStringList grids;
        for (const QVariant& g : m_grids.value("Grids").toList())
            grids << m_grids.value("Name").toString() + ":" + g.toMap().value("Name").toString();
        QCOMPARE(tabs, grids);
    }
};

QTEST_GUILESS_MAIN(TestDefaultCfg)
#include "test_defaultcfg.moc"
