#include "functions/deffuncprovider.h"

#include "functions/pal/pal.h"

#include "foundation/logger/QsLog.h"

#include <QHash>

#include <cmath>

namespace {

// In the order GetFunctionNames lists them.
enum Function {
    CPU_Count,
    CPU_Usage,
    CPU_Frequency,
    CPU_MaxFrequency,
    CPU_Temperature,
    RAM_Usage_Prc,
    RAM_Usage_MB,
    RAM_Total_MB,
    RAM_Free_MB,
    NET_Usage_Rx_Bs,
    NET_Usage_Tx_Bs,
    SendShortcut,
    GetKeyState,
    DoExecute,
    PRC_Count,
    DRV_Count,
    DRV_Name,
    DRV_Size_MB,
    DRV_Used_MB,
    DRV_Free_MB,
    DRV_Used_Prc,
    DRV_Type,
    SND_Vol_Main_Get,
    SND_Vol_Main_Set,
    SND_Mute_Main_Get,
    SND_Mute_Main_Set,
    SND_Vol_Micro_Get,
    SND_Vol_Micro_Set,
    SND_Mute_Micro_Get,
    SND_Mute_Micro_Set,
    SND_Vol_Music_Get,
    SND_Vol_Music_Set,
    SND_Mute_Music_Get,
    SND_Mute_Music_Set,
    SND_GetMediaPlayers,
    SND_GetCurrentMediaPlayer,
    SND_IsMediaPlayerRunning,
    SND_Music_GetInfo,
    SND_Music_Play,
    SND_Music_Pause,
    SND_Music_Prev,
    SND_Music_Next,
    SND_Music_Stop,
    SND_Music_SetPos,
    SND_Audio_GetSessions,
    SND_Audio_SetSessionVolume,
    TARN_Color_Set,
    FunctionCount
};

const char* const kNames[FunctionCount] = {
    "CPU_Count",
    "CPU_Usage",
    "CPU_Frequency",
    "CPU_MaxFrequency",
    "CPU_Temperature",
    "RAM_Usage_Prc",
    "RAM_Usage_MB",
    "RAM_Total_MB",
    "RAM_Free_MB",
    "NET_Usage_Rx_Bs",
    "NET_Usage_Tx_Bs",
    "SendShortcut",
    "GetKeyState",
    "DoExecute",
    "PRC_Count",
    "DRV_Count",
    "DRV_Name",
    "DRV_Size_MB",
    "DRV_Used_MB",
    "DRV_Free_MB",
    "DRV_Used_Prc",
    "DRV_Type",
    "SND_Vol_Main_Get",
    "SND_Vol_Main_Set",
    "SND_Mute_Main_Get",
    "SND_Mute_Main_Set",
    "SND_Vol_Micro_Get",
    "SND_Vol_Micro_Set",
    "SND_Mute_Micro_Get",
    "SND_Mute_Micro_Set",
    "SND_Vol_Music_Get",
    "SND_Vol_Music_Set",
    "SND_Mute_Music_Get",
    "SND_Mute_Music_Set",
    "SND_GetMediaPlayers",
    "SND_GetCurrentMediaPlayer",
    "SND_IsMediaPlayerRunning",
    "SND_Music_GetInfo",
    "SND_Music_Play",
    "SND_Music_Pause",
    "SND_Music_Prev",
    "SND_Music_Next",
    "SND_Music_Stop",
    "SND_Music_SetPos",
    "SND_Audio_GetSessions",
    "SND_Audio_SetSessionVolume",
    "TARN_Color_Set",
};

const QStringList& Names() {
    static const QStringList names = [] {
        QStringList list;
        for (const char* name : kNames)
            list.append(QString::fromLatin1(name));
        return list;
    }();
    return names;
}

// Controls call their bound functions on every tick, so the name is looked up once, not compared 47 times.
int Lookup(const QString& name) {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> map;
        const QStringList& names = Names();
        for (int i = 0; i < names.size(); ++i)
            map.insert(names.at(i), i);
        return map;
    }();
    return index.value(name, -1);
}

int IntArg(const QVariantList& args, int i, int fallback = 0) {
    return i < args.size() ? args.at(i).toInt() : fallback;
}

