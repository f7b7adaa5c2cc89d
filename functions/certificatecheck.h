#pragma once
// The code-signature check of plug-in libraries. A library "x.so" is signed by a detached CMS (PKCS #7)
// signature in DER form beside it, "x.so.sig", holding the signer's certificate, as
//   openssl cms -sign -binary -outform DER -in x.so -signer cert.pem -inkey key.pem -out x.so.sig
// makes it. The library passes when the signature verifies over the library's bytes (the signer's chain is
// not required to reach a system root) and the signer equals one of the trusted certificates, DER files in
// the data folder's "Certificates/".

#include <QString>

typedef struct x509_st X509;
typedef struct CMS_ContentInfo_st CMS_ContentInfo;

// One certificate of a check: the signer (with the signed message it came from) or a trusted one.
struct SignerCertificate {
    CMS_ContentInfo* message = nullptr;
    X509* certificate = nullptr;
    SignerCertificate() = default;
    SignerCertificate(const SignerCertificate&) = delete;
    SignerCertificate& operator=(const SignerCertificate&) = delete;
    ~SignerCertificate() { Release(); }
    void Release();
};

bool CheckCertificateForFile(const QString& path);
// The signature file of a library.
QString SignatureFileFor(const QString& path);
bool VerifyEmbeddedSignature(const QString& path, bool allowUntrustedRoot);
bool LoadSignerCertificate(SignerCertificate& record, const QString& path);
bool LoadTrustedCertificate(SignerCertificate& record, const QString& path);
// Same issuer and serial number and the same public key.
bool IsSameCertificate(const SignerCertificate& signer, const SignerCertificate& trusted);
