#include "foundation/logger/QsLog.h"
#include "runtime/audioplayer.h"
#include "runtime/dxmp3.h"
#include "runtime/vorbisdecoder.h"
#include "runtime/wavheader.h"
#include "tests/common/logcapture.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <optional>

#define STB_VORBIS_HEADER_ONLY
#include <stb/stb_vorbis.h>

namespace {

QString Fixture(const QString& name) {
    return QStringLiteral(MERVEX_TEST_SOURCE_DIR "/fixtures/sound/") + name;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QByteArray Num(quint32 value, int bytes, bool bigEndian) {
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
        out[i] = char((value >> shift) & 0xff);
    }
    return out;
}

// A WAV file: "fmt " chunk of 16 bytes, optionally one more chunk, then the data chunk.
QByteArray MakeWav(const char* riff, int format, int channels, int rate, int bits, const QByteArray& extraChunk,
                   const QByteArray& samples) {
    const bool be = qstrcmp(riff, "RIFX") == 0;
    QByteArray fmt = Num(quint32(format), 2, be) + Num(quint32(channels), 2, be) + Num(quint32(rate), 4, be) +
                     Num(quint32(rate * channels * bits / 8), 4, be) + Num(quint32(channels * bits / 8), 2, be) +
                     Num(quint32(bits), 2, be);
    QByteArray body = QByteArray("WAVE") + "fmt " + Num(16, 4, be) + fmt + extraChunk + "data" +
                      Num(quint32(samples.size()), 4, be) + samples;
    return QByteArray(riff) + Num(quint32(body.size()), 4, be) + body;
}

// The fixture's header pages end at 2668; its audio is cut in the middle.
QByteArray CutInHalf(const QByteArray& ogg) {
    return ogg.left(2668 + (ogg.size() - 2668) / 2);
}

// The reference decode: stb_vorbis' own file reader, sample by sample.
QByteArray ReferenceDecode(const QString& path, int& channelsOut) {
    int error = 0;
    stb_vorbis* v = stb_vorbis_open_filename(QFile::encodeName(path).constData(), &error, nullptr);
    if (!v)
        return QByteArray();
    QByteArray out;
    float** frame = nullptr;
    int channels = 0, n;
    while ((n = stb_vorbis_get_frame_float(v, &channels, &frame)) > 0) {
        for (int s = 0; s < n; ++s)
            for (int c = 0; c < channels; ++c) {
                const qint16 value = VorbisDecoder::ToSample16(frame[c][s]);
                out.append(reinterpret_cast<const char*>(&value), 2);
            }
    }
    channelsOut = stb_vorbis_get_info(v).channels;
    stb_vorbis_close(v);
    return out;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT
    std::optional<LogCapture> m_log;
    QTemporaryDir m_dir;

    QString Temp(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        // Sounds go to a null sink: tests must pass on machines without sound hardware or a sound server.
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(Fixture(QStringLiteral("asound-null.conf"))));
        QVERIFY(m_dir.isValid());
        m_log.emplace();
        GetLogger().SetLevel(QsLogging::DebugLevel);
    }

    void cleanupTestCase() { m_log.reset(); }

    void init() { m_log->Clear(); }

    void wavHeader_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("sampleType");
        QTest::addColumn<int>("byteOrder");
        QTest::addColumn<qint64>("dataStart");
        QTest::addColumn<qint64>("dataSize");

