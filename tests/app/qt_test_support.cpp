#include "tests/app/qt_test_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <fstream>
#include <iterator>

namespace kestrivane::testing {

MessageBoxRecorder::MessageBoxRecorder() {
  SetMessageBoxHook([this](MessageBoxKind, const QString& text) {
    boxes.push_back(text.toStdString());
    if (onBox) onBox(boxes.back());
    return answerYes;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook({}); }

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
