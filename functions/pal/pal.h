#pragma once
// The platform layer: the one place that talks to the operating system directly. `PAL` holds static
// services for the rest of the program; `PAL_INT` holds the layer's internals, kept visible for tests.

#include <QString>

class PAL {
public:
    // ---- Identity ----

    // A stable identifier of this machine for the phone protocol and the encryption of settings:
    // base64 of an HMAC-SHA1 over the machine's identity text (28 characters). Computed once and kept;
    // empty when no identity can be read, and then tried again on the next call.
    static QString GetMachineId();
};

namespace PAL_INT {

// The machine's raw identity text: the trimmed contents of the file at machineIdPath, else an id generated
// once and kept in the settings file at settingsPath so it stays the same from run to run. Empty when
// neither can be read nor stored.
QString ReadMachineGuid(const QString& machineIdPath, const QString& settingsPath);

// The per-user settings file that keeps a generated identity.
QString MachineGuidSettingsPath();

} // namespace PAL_INT
