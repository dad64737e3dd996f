// Sounds in the RIFF wave format: the sample format and the samples of a checked file image.
#pragma once

#include <cstdint>
#include <string>

// A view into the bytes it was read from.
struct WaveData {
    uint16_t formatTag = 0; // 1: PCM
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    const uint8_t* samples = nullptr;
    uint32_t sampleBytes = 0;
};

// Reads a whole RIFF "WAVE" file image: its "fmt " and "data" chunks; other chunks are
// passed over. False, with the reason, for anything that does not fit or is not PCM.
bool waveDataRead(const uint8_t* bytes, uint32_t size, WaveData& wave, std::string& error);

// The size of the file a RIFF header announces (12 bytes are enough), 0 when it is not one.
uint32_t waveFileSize(const uint8_t* header, uint32_t size);
