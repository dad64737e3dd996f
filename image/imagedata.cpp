// The linked image's data and code blocks as the class table and project items see them:
// every address they hold is checked against its block before it is followed.
#include "image/imagedata.h"

#include "base/bytecursor.h"
#include "image/linker.h"

namespace {
uint32_t addressValue(const uint8_t* pointer)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

// Record of a string constant: count, buffer, buffer size, length.
constexpr uint32_t stringRecordBytes = 16;
} // namespace

ImageData ImageData::linked()
{
    const LinkedImage& image = linkedImage();
    return ImageData(image.data, image.dataSize, image.code, image.codeSize);
}

bool ImageData::dataOffset(uint32_t address, uint64_t length, uint32_t& offset) const
{
    uint32_t candidate = address - addressValue(data);
    if (!data || candidate >= size || length > size - candidate)
        return false;
    offset = candidate;
    return true;
}

uint32_t ImageData::addressOf(uint32_t offset) const
{
    return addressValue(data) + offset;
}

bool ImageData::isCode(uint32_t address) const
{
    return code && address - addressValue(code) < codeSize;
}

bool ImageData::stringConstant(uint32_t address, std::string_view& text) const
{
    text = {};
    if (address == 0)
        return true;
    uint32_t record;
    if (!dataOffset(address, stringRecordBytes, record))
        return false;
    uint32_t buffer = loadU32LE(data + record + 4);
    uint32_t length = loadU32LE(data + record + 12);
    uint32_t bufferOffset;
    if (length > 0x7FFFFFFF || !dataOffset(buffer, uint64_t(length) + 2, bufferOffset))
        return false;
    text = {reinterpret_cast<const char*>(data + bufferOffset + 1), length};
    return true;
}
