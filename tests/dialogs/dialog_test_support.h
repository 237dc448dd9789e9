#pragma once
// Helpers for the settings-dialog tests: controls by id, clicks, typing,
// recorded help requests, and answering a modal dialog from inside exec().

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialog_builder.h"
#include "platform/help_viewer.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane::testing {

// Every dialog test runs in a folder of its own and answers message boxes.
class DialogTest : public ::testing::Test {
 protected:
  TemporaryWorkingDirectory directory;
  MessageBoxRecorder boxes;
};

template <class T>
T* Control(const QWidget& dialog, int id) {
  return qobject_cast<T*>(FindControl(&dialog, id));
}

inline void Click(const QWidget& dialog, int id) { Control<QAbstractButton>(dialog, id)->click(); }

inline void Type(const QWidget& dialog, int id, const std::string& text) {
  Control<QLineEdit>(dialog, id)->setText(QString::fromStdString(text));
}

inline std::string Text(const QWidget& dialog, int id) { return GetControlText(&dialog, id); }

inline void Choose(const QWidget& dialog, int id, const char* item) {
  auto* combo = Control<QComboBox>(dialog, id);
  combo->setCurrentIndex(combo->findText(QString::fromLatin1(item)));
}

// Records help requests for its lifetime; nothing is shown.
class HelpRecorder {
 public:
  HelpRecorder() {
    SetHelpHook([this](const HelpRequest& request) { requests.push_back(request); });
  }
  ~HelpRecorder() { SetHelpHook({}); }
  std::vector<HelpRequest> requests;
};

// Runs `act` on the next modal dialog that opens (polled from the event
// loop, so it works inside exec()).
inline void WhenModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

}  // namespace kestrivane::testing
