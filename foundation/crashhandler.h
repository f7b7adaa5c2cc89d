#pragma once
// Last-resort crash records. Fatal signals (and std::terminate) append a record to the crash log, print it on
// stderr and show it in the crash window, whose choice decides how the process ends. Everything that runs after a fault
// uses static buffers and async-signal-safe calls only, so it still works when the heap or Qt are broken; what needs
// more (naming the frames from debugging information, drawing the window) runs in programs of their own that the
// handler starts and waits for.

#include <cstddef>

// Keeps the absolute form of the crash-log path and installs the handlers. Call once, first thing in main.
// A path that does not fit the 260-byte buffer is refused (false) and no record is written; the handlers are
// installed all the same so the text still reaches stderr. From then on every new thread gets an alternate
// signal stack, so a thread that overflows its stack still leaves a record.
// The crash window is the program dialogProgram (by default "vellichor-crash" beside the running program):
// it reads the record on its standard input and answers with its exit code, 0 Continue (the process ends as
// the fault would end it), 1 Abort (the process exits with code 1), 2 Debug (the process ends with a
// breakpoint signal, dumping core). It is shown only on a screen (a display, and not Qt's offscreen
// platform); otherwise, or when it cannot start, the answer is Continue.
// The stack program (by default "vellichor-crash-stack" beside the running program; "" for none) names each frame's
// module, function, file and line and lists the loaded modules; it gets the process id and the frame addresses as
// arguments and writes the stack on its standard output. Without it, or when it fails or takes more than 20 s, the
// record says so and lists the raw frames.
bool InstallCrashHandler(const char* crashLogPath, const char* dialogProgram = nullptr,
                         const char* stackProgram = nullptr);

// The record's exception name and one-sentence explanation for a fatal signal and its si_code.
// `writeAccess` tells a write fault from a read fault for SIGSEGV. Never null.
const char* CrashExceptionName(int sig, int code, bool writeAccess);
const char* CrashExceptionExplanation(int sig, int code);

// The path kept by InstallCrashHandler; empty before.
const char* CrashLogPath();
