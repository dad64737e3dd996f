// Linking an image's code against the runtime export table and shared libraries.
#pragma once

#include "image/exporttable.h"

#include <cstdint>
#include <string>
#include <vector>

struct LinkedImage {
    uint8_t* code;
    uint32_t codeSize;
    uint8_t* data;
    uint32_t dataSize;
};

// A member of a runtime or plug-in class ("M", "W", "G" or "S", then class "." member),
// bound once the classes exist. Its chain lies in the code block of the image it came from,
// which need not be the image linked last.
struct DeferredMember {
    std::string name; // without its leading "!"
    uint32_t firstSite;
    uint8_t* code;
};

// Applies the link records: data base into every fixup word, routine addresses into every
// call-site chain. Nothing is patched unless every record checks out and every name resolves;
// on failure `error` holds the message to show.
// Names resolve through `exports`: the runtime's own table (made at start-up, the layer that
// knows every routine), or another one in benchmarks.
bool linkImage(const LinkedImage& image, const uint8_t* records, uint32_t length, const ExportIndex& exports,
               std::string& error);

// Member imports waiting to be bound, newest first.
std::vector<DeferredMember>& linkDeferredMembers();
const LinkedImage& linkedImage();
