// Volumes, mute states and per-process streams of the default sound devices, and the media player's
// volume, for control scripts.

#include "functions/pal/audio.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"
#include "functions/pal/processrunner.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QVariantMap>

#include <cmath>

namespace PAL_INT {

namespace {
// The sound server answers at once or not at all; the main thread waits no longer than this.
constexpr int kPactlTimeoutMs = 2000;
// The sound server's full volume (100 %).
constexpr double kNormVolume = 65536.0;

const QString& DeviceOf(AudioFlow flow) {
    static const QString sink = QStringLiteral("@DEFAULT_SINK@");
    static const QString source = QStringLiteral("@DEFAULT_SOURCE@");
    return flow == AudioFlow::Render ? sink : source;
}

QString KindOf(AudioFlow flow) {
    return flow == AudioFlow::Render ? QStringLiteral("sink") : QStringLiteral("source");
}

QString RawVolume(double volume) {
    return QString::number(qRound64(volume * kNormVolume));
}

// A property value of "pactl list": name = "value".
QString PropertyValue(const QByteArray& line) {
    const int eq = line.indexOf('=');
    QByteArray value = line.mid(eq + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}
} // namespace

// ---- PactlAudioBackend ----

IProcessRunner& PactlAudioBackend::Runner() const {
    return m_runner ? *m_runner : ProcessRunner();
}

bool PactlAudioBackend::Pactl(const QStringList& args, QByteArray* output) const {
    const ProcessResult result = Runner().Run(QStringLiteral("pactl"), args, kPactlTimeoutMs);
    if (!result.Ok())
        return false;
    if (output)
        *output = result.output;
    return true;
}

double PactlAudioBackend::ParseVolume(const QByteArray& text) {
    // "Volume: front-left: 32768 /  50% / -18.06 dB,   front-right: 32768 /  50% / -18.06 dB"
    static const QRegularExpression channel(QStringLiteral("(\\d+)\\s*/\\s*\\d+%"));
    const int start = text.indexOf("Volume:");
    if (start < 0)
        return -1;
    int end = text.indexOf('\n', start);
    if (end < 0)
        end = text.size();
    const QString line = QString::fromUtf8(text.mid(start, end - start));
    double highest = -1;
    auto it = channel.globalMatch(line);
    while (it.hasNext()) {
        bool ok = false;
        const double raw = it.next().captured(1).toDouble(&ok);
        if (ok)
            highest = qMax(highest, raw / kNormVolume);
    }
    return highest;
}

QList<AudioSession> PactlAudioBackend::ParseSinkInputs(const QByteArray& text) {
    QList<AudioSession> sessions;
    AudioSession* current = nullptr;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("Sink Input #")) {
            sessions.append(AudioSession());
            current = &sessions.last();
            current->id = QString::fromLatin1(line.mid(12));
            continue;
        }
        if (!current)
            continue;
        if (line.startsWith("Sink:")) {
            current->device = QString::fromUtf8(line.mid(5).trimmed());
        } else if (line.startsWith("Volume:")) {
            current->volume = qMax(0.0, ParseVolume(line));
        } else if (line.startsWith("application.process.id =")) {
            current->procId = PropertyValue(line).toLongLong();
        } else if (line.startsWith("application.name =")) {
            current->appName = PropertyValue(line);
        } else if (line.startsWith("media.role =")) {
            current->system = PropertyValue(line) == QLatin1String("event");
        }
    }
    return sessions;
}

bool PactlAudioBackend::GetVolume(AudioFlow flow, double* volume) {
    QByteArray out;
    if (!Pactl({QStringLiteral("get-%1-volume").arg(KindOf(flow)), DeviceOf(flow)}, &out))
        return false;
    const double v = ParseVolume(out);
    if (v < 0)
        return false;
    *volume = v;
    return true;
}

bool PactlAudioBackend::SetVolume(AudioFlow flow, double volume) {
    return Pactl({QStringLiteral("set-%1-volume").arg(KindOf(flow)), DeviceOf(flow), RawVolume(volume)});
}

