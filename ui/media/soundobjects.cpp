// The project's Sound objects played in place, one at a time, until the shutdown lets the
// sound device go.
#include "ui/media/soundobjects.h"

#include "project/projectobjects.h"
#include "ui/media/soundplayer.h"

#include <memory>
#include <string>
#include <vector>

namespace {

// Made on the first play; the shutdown ends it before the system's own teardown runs.
std::unique_ptr<SoundPlayer>& player()
{
    static std::unique_ptr<SoundPlayer> one;
    return one;
}

} // namespace

void soundObjectPlay(ObjectHeader* object)
{
    auto* sound = reinterpret_cast<SoundObject*>(object);
    uint32_t size = waveFileSize(sound->data, sound->dataSize);
    std::vector<uint8_t> bytes;
    if (size != 0 && size <= sound->dataSize)
        bytes.assign(sound->data, sound->data + size);
    if (!player())
        player() = std::make_unique<SoundPlayer>();
    std::string error;
    sound->playing = player()->play(std::move(bytes), false, error);
    if (!sound->playing)
        OutputDebugStringA(("The sound is not played: " + error + "\n").c_str());
}

void soundObjectsRelease()
{
    player().reset();
}
