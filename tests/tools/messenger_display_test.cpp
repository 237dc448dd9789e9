#include "tools/messenger_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mailslot_wire.h"

namespace kestrivane {
namespace {

std::vector<uint8_t> Datagram(const std::vector<uint8_t>& message) {
  MailslotDatagram datagram;
  datagram.sourceIp = 0x7F000001;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {"ops", kMessengerSuffix};
  datagram.message = message;
  return *EncodeMailslotDatagram(datagram);
}

std::vector<uint8_t> Datagram(const MessengerMessage& message) {
  return Datagram(*BuildMessengerMessage(message));
}

TEST(MessengerDisplay, ShowsFiltersAndDrops) {
  const MessengerMessage forOps{"Kestrivane @ DESK7", "ops", "Go for Zuhr prayer NOW!"};
  auto truncated = Datagram(forOps);
  truncated.pop_back();
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    std::optional<std::string> onlyFor;
    MessengerVerdict verdict;
  } cases[] = {
      {"any recipient", Datagram(forOps), std::nullopt, MessengerVerdict::kShown},
      {"named recipient", Datagram(forOps), "ops", MessengerVerdict::kShown},
      {"named in another case", Datagram(forOps), "OPS", MessengerVerdict::kShown},
      {"another recipient", Datagram(forOps), "ops2", MessengerVerdict::kOtherRecipient},
      {"truncated", truncated, std::nullopt, MessengerVerdict::kMalformed},
      {"message without its zeros", Datagram(std::vector<uint8_t>{'a', 0, 'b'}), std::nullopt,
       MessengerVerdict::kMalformed},
      {"not a datagram", {'j', 'u', 'n', 'k'}, std::nullopt, MessengerVerdict::kMalformed},
      {"empty", {}, "ops", MessengerVerdict::kMalformed},
  };
  for (const auto& c : cases) {
    const auto received = ReadMessengerDatagram(c.bytes, c.onlyFor);
    EXPECT_EQ(received.verdict, c.verdict) << c.what;
    if (c.verdict != MessengerVerdict::kMalformed) {
      EXPECT_EQ(received.message.sender, forOps.sender) << c.what;
      EXPECT_EQ(received.message.recipient, forOps.recipient) << c.what;
      EXPECT_EQ(received.message.text, forOps.text) << c.what;
    }
  }
}

TEST(MessengerDisplay, OneLinePerMessageWithEveryPartEscaped) {
  EXPECT_EQ(FormatMessageLine({"Kestrivane @ DESK7", "ops", "Go for Zuhr prayer NOW!"}),
            "FROM Kestrivane @ DESK7 TO ops: Go for Zuhr prayer NOW!");
  EXPECT_EQ(FormatMessageLine({"a\nb", "\x1b[2J", "line\r\nnext\xff"}),
            "FROM a\\nb TO \\x1b[2J: line\\r\\nnext\\xff");
}

}  // namespace
}  // namespace kestrivane