bool PactlAudioBackend::GetMute(AudioFlow flow, bool* mute) {
    QByteArray out;
    if (!Pactl({QStringLiteral("get-%1-mute").arg(KindOf(flow)), DeviceOf(flow)}, &out))
        return false;
    const QByteArray text = out.trimmed();
    if (text == "Mute: yes")
        *mute = true;
    else if (text == "Mute: no")
        *mute = false;
    else
        return false;
    return true;
}

bool PactlAudioBackend::SetMute(AudioFlow flow, bool mute) {
    return Pactl({QStringLiteral("set-%1-mute").arg(KindOf(flow)), DeviceOf(flow),
                  mute ? QStringLiteral("1") : QStringLiteral("0")});
}

QString PactlAudioBackend::FindShortDevice(const QByteArray& text, const QByteArray& name) {
    // "0\talsa_output.pci.analog-stereo\tmodule-alsa-card.c\ts16le 2ch 44100Hz\tSUSPENDED"
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2 && fields.at(1).trimmed() == name)
            return QString::fromUtf8(fields.at(0).trimmed());
    }
    return QString();
}

bool PactlAudioBackend::ListSessions(QList<AudioSession>* sessions) {
    QByteArray out;
    if (!Pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}, &out))
        return false;
    QList<AudioSession> all = ParseSinkInputs(out);
    // Only the streams of the default playback device count; when that cannot be told, all of them.
    QByteArray name;
    QByteArray sinks;
    if (!all.isEmpty() && Pactl({QStringLiteral("get-default-sink")}, &name) &&
        Pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}, &sinks)) {
        const QString device = FindShortDevice(sinks, name.trimmed());
        if (!device.isEmpty()) {
            QList<AudioSession> onDefault;
            for (const AudioSession& s : qAsConst(all)) {
                if (s.device == device)
                    onDefault << s;
            }
            all = onDefault;
        }
    }
    *sessions = all;
    return true;
}

bool PactlAudioBackend::SetSessionVolume(const QString& id, double volume) {
    return Pactl({QStringLiteral("set-sink-input-volume"), id, RawVolume(volume)});
}

bool PactlAudioBackend::GetFallbackVolume(quint32* packed) {
    // "  Front Left: Playback 40634 [62%] [on]" per channel, or one "Mono:" line.
    const ProcessResult result =
        Runner().Run(QStringLiteral("amixer"), {QStringLiteral("-M"), QStringLiteral("get"), QStringLiteral("Master")},
                     kPactlTimeoutMs);
    if (!result.Ok())
        return false;
    static const QRegularExpression percent(QStringLiteral("Playback .*\\[(\\d+)%\\]"));
    QList<quint32> channels;
    for (const QByteArray& line : result.output.split('\n')) {
        const auto match = percent.match(QString::fromUtf8(line));
        if (match.hasMatch())
            channels << quint32(qMin(100, match.captured(1).toInt())) * 65535u / 100u;
    }
    if (channels.isEmpty())
        return false;
    const quint32 left = channels.first();
    const quint32 right = channels.size() > 1 ? channels.at(1) : left;
    *packed = left | (right << 16);
    return true;
}

bool PactlAudioBackend::SetFallbackVolume(quint32 packed) {
    const int left = qRound((packed & 0xFFFF) * 100.0 / 65535.0);
    const int right = qRound((packed >> 16) * 100.0 / 65535.0);
    const ProcessResult result =
        Runner().Run(QStringLiteral("amixer"),
                     {QStringLiteral("-q"), QStringLiteral("-M"), QStringLiteral("set"), QStringLiteral("Master"),
                      QStringLiteral("%1%,%2%").arg(left).arg(right)},
                     kPactlTimeoutMs);
    return result.Ok();
}

// ---- FakeAudioBackend ----