qint64 Int64Arg(const QVariantList& args, int i, qint64 fallback = 0) {
    return i < args.size() ? args.at(i).toLongLong() : fallback;
}

double RealArg(const QVariantList& args, int i, double fallback) {
    return i < args.size() ? args.at(i).toDouble() : fallback;
}

bool BoolArg(const QVariantList& args, int i, bool fallback = false) {
    return i < args.size() ? args.at(i).toBool() : fallback;
}

QString TextArg(const QVariantList& args, int i) {
    return i < args.size() ? args.at(i).toString() : QString();
}

// Bytes as whole megabytes, rounded up: one byte counts as 1 MB.
int Megabytes(qint64 bytes) {
    const double mb = std::ceil(double(bytes) * (1.0 / 1048576.0));
    return int(qBound(double(INT_MIN), mb, double(INT_MAX)));
}

// "down" sends the key-downs only (1), "up" the key-ups only (2), anything else both (3).
int ShortcutMode(const QVariantList& args) {
    if (args.size() < 2)
        return 3;
    const QString direction = args.at(1).toString().toLower();
    if (direction == QLatin1String("down"))
        return 1;
    if (direction == QLatin1String("up"))
        return 2;
    return 3;
}

const QVariant kNothing = QVariant(int(0));

// The processor, memory, network and process figures.
QVariant MachineValue(int id, const QVariantList& args) {
    switch (id) {
    case CPU_Count:
        return PAL::GetCPUCount();
    case CPU_Usage:
        return PAL::GetCPUUsage(IntArg(args, 0, -1));
    case CPU_Frequency:
        return PAL::GetCPUFrequency(IntArg(args, 0, -1));
    case CPU_MaxFrequency:
        return PAL::GetCPUMaxFrequency(IntArg(args, 0, -1));
    case CPU_Temperature:
        return PAL::GetCPUTemperature(IntArg(args, 0, -1));
    case RAM_Usage_Prc:
        return PAL::GetRAMUsage();
    case RAM_Usage_MB:
        return Megabytes(qint64(PAL::GetRAMUsed()));
    case RAM_Total_MB:
        return Megabytes(qint64(PAL::GetRAMTotal()));
    case RAM_Free_MB:
        return Megabytes(qint64(PAL::GetRAMTotal()) - qint64(PAL::GetRAMUsed()));
    case NET_Usage_Rx_Bs:
        return qlonglong(PAL::GetNetRx(IntArg(args, 0)));
    case NET_Usage_Tx_Bs:
        return qlonglong(PAL::GetNetTx(IntArg(args, 0)));
    case PRC_Count:
        return PAL::GetProcessCount();
    default:
        return kNothing;
    }
}

// Keys sent and read, and programs started.
QVariant InputValue(int id, const QVariantList& args) {
    switch (id) {
    case SendShortcut:
        PAL::SendShortcut(TextArg(args, 0), ShortcutMode(args));
        return kNothing;
    case GetKeyState:
        return PAL::GetKeyState(TextArg(args, 0));
    case DoExecute:
        PAL::DoExecute(TextArg(args, 0));
        return kNothing;
    default:
        return kNothing;
    }
}

// The drives and their sizes.
QVariant DriveValue(int id, const QVariantList& args) {
    switch (id) {
    case DRV_Count:
        return PAL::GetDriveCount();
    case DRV_Name:
        return PAL::GetDriveName(TextArg(args, 0));
    case DRV_Size_MB:
        return qlonglong(PAL::GetDriveSize(TextArg(args, 0)));
    case DRV_Used_MB:
        return qlonglong(PAL::GetDriveUsed(TextArg(args, 0)));
    case DRV_Free_MB: {
        const QString drive = TextArg(args, 0);
        return qlonglong(PAL::GetDriveSize(drive)) - qlonglong(PAL::GetDriveUsed(drive));
    }
    case DRV_Used_Prc:
        return PAL::GetDriveUsedPrc(TextArg(args, 0));
    case DRV_Type:
        return PAL::GetDriveType(TextArg(args, 0));
    default:
        return kNothing;
    }
}

