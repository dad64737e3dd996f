// Readers of each kind of section into the descriptions. Each reads what it can and reports
// every entry it cannot use.
#pragma once

#include "common/diagnostics.h"
#include "resgen/description.h"
#include "resgen/descriptions.h"
#include "resgen/entry_values.h"

#include <span>

namespace resgen {

// All sections of all files, in order: a [control] belongs to the [window] above it in its
// own file, and menu items to the menus above them.
Descriptions readDescriptions(std::span<const Section> sections, tools::Diagnostics& diagnostics);

void readClassSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readInterfaceSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readPluginSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readReferencesSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readWindowSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readControlSection(const Section& section, WindowDescription& window, tools::Diagnostics& diagnostics);
void readMenuSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readItemSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readProjectSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);
void readSettingsSection(const Section& section, Descriptions& descriptions, tools::Diagnostics& diagnostics);

// Reads one entry that describes a class: super, struct, header, constructor, destructor,
// global, implements, "on Event = routine", "menu Item = routine", "method Name = routine".
// False when the key is none of these, so that the caller can try its own keys.
bool readClassSetting(const Entry& entry, ClassDescription& description, KeysSeen& seen,
                      tools::Diagnostics& diagnostics);
// Reads "on Event = routine" into `events`; false when the key is not "on ...".
bool readEventHandler(const Entry& entry, std::vector<Binding>& events, KeysSeen& seen,
                      tools::Diagnostics& diagnostics);

} // namespace resgen
