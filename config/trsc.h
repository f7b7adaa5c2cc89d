#pragma once
// Resource records: a file named by a configuration entry, resolved once against the declaring folder.

#include "config/tnamed.h"

struct DataCfg::TRsc : DataCfg::TNamed {
    QString Directory; // folder of the file that declared the entry
    bool Resolved = false;
    bool Found = false;
    QString Rsc; // the file as written; the found path after a successful Resolve

    void Read(const QVariantMap& map, const QString& folder);
    QVariantMap Write() const;
    // Looks the file up once ("", ".png", ".jpg"; as written, then in Directory); later calls repeat the answer.
    bool Resolve();

    // The path Resolve would find, without logging or changing anything; empty when none.
    static QString FindFile(const QString& rsc, const QString& directory);
};

struct DataCfg::TFont : DataCfg::TRsc {
    qint32 Index = 0; // position in its section's "Fonts" list, set by the loader
    QString Type;     // the family name text elements use
    qint32 Weight = DataCfg::FW_Normal;
    qint32 Style = DataCfg::FS_Normal;

    // Also registers the font file with the application's font database.
    void Read(const QVariantMap& map, const QString& folder);
};
