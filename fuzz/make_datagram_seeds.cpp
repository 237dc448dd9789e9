// Writes the seed corpus of the datagram fuzzer from the encoder, so the seeds
// follow the layout as the encoder knows it. Not part of the build:
//   g++ -std=c++20 -I. -o /tmp/make_datagram_seeds fuzz/make_datagram_seeds.cpp
//       platform/mailslot_wire.cpp platform/messenger_message.cpp
//   /tmp/make_datagram_seeds fuzz/corpus/datagram

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/mailslot_wire.h"
#include "platform/messenger_message.h"

namespace {

using namespace kestrivane;

MailslotDatagram Datagram(const MessengerMessage& message) {
  MailslotDatagram datagram;
  datagram.datagramId = 1;
  datagram.sourceIp = 0x7F000001;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {message.recipient, kMessengerSuffix};
  datagram.message = *BuildMessengerMessage(message);
  return datagram;
}

void Write(const std::string& directory, const std::string& name,
           const std::vector<uint8_t>& bytes) {
  std::ofstream(directory + "/" + name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_datagram_seeds DIRECTORY\n");
    return 2;
  }
  const std::string directory = argv[1];

  const auto example = Datagram({AlarmSenderName("desk7"), "ops", "Go for Zuhr prayer NOW!"});
  Write(directory, "iqamah", *EncodeMailslotDatagram(example));

  auto azan = Datagram({AlarmSenderName("default"), "colleague-with-long-name",
                        "Zuhr prayer at 12:45 P.M. Insha Allah."});
  azan.messageType = wire::kDirectGroupDatagram;
  Write(directory, "azan_group", *EncodeMailslotDatagram(azan));

  auto full = Datagram({AlarmSenderName("desk7"), "ops", std::string(300, 'x')});
  full.messageType = wire::kBroadcastDatagram;
  Write(directory, "cut_to_256", *EncodeMailslotDatagram(full));

  auto lower = Datagram({"s", "r", "\x1b[31m\n\xe2\x80\xae\xff"});
  lower.mailslot = "\\mailslot\\messngr";
  Write(directory, "lower_case_control_text", *EncodeMailslotDatagram(lower));

  auto empty = Datagram({"", "", ""});
  Write(directory, "empty_strings", *EncodeMailslotDatagram(empty));

  auto other = example;
  other.mailslot = "\\MAILSLOT\\BROWSE";
  Write(directory, "other_mailslot", *EncodeMailslotDatagram(other));

  auto truncated = *EncodeMailslotDatagram(example);
  truncated.resize(150);
  Write(directory, "truncated", truncated);
  return 0;
}
