// Messages sent in the background (the main window's tests show that Send
// never waits): the datagram arrives once the name is known, and a name
// known too late gets nothing.

#include "platform/mailslot_sender.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace kestrivane {
namespace {

using namespace std::chrono_literals;

HostResolver SlowLoopback(std::chrono::milliseconds delay) {
  return [delay](const std::string&, std::string*) -> std::optional<uint32_t> {
    std::this_thread::sleep_for(delay);
    return htonl(INADDR_LOOPBACK);
  };
}

TEST(MailslotSender, DeliversOnceTheNameIsKnownAndDropsWhatIsLate) {
  auto listener = CMailslotListener::Bind(0, INADDR_LOOPBACK);
  ASSERT_TRUE(listener);
  const std::vector<uint8_t> message{'a', 0, 'b', 0, 'c', 0};
  CMailslotSender sender(listener->Port(), 5s);
  sender.SetResolver(SlowLoopback(100ms));
  sender.Send("\\\\host\\mailslot\\messngr", message);
  const auto datagram = listener->Receive(5000);
  ASSERT_TRUE(datagram);
  EXPECT_EQ(DecodeMessengerDatagram(*datagram).value().message, message);
  CMailslotSender late(listener->Port(), 50ms);
  late.SetResolver(SlowLoopback(200ms));
  late.Send("\\\\slow\\mailslot\\messngr", message);
  EXPECT_FALSE(listener->Receive(600));
  EXPECT_EQ(late.Pending(), 0);
}

}  // namespace
}  // namespace kestrivane
