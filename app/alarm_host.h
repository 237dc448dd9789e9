#pragma once
// Everything the alarm engine needs from the world outside it. The main
// window implements it with the platform layer; tests with a fake clock.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace kestrivane {

struct LocalTime {
  int year = 2000;
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int weekday = 6;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class AlarmHost {
 public:
  virtual ~AlarmHost() = default;

  virtual LocalTime Now() = 0;

  // Installs (or replaces) the window timer `id`; returns the id, 0 on failure.
  virtual unsigned SetTimer(unsigned id, unsigned milliseconds) = 0;
  virtual void KillTimer(unsigned id) = 0;

  virtual void TraySetTip(const std::string& tip) = 0;
  virtual void TraySetIcon(int iconId) = 0;
  // true shows the caption in its alerting look, false restores it.
  virtual void FlashWindow(bool invert) = 0;
  virtual bool IsIconic() = 0;
  // Modal, exclamation icon and OK; returns when the user closed it. Timer
  // ticks keep arriving while it is open.
  virtual void MessageBox(const std::string& text) = 0;
  // Starts playing asynchronously; failures are silent.
  virtual void PlaySound(const std::string& fileName) = 0;
  // The login name of the user, nothing when there is none.
  virtual std::optional<std::string> NetworkUserName() = 0;
  // Sends the message as one datagram to the mailslot path. Returns at once:
  // the name is looked up and the datagram sent in the background, and a
  // name that does not resolve in time gets nothing.
  virtual void SendMailslot(const std::string& path, const std::vector<uint8_t>& message) = 0;

  // An azan or iqamah alarm has just fired with this message (after the tip
  // and the sound, before the network messages); a desktop can show it in its
  // own way too.
  virtual void AlarmFired(const std::string& /*message*/) {}

  // `text` of `context` in the user's language, for what the engine shows
  // (never for what it sends); the text itself without a translation.
  virtual std::string Translate(const char* /*context*/, const char* text) { return text; }

  // Shows the engine's texts in the window's controls.
  virtual void RefreshControls() = 0;
  virtual void MinimizeToTray() = 0;
};

}  // namespace kestrivane
