#include "functions/pal/pulseaudiobackend.h"

#include "foundation/logger/QsLog.h"

#include <QCoreApplication>
#include <QFile>

#include <pulse/pulseaudio.h>

#include <atomic>
#include <cmath>
#include <map>
#include <mutex>
#include <string>

namespace PAL_INT {

namespace {

// Pauses between connection attempts while no server answers: short at first, then at most a minute, so a
// machine without a sound server costs nothing noticeable.
constexpr int kFirstRetryMs = 1000;
constexpr int kLongestRetryMs = 60000;

int Index(AudioFlow flow) {
    return flow == AudioFlow::Render ? 0 : 1;
}

double VolumeOf(const pa_cvolume& volume) {
    return volume.channels ? double(pa_cvolume_max(&volume)) / PA_VOLUME_NORM : 0.0;
}

// The device's channels scaled so the loudest is at the volume, keeping their balance.
pa_cvolume Scaled(pa_cvolume channels, double volume) {
    const pa_volume_t target = pa_volume_t(std::lround(qBound(0.0, volume, 1.0) * PA_VOLUME_NORM));
    if (!channels.channels)
        pa_cvolume_set(&channels, 1, target);
    pa_cvolume_scale(&channels, target);
    return channels;
}

QString Property(const pa_proplist* properties, const char* key) {
    const char* value = properties ? pa_proplist_gets(properties, key) : nullptr;
    return value ? QString::fromUtf8(value) : QString();
}

} // namespace

struct PulseAudioBackend::Client {
    struct Device {
        bool present = false;
        uint32_t index = PA_INVALID_INDEX;
        pa_cvolume volume{};
        bool mute = false;
    };
    struct Stream {
        uint32_t sink = PA_INVALID_INDEX;
        pa_cvolume volume{};
        AudioSession session;
    };

    // What the getters read: written on the client thread from the server's answers and events, and by the
    // setters on the main thread.
    mutable std::mutex mutex;
    bool connected = false;
    Device devices[2];           // render, capture
    std::string defaultNames[2]; // the server's default sink and source
    std::map<uint32_t, Stream> streams;

    // Client thread (or under the main loop's lock).
    pa_threaded_mainloop* loop = nullptr;
    pa_mainloop_api* api = nullptr;
    pa_context* context = nullptr;
    pa_time_event* retry = nullptr;
    int retryDelayMs = kFirstRetryMs;
    bool reportedMissing = false;
    std::string server;
    std::atomic<int> attempts{0};
    const qint64 ownPid = QCoreApplication::applicationPid();

    // ---- Connection ----

    void Connect() {
        ++attempts;
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Velli-Chor");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.mervex.vellichor");
        context = pa_context_new_with_proplist(api, "Velli-Chor", properties);
        pa_proplist_free(properties);
        if (!context) {
            ScheduleRetry("cannot make a client");
            return;
        }
        pa_context_set_state_callback(context, &Client::OnState, this);
        // Never start a server: that is the desktop's business, and it would be a process per attempt.
        if (pa_context_connect(context, server.empty() ? nullptr : server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            ScheduleRetry(pa_strerror(pa_context_errno(context)));
    }

    void DropContext() {
        if (!context)
            return;
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_set_subscribe_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }

    void ScheduleRetry(const char* reason) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            const bool wasConnected = connected;
            connected = false;
            devices[0] = Device();
            devices[1] = Device();
            streams.clear();
            if (wasConnected)
                reportedMissing = false; // a new outage is worth a new line
        }
        if (!reportedMissing) {
            reportedMissing = true;
            QLOG_WARN() << "PulseAudioBackend: no sound server reachable:" << reason
                        << "- volumes and mutes read as missing until one answers";
        }
        if (retry)
            return; // one pending attempt is enough
        timeval when;
        pa_timeval_add(pa_gettimeofday(&when), pa_usec_t(retryDelayMs) * PA_USEC_PER_MSEC);
        retry = api->time_new(api, &when, &Client::OnRetry, this);
        retryDelayMs = qMin(retryDelayMs * 2, kLongestRetryMs);
    }

    static void OnRetry(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        api->time_free(event);
        self->retry = nullptr;
        self->DropContext();
        self->Connect();
    }

