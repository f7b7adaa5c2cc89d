#pragma once
// Entry points for the readers of outside input above the phone server's byte streams: stored files,
// packages, mail, feeds, the WebSocket upgrade and the phone's messages. Shared by the libFuzzer targets and
// the corpus replay test; each aborts when a property of the code under test does not hold.

#include <cstddef>
#include <cstdint>

// A text in the configuration's JSON dialect; what the writer makes of it reads back.
int FuzzJsonReader(const uint8_t* data, size_t size);
// The user configuration file.
int FuzzUserCfg(const uint8_t* data, size_t size);
// A data folder whose mainCfg.json is the input.
int FuzzDataFolder(const uint8_t* data, size_t size);
// A package archive imported as a package, a grid and a control; nothing is written outside the target folder.
int FuzzZipImport(const uint8_t* data, size_t size);
// A mail: header lines, an empty line, body lines.
int FuzzMailDecode(const uint8_t* data, size_t size);
// A fetched feed body (RSS, Atom, or HTML repaired into XML); at most 64 entries are kept.
int FuzzNewsFeed(const uint8_t* data, size_t size);
// The header lines of a WebSocket upgrade request, the query in its first line.
int FuzzWsHandshake(const uint8_t* data, size_t size);
// One text message of a phone.
int FuzzClientMessage(const uint8_t* data, size_t size);
