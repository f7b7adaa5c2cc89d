#include "foundation/profiler.h"
#include "foundation/profilerwake.h"

#include <QDebug>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace {

// The thread table: block pointers and the thread ids that claimed their slots. Allocated by ProfileInit and
// kept until the process ends, as are the blocks.
struct ThreadTable {
    std::atomic<ProfileBlock*> blocks[kProfileMaxThreads];
    std::atomic<quint32> ids[kProfileMaxThreads];
};

std::atomic<ThreadTable*> g_table{nullptr};
std::atomic<int> g_nextGroup{0};

// A thread changing its stack while it is copied makes the copy start over; a thread that never lets a copy
// through is left out of this sample rather than holding up the sampler.
constexpr int kSnapshotAttempts = 64;

bool SnapshotBlock(const ProfileBlock* block, ProfileSnapshot& destination) {
    for (int attempt = 0; attempt < kSnapshotAttempts; ++attempt) {
        const std::uint64_t before = block->state.load(std::memory_order_acquire);
        const int depth = std::int32_t(std::uint32_t(before));
        const int stored = std::clamp(depth, 0, kProfileStackSize);
        for (int i = 0; i < stored; ++i)
            destination.labels[i] = block->labels[i].load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (block->state.load(std::memory_order_relaxed) != before)
            continue;
        std::fill(destination.labels + stored, destination.labels + kProfileStackSize, nullptr);
        destination.depth = depth;
        destination.group = block->group;
        return true;
    }
    return false;
}

} // namespace

void ProfileInit() {
    if (g_table.load(std::memory_order_acquire))
        return;
    auto* table = new ThreadTable;
    for (int i = 0; i < kProfileMaxThreads; ++i) {
        table->blocks[i].store(nullptr, std::memory_order_relaxed);
        table->ids[i].store(0, std::memory_order_relaxed);
    }
    ThreadTable* expected = nullptr;
    if (!g_table.compare_exchange_strong(expected, table, std::memory_order_acq_rel))
        delete table; // another thread was first
}

quint32 ProfileCurrentThreadId() {
    return quint32(::gettid());
}

void ProfileRegisterThread(int group) {
    ThreadTable* table = g_table.load(std::memory_order_acquire);
    if (!table || t_profileBlock)
        return;
    const quint32 id = ProfileCurrentThreadId();
    for (int i = 0; i < kProfileMaxThreads; ++i) {
        quint32 expected = 0;
        if (table->ids[i].load(std::memory_order_relaxed) != 0 ||
            !table->ids[i].compare_exchange_strong(expected, id, std::memory_order_acq_rel))
            continue;
        auto* block = new ProfileBlock;
        for (auto& label : block->labels)
            label.store(nullptr, std::memory_order_relaxed);
        block->state.store(0, std::memory_order_relaxed);
        block->group = group;
        table->blocks[i].store(block, std::memory_order_release);
        t_profileBlock = block;
        return;
    }
}

int ProfileNextGroup() {
    return g_nextGroup.fetch_add(1);
}

bool ProfileSnapshotThread(ProfileSnapshot& destination, quint32 threadId) {
    ThreadTable* table = g_table.load(std::memory_order_acquire);
    if (!table || threadId == 0)
        return false;
    for (int i = 0; i < kProfileMaxThreads; ++i) {
        if (table->ids[i].load(std::memory_order_acquire) != threadId)
            continue;
        const ProfileBlock* block = table->blocks[i].load(std::memory_order_acquire);
        return block && SnapshotBlock(block, destination);
    }
    return false;
}

bool ProfileListThreads(QList<quint32>& ids) {
    ThreadTable* table = g_table.load(std::memory_order_acquire);
    if (!table)
        return false;
    ids.clear();
    for (int i = 0; i < kProfileMaxThreads; ++i) {
        const quint32 id = table->ids[i].load(std::memory_order_acquire);
        if (id != 0)
            ids.append(id);
    }
    return true;
}

ProfileStats& ProfileStats::Global() {
    static ProfileStats stats;
    return stats;
}

