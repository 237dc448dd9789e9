#include "tools/messenger_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrivane {
namespace {

TEST(MessengerOptions, ListenTakesItsOptionsInAnyOrder) {
  const struct {
    std::vector<std::string> args;
    uint16_t port;
    const char* onlyFor;  // nullptr: every recipient
    bool notify, once;
  } cases[] = {
      {{"listen"}, 138, nullptr, false, false},
      {{"listen", "--port", "1138", "--once"}, 1138, nullptr, false, true},
      {{"listen", "--notify", "--name", "ops", "--port=0"}, 0, "ops", true, false},
      {{"listen", "--name=Ops", "--once", "--notify", "--port", "65535"}, 65535, "Ops", true, true},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseMessengerOptions(c.args);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const auto& o = parsed.options;
    EXPECT_EQ(o.command, MessengerCommand::kListen);
    EXPECT_EQ(o.port, c.port);
    EXPECT_EQ(o.onlyFor.has_value(), c.onlyFor != nullptr);
    if (c.onlyFor) {
      EXPECT_EQ(*o.onlyFor, c.onlyFor);
    }
    EXPECT_EQ(o.notify, c.notify);
    EXPECT_EQ(o.once, c.once);
  }
}

TEST(MessengerOptions, SendTakesOptionsBeforeOrAfterItsArguments) {
  const struct {
    std::vector<std::string> args;
    const char* recipient;
    const char* text;
    const char* from;  // nullptr: the login name
    uint16_t port;
  } cases[] = {
      {{"send", "ops", "Go for Zuhr prayer NOW!"}, "ops", "Go for Zuhr prayer NOW!", nullptr, 138},
      {{"send", "--port", "1138", "ops", "hi"}, "ops", "hi", nullptr, 1138},
      {{"send", "ops", "--from", "Kestrivane @ DESK7", "hi", "--port=9"},
       "ops",
       "hi",
       "Kestrivane @ DESK7",
       9},
      {{"send", "ops", "", "--from=x"}, "ops", "", "x", 138},
      {{"send", "--", "ops", "--port 5"}, "ops", "--port 5", nullptr, 138},
      {{"send", "ops", "-"}, "ops", "-", nullptr, 138},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseMessengerOptions(c.args);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const auto& o = parsed.options;
    EXPECT_EQ(o.command, MessengerCommand::kSend);
    EXPECT_EQ(o.recipient, c.recipient);
    EXPECT_EQ(o.text, c.text);
    EXPECT_EQ(o.from.has_value(), c.from != nullptr);
    if (c.from) {
      EXPECT_EQ(*o.from, c.from);
    }
    EXPECT_EQ(o.port, c.port);
  }
}

TEST(MessengerOptions, RefusesBadCommandLinesNamingTheCulprit) {
  const struct {
    std::vector<std::string> args;
    const char* named;
  } cases[] = {
      {{"receive"}, "receive"},
      {{"listen", "--port"}, "--port"},
      {{"listen", "--port", "65536"}, "65536"},
      {{"listen", "--port", "-1"}, "-1"},
      {{"listen", "--port", "12a"}, "12a"},
      {{"listen", "--port", ""}, "--port"},
      {{"send", "ops", "hi", "--port", "0"}, "--port"},
      {{"listen", "ops"}, "ops"},
      {{"listen", "--from", "x"}, "--from"},
      {{"listen", "--name", ""}, "--name"},
      {{"listen", "--once=yes"}, "--once"},
      {{"send", "ops", "hi", "--once"}, "--once"},
      {{"send", "ops", "hi", "--name", "x"}, "--name"},
      {{"send", "ops"}, "RECIPIENT and TEXT"},
      {{"send", "ops", "hi", "extra"}, "3 arguments"},
      {{"send", "", "hi"}, "RECIPIENT"},
      {{"send", "ops", "hi", "--from"}, "--from"},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseMessengerOptions(c.args);
    EXPECT_FALSE(parsed.ok()) << c.named;
    EXPECT_NE(parsed.error.find(c.named), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
  }
}

TEST(MessengerOptions, HelpWins) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"listen", "-h"}}) {
    EXPECT_EQ(ParseMessengerOptions(args).options.command, MessengerCommand::kHelp);
  }
}

}  // namespace
}  // namespace kestrivane
