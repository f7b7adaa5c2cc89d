#include "foundation/cryptstring.h"

#include "foundation/helpers.h"
#include "foundation/logger/QsLog.h"
#include "foundation/simplecrypt.h"

#include <QMutex>
#include <QMutexLocker>
#include <vector>

namespace {

// The program's own label in front of every value path; changing it makes every stored secret unreadable.
const char kKeyLabel[] = "MervexVault";

struct MachineIdState {
    QMutex mutex;
    CryptMachineIdProvider provider;
    QByteArray message; // the machine identity's UTF-8 bytes, once known
    bool known = false;
    bool warnedMissing = false;
};

MachineIdState& IdState() {
    static MachineIdState state;
    return state;
}

QByteArray MachineIdMessage() {
    MachineIdState& s = IdState();
    QMutexLocker lock(&s.mutex);
    if (s.known)
        return s.message;
    if (!s.provider) {
        if (!s.warnedMissing) {
            QLOG_WARN() << "JsonCryptStrings: no machine identity provider set; secrets are keyed by path only.";
        }
        s.warnedMissing = true;
        return QByteArray();
    }
    const QString id = s.provider();
    if (id.isEmpty())
        return QByteArray(); // not kept: the platform layer may have it next time
    s.message = id.toUtf8();
    s.known = true;
    return s.message;
}

// Paths are built only when a CryptString is met, so trees without secrets cost a plain walk.
using PathStack = std::vector<const QString*>;

QString JoinPath(const QString& base, const PathStack& stack) {
    QString path = base;
    for (const QString* key : stack) {
        path += QLatin1Char('/');
        path += *key;
    }
    return path;
}

bool MayHoldCrypt(int type) {
    return type == QMetaType::QVariantMap || type == QMetaType::QVariantList || type == CryptStringTypeId();
}

bool CryptPass(QVariant& value, const QString& base, PathStack& stack, bool decrypt) {
    const int type = value.userType();
    if (type == QMetaType::QVariantMap) {
        const QVariantMap& map = *static_cast<const QVariantMap*>(value.constData());
        QVariantMap changed;
        bool any = false;
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            if (!MayHoldCrypt(it.value().userType()))
                continue;
            QVariant child = it.value();
            stack.push_back(&it.key());
            const bool childChanged = CryptPass(child, base, stack, decrypt);
            stack.pop_back();
            if (childChanged) {
                if (!any)
                    changed = map;
                any = true;
                changed.insert(it.key(), child);
            }
        }
        if (any)
            value = changed;
        return any;
    }
    if (type == QMetaType::QVariantList) {
        const QVariantList& list = *static_cast<const QVariantList*>(value.constData());
        QVariantList changed;
        bool any = false;
        for (int i = 0; i < list.size(); ++i) {
            if (!MayHoldCrypt(list[i].userType()))
                continue;
            QVariant child = list[i];
            if (CryptPass(child, base, stack, decrypt)) {
                if (!any)
                    changed = list;
                any = true;
                changed[i] = child;
            }
        }
        if (any)
            value = changed;
        return any;
    }
    if (type != CryptStringTypeId())
        return false;

    const CryptString cs = value.value<CryptString>();
    if (cs.Undecryptable) {
        // Already cipher text that this machine cannot read: leave it as stored in both directions.
        return false;
    }
    const QString path = JoinPath(base, stack);
    const SimpleCrypt crypt(CryptKeyForPath(path));
    CryptString out;
    if (decrypt) {
        bool ok = false;
        const QString clear = crypt.DecryptToString(cs.Text, &ok);
        if (ok) {
            out.Text = clear;
        } else {
            QLOG_WARN() << "JsonCryptStrings: the value at" << path
                        << "does not decrypt on this machine; it reads as empty and is kept as stored.";
            out.Text = cs.Text;
            out.Undecryptable = true;
        }
    } else {
        out.Text = crypt.EncryptToString(cs.Text);
    }
    value = QVariant::fromValue(out);
    return true;
}

} // namespace

int CryptStringTypeId() {
    static const int id = [] {
        const int t = qRegisterMetaType<CryptString>("CryptString");
        QMetaType::registerComparators<CryptString>();
        return t;
    }();
    return id;
}

void InstallCryptStringConversion() {
    static const bool installed = [] {
        CryptStringTypeId();
        return QMetaType::registerConverter<CryptString, QString>(&CryptString::ToString);
    }();
    Q_UNUSED(installed);
}

void SetCryptMachineIdProvider(CryptMachineIdProvider provider) {
    MachineIdState& s = IdState();
    QMutexLocker lock(&s.mutex);
    s.provider = std::move(provider);
    s.message.clear();
    s.known = false;
    s.warnedMissing = false;
}

QByteArray CryptKeyForPath(const QString& path) {
    const QString mac = HmacSha1Base64(MachineIdMessage(), QLatin1String(kKeyLabel) + path);
    return QByteArray::fromBase64(mac.toLatin1());
}

void JsonCryptStrings(QVariant& value, const QString& path, bool decrypt) {
    PathStack stack;
    CryptPass(value, path, stack, decrypt);
}
