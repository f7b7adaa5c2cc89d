#pragma once
// A keyed XOR chain with one random byte in front, for encrypted setting values (see cryptstring.h).
// Byte form of a cipher text: the version byte 1, the enciphered random byte, the enciphered clear bytes.
// Text form: standard base64 of the byte form. Nothing authenticates the clear text.

#include <QByteArray>
#include <QString>

class SimpleCrypt {
public:
    explicit SimpleCrypt(const QByteArray& key) : m_key(key) {}

    QByteArray EncryptToByteArray(const QByteArray& clear) const;
    // Base64 text of the cipher text of the text's UTF-8 bytes.
    QString EncryptToString(const QString& clear) const;

    // The clear bytes; empty (with a WARN line) for an empty key or a text that is not a cipher text.
    // ok, when given, tells whether the input was a cipher text at all.
    QByteArray DecryptToByteArray(const QByteArray& cipher, bool* ok = nullptr) const;
    // Decodes the base64 text, decrypts and reads the result as UTF-8. ok, when given, is false when the text
    // is not base64, not a cipher text, or decrypts to bytes that cannot be a setting's text (not UTF-8, or
    // holding control characters): what a wrong key (another machine, another path) almost always gives.
    QString DecryptToString(const QString& cipher, bool* ok = nullptr) const;

    // Whether bytes are well-formed UTF-8 free of control characters other than tab, line feed and
    // carriage return.
    static bool IsPlausibleText(const QByteArray& bytes);

private:
    QByteArray m_key;
};
