// The notification limiter on a fake clock: at most one a second, the
// messages in between counted into the next, none lost after a burst.

#include "tools/notification_limiter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kestrivane {
namespace {

using namespace std::chrono_literals;

// Message N arrives at arrivals[N] ms; the limiter is asked every
// millisecond. Each post as "ms:N+more".
std::string Posts(const std::vector<int>& arrivals) {
  NotificationLimiter limiter;
  std::string posts;
  for (int ms = 0, next = 0; ms <= arrivals.back() + 2000; ++ms) {
    for (; next < static_cast<int>(arrivals.size()) && arrivals[next] == ms; ++next) {
      limiter.Hold({"K", "ops", std::to_string(next)});
    }
    if (const auto due = limiter.Take(NotificationLimiter::TimePoint{ms * 1ms})) {
      posts += std::to_string(ms) + ":" + due->message.text + "+" + std::to_string(due->more) + " ";
    }
  }
  return posts;
}

TEST(NotificationLimiter, OnePerSecondTheRestCountedIntoTheNext) {
  const std::pair<std::vector<int>, std::string> cases[] = {
      {{0, 10, 20, 30}, "0:0+0 1000:3+2 "},
      {{0, 1000, 2500, 2600}, "0:0+0 1000:1+0 2500:2+0 3500:3+0 "},
      {{0, 100, 1100, 1200, 5000}, "0:0+0 1000:1+0 2000:3+1 5000:4+0 "},
      {{0, 999, 1000}, "0:0+0 1000:2+1 "}};
  for (const auto& [arrivals, posts] : cases) {
    EXPECT_EQ(Posts(arrivals), posts) << arrivals.size() << " arrivals";
  }
}

}  // namespace
}  // namespace kestrivane
