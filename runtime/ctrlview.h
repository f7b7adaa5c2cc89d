#pragma once
// The running instance of one placed control: a widget holding a scene of layout elements built from the
// control's skin, the control's bound functions, its script handlers and timers, its sounds, and the state
// from which its record of the phone's "View" message is written. Grid views (editor and phone sessions),
// the message overlay, the control editor's preview and the package export each make their own.

#include "config/datacfgrecords.h"
#include "foundation/globals.h"
#include "runtime/dcviewtarget.h"
#include "runtime/lehost.h"
#include "widgets/qwidgetex.h"

#include <QHash>
#include <QPointer>
#include <QScriptValue>
#include <QScriptable>
#include <QSet>

class AudioPlayer;
class IGridCont;
class LEBase;
class LEContainer;
class LEInterface;
class MacroPlayer;
class QGraphicsItem;
class QGraphicsScene;
class QScriptEngine;

class CtrlView : public QWidgetEx, public QScriptable, public LEHost, public DCViewTarget {
    Q_OBJECT
public:
    // One grid cell is this many scene pixels.
    static constexpr int CellSize = 160;
    // Nested skins deeper than this are not built: a skin that names itself would never end.
    static constexpr int MaxSkinDepth = 16;
    // A view builds at most this many elements. Nested skins multiply (a skin of four skins of four skins...),
    // and every element costs memory and goes to each phone; real controls stay far below.
    static constexpr int MaxElements = 2000;
    // A control is at most this many cells wide and high; a grid is 4 cells wide.
    static constexpr int MaxCells = 64;

    explicit CtrlView(QWidget* parent = nullptr);
    ~CtrlView() override;

    // Builds (or rebuilds in place, keeping the id) the view from a copy of the control record.
    void Init(const DataCfg::TControl& control);

    // --- Set by the creator before Init. ---
    void SetScale(double scale) { m_scale = scale; }
    double GetScale() const { return m_scale; }
    void SetGridPos(int column, int row);
    int GetGridX() const { return m_gridX; }
    int GetGridY() const { return m_gridY; }
    // Local mouse buttons that act on the control (right only by default).
    void SetInteractionButtons(Qt::MouseButtons buttons) { m_interactionButtons = buttons; }
    Qt::MouseButtons GetInteractionButtons() const { return m_interactionButtons; }
    // An editor that moves or drags the control offers it a press first, to this control alone: the press
    // never climbs to the widgets around it (a canvas, a scroll area, the window, each of which would take
    // it for a drag of its own). True when the control took it. While it runs, IsOfferingPress() tells the
    // editor's event filter to stand aside.
    bool OfferPress(QMouseEvent* e);
    bool IsOfferingPress() const { return m_offeringPress; }
    // "v" of the record; the overlay grid hides and shows its popup control this way.
    void SetShown(bool shown) { m_shown = shown; }
    bool IsShown() const { return m_shown; }
    // The grid container holding the view (it outlives its views); null for a view outside any grid, such
    // as the control editor's preview.
    void SetContainer(IGridCont* container) { m_container = container; }
    IGridCont* Container() const { return m_container; }
    // Kept for the grid view while it re-lays a grid.
    void SetGridMark(bool mark) { m_gridMark = mark; }
    bool GetGridMark() const { return m_gridMark; }

    // --- State. ---
    int GetId() const { return m_id; }
    DataCfg::TControl& Control() { return m_control; }
    const DataCfg::TSkin& Skin() const { return m_skin; }
    // --- DCViewTarget (the rest are the view's own members of the same names). ---
    DataCfg::TSkin& SkinRecord() override { return m_skin; }
    // An element a script added below another: the view keeps it with the others and updates.
    void AddElement(LEBase* element) override {
        m_elements << element;
        Invalidate();
    }
    QList<DataCfg::TFunction>& Functions() { return m_functions; }
    // Every element in build order, parents before their children.
    const QList<LEBase*>& Elements() const { return m_elements; }
    LEContainer* Root() const { return m_root; }
    QGraphicsScene* Scene() const { return m_scene; }
    bool IsUpdatePending() const { return m_updatePending; }
    // Something visible changed since the last View record.
    bool IsRepaintedSinceRecord() const { return m_repaintedSinceRecord; }
    // The next View record has something for the phone: a repaint, or a sound or client data a script sent
    // without changing anything visible (the phone server's "has view change").
    bool HasRecordChange() const { return m_repaintedSinceRecord || m_sentSinceRecord; }
    int GetTickInterval() const { return m_tickInterval; }
    int GetClientTickInterval() const { return m_clientTickInterval; }
    quint64 GetButtonSoundId() const { return m_buttonSoundId; }
    QString GetButtonSoundFile() const { return m_buttonSoundFile; }
    quint64 GetOneShotSoundId() const { return m_oneShotSoundId; }
    bool IsRemotePressed() const { return m_remotePressed; }
    AudioPlayer* GetAudioPlayer() const { return m_audio; }
    MacroPlayer* GetMacroPlayer() const { return m_macro; }
    int TimerCount() const { return m_intervals.size() + m_timeouts.size(); }

