#include "platform/mailslot_wire.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "platform/messenger_message.h"

namespace kestrivane {
namespace {

// The documented example: sender "Kestrivane @ DESK7", recipient "ops", text
// "Go for Zuhr prayer NOW!", from host DESK7 at 127.0.0.1, datagram id 1.
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

// Reads an xxd dump: an offset, then groups of hex digits.
std::vector<uint8_t> ParseDump(const std::string& dump) {
  std::vector<uint8_t> bytes;
  std::istringstream lines(dump);
  std::string line;
  while (std::getline(lines, line)) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) {
      continue;
    }
    std::istringstream groups(line.substr(colon + 1));
    std::string group;
    while (groups >> group) {
      for (std::size_t i = 0; i + 1 < group.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(std::stoul(group.substr(i, 2), nullptr, 16)));
      }
    }
  }
  return bytes;
}

std::vector<uint8_t> ExampleBytes() { return ParseDump(kExampleDump); }

MailslotDatagram ExampleDatagram() {
  MailslotDatagram datagram;
  datagram.datagramId = 1;
  datagram.sourceIp = 0x7F000001;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {"ops", kMessengerSuffix};
  datagram.message =
      *BuildMessengerMessage({AlarmSenderName("desk7"), "ops", "Go for Zuhr prayer NOW!"});
  return datagram;
}

std::string AsLetters(const std::array<uint8_t, wire::kEncodedNameSize>& encoded) {
  return std::string(encoded.begin() + 1, encoded.end() - 1);
}

TEST(MailslotWire, EncoderReproducesTheDocumentedExample) {
  const auto expected = ExampleBytes();
  ASSERT_EQ(expected.size(), 216u);
  const auto encoded = EncodeMailslotDatagram(ExampleDatagram());
  ASSERT_TRUE(encoded);
  ASSERT_EQ(encoded->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((*encoded)[i], expected[i]) << "offset " << i;
  }
}

TEST(MailslotWire, DecoderReadsTheDocumentedExample) {
  const auto decoded = DecodeMessengerDatagram(ExampleBytes());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->messageType, 0x10);
  EXPECT_EQ(decoded->datagramId, 1);
  EXPECT_EQ(decoded->sourceIp, 0x7F000001u);
  EXPECT_EQ(decoded->sourcePort, 138);
  EXPECT_EQ(decoded->source.name, "DESK7");
  EXPECT_EQ(decoded->source.suffix, 0x00);
  EXPECT_EQ(decoded->destination.name, "OPS");
  EXPECT_EQ(decoded->destination.suffix, 0x03);
  EXPECT_EQ(decoded->mailslot, "\\MAILSLOT\\MESSNGR");
  const auto message = ParseMessengerMessage(decoded->message);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->sender, "Kestrivane @ DESK7");
  EXPECT_EQ(message->recipient, "ops");
  EXPECT_EQ(message->text, "Go for Zuhr prayer NOW!");
}

std::string Blanks(int count) {
  std::string letters;
  for (int i = 0; i < count; ++i) {
    letters += "CA";
  }
  return letters;
}

TEST(MailslotWire, EncodesNamesInHalfAscii) {
  const struct {
    std::string name;
    uint8_t suffix;
    std::string letters;
  } cases[] = {
      // The documented "OPS" with suffix 0x03.
      {"OPS", 0x03, "EPFAFD" + Blanks(12) + "AD"},
      // Upper-cased first.
      {"desk7", 0x00, "EEEFFDELDH" + Blanks(10) + "AA"},
      // Cut to 15 characters; the suffix still takes the 16th place.
      {"ABCDEFGHIJKLMNOPQR", 0x20, "EBECEDEEEFEGEHEIEJEKELEMENEOEPCA"},
      {"", 0x03, Blanks(15) + "AD"},
      {"\xff", 0x00, "PP" + Blanks(14) + "AA"},
  };
  for (const auto& c : cases) {
    const auto encoded = EncodeNetbiosName(c.name, c.suffix);
    EXPECT_EQ(encoded[0], 0x20) << c.name;
    EXPECT_EQ(encoded[33], 0x00) << c.name;
    EXPECT_EQ(AsLetters(encoded), c.letters) << c.name;
  }
}

