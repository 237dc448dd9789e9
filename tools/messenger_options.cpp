#include "tools/messenger_options.h"

#include <cstdlib>

#include "platform/plain_text.h"

namespace kestrivane {

namespace {

std::optional<uint16_t> ParsePort(const std::string& text, unsigned lowest) {
  if (text.empty() || text.size() > 5 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const unsigned long port = std::strtoul(text.c_str(), nullptr, 10);
  if (port < lowest || port > 65535) {
    return std::nullopt;
  }
  return static_cast<uint16_t>(port);
}

}  // namespace

ParsedMessengerOptions ParseMessengerOptions(const std::vector<std::string>& arguments) {
  ParsedMessengerOptions parsed;
  MessengerOptions& o = parsed.options;
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h" ||
      arguments[0] == "help") {
    return parsed;
  }
  if (arguments[0] == "--version") {
    o.command = MessengerCommand::kVersion;
    return parsed;
  }
  const bool listen = arguments[0] == "listen";
  if (!listen && arguments[0] != "send") {
    parsed.error = "unknown command '" + EscapeForDisplay(arguments[0]) +
                   "'; expected listen or send (see --help)";
    return parsed;
  }
  o.command = listen ? MessengerCommand::kListen : MessengerCommand::kSend;

  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    if (optionsEnded || name.size() < 2 || name[0] != '-') {
      positional.push_back(name);
      continue;
    }
    if (name == "--") {
      optionsEnded = true;
      continue;
    }
    if (name == "--help" || name == "-h") {
      o.command = MessengerCommand::kHelp;
      return parsed;
    }
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (listen && (name == "--notify" || name == "--once") && !value) {
      (name == "--notify" ? o.notify : o.once) = true;
      continue;
    }
    const bool valued =
        name == "--port" || (listen && name == "--name") || (!listen && name == "--from");
    if (!valued) {
      parsed.error = "unknown option '" + EscapeForDisplay(arguments[i]) + "' for " + arguments[0] +
                     " (see --help)";
      return parsed;
    }
    if (!value) {
      if (i + 1 >= arguments.size()) {
        parsed.error = name + ": missing value";
        return parsed;
      }
      value = arguments[++i];
    }
    if (name == "--port") {
      const auto port = ParsePort(*value, listen ? 0 : 1);
      if (!port) {
        parsed.error = "--port: '" + EscapeForDisplay(*value) +
                       "' is not valid; expected a UDP port from " + (listen ? "0" : "1") +
                       " to 65535";
        return parsed;
      }
      o.port = *port;
    } else if (value->empty()) {
      parsed.error = name + ": the name must not be empty";
      return parsed;
    } else {
      (name == "--name" ? o.onlyFor : o.from) = *value;
    }
  }

  if (listen && !positional.empty()) {
    parsed.error =
        "listen takes no argument '" + EscapeForDisplay(positional[0]) + "' (see --help)";
  } else if (!listen && positional.size() != 2) {
    parsed.error = "send needs RECIPIENT and TEXT, got " + std::to_string(positional.size()) +
                   " argument" + (positional.size() == 1 ? "" : "s");
  } else if (!listen && positional[0].empty()) {
    parsed.error = "send: RECIPIENT must not be empty";
  } else if (!listen) {
    o.recipient = positional[0];
    o.text = positional[1];
  }
  return parsed;
}

}  // namespace kestrivane
