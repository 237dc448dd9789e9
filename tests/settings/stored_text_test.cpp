#include "settings/stored_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrivane {
namespace {

TEST(StoredText, ReadsUtf8ElseWindows1252AndWritesTheSameBytesBack) {
  const struct {
    const char* name;
    std::string stored, text;
  } rows[] = {
      {"empty", "", ""},
      {"ASCII", "Islamabad", "Islamabad"},
      {"Windows-1252", "Z\xFCrich", "Z\xC3\xBCrich"},
      {"0x80-0x9F", "\x80\x8A\x9F", "\xE2\x82\xAC\xC5\xA0\xC5\xB8"},
      {"unassigned in 1252", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
      {"Arabic", "\xD8\xA5\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85",
       "\xD8\xA5\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"},
      {"1252 and beyond", "\xC3\xBC\xE2\x80\x93\xD8\xA5", "\xC3\xBC\xE2\x80\x93\xD8\xA5"},
      {"UTF-8 then a 1252 byte", "Z\xC3\xBC\xFC", "Z\xC3\x83\xC2\xBC\xC3\xBC"},
      {"1252 that would read as UTF-8", "\xC3\x83\xC2\xBC", "\xC3\x83\xC2\xBC"},
      {"surrogate form", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"overlong form", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"cut sequence", "a\xE2\x82", "a\xC3\xA2\xE2\x80\x9A"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
      {"no lead byte", "\xFC\x80\x80\x80", "\xC3\xBC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(StoredToText(row.stored), row.text) << row.name;
    EXPECT_EQ(TextToStored(row.text), row.stored) << row.name;
  }
}

TEST(StoredText, AnUnchangedFieldKeepsItsLoadedBytes) {
  const std::vector<std::string> loaded = {"Z\xFCrich", "Z\xC3\xBCrich"};
  EXPECT_EQ(TextToStored("Z\xC3\xBCrich", loaded[1]), loaded[1]);
  EXPECT_EQ(TextToStored("Z\xC3\xBCrich", loaded), loaded[0]);
  EXPECT_EQ(TextToStored("Z\xC3\xBCrich!", loaded), "Z\xFCrich!");
  EXPECT_EQ(TextToStored("not \xFF UTF-8"), "not \xFF UTF-8");
  // A sequence cut by the end of the text, though the bytes after it would complete it.
  EXPECT_EQ(TextToStored(std::string_view("a\xE2\x82\xAC", 3)), "a\xE2\x82");
}

TEST(StoredText, Utf16HasSurrogatePairs) {
  EXPECT_EQ(StoredToUtf16("\xF0\x9F\x95\x8C\xE2\x82\xAC"), u"\U0001F54C\u20AC");
  EXPECT_EQ(StoredToUtf16("\x80\xFC"), u"\u20AC\u00FC");
}

}  // namespace
}  // namespace kestrivane