TEST(MailslotWire, RoundTripsAnyMessageAndNames) {
  std::vector<uint8_t> everyByte(256);
  for (std::size_t i = 0; i < everyByte.size(); ++i) {
    everyByte[i] = static_cast<uint8_t>(i);
  }
  const struct {
    const char* source;
    const char* destination;
    std::vector<uint8_t> message;
    const char* decodedSource;
    const char* decodedDestination;
  } cases[] = {
      {"DESK7", "OPS", {}, "DESK7", "OPS"},
      {"a-very-long-hostname", "colleague", {'x', 0}, "A-VERY-LONG-HOS", "COLLEAGUE"},
      {"", " x ", everyByte, "", " X"},
  };
  uint16_t id = 0xFFFF;
  for (const auto& c : cases) {
    MailslotDatagram datagram;
    datagram.datagramId = id--;
    datagram.sourceIp = 0xC0A80102;
    datagram.source = {c.source, kWorkstationSuffix};
    datagram.destination = {c.destination, kMessengerSuffix};
    datagram.message = c.message;
    const auto bytes = EncodeMailslotDatagram(datagram);
    ASSERT_TRUE(bytes);
    const auto decoded = DecodeMessengerDatagram(*bytes);
    ASSERT_TRUE(decoded) << c.source;
    EXPECT_EQ(decoded->datagramId, datagram.datagramId);
    EXPECT_EQ(decoded->sourceIp, 0xC0A80102u);
    EXPECT_EQ(decoded->source.name, c.decodedSource);
    EXPECT_EQ(decoded->source.suffix, kWorkstationSuffix);
    EXPECT_EQ(decoded->destination.name, c.decodedDestination);
    EXPECT_EQ(decoded->destination.suffix, kMessengerSuffix);
    EXPECT_EQ(decoded->message, c.message);
  }
}

TEST(MailslotWire, EncoderRefusesWhatCannotBeSent) {
  MailslotDatagram datagram = ExampleDatagram();
  datagram.mailslot = std::string("\\MAILSLOT\\A\0B", 13);
  EXPECT_FALSE(EncodeMailslotDatagram(datagram));

  // 14 + 68 + 69 + 18 bytes of framing leave 65338 for the message.
  datagram = ExampleDatagram();
  datagram.message.assign(65338, 'x');
  const auto largest = EncodeMailslotDatagram(datagram);
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->size(), 65507u);
  ASSERT_TRUE(DecodeMessengerDatagram(*largest));
  EXPECT_EQ(DecodeMessengerDatagram(*largest)->message.size(), 65338u);
  datagram.message.push_back('x');
  EXPECT_FALSE(EncodeMailslotDatagram(datagram));
}

TEST(MailslotWire, DecoderRefusesEveryTruncation) {
  const auto bytes = ExampleBytes();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    EXPECT_FALSE(DecodeMessengerDatagram(std::span(bytes.data(), length))) << length;
  }
}

// Offsets below are absolute in the example: the SMB header starts at 82.
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
  ASSERT_TRUE(DecodeMessengerDatagram(ExampleBytes()));
  for (const auto& c : cases) {
    EXPECT_FALSE(DecodeMessengerDatagram(Patched(c))) << c.what;
  }
}

TEST(MailslotWire, DecoderAcceptsWhatOtherSendersMayVary) {
  const Patch cases[] = {
      {"direct group datagram", 0, {0x11}},
      {"broadcast datagram", 0, {0x12}},
      {"mailslot name in lower case", 151, {'\\', 'm', 'a', 'i', 'l', 's', 'l', 'o', 't'}},
      {"another source port and address", 4, {10, 0, 0, 9, 0x04, 0xd2}},
      {"another timeout", 127, {0x10, 0x27, 0, 0}},
  };
  for (const auto& c : cases) {
    const auto decoded = DecodeMessengerDatagram(Patched(c));
    ASSERT_TRUE(decoded) << c.what;
    EXPECT_EQ(ParseMessengerMessage(decoded->message)->text, "Go for Zuhr prayer NOW!") << c.what;
  }

  // Padding after the stated length is not part of the datagram.
  auto padded = ExampleBytes();
  padded.insert(padded.end(), {0xde, 0xad});
  const auto decoded = DecodeMessengerDatagram(padded);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->message.size(), 47u);
}

TEST(MailslotWire, DecoderSkipsANameScope) {
  // Give the destination name the scope "ab": two bytes more in the names.
  auto bytes = ExampleBytes();
  const uint8_t scope[] = {2, 'a', 'b'};
  bytes.erase(bytes.begin() + 81);  // the empty scope's zero
  bytes.insert(bytes.begin() + 81, std::begin(scope), std::end(scope));
  bytes.insert(bytes.begin() + 84, 0);
  bytes[11] = static_cast<uint8_t>(bytes[11] + 3);
  const auto decoded = DecodeMessengerDatagram(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->destination.name, "OPS");
  EXPECT_EQ(ParseMessengerMessage(decoded->message)->recipient, "ops");
}

}  // namespace
}  // namespace kestrivane
