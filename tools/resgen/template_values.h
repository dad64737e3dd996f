// A template value checked against the kind of its key and written the way the runtime reads
// it: numbers in decimal, Booleans as True or False, project items by number.
#pragma once

#include "common/diagnostics.h"
#include "resgen/descriptions.h"
#include "resgen/template_keys.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace resgen {

// The numbers of the named project items (pictures, movies, modules), so that a template can
// name a picture instead of giving its number.
class ItemNumbers {
public:
    explicit ItemNumbers(const std::vector<ProjectItemDescription>& items);
    // The item's number when an item of that kind has the name; 0 otherwise.
    int32_t find(std::string_view name, ProjectItemKind kind) const;

private:
    std::map<std::string, std::pair<int32_t, ProjectItemKind>> numbers_;
};

// The value as it goes into the stream, or nothing when it does not suit the key (reported).
std::optional<std::string> templateValue(const TemplateKey& key, const PropertyValue& property,
                                         const ItemNumbers& items, tools::Diagnostics& diagnostics);

} // namespace resgen
