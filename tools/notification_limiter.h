#pragma once
// Keeps desktop notifications to one per interval, so a flood of datagrams
// cannot start a process for each: messages that come in between are held,
// and the next notification shows the latest of them and counts the rest.

#include <chrono>
#include <cstddef>
#include <optional>

#include "platform/messenger_message.h"

namespace kestrivane {

struct HeldNotification {
  MessengerMessage message;  // the latest message held
  std::size_t more = 0;      // messages held before it, shown only as a count
};

class NotificationLimiter {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Duration = std::chrono::milliseconds;

  explicit NotificationLimiter(Duration interval = std::chrono::seconds(1))
      : m_interval(interval) {}

  void Hold(MessengerMessage message);
  // The notification to post at `now`, if one is held and the last one
  // posted is at least an interval ago.
  std::optional<HeldNotification> Take(TimePoint now);
  // How long from `now` until Take has one to give; nothing when none is held.
  std::optional<Duration> UntilDue(TimePoint now) const;

 private:
  Duration m_interval;
  std::optional<TimePoint> m_lastPosted;
  std::optional<MessengerMessage> m_held;
  std::size_t m_heldCount = 0;
};

}  // namespace kestrivane
