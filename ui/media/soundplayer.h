// Plays a wave sound through the system's wave output device, once or over and over, while
// the event loop runs. A machine without a sound device plays nothing and says so.
#pragma once

#include "ui/media/wavedata.h"

#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <string>
#include <vector>

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the sound of a whole wave file image from its beginning; false, with the reason,
    // when the file is not a playable wave or no device takes it.
    bool play(std::vector<uint8_t> fileImage, bool looping, std::string& error);
    // Takes effect at the end of the pass that is playing.
    void setLooping(bool looping) { repeat = looping; }
    void stop();
    bool isPlaying() const { return device != nullptr; }
    // Passes played to their end since play.
    uint32_t passesPlayed() const { return passes; }

    // A pass ended on the device (the player's message window hears of it).
    void passEnded(HWAVEOUT from, WAVEHDR* header);

private:
    bool open(std::string& error);
    void queue(WAVEHDR& header);

    std::vector<uint8_t> sound;
    WaveData wave;
    HWAVEOUT device = nullptr;
    HWND listener = nullptr;
    // Two passes are queued while looping, so that the next starts without a gap.
    WAVEHDR headers[2] = {};
    bool repeat = false;
    uint32_t passes = 0;
    uint32_t queued = 0;
};
