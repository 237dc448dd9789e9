// The network alarm message and the datagram that carries it: the
// documented bytes both ways, and a decoder that refuses malformed input.

#include "platform/mailslot_wire.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/messenger_message.h"

namespace kestrivane {
namespace {

// Sender "Kestrivane @ DESK7", recipient "ops", text "Go for Zuhr prayer
// NOW!", from host DESK7 at 127.0.0.1, datagram id 1; decimal offsets.
constexpr const char* kExampleDump = R"(
  0: 10020001 7f000001 008a00ca 00002045 45454646 44454c44 48434143 41434143
 32: 41434143 41434143 41434143 41414100 20455046 41464443 41434143 41434143
 64: 41434143 41434143 41434143 41434141 4400ff53 4d422500 00000000 00000000
 96: 00000000 00000000 00000000 00000000 00001100 002f0000 00000000 000000e8
128: 03000000 00000000 002f0057 00030001 00000002 0041005c 4d41494c 534c4f54
160: 5c4d4553 534e4752 004b6573 74726976 616e6520 40204445 534b3700 6f707300
192: 476f2066 6f72205a 75687220 70726179 6572204e 4f572100)";

// The bytes of hex words; a word ending in ':' is an offset.
std::vector<uint8_t> Hex(const std::string& words) {
  std::vector<uint8_t> bytes;
  std::istringstream in(words);
  for (std::string word; in >> word;) {
    for (std::size_t i = 0; word.back() != ':' && i < word.size(); i += 2) {
      bytes.push_back(static_cast<uint8_t>(std::stoul(word.substr(i, 2), nullptr, 16)));
    }
  }
  return bytes;
}

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

const std::vector<uint8_t> kMessage =
    Bytes({"Kestrivane @ DESK7\0ops\0Go for Zuhr prayer NOW!\0", 47});

MailslotDatagram ExampleDatagram() {
  return {.datagramId = 1,
          .sourceIp = 0x7F000001,
          .source = {"DESK7", kWorkstationSuffix},
          .destination = {"ops", kMessengerSuffix},
          .message = kMessage};
}

TEST(MessengerMessage, IsSenderRecipientAndTextEachEndedByAZeroAndCutToTheBuffer) {
  EXPECT_EQ(AlarmSenderName("zo\xc3\xab_1"), "Kestrivane @ ZO\xc3\xab_1") << "ASCII letters only";
  EXPECT_EQ(BuildMessengerMessage({AlarmSenderName("desk7"), "ops", "Go for Zuhr prayer NOW!"}),
            kMessage);
  // Lengths of sender, recipient and text; text bytes kept, -1: recipient skipped.
  const int cases[][4] = {{18, 3, 233, 232}, {100, 152, 10, 1}, {100, 153, 9, -1}};
  for (const auto& [sender, recipient, text, kept] : cases) {
    const std::string s(sender, 'S'), r(recipient, 'r'), cut(std::max(kept, 0), 't');
    EXPECT_EQ(BuildMessengerMessage({s, r, std::string(text, 't')}),
              kept < 0 ? std::nullopt : std::optional(Bytes(s + '\0' + r + '\0' + cut + '\0')));
  }
  EXPECT_EQ(ParseMessengerMessage(kMessage)->text, "Go for Zuhr prayer NOW!");
  EXPECT_FALSE(ParseMessengerMessage(Bytes({"a\0b\0c", 5})));
}

TEST(MailslotWire, TheDocumentedExampleBothWaysAndEveryTruncationRefused) {
  const auto bytes = Hex(kExampleDump);
  EXPECT_EQ(EncodeMailslotDatagram(ExampleDatagram()), bytes);
  const auto d = DecodeMessengerDatagram(bytes);
  ASSERT_TRUE(d);
  EXPECT_EQ(std::tie(d->messageType, d->datagramId, d->sourceIp, d->sourcePort, d->message),
            std::tuple(0x10, 1, 0x7F000001u, 138, kMessage));
  EXPECT_EQ(d->source.name + "/" + std::to_string(d->source.suffix) + " " + d->destination.name +
                "/" + std::to_string(d->destination.suffix) + " " + d->mailslot,
            "DESK7/0 OPS/3 \\MAILSLOT\\MESSNGR");
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    EXPECT_FALSE(DecodeMessengerDatagram(std::span(bytes.data(), length))) << length;
  }
}

TEST(MailslotWire, DecoderRefusesCorruptedFieldsAndTakesWhatSendersMayVary) {
  // "offset: bytes" written over the example (its SMB header starts at 82),
  // "+offset: bytes" inserted there; then the message, or nothing, decoded.
  const std::pair<std::string, bool> cases[] = {
      {"0: 14", false},                   // an error datagram
      {"1: 03", false},                   // more fragments follow
      {"10: 00cb", false},                // a length one past the bytes
      {"12: 0001", false},                // packet offset 1
      {"14: 21", false},                  // a source name of 0x21 bytes
      {"15: 51", false},                  // a half-ASCII letter past 'P'
      {"82: fe", false},                  // the SMB protocol
      {"114: 10", false},                 // word count 16
      {"137: 3000", false},               // data count one past the bytes
      {"139: 5600", false},               // data offset inside the mailslot name
      {"149: 4000", false},               // byte count one short
      {"161: 53", false},                 // another mailslot
      {"168: 58", false},                 // a mailslot name without its zero
      {"0: 12", true},                    // a broadcast datagram
      {"4: 0a000009 04d2", true},         // another source address and port
      {"151: 5c6d61696c736c6f74", true},  // "\mailslot" in lower case
      {"216: dead", true},                // padding after the stated length
      {"+81: 3f" + std::string(126, 'a') + " 3f" + std::string(126, 'a'), true},  // a name scope
  };
  for (const auto& [patch, taken] : cases) {
    std::vector<uint8_t> bytes = Hex(kExampleDump), with = Hex(patch);
    const bool insert = patch[0] == '+';
    const std::size_t at = std::stoul(patch.substr(insert));
    bytes.resize(std::max(bytes.size(), at + with.size()));
    if (insert) bytes.insert(bytes.begin() + at, with.begin(), with.end());
    if (!insert) std::copy(with.begin(), with.end(), bytes.begin() + at);
    const std::size_t length = (bytes[10] << 8 | bytes[11]) + (insert ? with.size() : 0);
    bytes[10] = static_cast<uint8_t>(length >> 8), bytes[11] = static_cast<uint8_t>(length);
    const auto decoded = DecodeMessengerDatagram(bytes);
    EXPECT_EQ(decoded ? decoded->message : std::vector<uint8_t>{},
              taken ? kMessage : std::vector<uint8_t>{})
        << patch;
  }
}

}  // namespace
}  // namespace kestrivane
