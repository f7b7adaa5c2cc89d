#include "functions/certificatecheck.h"

#include "foundation/logger/QsLog.h"
#include "foundation/profiler.h"
#include "functions/plugintools.h"

#include <QDir>
#include <QFile>

#include <openssl/bio.h>
#include <openssl/cms.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

namespace {
// Signatures and certificates are small; anything larger is not one.
const qint64 MaxSignatureSize = 1024 * 1024;

QByteArray ReadBounded(const QString& path, bool* ok) {
    QFile file(path);
    *ok = false;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSignatureSize)
        return QByteArray();
    *ok = true;
    return file.readAll();
}

CMS_ContentInfo* ReadSignature(const QString& path) {
    bool ok = false;
    const QByteArray der = ReadBounded(SignatureFileFor(path), &ok);
    if (!ok || der.isEmpty())
        return nullptr;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(der.constData());
    return d2i_CMS_ContentInfo(nullptr, &p, der.size());
}

// Verifies the detached signature over the library's bytes. The signer certificates are set on the message.
int VerifyCms(CMS_ContentInfo* cms, const QString& path, bool allowUntrustedRoot) {
    BIO* content = BIO_new_file(QFile::encodeName(path).constData(), "rb");
    if (!content)
        return -1;
    X509_STORE* store = X509_STORE_new();
    unsigned int flags = CMS_BINARY;
    if (allowUntrustedRoot)
        flags |= CMS_NO_SIGNER_CERT_VERIFY;
    else
        X509_STORE_set_default_paths(store);
    const int ok = CMS_verify(cms, nullptr, store, content, nullptr, flags);
    X509_STORE_free(store);
    BIO_free(content);
    ERR_clear_error();
    return ok == 1 ? 1 : 0;
}
} // namespace

void SignerCertificate::Release() {
    if (certificate)
        X509_free(certificate);
    if (message)
        CMS_ContentInfo_free(message);
    certificate = nullptr;
    message = nullptr;
}

QString SignatureFileFor(const QString& path) {
    return path + QStringLiteral(".sig");
}

bool VerifyEmbeddedSignature(const QString& path, bool allowUntrustedRoot) {
    PROFILE_SCOPE("VerifyEmbeddedSignature");
    if (!QFileInfo::exists(SignatureFileFor(path))) {
        QLOG_DEBUG() << "The file is not signed:" << path;
        return false;
    }
    CMS_ContentInfo* cms = ReadSignature(path);
    if (!cms) {
        ERR_clear_error();
        QLOG_DEBUG() << "An unknown error occurred trying to verify the signature of the file:" << path;
        return false;
    }
    const int status = VerifyCms(cms, path, allowUntrustedRoot);
    CMS_ContentInfo_free(cms);
    if (status == 1) {
        QLOG_DEBUG() << "The file is signed and the signature was verified:" << path;
        return true;
    }
    if (status < 0) {
        QLOG_DEBUG() << "An unknown error occurred trying to verify the signature of the file:" << path;
        return false;
    }
    QLOG_DEBUG() << "Certificate signature failure:" << path;
    return false;
}

bool LoadSignerCertificate(SignerCertificate& record, const QString& path) {
    PROFILE_SCOPE("LoadSignerCertificate");
    record.Release();
    record.message = ReadSignature(path);
    if (!record.message) {
        ERR_clear_error();
        QLOG_DEBUG() << "CryptQueryObject failed with:" << path;
        return false;
    }
    // The signer's certificate is found among the message's certificates while verifying.
    if (VerifyCms(record.message, path, true) != 1) {
        QLOG_DEBUG() << "CertFindCertificateInStore failed with:" << path;
        return true;
    }
    STACK_OF(X509)* signers = CMS_get0_signers(record.message);
    if (signers && sk_X509_num(signers) > 0) {
        X509* cert = sk_X509_value(signers, 0);
        X509_up_ref(cert);
        record.certificate = cert;
    } else {
        QLOG_DEBUG() << "CertFindCertificateInStore failed with:" << path;
    }
    sk_X509_free(signers);
    return true;
}

bool LoadTrustedCertificate(SignerCertificate& record, const QString& path) {
    record.Release();
    bool ok = false;
    const QByteArray der = ReadBounded(path, &ok);
    if (!ok || der.isEmpty())
        return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(der.constData());
    record.certificate = d2i_X509(nullptr, &p, der.size());
    ERR_clear_error();
    return record.certificate != nullptr;
}

bool IsSameCertificate(const SignerCertificate& signer, const SignerCertificate& trusted) {
    if (!signer.certificate || !trusted.certificate)
        return false;
    if (X509_issuer_and_serial_cmp(signer.certificate, trusted.certificate) != 0)
        return false;
    const EVP_PKEY* k1 = X509_get0_pubkey(signer.certificate);
    const EVP_PKEY* k2 = X509_get0_pubkey(trusted.certificate);
    return k1 && k2 && EVP_PKEY_eq(k1, k2) == 1;
}

bool CheckCertificateForFile(const QString& path) {
    PROFILE_SCOPE("CheckCertificateForFile");
    QLOG_DEBUG() << "CheckCertificateForFile:" << path;
    if (!VerifyEmbeddedSignature(path, true))
        return false;
    SignerCertificate signer;
    if (!LoadSignerCertificate(signer, path))
        return false;
    QDir dir(PluginTools::GetDataPath() + QStringLiteral("Certificates/"));
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Unsorted);
    for (const QFileInfo& info : dir.entryInfoList()) {
        SignerCertificate trusted;
        if (!LoadTrustedCertificate(trusted, info.absoluteFilePath()))
            continue;
        const bool match = IsSameCertificate(signer, trusted);
        QLOG_DEBUG() << "CheckCertificateForFile: " << match;
        if (match)
            return true;
    }
    return false;
}
