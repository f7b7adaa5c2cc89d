#pragma once
// Plays an mp3 file through the toolkit's media player. Loading waits until the player has either prepared the
// file or refused it, so that a file that cannot be played is reported at once, as the callers expect.

#include <QObject>
#include <QPointer>

class QMediaPlayer;

class DxMp3 : public QObject {
    Q_OBJECT
public:
    explicit DxMp3(QObject* parent = nullptr);
    ~DxMp3() override;

    // Releases what is held, then prepares the file; false when it cannot be played.
    bool Load(const QString& path);
    bool Play();
    bool Stop();
    void Release();

    bool IsLoaded() const { return m_loaded; }
    // Length in milliseconds; 0 until known.
    qint64 Duration() const;

    // How long Load waits for the media player's verdict.
    static constexpr int kLoadTimeoutMs = 5000;

private:
    QPointer<QMediaPlayer> m_player;
    bool m_loaded = false;
};
