#pragma once
// Stand-ins for what a control view reaches outside its library: the function and data-source registries
// with a macro player, and the grid views with the message overlay. Plus a log recorder.

#include "foundation/logger/QsLog.h"
#include "functions/funcregistry.h"
#include "runtime/ctrlview.h"
#include "runtime/igridview.h"
#include "tests/common/logcapture.h"

#include <QMap>
#include <QStringList>
#include <QWidget>

// Function providers: answer the values in the table by function name (invalid for others); record every call.
class FakeRegistry : public FuncRegistry {
public:
    QMap<QString, QVariant> values; // "TST:val" -> value
    QStringList calls;              // "name(args joined by ,)"
    struct Source {
        QString name;
        bool active = true;
        QVariantMap entries;
    };
    QList<Source> sources;
    bool macros = true;
    QStringList macroLog;

    QVariant CallProviderFunction(const QString& name, const QVariantList& args) override {
        QStringList a;
        for (const QVariant& v : args)
            a << v.toString();
        calls << name + QLatin1Char('(') + a.join(QLatin1Char(',')) + QLatin1Char(')');
        return values.value(name);
    }
    QStringList GetDataSourceNames(bool activeOnly) override {
        QStringList names;
        for (const Source& s : qAsConst(sources)) {
            if (!activeOnly || s.active)
                names << s.name;
        }
        return names;
    }
    const Source* Find(const QString& name) const {
        const QString bare = name.section(QLatin1Char(':'), 0, 0);
        for (const Source& s : sources) {
            if (s.name == bare)
                return &s;
        }
        return nullptr;
    }
    bool GetDataSourceEntries(const QString& name, QVariantMap* entries) override {
        const Source* s = Find(name);
        if (!s)
            return false;
        *entries = s->entries;
        return true;
    }
    bool CallDataSourceFunc(const QString& name, const QString& function, const QVariantList& args,
                            QVariant* result) override {
        if (!Find(name))
            return false;
        *result = function + QLatin1Char('/') + QString::number(args.size());
        return true;
    }

    // Steps are single letters; "-" is a delay that ends one Process call.
    class Player : public MacroPlayer {
    public:
        Player(QObject* parent, QStringList* log) : MacroPlayer(parent), m_log(log) {}
        void Reset() override {
            m_steps.clear();
            m_pos = 0;
            *m_log << QStringLiteral("reset");
        }
        void Parse(const QString& text) override {
            m_steps = text;
            m_pos = 0;
        }
        bool Process() override {
            while (m_pos < m_steps.size()) {
                const QChar c = m_steps.at(m_pos++);
                if (c == QLatin1Char('-'))
                    return true;
                *m_log << QString(c);
            }
            return false;
        }
        void ReleaseAll() override { *m_log << QStringLiteral("release"); }
        double GetProgress() const override { return m_steps.isEmpty() ? 0.0 : double(m_pos) / m_steps.size(); }
        bool IsRunning() const override { return m_pos < m_steps.size(); }

    private:
        QStringList* m_log;
        QString m_steps;
        int m_pos = 0;
    };
    MacroPlayer* NewMacroPlayer(QObject* parent) override { return macros ? new Player(parent, &macroLog) : nullptr; }
};

class FakeOverlay;

// A grid view: a plain widget that answers the grid's questions.
class FakeGridView : public QWidget, public IGridView, public IGridCont {
public:
    quint64 clientId = 0;
    double heightB = 2.5;
    IGridViewGlobal* overlay = nullptr;
    QObject* dcGrid = nullptr;

    quint64 GetClientId() const override { return clientId; }
    QObject* GetDCGrid(QScriptEngine*) override {
        if (!dcGrid) {
            dcGrid = new QObject(this);
            dcGrid->setObjectName(QStringLiteral("DCGrid"));
        }
        return dcGrid;
    }
    IGridViewGlobal* GetOverlay() override { return overlay; }
    double GetHeightB() const override { return heightB; }
    IGridView* AsGridView() override { return this; }

    // A view placed in this grid, as the grid views place theirs.
    CtrlView* NewView() {
        auto* view = new CtrlView(this);
        view->SetContainer(this);
        return view;
    }
};

// The message overlay: records what it is asked to show and which buttons were clicked.
class FakeOverlay : public FakeGridView, public IGridViewGlobal {
public:
    bool accept = true;
    QStringList shown;
    QStringList clicks;
    bool ShowMsgPopup(const QString& title, const QString& text, const QString& buttons,
                      const QScriptValue& callback) override {
        shown << title + QLatin1Char('|') + text + QLatin1Char('|') + buttons +
                     (callback.isFunction() ? QStringLiteral("|fn") : QString());
        return accept;
    }
    void DoButtonClicked(const QString& button, const QString& text) override {
        clicks << button + QLatin1Char('|') + text;
    }
    IGridViewGlobal* AsMessageOverlay() override { return this; }
};
