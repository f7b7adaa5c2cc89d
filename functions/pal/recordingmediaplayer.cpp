#include "functions/pal/recordingmediaplayer.h"

namespace PAL_INT {

void RecordingMediaPlayer::Record(const QString& call) {
    m_calls.append(call);
}

bool RecordingMediaPlayer::IsRunning() {
    QMutexLocker lock(&m_mutex);
    return m_running;
}

bool RecordingMediaPlayer::Launch() {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("Launch"));
    if (m_launchable)
        m_running = true;
    return m_launchable;
}

void RecordingMediaPlayer::Play() {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("Play"));
    m_playState = 3;
}

void RecordingMediaPlayer::Pause() {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("Pause"));
    m_playState = 2;
}

void RecordingMediaPlayer::Stop() {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("Stop"));
    m_playState = 1;
    m_position = 0;
}

void RecordingMediaPlayer::Previous() {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("Previous"));
}

void RecordingMediaPlayer::Next() {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("Next"));
}

int RecordingMediaPlayer::PlayState() {
    QMutexLocker lock(&m_mutex);
    return m_playState;
}

QString RecordingMediaPlayer::Status() {
    QMutexLocker lock(&m_mutex);
    return m_status;
}

MediaTrack RecordingMediaPlayer::CurrentTrack() {
    QMutexLocker lock(&m_mutex);
    return m_track;
}

double RecordingMediaPlayer::Position() {
    QMutexLocker lock(&m_mutex);
    return m_position;
}

void RecordingMediaPlayer::SetPosition(double seconds) {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("SetPosition %1").arg(seconds));
    m_position = seconds;
}

double RecordingMediaPlayer::Volume() {
    QMutexLocker lock(&m_mutex);
    return m_volume;
}

void RecordingMediaPlayer::SetVolume(double volume) {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("SetVolume %1").arg(volume));
    m_volume = volume;
}

bool RecordingMediaPlayer::Mute() {
    QMutexLocker lock(&m_mutex);
    return m_mute;
}

void RecordingMediaPlayer::SetMute(bool mute) {
    QMutexLocker lock(&m_mutex);
    Record(QStringLiteral("SetMute %1").arg(mute ? 1 : 0));
    m_mute = mute;
}

void RecordingMediaPlayer::SetEventHandler(const EventHandler& handler) {
    QMutexLocker lock(&m_mutex);
    m_handler = handler;
}

QStringList RecordingMediaPlayer::Calls() {
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void RecordingMediaPlayer::ClearCalls() {
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
}

void RecordingMediaPlayer::SetRunning(bool running) {
    QMutexLocker lock(&m_mutex);
    m_running = running;
}

void RecordingMediaPlayer::SetLaunchable(bool launchable) {
    QMutexLocker lock(&m_mutex);
    m_launchable = launchable;
}

void RecordingMediaPlayer::SetTrack(const MediaTrack& track) {
    QMutexLocker lock(&m_mutex);
    m_track = track;
}

void RecordingMediaPlayer::SetPlayState(int state) {
    QMutexLocker lock(&m_mutex);
    m_playState = state;
}

void RecordingMediaPlayer::SetStatus(const QString& status) {
    QMutexLocker lock(&m_mutex);
    m_status = status;
}

void RecordingMediaPlayer::Fire(MediaPlayerEvent event) {
    EventHandler handler;
    {
        QMutexLocker lock(&m_mutex);
        handler = m_handler;
    }
    if (handler)
        handler(event);
}

bool RecordingMediaPlayer::HasEventHandler() {
    QMutexLocker lock(&m_mutex);
    return bool(m_handler);
}

} // namespace PAL_INT
