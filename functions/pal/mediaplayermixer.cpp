#include "functions/pal/mediaplayermixer.h"

#include "functions/pal/mediaplayers.h"

namespace PAL_INT {

double MediaPlayerMixer::GetVolume() {
    return GetMusicVolume();
}

double MediaPlayerMixer::SetVolume(double volume) {
    return SetMusicVolume(volume);
}

bool MediaPlayerMixer::GetMute() {
    return GetMusicMute();
}

bool MediaPlayerMixer::SetMute(bool mute) {
    return SetMusicMute(mute);
}

} // namespace PAL_INT
