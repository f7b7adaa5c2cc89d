#pragma once
// The configuration model: every description record read from the configuration files, the strings table and
// the user configuration block. One instance, owned by the main window, reached through DataCfg::Instance().
//
// The records are nested value types declared here and defined in their own headers (tnamed.h, tgfx.h, ...);
// include "datacfgrecords.h" for all of them.

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class GridSigVerifier;
class QScriptEngine;
class QScriptValue;
typedef QList<QScriptValue> QScriptValueList;

class DataCfg : public QObject {
    Q_OBJECT
public:
    // The configuration enums, written in JSON as the enumerator's name without its prefix.
    // Declaration order matters: an empty JSON text reads as the first enumerator.
    enum OutputType { OT_String = 0, OT_Integer = 1, OT_Float = 2, OT_Percent = 3, OT_Bool = 4, OT_JSON = 5 };
    Q_ENUM(OutputType)
    enum GfxTiling { GT_None = -1, GT_1x1 = 0, GT_3x1 = 1, GT_1x3 = 2, GT_3x3 = 3, GT_Scale = 4 };
    Q_ENUM(GfxTiling)
    enum LayoutType { LT_Invalid = -1, LT_Text = 0, LT_Gfx = 1, LT_Skin = 2, LT_Input = 3, LT_Internal = 4 };
    Q_ENUM(LayoutType)
    // Bit sets: 1 left, 2 horizontal centre, 4 right; 8 top, 0x10 vertical centre, 0x20 bottom.
    enum LayoutAlign {
        LA_LeftTop = 9,
        LA_CenterTop = 10,
        LA_RightTop = 12,
        LA_LeftCenter = 17,
        LA_CenterCenter = 18,
        LA_RightCenter = 20,
        LA_LeftBottom = 33,
        LA_CenterBottom = 34,
        LA_RightBottom = 36,
        LA_None = -1
    };
    Q_ENUM(LayoutAlign)
    enum MaskType { MT_None = -1, MT_Horizontal = 0, MT_Vertical = 1, MT_Radial = 2 };
    Q_ENUM(MaskType)
    enum FontWeight { FW_None = -1, FW_Light = 25, FW_Normal = 50, FW_DemiBold = 63, FW_Bold = 75, FW_Black = 87 };
    Q_ENUM(FontWeight)
    enum FontStyle { FS_None = -1, FS_Normal = 0, FS_Italic = 1, FS_Oblique = 2 };
    Q_ENUM(FontStyle)
    enum ConfigOption {
        CO_None = -1,
        CO_Label = 0,
        CO_Text = 1,
        CO_Password = 2,
        CO_Integer = 3,
        CO_Float = 4,
        CO_Check = 5,
        CO_Radio = 6,
        CO_Drop = 7,
        CO_File = 8,
        CO_Folder = 9,
        CO_Shortcut = 10,
        CO_Group = 11,
        CO_TextList = 12,
        CO_Button = 13,
        CO_Spinner = 14,
        CO_SpinDrop = 15,
        CO_Align = 16,
        CO_Position = 17,
        CO_ColorPicker = 18,
        CO_SubConfig = 19
    };
    Q_ENUM(ConfigOption)
    enum ControlClass { CC_None = -1, CC_Slider = 0, CC_Wheel = 1 };
    Q_ENUM(ControlClass)
    enum LoadPermission { LP_None = -1, LP_Always = 0, LP_Never = 1, LP_CertFailed = 2, LP_CertValidated = 3 };
    Q_ENUM(LoadPermission)

    // Records (plain values; lookups hand out copies).
    struct TNamed;
    struct TBase;
    using TFuncSet = TBase;
    struct TRsc;
    struct TFont;
    struct TGfxTile;
    struct TGfxLayer;
    struct TGfx;
    struct TFuncOutput;
    struct TFunction;
    struct TMapIdx;
    struct TLayoutMask;
    struct TLayout;
    struct TSkin;
    struct TConfigOption;
    struct TConfig;
    struct TControl;
    struct TDataSource;
    struct TGridElem;
    struct TGrid;
    struct TCtrlRef;
    struct TCtrlSet;
    struct TAppSkin;
    struct TDevice;
    struct TMacro;
    struct TDynLib;
    struct TCtrlSetState;
    struct TUserCfg;
    struct TScriptFunc;
    struct TScript;

