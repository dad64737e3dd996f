// MoviePlayer: plays the movie of the image's resource table that its Movie property names.
// The movies this runtime plays are sounds in the wave format; no controller is shown.
#pragma once

#include "runtime/objects/object.h"

#include <cstdint>

extern "C" {
// Starts a MoviePlayer's movie, or a sound object, from the beginning.
void RuntimeMediaPlay(ObjectHeader* media);
void mediaControllerLoopingSetter(ObjectHeader* player, int32_t parameter, int32_t looping);
int32_t mediaControllerLoopingGetter(ObjectHeader* player, int32_t parameter);
}

// What a player is doing, for those who watch it.
bool moviePlayerIsPlaying(ObjectHeader* player);
uint32_t moviePlayerPassesPlayed(ObjectHeader* player);