void ProfileStats::Sample(quint64 times) {
    ThreadTable* table = g_table.load(std::memory_order_acquire);
    if (!table)
        return;
    // Slot by slot rather than by id: a dead thread's id may be reused by a newer thread in another slot.
    ProfileSnapshot snapshot;
    QMutexLocker lock(&m_mutex);
    for (int i = 0; i < kProfileMaxThreads; ++i) {
        if (table->ids[i].load(std::memory_order_acquire) == 0)
            continue;
        const ProfileBlock* block = table->blocks[i].load(std::memory_order_acquire);
        if (!block || !SnapshotBlock(block, snapshot) || snapshot.depth <= 0)
            continue;
        CountLocked(snapshot, times);
    }
}

void ProfileStats::Count(const ProfileSnapshot& snapshot) {
    QMutexLocker lock(&m_mutex);
    CountLocked(snapshot);
}

void ProfileStats::CountLocked(const ProfileSnapshot& snapshot, quint64 times) {
    if (snapshot.depth <= 0)
        return;
    // Beyond the stack size the real innermost label is unknown; the deepest stored one stands for it, so
    // every counted sample has exactly one own label.
    const int levels = std::min(snapshot.depth, kProfileStackSize);
    for (int j = 0; j < levels; ++j) {
        const char* label = snapshot.labels[j];
        const bool innermost = j == levels - 1;
        auto it = std::find_if(m_entries.begin(), m_entries.end(),
                               [&](const Entry& e) { return e.label == label && e.group == snapshot.group; });
        if (it == m_entries.end()) {
            m_entries.push_back(Entry{label, innermost ? times : 0u, times, snapshot.group});
        } else {
            it->all += times;
            if (innermost)
                it->own += times;
        }
        if (innermost)
            m_total += times;
    }
}

void ProfileStats::Reset() {
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
    m_total = 0;
}

quint64 ProfileStats::Total() const {
    QMutexLocker lock(&m_mutex);
    return m_total;
}

std::vector<ProfileStats::Entry> ProfileStats::Entries() const {
    QMutexLocker lock(&m_mutex);
    return m_entries;
}

namespace {
// Share of a count in percent; a sum of 0 gives 0 rather than a division fault.
quint64 Percent(quint64 count, quint64 sum) {
    return sum == 0 ? 0 : count * 100 / sum;
}
} // namespace

void ProfileStats::Dump(QTextStream* stream) {
    QString collected;
    QTextStream own(&collected);
    QTextStream& out = stream ? *stream : own;

    std::vector<Entry> sorted = Entries();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.own > b.own; });
    std::vector<int> groups;
    for (const Entry& e : sorted)
        if (std::find(groups.begin(), groups.end(), e.group) == groups.end())
            groups.push_back(e.group);
    std::sort(groups.begin(), groups.end());

    const QChar blank(QLatin1Char(' '));
    for (int group : groups) {
        quint64 ownSum = 0, allSum = 0;
        int n = 0;
        for (const Entry& e : sorted) {
            if (e.group != group)
                continue;
            ownSum += e.own;
            allSum += e.all;
            ++n;
        }
        out << QStringLiteral("\nThreadGrp %1/%2: %3(own) %4(all) name\n")
                   .arg(group, 3, 10, blank)
                   .arg(n, 5, 10, blank)
                   .arg(ownSum, 8, 10, blank)
                   .arg(allSum, 8, 10, blank);
        int k = 0;
        for (const Entry& e : sorted) {
            if (e.group != group)
                continue;
            ++k;
            out << QStringLiteral("Profile %1/%2: %3(%4) %5(%6) %7\n")
                       .arg(k, 5, 10, blank)
                       .arg(n, 5, 10, blank)
                       .arg(e.own, 8, 10, blank)
                       .arg(Percent(e.own, ownSum), 3, 10, blank)
                       .arg(e.all, 8, 10, blank)
                       .arg(Percent(e.all, allSum), 3, 10, blank)
                       .arg(QString::fromUtf8(e.label ? e.label : ""));
        }
    }
    out.flush();
    if (!stream)
        qDebug().noquote() << collected;
}

