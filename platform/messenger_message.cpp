#include "platform/messenger_message.h"

#include <algorithm>

#include "platform/ascii.h"

namespace kestrivane {

namespace {

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string AlarmSenderName(std::string_view userName) {
  return "Kestrivane @ " + AsciiUpper(userName);
}

std::optional<std::vector<uint8_t>> BuildMessengerMessage(const MessengerMessage& message) {
  const std::string_view sender = UpToZero(message.sender);
  const std::string_view recipient = UpToZero(message.recipient);
  std::string_view text = UpToZero(message.text);

  const std::size_t fixed = sender.size() + recipient.size() + 3;  // three zero bytes
  if (fixed >= kMessengerMessageLimit) {
    return std::nullopt;
  }
  text = text.substr(0, kMessengerMessageLimit - fixed);

  std::vector<uint8_t> bytes;
  bytes.reserve(fixed + text.size());
  for (const std::string_view part : {sender, recipient, text}) {
    bytes.insert(bytes.end(), part.begin(), part.end());
    bytes.push_back(0);
  }
  return bytes;
}

std::optional<MessengerMessage> ParseMessengerMessage(std::span<const uint8_t> bytes) {
  std::string parts[3];
  auto at = bytes.begin();
  for (std::string& part : parts) {
    const auto zero = std::find(at, bytes.end(), uint8_t{0});
    if (zero == bytes.end()) {
      return std::nullopt;
    }
    part.assign(at, zero);
    at = zero + 1;
  }
  return MessengerMessage{std::move(parts[0]), std::move(parts[1]), std::move(parts[2])};
}

}  // namespace kestrivane
