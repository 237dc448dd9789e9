#include "platform/plain_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrivane {
namespace {

TEST(PlainText, EscapesWhatCouldChangeTheLine) {
  const struct {
    std::string in;
    const char* out;
  } cases[] = {
      {"Go for Zuhr prayer NOW!", "Go for Zuhr prayer NOW!"},
      {"'Isha` & <b>", "'Isha` & <b>"},
      {"a\nb\rc\td", "a\\nb\\rc\\td"},
      {"\x1b[31mred", "\\x1b[31mred"},
      {std::string("nul\0", 4), "nul\\x00"},
      {"\x7f\x01", "\\x7f\\x01"},
      {"C:\\n", "C:\\\\n"},
      // UTF-8 stays readable.
      {"Zo\xc3\xab \xd8\xb5\xd9\x84\xd8\xa7\xd8\xa9 \xf0\x9f\x95\x8c",
       "Zo\xc3\xab \xd8\xb5\xd9\x84\xd8\xa7\xd8\xa9 \xf0\x9f\x95\x8c"},
      // C1 controls, line separators and bidirectional overrides.
      {"\xc2\x85", "\\u0085"},
      {"\xc2\x9b\x32J", "\\u009b2J"},
      {"a\xe2\x80\xa8\x62", "a\\u2028b"},
      {"\xe2\x80\xaetxt.exe", "\\u202etxt.exe"},
      {"\xe2\x81\xa6", "\\u2066"},
      // Bytes that are not UTF-8.
      {"\xff", "\\xff"},
      {"caf\xe9", "caf\\xe9"},
      {"\xc0\xaf", "\\xc0\\xaf"},                    // overlong '/'
      {"\xe0\x80\xaf", "\\xe0\\x80\\xaf"},           // overlong, three bytes
      {"\xed\xa0\x80", "\\xed\\xa0\\x80"},           // surrogate
      {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // past U+10FFFF
      {"\xe2\x82", "\\xe2\\x82"},                    // cut short at the end
      {"\xe2\x82\x41", "\\xe2\\x82A"},               // cut short in the middle
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EscapeForDisplay(c.in), c.out) << c.out;
  }
}

TEST(PlainText, OutputHasNoControlBytes) {
  std::string every;
  for (int i = 0; i < 256; ++i) {
    every.push_back(static_cast<char>(i));
  }
  for (const unsigned char c : EscapeForDisplay(every)) {
    EXPECT_TRUE(c >= 0x20 && c != 0x7f) << int(c);
  }
}

}  // namespace
}  // namespace kestrivane
