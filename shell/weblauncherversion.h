#pragma once
// The version page of the maker's web server: the latest release's version, build, installer digest,
// installer address and release notes, read from a JSON object.

#include "shell/networkaccess.h"

class WebLauncherVersion : public NetworkAccess {
    Q_OBJECT
public:
    // The version this program reports; releases numbered from NewestOffered on are newer.
    static constexpr int InstalledNumber = 459;
    static constexpr int NewestOffered = 460;
    // The version page is a few kilobytes; anything far larger is not one.
    static constexpr qint64 MaxAnswerBytes = 256 * 1024;

    WebLauncherVersion(const QString& url, QObject* parent = nullptr);

    // The version without its dots, as a decimal number (0.460 -> 460); 0 when empty or unreadable.
    int GetVersionNumber() const;
    // "V0.<number>", or empty while no version is known.
    QString GetVersionText() const;
    // Whether the release is newer than this program: a known version numbered 460 or more, or with a major
    // part of 1 or more (1.0.2 would otherwise read as 102).
    bool IsNewer() const;

    // Reads an answer's keys into the members; keys that are missing or of another type change nothing.
    void ReadAnswer(const QByteArray& body);

    QString Version;
    QString MD5;
    int Build = -1;
    QString Changelog;
    QString Link;

signals:
    void webRequestReceived(bool ok);

public slots:
    void slotReadyRead(QNetworkReply* reply);
};
