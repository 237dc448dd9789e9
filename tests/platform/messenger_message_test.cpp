#include "platform/messenger_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrivane {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(MessengerMessage, SenderIsTheUserNameInCapitals) {
  EXPECT_EQ(AlarmSenderName("desk7"), "Kestrivane @ DESK7");
  EXPECT_EQ(AlarmSenderName("Default"), "Kestrivane @ DEFAULT");
  // Only ASCII letters change: the name is sent as 8-bit bytes.
  EXPECT_EQ(AlarmSenderName("zo\xc3\xab_1"), "Kestrivane @ ZO\xc3\xab_1");
}

TEST(MessengerMessage, ThreeZeroTerminatedStrings) {
  // The worked example: 18 + 1 + 3 + 1 + 23 + 1 bytes.
  const auto bytes =
      BuildMessengerMessage({AlarmSenderName("desk7"), "ops", "Go for Zuhr prayer NOW!"});
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size(), 47u);
  EXPECT_EQ(*bytes, Bytes(std::string("Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0", 47)));
}

TEST(MessengerMessage, CutsTheTextToTheBufferOrSkipsTheRecipient) {
  const struct {
    std::size_t sender, recipient, text;
    std::size_t expectedText;  // bytes of text kept; npos: recipient skipped
  } cases[] = {
      {18, 3, 23, 23},                    // well inside
      {18, 3, 232, 232},                  // exactly 256
      {18, 3, 233, 232},                  // one over: the text loses one byte
      {18, 3, 1000, 232},                 // far over
      {100, 152, 10, 1},                  // room for a single text byte
      {100, 153, 10, std::string::npos},  // sender and name fill the buffer
      {200, 200, 10, std::string::npos},
      {100, 150, 0, 0},  // an empty text still fits
  };
  for (const auto& c : cases) {
    const MessengerMessage message{std::string(c.sender, 'S'), std::string(c.recipient, 'r'),
                                   std::string(c.text, 't')};
    const auto bytes = BuildMessengerMessage(message);
    const std::string label =
        std::to_string(c.sender) + "/" + std::to_string(c.recipient) + "/" + std::to_string(c.text);
    if (c.expectedText == std::string::npos) {
      EXPECT_FALSE(bytes) << label;
      continue;
    }
    ASSERT_TRUE(bytes) << label;
    EXPECT_LE(bytes->size(), kMessengerMessageLimit) << label;
    EXPECT_EQ(bytes->size(), c.sender + c.recipient + c.expectedText + 3) << label;
    EXPECT_EQ(bytes->back(), 0) << label;
    const auto parsed = ParseMessengerMessage(*bytes);
    ASSERT_TRUE(parsed) << label;
    EXPECT_EQ(parsed->sender, message.sender) << label;
    EXPECT_EQ(parsed->recipient, message.recipient) << label;
    EXPECT_EQ(parsed->text, message.text.substr(0, c.expectedText)) << label;
  }
}

TEST(MessengerMessage, EachPartEndsAtItsFirstZero) {
  const auto bytes = BuildMessengerMessage(
      {std::string("ab\0cd", 5), std::string("ops\0x", 5), std::string("hi\0there", 8)});
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, Bytes(std::string("ab\0ops\0hi\0", 10)));
}

TEST(MessengerMessage, ParseNeedsThreeZeros) {
  const struct {
    std::string bytes;
    bool ok;
    const char* text;
  } cases[] = {
      {std::string("a\0b\0c\0", 6), true, "c"},
      {std::string("\0\0\0", 3), true, ""},
      {std::string("a\0b\0c\0trailing", 14), true, "c"},
      {std::string("a\0b\0c", 5), false, ""},
      {std::string("a\0b\0", 4), false, ""},
      {std::string("abc"), false, ""},
      {std::string(), false, ""},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseMessengerMessage(Bytes(c.bytes));
    ASSERT_EQ(bool(parsed), c.ok) << c.bytes.size();
    if (parsed) {
      EXPECT_EQ(parsed->text, c.text);
    }
  }
}

}  // namespace
}  // namespace kestrivane
