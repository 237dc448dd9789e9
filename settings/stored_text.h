#pragma once
// The one reading and writing of the names Prefs.dat keeps (city, country,
// recipients) and of the 8-bit text the network carries. A file from a
// Western Windows holds Windows-1252 bytes; this program writes
// Windows-1252 where it can and UTF-8 for the rest (an Arabic or Urdu name).
// Everything that shows, prints or exports such bytes reads them here.

#include <span>
#include <string>
#include <string_view>

namespace kestrivane {

// Stored bytes as UTF-8 text: valid UTF-8 stays as it is, anything else is
// read as Windows-1252 (its five unassigned bytes as the C1 controls of the
// same number, so no byte is lost).
std::string StoredToText(std::string_view stored);
// The same text in UTF-16 code units.
std::u16string StoredToUtf16(std::string_view stored);

// UTF-8 text as stored bytes: Windows-1252 when every character has a byte
// there and those bytes do not read back as other UTF-8 text, else the
// UTF-8 itself. StoredToText gives the text back either way. Bytes that are
// not UTF-8 are stored bytes already and stay as they are.
std::string TextToStored(std::string_view text);

// A field the user may have edited: the first of the bytes it was loaded
// with that still read as `text`, so an untouched name keeps its bytes;
// otherwise TextToStored(text).
std::string TextToStored(std::string_view text, std::span<const std::string> loaded);
inline std::string TextToStored(std::string_view text, const std::string& loaded) {
  return TextToStored(text, std::span<const std::string>(&loaded, 1));
}

}  // namespace kestrivane
