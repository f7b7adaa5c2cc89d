// The built-in provider called by name through the registry, against the recording stand-ins of every
// facility: each function's arguments, defaults and answer.

#include "functions/deffuncprovider.h"
#include "functions/funcmgr.h"
#include "functions/pal/audio.h"
#include "functions/pal/itunesthread.h"
#include "functions/pal/mediaplayers.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/processrunner.h"
#include "functions/pal/recordingmediaplayer.h"
#include "functions/pal/syscommands.h"
#include "functions/pal/sysstat.h"
#include "tests/functions/inputtestutil.h"

#include <QtTest>

#include <limits>

using namespace PAL_INT;

namespace {

constexpr quint64 kMiB = 1048576;

// Fixed figures: two CPUs, 100 MiB of memory with 1.5 MiB free, one drive, three processes.
class FixedStats : public StatSource {
public:
    quint64 rx = 0;
    bool GetMem(StatMem& m) override {
        m.total = 100 * kMiB;
        m.used = 100 * kMiB - kMiB - kMiB / 2;
        m.usedPercent = 98.5;
        return true;
    }
    bool GetCpuList(QVector<StatCpu>& cpus) override {
        cpus = {StatCpu{100, 0, 0}, StatCpu{100, 0, 0}};
        return true;
    }
    bool GetPrimaryInterface(StatNetConfig& c) override {
        c.name = QStringLiteral("eth0");
        c.ipv4 = 0x7F000001;
        return true;
    }
    bool GetInterfaceCounters(const QString&, StatNetCounters& c) override {
        c.rxBytes = rx;
        c.txBytes = rx / 2;
        return true;
    }
    bool GetFileSystems(QVector<StatFileSystem>& list) override {
        list = {StatFileSystem{QStringLiteral("/"), QStringLiteral("local")}};
        return true;
    }
    bool GetFileSystemUsage(const QString&, StatFsUsage& u) override {
        u.totalKB = 4096 * 1024;
        u.usedKB = 1024 * 1024;
        u.usePercent = 0.25;
        return true;
    }
    bool GetProcList(QVector<qint64>& pids) override {
        pids = {1, 2, 3};
        return true;
    }
    bool GetProcExe(qint64, QString&) override { return false; }
    void GetCpuClocks(int count, int* clocks, float* fractions) override {
        for (int i = 0; i < count; ++i) {
            clocks[i] = 1200;
            fractions[i] = 0.5f;
        }
    }
    void GetCpuTemperatures(int count, float* temperatures) override {
        for (int i = 0; i < count; ++i)
            temperatures[i] = 45;
    }
};

QVariant Call(const QString& name, const QVariantList& args = QVariantList()) {
    return CallProviderFunction(GetFuncProviderList(), name, args);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestDefFuncProvider : public QObject {
    Q_OBJECT

    FakeAudioBackend m_audio;
    RecordingProcessRunner m_runner;
    RecordingSystemPower m_power;
    std::shared_ptr<RecordingMediaPlayer> m_winamp;
    std::shared_ptr<RecordingMediaPlayer> m_wmp;
    std::shared_ptr<RecordingMediaPlayer> m_itunes;
    FixedStats* m_stats = nullptr;
    qint64 m_clock = 1000000;

    // Every refresh of the statistics, once with the counters before and once after.
    void Refresh() {
        PAL::GetRAMUsed();
        PAL::GetNetRx(0);
        PAL::GetDriveCount();
        for (int i = 0; i < 2; ++i) {
            m_clock += 20000;
            PAL::GetRAMUsed();
            PAL::GetNetRx(0);
            PAL::GetDriveCount();
            PAL::GetCPUCount();
            _UpdateRAM();
            _UpdateCPUs();
            _UpdateNets();
            _UpdateDrives();
            _UpdateProcs();
            m_stats->rx += 3000;
        }
    }

    // What the stand-ins were asked to do, in one list.
    QStringList Journal(RecordedInput& input) {
        QStringList out;
        out << m_audio.log << m_power.requests << m_runner.CallLines() << input.Named();
        for (const QString& c : m_winamp->Calls())
            out << QStringLiteral("Winamp ") + c;
        for (const QString& c : m_wmp->Calls())
            out << QStringLiteral("WMP ") + c;
        return out;
    }

private slots:
    void initTestCase() {
        RegisterBuiltInFuncProvider([] { return new DefFuncProvider; });
        SetAudioBackend(&m_audio);
        SetProcessRunner(&m_runner);
        SetSystemPower(&m_power);
        ResetSysStats();
        m_stats = new FixedStats;
        SetStatSource(m_stats);
        SetStatClock([this] { return m_clock; });
        Refresh();
    }

    void cleanupTestCase() {
        DeleteFuncProviders();
        SetAudioBackend(nullptr);
        SetProcessRunner(nullptr);
        SetSystemPower(nullptr);
        SetStatSource(nullptr);
        SetStatClock(std::function<qint64()>());
        SetUserSettingReader(UserSettingReader());
        PAL_WIN32_INT::StopItunesThread();
    }

    void init() {
        m_audio.log.clear();
        m_audio.volume[0] = 0.3;
        m_audio.volume[1] = 0.7;
        m_audio.mute[0] = false;
        m_audio.mute[1] = true;
        m_audio.sessions.clear();
        m_runner.calls.clear();
        m_power.requests.clear();
        m_winamp = std::make_shared<RecordingMediaPlayer>();
        m_wmp = std::make_shared<RecordingMediaPlayer>();
        m_itunes = std::make_shared<RecordingMediaPlayer>();
        SetMediaPlayerBackend(QStringLiteral("Winamp"), m_winamp);
        SetMediaPlayerBackend(QStringLiteral("Windows Media Player"), m_wmp);
        SetMediaPlayerBackend(QStringLiteral("iTunes"), m_itunes);
        SetUserSettingReader([](const QString& key) {
            return key == QLatin1String("DefaultMediaPlayer") ? QVariant(QStringLiteral("Windows Media Player"))
                                                              : QVariant();
        });
        ResetWinampRememberedVolume();
    }

    void names() {
        DefFuncProvider dfp;
        const QStringList names = dfp.GetFunctionNames();
        QCOMPARE(names.size(), 47);
        QCOMPARE(names.first(), QStringLiteral("CPU_Count"));
        QCOMPARE(names.last(), QStringLiteral("TARN_Color_Set"));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 47);
        QCOMPARE(dfp.GetName(), QStringLiteral("DFP"));
        // The built-in provider leads the registry's list.
        QCOMPARE(GetFuncProviderList().first()->GetName(), QStringLiteral("DFP"));
    }

    void functions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QVariant>("result");
        QTest::addColumn<QStringList>("journal");
        const QStringList none;
        const QVariant nothing = QVariant(int(0));

        // Statistics
        QTest::newRow("CPU_Count") << "DFP:CPU_Count" << QVariantList() << QVariant(2) << none;
        QTest::newRow("CPU_Usage, all CPUs") << "DFP:CPU_Usage" << QVariantList() << QVariant(0.0) << none;
        QTest::newRow("CPU_Frequency") << "DFP:CPU_Frequency" << QVariantList{0} << QVariant(1200) << none;
        QTest::newRow("CPU_Frequency, index as text")
            << "DFP:CPU_Frequency" << QVariantList{QStringLiteral("1")} << QVariant(1200) << none;
        QTest::newRow("CPU_Frequency beyond the count")
            << "DFP:CPU_Frequency" << QVariantList{2} << QVariant(0) << none;
        QTest::newRow("CPU_MaxFrequency") << "DFP:CPU_MaxFrequency" << QVariantList() << QVariant(0.5) << none;
        QTest::newRow("CPU_Temperature") << "DFP:CPU_Temperature" << QVariantList{1} << QVariant(45) << none;
        QTest::newRow("RAM_Usage_Prc") << "DFP:RAM_Usage_Prc" << QVariantList() << QVariant(0.985) << none;
        QTest::newRow("RAM_Usage_MB rounds up") << "DFP:RAM_Usage_MB" << QVariantList() << QVariant(99) << none;
        QTest::newRow("RAM_Total_MB") << "DFP:RAM_Total_MB" << QVariantList() << QVariant(100) << none;
        QTest::newRow("RAM_Free_MB: 1.5 MB gives 2") << "DFP:RAM_Free_MB" << QVariantList() << QVariant(2) << none;
        QTest::newRow("NET_Usage_Rx_Bs") << "DFP:NET_Usage_Rx_Bs" << QVariantList() << QVariant(qlonglong(3000))
                                         << none;
        QTest::newRow("NET_Usage_Tx_Bs") << "DFP:NET_Usage_Tx_Bs" << QVariantList{0} << QVariant(qlonglong(1500))
                                         << none;
        QTest::newRow("PRC_Count") << "DFP:PRC_Count" << QVariantList() << QVariant(3) << none;
        QTest::newRow("DRV_Count") << "DFP:DRV_Count" << QVariantList() << QVariant(1) << none;
        QTest::newRow("DRV_Name") << "DFP:DRV_Name" << QVariantList{QStringLiteral("0")} << QVariant("/") << none;
        QTest::newRow("DRV_Size_MB") << "DFP:DRV_Size_MB" << QVariantList{QStringLiteral("/")}
                                     << QVariant(qlonglong(4096)) << none;
        QTest::newRow("DRV_Used_MB") << "DFP:DRV_Used_MB" << QVariantList{QStringLiteral("/")}
                                     << QVariant(qlonglong(1024)) << none;
        QTest::newRow("DRV_Free_MB") << "DFP:DRV_Free_MB" << QVariantList{QStringLiteral("/")}
                                     << QVariant(qlonglong(3072)) << none;
        QTest::newRow("DRV_Free_MB, no drive") << "DFP:DRV_Free_MB" << QVariantList() << QVariant(qlonglong(0)) << none;
        QTest::newRow("DRV_Type") << "DFP:DRV_Type" << QVariantList{QStringLiteral("/")} << QVariant("local") << none;

        // Keys and programs
        QTest::newRow("SendShortcut down")
            << "DFP:SendShortcut" << QVariantList{QStringLiteral("LCTRL+C"), QStringLiteral("DOWN")} << nothing
            << QStringList({"dn LCTRL", "dn C"});
        QTest::newRow("SendShortcut, no shortcut") << "DFP:SendShortcut" << QVariantList() << nothing << none;
        QTest::newRow("GetKeyState, unknown key")
            << "DFP:GetKeyState" << QVariantList{QStringLiteral("NOPE")} << QVariant(0) << none;
        QTest::newRow("DoExecute lock") << "DFP:DoExecute" << QVariantList{QStringLiteral("!Lock")} << nothing
                                        << QStringList({"Lock"});
        QTest::newRow("DoExecute, nothing") << "DFP:DoExecute" << QVariantList() << nothing << none;

        // Audio
        QTest::newRow("SND_Vol_Main_Get") << "DFP:SND_Vol_Main_Get" << QVariantList() << QVariant(0.3) << none;
        QTest::newRow("SND_Vol_Main_Set default")
            << "DFP:SND_Vol_Main_Set" << QVariantList() << nothing << QStringList({"SetVolume render 0.5"});
        QTest::newRow("SND_Vol_Main_Set")
            << "DFP:SND_Vol_Main_Set" << QVariantList{0.25} << nothing << QStringList({"SetVolume render 0.25"});
        QTest::newRow("SND_Vol_Main_Set not a number")
            << "DFP:SND_Vol_Main_Set" << QVariantList{kNaN} << nothing << none;
        QTest::newRow("SND_Mute_Main_Get") << "DFP:SND_Mute_Main_Get" << QVariantList() << QVariant(false) << none;
        QTest::newRow("SND_Mute_Main_Set default unmutes")
            << "DFP:SND_Mute_Main_Set" << QVariantList() << QVariant(false) << QStringList({"SetMute render 0"});
        QTest::newRow("SND_Mute_Main_Set")
            << "DFP:SND_Mute_Main_Set" << QVariantList{true} << QVariant(true) << QStringList({"SetMute render 1"});
        QTest::newRow("SND_Vol_Micro_Get") << "DFP:SND_Vol_Micro_Get" << QVariantList() << QVariant(0.7) << none;
        QTest::newRow("SND_Vol_Micro_Set") << "DFP:SND_Vol_Micro_Set" << QVariantList{QStringLiteral("0.1")} << nothing
                                           << QStringList({"SetVolume capture 0.1"});
        QTest::newRow("SND_Mute_Micro_Get") << "DFP:SND_Mute_Micro_Get" << QVariantList() << QVariant(true) << none;
        QTest::newRow("SND_Mute_Micro_Set")
            << "DFP:SND_Mute_Micro_Set" << QVariantList{false} << QVariant(false) << QStringList({"SetMute capture 0"});
        QTest::newRow("SND_Audio_SetSessionVolume, no such process")
            << "DFP:SND_Audio_SetSessionVolume" << QVariantList{4242, 0.5} << nothing << none;

        // Music on the default player (Windows Media Player here, not running)
        QTest::newRow("SND_Vol_Music_Get, no player")
            << "DFP:SND_Vol_Music_Get" << QVariantList() << QVariant(0.0) << none;
        QTest::newRow("SND_Mute_Music_Set, no player")
            << "DFP:SND_Mute_Music_Set" << QVariantList{true} << QVariant(false) << none;
        QTest::newRow("SND_GetMediaPlayers")
            << "DFP:SND_GetMediaPlayers" << QVariantList()
            << QVariant(QStringList({"Winamp", "iTunes", "Windows Media Player"})) << none;
        QTest::newRow("SND_GetCurrentMediaPlayer default")
            << "DFP:SND_GetCurrentMediaPlayer" << QVariantList() << QVariant("Windows Media Player") << none;
        QTest::newRow("SND_GetCurrentMediaPlayer named")
            << "DFP:SND_GetCurrentMediaPlayer" << QVariantList{QStringLiteral("Winamp")} << QVariant("Winamp") << none;
        QTest::newRow("SND_GetCurrentMediaPlayer unknown")
            << "DFP:SND_GetCurrentMediaPlayer" << QVariantList{QStringLiteral("VLC")}
            << QVariant("Windows Media Player") << none;
        QTest::newRow("SND_IsMediaPlayerRunning")
            << "DFP:SND_IsMediaPlayerRunning" << QVariantList{QStringLiteral("Winamp")} << QVariant(false) << none;
        QTest::newRow("SND_Music_GetInfo, Winamp away")
            << "DFP:SND_Music_GetInfo" << QVariantList{QStringLiteral("Winamp")} << QVariant(QVariantMap()) << none;
        QTest::newRow("SND_Music_GetInfo, WMP away")
            << "DFP:SND_Music_GetInfo" << QVariantList() << QVariant(0) << none;
        QTest::newRow("SND_Music_Play, Winamp cannot start")
            << "DFP:SND_Music_Play" << QVariantList{QStringLiteral("Winamp")} << nothing
            << QStringList({"Winamp Launch"});

        // Light colours: no device software to take them
        QTest::newRow("TARN_Color_Set, no device")
            << "DFP:TARN_Color_Set" << QVariantList{1, 2} << QVariant(false) << none;

        // Names it does not have
        QTest::newRow("case differs") << "DFP:cpu_count" << QVariantList() << nothing << none;
        QTest::newRow("provider name alone") << "DFP" << QVariantList() << nothing << none;
        QTest::newRow("empty function") << "DFP:" << QVariantList() << nothing << none;
    }

