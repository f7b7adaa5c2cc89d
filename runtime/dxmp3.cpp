#include "runtime/dxmp3.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "runtime/audioplayer.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <mpg123.h>

#include <memory>

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* h) const {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

} // namespace

DxMp3::DxMp3(QObject* parent) : QObject(parent) {}

DxMp3::~DxMp3() {
    Release();
}

bool DxMp3::Load(const QString& path) {
    PROFILE_SCOPE("DxMp3::Load");
    Release();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;

    int error = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &error));
    if (!handle) {
        QLOG_WARN() << "DxMp3::Load: no mp3 decoder:" << mpg123_plain_strerror(error);
        return false;
    }
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Every rate the decoder knows, always as signed 16-bit samples.
    mpg123_format_none(handle.get());
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle.get(), QFile::encodeName(info.absoluteFilePath()).constData()) != MPG123_OK) {
        QLOG_DEBUG() << "DxMp3::Load: cannot open" << path << mpg123_strerror(handle.get());
        return false;
    }

    long rate = 0;
    int channels = 0;
    QByteArray samples;
    unsigned char block[16384];
    for (;;) {
        size_t done = 0;
        const int result = mpg123_read(handle.get(), block, sizeof block, &done);
        if (done > 0) {
            if (samples.size() + qint64(done) > kMaxDecodedBytes) {
                QLOG_WARN() << "DxMp3::Load: sound longer than" << kMaxDecodedBytes << "decoded bytes:" << path;
                return false;
            }
            samples.append(reinterpret_cast<const char*>(block), int(done));
        }
        if (result == MPG123_NEW_FORMAT) {
            int encoding = 0;
            long newRate = 0;
            int newChannels = 0;
            mpg123_getformat(handle.get(), &newRate, &newChannels, &encoding);
            // One output format per sound: a stream that changes it part-way is not played as noise.
            if ((rate != 0 && (newRate != rate || newChannels != channels)) || encoding != MPG123_ENC_SIGNED_16) {
                QLOG_DEBUG() << "DxMp3::Load: changing format in" << path;
                return false;
            }
            rate = newRate;
            channels = newChannels;
            continue;
        }
        if (result == MPG123_DONE)
            break;
        if (result != MPG123_OK) {
            QLOG_DEBUG() << "DxMp3::Load: cannot decode" << path << mpg123_strerror(handle.get());
            return false;
        }
    }
    if (samples.isEmpty() || rate <= 0 || channels <= 0) {
        QLOG_DEBUG() << "DxMp3::Load: no sound in" << path;
        return false;
    }
    m_format.setSampleRate(int(rate));
    m_format.setChannelCount(channels);
    m_format.setSampleSize(16);
    m_format.setCodec(QStringLiteral("audio/pcm"));
    m_format.setByteOrder(QAudioFormat::LittleEndian);
    m_format.setSampleType(QAudioFormat::SignedInt);
    m_samples = samples;
    m_loaded = true;
    return true;
}

bool DxMp3::Play() {
    PROFILE_SCOPE("DxMp3::Play");
    if (!m_loaded)
        return false;
    if (m_output)
        m_output->stop();
    if (!m_buffer) {
        m_buffer = new QBuffer(this);
        m_buffer->setData(m_samples);
    }
    m_buffer->close();
    m_buffer->open(QIODevice::ReadOnly);
    if (!m_output)
        m_output = new QAudioOutput(AudioPlayer::OutputDevice(), m_format, this);
    m_output->start(m_buffer);
    if (m_output->error() == QAudio::OpenError) {
        QLOG_WARN() << "DxMp3::Play: no sound output";
        return false;
    }
    return true;
}

bool DxMp3::Stop() {
    if (!m_loaded)
        return false;
    if (m_output)
        m_output->stop();
    return true;
}

void DxMp3::Release() {
    if (m_output) {
        m_output->stop();
        m_output->deleteLater();
    }
    if (m_buffer)
        m_buffer->deleteLater();
    m_output = nullptr;
    m_buffer = nullptr;
    m_samples.clear();
    m_format = QAudioFormat();
    m_loaded = false;
}

qint64 DxMp3::Duration() const {
    const int frameBytes = m_format.bytesPerFrame();
    if (!m_loaded || frameBytes <= 0 || m_format.sampleRate() <= 0)
        return 0;
    return qint64(m_samples.size() / frameBytes) * 1000 / m_format.sampleRate();
}