        const QByteArray s10(10, 'x');
        const int le = QAudioFormat::LittleEndian, be = QAudioFormat::BigEndian;
        const int sig = QAudioFormat::SignedInt, uns = QAudioFormat::UnSignedInt;
        QTest::newRow("16-bit mono") << MakeWav("RIFF", 1, 1, 8000, 16, {}, s10) << true << 1 << 16 << sig << le
                                     << qint64(44) << qint64(10);
        QTest::newRow("8-bit stereo unsigned")
            << MakeWav("RIFF", 1, 2, 22050, 8, {}, s10) << true << 2 << 8 << uns << le << qint64(44) << qint64(10);
        QTest::newRow("RIFX big-endian") << MakeWav("RIFX", 1, 2, 44100, 16, {}, s10) << true << 2 << 16 << sig << be
                                         << qint64(44) << qint64(10);
        // A metadata chunk before the samples is skipped rather than played as noise.
        const QByteArray list = QByteArray("LIST") + Num(6, 4, false) + "INFOab";
        QTest::newRow("LIST before data") << MakeWav("RIFF", 1, 1, 8000, 16, list, s10) << true << 1 << 16 << sig << le
                                          << qint64(44 + 14) << qint64(10);
        QTest::newRow("24-bit") << MakeWav("RIFF", 1, 1, 8000, 24, {}, s10) << false << 0 << 0 << 0 << 0 << qint64(0)
                                << qint64(0);
        QTest::newRow("float format 3") << MakeWav("RIFF", 3, 1, 8000, 16, {}, s10) << false << 0 << 0 << 0 << 0
                                        << qint64(0) << qint64(0);
        QTest::newRow("no channels") << MakeWav("RIFF", 1, 0, 8000, 16, {}, s10) << false << 0 << 0 << 0 << 0
                                     << qint64(0) << qint64(0);
        QByteArray notRiff = MakeWav("RIFF", 1, 1, 8000, 16, {}, s10);
        notRiff.replace(0, 4, "RIFY");
        QTest::newRow("not RIFF") << notRiff << false << 0 << 0 << 0 << 0 << qint64(0) << qint64(0);
        QByteArray notWave = MakeWav("RIFF", 1, 1, 8000, 16, {}, s10);
        notWave.replace(8, 4, "AVI ");
        QTest::newRow("not WAVE") << notWave << false << 0 << 0 << 0 << 0 << qint64(0) << qint64(0);
        QByteArray noFmt = MakeWav("RIFF", 1, 1, 8000, 16, {}, s10);
        noFmt.replace(12, 4, "junk");
        QTest::newRow("no fmt chunk") << noFmt << false << 0 << 0 << 0 << 0 << qint64(0) << qint64(0);
        QTest::newRow("shorter than a header")
            << MakeWav("RIFF", 1, 1, 8000, 16, {}, {}).left(40) << false << 0 << 0 << 0 << 0 << qint64(0) << qint64(0);
    }

    void wavHeader() {
        QFETCH(QByteArray, file);
        QFETCH(bool, valid);
        QBuffer device(&file);
        QVERIFY(device.open(QIODevice::ReadOnly));
        WavHeader header;
        QCOMPARE(ReadWavHeader(&device, header), valid);
        if (!valid)
            return;
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(int, sampleType);
        QFETCH(int, byteOrder);
        QFETCH(qint64, dataStart);
        QFETCH(qint64, dataSize);
        QCOMPARE(header.format.channelCount(), channels);
        QCOMPARE(header.format.sampleSize(), bits);
        QCOMPARE(int(header.format.sampleType()), sampleType);
        QCOMPARE(int(header.format.byteOrder()), byteOrder);
        QCOMPARE(header.format.codec(), QStringLiteral("audio/pcm"));
        QVERIFY(header.format.sampleRate() == 8000 || header.format.sampleRate() == 22050 ||
                header.format.sampleRate() == 44100);
        QCOMPARE(device.pos(), dataStart);
        QCOMPARE(header.dataSize, dataSize);
    }

    void sampleConversion_data() {
        QTest::addColumn<float>("sample");
        QTest::addColumn<int>("value");
        QTest::newRow("1.0") << 1.0f << 30000;
        QTest::newRow("-1.0") << -1.0f << -30000;
        QTest::newRow("0.5") << 0.5f << 15000;
        QTest::newRow("truncates toward 0") << 0.99999f << 29999;
        QTest::newRow("small negative") << -0.00001f << 0;
        QTest::newRow("held at the top") << 1.5f << 32767;
        QTest::newRow("held at the bottom") << -2.0f << -32768;
    }

    void sampleConversion() {
        QFETCH(float, sample);
        QFETCH(int, value);
        QCOMPARE(int(VorbisDecoder::ToSample16(sample)), value);
    }

    void vorbisDecodesSampleExact_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("memoryMode");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("mono, file") << Fixture("tone_mono.ogg") << false << 8000 << 1;
        QTest::newRow("mono, memory") << Fixture("tone_mono.ogg") << true << 8000 << 1;
        QTest::newRow("stereo, file") << Fixture("left_only.ogg") << false << 22050 << 2;
    }

    void vorbisDecodesSampleExact() {
        QFETCH(QString, path);
        QFETCH(bool, memoryMode);
        QFETCH(int, rate);
        QFETCH(int, channels);
        VorbisDecoder decoder(memoryMode);
        QVERIFY(decoder.Open(path));
        QCOMPARE(decoder.SampleRate(), rate);
        QCOMPARE(decoder.Channels(), channels);
        QVERIFY(m_log->Has(QStringLiteral("stb vorbis init complete, used")));
        const QByteArray pcm = decoder.DecodeAll();
        int refChannels = 0;
        const QByteArray reference = ReferenceDecode(path, refChannels);
        QCOMPARE(refChannels, channels);
        QVERIFY(!reference.isEmpty());
        // The file reader trims the last frame to the stream's length; the push decoder may give that frame whole.
        QVERIFY(pcm.size() >= reference.size());
        QVERIFY(pcm.startsWith(reference));
        QVERIFY(pcm.size() / 2 / channels >= decoder.TotalSamples());

        // The tones have an amplitude of one half: peaks near 15000, and the right channel of the stereo file
        // (silence) stays near 0, so the channels are interleaved in the right order.
        const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
        const int frames = pcm.size() / 2 / channels;
        int peak = 0, rightPeak = 0;
        for (int i = 0; i < frames; ++i) {
            peak = qMax(peak, qAbs(int(s[i * channels])));
            if (channels == 2)
                rightPeak = qMax(rightPeak, qAbs(int(s[i * 2 + 1])));
        }
        QVERIFY2(peak > 13500 && peak < 16500, qPrintable(QString::number(peak)));
        QVERIFY2(rightPeak < 300, qPrintable(QString::number(rightPeak)));
    }

    // A file larger than one read block is decoded across the block edges as well.
    void vorbisDecodesAcrossBlocks() {
        const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
        if (sox.isEmpty())
            QSKIP("sox is not installed");
        const QString path = Temp(QStringLiteral("long.ogg"));
        QProcess p;
        p.start(sox, {"-n", "-r", "44100", "-c", "2", "-C", "10", path, "synth", "8", "whitenoise", "vol", "0.3"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(QFileInfo(path).size() > 2 * VorbisDecoder::kBlockSize);
        VorbisDecoder decoder(false);
        QVERIFY(decoder.Open(path));
        const QByteArray pcm = decoder.DecodeAll();
        int channels = 0;
        const QByteArray reference = ReferenceDecode(path, channels);
        QVERIFY(!reference.isEmpty());
        QVERIFY(pcm.startsWith(reference));
        QVERIFY(pcm.size() - reference.size() <= decoder.MaxFrameSize() * channels * 2);
    }

    void vorbisBadInput_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: the file does not exist
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("logLine");
        const QByteArray ogg = ReadFile(Fixture("tone_mono.ogg"));
        QByteArray noBos = ogg;
        noBos[5] = char(noBos[5] & ~0x2);
        QByteArray headersOnly = ogg.left(2668); // the header pages, no audio page
        QTest::newRow("missing file") << QByteArray() << false << "Failed to open file";
        QTest::newRow("no BOS flag") << noBos << false << "Failed to read BOS page";
        QTest::newRow("not Ogg") << ReadFile(Fixture("tone16.wav")) << false << "Capture pattern mismatch";
        QTest::newRow("cut in the headers") << ogg.left(1000) << false << "Read 1000 bytes, expected 2668";
        QTest::newRow("audio cut in half") << CutInHalf(ogg) << true << "vorbisDecode failed";
        QTest::newRow("headers only") << headersOnly << true << "no audio page";
    }

    void vorbisBadInput() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QFETCH(QString, logLine);
        const QString path = Temp(QStringLiteral("bad_%1.ogg").arg(QTest::currentDataTag()).replace(' ', '_'));
        if (!bytes.isEmpty())
            QVERIFY(WriteFile(path, bytes));
        VorbisDecoder decoder(false);
        QCOMPARE(decoder.Open(path), opens);
        QVERIFY(decoder.DecodeAll().isEmpty());
        QVERIFY2(m_log->Has(logLine), qPrintable(m_log->All()));
    }

    void playSound_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<QString>("warning");
        QTest::newRow("wav") << Fixture("tone16.wav") << true << QString();
        QTest::newRow("ogg, ending in capitals") << Temp("TONE.OGG") << true << QString();
        QTest::newRow("blanks around the path") << "  " + Fixture("tone16.wav") + " " << true << QString();
        QTest::newRow("missing wav") << Temp("none.wav") << false << "Can't load Sound File:";
        QTest::newRow("wav with a wrong header") << Temp("bad.wav") << false << "Invalid WAV File:";
        QTest::newRow("missing ogg") << Temp("none.ogg") << false << "Can't load Sound File:";
        QTest::newRow("ogg cut in half") << Temp("half.ogg") << false << "Can't load Sound File:";
        QTest::newRow("mp3") << Fixture("tone.mp3") << true << QString();
        QTest::newRow("missing mp3") << Temp("none.mp3") << false << "Can't load Sound File:";
        QTest::newRow("mp3 that is no mp3") << Temp("noise.mp3") << false << "Can't load Sound File:";
    }

    void playSound() {
        QFETCH(QString, path);
        QFETCH(bool, plays);
        QFETCH(QString, warning);
        const QByteArray ogg = ReadFile(Fixture("tone_mono.ogg"));
        QVERIFY(WriteFile(Temp("TONE.OGG"), ogg));
        QVERIFY(WriteFile(Temp("half.ogg"), CutInHalf(ogg)));
        QVERIFY(WriteFile(Temp("bad.wav"), ReadFile(Fixture("tone16.wav")).replace(20, 2, "\x03\x00")));
        QVERIFY(WriteFile(Temp("noise.mp3"), QByteArray(4096, '\x5a')));

        AudioPlayer player;
        QCOMPARE(player.PlaySound(path), plays);
        if (plays && path.endsWith(QLatin1String(".mp3"))) {
            QVERIFY(player.CurrentMp3());
            QVERIFY(player.CurrentMp3()->IsLoaded());
        } else if (plays) {
            QVERIFY(player.CurrentOutput());
            QVERIFY(player.CurrentOutput()->error() != QAudio::OpenError);
            QVERIFY(player.CurrentOutput()->state() != QAudio::StoppedState);
            QVERIFY(player.CurrentDevice());
        } else {
            QVERIFY(!player.CurrentOutput());
            QVERIFY2(m_log->Has(warning + " \"" + path.trimmed() + "\""), qPrintable(m_log->All()));
        }
    }

    void mp3Decodes() {
        // The fixture (a quarter second of a 660 Hz tone, made with lame at 32 kbit/s, which stores it at
        // 22050 Hz) comes back as sound: the right rate, about the right length, and not silence.
        DxMp3 mp3;
        QVERIFY(mp3.Load(Fixture(QStringLiteral("tone.mp3"))));
        QCOMPARE(mp3.Format().sampleRate(), 22050);
        QCOMPARE(mp3.Format().sampleSize(), 16);
        const qint64 frames = mp3.Samples().size() / mp3.Format().bytesPerFrame();
        // lame adds its encoder delay and padding (a few 576-sample frames) around the 5512 frames.
        QVERIFY2(frames >= 5512 && frames < 5512 + 4 * 576, qPrintable(QString::number(frames)));
        const auto* samples = reinterpret_cast<const qint16*>(mp3.Samples().constData());
        int peak = 0;
        for (int i = 0; i < mp3.Samples().size() / 2; ++i)
            peak = qMax(peak, qAbs(int(samples[i])));
        QVERIFY2(peak > 8000, qPrintable(QString::number(peak)));
        QVERIFY(mp3.Duration() >= 250 && mp3.Duration() < 400);
        QVERIFY(mp3.Play());
        QVERIFY(mp3.Output() && mp3.Output()->state() != QAudio::StoppedState);
        QVERIFY(mp3.Stop());
        QCOMPARE(mp3.Output()->state(), QAudio::StoppedState);
    }

    // A script that starts an mp3 sound waits for nothing else: no timer, posted call or deferred deletion
    // of the program runs inside its call.
    void mp3LoadsWithoutRunningTheEventLoop() {
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        QPointer<QObject> doomed = new QObject;
        doomed->deleteLater();
        AudioPlayer player;
        QVERIFY(player.PlaySound(Fixture(QStringLiteral("tone.mp3"))));
        QVERIFY(!ran);
        QVERIFY(doomed);
        QTRY_VERIFY(ran && !doomed);
    }

    void wavPlaysOnlyItsDataChunk() {
        const QByteArray samples(10, '\x11');
        // Tags after the samples, as editors write them.
        const QByteArray tags = QByteArray("LIST") + Num(30, 4, false) + QByteArray(30, '\x7f');
        QVERIFY(WriteFile(Temp("tagged.wav"), MakeWav("RIFF", 1, 1, 8000, 16, {}, samples) + tags));
        AudioPlayer player;
        QVERIFY(player.PlaySound(Temp("tagged.wav")));
        QCOMPARE(player.CurrentDevice()->size(), qint64(samples.size()));

        auto* file = new QFile(Temp("tagged.wav"));
        QVERIFY(file->open(QIODevice::ReadOnly));
        WavHeader header;
        QVERIFY(ReadWavHeader(file, header));
        WavDataDevice data(file, header.dataSize);
        QCOMPARE(data.readAll(), samples);
        QVERIFY(data.atEnd());
    }

    void newSoundReplacesTheOldOne() {
        AudioPlayer player;
        QVERIFY(player.PlaySound(Fixture("tone16.wav")));
        QPointer<QAudioOutput> first = player.CurrentOutput();
        QPointer<QIODevice> firstDevice = player.CurrentDevice();

        // An unknown ending changes nothing: the current sound keeps playing.
        QVERIFY(!player.PlaySound(Temp("click.flac")));
        QVERIFY(m_log->Has("Unknown Sound Format: \"" + Temp("click.flac") + "\""));
        QCOMPARE(player.CurrentOutput(), first.data());

        QVERIFY(player.PlaySound(Fixture("tone_mono.ogg")));
        QVERIFY(player.CurrentOutput() != first.data());
        QVERIFY(first && first->state() == QAudio::StoppedState);
        QTRY_VERIFY(first.isNull() && firstDevice.isNull());

        // A failed sound stops the previous one too.
        QPointer<QAudioOutput> second = player.CurrentOutput();
        QVERIFY(!player.PlaySound(Temp("none.wav")));
        QVERIFY(!player.CurrentOutput());
        QTRY_VERIFY(second.isNull());
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"