    explicit DataCfg(QObject* parent = nullptr);
    ~DataCfg() override;

    // The one model of the process; null before the main window built it and after it was destroyed.
    static DataCfg* Instance();
    // Lets the macro player (below this library) find stored macros in the one instance.
    static void InstallStoredMacroLookup();
    static void RemoveStoredMacroLookup();

    // Lookups by key (set, ':' and name, or a bare name with the given set): the record of that set and name,
    // else the first of that name, else the empty record of its kind (id -1, empty Name). Always a copy.
    TGrid FindGrid(const QString& name, const QString& set = QString());
    TCtrlSet FindCtrlSet(const QString& name, const QString& set = QString());
    TGfx FindGfx(const QString& name, const QString& set = QString(), bool resolve = false);
    TAppSkin FindAppSkin(const QString& name, const QString& set = QString());
    TControl FindControl(const QString& name, const QString& set = QString());
    TFunction FindFunction(const QString& name, const QString& set = QString());
    TSkin FindSkin(const QString& name, const QString& set = QString());
    TDataSource FindDataSource(const QString& name, const QString& set = QString());
    TFont FindFont(const QString& name, const QString& set = QString(), bool resolve = false);
    // A graphic by name, or a file named after "file://" (loaded, not added to the model).
    TGfx FindGfxOrFile(const QString& name, const QString& set = QString());

    TCtrlSet FindCtrlSetOfControl(const QString& controlName, int* index, bool userList);
    // The user's own control list, inside the list (created on first use).
    TCtrlSet& GetMyControlsSet();
    QString GetString(const QString& name, const QString& set = QString());

    // Macros of the user configuration, addressed by "Macro:" Category '/' Name.
    TMacro FindMacro(const QString& text);
    void SetMacro(const QString& text, const QString& data);
    TMacro FindMacroByData(const QString& data);

    // The lists, in reading order. Loaders append; editors change records in place.
    QString& ConfigName();
    QList<TFunction>& Functions();
    QList<TFont>& Fonts();
    QList<TGfx>& Gfxs();
    QList<TSkin>& Skins();
    QList<TControl>& Controls();
    QList<TCtrlSet>& CtrlSets();
    QList<TGrid>& Grids();
    QList<TAppSkin>& AppSkins();
    QList<TDataSource>& DataSources();
    QHash<QString, QString>& Strings();
    TUserCfg& UserCfg();
    QList<TScript>& Scripts();

    // --- Description files of the data folder (datacfgload.cpp). Each answers whether the file was opened
    // and parsed. ---

    // mainCfg.json, skinCfg.json and gridCfg.json of the folder, in that order.
    void LoadDataFolder(const QString& folder);
    // One include file (a control set) and, depth first, what it includes; then its control-list files.
    bool LoadIncludeFile(const QString& folder, const QString& fileName);
    // One control set from a map: every section, in the fixed order.
    void LoadCtrlSetSection(const QString& folder, const QVariantMap& map);
    // One control-list file, merged into an earlier list of the same name.
    bool LoadCtrlListFile(const QString& folder, const QString& fileName);
    bool LoadAppSkins(const QString& folder, const QString& fileName);
    // A grid list file and the grid list files it includes; every grid's signature is checked.
    bool LoadGrids(const QString& folder, const QString& fileName, bool prefixIcon);
    // The process-wide grid verifier, holding the compiled-in grid key from its first use on.
    static GridSigVerifier& GridVerifier();

    // --- Script engines (datacfgscripts.cpp). A handler name is "set:function" or a bare function. ---

