#pragma once
// The message a network alarm carries: sender, recipient and text, each an
// 8-bit string followed by a zero byte, with no other framing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrivane {

// The buffer the message is built in; no message is longer.
inline constexpr std::size_t kMessengerMessageLimit = 256;

struct MessengerMessage {
  std::string sender;
  std::string recipient;
  std::string text;
};

// "Kestrivane @ " and the user name in capitals.
std::string AlarmSenderName(std::string_view userName);

// The message bytes, final zero included. A message longer than the limit has
// its text cut so that it is exactly the limit; nullopt when sender and
// recipient alone leave no room for any text. Each part ends at its first zero
// byte, if it holds one.
std::optional<std::vector<uint8_t>> BuildMessengerMessage(const MessengerMessage& message);

// The three zero-terminated strings at the start of `bytes`; bytes after the
// third zero are ignored. nullopt when a zero is missing.
std::optional<MessengerMessage> ParseMessengerMessage(std::span<const uint8_t> bytes);

}  // namespace kestrivane
