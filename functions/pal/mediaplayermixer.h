#pragma once
// The music volume and mute: those of the user's default media player (mediaplayers.h).

#include "functions/pal/audio.h"

namespace PAL_INT {

class MediaPlayerMixer : public IMusicMixer {
public:
    double GetVolume() override;
    double SetVolume(double volume) override;
    bool GetMute() override;
    bool SetMute(bool mute) override;
};

} // namespace PAL_INT