// The volumes and mutes of the main output, the microphone and the music.
QVariant VolumeValue(int id, const QVariantList& args) {
    switch (id) {
    case SND_Vol_Main_Get:
        return PAL::GetMainVolume();
    case SND_Vol_Main_Set:
        PAL::SetMainVolume(RealArg(args, 0, 0.5));
        return kNothing;
    case SND_Mute_Main_Get:
        return PAL::GetMainMute();
    case SND_Mute_Main_Set:
        return PAL::SetMainMute(BoolArg(args, 0));
    case SND_Vol_Micro_Get:
        return PAL::GetMicroVolume();
    case SND_Vol_Micro_Set:
        PAL::SetMicroVolume(RealArg(args, 0, 0.5));
        return kNothing;
    case SND_Mute_Micro_Get:
        return PAL::GetMicroMute();
    case SND_Mute_Micro_Set:
        return PAL::SetMicroMute(BoolArg(args, 0));
    case SND_Vol_Music_Get:
        return PAL::GetMusicVolume();
    case SND_Vol_Music_Set:
        PAL::SetMusicVolume(RealArg(args, 0, 0.5));
        return kNothing;
    case SND_Mute_Music_Get:
        return PAL::GetMusicMute();
    case SND_Mute_Music_Set:
        return PAL::SetMusicMute(BoolArg(args, 0));
    default:
        return kNothing;
    }
}

// The media players, the playing music and the sound sessions.
QVariant MediaValue(int id, const QVariantList& args) {
    switch (id) {
    case SND_GetMediaPlayers:
        return PAL::GetMediaPlayers();
    case SND_GetCurrentMediaPlayer:
        return PAL::GetCurrentMediaPlayer(TextArg(args, 0));
    case SND_IsMediaPlayerRunning:
        return PAL::IsMediaPlayerRunning(TextArg(args, 0));
    case SND_Music_GetInfo:
        return PAL::GetMusicInfo(TextArg(args, 0));
    case SND_Music_Play:
        PAL::DoMusicPlay(TextArg(args, 0));
        return kNothing;
    case SND_Music_Pause:
        PAL::DoMusicPause(TextArg(args, 0));
        return kNothing;
    case SND_Music_Prev:
        PAL::DoMusicPrev(TextArg(args, 0));
        return kNothing;
    case SND_Music_Next:
        PAL::DoMusicNext(TextArg(args, 0));
        return kNothing;
    case SND_Music_Stop:
        PAL::DoMusicStop(TextArg(args, 0));
        return kNothing;
    case SND_Music_SetPos:
        // The script names the position first and the player second.
        PAL::DoMusicSetPos(TextArg(args, 1), RealArg(args, 0, 0.0));
        return kNothing;
    case SND_Audio_GetSessions:
        return PAL::GetAudioSessions();
    case SND_Audio_SetSessionVolume:
        PAL::SetAudioSessionVolume(Int64Arg(args, 0), RealArg(args, 1, 0.0));
        return kNothing;
    default:
        return kNothing;
    }
}

} // namespace

DefFuncProvider::DefFuncProvider(QObject* parent) : IFuncProvider(parent) {}

QString DefFuncProvider::GetName() {
    return QStringLiteral("DFP");
}

QStringList DefFuncProvider::GetFunctionNames() {
    return Names();
}

QVariant DefFuncProvider::GetValue(const QString& function, const QVariantList& args) {
    const int id = Lookup(function);
    if ((id >= CPU_Count && id <= NET_Usage_Tx_Bs) || id == PRC_Count)
        return MachineValue(id, args);
    if (id >= SendShortcut && id <= DoExecute)
        return InputValue(id, args);
    if (id >= DRV_Count && id <= DRV_Type)
        return DriveValue(id, args);
    if (id >= SND_Vol_Main_Get && id <= SND_Mute_Music_Set)
        return VolumeValue(id, args);
    if (id >= SND_GetMediaPlayers && id <= SND_Audio_SetSessionVolume)
        return MediaValue(id, args);
    if (id == TARN_Color_Set)
        return PAL::Tarn_SetColors(IntArg(args, 0), IntArg(args, 1), IntArg(args, 2), uint(IntArg(args, 3)));
    QLOG_DEBUG() << qPrintable(GetName() + QStringLiteral(": Invalid Function:")) << qPrintable(function);
    return kNothing;
}
