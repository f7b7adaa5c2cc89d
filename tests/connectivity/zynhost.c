/* A small host program of the connectivity library, run by the tests as a child process with a time limit:
   each mode ends the library in a way that once hung. It prints one line per step, and exits 0 when it got
   through; a hang is caught by the test's time limit.

   exit                    sets the library up and ends without ZYNCleanUp
   cleanup-in-complete     calls ZYNCleanUp from inside the invite-complete callback
   initialize-in-complete  calls ZYNInitialize from inside the invite-complete callback
   cleanup-in-received     calls ZYNCleanUp from inside the invite-received callback
   restart-in-complete     calls ZYNCleanUp, then ZYNInitialize, from inside the invite-complete callback */
#include "connectivity/stub/zynfake.h"
#include "zynapi.h"

#include <stdio.h>
#include <string.h>

static const char* g_mode = "";
static ZYNInitParams g_params;

static void ZYN_CALLBACK OnComplete(const ZYNInviteCompleteRecord* r, void* u) {
    (void)r;
    (void)u;
    if (strcmp(g_mode, "cleanup-in-complete") == 0) {
        printf("callback: ZYNCleanUp %d\n", (int)ZYNCleanUp());
    } else if (strcmp(g_mode, "initialize-in-complete") == 0) {
        printf("callback: ZYNInitialize %d\n", (int)ZYNInitialize(&g_params, 0));
    } else if (strcmp(g_mode, "restart-in-complete") == 0) {
        printf("callback: ZYNCleanUp %d\n", (int)ZYNCleanUp());
        /* The connection being ended waits for this callback: the new set-up is refused, not waited for. */
        printf("callback: ZYNInitialize 0x%x\n", (unsigned)ZYNInitialize(&g_params, 0));
    }
    fflush(stdout);
}

static void ZYN_CALLBACK OnReceived(const ZYNInviteRecord* r, void* u) {
    (void)r;
    (void)u;
    printf("callback: ZYNCleanUp %d\n", (int)ZYNCleanUp());
    fflush(stdout);
}

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    g_mode = argv[1];
    memset(&g_params, 0, sizeof g_params);
    g_params.gadgetGuid.Data1 = 0x12345678u;
    strcpy(g_params.authorizationText1, "host");

    printf("ZYNInitialize %d\n", (int)ZYNInitialize(&g_params, 0));
    printf("ZYNSetInviteCallback %d\n", (int)ZYNSetInviteCallback(OnComplete, NULL));
    fflush(stdout);
    if (strcmp(g_mode, "exit") == 0)
        return 0;

    if (strcmp(g_mode, "cleanup-in-received") == 0) {
        printf("ZYNListenForInvites %d\n", (int)ZYNListenForInvites(OnReceived, NULL, 1));
        zynfake_emit_invite_received(1, "{00000000-0000-0000-0000-000000000002}", "", "", 6, "");
    } else {
        zynfake_emit_invite_complete(1, 2, "{00000000-0000-0000-0000-000000000003}", 1);
    }
    printf("event delivered\n");
    fflush(stdout);

    /* The library goes on: set up again (after the clean-up in the callback) and end it properly. */
    printf("ZYNInitialize %d\n", (int)ZYNInitialize(&g_params, 0));
    printf("ZYNGetLocalSessionGuid %d\n", (int)ZYNGetLocalSessionGuid(&g_params.authorizationGuid));
    printf("ZYNCleanUp %d\n", (int)ZYNCleanUp());
    return 0;
}
