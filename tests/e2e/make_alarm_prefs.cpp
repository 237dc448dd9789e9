// Writes a settings file for the alarm run of the end-to-end test: the
// default location and preferences, the Zuhr alarm on at 12:30 with an
// iqamah delay of 15 minutes (or the one given), the azan sound on, and one
// recipient, localhost.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/prayer_times.h"
#include "settings/locations_document.h"

namespace {

class StderrReporter : public kestrivane::SettingsReporter {
 public:
  void ReportError(const std::string& message) override {
    std::fprintf(stderr, "%s\n", message.c_str());
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s FILE [DELAY]\n", argv[0]);
    return 2;
  }
  const auto delay = static_cast<uint16_t>(argc == 3 ? std::atoi(argv[2]) : 15);
  StderrReporter reporter;
  kestrivane::CLocations doc(reporter);
  constexpr uint16_t kAzanAt1230 = (12 << 8) | 30;
  doc.m_preferences.m_alarms.SetAlarm(kestrivane::Zuhr, true, kAzanAt1230, delay);
  doc.m_preferences.m_alarms.SetPlaySound(1);
  doc.m_preferences.m_alarms.m_recipients = {"localhost"};
  return doc.OnSaveDocument(argv[1]) ? 0 : 1;
}
