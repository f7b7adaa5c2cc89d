// The sound server's client against a real server (the test runner starts one with a null sink in the
// private runtime folder): what the platform layer sets, the server has; what another client changes,
// the getters follow. Skipped when no server is running.

#include "functions/pal/audio.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/pulseaudiobackend.h"

#include <QElapsedTimer>
#include <QtTest>

#include <pulse/pulseaudio.h>

#include <cmath>
#include <functional>

namespace {

// A second client of the same server, driven synchronously: the test's eyes and hands on the server.
class Observer {
public:
    ~Observer() {
        if (m_stream) {
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        if (m_loop)
            pa_mainloop_free(m_loop);
    }

    bool Connect() {
        m_loop = pa_mainloop_new();
        pa_proplist* properties = pa_proplist_new();
        // Its streams pass for another program's (the platform layer leaves out its own process).
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Observer");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_PROCESS_ID, "1");
        m_context = pa_context_new_with_proplist(pa_mainloop_get_api(m_loop), "Observer", properties);
        pa_proplist_free(properties);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        return RunUntil([this] {
                   const pa_context_state_t s = pa_context_get_state(m_context);
                   return s == PA_CONTEXT_READY || s == PA_CONTEXT_FAILED || s == PA_CONTEXT_TERMINATED;
               }) &&
               pa_context_get_state(m_context) == PA_CONTEXT_READY;
    }

    struct Device {
        bool found = false;
        uint32_t index = PA_INVALID_INDEX;
        double volume = -1;
        bool mute = false;
    };

    Device Sink(const char* name = "@DEFAULT_SINK@") {
        Device d;
        Wait(pa_context_get_sink_info_by_name(
            m_context, name,
            [](pa_context*, const pa_sink_info* i, int, void* u) {
                if (i)
                    *static_cast<Device*>(u) = Device{true, i->index, Volume(i->volume), i->mute != 0};
            },
            &d));
        return d;
    }

    Device Source() {
        Device d;
        Wait(pa_context_get_source_info_by_name(
            m_context, "@DEFAULT_SOURCE@",
            [](pa_context*, const pa_source_info* i, int, void* u) {
                if (i)
                    *static_cast<Device*>(u) = Device{true, i->index, Volume(i->volume), i->mute != 0};
            },
            &d));
        return d;
    }

    void SetSinkVolume(double volume) {
        const Device d = Sink();
        pa_cvolume v;
        pa_cvolume_set(&v, 2, pa_volume_t(std::lround(volume * PA_VOLUME_NORM)));
        Wait(pa_context_set_sink_volume_by_index(m_context, d.index, &v, nullptr, nullptr));
    }

    void SetSourceMute(bool mute) {
        Wait(pa_context_set_source_mute_by_name(m_context, "@DEFAULT_SOURCE@", mute, nullptr, nullptr));
    }

    // Loads a null sink and makes it the default; its module number.
    uint32_t AddDefaultSink(const char* name) {
        uint32_t module = PA_INVALID_INDEX;
        Wait(pa_context_load_module(
            m_context, "module-null-sink", QByteArray("sink_name=").append(name).constData(),
            [](pa_context*, uint32_t index, void* u) { *static_cast<uint32_t*>(u) = index; }, &module));
        Wait(pa_context_set_default_sink(m_context, name, nullptr, nullptr));
        return module;
    }

    void RemoveModule(uint32_t module) { Wait(pa_context_unload_module(m_context, module, nullptr, nullptr)); }

    // A silent, paused playback stream on the default sink; its sink-input number.
    uint32_t OpenStream() {
        const pa_sample_spec spec = {PA_SAMPLE_S16LE, 44100, 2};
        m_stream = pa_stream_new(m_context, "tone", &spec, nullptr);
        pa_stream_connect_playback(m_stream, nullptr, nullptr, PA_STREAM_START_CORKED, nullptr, nullptr);
        RunUntil([this] { return pa_stream_get_state(m_stream) != PA_STREAM_CREATING; });
        return pa_stream_get_index(m_stream);
    }

    double StreamVolume(uint32_t index) {
        double volume = -1;
        Wait(pa_context_get_sink_input_info(
            m_context, index,
            [](pa_context*, const pa_sink_input_info* i, int, void* u) {
                if (i)
                    *static_cast<double*>(u) = Volume(i->volume);
            },
            &volume));
        return volume;
    }

private:
    static double Volume(const pa_cvolume& v) { return double(pa_cvolume_max(&v)) / PA_VOLUME_NORM; }

    bool RunUntil(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 5000)
                return false;
            pa_mainloop_iterate(m_loop, 0, nullptr);
            QThread::usleep(500);
        }
        return true;
    }

    void Wait(pa_operation* operation) {
        if (!operation)
            return;
        RunUntil([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
        pa_operation_unref(operation);
    }

    pa_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
};

bool Near(double a, double b) {
    return std::abs(a - b) < 0.001;
}

} // namespace

class TestPulseAudio : public QObject {
    Q_OBJECT

