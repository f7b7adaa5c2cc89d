// Drives a control view through a script of ticks and phone messages ("CM", "MM", "ST") and compares
// every View record with a golden transcript. Ids that change from run to run (view and element ids,
// image ids) are written as names. MERVEX_UPDATE_GOLDEN=1 rewrites the golden file.

#include "config/datacfgrecords.h"
#include "foundation/json.h"
#include "runtime/ctrlview.h"
#include "runtime/imgdatamgr.h"
#include "runtime/lebase.h"
#include "tests/runtime/ctrlviewfakes.h"

#include <QScriptEngine>
#include <QtTest>

namespace {
QString FixtureDir() {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/ctrlview");
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestCtrlViewTranscript : public QObject {
    Q_OBJECT
    DataCfg* m_cfg = nullptr;
    ImgDataMgr* m_images = nullptr;
    FakeRegistry m_registry;

    // Element ids -> "layout name" (with "#n" for repeats), over both views.
    QMap<int, QString> m_names;

    void NameElements(CtrlView& v, const QString& prefix) {
        QMap<QString, int> seen;
        for (LEBase* e : v.Elements()) {
            const QString base = prefix + e->Layout().Name;
            const int n = seen[base]++;
            m_names.insert(e->GetId(), n ? base + QLatin1Char('#') + QString::number(n) : base);
        }
    }
    int ElementId(CtrlView& v, const QString& name) {
        for (LEBase* e : v.Elements()) {
            if (e->Layout().Name == name)
                return e->GetId();
        }
        return -1;
    }
    QString Name(int id) const { return m_names.value(id, QStringLiteral("?%1").arg(id)); }

    QVariant ImageId(const QVariant& v) const {
        return v.toString() == QLatin1String("0") ? v : QVariant(QStringLiteral("img"));
    }

    QVariantMap Normalise(const QVariantMap& record, const CtrlView& v) const {
        QVariantMap out = record;
        out.insert(QStringLiteral("id"),
                   record.value("id").toInt() == v.GetId() ? QStringLiteral("view") : QStringLiteral("?"));
        if (record.contains("ly")) {
            QVariantMap ly;
            const QVariantMap in = record.value("ly").toMap();
            for (auto it = in.cbegin(); it != in.cend(); ++it) {
                QVariantMap el = it.value().toMap();
                if (el.contains("pid")) {
                    const int pid = el.value("pid").toInt();
                    el.insert(QStringLiteral("pid"), pid < 0 ? QVariant(pid) : QVariant(Name(pid)));
                }
                for (const char* k : {"cI", "cP", "cM", "cC"}) {
                    if (el.contains(QLatin1String(k)))
                        el.insert(QLatin1String(k), ImageId(el.value(QLatin1String(k))));
                }
                ly.insert(Name(it.key().toInt()), el);
            }
            out.insert(QStringLiteral("ly"), ly);
        }
        for (const char* k : {"bs", "ps"}) {
            if (record.value(QLatin1String(k)).toULongLong() != 0)
                out.insert(QLatin1String(k), QStringLiteral("sound"));
        }
        if (record.contains("ld")) {
            QVariantList ld;
            for (const QVariant& id : record.value("ld").toList())
                ld << Name(id.toInt());
            out.insert(QStringLiteral("ld"), ld);
        }
        return out;
    }

private slots:
    void initTestCase() {
        m_cfg = new DataCfg(this);
        QVERIFY(m_cfg->LoadIncludeFile(FixtureDir(), QStringLiteral("mainCfg.json")));
        m_images = new ImgDataMgr(this);
        FuncRegistry::SetInstance(&m_registry);
    }
    void cleanupTestCase() { FuncRegistry::SetInstance(nullptr); }

    void transcript() {
        QString error;
        const QVariantList steps =
            JsonParseText(QString::fromUtf8(ReadFile(FixtureDir() + "/transcript.json")), error).toList();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!steps.isEmpty());

        FakeGridView grid;
        grid.clientId = 1; // a phone session
        CtrlView* view = nullptr;
        CtrlView* other = nullptr;
        QVariantMap prev, sources;
        QStringList sourcesSeen;
        QStringList lines;
        for (const QVariant& s : steps) {
            const QVariantMap step = s.toMap();
            const QString what = step.value("do").toString();
            CtrlView* target = step.value("other").toBool() ? other : view;
            if (what == QLatin1String("provider")) {
                m_registry.values.insert(step.value("name").toString(), step.value("value"));
            } else if (what == QLatin1String("build")) {
                const DataCfg::TControl c = m_cfg->FindControl(step.value("control").toString(), "CV");
                delete view;
                delete other;
                prev.clear();
                view = grid.NewView();
                view->SetGridPos(step.value("x").toInt(), step.value("y").toInt());
                view->Init(c);
                other = grid.NewView();
                other->Init(c);
                NameElements(*view, QString());
                NameElements(*other, QStringLiteral("other."));
            } else if (what == QLatin1String("tick")) {
                view->OnTick(step.value("prev").toUInt(), step.value("cur").toUInt());
            } else if (what == QLatin1String("cm")) {
                view->OnClientMessage(target->GetId(), step.value("text").toString());
            } else if (what == QLatin1String("mm")) {
                view->OnExtMouseEvent(step.value("kind").toString(), step.value("x").toInt(), step.value("y").toInt(),
                                      ElementId(*target, step.value("el").toString()));
            } else if (what == QLatin1String("st")) {
                view->OnExtSetText(ElementId(*target, step.value("el").toString()), step.value("text").toString());
            } else if (what == QLatin1String("sounds")) {
                m_cfg->UserCfg().CfgBase.insert(QStringLiteral("ActivateBottonSounds"), step.value("on").toBool());
            } else if (what == QLatin1String("play")) {
                view->PlaySound(FixtureDir() + QLatin1Char('/') + step.value("file").toString(), true);
            } else if (what == QLatin1String("hide") || what == QLatin1String("show")) {
                view->SetShown(what == QLatin1String("show"));
            } else if (what == QLatin1String("record")) {
                // As the phone server does: an update check, then the record against what the phone holds.
                view->OnCheckUpdate();
                int changed = 0;
                const QVariantMap rec = view->BuildViewUpdate(sources, prev, &changed);
                prev = MergeVariantMaps(prev, rec, {QStringLiteral("ld")});
                QVariantMap line = Normalise(rec, *view);
                line.insert(QStringLiteral("#"), step.value("note"));
                line.insert(QStringLiteral("#changed"), changed);
                // Client-side sources that this record added to the session's map.
                const QStringList added = sources.keys();
                if (added != sourcesSeen) {
                    line.insert(QStringLiteral("#sources"), added);
                    sourcesSeen = added;
                }
                lines << QString::fromUtf8(JsonSerializeCompact(line));
            } else {
                QFAIL(qPrintable("unknown step " + what));
            }
        }
        // Placeholders in the phone's text never ran the script function they name.
        QScriptEngine* engine = m_cfg->GetScriptEngine(QStringLiteral("CV:Evil"));
        QVERIFY(engine);
        QCOMPARE(engine->globalObject().property(QStringLiteral("evilRuns")).toInt32(), 0);

        const QString golden = FixtureDir() + QStringLiteral("/transcript.golden");
        const QString actual = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        if (qEnvironmentVariableIsSet("MERVEX_UPDATE_GOLDEN")) {
            QFile f(golden);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(actual.toUtf8());
        }
        const QStringList expected = QString::fromUtf8(ReadFile(golden)).split(QLatin1Char('\n'));
        const QStringList got = actual.split(QLatin1Char('\n'));
        for (int i = 0; i < qMax(expected.size(), got.size()); ++i)
            QCOMPARE(got.value(i), expected.value(i));
    }
};

QTEST_MAIN(TestCtrlViewTranscript)
#include "test_ctrlviewtranscript.moc"
