#pragma once
// Sends mailslot messages in the background. Looking a name up may wait on a
// name server for tens of seconds; each message therefore goes out from a
// thread of its own, Send returns at once, and a message whose name is not
// known within the deadline is dropped rather than delivered late.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/mailslot.h"

namespace kestrivane {

class CMailslotSender {
 public:
  explicit CMailslotSender(uint16_t port = kNetbiosDatagramPort,
                           std::chrono::milliseconds deadline = std::chrono::seconds(30));
  CMailslotSender(const CMailslotSender&) = delete;
  CMailslotSender& operator=(const CMailslotSender&) = delete;
  // Lookups still under way finish on their own and send nothing late.
  ~CMailslotSender();

  // Returns at once; the datagram goes out when the name is known.
  void Send(const std::string& path, const std::vector<uint8_t>& message);

  // Messages handed over and not yet sent or dropped.
  int Pending() const;

  // Tests: stands in for the system resolver.
  void SetResolver(HostResolver resolve) { m_resolve = std::move(resolve); }

 private:
  struct Shared;
  uint16_t m_nPort;
  std::chrono::milliseconds m_deadline;
  HostResolver m_resolve = ResolveHostIPv4;
  std::shared_ptr<Shared> m_shared;
};

}  // namespace kestrivane
