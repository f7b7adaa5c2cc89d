#pragma once
// Reader of the header of a PCM WAV file.

#include <QAudioFormat>

class QIODevice;

struct WavHeader {
    QAudioFormat format;
    qint64 dataSize = 0; // bytes of samples
};

// Reads the header from the start of the device and leaves the device at the first sample. False for anything
// but 8- or 16-bit PCM in a "RIFF" (little-endian) or "RIFX" (big-endian) file.
bool ReadWavHeader(QIODevice* device, WavHeader& header);
