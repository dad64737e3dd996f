// The slots of the runtime export table, one per EXPORT line of the *.exports lists.
#pragma once

#include "image/exportslot.h"

#include <span>

std::span<const ExportSlot> exportTable();