    Observer m_server;
    std::unique_ptr<PAL_INT::PulseAudioBackend> m_backend;

private slots:
    void initTestCase() {
        if (!m_server.Connect())
            QSKIP("No sound server in $XDG_RUNTIME_DIR; scripts/test.sh starts one with a null sink");
        m_backend = std::make_unique<PAL_INT::PulseAudioBackend>();
        QTRY_VERIFY_WITH_TIMEOUT(m_backend->IsReady(), 5000);
        PAL_INT::SetAudioBackend(m_backend.get());
    }

    void cleanupTestCase() {
        PAL_INT::SetAudioBackend(nullptr);
        m_backend.reset();
    }

    void setterReachesTheServer_data() {
        QTest::addColumn<QString>("device");
        QTest::newRow("main") << "main";
        QTest::newRow("micro") << "micro";
    }
    void setterReachesTheServer() {
        QFETCH(QString, device);
        const bool main = device == "main";
        for (const double volume : {0.5, 0.25, 1.0}) {
            const double answer = main ? PAL::SetMainVolume(volume) : PAL::SetMicroVolume(volume);
            QVERIFY2(Near(answer, volume), qPrintable(QString::number(answer)));
            QTRY_VERIFY_WITH_TIMEOUT(Near((main ? m_server.Sink() : m_server.Source()).volume, volume), 2000);
        }
        for (const bool mute : {true, false}) {
            QCOMPARE(main ? PAL::SetMainMute(mute) : PAL::SetMicroMute(mute), mute);
            QTRY_COMPARE_WITH_TIMEOUT((main ? m_server.Sink() : m_server.Source()).mute, mute, 2000);
        }
    }

    void gettersFollowTheServer() {
        m_server.SetSinkVolume(0.3);
        QTRY_VERIFY_WITH_TIMEOUT(Near(PAL::GetMainVolume(), 0.3), 1000);
        m_server.SetSinkVolume(0.6);
        QTRY_VERIFY_WITH_TIMEOUT(Near(PAL::GetMainVolume(), 0.6), 1000);
        m_server.SetSourceMute(true);
        QTRY_VERIFY_WITH_TIMEOUT(PAL::GetMicroMute(), 1000);
        m_server.SetSourceMute(false);
        QTRY_VERIFY_WITH_TIMEOUT(!PAL::GetMicroMute(), 1000);
    }

    void aNewDefaultDeviceIsFollowed() {
        const Observer::Device before = m_server.Sink();
        const uint32_t module = m_server.AddDefaultSink("mervex_test_headset");
        QVERIFY(module != PA_INVALID_INDEX);
        const Observer::Device headset = m_server.Sink();
        QVERIFY(headset.index != before.index);
        // The program learns of the new default from the server's events, a moment later on a busy machine: a
        // volume set before that goes to the device it still knows. It has followed once it reads the new one.
        QVERIFY(!Near(before.volume, 0.55));
        m_server.SetSinkVolume(0.55);
        QTRY_VERIFY_WITH_TIMEOUT(Near(PAL::GetMainVolume(), 0.55), 5000);
        PAL::SetMainVolume(0.2);
        QTRY_VERIFY_WITH_TIMEOUT(Near(m_server.Sink().volume, 0.2), 2000);
        QVERIFY(Near(m_server.Sink("mervex_test_headset").volume, 0.2));
        m_server.RemoveModule(module);
        // The server falls back to the remaining sink, and so do the volumes.
        QTRY_COMPARE_WITH_TIMEOUT(m_server.Sink().index, before.index, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(Near(PAL::GetMainVolume(), m_server.Sink().volume), 2000);
    }

    void sessionsOfOtherProgramsAreListedAndSet() {
        const uint32_t stream = m_server.OpenStream();
        QVERIFY(stream != PA_INVALID_INDEX);
        QVariantMap session;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (const QVariant& s : PAL::GetAudioSessions().toList()) {
                    if (s.toMap().value("procid").toLongLong() == 1)
                        session = s.toMap();
                }
                return !session.isEmpty();
            }(),
            2000);
        QCOMPARE(session.value("system").toBool(), false);
        QVERIFY(!session.value("procdesc").toString().isEmpty());
        PAL::SetAudioSessionVolume(1, 0.4);
        QTRY_VERIFY_WITH_TIMEOUT(Near(m_server.StreamVolume(stream), 0.4), 2000);
    }

    // A server that is not there: the failure values, and only a few attempts to reach it.
    void noServer() {
        PAL_INT::PulseAudioBackend absent(QStringLiteral("unix:/nonexistent/mervex/native"));
        PAL_INT::SetAudioBackend(&absent);
        QTest::qWait(1500);
        QCOMPARE(PAL::GetMainVolume(), 0.0);
        QCOMPARE(PAL::SetMainVolume(0.5), 0.0);
        QCOMPARE(PAL::GetMainMute(), false);
        QCOMPARE(PAL::SetMicroMute(true), false);
        QCOMPARE(PAL::GetAudioSessions(), QVariant(0));
        QVERIFY(!absent.IsReady());
        // The first attempt and one retry after a second; the next waits two more.
        QVERIFY2(absent.ConnectAttempts() <= 2, qPrintable(QString::number(absent.ConnectAttempts())));
        PAL_INT::SetAudioBackend(m_backend.get());
    }
};

QTEST_GUILESS_MAIN(TestPulseAudio)
#include "test_pulseaudio.moc"
