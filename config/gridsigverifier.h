#pragma once
// Checks the detached signatures of the grids shipped in the data folder.

#include <QByteArray>
#include <QString>

typedef struct evp_pkey_st EVP_PKEY;

class GridSigVerifier {
public:
    GridSigVerifier() = default;
    ~GridSigVerifier() { Release(); }
    GridSigVerifier(const GridSigVerifier&) = delete;
    GridSigVerifier& operator=(const GridSigVerifier&) = delete;

    // Replaces the held key with the RSA public key read from PEM bytes.
    bool LoadKey(const QByteArray& pem);
    bool Verify(const QByteArray& data, const QByteArray& signature) const;
    void Release();
    bool HasKey() const { return m_key != nullptr; }

    // "Grid_" + the grid's key with everything but ASCII letters and digits removed + ".sig".
    static QString SignatureFileName(const QString& gridKey);

private:
    EVP_PKEY* m_key = nullptr;
};

// The pass-phrase callback of the PEM reader: copies its user-data text, if any, into the buffer.
int PemNoPassword(char* buf, int size, int rwflag, void* userdata);
