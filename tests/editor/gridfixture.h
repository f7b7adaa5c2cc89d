#pragma once
// The configuration the grid canvas tests run on: the program's default configuration of data/ plus the
// test control set "GT" (fixtures/gridtest: a ticking control, a tall one, one that asks a question, one that
// counts presses, and the grid "GT:Ticks" with script handlers that record what they were given), and a log
// recorder.

#include "config/datacfgrecords.h"
#include "config/gfxcache.h"
#include "foundation/logger/QsLog.h"
#include "functions/plugintools.h"
#include "runtime/imgdatamgr.h"
#include "runtime/imgdatamgrgfxstore.h"
#include "tests/common/logcapture.h"

#include <QDir>
#include <QScriptEngine>
#include <QtTest>

struct GridFixture {
    DataCfg* cfg = nullptr;
    ImgDataMgr* images = nullptr;

    static QString DataDir() {
        return QDir::cleanPath(QStringLiteral(MERVEX_TEST_SOURCE_DIR) + QStringLiteral("/../../data"));
    }
    static QString TestDir() { return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/gridtest"); }

    void Load(QObject* parent) {
        // Graphics compose into the image manager, as program entry installs it.
        static ImgDataMgrGfxStore store;
        GfxCache::SetStore(&store);
        images = new ImgDataMgr(parent);
        cfg = new DataCfg(parent);
        PluginTools::SetDataPath(DataDir());
        cfg->LoadDataFolder(DataDir());
        QVERIFY(cfg->LoadIncludeFile(TestDir(), QStringLiteral("gridtest.json")));
        QVERIFY(cfg->LoadGrids(TestDir(), QStringLiteral("gridtest_grids.json"), false));
        QVERIFY(!cfg->FindGrid(QStringLiteral("[MERVEX]:Media")).Name.isEmpty());
        QVERIFY(!cfg->FindGrid(QStringLiteral("GT:Ticks")).Name.isEmpty());
    }

    // A global of the test script's engine.
    QScriptValue Global(const char* name) {
        QScriptEngine* engine = cfg->GetScriptEngine(QStringLiteral("GT:GridInit"));
        return engine ? engine->globalObject().property(QLatin1String(name)) : QScriptValue();
    }
    void SetGlobal(const char* name, const QScriptValue& value) {
        if (QScriptEngine* engine = cfg->GetScriptEngine(QStringLiteral("GT:GridInit")))
            engine->globalObject().setProperty(QLatin1String(name), value);
    }
};