    static void OnState(pa_context* context, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY: {
            self->retryDelayMs = kFirstRetryMs;
            {
                std::lock_guard<std::mutex> lock(self->mutex);
                self->connected = true;
            }
            QLOG_INFO() << "PulseAudioBackend: connected to" << pa_context_get_server(context);
            self->reportedMissing = false;
            pa_context_set_subscribe_callback(context, &Client::OnEvent, self);
            const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SOURCE |
                                                     PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SERVER);
            Done(pa_context_subscribe(context, mask, nullptr, nullptr));
            Done(pa_context_get_server_info(context, &Client::OnServerInfo, self));
            Done(pa_context_get_sink_input_info_list(context, &Client::OnStreamInfo, self));
            break;
        }
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            self->ScheduleRetry(pa_strerror(pa_context_errno(context)));
            break;
        default:
            break;
        }
    }

    // Requests are never waited for; their answers come to the callbacks.
    static void Done(pa_operation* operation) {
        if (operation)
            pa_operation_unref(operation);
    }

    // ---- Answers and events (client thread) ----

    static void OnServerInfo(pa_context* context, const pa_server_info* info, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        if (!info)
            return;
        const std::string sink = info->default_sink_name ? info->default_sink_name : "";
        const std::string source = info->default_source_name ? info->default_source_name : "";
        {
            std::lock_guard<std::mutex> lock(self->mutex);
            self->defaultNames[0] = sink;
            self->defaultNames[1] = source;
        }
        // Asked again even when unchanged: cheap, and it also covers a device that came back under the name.
        if (!sink.empty())
            Done(pa_context_get_sink_info_by_name(context, sink.c_str(), &Client::OnDefaultSinkInfo, self));
        else
            self->Forget(0);
        if (!source.empty())
            Done(pa_context_get_source_info_by_name(context, source.c_str(), &Client::OnDefaultSourceInfo, self));
        else
            self->Forget(1);
    }

    void Forget(int device) {
        std::lock_guard<std::mutex> lock(mutex);
        devices[device] = Device();
    }

    void Learn(int device, const char* name, uint32_t index, const pa_cvolume& volume, int mute) {
        std::lock_guard<std::mutex> lock(mutex);
        if (!name || defaultNames[device] != name)
            return; // another device than the default one
        Device& d = devices[device];
        d.present = true;
        d.index = index;
        d.volume = volume;
        d.mute = mute != 0;
    }

    // The default devices, asked for by name: a failed lookup means the device is gone.
    static void OnDefaultSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        if (eol < 0)
            self->Forget(0);
        else if (info)
            self->Learn(0, info->name, info->index, info->volume, info->mute);
    }

    static void OnDefaultSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        if (eol < 0)
            self->Forget(1);
        else if (info)
            self->Learn(1, info->name, info->index, info->volume, info->mute);
    }

    // A device that changed, asked for by number; it counts only when it is a default one.
    static void OnSinkInfo(pa_context*, const pa_sink_info* info, int, void* userdata) {
        if (info)
            static_cast<Client*>(userdata)->Learn(0, info->name, info->index, info->volume, info->mute);
    }

    static void OnSourceInfo(pa_context*, const pa_source_info* info, int, void* userdata) {
        if (info)
            static_cast<Client*>(userdata)->Learn(1, info->name, info->index, info->volume, info->mute);
    }

    static void OnStreamInfo(pa_context*, const pa_sink_input_info* info, int, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        if (!info)
            return;
        Stream stream;
        stream.sink = info->sink;
        stream.volume = info->volume;
        AudioSession& s = stream.session;
        s.id = QString::number(info->index);
        s.procId = Property(info->proplist, PA_PROP_APPLICATION_PROCESS_ID).toLongLong();
        s.appName = Property(info->proplist, PA_PROP_APPLICATION_NAME);
        s.system = Property(info->proplist, PA_PROP_MEDIA_ROLE) == QLatin1String("event");
        // Read once when the stream appears, so listing the sessions needs no file access.
        if (s.procId > 0 && s.procId != self->ownPid)
            s.exePath = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(s.procId));
        std::lock_guard<std::mutex> lock(self->mutex);
        self->streams[info->index] = stream;
    }

    static void OnEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t index, void* userdata) {
        auto* self = static_cast<Client*>(userdata);
        const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        const bool removed = (type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE;
        switch (facility) {
        case PA_SUBSCRIPTION_EVENT_SERVER:
            // The default devices may have changed.
            Done(pa_context_get_server_info(context, &Client::OnServerInfo, self));
            break;
        case PA_SUBSCRIPTION_EVENT_SINK:
            if (removed)
                self->ForgetIndex(0, index);
            else
                Done(pa_context_get_sink_info_by_index(context, index, &Client::OnSinkInfo, self));
            break;
        case PA_SUBSCRIPTION_EVENT_SOURCE:
            if (removed)
                self->ForgetIndex(1, index);
            else
                Done(pa_context_get_source_info_by_index(context, index, &Client::OnSourceInfo, self));
            break;
        case PA_SUBSCRIPTION_EVENT_SINK_INPUT:
            if (removed) {
                std::lock_guard<std::mutex> lock(self->mutex);
                self->streams.erase(index);
            } else {
                Done(pa_context_get_sink_input_info(context, index, &Client::OnStreamInfo, self));
            }
            break;
        default:
            break;
        }
    }

    void ForgetIndex(int device, uint32_t index) {
        std::lock_guard<std::mutex> lock(mutex);
        if (devices[device].present && devices[device].index == index)
            devices[device] = Device();
    }

    // ---- Requests from the main thread ----

    // Runs send with the context under the main loop's lock, when connected; whether it was sent.
    template <typename Send> bool Request(Send send) {
        pa_threaded_mainloop_lock(loop);
        const bool ready = context && pa_context_get_state(context) == PA_CONTEXT_READY;
        if (ready)
            Done(send(context));
        pa_threaded_mainloop_unlock(loop);
        return ready;
    }
};

