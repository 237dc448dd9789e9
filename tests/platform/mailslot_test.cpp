// Mailslot paths. (kestrivane-messenger's tests send real datagrams.)

#include "platform/mailslot.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrivane {
namespace {

TEST(MailslotPath, TakesOnlyANamedMachinesMailslot) {
  const std::pair<std::string, const char*> cases[] = {
      // the host and mailslot taken, or ""
      {"\\\\desk7.example.org\\MailSlot\\Messngr", "desk7.example.org \\MAILSLOT\\MESSNGR"},
      {"\\\\10.0.0.9\\mailslot\\net\\netlogon", "10.0.0.9 \\MAILSLOT\\NET\\NETLOGON"},
      {MessengerMailslotPath("a%sb%n"), "a%sb%n \\MAILSLOT\\MESSNGR"},
      {"", ""},
      {"//ops/mailslot/messngr", ""},
      {"\\\\ops\\mailslot\\", ""},
      {"\\\\ops\\pipe\\messngr", ""},
      {"\\\\*\\mailslot\\messngr", ""},  // not every machine
      {std::string("\\\\ops\0x\\mailslot\\messngr", 24), ""},
  };
  for (const auto& [path, expected] : cases) {
    const auto parsed = ParseMailslotPath(path);
    EXPECT_EQ(parsed ? parsed->host + " " + parsed->mailslot : "", expected) << path;
  }
  EXPECT_EQ(MessengerMailslotPath("ops"), "\\\\ops\\mailslot\\messngr");
}

}  // namespace
}  // namespace kestrivane
