#pragma once
// Reply bodies of the two web-login services for the tests (Graph posts, timeline tweets), and a wait until the
// sources' replies and parse jobs have settled.

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThreadPool>
#include <QtTest>

namespace SocialBodies {

// A Graph post from a sender whose id is "u" followed by the post's id.
inline QJsonObject Post(const QString& id, const QString& type, const QString& created, const QString& fromName,
                        const QJsonObject& extra = {}) {
    QJsonObject post{{"id", id},
                     {"type", type},
                     {"created_time", created},
                     {"from", QJsonObject{{"name", fromName}, {"id", "u" + id}}}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        post.insert(it.key(), it.value());
    return post;
}

// A Graph reply carrying the posts.
inline QByteArray Data(const QJsonArray& posts) {
    return QJsonDocument(QJsonObject{{"data", posts}}).toJson(QJsonDocument::Compact);
}

inline QByteArray Tweet(const QString& id, const QString& name, const QString& created, const QString& text,
                        const QString& icon = QString(), const QString& link = QString()) {
    QJsonObject user{{"name", name}, {"screen_name", name.toLower()}, {"profile_image_url", icon}};
    QJsonObject tweet{{"id", id}, {"text", text}, {"created_at", created}, {"user", user}};
    if (!link.isEmpty())
        tweet.insert("link", link);
    return QJsonDocument(tweet).toJson(QJsonDocument::Compact);
}

// A timeline reply of the given tweets (taken as they are, so a test can put in anything).
inline QByteArray Timeline(const QList<QByteArray>& tweets) {
    QByteArray out = "[";
    for (int i = 0; i < tweets.size(); ++i)
        out += (i ? "," : "") + tweets.at(i);
    return out + "]";
}

// The timeline service's date form of a UTC time.
inline QString TwitterDate(const QDateTime& when) {
    return QLocale::c().toString(when, "ddd MMM dd hh:mm:ss +0000 yyyy");
}

// Lets the sources' replies arrive and their parse jobs finish.
inline void Settle() {
    for (int i = 0; i < 5; ++i) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}

} // namespace SocialBodies