    // Runs a handler with thisObject as "this". On failure answers "inv_fnc", "inv_scr", "no_fnc" or "no_eng".
    QScriptValue ExecScriptfunc(QObject* thisObject, const QString& name, const QScriptValueList& args,
                                QScriptEngine** engine = nullptr);
    // The engine of the script declaring the function, built on first use; null when the function does not
    // resolve.
    QScriptEngine* GetScriptEngine(const QString& name);
    // Source of the function's phone twin (name + "$"), renamed to set_name; empty when there is none.
    QString GetScriptFuncText(const QString& name);
    // The declaring script inside the list and the function's index in it; null when none declares it.
    TScript* FindScriptFunc(const QString& name, int* index = nullptr);
    // Builds the script's engine and evaluates its file, once.
    void LoadScript(TScript& script);

    // --- User configuration and custom grids (datacfguser.cpp). Answers are empty texts on success. ---

    bool LoadUserCfg(const QString& path);
    QString SaveUserCfg();
    // Drops every custom grid and reads the custom-grid folder again.
    void LoadCustomGrids();
    bool LoadCustomGrid(const QString& path);
    // An empty path saves to the grid's own file; another base name renames the grid.
    QString SaveCustomGrid(const QString& path, const QString& gridName);
    QString DeleteCustomGrid(const QString& gridName);
    // The user folder's "CustomGrids/".
    static QString CustomGridPath();

    // --- Plug-ins (datacfgplugins.cpp). ---

    // One plug-in description: its control set, includes, control lists, grids and the libraries it names.
    bool LoadPlugin(const QString& folder, const QString& fileName);
    // The library a plug-in description names (its entry rel): the canonical path of the file inside the
    // plug-in's folder. A name "x.dll" (a description written for Windows) is looked for as "x.so" and "libx.so"
    // beside it when it is not there itself. Empty when refused (missing, or outside the folder), with why.
    static QString PluginLibraryPath(const QString& folder, const QString& rel, QString* why = nullptr);
    // Each library the description names that is refused, as "<entry> (<why>)".
    static QStringList RefusedPluginLibraries(const QString& folder, const QString& fileName);
    // Every folder of the plug-in folder, unsorted, each with its "plugin.json".
    void LoadPluginFolder(const QString& pluginsFolder);
    // Loads the libraries that plug-ins asked for in this run, asking the user where no decision allows it
    // (without ask, those are left for a later call). Answers whether a remembered decision changed (the user
    // configuration then wants saving).
    bool LoadDynamicLibraries(bool ask = true);

private:
    struct Lists;
    std::unique_ptr<Lists> d;
    // The user configuration file that was there but could not be read; set aside before the first save.
    QString m_unreadableUserCfg;
};

// Key helpers shared by every record kind.
// Splits "set:name" at the first ':'; without ':' both stay as they are.
void SplitFullName(QString& fullName, QString& set);
// "set:name" for a non-empty name without ':'; otherwise the name unchanged.
QString MakeFullName(const QString& name, const QString& set);
// A text beginning with '@' is translated (without the '@') in the context "Mervex".
QString TranslateAtName(const QString& text);
// A category path, each part trimmed and translated, joined with " / ".
QString TranslatePath(const QString& text);
// Conversion between the configuration enums of DataCfg and their JSON texts.
int EnumFromText(const QString& enumName, const QString& prefix, const QString& text);
QString EnumToText(const QString& enumName, const QString& prefix, int value);
// Deep merge of overlay into base; keys in skip are left out at every depth.
QVariantMap MergeVariantMaps(QVariantMap base, QVariantMap overlay, QStringList skip);
// The part of a call text before its first '('.
QString FuncNameOf(const QString& text);
// A JSON file's backup (".jsbk") and temporary (".jso_") names: its ".json" extension replaced, in any case.
QString JsonBackupName(const QString& path);
QString JsonTempName(const QString& path);
// Puts source in the place of target; target's old content stays in target's backup file.
bool MoveJsonFileKeepBackup(const QString& source, const QString& target);
// The set of custom grids.
extern const QString CustomGridSet;
// The arguments written in parentheses after a function's name, split at ',' without trimming.
QVariantList ParseCallArgs(const QString& text);
