#pragma once
// Internals of the system statistics behind the PAL getters (pal.h): the five updaters that the statistics
// thread runs every tick, and what tests replace (the back-end and the clock).

#include "functions/pal/statsource.h"

#include <functional>

namespace PAL_INT {

constexpr int kMaxStatCpus = 16;
constexpr int kMaxStatDrives = 16;
constexpr int kNetHistorySize = 512;

// Minimum time between two refreshes of a category, in milliseconds.
constexpr qint64 kRamInterval = 1000;
constexpr qint64 kCpuInterval = 1000;
constexpr qint64 kNetInterval = 1000;
constexpr qint64 kDriveInterval = 10000;
constexpr qint64 kProcInterval = 1234;
// The statistics thread's tick while a category is in demand.
constexpr qint64 kStatTickMs = 10;
// Its sleep while nobody asks: a getter or a stop request wakes it before.
constexpr qint64 kStatIdleSleepMs = 24 * 3600 * 1000;

// One tick of each category: refreshes when somebody asked lately and its interval has passed.
void _UpdateRAM();
void _UpdateCPUs();
void _UpdateNets();
void _UpdateDrives();
void _UpdateProcs();

// The CPU sensors of the back-end, for the first count CPUs.
void PAL__GetCPUFrequency(int count, int* clocks, float* fractions);
void PAL__GetCPUTemp(int count, float* temperatures);

// The back-end (owned from now on; null brings back the system's own, made on first use).
void SetStatSource(StatSource* source);
// Milliseconds of the clock that the intervals are measured by (epoch time; tests count their own).
void SetStatClock(const std::function<qint64()>& clock);
// Every figure, demand counter and refresh time back to how the program starts; for tests.
void ResetSysStats();
// Milliseconds until the statistics thread must run its updaters again: one tick (10 ms) while a category is
// in demand, else the idle sleep (nothing is refreshed while nobody asks).
qint64 MsUntilNextStatTick();
// The demand counter of memory, CPUs, networks, drives and the process list (0 to 4 in that order); for tests.
int StatDemand(int category);

} // namespace PAL_INT
