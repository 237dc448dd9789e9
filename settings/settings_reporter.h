#pragma once
// Where the settings document sends the failures the user must learn of.
// The desktop program shows each in a message box; tools print them.

#include <string>

namespace kestrivane {

class SettingsReporter {
 public:
  virtual ~SettingsReporter() = default;
  // One complete, user-readable message naming the file.
  virtual void ReportError(const std::string& message) = 0;
};

}  // namespace kestrivane
