#include "foundation/profiler.h"
#include "foundation/profilerwake.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <QtTest>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace {

// Lets the main thread look at a worker while it holds its scopes open.
class Gate {
public:
    void Open() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_cv.notify_all();
    }
    void Wait() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [this] { return m_open; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_open = false;
};

// A worker that registers (or not), opens the given scopes, reports ready and holds them until released.
class ScopedWorker {
public:
    ScopedWorker(bool registered, int group, std::vector<const char*> labels)
        : m_thread([this, registered, group, labels] {
              if (registered)
                  ProfileRegisterThread(group);
              id = ProfileCurrentThreadId();
              for (const char* l : labels)
                  ProfileEnter(l);
              ready.Open();
              release.Wait();
              for (size_t i = 0; i < labels.size(); ++i)
                  ProfileLeave();
          }) {
        ready.Wait();
    }
    ~ScopedWorker() {
        release.Open();
        m_thread.join();
    }
    quint32 id = 0;
    Gate ready, release;

private:
    std::thread m_thread;
};

const ProfileStats::Entry* FindEntry(const std::vector<ProfileStats::Entry>& entries, const char* label, int group) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const ProfileStats::Entry& e) { return e.label == label && e.group == group; });
    return it == entries.end() ? nullptr : &*it;
}

bool HasLabel(const std::vector<ProfileStats::Entry>& entries, const char* label) {
    return std::any_of(entries.begin(), entries.end(), [&](const ProfileStats::Entry& e) { return e.label == label; });
}

ProfileSnapshot Stack(int group, std::initializer_list<const char*> labels) {
    ProfileSnapshot s;
    std::fill(std::begin(s.labels), std::end(s.labels), nullptr);
    int i = 0;
    for (const char* l : labels)
        s.labels[i++] = l;
    s.depth = i;
    s.group = group;
    return s;
}

} // namespace

