#include "tools/notification_limiter.h"

#include <utility>

namespace kestrivane {

void NotificationLimiter::Hold(MessengerMessage message) {
  m_held = std::move(message);
  ++m_heldCount;
}

std::optional<NotificationLimiter::Duration> NotificationLimiter::UntilDue(TimePoint now) const {
  if (!m_held) {
    return std::nullopt;
  }
  if (!m_lastPosted || now - *m_lastPosted >= m_interval) {
    return Duration::zero();
  }
  // Rounded up, so a wait of this long always ends at or past the due time.
  return std::chrono::ceil<Duration>(*m_lastPosted + m_interval - now);
}

std::optional<HeldNotification> NotificationLimiter::Take(TimePoint now) {
  const auto wait = UntilDue(now);
  if (!wait || *wait > Duration::zero()) {
    return std::nullopt;
  }
  HeldNotification due{std::move(*m_held), m_heldCount - 1};
  m_held.reset();
  m_heldCount = 0;
  m_lastPosted = now;
  return due;
}

}  // namespace kestrivane
