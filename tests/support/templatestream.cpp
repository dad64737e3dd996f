// Window template streams written for tests and benchmarks, as the image carries them.
#include "tests/support/templatestream.h"

#include <algorithm>
#include <cstring>

namespace {

void applyOverrides(Properties& properties, const Properties& overrides)
{
    for (const auto& [key, value] : overrides) {
        auto found = std::find_if(properties.begin(), properties.end(), [&](const auto& p) { return p.first == key; });
        if (found != properties.end())
            found->second = value;
        else
            properties.emplace_back(key, value);
    }
}

} // namespace

Properties windowProperties(const std::string& title, int32_t width, int32_t height, const Properties& overrides)
{
    Properties properties = {
        {"Name", "TestWindow"},
        {"Frame", "0"},
        {"HasBackColor", "False"},
        {"BackColor", "16777215"},
        {"Backdrop", "0"},
        {"Title", title},
        {"Visible", "True"},
        {"FullScreen", "False"},
        {"MenuBarVisible", "True"},
        {"CloseBox", "True"},
        {"GrowIcon", "True"},
        {"ZoomIcon", "False"},
        {"BalloonHelp", ""},
        {"MacProcID", "0"},
        {"Placement", "0"},
        {"Width", std::to_string(width)},
        {"Height", std::to_string(height)},
        {"MinWidth", "64"},
        {"MinHeight", "64"},
        {"MaxWidth", "32000"},
        {"MaxHeight", "32000"},
    };
    applyOverrides(properties, overrides);
    return properties;
}

Properties controlProperties(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height,
                             const Properties& own, int32_t index)
{
    Properties properties = {
        {"Name", name},
        {"Index", std::to_string(index)},
        {"TabPanelIndex", "0"},
        {"Visible", "True"},
        {"Left", std::to_string(left)},
        {"Top", std::to_string(top)},
        {"Width", std::to_string(width)},
        {"Height", std::to_string(height)},
        {"HelpTag", ""},
        {"BalloonHelp", ""},
        {"DisabledBalloonHelp", ""},
        {"AutoDeactivate", "True"},
        {"LockLeft", "True"},
        {"LockTop", "True"},
        {"LockRight", "False"},
        {"LockBottom", "False"},
    };
    properties.insert(properties.end(), own.begin(), own.end());
    return properties;
}

std::string templateStream(int32_t windowClass, const Properties& window, const std::vector<ControlSpec>& controls)
{
    std::string stream;
    streamAppendNumber(stream, static_cast<int32_t>(window.size()));
    streamAppendNumber(stream, windowClass);
    for (const auto& [key, value] : window) {
        streamAppendText(stream, key);
        streamAppendText(stream, value);
    }
    streamAppendNumber(stream, static_cast<int32_t>(controls.size()));
    for (const ControlSpec& control : controls) {
        streamAppendNumber(stream, control.classIndex);
        streamAppendNumber(stream, static_cast<int32_t>(control.properties.size()));
        for (const auto& [key, value] : control.properties) {
            streamAppendText(stream, key);
            streamAppendText(stream, value);
        }
    }
    streamAppendNumber(stream, 0);
    return stream;
}

std::vector<uint8_t> templateRecord(const std::string& stream)
{
    std::vector<uint8_t> record(4 + stream.size());
    uint32_t length = static_cast<uint32_t>(stream.size());
    memcpy(record.data(), &length, 4);
    memcpy(record.data() + 4, stream.data(), stream.size());
    return record;
}