    void functions() {
        QFETCH(QString, name);
        QFETCH(QVariantList, args);
        QFETCH(QVariant, result);
        QFETCH(QStringList, journal);
        RecordedInput input;
        const QVariant answer = Call(name, args);
        QCOMPARE(answer.userType(), result.userType());
        if (result.type() == QVariant::Double)
            QVERIFY2(qAbs(answer.toDouble() - result.toDouble()) < 1e-6, qPrintable(answer.toString()));
        else
            QCOMPARE(answer, result);
        QCOMPARE(Journal(input), journal);
    }

    // Commands to a running player, and the position given before the player.
    void musicCommands_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QStringList>("journal");
        QTest::newRow("play default") << "SND_Music_Play" << QVariantList() << QStringList({"WMP Play"});
        QTest::newRow("pause Winamp") << "SND_Music_Pause" << QVariantList{QStringLiteral("Winamp")}
                                      << QStringList({"Winamp Pause"});
        QTest::newRow("stop") << "SND_Music_Stop" << QVariantList() << QStringList({"WMP Stop"});
        QTest::newRow("prev") << "SND_Music_Prev" << QVariantList() << QStringList({"WMP Previous"});
        QTest::newRow("next, unknown player")
            << "SND_Music_Next" << QVariantList{QStringLiteral("Nope")} << QStringList({"WMP Next"});
        QTest::newRow("seek, default player")
            << "SND_Music_SetPos" << QVariantList{0.5} << QStringList({"WMP SetPosition 100"});
        QTest::newRow("seek Winamp") << "SND_Music_SetPos" << QVariantList{0.25, QStringLiteral("Winamp")}
                                     << QStringList({"Winamp SetPosition 50"});
        QTest::newRow("seek, no position")
            << "SND_Music_SetPos" << QVariantList() << QStringList({"WMP SetPosition 0"});
        QTest::newRow("seek, not a number") << "SND_Music_SetPos" << QVariantList{kNaN} << QStringList();
        QTest::newRow("music volume") << "SND_Vol_Music_Set" << QVariantList{0.42}
                                      << QStringList({"WMP SetVolume 0.42"});
        QTest::newRow("music volume, default")
            << "SND_Vol_Music_Set" << QVariantList() << QStringList({"WMP SetVolume 0.5"});
        QTest::newRow("music mute") << "SND_Mute_Music_Set" << QVariantList{true} << QStringList({"WMP SetMute 1"});
    }

    void musicCommands() {
        QFETCH(QString, name);
        QFETCH(QVariantList, args);
        QFETCH(QStringList, journal);
        RecordedInput input;
        PAL_INT::MediaTrack track;
        track.valid = true;
        track.title = QStringLiteral("Tune");
        track.duration = 200;
        for (auto& player : {m_winamp, m_wmp}) {
            player->SetRunning(true);
            player->SetTrack(track);
        }
        const QVariant result = Call(QStringLiteral("DFP:") + name, args);
        QCOMPARE(result, name.startsWith(QLatin1String("SND_Mute")) ? QVariant(true) : QVariant(int(0)));
        QCOMPARE(Journal(input), journal);
    }

    void musicState() {
        m_wmp->SetRunning(true);
        PAL_INT::MediaTrack track;
        track.valid = true;
        track.title = QStringLiteral("Tune");
        track.duration = 200;
        m_wmp->SetTrack(track);
        m_wmp->SetVolume(0.8);
        QCOMPARE(Call(QStringLiteral("DFP:SND_IsMediaPlayerRunning")), QVariant(true));
        QCOMPARE(Call(QStringLiteral("DFP:SND_Vol_Music_Get")), QVariant(0.8));
        QCOMPARE(Call(QStringLiteral("DFP:SND_Mute_Music_Get")), QVariant(false));
        const QVariantMap info = Call(QStringLiteral("DFP:SND_Music_GetInfo")).toMap();
        QCOMPARE(info.value(QStringLiteral("title")), QVariant("Tune"));
        QCOMPARE(info.value(QStringLiteral("duration")), QVariant(200.0));
    }

    void sessions() {
        m_audio.sessions = {AudioSession{QStringLiteral("7"), 4242, false, 0.5, QString(), QString()}};
        const QVariantList list = Call(QStringLiteral("DFP:SND_Audio_GetSessions")).toList();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().toMap().value(QStringLiteral("procid")).toLongLong(), qlonglong(4242));
        QCOMPARE(Call(QStringLiteral("DFP:SND_Audio_SetSessionVolume"), {4242, 0.25}), QVariant(int(0)));
        QCOMPARE(m_audio.log, QStringList({QStringLiteral("SetSessionVolume 7 0.25")}));
        m_audio.serverPresent = false;
        QCOMPARE(Call(QStringLiteral("DFP:SND_Audio_GetSessions")), QVariant(int(0)));
        m_audio.serverPresent = true;
    }

    // Key-ups come 25 ms after the downs, or alone.
    void shortcutDirections() {
        RecordedInput input;
        QCOMPARE(Call(QStringLiteral("DFP:SendShortcut"), {QStringLiteral("LCTRL+C"), QStringLiteral("Up")}),
                 QVariant(int(0)));
        QTRY_COMPARE(input.Named(), QStringList({"up C", "up LCTRL"}));
        input.Clear();
        QCOMPARE(Call(QStringLiteral("DFP:SendShortcut"), {QStringLiteral("LCTRL+C"), QStringLiteral("press")}),
                 QVariant(int(0)));
        QCOMPARE(input.Named(), QStringList({"dn LCTRL", "dn C"}));
        QTRY_COMPARE(input.Named(), QStringList({"dn LCTRL", "dn C", "up C", "up LCTRL"}));
    }

    void unknownFunctionIsLogged() {
        LogCapture log;
        QCOMPARE(Call(QStringLiteral("DFP:cpu_count")), QVariant(int(0)));
        QCOMPARE(log.Count(QStringLiteral("DFP: Invalid Function: cpu_count")), 1);
        QCOMPARE(log.Lines().size(), 1);
    }

    // Arguments of the wrong kind are converted as variants convert them; nothing breaks.
    void oddArguments_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariantList>("args");
        QTest::newRow("CPU index as a map") << "CPU_Usage" << QVariantList{QVariantMap()};
        QTest::newRow("drive as a list") << "DRV_Size_MB" << QVariantList{QVariantList{1, 2}};
        QTest::newRow("net index far out") << "NET_Usage_Rx_Bs" << QVariantList{1 << 30};
        QTest::newRow("net index negative") << "NET_Usage_Tx_Bs" << QVariantList{-5};
        QTest::newRow("volume as text") << "SND_Vol_Micro_Set" << QVariantList{QStringLiteral("loud")};
        QTest::newRow("infinite volume") << "SND_Vol_Main_Set" << QVariantList{std::numeric_limits<double>::infinity()};
        QTest::newRow("too many arguments") << "CPU_Count" << QVariantList{1, 2, 3, 4, 5};
        QTest::newRow("invalid variants") << "TARN_Color_Set" << QVariantList{QVariant(), QVariant(), QVariant()};
        QTest::newRow("session of a huge pid")
            << "SND_Audio_SetSessionVolume" << QVariantList{QStringLiteral("99999999999999"), kNaN};
    }

    void oddArguments() {
        QFETCH(QString, name);
        QFETCH(QVariantList, args);
        RecordedInput input;
        QVERIFY(Call(QStringLiteral("DFP:") + name, args).isValid());
    }
};

QTEST_MAIN(TestDefFuncProvider)
#include "test_deffuncprovider.moc"
