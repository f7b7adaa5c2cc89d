/* C interface of the ZYN connectivity library. */
#ifndef ZYNAPI_H
#define ZYNAPI_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define ZYN_CALLBACK __stdcall
#else
#define ZYN_CALLBACK
#endif

#if defined(ZYNAPI_BUILDING)
#define ZYNAPI_EXPORT __attribute__((visibility("default")))
#else
#define ZYNAPI_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t ZYNRESULT;

#define ZYN_S_OK ((ZYNRESULT)0)
#define ZYN_S_FALSE ((ZYNRESULT)1)
#define ZYN_E_INVALIDARG ((ZYNRESULT)0x80070057)
#define ZYN_E_FAIL ((ZYNRESULT)0x80004005)
#define ZYN_E_OUTOFMEMORY ((ZYNRESULT)0x8007000E)
#define ZYN_E_TASK_NOT_RUN ((ZYNRESULT)0x87FF0001)
#define ZYN_E_NOT_READY ((ZYNRESULT)0x87FF0002)
#define ZYN_E_STREAM_GONE ((ZYNRESULT)0x87FF0003)
/* Passed through when the connectivity service cannot be loaded. */
#define ZYN_E_CLASSNOTREG ((ZYNRESULT)0x80040154)

typedef struct ZYNGUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
} ZYNGUID;

/* Stream handles are small ids, never 0 for a live stream. */
typedef uintptr_t ZYNSTREAM;
typedef int ZYNSOCKET;
#define ZYN_INVALID_SOCKET (-1)

typedef struct ZYNInitParams {
    ZYNGUID gadgetGuid;
    ZYNGUID authorizationGuid;
    char authorizationText1[250];
    char authorizationText2[250];
} ZYNInitParams;

typedef struct ZYNInviteRecord {
    int32_t first;
    ZYNGUID guid2;
    ZYNGUID guid4;
    ZYNGUID guid5;
    int32_t sixth;
    ZYNGUID guid7;
} ZYNInviteRecord;

typedef struct ZYNInviteCompleteRecord {
    int32_t first;
    int32_t second;
    ZYNGUID guid;
    uint32_t stream; /* 0 when the invite brought no stream */
} ZYNInviteCompleteRecord;

#define ZYN_DISCOVERY_STATUS_AVAILABLE 1
#define ZYN_DISCOVERY_STATUS_EXPIRED 2
#define ZYN_DISCOVERY_FLAG_IS_SELF 0x1u
#define ZYN_DISCOVERY_FLAG_CUSTOM_AVATAR 0x10u

typedef struct ZYNDiscoveryRecord {
    ZYNGUID sessionGuid;
    ZYNGUID userGuid;
    uint8_t status;
    char userName[260];
    uint16_t gadgetCount;
    ZYNGUID* gadgets;
    uint32_t avatarSize;
    uint8_t* avatarData;
    uint8_t avatarFormat; /* 1 = BMP */
    uint32_t flags;
} ZYNDiscoveryRecord;

#define ZYN_AUTH_FLAG_TEXT1 0x1u
#define ZYN_AUTH_FLAG_TEXT2 0x10u

typedef struct ZYNAuthorizationRecord {
    uint8_t state;
    uint32_t flags;
    char* text1;
    char* text2;
} ZYNAuthorizationRecord;

typedef void(ZYN_CALLBACK* ZYNDiscoveryCallback)(const ZYNDiscoveryRecord* record, void* user);
typedef void(ZYN_CALLBACK* ZYNAuthorizationCallback)(const ZYNAuthorizationRecord* record, void* user);
typedef void(ZYN_CALLBACK* ZYNInviteReceivedCallback)(const ZYNInviteRecord* record, void* user);
typedef void(ZYN_CALLBACK* ZYNInviteCompleteCallback)(const ZYNInviteCompleteRecord* record, void* user);
typedef void(ZYN_CALLBACK* ZYNStreamReadyCallback)(ZYNSTREAM stream, void* user);
typedef void(ZYN_CALLBACK* ZYNStreamClosedCallback)(ZYNSTREAM stream, int reason, void* user);

ZYNAPI_EXPORT ZYNRESULT ZYNInitialize(const ZYNInitParams* params, int reserved);
ZYNAPI_EXPORT ZYNRESULT ZYNCleanUp(void);
ZYNAPI_EXPORT ZYNRESULT ZYNSetDiscoveryCallback(ZYNDiscoveryCallback callback, void* user);
ZYNAPI_EXPORT ZYNRESULT ZYNSetAuthorizationCallback(ZYNAuthorizationCallback callback, void* user);
ZYNAPI_EXPORT ZYNRESULT ZYNSetAuthorizationToken(const char* first, const char* second);
ZYNAPI_EXPORT ZYNRESULT ZYNSetInviteCallback(ZYNInviteCompleteCallback callback, void* user);
ZYNAPI_EXPORT ZYNRESULT ZYNListenForInvites(ZYNInviteReceivedCallback callback, void* user, int mode);
ZYNAPI_EXPORT ZYNRESULT ZYNSendInviteRequest(int first, ZYNGUID guid1, ZYNGUID guid2, int last);
ZYNAPI_EXPORT ZYNRESULT ZYNSendInviteResponse(int inviteId, int flag);
ZYNAPI_EXPORT ZYNRESULT ZYNSetAsyncRead(ZYNSTREAM stream, ZYNStreamReadyCallback callback, void* user);
ZYNAPI_EXPORT ZYNRESULT ZYNSetAsyncWrite(ZYNSTREAM stream, ZYNStreamReadyCallback callback, void* user);
ZYNAPI_EXPORT ZYNRESULT ZYNSetAsyncClose(ZYNSTREAM stream, ZYNStreamClosedCallback callback, void* user);
ZYNAPI_EXPORT ZYNRESULT ZYNReadStream(ZYNSTREAM stream, uint8_t* buffer, int size, int* count);
ZYNAPI_EXPORT ZYNRESULT ZYNWriteStream(ZYNSTREAM stream, const uint8_t* buffer, int size, int* count);
ZYNAPI_EXPORT ZYNRESULT ZYNCloseStream(ZYNSTREAM stream, int flag);
ZYNAPI_EXPORT ZYNRESULT ZYNGetLocalSessionGuid(ZYNGUID* out);
ZYNAPI_EXPORT ZYNRESULT ZYNLookupDeviceGuid(ZYNGUID device, ZYNGUID* out);
ZYNAPI_EXPORT ZYNRESULT ZYNSocketBasedIO(int flag);
ZYNAPI_EXPORT ZYNRESULT ZYNConnectSocket(ZYNSTREAM stream, ZYNSOCKET socket);

#ifdef __cplusplus
}
#endif

#endif
