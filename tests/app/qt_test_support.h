#pragma once
// Shared pieces of the widget tests: a temporary working directory per
// test, message boxes answered by a recorder, and a tray that can be
// switched on and off.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace kestrivane::testing {

// Creates a fresh directory, makes it current, and removes it at the end.
class TemporaryWorkingDirectory {
 public:
  TemporaryWorkingDirectory();
  ~TemporaryWorkingDirectory();
  TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
  TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

  const std::string& path() const { return m_path; }

 private:
  std::string m_previous;
  std::string m_path;
};

struct RecordedBox {
  MessageBoxKind kind;
  std::string text;
};

// Installs itself as the message-box hook for its lifetime.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();

  std::vector<RecordedBox> boxes;
  bool answerYes = false;
  // Runs inside each box, as the user would see the program then.
  std::function<void(const RecordedBox&)> onBox;

  std::vector<std::string> Texts() const;
};

// Switches the desktop's tray on or off for its lifetime.
class FakeTray {
 public:
  explicit FakeTray(bool available);
  ~FakeTray();
  bool available;
};

// Processes events for `milliseconds`, or until `done` answers true.
void ProcessEventsFor(int milliseconds, const std::function<bool()>& done = {});

// The bytes of a file, empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

}  // namespace kestrivane::testing
