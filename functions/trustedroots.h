#pragma once
// The certificate authorities the program trusts, one rule for every TLS connection it makes (news feeds,
// social services, mail, the account and update hosts): the system's, those of the data folder's
// "SSLCerts/CA", and the PEM files named by the environment variables
// MERVEX_EXTRA_CA_FILE and MERVEX_CA_FILE (a company's own authority, a test's). Certificate errors are never
// ignored: an authority is trusted by being listed here.

#include <QList>
#include <QSslCertificate>

namespace TrustedRoots {

// Starts reading the system's authorities on a thread of their own, so that the start goes on meanwhile; the
// first All() or Install() waits for them.
void Preload();

// Every trusted authority by the rule, each once. The system's are read once per process, from the system's
// bundle file where there is one (else from the toolkit's scan of the certificate folders). Files named by the
// environment are read on every call; one that does not read is logged. The data folder's are read once per process
// (PluginTools::GetRootCAs), so before the data folder is known they are left out (withDataFolder false).
QList<QSslCertificate> All(bool withDataFolder = true);

// Makes All() the authorities of the default TLS configuration, which every connection without a
// configuration of its own starts from. Answers how many were added to it.
int Install(bool withDataFolder = true);

} // namespace TrustedRoots
