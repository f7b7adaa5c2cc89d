// The session update: keeps a phone in step with the PC by pushing the tab list, switching to the tab
// whose program just started, and sending the control records that changed as differences.

#include "server/netserver.h"

#include "config/datacfg.h"
#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "server/netjson.h"
#include "server/netservices.h"
#include "server/websocketud.h"

#include <QSet>
#include <QTime>

namespace {
// Paths from the launch code and from the process list may differ in separators.
QString ComparablePath(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/')).toLower();
}
} // namespace

void NetServer::UpdateSession(WebSocketUD* session) {
    PROFILE_SCOPE("NetServer::UpdateSession");
    if (!session->socket || HasBacklog(session) || !session->connected)
        return;

    for (INetGridView* view : qAsConst(session->views))
        TickViews(view);
    TickViews(session->overlay);

    if (m_grids) {
        const int changes = m_grids->EditorChangeCount();
        if (changes != session->editorChangeSeen) {
            session->editorChangeSeen = changes;
            session->ResetViews();
        }
    }
    if (session->tabsDirty)
        PushTabs(session);
    if (session->viewIndex < 0)
        return;

    CheckProgramStarts(session);

    if (!session->overlay && m_grids) {
        session->overlay = m_grids->CreateOverlayView();
        if (session->overlay) {
            session->overlay->SetGridHeight(session->hb);
            session->overlay->InitPopup();
        }
    }

    while (session->views.size() <= session->viewIndex)
        session->views.append(nullptr);
    if (!session->views.at(session->viewIndex) && m_grids) {
        INetGridView* view = m_grids->CreateGridView();
        if (view) {
            view->SetGridHeight(session->hb);
            view->SetOverlay(session->overlay);
            view->SetSessionId(session->sessionId);
            QVariantMap& client = view->ClientMap();
            client.insert(QStringLiteral("Name"), session->n);
            client.insert(QStringLiteral("Token"), session->t);
            client.insert(QStringLiteral("Desc"), session->d);
            client.insert(QStringLiteral("Version"), session->v);
            const QStringList tabs = m_grids->TabList();
            NetGrid grid;
            const bool hasTab = session->viewIndex < tabs.size();
            if (hasTab) {
                grid = m_grids->FindGrid(tabs.at(session->viewIndex));
                QLOG_DEBUG() << "G:" << grid.name;
            }
            view->InitDeck();
            if (hasTab)
                view->SetGrid(grid);
            session->views[session->viewIndex] = view;
        }
    }

    if (session->overlay && session->overlay->IsShowing())
        session->overlayShown = true;
    else
        PushView(session, session->views.value(session->viewIndex), session->viewIndex);
    if (session->overlayShown)
        PushView(session, session->overlay, -1);
}

void NetServer::CheckProgramStarts(WebSocketUD* session) {
    PROFILE_SCOPE("NetServer::CheckProgramStarts");
    if (!m_programs)
        return;
    const QStringList running = m_programs->GetProcesses();
    // Between two refreshes of the process list this is the list seen last: nothing can have started.
    if (running == session->runningPrograms)
        return;
    const QSet<QString> before(session->runningPrograms.cbegin(), session->runningPrograms.cend());
    QStringList started;
    for (const QString& program : running) {
        if (!before.contains(program))
            started << ComparablePath(program);
    }
    session->runningPrograms = running;
    // Nothing new: no grid can match, so the tab list is not walked (it resolves up to 144 paths).
    if (started.isEmpty() || !m_grids)
        return;

    const QStringList tabs = m_grids->TabList();
    for (int i = 0; i < tabs.size(); ++i) {
        const NetGrid grid = m_grids->FindGrid(tabs.at(i));
        if (!grid.IsFound())
            continue;
        for (const QString& exe : grid.exe) {
            if (exe.isEmpty())
                continue;
            if (started.contains(ComparablePath(m_programs->ResolveProgramPath(exe)))) {
                QLOG_DEBUG() << "ChangeView (exe):" << i;
                const QByteArray message = QStringLiteral("ChangeView?t=%1").arg(i).toUtf8() + '\0';
                SendToSession(session, message, 0);
                session->viewIndex = i;
                return;
            }
        }
    }
}

