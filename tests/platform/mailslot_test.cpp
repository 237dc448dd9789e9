// Mailslot paths, names that do not resolve, and the login name that signs
// the messages. (kestrivane-messenger's tests send real datagrams.)

#include "platform/mailslot.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

#include "platform/user_name.h"

namespace kestrivane {
namespace {

// Refused by the resolver without asking any server: an empty label.
constexpr const char* kUnresolvable = "no-such-host..invalid";

TEST(MailslotPath, TakesOnlyANamedMachinesMailslot) {
  const struct {
    std::string path;
    const char* host;  // nullptr: refused
    const char* mailslot;
  } cases[] = {
      {"\\\\ops\\mailslot\\messngr", "ops", "\\MAILSLOT\\MESSNGR"},
      {"\\\\desk7.example.org\\MailSlot\\Messngr", "desk7.example.org", "\\MAILSLOT\\MESSNGR"},
      {"\\\\10.0.0.9\\mailslot\\net\\netlogon", "10.0.0.9", "\\MAILSLOT\\NET\\NETLOGON"},
      {MessengerMailslotPath("a%sb%n"), "a%sb%n", "\\MAILSLOT\\MESSNGR"},
      {"", nullptr, ""},
      {"\\\\", nullptr, ""},
      {"\\ops\\mailslot\\messngr", nullptr, ""},
      {"//ops/mailslot/messngr", nullptr, ""},
      {"\\\\\\mailslot\\messngr", nullptr, ""},
      {"\\\\ops", nullptr, ""},
      {"\\\\ops\\mailslot", nullptr, ""},
      {"\\\\ops\\mailslot\\", nullptr, ""},
      {"\\\\ops\\pipe\\messngr", nullptr, ""},
      {"\\\\ops\\mailslots\\messngr", nullptr, ""},
      {"\\\\.\\mailslot\\messngr", nullptr, ""},
      {"\\\\*\\mailslot\\messngr", nullptr, ""},
      {std::string("\\\\ops\0x\\mailslot\\messngr", 24), nullptr, ""},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseMailslotPath(c.path);
    ASSERT_EQ(parsed.has_value(), c.host != nullptr) << c.path;
    if (!parsed) continue;
    EXPECT_EQ(parsed->host, c.host);
    EXPECT_EQ(parsed->mailslot, c.mailslot);
  }
  EXPECT_EQ(MessengerMailslotPath("ops"), "\\\\ops\\mailslot\\messngr");
}

TEST(Mailslot, OpenFailsForNamesThatDoNotResolveAndOtherPaths) {
  std::string error;
  EXPECT_FALSE(CMailslot::Open(MessengerMailslotPath(kUnresolvable), 9, &error));
  EXPECT_NE(error.find("cannot resolve no-such-host..invalid"), std::string::npos) << error;
  EXPECT_FALSE(WriteMailslotMessage(MessengerMailslotPath(kUnresolvable), {'x', 0, 0, 0}, 9));
  EXPECT_FALSE(CMailslot::Open("\\\\localhost\\pipe\\messngr", 9, &error));
  EXPECT_NE(error.find("not a mailslot path"), std::string::npos) << error;
}

TEST(UserName, IsTheLoginOfTheProcessOwner) {
  const std::string name = GetLoginName();
  const passwd* entry = getpwnam(name.c_str());
  if (name == "Default" && entry == nullptr) {
    EXPECT_EQ(getpwuid(getuid()), nullptr);
  } else {
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry->pw_uid, getuid());
  }
}

}  // namespace
}  // namespace kestrivane
