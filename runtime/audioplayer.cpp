#include "runtime/audioplayer.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/dxmp3.h"
#include "runtime/vorbisdecoder.h"
#include "runtime/wavheader.h"

#include <QAudioDeviceInfo>
#include <QAudioOutput>
#include <QBuffer>
#include <QFile>

AudioPlayer::AudioPlayer(QObject* parent) : QObject(parent) {}

QAudioDeviceInfo AudioPlayer::OutputDevice() {
    const QAudioDeviceInfo preferred = QAudioDeviceInfo::defaultOutputDevice();
    if (!preferred.isNull())
        return preferred;
    const auto devices = QAudioDeviceInfo::availableDevices(QAudio::AudioOutput);
    for (const QAudioDeviceInfo& d : devices)
        if (!d.isNull())
            return d;
    return preferred;
}

AudioPlayer::~AudioPlayer() {
    StopCurrent();
}

void AudioPlayer::StopCurrent() {
    if (m_output) {
        m_output->stop();
        m_output->deleteLater();
    }
    if (m_device)
        m_device->deleteLater();
    if (m_mp3) {
        m_mp3->Stop();
        m_mp3->Release();
        m_mp3->deleteLater();
    }
    m_output = nullptr;
    m_device = nullptr;
    m_mp3 = nullptr;
}

bool AudioPlayer::StartOutput(const QAudioFormat& format, QIODevice* device, const QString& path) {
    m_device = device;
    m_output = new QAudioOutput(OutputDevice(), format, this);
    m_output->start(device);
    if (m_output->error() == QAudio::OpenError) {
        QLOG_WARN() << "AudioPlayer::PlaySound: no sound output for" << path;
        StopCurrent();
        return false;
    }
    return true;
}

bool AudioPlayer::PlaySound(const QString& path) {
    PROFILE_SCOPE("AudioPlayer::PlaySound");
    const QString file = path.trimmed();
    enum { Wav, Ogg, Mp3 } kind;
    if (file.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        kind = Wav;
    else if (file.endsWith(QLatin1String(".ogg"), Qt::CaseInsensitive))
        kind = Ogg;
    else if (file.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive))
        kind = Mp3;
    else {
        QLOG_WARN() << "Unknown Sound Format:" << file;
        return false;
    }

    StopCurrent();

    if (kind == Wav) {
        auto* wav = new QFile(file);
        if (!wav->open(QIODevice::ReadOnly)) {
            QLOG_WARN() << "Can't load Sound File:" << file;
            delete wav;
            return false;
        }
        WavHeader header;
        if (!ReadWavHeader(wav, header)) {
            QLOG_WARN() << "Invalid WAV File:" << file;
            delete wav;
            return false;
        }
        return StartOutput(header.format, new WavDataDevice(wav, header.dataSize), file);
    }

    if (kind == Ogg) {
        VorbisDecoder decoder(false);
        QByteArray samples;
        if (decoder.Open(file))
            samples = decoder.DecodeAll();
        // A file without decodable audio plays nothing either, so it fails the same way.
        if (samples.isEmpty()) {
            QLOG_WARN() << "Can't load Sound File:" << file;
            return false;
        }
        QAudioFormat format;
        format.setSampleRate(decoder.SampleRate());
        format.setChannelCount(decoder.Channels());
        format.setSampleSize(16);
        format.setCodec(QStringLiteral("audio/pcm"));
        format.setByteOrder(QAudioFormat::LittleEndian);
        format.setSampleType(QAudioFormat::SignedInt);
        auto* buffer = new QBuffer;
        buffer->setData(samples);
        buffer->open(QIODevice::ReadOnly);
        QLOG_DEBUG() << "AudioPlayer::PlaySound: decoded" << samples.size() << "bytes," << decoder.SampleRate() << "Hz,"
                     << decoder.Channels() << "channels";
        return StartOutput(format, buffer, file);
    }

    m_mp3 = new DxMp3(this);
    if (m_mp3->Load(file))
        return m_mp3->Play();
    QLOG_WARN() << "Can't load Sound File:" << file;
    return false;
}
