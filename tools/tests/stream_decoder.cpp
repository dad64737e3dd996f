// Test-only reader of image streams, written independently of the generator from the stream
// format.
#include "tests/stream_decoder.h"

#include <algorithm>
#include <limits>

namespace testsupport {

uint8_t StreamDecoder::byte() {
  if (position_ >= bytes_.size()) {
    overran_ = true;
    return 0;
  }
  return bytes_[position_++];
}

int32_t StreamDecoder::number() {
  uint8_t b = byte();
  const bool negative = (b & 0x40) != 0;
  uint64_t magnitude = b & 0x3F;
  for (int shift = 6; (b & 0x80) != 0 && !overran_ && shift < 64; shift += 7) {
    b = byte();
    magnitude |= static_cast<uint64_t>(b & 0x7F) << shift;
  }
  if (magnitude == 0x80000000u) return std::numeric_limits<int32_t>::min();
  const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return static_cast<int32_t>(value);
}

std::string StreamDecoder::text() {
  const int32_t length = number();
  std::string result;
  for (int32_t i = 0; i < length && !overran_; ++i) result += static_cast<char>(byte());
  return result;
}

uint32_t StreamDecoder::longValue() {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | byte();
  return value;
}

namespace {

KeyValueList keyValues(StreamDecoder& in, int32_t count) {
  KeyValueList list;
  for (int32_t i = 0; i < count && !in.overran(); ++i) {
    std::string key = in.text();
    list.emplace_back(std::move(key), in.text());
  }
  return list;
}

std::vector<DecodedMenu> menuList(StreamDecoder& in, bool titles) {
  std::vector<DecodedMenu> list(static_cast<size_t>(std::max(in.number(), 0)));
  for (DecodedMenu& menu : list) {
    menu.kind = in.number();
    menu.text = in.text();
    menu.name = in.text();
    menu.index = in.number();
    menu.shortcut = in.text();
    menu.extra1 = in.text();
    menu.extra2 = in.text();
    menu.flag = in.byte();
    menu.hasSubmenu = in.byte();
    menu.classIndex = in.number();
    if ((titles || menu.hasSubmenu != 0) && !in.overran()) menu.items = menuList(in, false);
  }
  return list;
}

}  // namespace

DecodedTemplate decodeWindowTemplate(std::span<const uint8_t> bytes) {
  DecodedTemplate decoded;
  if (bytes.size() < 4) return decoded;
  const uint32_t length = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
  if (length > bytes.size() - 4) return decoded;
  StreamDecoder in(bytes.subspan(4, length));
  const int32_t windowKeys = in.number();
  decoded.windowClass = in.number();
  decoded.keys = keyValues(in, windowKeys);
  const int32_t controls = in.number();
  for (int32_t i = 0; i < controls && !in.overran(); ++i) {
    DecodedControl& control = decoded.controls.emplace_back();
    control.classIndex = in.number();
    control.keys = keyValues(in, in.number());
  }
  decoded.bindings = in.number();
  decoded.wholeStream = !in.overran() && in.atEnd();
  return decoded;
}

std::vector<DecodedMenu> decodeMenuBar(std::span<const uint8_t> stream, bool& wholeStream) {
  StreamDecoder in(stream);
  std::vector<DecodedMenu> titles = menuList(in, true);
  wholeStream = !in.overran() && in.atEnd();
  return titles;
}

DecodedSettings decodeSettings(std::span<const uint8_t> stream) {
  StreamDecoder in(stream);
  DecodedSettings settings;
  settings.flag = in.byte();
  settings.skipped = in.longValue();
  settings.language = in.longValue();
  const int32_t types = in.number();
  for (int32_t i = 0; i < types && !in.overran(); ++i) {
    auto& type = settings.fileTypes.emplace_back();
    for (int field = 0; field < 4; ++field) type.push_back(in.text());
  }
  const int32_t messages = in.number();
  for (int32_t i = 0; i < messages && !in.overran(); ++i) settings.messages.push_back(in.text());
  settings.frameMode = in.byte();
  settings.frameTitle = in.text();
  settings.wholeStream = !in.overran() && in.atEnd();
  return settings;
}

}  // namespace testsupport
