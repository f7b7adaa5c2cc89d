/* The C interface from a C program, with no connectivity service to load: the argument checks and the
   calls made before set-up or after clean-up must answer at once, never block. */
#include "zynapi.h"

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int failed = 0, passed = 0;

#define CHECK_EQ(expr, expected)                                                                                       \
    do {                                                                                                               \
        long long got_ = (long long)(expr), want_ = (long long)(expected);                                             \
        if (got_ != want_) {                                                                                           \
            fprintf(stderr, "%s:%d: %s == 0x%llx, expected 0x%llx\n", __FILE__, __LINE__, #expr, got_, want_);         \
            ++failed;                                                                                                  \
        } else {                                                                                                       \
            ++passed;                                                                                                  \
        }                                                                                                              \
    } while (0)

static void ZYN_CALLBACK OnInvite(const ZYNInviteRecord* r, void* u) {
    (void)r;
    (void)u;
}

static void CallsWithoutThread(void) {
    uint8_t buf[4];
    int count = 7;
    ZYNGUID g;
    memset(&g, 0, sizeof g);
    CHECK_EQ(ZYNSetDiscoveryCallback(NULL, NULL), ZYN_E_FAIL);
    CHECK_EQ(ZYNSetAuthorizationToken("a", "b"), ZYN_E_FAIL);
    CHECK_EQ(ZYNSetInviteCallback(NULL, NULL), ZYN_E_FAIL);
    CHECK_EQ(ZYNListenForInvites(NULL, NULL, 0), ZYN_E_FAIL);
    CHECK_EQ(ZYNSendInviteRequest(1, g, g, 2), ZYN_E_FAIL);
    CHECK_EQ(ZYNSendInviteResponse(1, 0), ZYN_E_FAIL);
    CHECK_EQ(ZYNReadStream(1, buf, 4, &count), ZYN_E_FAIL);
    CHECK_EQ(ZYNCloseStream(1, 0), ZYN_E_FAIL);
    CHECK_EQ(ZYNGetLocalSessionGuid(&g), ZYN_E_FAIL);
    CHECK_EQ(ZYNLookupDeviceGuid(g, &g), ZYN_E_FAIL);
    CHECK_EQ(ZYNConnectSocket(1, 3), ZYN_E_FAIL);
}

int main(void) {
    ZYNInitParams params;
    uint8_t buf[4];
    int count = 0;

    /* A hang is a failure, not a stuck test run. */
    alarm(20);
    setenv("ZYN_SERVICE_MODULE", "/nonexistent/libzynservice_stub.so", 1);
    memset(&params, 0, sizeof params);

    CHECK_EQ(sizeof(ZYNInitParams), 532);
    CHECK_EQ(sizeof(ZYNInviteRecord), 72);
    CHECK_EQ(sizeof(ZYNInviteCompleteRecord), 28);

    /* Refused before any thread is started. */
    CHECK_EQ(ZYNInitialize(NULL, 0), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNInitialize(&params, 1), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNSetAuthorizationToken(NULL, "x"), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNSetAuthorizationToken("x", NULL), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNListenForInvites(NULL, NULL, 1), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNListenForInvites(NULL, NULL, 3), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNListenForInvites(NULL, NULL, 0x101), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNListenForInvites(OnInvite, NULL, 2), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNReadStream(1, NULL, 4, &count), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNReadStream(1, buf, 4, NULL), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNWriteStream(1, NULL, 4, &count), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNWriteStream(1, buf, 4, NULL), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNWriteStream(1, buf, -1, &count), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNSocketBasedIO(1), 0);
    CHECK_EQ(ZYNSocketBasedIO(0), 0);

    CallsWithoutThread();
    CHECK_EQ(ZYNCleanUp(), 0);
    CHECK_EQ(ZYNCleanUp(), 0);

    /* Without a service module the set-up answers "class not registered"; the thread runs all the same. */
    CHECK_EQ(ZYNInitialize(&params, 0), ZYN_E_CLASSNOTREG);
    CHECK_EQ(ZYNGetLocalSessionGuid(NULL), 1);
    CHECK_EQ(ZYNSetAuthorizationToken("a", "b"), ZYN_E_FAIL);
    CHECK_EQ(ZYNSetAsyncRead(5, NULL, NULL), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNCloseStream(0, 0), ZYN_E_INVALIDARG);
    CHECK_EQ(ZYNCleanUp(), 0);
    CHECK_EQ(ZYNCleanUp(), 0);

    CallsWithoutThread();

    printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