    // --- Build steps (also used by the script objects). ---
    void BuildFunctions();
    void BuildLayouts(LEInterface* parent, DataCfg::TSkin skin);
    void BuildMappping(LEInterface* element);

    // Script wrappers of the view for an engine, made on first request and parented to the view.
    QObject* GetDCSkin(QScriptEngine* engine);
    QObject* GetDCControl(QScriptEngine* engine) override;
    QScriptValue GetDCControlValue(QScriptEngine* engine) override;

    // Handlers: names without ':' are completed with the skin's (control's) set.
    QScriptValue ExecSkinFunc(const QString& name, const QVariantList& args = QVariantList());
    void ExecControlFunc(const QString& name);

    // The view's record of a "View" message as differences against previous (what the phone holds).
    // sources collects the client-side script sources ("function <name>" -> text) of the session. Vanished
    // element ids are dropped from previous["ly"]. changed receives the number of changed keys.
    QVariantMap BuildViewUpdate(QVariantMap& sources, QVariantMap& previous, int* changed = nullptr);
    // Keeps the element images registered with the image manager, so the ids in the records stay fetchable.
    // The records register the images they name as they are built; this refreshes the rest at most once per
    // RegistrationRefreshMs of the manager's clock (it runs on every phone message, over every element).
    void BuildRemoteData();
    static constexpr qint64 RegistrationRefreshMs = 1000;

    // --- LEHost ---
    QObject* HostObject() override { return this; }
    void SetLastMousePos(const QPoint& pos) override { m_lastMouse = pos; }
    void SetLastWheelDelta(int delta) override { m_lastWheelDelta = delta; }
    int GetFunctionCount() const override { return m_functions.size(); }
    const DataCfg::TFunction* GetFunction(int index) const override;
    void RemoveElement(LEBase* element) override;
    QScriptValue GetDCSkinValue(QScriptEngine* engine) override;
    QObject* MakeDCLayout(LEBase* element, QScriptEngine* engine) override;
    QScriptEngine* GetScriptEngine(const QString& name) override;
    QScriptValue ExecScriptfunc(const QString& name, const QScriptValueList& args) override;
    QVariant CallProviderFunction(const QString& name, const QVariantList& args) override;

public slots:
    // Functions.
    void UpdateFuncRes();
    QVariant GetFuncRes(int function = 0, int output = 0);
    void SetFuncRes(int function = 0, int output = 0, const QVariant& value = QVariant());
    void SetFuncInput(int function, int input, const QVariant& value);
    QVariant CallFunc(const QString& name, const QVariantList& args);

    // Ticks and updates.
    void OnTick(uint previous, uint current);
    void OnUpdate();
    void OnCheckUpdate();
    // Marks the update pending; every element invalidation reaches it.
    void Invalidate() override { m_updatePending = true; }
    void PostUpdate() {}
    void SetTickInterval(int ms) { m_tickInterval = ms; }
    void SetClientTickInterval(int ms) { m_clientTickInterval = ms; }

    // Layouts and grid.
    QScriptValue FindLayout(const QString& name);
    QScriptValue GetGrid();
    QScriptValue AddSubSkin(QObject* layout, const QString& skinName);
    void RemAllChildren(QObject* layout);
    int GetGridW() const { return m_gridW; }
    int GetGridH() const { return m_gridH; }
    double GetContainerHeightB() const;
    // True in a grid that serves a phone session.
    bool IsNetClient() const override;

    // Client data for the phone ("cd").
    void SetClientData(const QVariant& data);
    QVariant GetClientData() const { return m_clientData; }

