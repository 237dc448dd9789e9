#include "tests/app/qt_test_support.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/tray_icon.h"

namespace kestrivane::testing {

TemporaryWorkingDirectory::TemporaryWorkingDirectory() {
  m_previous = std::filesystem::current_path().string();
  std::string pattern = (std::filesystem::temp_directory_path() / "kestrivane-ui-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  m_path = pattern;
  std::filesystem::current_path(m_path);
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(m_previous, ignored);
  std::filesystem::remove_all(m_path, ignored);
}

MessageBoxRecorder::MessageBoxRecorder() {
  SetMessageBoxHook([this](MessageBoxKind kind, const QString& text) {
    boxes.push_back({kind, text.toStdString()});
    if (onBox) onBox(boxes.back());
    return answerYes;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook({}); }

std::vector<std::string> MessageBoxRecorder::Texts() const {
  std::vector<std::string> texts;
  for (const RecordedBox& box : boxes) texts.push_back(box.text);
  return texts;
}

FakeTray::FakeTray(bool on) : available(on) {
  CTrayIcon::SetAvailabilityForTesting([this] { return available; });
}

FakeTray::~FakeTray() { CTrayIcon::SetAvailabilityForTesting({}); }

void ProcessEventsFor(int milliseconds, const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (done && done()) return;
  }
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace kestrivane::testing
