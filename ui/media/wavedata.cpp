// Sounds in the RIFF wave format: the sample format and the samples of a checked file image.
#include "ui/media/wavedata.h"

#include "base/bytecursor.h"
#include "image/imagefault.h"

#include <cstring>

namespace {

constexpr uint32_t riffHeaderBytes = 12, chunkHeaderBytes = 8;

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

ImageFaultPlace chunkPlace(const uint8_t* bytes, uint32_t at)
{
    std::string tag(reinterpret_cast<const char*>(bytes + at), 4);
    return {"wave file, chunk \"" + tag + "\"", ImageOffsetUnit::byte, at};
}

// Walks the chunks after the RIFF header. `formatAt` is left at the last "fmt " chunk, or 0 when
// that one is too short to hold a format.
bool readChunks(const uint8_t* bytes, uint32_t fileSize, WaveData& wave, uint32_t& formatAt, std::string& error)
{
    for (uint32_t at = riffHeaderBytes; fileSize - at >= chunkHeaderBytes;) {
        const uint8_t* head = bytes + at;
        uint32_t length = loadU32LE(head + 4);
        if (length > fileSize - at - chunkHeaderBytes) {
            error = imageFault(chunkPlace(bytes, at), "its %u bytes run past the end of the wave file", length);
            return false;
        }
        if (isTag(head, "fmt ")) {
            formatAt = readFormat(ByteCursor(head + 8, length), wave) ? at : 0;
        } else if (isTag(head, "data")) {
            wave.samples = head + 8;
            wave.sampleBytes = length;
        }
        at += chunkHeaderBytes + length + (length & 1); // chunks are padded to even lengths
        if (at > fileSize)
            break;
    }
    return true;
}

} // namespace

uint32_t waveFileSize(const uint8_t* header, uint32_t size)
{
    if (size < riffHeaderBytes || !isTag(header, "RIFF") || !isTag(header + 8, "WAVE"))
        return 0;
    uint32_t body = loadU32LE(header + 4);
    return body > UINT32_MAX - 8 ? 0 : body + 8;
}

bool waveDataRead(const uint8_t* bytes, uint32_t size, WaveData& wave, std::string& error)
{
    const uint32_t fileSize = waveFileSize(bytes, size);
    uint32_t formatAt = 0;
    if (fileSize == 0)
        error = imageFault({"wave file", ImageOffsetUnit::byte, 0}, "not a RIFF wave file");
    else if (fileSize > size)
        error = imageFault({"wave file", ImageOffsetUnit::byte, 4},
                           "the header announces %u bytes, but only %u are there", fileSize, size);
    else if (!readChunks(bytes, fileSize, wave, formatAt, error))
        return false;
    else if (formatAt == 0 || !wave.samples)
        error = imageFault({"wave file"}, formatAt ? "it has no samples" : "it has no format");
    else if (!formatPlayable(wave))
        error = imageFault(chunkPlace(bytes, formatAt), "the sound is not 8- or 16-bit PCM in one or two channels");
    else
        return true;
    return false;
}
