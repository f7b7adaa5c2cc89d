#pragma once
// The one place where the platform layer picks the facilities that act on the machine: running programs,
// audio, power commands and the media player's volume. Each getter answers the installed stand-in when a
// test (or the program entry) installed one, else the Linux implementation. Power commands are only
// written down, never carried out, when the environment variable MERVEX_RECORD_POWER is set (the test
// runner sets it), so no test can lock, suspend or shut down the machine by mistake.
// Main thread only.

namespace PAL_INT {

class IProcessRunner;
class IAudioBackend;
class ISystemPower;
class IMusicMixer;

IProcessRunner& ProcessRunner();
// The installed stand-in, else the sound server's client (started on first use).
IAudioBackend& AudioBackend();
// The platform layer's start connects to the sound server early, so the first volume asked for is known;
// its end disconnects, and the devices read as missing afterwards.
void StartSoundServerClient();
void StopSoundServerClient();
ISystemPower& SystemPower();
// The default media player's volume and mute unless a stand-in is installed.
IMusicMixer* MusicMixer();

// Installs a stand-in (not owned); null goes back to the default.
void SetProcessRunner(IProcessRunner* runner);
void SetAudioBackend(IAudioBackend* backend);
void SetSystemPower(ISystemPower* power);
void SetMusicMixer(IMusicMixer* mixer);

} // namespace PAL_INT
