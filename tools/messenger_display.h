#pragma once
// What kestrivane-messenger makes of one received datagram.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/messenger_message.h"

namespace kestrivane {

enum class MessengerVerdict { kShown, kOtherRecipient, kMalformed };

struct ReceivedMessage {
  MessengerVerdict verdict = MessengerVerdict::kMalformed;
  MessengerMessage message;  // filled unless malformed
};

// Decodes a datagram, its names and text read as stored text
// (settings/stored_text.h); with `onlyFor`, a message for any other
// recipient (compared without regard to case) is not shown.
ReceivedMessage ReadMessengerDatagram(std::span<const uint8_t> bytes,
                                      const std::optional<std::string>& onlyFor);

// "FROM <sender> TO <recipient>: <text>", every part escaped for display.
std::string FormatMessageLine(const MessengerMessage& message);

// Notification bodies may be rendered as markup; these three make it literal.
std::string EscapeMarkup(std::string_view text);

// The notification body: the text, literal, and a line counting the `more`
// messages that came with it but got no notification of their own.
std::string NotificationBody(std::string_view text, std::size_t more);

}  // namespace kestrivane
