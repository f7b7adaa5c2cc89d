#include "config/gridsigverifier.h"

#include "foundation/logger/QsLog.h"

#include <QRegularExpression>
#include <cstring>
#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

namespace {
QString LastCryptoError() {
    char buf[256] = {0};
    ERR_error_string_n(ERR_get_error(), buf, sizeof(buf));
    return QString::fromLatin1(buf);
}
} // namespace

int PemNoPassword(char* buf, int size, int /*rwflag*/, void* userdata) {
    // A public-key block asks for no pass phrase; never read through a null user-data pointer.
    if (!userdata || !buf || size <= 0)
        return 0;
    const char* text = static_cast<const char*>(userdata);
    int len = int(std::strlen(text));
    if (len > size)
        len = size;
    std::memcpy(buf, text, size_t(len));
    return len;
}

bool GridSigVerifier::LoadKey(const QByteArray& pem) {
    Release();
    if (pem.isEmpty())
        return false;
    BIO* bio = BIO_new_mem_buf(pem.constData(), pem.size());
    if (!bio) {
        QLOG_DEBUG() << LastCryptoError();
        return false;
    }
    EVP_PKEY* key = PEM_read_bio_PUBKEY(bio, nullptr, PemNoPassword, nullptr);
    BIO_free(bio);
    if (!key) {
        QLOG_DEBUG() << LastCryptoError();
        return false;
    }
    if (EVP_PKEY_get_base_id(key) != EVP_PKEY_RSA) {
        QLOG_DEBUG() << "GridSigVerifier::LoadKey: not an RSA key";
        EVP_PKEY_free(key);
        return false;
    }
    m_key = key;
    return true;
}

bool GridSigVerifier::Verify(const QByteArray& data, const QByteArray& signature) const {
    if (!m_key || data.isEmpty() || signature.isEmpty())
        return false;
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    if (!ctx || EVP_DigestVerifyInit(ctx, nullptr, EVP_sha256(), nullptr, m_key) != 1) {
        QLOG_DEBUG() << "EVP_VerifyInit: failed.";
        EVP_MD_CTX_free(ctx);
        return false;
    }
    if (EVP_DigestVerifyUpdate(ctx, data.constData(), size_t(data.size())) != 1) {
        QLOG_DEBUG() << "EVP_VerifyUpdate: failed.";
        EVP_MD_CTX_free(ctx);
        return false;
    }
    const int rc = EVP_DigestVerifyFinal(ctx, reinterpret_cast<const unsigned char*>(signature.constData()),
                                         size_t(signature.size()));
    EVP_MD_CTX_free(ctx);
    if (rc != 1) {
        ERR_clear_error();
        QLOG_DEBUG() << "EVP_VerifyFinal: failed.";
        return false;
    }
    return true;
}

void GridSigVerifier::Release() {
    if (m_key) {
        EVP_PKEY_free(m_key);
        m_key = nullptr;
    }
}

QString GridSigVerifier::SignatureFileName(const QString& gridKey) {
    static const QRegularExpression notAlnum(QStringLiteral("[^a-zA-Z\\d]"));
    QString key = gridKey;
    key.remove(notAlnum);
    return QStringLiteral("Grid_") + key + QStringLiteral(".sig");
}
