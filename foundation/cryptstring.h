#pragma once
// Secret settings (account passwords and the like) are kept in the JSON files as encrypted strings and in
// memory as CryptString variants holding the clear text. One tree pass, JsonCryptStrings, translates between
// the two after every read and before every write.
//
// This is obfuscation, not protection: the cipher is a keyed XOR chain whose key is derived from the
// machine identity and the value's place in the tree. It keeps secrets out of plain sight in files that
// are copied around and stops them from working on another machine; it does not resist a determined reader.

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <functional>

struct CryptString {
    // The clear text in memory; inside the write pass (and for values that did not decrypt) the cipher text.
    QString Text;
    // Set when the stored cipher text did not decrypt to a plausible text on this machine (written on
    // another machine, moved to another place in the tree, or damaged). Text then holds the cipher text as
    // stored: the value reads as empty text and is written back unchanged, so the secret is never replaced
    // by garbage and still reads on the machine that wrote it.
    bool Undecryptable = false;

    CryptString() = default;
    explicit CryptString(const QString& text) : Text(text) {}

    // What callers see when they ask the variant for text.
    QString ToString() const { return Undecryptable ? QString() : Text; }

    bool operator==(const CryptString& o) const { return Text == o.Text && Undecryptable == o.Undecryptable; }
    bool operator<(const CryptString& o) const { return Text < o.Text; }
};
Q_DECLARE_METATYPE(CryptString)

// Registers the type under the name "CryptString" on the first call; returns its type id.
int CryptStringTypeId();

// Lets CryptString variants convert to QString (QVariant::toString() and friends give the clear text).
// Once per process; the JSON reader calls it before its first read.
void InstallCryptStringConversion();

// Replaces every CryptString in the tree by its decrypted (decrypt true) or encrypted (decrypt false) form,
// in place. path is the tree path of value: "" for the root, "/Key" for a member of the root map; the
// elements of a list share the list's path. Maps and lists without CryptString values are left untouched.
void JsonCryptStrings(QVariant& value, const QString& path, bool decrypt);

// The machine identity that keys the encryption comes from the platform layer, which sits above the
// foundation; the program entry (and tests) hand it in here before the first JSON read or write, e.g.
// SetCryptMachineIdProvider(&PAL::GetMachineId). The first non-empty answer is kept for the rest of the
// run; an empty answer is not kept and asked for again next time. Setting a provider drops the kept id.
using CryptMachineIdProvider = std::function<QString()>;
void SetCryptMachineIdProvider(CryptMachineIdProvider provider);

// The 20-byte key of the value at path (derived from the machine identity; never stored).
QByteArray CryptKeyForPath(const QString& path);
