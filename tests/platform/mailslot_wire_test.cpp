// The network alarm message and the datagram that carries it: the
// documented bytes both ways, and a decoder that refuses malformed input.

#include "platform/mailslot_wire.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "platform/messenger_message.h"

namespace kestrivane {
namespace {

// Sender "Kestrivane @ DESK7", recipient "ops", text "Go for Zuhr prayer
// NOW!", from host DESK7 at 127.0.0.1, datagram id 1.
constexpr const char* kExampleDump = R"(
00000000: 1002 0001 7f00 0001 008a 00ca 0000 2045
00000010: 4545 4646 4445 4c44 4843 4143 4143 4143
00000020: 4143 4143 4143 4143 4143 4143 4141 4100
00000030: 2045 5046 4146 4443 4143 4143 4143 4143
00000040: 4143 4143 4143 4143 4143 4143 4143 4141
00000050: 4400 ff53 4d42 2500 0000 0000 0000 0000
00000060: 0000 0000 0000 0000 0000 0000 0000 0000
00000070: 0000 1100 002f 0000 0000 0000 0000 00e8
00000080: 0300 0000 0000 0000 002f 0057 0003 0001
00000090: 0000 0002 0041 005c 4d41 494c 534c 4f54
000000a0: 5c4d 4553 534e 4752 004b 6573 7472 6976
000000b0: 616e 6520 4020 4445 534b 3700 6f70 7300
000000c0: 476f 2066 6f72 205a 7568 7220 7072 6179
000000d0: 6572 204e 4f57 2100
)";

// The bytes of the dump: the hex digits after each offset's colon.
std::vector<uint8_t> ExampleBytes() {
  std::vector<uint8_t> bytes;
  std::istringstream lines(kExampleDump);
  std::string line, hex;
  while (std::getline(lines, line)) {
    for (char c : line.substr(line.find(':') + 1)) {
      if (c != ' ') hex += c;
    }
  }
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

const std::vector<uint8_t> kMessage =
    Bytes({"Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0", 47});

TEST(MessengerMessage, IsSenderRecipientAndTextEachEndedByAZero) {
  EXPECT_EQ(AlarmSenderName("desk7"), "Kestrivane @ DESK7");
  EXPECT_EQ(AlarmSenderName("zo\xc3\xab_1"), "Kestrivane @ ZO\xc3\xab_1") << "ASCII letters only";
  EXPECT_EQ(BuildMessengerMessage({AlarmSenderName("desk7"), "ops", "Go for Zuhr prayer NOW!"}),
            kMessage);
  // A part ends at its first zero byte.
  EXPECT_EQ(BuildMessengerMessage({{"ab\0cd", 5}, {"ops\0x", 5}, {"hi\0there", 8}}),
            Bytes({"ab\0ops\0hi\0", 10}));
}

TEST(MessengerMessage, CutsTheTextToTheBufferOrSkipsTheRecipient) {
  // Lengths of sender, recipient and text; text bytes kept, -1: recipient skipped.
  const int cases[][4] = {{18, 3, 232, 232}, {18, 3, 233, 232}, {18, 3, 1000, 232},
                          {100, 152, 10, 1}, {100, 150, 0, 0},  {100, 153, 10, -1},
                          {200, 200, 10, -1}};
  for (const auto& [sender, recipient, text, kept] : cases) {
    SCOPED_TRACE(std::to_string(sender) + "+" + std::to_string(recipient) + "+" +
                 std::to_string(text));
    const auto bytes = BuildMessengerMessage(
        {std::string(sender, 'S'), std::string(recipient, 'r'), std::string(text, 't')});
    if (kept < 0) {
      EXPECT_FALSE(bytes);
    } else {
      EXPECT_EQ(bytes, Bytes(std::string(sender, 'S') + '\0' + std::string(recipient, 'r') + '\0' +
                             std::string(kept, 't') + '\0'));
    }
  }
}

TEST(MessengerMessage, ParseTakesThreeZeroEndedStringsOrNothing) {
  const auto parsed = ParseMessengerMessage(kMessage);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->sender + "|" + parsed->recipient + "|" + parsed->text,
            "Kestrivane @ DESK7|ops|Go for Zuhr prayer NOW!");
  EXPECT_EQ(ParseMessengerMessage(Bytes({"a\0\0\0more", 7}))->text, "");
  EXPECT_FALSE(ParseMessengerMessage(Bytes({"a\0b\0c", 5})));
  EXPECT_FALSE(ParseMessengerMessage({}));
}

MailslotDatagram ExampleDatagram() {
  MailslotDatagram datagram;
  datagram.datagramId = 1;
  datagram.sourceIp = 0x7F000001;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {"ops", kMessengerSuffix};
  datagram.message = kMessage;
  return datagram;
}

TEST(MailslotWire, TheDocumentedExampleBothWays) {
  ASSERT_EQ(ExampleBytes().size(), 216u);
  EXPECT_EQ(EncodeMailslotDatagram(ExampleDatagram()), ExampleBytes());
  const auto decoded = DecodeMessengerDatagram(ExampleBytes());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->messageType, 0x10);
  EXPECT_EQ(decoded->datagramId, 1);
  EXPECT_EQ(decoded->sourceIp, 0x7F000001u);
  EXPECT_EQ(decoded->sourcePort, 138);
  EXPECT_EQ(decoded->source.name + "/" + std::to_string(decoded->source.suffix), "DESK7/0");
  EXPECT_EQ(decoded->destination.name + "/" + std::to_string(decoded->destination.suffix), "OPS/3");
  EXPECT_EQ(decoded->mailslot, "\\MAILSLOT\\MESSNGR");
  EXPECT_EQ(decoded->message, kMessage);
}

