// What the messenger's listener prints of a received text: readable, and
// never a control that could change the terminal or the line.

#include "platform/plain_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrivane {
namespace {

TEST(PlainText, EscapesWhatCouldChangeTheLineAndKeepsUtf8Readable) {
  const std::pair<std::string, const char*> cases[] = {
      {"a\nb\tc\x1b[31m\x7f", "a\\nb\\tc\\x1b[31m\\x7f"},
      {std::string("nul\0C:\\n", 8), "nul\\x00C:\\\\n"},
      {"Zo\xc3\xab \xd8\xb5 \xf0\x9f\x95\x8c", "Zo\xc3\xab \xd8\xb5 \xf0\x9f\x95\x8c"},
      // C1 controls, line separators and bidirectional overrides.
      {"\xc2\x85 a\xe2\x80\xa8 \xe2\x80\xaetxt", "\\u0085 a\\u2028 \\u202etxt"},
      // Not UTF-8: overlong, a surrogate, past U+10FFFF, cut short.
      {"\xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xe2\x82\x41",
       "\\xc0\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80 \\xe2\\x82A"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(EscapeForDisplay(in), out);
  std::string every;
  for (int i = 0; i < 256; ++i) every.push_back(static_cast<char>(i));
  for (const unsigned char c : EscapeForDisplay(every)) EXPECT_TRUE(c >= 0x20 && c != 0x7f) << +c;
}

}  // namespace
}  // namespace kestrivane
