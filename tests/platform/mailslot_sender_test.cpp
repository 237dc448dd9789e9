// Messages sent in the background: Send never waits for a name lookup, the
// datagrams arrive once the names are known, and a name known too late gets
// nothing.

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

TEST(MailslotSenderTest, SendsInTheBackgroundAndDropsWhatIsLate) {
  auto listener = CMailslotListener::Bind(0, INADDR_LOOPBACK);
  ASSERT_TRUE(listener);
  const std::vector<uint8_t> message{'a', 0, 'b', 0, 'c', 0};

  CMailslotSender sender(listener->Port(), 5s);
  sender.SetResolver(SlowLoopback(300ms));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i)
    sender.Send("\\\\host" + std::to_string(i) + "\\mailslot\\messngr", message);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);  // ten lookups of 300 ms each
  for (int i = 0; i < 10; ++i) {
    const auto datagram = listener->Receive(5000);
    ASSERT_TRUE(datagram) << i;
    const auto decoded = DecodeMessengerDatagram(*datagram);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->message, message);
  }

  CMailslotSender late(listener->Port(), 50ms);
  late.SetResolver(SlowLoopback(200ms));
  late.Send("\\\\slow\\mailslot\\messngr", message);
  EXPECT_FALSE(listener->Receive(600));
  EXPECT_EQ(late.Pending(), 0);
}

}  // namespace
}  // namespace kestrivane
