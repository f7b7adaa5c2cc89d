#include "foundation/simplecrypt.h"

#include "foundation/logger/QsLog.h"

#include <QRandomGenerator>

namespace {
const char kVersion = 1;
}

QByteArray SimpleCrypt::EncryptToByteArray(const QByteArray& clear) const {
    if (m_key.isEmpty()) {
        QLOG_WARN() << "SimpleCrypt::EncryptToByteArray: No key set.";
        return QByteArray();
    }
    QByteArray out;
    out.reserve(clear.size() + 2);
    out.append(kVersion);
    // The random first byte changes every following byte through the chain, so equal texts differ on disk.
    out.append(char(QRandomGenerator::global()->generate() & 0xFF));
    out.append(clear);

    const int keyLen = m_key.size();
    char* b = out.data() + 1;
    const int n = out.size() - 1;
    char c = 0;
    for (int i = 0; i < n; ++i) {
        b[i] = char(m_key[i % keyLen] ^ b[i] ^ c);
        c = b[i];
    }
    return out;
}

QString SimpleCrypt::EncryptToString(const QString& clear) const {
    return QString::fromLatin1(EncryptToByteArray(clear.toUtf8()).toBase64());
}

QByteArray SimpleCrypt::DecryptToByteArray(const QByteArray& cipher, bool* ok) const {
    if (ok)
        *ok = false;
    if (m_key.isEmpty()) {
        QLOG_WARN() << "SimpleCrypt::DecryptToByteArray:No key set.";
        return QByteArray();
    }
    if (cipher.isEmpty() || cipher[0] != kVersion) {
        QLOG_WARN() << "SimpleCrypt::DecryptToByteArray:Invalid version or not a cyphertext.";
        return QByteArray();
    }
    QByteArray b = cipher.mid(1);
    const int keyLen = m_key.size();
    char* p = b.data();
    const int n = b.size();
    char c = 0;
    for (int i = 0; i < n; ++i) {
        const char d = p[i];
        p[i] = char(m_key[i % keyLen] ^ p[i] ^ c);
        c = d;
    }
    if (ok)
        *ok = true;
    return b.mid(1);
}

QString SimpleCrypt::DecryptToString(const QString& cipher, bool* ok) const {
    if (ok)
        *ok = false;
    const auto decoded = QByteArray::fromBase64Encoding(cipher.toLatin1(), QByteArray::Base64Encoding |
                                                                               QByteArray::AbortOnBase64DecodingErrors);
    if (decoded.decodingStatus != QByteArray::Base64DecodingStatus::Ok) {
        QLOG_WARN() << "SimpleCrypt::DecryptToByteArray:Invalid version or not a cyphertext.";
        return QString();
    }
    bool isCipher = false;
    const QByteArray clear = DecryptToByteArray(decoded.decoded, &isCipher);
    if (!isCipher)
        return QString();
    if (!IsPlausibleText(clear))
        return QString();
    if (ok)
        *ok = true;
    return QString::fromUtf8(clear);
}

bool SimpleCrypt::IsPlausibleText(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned c = *p;
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
                return false;
            ++p;
            continue;
        }
        int extra;
        unsigned cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false; // stray continuation byte, overlong lead, or beyond U+10FFFF
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false; // overlong
        if (cp >= 0xD800 && cp <= 0xDFFF)
            return false; // surrogate
        if (cp < 0xA0)
            return false; // C1 control
        p += extra + 1;
    }
    return true;
}