void NetServer::TickViews(INetView* view) {
    PROFILE_SCOPE("NetServer::TickViews");
    if (!view)
        return;
    const QList<INetCtrlView*> ctrls = view->CtrlViews();
    for (INetCtrlView* ctrl : ctrls)
        ctrl->BuildRemoteData();
}

bool NetServer::PushTabs(WebSocketUD* session) {
    PROFILE_SCOPE("NetServer::PushTabs");
    session->tabsDirty = false;
    QVariantMap object;
    QVariantList tabObjects;
    if (m_grids) {
        object.insert(QStringLiteral("tbg"), m_grids->TabBGId());
        object.insert(QStringLiteral("tao"), m_grids->TabAOvlId());
        const QStringList tabs = m_grids->TabList();
        int unverified = 0;
        for (const QString& key : tabs) {
            const NetGrid grid = m_grids->FindGrid(key);
            if (!grid.IsFound())
                continue;
            QVariantMap tab;
            tab.insert(QStringLiteral("t"), grid.title);
            tab.insert(QStringLiteral("n"), grid.key);
            if (!grid.background.isEmpty()) {
                const int height = int(float(session->hb * 160 + 0.5));
                tab.insert(QStringLiteral("gbg"), m_grids->DeckBGId(grid.background, 640, height));
            }
            tab.insert(QStringLiteral("iN"), m_grids->TabIconId(grid.icon, 0));
            tab.insert(QStringLiteral("iA"), m_grids->TabIconId(grid.icon, 1));
            tab.insert(QStringLiteral("ci"), grid.verified ? -1 : unverified++);
            tabObjects << tab;
        }
    } else {
        object.insert(QStringLiteral("tbg"), 0);
        object.insert(QStringLiteral("tao"), 0);
    }
    object.insert(QStringLiteral("t"), tabObjects);

    const QByteArray message = QByteArrayLiteral("Tabs") + '\0' + NetJson::Compact(object);
    SendToSession(session, message, message.size() + 32);
    QLOG_DEBUG() << "Push:" << QTime::currentTime().toString(QStringLiteral("hh:mm:ss:zzz")) << message.size()
                 << "Tabs";
    return true;
}

bool NetServer::PushView(WebSocketUD* session, INetView* view, int index) {
    PROFILE_SCOPE("NetServer::PushView");
    if (!view)
        return false;
    const QList<INetCtrlView*> ctrls = view->CtrlViews();
    bool any = false;
    for (INetCtrlView* ctrl : ctrls) {
        ctrl->OnCheckUpdate();
        any = any || ctrl->HasViewChange();
    }
    if (!any)
        return false;

    const QVariantMap scriptsBefore = session->sentScripts;
    QVariantMap& kept = view->KeptRecords();
    QVariantMap newKept;
    QVariantMap data;
    bool changed = false;
    for (INetCtrlView* ctrl : ctrls) {
        const QString key = QString::number(ctrl->CtrlId());
        // A control that has not changed since the phone's record would only give an empty difference: its
        // key goes out as ever, but nothing is built for it (a grid has dozens of controls, a press changes one).
        const auto keptRecord = kept.constFind(key);
        if (!ctrl->HasViewChange() && keptRecord != kept.cend()) {
            data.insert(key, QVariantMap());
            newKept.insert(key, keptRecord.value());
            continue;
        }
        QVariantMap prev = kept.value(key).toMap();
        QVariantMap diff;
        int changes = 0;
        ctrl->BuildViewUpdate(diff, session->sentScripts, prev, changes);
        data.insert(key, diff);
        newKept.insert(key, MergeVariantMaps(prev, diff, {QStringLiteral("ld")}));
        kept.insert(key, prev);
        if (changes > 0)
            changed = true;
    }

    QVariantMap scripts;
    for (auto it = session->sentScripts.cbegin(); it != session->sentScripts.cend(); ++it) {
        auto before = scriptsBefore.find(it.key());
        if (before == scriptsBefore.cend() || before.value() != it.value()) {
            scripts.insert(it.key(), it.value());
            changed = true;
        }
    }
    if (!changed)
        return false;
    kept = newKept;
    if (!scripts.isEmpty())
        data.insert(QStringLiteral("s"), scripts);

    const QByteArray message = QStringLiteral("View?t=%1").arg(index).toUtf8() + '\0' + NetJson::Compact(data);
    SendToSession(session, message, message.size() + 32);
    return true;
}
