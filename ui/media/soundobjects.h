// The project's Sound objects played in place, one at a time, until the shutdown lets the
// sound device go.
#pragma once

#include "runtime/objects/object.h"

// Plays a Sound object from its start, cutting off the one that played before. A sound that
// is damaged or finds no device is reported on the debug output and nothing plays.
void soundObjectPlay(ObjectHeader* sound);
// Stops the playing sound and closes the device; the shutdown's step for sounds.
void soundObjectsRelease();
