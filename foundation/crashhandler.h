#pragma once
// Last-resort crash records. Fatal signals (and std::terminate) append a record to the crash log and print it on
// stderr, then the process ends the way the signal would have ended it. Everything that runs after a fault uses
// static buffers and async-signal-safe calls only, so it still works when the heap or Qt are broken.

#include <cstddef>

// Keeps the absolute form of the crash-log path and installs the handlers. Call once, first thing in main.
// A path that does not fit the 260-byte buffer is refused (false) and no record is written; the handlers are
// installed all the same so the text still reaches stderr.
bool InstallCrashHandler(const char* crashLogPath);

// The record's exception name and one-sentence explanation for a fatal signal and its si_code.
// `writeAccess` tells a write fault from a read fault for SIGSEGV. Never null.
const char* CrashExceptionName(int sig, int code, bool writeAccess);
const char* CrashExceptionExplanation(int sig, int code);

// The path kept by InstallCrashHandler; empty before.
const char* CrashLogPath();