class TestProfiler : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ProfileInit();
        ProfileInit(); // a second call keeps the table
        ProfileRegisterThread(ProfileNextGroup());
        QVERIFY(t_profileBlock);
    }

    void registeredThreadsAreSampledUnregisteredNot() {
        static const char outer[] = "Worker::Run";
        static const char inner[] = "Worker::Step";
        static const char hidden[] = "Hidden::Run";
        ScopedWorker a(true, 11, {outer, inner});
        ScopedWorker b(true, 12, {outer});
        ScopedWorker ghost(false, 13, {hidden, hidden});

        QList<quint32> ids;
        QVERIFY(ProfileListThreads(ids));
        QVERIFY(ids.contains(a.id));
        QVERIFY(ids.contains(b.id));
        QVERIFY(!ids.contains(ghost.id));
        ProfileSnapshot snap;
        QVERIFY(!ProfileSnapshotThread(snap, ghost.id));
        QVERIFY(ProfileSnapshotThread(snap, a.id));
        QCOMPARE(snap.depth, 2);
        QCOMPARE(snap.group, 11);
        QCOMPARE(snap.labels[0], outer);
        QCOMPARE(snap.labels[1], inner);
        QCOMPARE(snap.labels[2], static_cast<const char*>(nullptr));

        ProfileStats stats;
        stats.Sample();
        stats.Sample();
        const auto entries = stats.Entries();
        QVERIFY(!HasLabel(entries, hidden));
        const auto* aOuter = FindEntry(entries, outer, 11);
        const auto* aInner = FindEntry(entries, inner, 11);
        const auto* bOuter = FindEntry(entries, outer, 12);
        QVERIFY(aOuter && aInner && bOuter);
        QCOMPARE(aOuter->all, 2ull);
        QCOMPARE(aOuter->own, 0ull);
        QCOMPARE(aInner->own, 2ull);
        QCOMPARE(bOuter->own, 2ull);
        // The main thread is registered but has no open scope: it is skipped, so the total is the workers'.
        QCOMPARE(stats.Total(), 4ull);

        // One snapshot counted for the samples of a quiet spell counts as that many.
        stats.Reset();
        stats.Sample(3);
        QCOMPARE(FindEntry(stats.Entries(), inner, 11)->own, 3ull);
        QCOMPARE(FindEntry(stats.Entries(), outer, 11)->all, 3ull);
        QCOMPARE(stats.Total(), 6ull);
    }

    void deepStackKeepsLowerSlots() {
        static char names[kProfileStackSize + 8][8];
        for (int i = 0; i < kProfileStackSize + 8; ++i)
            qsnprintf(names[i], sizeof names[i], "L%d", i);
        const quint32 me = ProfileCurrentThreadId();
        for (auto& n : names)
            ProfileEnter(n);
        ProfileSnapshot snap;
        QVERIFY(ProfileSnapshotThread(snap, me));
        QCOMPARE(snap.depth, kProfileStackSize + 8);
        for (int i = 0; i < kProfileStackSize; ++i)
            QCOMPARE(snap.labels[i], static_cast<const char*>(names[i]));

        // Beyond the stack the deepest stored label stands for the innermost one, so the group's own sum is not 0.
        ProfileStats stats;
        stats.Count(snap);
        QCOMPARE(stats.Total(), 1ull);
        QString text;
        QTextStream out(&text);
        stats.Dump(&out);
        QVERIFY2(text.contains(QStringLiteral("       1(100)        1(  0) L1023\n")), qPrintable(text.right(200)));

        for (int i = 0; i < 8; ++i)
            ProfileLeave();
        QVERIFY(ProfileSnapshotThread(snap, me));
        QCOMPARE(snap.depth, kProfileStackSize);
        QCOMPARE(snap.labels[kProfileStackSize - 1], static_cast<const char*>(names[kProfileStackSize - 1]));
        for (int i = 0; i < kProfileStackSize + 3; ++i)
            ProfileLeave(); // three more than open: a leave at depth 0 changes nothing
        QVERIFY(ProfileSnapshotThread(snap, me));
        QCOMPARE(snap.depth, 0);
        {
            PROFILE_SCOPE("Test::Scope");
            QVERIFY(ProfileSnapshotThread(snap, me));
            QCOMPARE(snap.depth, 1);
            QCOMPARE(QByteArray(snap.labels[0]), QByteArray("Test::Scope"));
        }
        QVERIFY(ProfileSnapshotThread(snap, me));
        QCOMPARE(snap.depth, 0);
    }

    // Workers change their stacks as fast as they can while the main thread copies them: every copy must be a
    // stack that really existed. Each worker keeps one colour per climb from depth 0, so a copy taken across a
    // pop and a push shows two colours or a label at the wrong level.
    void snapshotsOfBusyThreadsAreConsistent() {
        constexpr int kLevels = 12;
        static char labels[2][kLevels][12];
        for (int c = 0; c < 2; ++c)
            for (int l = 0; l < kLevels; ++l)
                qsnprintf(labels[c][l], sizeof labels[c][l], "%s%d", c ? "blue" : "red", l);

        std::atomic<bool> stop{false};
        std::vector<std::thread> workers;
        std::vector<std::atomic<quint32>> ids(3);
        for (int w = 0; w < 3; ++w) {
            workers.emplace_back([&, w] {
                ProfileRegisterThread(100 + w);
                ids[w] = ProfileCurrentThreadId();
                unsigned rng = 12345u + unsigned(w);
                int colour = 0, depth = 0;
                while (!stop.load(std::memory_order_relaxed)) {
                    rng = rng * 1103515245u + 12345u;
                    const bool up = depth == 0 || (depth < kLevels && (rng >> 16) % 2);
                    if (up) {
                        ProfileEnter(labels[colour][depth++]);
                    } else {
                        ProfileLeave();
                        if (--depth == 0)
                            colour ^= 1;
                    }
                }
                while (depth-- > 0)
                    ProfileLeave();
            });
        }
        for (auto& id : ids)
            while (id.load() == 0)
                std::this_thread::yield();

        int checked = 0;
        ProfileSnapshot snap;
        for (int round = 0; round < 100000; ++round) {
            const quint32 id = ids[round % 3].load();
            if (!ProfileSnapshotThread(snap, id) || snap.depth == 0)
                continue;
            bool ok = snap.depth <= kLevels;
            const int colour = ok && snap.labels[0] == labels[1][0] ? 1 : 0;
            for (int l = 0; ok && l < snap.depth; ++l)
                ok = snap.labels[l] == labels[colour][l];
            if (!ok) {
                stop = true;
                for (auto& t : workers)
                    t.join();
                QFAIL(qPrintable(QStringLiteral("inconsistent copy at depth %1").arg(snap.depth)));
            }
            ++checked;
        }
        stop = true;
        for (auto& t : workers)
            t.join();
        QVERIFY(checked > 0);
    }

    void reportFormat() {
        static const char main[] = "Main::Run";
        static const char work[] = "Main::Work";
        static const char t[] = "Stat::Run";
        static const char idle[] = "idle";
        ProfileStats stats;
        // Group 2 first: the report still lists groups in ascending order.
        stats.Count(Stack(2, {t, idle}));
        stats.Count(Stack(2, {t, idle}));
        stats.Count(Stack(0, {main}));
        for (int i = 0; i < 3; ++i)
            stats.Count(Stack(0, {main, work}));
        stats.Count(Stack(0, {})); // an empty stack counts nothing

        const QString expected = QStringLiteral("\nThreadGrp   0/    2:        4(own)        7(all) name\n"
                                                "Profile     1/    2:        3( 75)        3( 42) Main::Work\n"
                                                "Profile     2/    2:        1( 25)        4( 57) Main::Run\n"
                                                "\nThreadGrp   2/    2:        2(own)        4(all) name\n"
                                                "Profile     1/    2:        2(100)        2( 50) idle\n"
                                                "Profile     2/    2:        0(  0)        2( 50) Stat::Run\n");
        QString text;
        QTextStream out(&text);
        stats.Dump(&out);
        QCOMPARE(text, expected);
        QCOMPARE(stats.Total(), 6ull);

        // Without a stream the same report goes to the debug output.
        QTest::ignoreMessage(QtDebugMsg, qPrintable(expected));
        stats.Dump(nullptr);

        stats.Reset();
        text.clear();
        stats.Dump(&out);
        QCOMPARE(text, QString());
        QCOMPARE(stats.Total(), 0ull);
    }

    void reportTextEmptiesTheStatistics() {
        static const char label[] = "Report::Once";
        ProfileStats::Global().Count(Stack(5, {label}));
        const QString first = ProfileReportText();
        QVERIFY(first.contains(QStringLiteral("Report::Once")));
        QCOMPARE(ProfileStats::Global().Total(), 0ull);
        QCOMPARE(ProfileReportText(), QString());
    }

    void samplerThreadCountsAndStops() {
        static const char busy[] = "Busy::Wait";
        ScopedWorker worker(true, 42, {busy});
        ProfileThread sampler;
        sampler.start(QThread::HighestPriority);
        QTRY_VERIFY_WITH_TIMEOUT(HasLabel(ProfileStats::Global().Entries(), busy), 15000);
        QVERIFY(sampler.IsRunning());
        sampler.RequestStop();
        QVERIFY(sampler.wait(15000));
        QVERIFY(!sampler.IsRunning());
        const auto entries = ProfileStats::Global().Entries();
        const auto* e = FindEntry(entries, busy, 42);
        QVERIFY(e && e->own == e->all && e->own > 0);
        ProfileStats::Global().Reset();
    }

    // The program's exit waits for this thread: a stop request with the wake-up must end the start delay and
    // the sleeps between samples at once, not after a second.
    void stopEndsTheSleepingSampler() {
        static const char busy[] = "Busy::Stop";
        ScopedWorker worker(true, 43, {busy});
        for (bool sampling : {false, true}) {
            ProfileThread sampler;
            sampler.start();
            QTRY_VERIFY(sampler.IsRunning());
            if (sampling)
                QTRY_VERIFY_WITH_TIMEOUT(HasLabel(ProfileStats::Global().Entries(), busy), 15000);
            QElapsedTimer clock;
            clock.start();
            sampler.RequestStop();
            ProfileWakeSamplers();
            QVERIFY(sampler.wait(5000));
            QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(HasLabel(ProfileStats::Global().Entries(), busy), sampling);
            ProfileStats::Global().Reset();
        }
    }

    // While no stack changes the sampler wakes less often, but the samples of the quiet spell still count:
    // a stack held for a time gets about one sample per 10 ms, as if the sampler had woken every 10 ms.
    void quietSpellsStillCountEverySample() {
        static const char still[] = "Still::Here";
        ScopedWorker worker(true, 44, {still});
        ProfileThread sampler;
        sampler.start();
        QTRY_VERIFY_WITH_TIMEOUT(HasLabel(ProfileStats::Global().Entries(), still), 15000);
        QElapsedTimer clock;
        clock.start();
        const quint64 before = FindEntry(ProfileStats::Global().Entries(), still, 44)->own;
        QTest::qWait(1000);
        const quint64 after = FindEntry(ProfileStats::Global().Entries(), still, 44)->own;
        const qint64 expected = clock.elapsed() / 10;
        sampler.RequestStop();
        ProfileWakeSamplers();
        QVERIFY(sampler.wait(5000));
        ProfileStats::Global().Reset();
        // Loose bounds: a busy machine wakes the sampler late, and one quiet interval may still be open.
        QVERIFY2(qint64(after - before) >= expected / 2 && qint64(after - before) <= expected + 20,
                 qPrintable(QStringLiteral("%1 samples in %2 intervals").arg(after - before).arg(expected)));
    }
};

QTEST_GUILESS_MAIN(TestProfiler)
#include "test_profiler.moc"
