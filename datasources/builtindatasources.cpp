#include "datasources/builtindatasources.h"

#include "datasources/datasrcemail.h"
#include "datasources/datasrcfacebook.h"
#include "datasources/datasrcnewsfeed.h"
#include "datasources/datasrcskype.h"
#include "datasources/datasrcteamspeak.h"
#include "datasources/datasrctwitter.h"
#include "functions/funcmgr.h"

namespace {
// The registry keeps the factories for every rebuild of its list: registered once until taken out.
bool g_registered = false;
} // namespace

void RegisterBuiltInDataSources() {
    if (g_registered)
        return;
    g_registered = true;
    // In the list's order: NewsFeed, Facebook, Twitter, Skype, EMail, Teamspeak.
    RegisterBuiltInDataSource([]() -> IIncomingDataSource* { return new DataSrcNewsFeed; });
    RegisterBuiltInDataSource([]() -> IIncomingDataSource* { return new DataSrcFacebook; });
    RegisterBuiltInDataSource([]() -> IIncomingDataSource* { return new DataSrcTwitter; });
    RegisterBuiltInDataSource([]() -> IIncomingDataSource* { return new DataSrcSkype; });
    RegisterBuiltInDataSource([]() -> IIncomingDataSource* { return new DataSrcEmail; });
    RegisterBuiltInDataSource([]() -> IIncomingDataSource* { return new DataSrcTeamspeak; });
}

void UnregisterBuiltInDataSources() {
    ClearBuiltInDataSources();
    g_registered = false;
}
