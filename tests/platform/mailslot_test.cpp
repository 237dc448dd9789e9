#include "platform/mailslot.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

#include "platform/messenger_message.h"
#include "platform/user_name.h"

namespace kestrivane {
namespace {

// Rejected by the resolver without asking any server: an empty label.
constexpr const char* kUnresolvable = "no-such-host..invalid";

TEST(MailslotPath, ParsesNamedMachineMailslots) {
  const struct {
    std::string path;
    const char* host;
    const char* mailslot;
  } cases[] = {
      {"\\\\ops\\mailslot\\messngr", "ops", "\\MAILSLOT\\MESSNGR"},
      {"\\\\OPS\\MailSlot\\Messngr", "OPS", "\\MAILSLOT\\MESSNGR"},
      {"\\\\desk7.example.org\\MAILSLOT\\messngr", "desk7.example.org", "\\MAILSLOT\\MESSNGR"},
      {"\\\\10.0.0.9\\mailslot\\net\\netlogon", "10.0.0.9", "\\MAILSLOT\\NET\\NETLOGON"},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseMailslotPath(c.path);
    ASSERT_TRUE(parsed) << c.path;
    EXPECT_EQ(parsed->host, c.host);
    EXPECT_EQ(parsed->mailslot, c.mailslot);
  }
}

TEST(MailslotPath, RefusesEverythingElse) {
  const std::string cases[] = {
      "",
      "\\\\",
      "\\ops\\mailslot\\messngr",
      "//ops/mailslot/messngr",
      "\\\\\\mailslot\\messngr",
      "\\\\ops",
      "\\\\ops\\",
      "\\\\ops\\mailslot",
      "\\\\ops\\mailslot\\",
      "\\\\ops\\pipe\\messngr",
      "\\\\ops\\mailslots\\messngr",
      "\\\\.\\mailslot\\messngr",
      "\\\\*\\mailslot\\messngr",
      std::string("\\\\ops\0x\\mailslot\\messngr", 24),
  };
  for (const auto& path : cases) {
    EXPECT_FALSE(ParseMailslotPath(path)) << path;
  }
}

TEST(MailslotPath, MessengerPathNamesTheMachine) {
  EXPECT_EQ(MessengerMailslotPath("ops"), "\\\\ops\\mailslot\\messngr");
  const auto parsed = ParseMailslotPath(MessengerMailslotPath("a%sb%n"));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->host, "a%sb%n");
  EXPECT_EQ(parsed->mailslot, "\\MAILSLOT\\MESSNGR");
}

std::string ExpectedMachineName() {
  char name[256] = {};
  gethostname(name, sizeof name - 1);
  std::string machine(name);
  machine = machine.substr(0, machine.find('.')).substr(0, 15);
  for (char& c : machine) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return machine;
}

TEST(Mailslot, DeliversOneDatagramOverLoopback) {
  int error = 0;
  auto listener = CMailslotListener::Bind(0, INADDR_LOOPBACK, &error);
  ASSERT_TRUE(listener) << error;
  ASSERT_NE(listener->Port(), 0);

  auto mailslot = CMailslot::Open(MessengerMailslotPath("localhost"), listener->Port());
  ASSERT_TRUE(mailslot);
  const auto first = *BuildMessengerMessage({"Kestrivane @ DESK7", "localhost", "first"});
  const auto second =
      *BuildMessengerMessage({"Kestrivane @ DESK7", "localhost", "Go for Zuhr prayer NOW!"});
  ASSERT_TRUE(mailslot->Write(first));
  ASSERT_TRUE(mailslot->Write(second));
  mailslot->Close();
  EXPECT_FALSE(mailslot->IsOpen());
  EXPECT_FALSE(mailslot->Write(first));

  const auto one = listener->Receive(5000);
  const auto two = listener->Receive(5000);
  ASSERT_TRUE(one && two);
  const auto a = DecodeMessengerDatagram(*one);
  const auto b = DecodeMessengerDatagram(*two);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->message, first);
  EXPECT_EQ(b->message, second);
  EXPECT_EQ(b->messageType, 0x10);
  EXPECT_EQ(b->sourceIp, 0x7F000001u);
  EXPECT_EQ(b->sourcePort, 138);
  EXPECT_EQ(b->source.name, ExpectedMachineName());
  EXPECT_EQ(b->source.suffix, 0x00);
  EXPECT_EQ(b->destination.name, "LOCALHOST");
  EXPECT_EQ(b->destination.suffix, 0x03);
  EXPECT_EQ(static_cast<uint16_t>(b->datagramId - a->datagramId), 1);
  // Nothing more was sent.
  EXPECT_FALSE(listener->Receive(50));
}

TEST(Mailslot, WriteMessageOpensWritesAndCloses) {
  auto listener = CMailslotListener::Bind(0, INADDR_LOOPBACK);
  ASSERT_TRUE(listener);
  const auto message = *BuildMessengerMessage({"s", "r", "t"});
  EXPECT_TRUE(WriteMailslotMessage("\\\\127.0.0.1\\mailslot\\messngr", message, listener->Port()));
  const auto bytes = listener->Receive(5000);
  ASSERT_TRUE(bytes);
  const auto decoded = DecodeMessengerDatagram(*bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->message, message);
  EXPECT_EQ(decoded->destination.name, "127.0.0.1");
}

TEST(Mailslot, OpenFailsForNamesThatDoNotResolveOrBadPaths) {
  std::string error;
  EXPECT_FALSE(CMailslot::Open(MessengerMailslotPath(kUnresolvable), 9, &error));
  EXPECT_NE(error.find("cannot resolve no-such-host..invalid"), std::string::npos) << error;
  EXPECT_FALSE(WriteMailslotMessage(MessengerMailslotPath(kUnresolvable), {'x', 0, 0, 0}, 9));

  error.clear();
  EXPECT_FALSE(CMailslot::Open("\\\\localhost\\pipe\\messngr", 9, &error));
  EXPECT_NE(error.find("not a mailslot path"), std::string::npos) << error;
}

TEST(UserName, IsTheLoginOfTheProcessOwner) {
  const std::string name = GetLoginName();
  ASSERT_FALSE(name.empty());
  if (name != "Default") {
    const passwd* entry = getpwnam(name.c_str());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->pw_uid, getuid());
  } else {
    EXPECT_EQ(getpwuid(getuid()), nullptr);
  }
}

}  // namespace
}  // namespace kestrivane
