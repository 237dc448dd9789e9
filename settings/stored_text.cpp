#include "settings/stored_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace kestrivane {

namespace {

// Windows-1252 bytes 0x80..0x9F; the unassigned five keep their own number.
constexpr char16_t kHighCodes[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the valid UTF-8 sequence at the start of `text`, with its code
// point; 0 when there is none (overlong, surrogate, past U+10FFFF, cut).
std::size_t DecodeUtf8(std::string_view text, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || length > text.size()) return 0;
  code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool IsUtf8(std::string_view text) {
  char32_t code = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = DecodeUtf8(text.substr(at), code);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The Windows-1252 byte of a code point, where it has one.
std::optional<char> Cp1252Byte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  const auto* found = std::find(std::begin(kHighCodes), std::end(kHighCodes), code);
  if (found == std::end(kHighCodes)) return std::nullopt;
  return static_cast<char>(0x80 + (found - kHighCodes));
}

}  // namespace

std::string StoredToText(std::string_view stored) {
  if (IsUtf8(stored)) return std::string(stored);
  std::string text;
  text.reserve(stored.size() * 2);
  for (const char c : stored) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(text, byte >= 0x80 && byte < 0xA0 ? kHighCodes[byte - 0x80] : char32_t{byte});
  }
  return text;
}

std::u16string StoredToUtf16(std::string_view stored) {
  const std::string text = StoredToText(stored);
  std::u16string units;
  char32_t code = 0;
  for (std::size_t at = 0; at < text.size();) {
    at += DecodeUtf8(std::string_view(text).substr(at), code);
    if (code >= 0x10000) {
      units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      units += static_cast<char16_t>(code);
    }
  }
  return units;
}

std::string TextToStored(std::string_view text) {
  std::string stored;
  stored.reserve(text.size());
  char32_t code = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = DecodeUtf8(text.substr(at), code);
    if (length == 0) return std::string(text);
    const std::optional<char> byte = Cp1252Byte(code);
    if (!byte) return std::string(text);
    stored += *byte;
    at += length;
  }
  // "Ã¼" in Windows-1252 is the UTF-8 of "ü": such text keeps its UTF-8.
  return IsUtf8(stored) && stored != text ? std::string(text) : stored;
}

std::string TextToStored(std::string_view text, std::span<const std::string> loaded) {
  for (const std::string& bytes : loaded) {
    if (StoredToText(bytes) == text) return bytes;
  }
  return TextToStored(text);
}

}  // namespace kestrivane
