#include "platform/plain_text.h"

#include <cstdint>
#include <cstdio>

namespace kestrivane {

namespace {

void AppendHexByte(std::string& out, uint8_t byte) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
  out += buffer;
}

// Length of the valid UTF-8 sequence at the start of `text` and its code
// point; 0 when the first byte does not start one.
std::size_t DecodeUtf8(std::string_view text, char32_t& codePoint) {
  const auto lead = static_cast<uint8_t>(text[0]);
  std::size_t length = 0;
  uint8_t low = 0x80;   // allowed range of the second byte, against overlong
  uint8_t high = 0xBF;  // forms, surrogates and code points past U+10FFFF
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() < length) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(text[i]);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
      return 0;
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  return length;
}

bool IsHiddenFormatting(char32_t c) {
  return c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

}  // namespace

std::string EscapeForDisplay(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    char32_t c = 0;
    const std::size_t length = DecodeUtf8(text, c);
    if (length == 0) {
      AppendHexByte(out, static_cast<uint8_t>(text[0]));
      text.remove_prefix(1);
      continue;
    }
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      AppendHexByte(out, static_cast<uint8_t>(c));
    } else if ((c >= 0x80 && c <= 0x9F) || IsHiddenFormatting(c)) {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
      out += buffer;
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace kestrivane