    // Mouse state.
    int GetMouseLastEvtX() const { return m_lastMouse.x(); }
    int GetMouseLastEvtY() const { return m_lastMouse.y(); }
    int GetLastWheelDelta() const override { return m_lastWheelDelta; }
    bool GetMousePressed() const;

    // Data sources and script settings.
    QStringList GetDataSources(bool activeOnly = false);
    QVariant GetDataSourceEntries(const QString& name);
    QVariant GetDataSourceDesc(const QString& name);
    QVariant GetAllDataSourceEntries();
    QVariant CallDataSourceFunc(const QString& source, const QString& function, const QVariantList& args);
    QVariant GetScriptCfg(const QString& key);
    void SetScriptCfg(const QString& key, const QVariant& value);

    // Message boxes.
    void DoMsgBox(const QString& title, const QString& text, const QString& buttons, const QScriptValue& callback);
    void OnMsgBoxDone(int code);
    void OnMsgBoxClick(const QString& button, const QString& text);

    // Input from the phone: "CM" by view id, "MM" and "ST" by element id.
    void OnExtMouseEvent(const QString& kind, int x, int y, int elementId);
    void OnClientMessage(int id, const QString& message);
    void OnExtSetText(int elementId, const QString& text);

    // Script timers.
    int setInterval(const QScriptValue& callback, int ms);
    void clearInterval(int id);
    int setTimeout(const QScriptValue& callback, int ms);
    void clearTimeout(int id);

    // Macros.
    void RunMacro(const QString& text);
    double GetMacroProgress() const;
    bool IsMacroRunning() const;

    // Sounds.
    void PlaySound(const QString& file, bool remote = false);
    void SetSound(const QString& file);

    QString GetHostVersionMain() const { return MervexGlobals::Version(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void Rebuild();
    void HandleMouseEvent(QMouseEvent* e);
    void HandleWheelEvent(QWheelEvent* e);
    LEBase* FindElement(int elementId) const;
    // The element behind a layout script object (or the element itself).
    LEBase* TargetElement(QObject* layout) const;
    void ClearElements();
    bool ButtonSoundsOn() const;
    // Runs the macro's due steps; true when it is done.
    bool AdvanceMacro();
    int StartScriptTimer(const QScriptValue& callback, int ms, QHash<int, QScriptValue>& table);

    int m_id;
    int m_gridX = 0;
    int m_gridY = 0;
    int m_gridW = 1;
    int m_gridH = 1;
    bool m_remotePressed = false;
    bool m_gridMark = false;
    bool m_shown = true;
    DataCfg::TControl m_control;
    DataCfg::TSkin m_skin;
    QList<DataCfg::TFunction> m_functions;
    double m_scale = 1.0;
    QPoint m_lastMouse;
    int m_lastWheelDelta = 0;
    QString m_buttonSoundFile;
    quint64 m_buttonSoundId = 0;
    quint64 m_oneShotSoundId = 0;
    int m_clientTickInterval = 1000;
    QGraphicsScene* m_scene;
    LEContainer* m_root = nullptr;
    QList<LEBase*> m_elements;
    QHash<QScriptEngine*, QObject*> m_skinWrappers;
    QHash<QScriptEngine*, QScriptValue> m_skinValues;
    QHash<QScriptEngine*, QObject*> m_controlWrappers;
    QHash<QScriptEngine*, QScriptValue> m_controlValues;
    // Layout wrappers handed to scripts -> their element (the wrappers belong to the elements).
    QHash<QObject*, QPointer<LEBase>> m_layoutTargets;
    IGridCont* m_container = nullptr;
    MacroPlayer* m_macro = nullptr;
    AudioPlayer* m_audio = nullptr;
    int m_tickInterval = 1000;
    bool m_updatePending = false;
    bool m_repaintedSinceRecord = true;
    bool m_sentSinceRecord = false;
    // Manager time of the last registration pass of BuildRemoteData; -1 before the first.
    qint64 m_registeredAt = -1;
    QScriptValue m_msgBoxCallback;
    Qt::MouseButtons m_interactionButtons = Qt::RightButton;
    bool m_offeringPress = false;
    QVariant m_clientData;
    QHash<int, QScriptValue> m_intervals;
    QHash<int, QScriptValue> m_timeouts;
    // Skin keys being built, to stop nested skins that name themselves.
    QSet<QString> m_buildingSkins;
    int m_skinDepth = 0;
    // Layouts not built during the current build because the view was full.
    int m_layoutsCut = 0;
    void ReportLayoutsCut(const char* where);
};
