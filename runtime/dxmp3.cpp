#include "runtime/dxmp3.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

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

    m_player = new QMediaPlayer(this);
    if (!m_player->isAvailable()) {
        Release();
        return false;
    }
    QEventLoop wait;
    bool ready = false;
    auto onStatus = [&](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia) {
            ready = true;
            wait.quit();
        } else if (status == QMediaPlayer::InvalidMedia) {
            wait.quit();
        }
    };
    const auto statusConn = connect(m_player.data(), &QMediaPlayer::mediaStatusChanged, &wait, onStatus);
    const auto errorConn = connect(m_player.data(), QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), &wait,
                                   [&wait] { wait.quit(); });
    QTimer::singleShot(kLoadTimeoutMs, &wait, &QEventLoop::quit);
    m_player->setMedia(QUrl::fromLocalFile(info.absoluteFilePath()));
    onStatus(m_player->mediaStatus());
    if (!ready && m_player->error() == QMediaPlayer::NoError && m_player->mediaStatus() != QMediaPlayer::InvalidMedia)
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(statusConn);
    disconnect(errorConn);
    if (!ready || m_player->error() != QMediaPlayer::NoError) {
        QLOG_DEBUG() << "DxMp3::Load: cannot play" << path << m_player->errorString();
        Release();
        return false;
    }
    // Errors that come up while playing end the sound; the caller learnt of success already.
    connect(m_player.data(), QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, [this] {
        if (m_player) {
            QLOG_WARN() << "DxMp3::Play:" << m_player->errorString();
        }
    });
    m_loaded = true;
    return true;
}

bool DxMp3::Play() {
    PROFILE_SCOPE("DxMp3::Play");
    if (!m_loaded || !m_player)
        return false;
    m_player->play();
    return m_player->error() == QMediaPlayer::NoError;
}

bool DxMp3::Stop() {
    if (!m_loaded || !m_player)
        return false;
    m_player->stop();
    return true;
}

void DxMp3::Release() {
    if (m_player) {
        m_player->stop();
        m_player->disconnect(this);
        m_player->deleteLater();
    }
    m_player = nullptr;
    m_loaded = false;
}

qint64 DxMp3::Duration() const {
    return m_player ? m_player->duration() : 0;
}
