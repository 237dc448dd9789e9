#include "tools/messenger_display.h"

#include "platform/ascii.h"
#include "platform/mailslot_wire.h"
#include "platform/plain_text.h"
#include "settings/stored_text.h"

namespace kestrivane {

ReceivedMessage ReadMessengerDatagram(std::span<const uint8_t> bytes,
                                      const std::optional<std::string>& onlyFor) {
  ReceivedMessage received;
  const auto datagram = DecodeMessengerDatagram(bytes);
  if (!datagram) {
    return received;
  }
  auto message = ParseMessengerMessage(datagram->message);
  if (!message) {
    return received;
  }
  // Names and text are 8-bit text from the sender's system.
  received.message = {StoredToText(message->sender), StoredToText(message->recipient),
                      StoredToText(message->text)};
  received.verdict = onlyFor && !AsciiEqualsIgnoreCase(received.message.recipient, *onlyFor)
                         ? MessengerVerdict::kOtherRecipient
                         : MessengerVerdict::kShown;
  return received;
}

std::string FormatMessageLine(const MessengerMessage& message) {
  return "FROM " + EscapeForDisplay(message.sender) + " TO " + EscapeForDisplay(message.recipient) +
         ": " + EscapeForDisplay(message.text);
}

std::string EscapeMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string NotificationBody(std::string_view text, std::size_t more) {
  std::string body = EscapeMarkup(EscapeForDisplay(text));
  if (more > 0) {
    body += "\n(and " + std::to_string(more) + (more == 1 ? " more message)" : " more messages)");
  }
  return body;
}

}  // namespace kestrivane
