#pragma once
// The stack part of a crash record, read from the debugging information of the crashed process's modules. It runs
// in "vellichor-crash-stack", a program of its own that the crash handler starts with the process id and the frame
// addresses: reading debugging information allocates freely, which a crashed process cannot do safely, while the
// crashed process stays alive (waiting for the answer) so that its module map can still be read.

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// At most this many frames are listed.
constexpr int kCrashStackFrames = 32;

// The stack of process `pid` as the crash record shows it, every line ending in "\r\n":
// - the frames, grouped by module: the module's path and a colon on a line of its own (an empty line before every
//   group but the first), then one line per frame, "* 0x<address> <function> (<file>,<line>)", without
//   "(<file>,<line>)" when the debugging information has no line for it, "???" in place of a function without a
//   symbol; a frame outside every module is passed over, and at most kCrashStackFrames are listed;
// - an empty line, "Modules:" and one line per loaded program or library, "0x<start>-0x<end> <path>".
// `firstIsFault` says the first address is the faulting instruction itself; the others are return addresses and
// are looked up one byte before, inside the call. Empty with `error` set when the process's modules cannot be read.
std::string DescribeCrashStack(pid_t pid, const std::vector<uint64_t>& addresses, bool firstIsFault,
                               std::string* error = nullptr);
