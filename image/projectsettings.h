// The image's settings: frame mode and title, the font character set, the file types and
// the runtime's replaceable messages.
#pragma once

#include "runtime/strings/string.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct FileType {
    StringRecord* name;
    StringRecord* creator;
    StringRecord* type;
    StringRecord* extensions;
};

// Entries past these are read and dropped.
constexpr int32_t settingsMessageCapacity = 116;
constexpr int32_t settingsFileTypeCapacity = 64;

// The settings stream as read, before it is applied.
struct SettingsStream {
    uint8_t flag = 0;
    int32_t languageCode = 0;
    std::vector<std::array<std::string, 4>> fileTypes;
    std::vector<std::string> messages;
    bool frameMode = false;
    std::string frameTitle;
};

// In order: byte flag; long (skipped); long language code; number T and T entries of four
// strings; number M and M strings; byte frame mode; string frame title. False with the fault
// (imagefault.h) naming the part where the stream ends or holds a negative count.
bool settingsRead(const uint8_t* bytes, uint32_t length, SettingsStream& settings, std::string& fault);
// Makes the settings those of the runtime: the message texts go to the exceptions.
void settingsApply(const SettingsStream& settings);

// The character set of fonts for a language code (128 for 13, Shift-JIS; 1 for any unknown).
int32_t charsetForLanguage(int32_t languageCode);

uint8_t settingsFlag();
bool settingsFrameMode();
StringRecord* settingsFrameTitle(); // Nil when untitled
int32_t settingsCharset();          // 1 (the system default) until settings are applied
std::span<const FileType> settingsFileTypes();
