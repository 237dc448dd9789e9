// kestrivane-messenger: listen and send with their options in any order,
// or one exact error line; what the listener makes of a datagram.

#include "tools/messenger_options.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/mailslot_wire.h"
#include "tools/messenger_display.h"

namespace kestrivane {
namespace {

// What the options came to, or the error.
std::string Outcome(const std::vector<std::string>& args) {
  const ParsedMessengerOptions parsed = ParseMessengerOptions(args);
  if (!parsed.ok()) return parsed.error;
  const MessengerOptions& o = parsed.options;
  switch (o.command) {
    case MessengerCommand::kHelp:
      return "help";
    case MessengerCommand::kVersion:
      return "version";
    case MessengerCommand::kListen:
      return "listen " + std::to_string(o.port) + " " + o.onlyFor.value_or("*") +
             (o.notify ? " notify" : "") + (o.once ? " once" : "");
    case MessengerCommand::kSend:
      return "send " + std::to_string(o.port) + " [" + o.recipient + "] [" + o.text + "] " +
             o.from.value_or("*");
  }
  return "";
}

TEST(MessengerOptions, EachCommandWithItsOptionsOrTheExactErrorLine) {
  const std::string port = "' is not valid; expected a UDP port from ";
  // clang-format off
  const std::tuple<std::vector<std::string>, std::string> cases[] = {
      {std::vector<std::string>{}, "help"}, {{"listen", "-h"}, "help"}, {{"listen"}, "listen 138 *"},
      {{"--version"}, "version"},
      {{"listen", "--port", "1138", "--once"}, "listen 1138 * once"},
      {{"listen", "--notify", "--name=Ops", "--port=0", "--once"}, "listen 0 Ops notify once"},
      {{"send", "ops", "Go for Zuhr prayer NOW!"}, "send 138 [ops] [Go for Zuhr prayer NOW!] *"},
      {{"send", "--port", "9", "ops", "--from", "K @ D", "hi"}, "send 9 [ops] [hi] K @ D"},
      {{"send", "ops", "", "--from=x"}, "send 138 [ops] [] x"},
      {{"send", "--", "ops", "--port 5"}, "send 138 [ops] [--port 5] *"},
      {{"shout\x1b[2J"}, "unknown command 'shout\\x1b[2J'; expected listen or send (see --help)"},
      {{"listen", "--port"}, "--port: missing value"},
      {{"listen", "--port", "65536"}, "--port: '65536" + port + "0 to 65535"},
      {{"listen", "--port", "1\n2"}, "--port: '1\\n2" + port + "0 to 65535"},
      {{"send", "a", "b", "--port", "0"}, "--port: '0" + port + "1 to 65535"},
      {{"listen", "o\tps"}, "listen takes no argument 'o\\tps' (see --help)"},
      {{"listen", "--from", "x"}, "unknown option '--from' for listen (see --help)"},
      {{"listen", "--once=\x07"}, "unknown option '--once=\\x07' for listen (see --help)"},
      {{"send", "a", "b", "--name", "x"}, "unknown option '--name' for send (see --help)"},
      {{"listen", "--name", ""}, "--name: the name must not be empty"},
      {{"send", "ops"}, "send needs RECIPIENT and TEXT, got 1 argument"},
      {{"send", "ops", "hi", "extra"}, "send needs RECIPIENT and TEXT, got 3 arguments"},
      {{"send", "", "hi"}, "send: RECIPIENT must not be empty"}};
  // clang-format on
  for (const auto& [args, outcome] : cases) {
    EXPECT_EQ(Outcome(args), outcome) << (args.empty() ? "" : args.back());
  }
}

std::vector<uint8_t> Datagram(const std::vector<uint8_t>& message) {
  MailslotDatagram datagram;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {"ops", kMessengerSuffix};
  datagram.message = message;
  return *EncodeMailslotDatagram(datagram);
}

TEST(MessengerDisplay, ShowsFiltersAndDropsAndEscapesTheLine) {
  const auto good = Datagram(*BuildMessengerMessage({"K @ D", "ops", "Go for Zuhr prayer NOW!"}));
  const auto cut = std::vector<uint8_t>(good.begin(), good.end() - 1);
  using V = MessengerVerdict;
  // clang-format off
  const std::tuple<std::vector<uint8_t>, std::optional<std::string>, V> cases[] = {
      {good, std::nullopt, V::kShown}, {good, "OPS", V::kShown}, {good, "ops2", V::kOtherRecipient},
      {cut, std::nullopt, V::kMalformed}, {Datagram({'a', 0, 'b'}), std::nullopt, V::kMalformed},
      {{'j', 'u', 'n', 'k'}, std::nullopt, V::kMalformed}, {{}, "ops", V::kMalformed}};
  // clang-format on
  for (const auto& [bytes, onlyFor, verdict] : cases) {
    const auto received = ReadMessengerDatagram(bytes, onlyFor);
    EXPECT_EQ(received.verdict, verdict) << onlyFor.value_or("any") << ' ' << bytes.size();
    if (verdict != V::kMalformed) {
      EXPECT_EQ(FormatMessageLine(received.message), "FROM K @ D TO ops: Go for Zuhr prayer NOW!");
    }
  }
  EXPECT_EQ(FormatMessageLine({"a\nb", "\x1b[2J", "line\r\nnext\xff"}),
            "FROM a\\nb TO \\x1b[2J: line\\r\\nnext\\xff");
  EXPECT_EQ(NotificationBody("<b>&\a", 1), "&lt;b&gt;&amp;\\x07\n(and 1 more message)");
}

}  // namespace
}  // namespace kestrivane
