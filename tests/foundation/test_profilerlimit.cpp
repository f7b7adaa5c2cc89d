#include "foundation/profiler.h"

#include <QtTest>

#include <thread>

// Registration limits live in their own process: the thread table cannot be emptied once filled.
class TestProfilerLimit : public QObject {
    Q_OBJECT
private slots:
    void nothingBeforeInit() {
        ProfileRegisterThread(0);
        QVERIFY(!t_profileBlock);
        ProfileEnter("Before::Init");
        ProfileLeave();
        QList<quint32> ids{1, 2};
        QVERIFY(!ProfileListThreads(ids));
        ProfileSnapshot snap;
        QVERIFY(!ProfileSnapshotThread(snap, ProfileCurrentThreadId()));
        ProfileStats stats;
        stats.Sample();
        QCOMPARE(stats.Total(), 0ull);
    }

    void tableHoldsAtMost2048Threads() {
        ProfileInit();
        QList<quint32> ids;
        QVERIFY(ProfileListThreads(ids));
        QVERIFY(ids.isEmpty());

        ProfileRegisterThread(ProfileNextGroup());
        QVERIFY(t_profileBlock);
        ProfileBlock* mine = t_profileBlock;
        ProfileRegisterThread(7); // already registered: keeps its block and group
        QCOMPARE(t_profileBlock, mine);
        QCOMPARE(mine->group, 0);

        int registered = 1;
        for (int i = 1; i < kProfileMaxThreads + 2; ++i) {
            bool ok = false;
            std::thread([&] {
                ProfileRegisterThread(ProfileNextGroup());
                ok = t_profileBlock != nullptr;
            }).join();
            registered += ok ? 1 : 0;
            QCOMPARE(ok, i < kProfileMaxThreads);
        }
        QCOMPARE(registered, kProfileMaxThreads);
        QVERIFY(ProfileListThreads(ids));
        QCOMPARE(ids.size(), kProfileMaxThreads);
        QCOMPARE(ids.first(), ProfileCurrentThreadId());

        ProfileInit(); // a second call keeps the table
        QVERIFY(ProfileListThreads(ids));
        QCOMPARE(ids.size(), kProfileMaxThreads);

        // A full table still samples: the registered main thread's scope is counted.
        static const char label[] = "Main::Scope";
        ProfileStats stats;
        {
            PROFILE_SCOPE(label);
            stats.Sample();
        }
        QCOMPARE(stats.Total(), 1ull);
        QCOMPARE(stats.Entries().front().label, static_cast<const char*>(label));
    }
};

QTEST_GUILESS_MAIN(TestProfilerLimit)
#include "test_profilerlimit.moc"
