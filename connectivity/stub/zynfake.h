/* Test controls of the stand-in connectivity service. */
#ifndef ZYNFAKE_H
#define ZYNFAKE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

void zynfake_reset(void);
/* Every call the library made, one "Object.method(args)" a line. */
const char* zynfake_calls(void);
/* Makes "Object.method" answer hr from now on (0 undoes it); hr 1 makes it throw. */
void zynfake_fail(const char* call, int32_t hr);
/* The text that Session.4 / Session.5 hand back. */
void zynfake_set_text(const char* call, const char* text);
void zynfake_emit_discovery(const char* guid, const char* xml);
void zynfake_emit_authorization(const char* text, int code);
void zynfake_emit_invite_received(int first, const char* t2, const char* t4, const char* t5, int sixth, const char* t7);
/* Returns the service's id of the new stream, 0 without one. */
int zynfake_emit_invite_complete(int first, int second, const char* text, int withStream);
/* Queues bytes for reading and raises ready-to-read. */
void zynfake_stream_feed(int id, const uint8_t* bytes, int count);
/* Takes what the library wrote; answers the byte count. */
int zynfake_stream_take(int id, uint8_t* buffer, int max);
void zynfake_stream_event(int id, int dispid, int reason);
/* The port the stream's method 3 answers; negative makes it fail. */
void zynfake_stream_port(int id, int port);

#ifdef __cplusplus
}
#endif

#endif