PulseAudioBackend::PulseAudioBackend(const QString& server) : d(new Client) {
    d->server = server.toStdString();
    d->loop = pa_threaded_mainloop_new();
    if (!d->loop) {
        QLOG_WARN() << "PulseAudioBackend: cannot make the client's main loop; no volumes";
        return;
    }
    pa_threaded_mainloop_set_name(d->loop, "pulse-client");
    d->api = pa_threaded_mainloop_get_api(d->loop);
    pa_threaded_mainloop_lock(d->loop);
    d->Connect();
    pa_threaded_mainloop_unlock(d->loop);
    if (pa_threaded_mainloop_start(d->loop) < 0)
        QLOG_WARN() << "PulseAudioBackend: cannot start the client thread; no volumes";
}

PulseAudioBackend::~PulseAudioBackend() {
    if (!d->loop)
        return;
    pa_threaded_mainloop_lock(d->loop);
    if (d->retry) {
        d->api->time_free(d->retry);
        d->retry = nullptr;
    }
    d->DropContext();
    pa_threaded_mainloop_unlock(d->loop);
    pa_threaded_mainloop_stop(d->loop);
    pa_threaded_mainloop_free(d->loop);
}

bool PulseAudioBackend::GetVolume(AudioFlow flow, double* volume) {
    std::lock_guard<std::mutex> lock(d->mutex);
    const Client::Device& device = d->devices[Index(flow)];
    if (!device.present)
        return false;
    *volume = VolumeOf(device.volume);
    return true;
}

bool PulseAudioBackend::GetMute(AudioFlow flow, bool* mute) {
    std::lock_guard<std::mutex> lock(d->mutex);
    const Client::Device& device = d->devices[Index(flow)];
    if (!device.present)
        return false;
    *mute = device.mute;
    return true;
}

bool PulseAudioBackend::SetVolume(AudioFlow flow, double volume) {
    uint32_t index;
    pa_cvolume channels;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        Client::Device& device = d->devices[Index(flow)];
        if (!device.present || std::isnan(volume))
            return false;
        // Answered at once; the server's change event confirms it (or corrects it) a moment later.
        device.volume = Scaled(device.volume, volume);
        channels = device.volume;
        index = device.index;
    }
    return d->Request([&](pa_context* c) {
        return flow == AudioFlow::Render ? pa_context_set_sink_volume_by_index(c, index, &channels, nullptr, nullptr)
                                         : pa_context_set_source_volume_by_index(c, index, &channels, nullptr, nullptr);
    });
}

bool PulseAudioBackend::SetMute(AudioFlow flow, bool mute) {
    uint32_t index;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        Client::Device& device = d->devices[Index(flow)];
        if (!device.present)
            return false;
        device.mute = mute;
        index = device.index;
    }
    return d->Request([&](pa_context* c) {
        return flow == AudioFlow::Render ? pa_context_set_sink_mute_by_index(c, index, mute, nullptr, nullptr)
                                         : pa_context_set_source_mute_by_index(c, index, mute, nullptr, nullptr);
    });
}

bool PulseAudioBackend::ListSessions(QList<AudioSession>* sessions) {
    std::lock_guard<std::mutex> lock(d->mutex);
    const Client::Device& sink = d->devices[0];
    if (!sink.present)
        return false;
    sessions->clear();
    for (const auto& entry : d->streams) {
        if (entry.second.sink != sink.index)
            continue;
        AudioSession s = entry.second.session;
        s.volume = VolumeOf(entry.second.volume);
        sessions->append(s);
    }
    return true;
}

bool PulseAudioBackend::SetSessionVolume(const QString& id, double volume) {
    bool ok = false;
    const uint32_t index = id.toUInt(&ok);
    if (!ok || std::isnan(volume))
        return false;
    pa_cvolume channels;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        auto it = d->streams.find(index);
        if (it == d->streams.end())
            return false;
        it->second.volume = Scaled(it->second.volume, volume);
        channels = it->second.volume;
    }
    return d->Request(
        [&](pa_context* c) { return pa_context_set_sink_input_volume(c, index, &channels, nullptr, nullptr); });
}

bool PulseAudioBackend::IsReady() const {
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->connected && d->devices[0].present && d->devices[1].present;
}

int PulseAudioBackend::ConnectAttempts() const {
    return d->attempts.load();
}

} // namespace PAL_INT
