#pragma once
// Reader of the header of a PCM WAV file.

#include <QAudioFormat>
#include <QIODevice>

struct WavHeader {
    QAudioFormat format;
    qint64 dataSize = 0; // bytes of samples
};

// Reads the header from the start of the device and leaves the device at the first sample. False for anything
// but 8- or 16-bit PCM in a "RIFF" (little-endian) or "RIFX" (big-endian) file.
bool ReadWavHeader(QIODevice* device, WavHeader& header);

// The samples of a WAV file as a device of their own: reads end with the data chunk, so chunks that follow it
// (tags, cue points) are never played as sound. Takes the file, positioned at the first sample, as its child.
class WavDataDevice : public QIODevice {
public:
    WavDataDevice(QIODevice* file, qint64 dataSize, QObject* parent = nullptr);
    qint64 size() const override;
    bool isSequential() const override { return false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice* m_file;
    qint64 m_start;
    qint64 m_size;
};
