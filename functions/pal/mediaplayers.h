#pragma once
// Internals of the media-player operations of PAL (mediaplayers.cpp), visible for the audio volumes and tests.

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace PAL_INT {

// Reads a user setting by key (the user configuration's settings map); installed at start-up by the program.
// Without one every setting reads as absent.
using UserSettingReader = std::function<QVariant(const QString& key)>;
void SetUserSettingReader(const UserSettingReader& reader);

// The MPRIS players a player name drives: bus-name patterns separated by ';', in order of preference, each
// a glob ('*', '?') over the player's bus name without "org.mpris.MediaPlayer2." (case-insensitive). The user
// setting "MprisPlayers" (a map from player name to such a text) chooses them; a name it leaves out has
// its default: "Winamp" the classic music players ("audacious;qmmp;deadbeef;strawberry;clementine;*"),
// "iTunes" the library players ("rhythmbox;lollypop;elisa;amarok;spotify;*"), "Windows Media Player" the
// video players ("vlc;totem;celluloid;smplayer;mpv;*"). The trailing "*" lets any player stand in.
QString MprisBusNamePatterns(const QString& player);

// Which of the three players a chosen name drives: "iTunes", "Winamp", anything else Windows Media Player.
enum MediaPlayerKind { MPK_Winamp, MPK_Itunes, MPK_Wmp };
MediaPlayerKind MediaPlayerKindOf(const QString& chosenName);

// Artist and title of a Winamp window text: a leading track number up to the first ". " is dropped and the
// rest split at " - "; the artist is the first part, the title the second (the first when there is one part).
QStringList WinampTitleParts(const QString& windowText);

// The music volume (0 to 1) and mute of the default player, as the audio functions use them. The setters
// answer the value read back (or what the player gives at once when it is missing).
double GetMusicVolume();
double SetMusicVolume(double volume);
bool GetMusicMute();
bool SetMusicMute(bool mute);
// Back to the start value of the volume Winamp's unmute restores (128 of 255); for tests.
void ResetWinampRememberedVolume();

} // namespace PAL_INT
