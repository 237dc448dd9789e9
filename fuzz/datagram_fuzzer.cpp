// Received datagrams are untrusted: decoding any bytes must not crash, read
// out of bounds or leak, and what it accepts must survive a re-encoding.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/ascii.h"
#include "platform/mailslot_wire.h"
#include "platform/messenger_message.h"
#include "platform/plain_text.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    __builtin_trap();
  }
}

void CheckPlain(const std::string& shown) {
  for (const char c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    Check(byte >= 0x20 && byte != 0x7F);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kestrivane;
  const auto decoded = DecodeMessengerDatagram(std::span(data, size));
  if (!decoded) {
    return 0;
  }
  Check(decoded->message.size() <= size);

  const auto again = EncodeMailslotDatagram(*decoded);
  Check(again.has_value());
  const auto redecoded = DecodeMessengerDatagram(*again);
  Check(redecoded.has_value());
  Check(redecoded->message == decoded->message);
  Check(redecoded->messageType == decoded->messageType);
  Check(redecoded->datagramId == decoded->datagramId);
  Check(redecoded->sourceIp == decoded->sourceIp);
  Check(redecoded->source.name == AsciiUpper(decoded->source.name));
  Check(redecoded->destination.suffix == decoded->destination.suffix);
  Check(AsciiEqualsIgnoreCase(redecoded->mailslot, kMessengerMailslot));

  if (const auto message = ParseMessengerMessage(decoded->message)) {
    CheckPlain(EscapeForDisplay(message->sender));
    CheckPlain(EscapeForDisplay(message->recipient));
    CheckPlain(EscapeForDisplay(message->text));
  }
  return 0;
}
