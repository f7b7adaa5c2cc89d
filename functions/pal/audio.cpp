// Volumes, mute states and per-process streams of the default sound devices, and the media player's
// volume, for control scripts.

#include "functions/pal/audio.h"

#include "foundation/logger/QsLog.h"
#include "functions/pal/pal.h"
#include "functions/pal/palbackends.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QVariantMap>

#include <cmath>

namespace PAL_INT {

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

// Without the device the volume reads silent.
double ReadVolume(AudioFlow flow) {
    double v = 0;
    return AudioBackend().GetVolume(flow, &v) ? Clamped(v) : 0.0;
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
    return ReadVolume(AudioFlow::Render);
}

double PAL::SetMainVolume(double volume) {
    if (!UsableVolume(volume)) {
        QLOG_DEBUG() << "PAL::SetMainVolume: not a volume";
        return GetMainVolume();
    }
    AudioBackend().SetVolume(AudioFlow::Render, Clamped(volume));
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
    return ReadVolume(AudioFlow::Capture);
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
