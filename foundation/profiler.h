#pragma once
// A sampling profiler built into the program. Each registered thread keeps a stack of static scope labels that
// it pushes and pops without a lock; ProfileThread copies every stack now and then and counts, per label and
// thread group, how often the label was on a stack (all) and how often it was the innermost one (own).
//
// Linux cannot suspend a single thread of its own process, so a snapshot is made consistent by a generation
// counter instead: the owner stores depth and generation as one word after each push and pop, and the sampler
// copies the stack between two reads of that word and retries when it changed.

#include <QList>
#include <QRecursiveMutex>
#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <vector>

class QTextStream;

constexpr int kProfileStackSize = 1024;
constexpr int kProfileMaxThreads = 2048;

// One registered thread's stack. Written only by its thread; read by the sampler. Never freed.
struct ProfileBlock {
    std::atomic<const char*> labels[kProfileStackSize];
    // Low 32 bits: the depth (number of open scopes, also beyond the stack size); high 32 bits: a generation
    // that every push and pop advances, so the sampler sees any change made while it copied.
    std::atomic<std::uint64_t> state{0};
    int group = -1;
};

// A consistent copy of one thread's stack; slots at and above the depth are null.
struct ProfileSnapshot {
    const char* labels[kProfileStackSize];
    int depth = 0;
    int group = -1;
};

// The calling thread's block; null while the thread is not registered.
inline thread_local ProfileBlock* t_profileBlock = nullptr;

// Allocates the thread table; a second call does nothing.
void ProfileInit();
// Registers the calling thread with the given group. Does nothing before ProfileInit, for a thread that is
// registered already, and when all slots are taken.
void ProfileRegisterThread(int group);
// The next number of the process-wide group counter (0 for the first caller).
int ProfileNextGroup();
// Copies the stack of the registered thread with that id; false when no slot has it or its block is not stored
// yet, or when the thread kept changing its stack while it was copied.
bool ProfileSnapshotThread(ProfileSnapshot& destination, quint32 threadId);
// Replaces the list with every registered thread id in slot order; false before ProfileInit.
bool ProfileListThreads(QList<quint32>& ids);
// The kernel's id of the calling thread, as the thread table holds it.
quint32 ProfileCurrentThreadId();

inline void ProfileEnter(const char* label) {
    ProfileBlock* block = t_profileBlock;
    if (!block)
        return;
    const std::uint64_t s = block->state.load(std::memory_order_relaxed);
    const std::uint32_t depth = std::uint32_t(s);
    // Orders the label store after the previous state store, which the sampler's retry test relies on.
    std::atomic_thread_fence(std::memory_order_release);
    if (depth < std::uint32_t(kProfileStackSize))
        block->labels[depth].store(label, std::memory_order_relaxed);
    block->state.store(s + (std::uint64_t(1) << 32) + 1, std::memory_order_release);
}

inline void ProfileLeave() {
    ProfileBlock* block = t_profileBlock;
    if (!block)
        return;
    const std::uint64_t s = block->state.load(std::memory_order_relaxed);
    if (std::int32_t(std::uint32_t(s)) <= 0)
        return;
    // The slot above the new depth is never read, so it is left as it is rather than cleared.
    block->state.store(s + (std::uint64_t(1) << 32) - 1, std::memory_order_release);
}

// Opens a scope for the lifetime of the object; the label must be static (its address is its identity).
class ProfileScope {
public:
    explicit ProfileScope(const char* label) { ProfileEnter(label); }
    ~ProfileScope() { ProfileLeave(); }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;
};

#define PROFILE_CONCAT_INNER(a, b) a##b
#define PROFILE_CONCAT(a, b) PROFILE_CONCAT_INNER(a, b)
// Put at the start of a function: PROFILE_SCOPE("Class::Method");
#define PROFILE_SCOPE(label) ProfileScope PROFILE_CONCAT(profileScope_, __LINE__)(label)

// The counts of all samples taken since the last reset.
class ProfileStats {
public:
    struct Entry {
        const char* label;
        quint64 own;
        quint64 all;
        int group;
    };

    // The one instance of the program.
    static ProfileStats& Global();

    // Takes one snapshot of every registered thread and counts its labels, as many times as given (the samples of
    // a spell in which no stack changed).
    void Sample(quint64 times = 1);
    // Counts one stack (used by Sample; open so a stack can be counted without a live thread).
    void Count(const ProfileSnapshot& snapshot);
    void Reset();
    // Writes the report to the stream; without one it goes to the debug message output.
    void Dump(QTextStream* stream);

    quint64 Total() const;
    std::vector<Entry> Entries() const;

private:
    friend QString ProfileReportText();
    void CountLocked(const ProfileSnapshot& snapshot, quint64 times = 1);

    // A report from the log window may come while the sampler runs; the report takes it around dump and reset.
    mutable QRecursiveMutex m_mutex;
    std::vector<Entry> m_entries;
    quint64 m_total = 0;
};

// The report of the global statistics; the statistics are emptied afterwards.
QString ProfileReportText();

// Samples the registered threads at most every 10 ms until asked to stop.
class ProfileThread : public QThread {
public:
    explicit ProfileThread(QObject* parent = nullptr) : QThread(parent) {}
    void RequestStop() { m_stop.store(true); }
    bool IsRunning() const { return m_running.load(); }

protected:
    void run() override;

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};
