#pragma once
// Command line of kestrivane-messenger: parsing and validation, no output.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrivane {

enum class MessengerCommand { kListen, kSend, kHelp, kVersion };

struct MessengerOptions {
  MessengerCommand command = MessengerCommand::kHelp;
  uint16_t port = 138;
  // listen
  std::optional<std::string> onlyFor;  // --name
  bool notify = false;
  bool once = false;
  // send
  std::string recipient;
  std::string text;
  std::optional<std::string> from;
};

struct ParsedMessengerOptions {
  MessengerOptions options;
  std::string error;  // one line naming the argument and its allowed form; empty on success
  bool ok() const { return error.empty(); }
};

// `listen` takes --port 0 as "any free port"; `send` needs a real one.
// Options may come before or after send's two arguments; "--" ends them.
ParsedMessengerOptions ParseMessengerOptions(const std::vector<std::string>& arguments);

}  // namespace kestrivane
