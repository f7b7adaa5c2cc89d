#pragma once
// What the phone server needs of the higher parts of the program (control views, grid views, the main
// window, the configuration model) and of the statistics and launch code. The server sits below those
// parts, so it sees them only through these interfaces; the application fills them in at start-up and the
// tests fill them with fakes.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// One placed control as the server drives it (the control runtime's CtrlView).
class INetCtrlView {
public:
    virtual ~INetCtrlView() = default;
    virtual int CtrlId() const = 0;
    // Set when something the phone shows changed since the last BuildViewUpdate.
    virtual bool HasViewChange() const = 0;
    virtual void OnCheckUpdate() = 0;
    // Writes the keys that differ from prev into diff, adds the client-side script sources it names to
    // sentScripts, drops vanished element ids from prev and counts the changed keys.
    virtual void BuildViewUpdate(QVariantMap& diff, QVariantMap& sentScripts, QVariantMap& prev, int& changes) = 0;
    // Registers the current element images so that the ids in the records can be fetched.
    virtual void BuildRemoteData() = 0;
    virtual void OnClientMessage(int ctrlId, const QString& message) = 0;
    virtual void OnExtMouseEvent(const QString& type, int x, int y, int elemId) = 0;
    virtual void OnExtSetText(int elemId, const QString& text) = 0;
};

// A grid of control views kept for one phone session. Views are QObjects of the editor part; the server
// never deletes them directly, only through DeleteLater, because a script of theirs may be running.
class INetView {
public:
    virtual ~INetView() = default;
    virtual QList<INetCtrlView*> CtrlViews() const = 0;
    // Control id as decimal text -> the record the phone was last sent for it.
    virtual QVariantMap& KeptRecords() = 0;
    virtual void SetGridHeight(double cells) = 0;
    virtual void DeleteLater() = 0;
};

// The message-popup overlay of a session (GridViewGlobal).
class INetOverlayView : public virtual INetView {
public:
    virtual void InitPopup() = 0;
    virtual bool IsShowing() const = 0;
};

// What the server reads of a grid record of the configuration model.
struct NetGrid {
    QString name; // empty when no grid matched
    QString key;  // set name, ':' and name (the name alone without a set)
    QString title;
    QString icon;
    QString background;
    QString exe[3];
    bool verified = false; // the grid's signature verified at load
    bool IsFound() const { return !name.isEmpty(); }
};

// One tab of a session (GridView).
class INetGridView : public virtual INetView {
public:
    virtual void SetOverlay(INetOverlayView* overlay) = 0;
    virtual void SetSessionId(quint64 id) = 0;
    // The server sets "Name", "Token", "Desc" and "Version" here.
    virtual QVariantMap& ClientMap() = 0;
    virtual void InitDeck() = 0;
    // Lays out the grid's controls; an empty record leaves an empty deck.
    virtual void SetGrid(const NetGrid& grid) = 0;
};

// The main window's part: pairing decisions and the interface language. The question to the user never
// blocks the server: it is asked with AskPairing and answered later through NetServer::AnswerPairing.
class INetPairing {
public:
    virtual ~INetPairing() = default;
    // A stored device: true, with its active flag.
    virtual bool IsPaired(const QString& name, const QString& key, bool& active) = 0;
    // An unknown device that the user may be asked about now (the first device, or pairing mode).
    virtual bool NeedsPairingConfirm(const QString& name, const QString& key, const QString& desc) = 0;
    // Shows the question for one device and returns at once; the server asks one at a time.
    virtual void AskPairing(quint64 ticket, const QString& name, const QString& key, const QString& desc) = 0;
    // The asking session went away before the answer: the question closes unanswered.
    virtual void WithdrawPairing(quint64 ticket) = 0;
    // The user said yes while the session was still there: the device is stored, active. False when it
    // could not be added.
    virtual bool StorePairing(const QString& name, const QString& key, const QString& desc) = 0;
    virtual QString LanguageCode() = 0;
};

// The configuration model, the grid editor and the application skin.
class INetGrids {
public:
    virtual ~INetGrids() = default;
    // Grid keys of the user configuration's tab list, in order (at most 48).
    virtual QStringList TabList() = 0;
    virtual NetGrid FindGrid(const QString& key) = 0;
    // The grid editor's change counter.
    virtual int EditorChangeCount() = 0;
    // Image ids registered with the image data manager.
    virtual quint64 TabBGId() = 0;
    virtual quint64 TabAOvlId() = 0;
    virtual quint64 DeckBGId(const QString& background, int width, int height) = 0;
    virtual quint64 TabIconId(const QString& icon, int state) = 0;
    // Views are created without parent; the server owns them.
    virtual INetGridView* CreateGridView() = 0;
    virtual INetOverlayView* CreateOverlayView() = 0;
};

// The image data manager: bytes of a registered image by id (empty when unknown).
class INetImages {
public:
    virtual ~INetImages() = default;
    virtual QByteArray GetRscData(quint64 id, double scale) = 0;
};

// Running programs (statistics thread) and program paths (launch code), for the view switch when a grid's
// program starts.
class INetPrograms {
public:
    virtual ~INetPrograms() = default;
    virtual QStringList GetProcesses() = 0;
    virtual QString ResolveProgramPath(const QString& path) = 0;
};
