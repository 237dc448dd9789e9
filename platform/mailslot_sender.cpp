#include "platform/mailslot_sender.h"

#include <thread>

namespace kestrivane {

namespace {

// More lookups than this hanging at once means the network is gone: later
// messages are dropped instead of piling up threads.
constexpr int kMaxPending = 64;

}  // namespace

// What the threads share with the sender; it outlives whichever ends last.
struct CMailslotSender::Shared {
  std::atomic<int> pending{0};
  std::atomic<bool> closed{false};
};

CMailslotSender::CMailslotSender(uint16_t port, std::chrono::milliseconds deadline)
    : m_nPort(port), m_deadline(deadline), m_shared(std::make_shared<Shared>()) {}

CMailslotSender::~CMailslotSender() { m_shared->closed = true; }

int CMailslotSender::Pending() const { return m_shared->pending; }

void CMailslotSender::Send(const std::string& path, const std::vector<uint8_t>& message) {
  if (m_shared->pending.fetch_add(1) >= kMaxPending) {
    --m_shared->pending;
    return;
  }
  const auto due = std::chrono::steady_clock::now() + m_deadline;
  try {
    std::thread([shared = m_shared, resolve = m_resolve, port = m_nPort, due, path, message] {
      // Known too late, or the program is ending: the message is dropped.
      const HostResolver onTime = [&](const std::string& host, std::string* error) {
        const auto address = resolve(host, error);
        if (std::chrono::steady_clock::now() > due || shared->closed)
          return std::optional<uint32_t>();
        return address;
      };
      WriteMailslotMessage(path, message, port, onTime);
      --shared->pending;
    }).detach();
  } catch (const std::system_error&) {
    --m_shared->pending;  // no thread to be had: nothing is sent
  }
}

}  // namespace kestrivane
