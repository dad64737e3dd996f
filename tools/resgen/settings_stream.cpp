// The settings stream: the flag, the language code, the file types, the message texts and
// the frame window's mode and title.
#include "resgen/settings_stream.h"

#include "image/streamencoding.h"

namespace resgen {

std::vector<uint8_t> encodeSettings(const SettingsDescription& settings)
{
    ImageStreamWriter out;
    out.byte(settings.flag);
    out.longValue(0); // skipped by the runtime
    out.longValue(static_cast<uint32_t>(settings.language));
    out.number(static_cast<int32_t>(settings.fileTypes.size()));
    for (const FileType& type : settings.fileTypes) {
        for (const std::string& field : type.fields)
            out.text(field);
    }
    out.number(static_cast<int32_t>(settings.messages.size()));
    for (const std::string& message : settings.messages)
        out.text(message);
    out.byte(settings.frameMode);
    out.text(settings.frameTitle);
    return out.bytes();
}

} // namespace resgen