TEST(MailslotWire, TheLargestMessageGoesThroughAndOneByteMoreDoesNot) {
  // 14 + 68 + 69 + 18 bytes of framing leave 65338 of a UDP datagram. Names
  // are cut to 15 characters; any byte is half-ASCII encoded.
  MailslotDatagram datagram = ExampleDatagram();
  datagram.source.name = "a-very-long-hostname";
  datagram.destination.name = "\xff";
  for (std::size_t i = 0; datagram.message.size() < 65338; ++i) {
    datagram.message.push_back(static_cast<uint8_t>(i));
  }
  const auto decoded = DecodeMessengerDatagram(*EncodeMailslotDatagram(datagram));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->source.name, "A-VERY-LONG-HOS");
  EXPECT_EQ(decoded->destination.name, "\xff");
  EXPECT_EQ(decoded->message, datagram.message);
  datagram.message.push_back('x');
  EXPECT_FALSE(EncodeMailslotDatagram(datagram));
  datagram = ExampleDatagram();
  datagram.mailslot = std::string("\\MAILSLOT\\A\0B", 13);
  EXPECT_FALSE(EncodeMailslotDatagram(datagram));
}

TEST(MailslotWire, DecoderRefusesEveryTruncation) {
  const auto bytes = ExampleBytes();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    EXPECT_FALSE(DecodeMessengerDatagram(std::span(bytes.data(), length))) << length;
  }
}

// Offsets are those of the example, whose SMB header starts at 82.
struct Patch {
  const char* what;
  std::size_t offset;
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Patched(const Patch& patch) {
  auto bytes = ExampleBytes();
  std::copy(patch.bytes.begin(), patch.bytes.end(), bytes.begin() + patch.offset);
  return bytes;
}

TEST(MailslotWire, DecoderRefusesCorruptedFields) {
  const Patch cases[] = {
      {"message type 0x13", 0, {0x13}},
      {"message type 0x14 (error)", 0, {0x14}},
      {"more fragments follow", 1, {0x03}},
      {"not the first fragment", 1, {0x00}},
      {"datagram length one past the bytes", 10, {0x00, 0xcb}},
      {"datagram length one short", 10, {0x00, 0xc9}},
      {"datagram length 0", 10, {0x00, 0x00}},
      {"datagram length 65535", 10, {0xff, 0xff}},
      {"datagram length ending in the SMB header", 10, {0x00, 0x64}},
      {"datagram length ending inside the byte count", 10, {0x00, 0x88}},
      {"packet offset 1", 12, {0x00, 0x01}},
      {"source name length 0x21", 14, {0x21}},
      {"source name letter past P", 15, {'Q'}},
      {"source name scope runs into the next name", 47, {0x05}},
      {"scope label over 63", 47, {0x40}},
      {"destination name length 0", 48, {0x00}},
      {"destination name letter below A", 60, {'@'}},
      {"SMB protocol", 82, {0xfe}},
      {"SMB command", 86, {0x32}},
      {"word count 16", 114, {16}},
      {"total data count differs", 117, {46, 0}},
      {"parameters past the end", 133, {5, 0, 0xff, 0xff}},
      {"data count one past the bytes", 137, {48, 0}},
      {"data count 65535", 137, {0xff, 0xff}},
      {"data offset inside the mailslot name", 139, {86, 0}},
      {"data offset one past", 139, {88, 0}},
      {"data offset 65535", 139, {0xff, 0xff}},
      {"setup count 2", 141, {2}},
      {"opcode 2", 143, {2, 0}},
      {"byte count one short", 149, {64, 0}},
      {"byte count 65535", 149, {0xff, 0xff}},
      {"byte count 0", 149, {0, 0}},
      {"another mailslot", 161, {'S'}},
      {"mailslot name without its zero", 168, {'X'}},
  };
  for (const auto& c : cases) EXPECT_FALSE(DecodeMessengerDatagram(Patched(c))) << c.what;
}

TEST(MailslotWire, DecoderAcceptsWhatOtherSendersMayVary) {
  const Patch cases[] = {
      {"direct group datagram", 0, {0x11}},
      {"broadcast datagram", 0, {0x12}},
      {"mailslot name in lower case", 151, {'\\', 'm', 'a', 'i', 'l', 's', 'l', 'o', 't'}},
      {"another source port and address", 4, {10, 0, 0, 9, 0x04, 0xd2}},
      {"another timeout", 127, {0x10, 0x27, 0, 0}},
      {"padding after the stated length", 216, {}},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> bytes = ExampleBytes();
    bytes.insert(bytes.end(), {0xde, 0xad});
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + c.offset);
    const auto decoded = DecodeMessengerDatagram(bytes);
    ASSERT_TRUE(decoded) << c.what;
    EXPECT_EQ(decoded->message, kMessage) << c.what;
  }
}

TEST(MailslotWire, DecoderSkipsANameScope) {
  // The destination name gets the scope of two 63-byte labels.
  auto bytes = ExampleBytes();
  std::vector<uint8_t> scope;
  for (int label = 0; label < 2; ++label) {
    scope.push_back(63);
    scope.insert(scope.end(), 63, 'a');
  }
  bytes.insert(bytes.begin() + 81, scope.begin(), scope.end());
  bytes[10] = 0x01, bytes[11] = 0x4a;  // the datagram length, 0xca + 128
  const auto decoded = DecodeMessengerDatagram(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->destination.name, "OPS");
  EXPECT_EQ(decoded->message, kMessage);
}

}  // namespace
}  // namespace kestrivane
