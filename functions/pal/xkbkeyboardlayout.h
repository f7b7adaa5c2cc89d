#pragma once
// The keyboard layout of an X display as its keyboard map (XKB) has it: which key and which level (plain,
// shift, AltGr, both) type each character in the current layout group. Read when opened and read again
// whenever the display announces a new keyboard map or a switch of layout group, so typing follows the
// user's layout as it is at the moment. Main thread.

#include "functions/pal/keynames.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

namespace PAL_INT {

class XkbKeyboardLayout : public QObject, public KeyboardLayout {
    Q_OBJECT
public:
    // The display named (null: $DISPLAY); null when it cannot be opened or has no keyboard extension.
    static std::unique_ptr<XkbKeyboardLayout> Open(const char* displayName = nullptr);
    ~XkbKeyboardLayout() override;

    // How often the map was read; for tests.
    int Reads() const { return m_reads; }

private slots:
    void OnDisplayEvents();

private:
    struct Connection;
    explicit XkbKeyboardLayout(std::unique_ptr<Connection> connection);
    void Read();

    std::unique_ptr<Connection> m_connection;
    QSocketNotifier* m_notifier = nullptr;
    int m_reads = 0;
};

} // namespace PAL_INT
