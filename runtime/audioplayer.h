#pragma once
// Plays one short sound at a time (button sounds, sounds started by control scripts): WAV and Ogg Vorbis
// through the audio output, mp3 decoded with libmpg123. Starting a sound stops the previous one.

#include <QAudioDeviceInfo>
#include <QAudioOutput>
#include <QIODevice>
#include <QObject>
#include <QPointer>

#include "runtime/dxmp3.h"

class AudioPlayer : public QObject {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    // Starts the sound of the file, chosen by its ending (".wav", ".ogg", ".mp3", any case); false when nothing
    // plays.
    bool PlaySound(const QString& path);

    // The system's default output, or the first available one when there is no default (as on machines whose
    // default device is a null sink).
    static QAudioDeviceInfo OutputDevice();

    // What plays now (null when nothing does).
    QAudioOutput* CurrentOutput() const { return m_output; }
    QIODevice* CurrentDevice() const { return m_device; }
    DxMp3* CurrentMp3() const { return m_mp3; }

private:
    void StopCurrent();
    bool StartOutput(const QAudioFormat& format, QIODevice* device, const QString& path);

    QPointer<QAudioOutput> m_output;
    QPointer<QIODevice> m_device;
    QPointer<DxMp3> m_mp3;
};
