// The runtime export table: one slot per EXPORT line of the *.exports lists.
#pragma once

#include "host/image/exportslot.h"

#include <span>

std::span<const ExportSlot> exportTable();
