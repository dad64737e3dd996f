// Sounds in the RIFF wave format: the sample format and the samples of a checked file image.
#include "ui/media/wavedata.h"

#include "host/base/bytecursor.h"

#include <cstring>

namespace {

bool isTag(const uint8_t* at, const char* tag)
{
    return memcmp(at, tag, 4) == 0;
}

bool readFormat(ByteCursor chunk, WaveData& wave)
{
    return chunk.readU16LE(wave.formatTag) && chunk.readU16LE(wave.channels) &&
           chunk.readU32LE(wave.samplesPerSecond) && chunk.readU32LE(wave.bytesPerSecond) &&
           chunk.readU16LE(wave.blockAlign) && chunk.readU16LE(wave.bitsPerSample);
}

bool formatPlayable(const WaveData& wave)
{
    return wave.formatTag == 1 && wave.channels >= 1 && wave.channels <= 2 && wave.samplesPerSecond > 0 &&
           (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) &&
           wave.blockAlign == wave.channels * wave.bitsPerSample / 8;
}

} // namespace

uint32_t waveFileSize(const uint8_t* header, uint32_t size)
{
    if (size < 12 || !isTag(header, "RIFF") || !isTag(header + 8, "WAVE"))
        return 0;
    uint32_t body = ByteCursor::load32LE(header + 4);
    return body > UINT32_MAX - 8 ? 0 : body + 8;
}

bool waveDataRead(const uint8_t* bytes, uint32_t size, WaveData& wave, std::string& error)
{
    const uint32_t fileSize = waveFileSize(bytes, size);
    if (fileSize == 0 || fileSize > size) {
        error = fileSize == 0 ? "not a RIFF wave file" : "the wave file is cut short";
        return false;
    }
    bool haveFormat = false;
    for (uint32_t at = 12; fileSize - at >= 8;) {
        const uint8_t* head = bytes + at;
        uint32_t length = ByteCursor::load32LE(head + 4);
        if (length > fileSize - at - 8) {
            error = "a chunk runs past the end of the wave file";
            return false;
        }
        if (isTag(head, "fmt ")) {
            haveFormat = readFormat(ByteCursor(head + 8, length), wave);
        } else if (isTag(head, "data")) {
            wave.samples = head + 8;
            wave.sampleBytes = length;
        }
        at += 8 + length + (length & 1);   // chunks are padded to even lengths
        if (at > fileSize)
            break;
    }
    if (!haveFormat || !wave.samples) {
        error = haveFormat ? "the wave file has no samples" : "the wave file has no format";
        return false;
    }
    if (!formatPlayable(wave)) {
        error = "the wave file is not 8- or 16-bit PCM in one or two channels";
        return false;
    }
    return true;
}