QString ProfileReportText() {
    QString text;
    QTextStream stream(&text, QIODevice::ReadWrite);
    ProfileStats& stats = ProfileStats::Global();
    QMutexLocker lock(&stats.m_mutex); // no sample may fall between the dump and the reset
    stats.Dump(&stream);
    stats.Reset();
    return text;
}

namespace {
constexpr int kProfileStartDelayMs = 1000;
constexpr int kProfileSampleIntervalMs = 10;
// While every stack stays as it was, the sampler sleeps longer, up to this; the samples of the spell are
// counted when it wakes, so the counts stay those of a sample every 10 ms.
constexpr int kProfileQuietIntervalMs = 250;

// Samples made up for after a late wake; beyond, the machine was suspended or stalled, and the count starts again.
constexpr qint64 kProfileMaxCatchUp = 100;

std::mutex g_samplerMutex;
std::condition_variable g_samplerWake;

// A hash of every registered thread's stack (depths and label addresses); a stack that could not be copied
// consistently counts as changed.
quint64 StackFingerprint(ProfileSnapshot& scratch) {
    ThreadTable* table = g_table.load(std::memory_order_acquire);
    quint64 h = 14695981039346656037ULL;
    auto mix = [&h](quint64 v) { h = (h ^ v) * 1099511628211ULL; };
    if (!table)
        return h;
    static std::atomic<quint64> unstable{0};
    for (int i = 0; i < kProfileMaxThreads; ++i) {
        if (table->ids[i].load(std::memory_order_acquire) == 0)
            continue;
        const ProfileBlock* block = table->blocks[i].load(std::memory_order_acquire);
        if (!block)
            continue;
        if (!SnapshotBlock(block, scratch)) {
            mix(unstable.fetch_add(1) | (quint64(1) << 63));
            continue;
        }
        mix(quint64(i));
        mix(quint64(std::uint32_t(scratch.depth)));
        for (int j = 0; j < std::min(scratch.depth, kProfileStackSize); ++j)
            mix(quint64(reinterpret_cast<quintptr>(scratch.labels[j])));
    }
    return h;
}
} // namespace

void ProfileWakeSamplers() {
    std::lock_guard<std::mutex> lock(g_samplerMutex);
    g_samplerWake.notify_all();
}

void ProfileThread::run() {
    // Counts a sample every 10 ms, but without waking a hundred times a second at rest: the
    // thread sleeps until the next sample is due, and while no stack changes it lets the interval grow to
    // 250 ms and counts the missed samples (of the same stacks) when it wakes. A stop request together with
    // ProfileWakeSamplers ends any sleep at once.
    using Clock = std::chrono::steady_clock;
    const auto tick = std::chrono::milliseconds(kProfileSampleIntervalMs);
    auto sleepUntil = [this](Clock::time_point deadline) {
        PROFILE_SCOPE("idle");
        std::unique_lock<std::mutex> lock(g_samplerMutex);
        return g_samplerWake.wait_until(lock, deadline, [this] { return m_stop.load(); });
    };
    m_running.store(true);
    std::unique_ptr<ProfileSnapshot> scratch(new ProfileSnapshot);
    if (!sleepUntil(Clock::now() + std::chrono::milliseconds(kProfileStartDelayMs))) {
        quint64 fingerprint = StackFingerprint(*scratch);
        Clock::time_point counted = Clock::now(); // samples are counted up to here
        auto interval = tick;
        ProfileStats::Global().Sample();
        while (!sleepUntil(counted + interval)) {
            const Clock::time_point now = Clock::now();
            const quint64 current = StackFingerprint(*scratch);
            // The samples due since the last count; after a suspended machine the count starts again rather
            // than making up for hours.
            qint64 due = std::max<qint64>(1, (now - counted) / tick);
            if (due > kProfileMaxCatchUp) {
                due = 1;
                counted = now;
            } else {
                counted += due * tick;
            }
            // The stacks of a quiet spell stayed as they are now: one snapshot counts for all its samples.
            ProfileStats::Global().Sample(quint64(due));
            interval = current == fingerprint
                           ? std::min(interval * 2, std::chrono::milliseconds(kProfileQuietIntervalMs))
                           : tick;
            fingerprint = current;
        }
    }
    m_running.store(false);
}
