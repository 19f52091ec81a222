#include "model/printable_text.h"

#include <cstdint>

namespace zentrix::model {

namespace {

bool isControl(unsigned char c) {
  return c < 0x20 || c == 0x7f;
}

// The length of the UTF-8 character starting at `at`, or 0 when the bytes
// there are not one.
std::size_t utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t value = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
    value = lead & 0x1fu;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    value = lead & 0x0fu;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    value = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xc0) != 0x80) return 0;
    value = (value << 6) | (byte(at + i) & 0x3fu);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || (value >= 0xd800 && value <= 0xdfff) || value > 0x10ffff)
    return 0;
  return length;
}

// U+0080 to U+009F, the C1 controls, as UTF-8: C2 80 to C2 9F.
bool isC1ControlAt(std::string_view text, std::size_t at) {
  return at + 1 < text.size() && static_cast<unsigned char>(text[at]) == 0xc2 &&
         static_cast<unsigned char>(text[at + 1]) <= 0x9f;
}

}  // namespace

std::string escapedControls(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  const bool utf8 = isValidUtf8(text);
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    const auto byte = static_cast<unsigned char>(c);
    if (utf8 && isC1ControlAt(text, at)) {
      const auto value = static_cast<unsigned char>(text[++at]);
      shown += "\\u00";
      shown += kHex[value >> 4];
      shown += kHex[value & 0xf];
    } else if (!isControl(byte)) {
      shown += c;
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\t') {
      shown += "\\t";
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xf];
    }
  }
  return shown;
}

bool holdsControlCharacter(std::string_view text) {
  const bool utf8 = isValidUtf8(text);
  for (std::size_t at = 0; at < text.size(); ++at)
    if (isControl(static_cast<unsigned char>(text[at])) || (utf8 && isC1ControlAt(text, at)))
      return true;
  return false;
}

std::string quotedText(std::string_view text) {
  return "\"" + escapedControls(text) + "\"";
}

void blankControls(std::string& text) {
  for (char& c : text)
    if (c != '\t' && isControl(static_cast<unsigned char>(c))) c = ' ';
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = utf8Length(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string_view firstWholeChars(std::string_view text, std::size_t width) {
  if (text.size() <= width) return text;
  if (!isValidUtf8(text)) return text.substr(0, width);
  std::size_t cut = width;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80) --cut;
  return text.substr(0, cut);
}

}  // namespace zentrix::model
