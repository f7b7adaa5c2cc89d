#pragma once
// Plays an mp3 file. Loading decodes the whole file at once with libmpg123, without running the event loop
// (it is called from inside scripts), so that a file that cannot be played is reported at once, as the callers
// expect; playing sends the decoded samples to the sound output.

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QPointer>

class QAudioOutput;
class QBuffer;

class DxMp3 : public QObject {
    Q_OBJECT
public:
    explicit DxMp3(QObject* parent = nullptr);
    ~DxMp3() override;

    // Releases what is held, then decodes the file; false when it holds no playable sound.
    bool Load(const QString& path);
    bool Play();
    bool Stop();
    void Release();

    bool IsLoaded() const { return m_loaded; }
    // Length in milliseconds; 0 until loaded.
    qint64 Duration() const;
    // The decoded sound: signed 16-bit samples, interleaved channels.
    QAudioFormat Format() const { return m_format; }
    const QByteArray& Samples() const { return m_samples; }
    QAudioOutput* Output() const { return m_output; }

    // Decoded sound beyond this is not held: a control's sound is seconds long.
    static constexpr int kMaxDecodedBytes = 64 * 1024 * 1024;

private:
    QByteArray m_samples;
    QAudioFormat m_format;
    QPointer<QAudioOutput> m_output;
    QPointer<QBuffer> m_buffer;
    bool m_loaded = false;
};