namespace {
int Index(AudioFlow flow) {
    return flow == AudioFlow::Render ? 0 : 1;
}
QString Name(AudioFlow flow) {
    return flow == AudioFlow::Render ? QStringLiteral("render") : QStringLiteral("capture");
}
} // namespace

bool FakeAudioBackend::GetVolume(AudioFlow flow, double* v) {
    if (!(flow == AudioFlow::Render ? renderPresent : capturePresent))
        return false;
    *v = volume[Index(flow)];
    return true;
}

bool FakeAudioBackend::SetVolume(AudioFlow flow, double v) {
    log << QStringLiteral("SetVolume %1 %2").arg(Name(flow)).arg(v);
    if (!(flow == AudioFlow::Render ? renderPresent : capturePresent))
        return false;
    volume[Index(flow)] = v;
    return true;
}

bool FakeAudioBackend::GetMute(AudioFlow flow, bool* m) {
    if (!(flow == AudioFlow::Render ? renderPresent : capturePresent))
        return false;
    *m = mute[Index(flow)];
    return true;
}

bool FakeAudioBackend::SetMute(AudioFlow flow, bool m) {
    log << QStringLiteral("SetMute %1 %2").arg(Name(flow)).arg(m);
    if (!(flow == AudioFlow::Render ? renderPresent : capturePresent))
        return false;
    mute[Index(flow)] = m;
    return true;
}

bool FakeAudioBackend::ListSessions(QList<AudioSession>* out) {
    if (!serverPresent)
        return false;
    *out = sessions;
    return true;
}

bool FakeAudioBackend::SetSessionVolume(const QString& id, double v) {
    log << QStringLiteral("SetSessionVolume %1 %2").arg(id).arg(v);
    for (AudioSession& s : sessions) {
        if (s.id == id) {
            s.volume = v;
            return serverPresent;
        }
    }
    return false;
}

bool FakeAudioBackend::GetFallbackVolume(quint32* packed) {
    if (!fallbackPresent)
        return false;
    *packed = fallback;
    return true;
}

bool FakeAudioBackend::SetFallbackVolume(quint32 packed) {
    log << QStringLiteral("SetFallbackVolume %1").arg(packed, 8, 16, QLatin1Char('0'));
    if (!fallbackPresent)
        return false;
    fallback = packed;
    return true;
}

} // namespace PAL_INT

// ---- PAL ----

namespace {
using PAL_INT::AudioBackend;
using PAL_INT::AudioFlow;

// Scripts exchange volumes from 0 to 1; the sound server would amplify above 1, and NaN means nothing.
bool UsableVolume(double volume) {
    return !std::isnan(volume);
}
double Clamped(double volume) {
    return qBound(0.0, volume, 1.0);
}

double ReadVolume(AudioFlow flow, bool withFallback) {
    double v = 0;
    if (AudioBackend().GetVolume(flow, &v))
        return Clamped(v);
    quint32 packed = 0;
    if (withFallback && AudioBackend().GetFallbackVolume(&packed))
        return ((packed & 0xFFFF) + (packed >> 16)) / 131070.0;
    return 0;
}

bool ReadMute(AudioFlow flow) {
    bool m = false;
    return AudioBackend().GetMute(flow, &m) && m;
}

QString ProgramFileOf(qint64 procId) {
    if (procId <= 0)
        return QString();
    return QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(procId));
}
} // namespace

double PAL::GetMainVolume() {
    return ReadVolume(AudioFlow::Render, true);
}

double PAL::SetMainVolume(double volume) {
    if (!UsableVolume(volume)) {
        QLOG_DEBUG() << "PAL::SetMainVolume: not a volume";
        return GetMainVolume();
    }
    const double v = Clamped(volume);
    if (!AudioBackend().SetVolume(AudioFlow::Render, v)) {
        // No playback device: the sound card's master control, both channels alike.
        const quint32 half = quint32(v * 65535);
        AudioBackend().SetFallbackVolume(half | (half << 16));
    }
    return GetMainVolume();
}

