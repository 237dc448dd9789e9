#pragma once
// Shared pieces of the widget tests: a temporary working directory per
// test, message boxes answered by a recorder, and a tray that can be
// switched on and off.

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/tray_icon.h"

namespace kestrivane::testing {

// Creates a fresh directory, makes it current, and removes it at the end.
class TemporaryWorkingDirectory {
 public:
  TemporaryWorkingDirectory() { std::filesystem::current_path(path()); }
  ~TemporaryWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
  }
  std::string path() const { return m_directory.path().toStdString(); }

 private:
  std::filesystem::path m_previous = std::filesystem::current_path();
  QTemporaryDir m_directory{QDir::tempPath() + "/kestrivane-ui-XXXXXX"};
};

// Installs itself as the message-box hook for its lifetime.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();

  std::vector<std::string> boxes;  // the texts shown
  bool answerYes = false;
  // Runs inside each box, as the user would see the program then.
  std::function<void(const std::string& text)> onBox;
};

// Switches the desktop's tray on or off for its lifetime.
struct FakeTray {
  explicit FakeTray(bool on) : available(on) {
    CTrayIcon::SetAvailabilityForTesting([this] { return available; });
  }
  ~FakeTray() { CTrayIcon::SetAvailabilityForTesting({}); }
  bool available;
};

// Processes events for `milliseconds`, or until `done` answers true.
void ProcessEventsFor(int milliseconds, const std::function<bool()>& done = {});

// The bytes of a file, empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace kestrivane::testing
