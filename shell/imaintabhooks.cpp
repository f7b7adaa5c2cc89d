#include "shell/imaintabhooks.h"

#include "foundation/logger/QsLog.h"

#include <QSet>

void IMainTabHooks::ReportMissing(const char* what) {
    static QSet<QByteArray> reported;
    if (reported.contains(what))
        return;
    reported.insert(what);
    QLOG_WARN() << "IMainTabHooks: nothing in this program answers" << what;
}

void IMainTabHooks::StoreTreeState() {
    ReportMissing("StoreTreeState (no control list)");
}

void IMainTabHooks::RefillGridBrowser() {
    ReportMissing("RefillGridBrowser (no grid browser)");
}

bool IMainTabHooks::HasHelpGuide() {
    return false;
}

void IMainTabHooks::ShowHelpGuide() {
    ReportMissing("ShowHelpGuide (no help overlay)");
}

void IMainTabHooks::CloseHelpGuide() {}