bool PAL::GetMainMute() {
    return ReadMute(AudioFlow::Render);
}

bool PAL::SetMainMute(bool mute) {
    if (!AudioBackend().SetMute(AudioFlow::Render, mute))
        return false;
    return GetMainMute();
}

double PAL::GetMicroVolume() {
    return ReadVolume(AudioFlow::Capture, false);
}

double PAL::SetMicroVolume(double volume) {
    if (!UsableVolume(volume)) {
        QLOG_DEBUG() << "PAL::SetMicroVolume: not a volume";
        return GetMicroVolume();
    }
    AudioBackend().SetVolume(AudioFlow::Capture, Clamped(volume));
    return GetMicroVolume();
}

bool PAL::GetMicroMute() {
    return ReadMute(AudioFlow::Capture);
}

bool PAL::SetMicroMute(bool mute) {
    if (!AudioBackend().SetMute(AudioFlow::Capture, mute))
        return false;
    return GetMicroMute();
}

// Without a media-player part the default player stands alone: nothing plays, so the volume is 0 and the
// player counts as muted, as a player without a window does.
double PAL::GetMusicVolume() {
    PAL_INT::IMusicMixer* mixer = PAL_INT::MusicMixer();
    return mixer ? Clamped(mixer->GetVolume()) : 0.0;
}

double PAL::SetMusicVolume(double volume) {
    PAL_INT::IMusicMixer* mixer = PAL_INT::MusicMixer();
    if (!mixer)
        return 0.0;
    if (!UsableVolume(volume)) {
        QLOG_DEBUG() << "PAL::SetMusicVolume: not a volume";
        return GetMusicVolume();
    }
    return Clamped(mixer->SetVolume(Clamped(volume)));
}

bool PAL::GetMusicMute() {
    PAL_INT::IMusicMixer* mixer = PAL_INT::MusicMixer();
    return mixer ? mixer->GetMute() : true;
}

bool PAL::SetMusicMute(bool mute) {
    PAL_INT::IMusicMixer* mixer = PAL_INT::MusicMixer();
    return mixer ? mixer->SetMute(mute) : true;
}

QVariant PAL::GetAudioSessions() {
    QList<PAL_INT::AudioSession> sessions;
    if (!AudioBackend().ListSessions(&sessions))
        return QVariant(0);
    const qint64 own = QCoreApplication::applicationPid();
    QSet<qint64> seen;
    QVariantList list;
    for (const PAL_INT::AudioSession& s : qAsConst(sessions)) {
        // One entry per process, from its first stream; the program's own sounds are not the user's to mix.
        if (s.procId == own || seen.contains(s.procId))
            continue;
        seen.insert(s.procId);
        QString desc;
        if (s.system) {
            desc = QStringLiteral("System Sounds");
        } else {
            const QString exe = s.exePath.isEmpty() ? ProgramFileOf(s.procId) : s.exePath;
            desc = PAL::GetProgramDescription(exe);
            if (desc.isEmpty())
                desc = s.appName; // a program without a desktop entry still has the name it plays under
        }
        QVariantMap record;
        record.insert(QStringLiteral("system"), s.system);
        record.insert(QStringLiteral("procid"), s.procId);
        record.insert(QStringLiteral("procdesc"), desc);
        record.insert(QStringLiteral("volume"), Clamped(s.volume));
        list << record;
    }
    return list;
}

void PAL::SetAudioSessionVolume(qint64 procId, double volume) {
    if (!UsableVolume(volume)) {
        QLOG_DEBUG() << "PAL::SetAudioSessionVolume: not a volume";
        return;
    }
    QList<PAL_INT::AudioSession> sessions;
    if (!AudioBackend().ListSessions(&sessions))
        return;
    for (const PAL_INT::AudioSession& s : qAsConst(sessions)) {
        if (s.procId == procId)
            AudioBackend().SetSessionVolume(s.id, Clamped(volume));
    }
}
