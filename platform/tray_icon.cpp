#include "platform/tray_icon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

#include "settings/stored_text.h"

namespace kestrivane {

namespace {

std::function<bool()>& AvailabilityOverride() {
  static std::function<bool()> available;
  return available;
}

}  // namespace

CTrayIcon::CTrayIcon(QObject* parent) : QObject(parent), m_poll(new QTimer(this)) {
  m_poll->setInterval(kTrayPollMs);
  m_poll->setTimerType(Qt::VeryCoarseTimer);
  connect(m_poll, &QTimer::timeout, this, &CTrayIcon::LookForTray);
}

CTrayIcon::~CTrayIcon() = default;

bool CTrayIcon::IsSystemTrayAvailable() {
  if (AvailabilityOverride()) return AvailabilityOverride()();
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void CTrayIcon::SetAvailabilityForTesting(std::function<bool()> available) {
  AvailabilityOverride() = std::move(available);
}

QString CTrayIcon::CutTip(const std::string& tip) {
  return QString::fromStdString(StoredToText(tip)).left(kTrayTipLength);
}

bool CTrayIcon::Add(const std::string& tip, const QIcon& icon) {
  if (m_added || m_poll->isActive()) {
    return false;
  }
  m_tip = CutTip(tip);
  m_icon = icon;
  if (Show()) {
    return true;
  }
  m_poll->start();
  return false;
}

bool CTrayIcon::Show() {
  if (!IsSystemTrayAvailable()) {
    return false;
  }
  m_tray = std::make_unique<QSystemTrayIcon>(m_icon);
  m_tray->setToolTip(m_tip);
  if (m_menu != nullptr) m_tray->setContextMenu(m_menu);
  connect(m_tray.get(), &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            // Trigger is the left-button press; the double click that may
            // follow is a second press the first one has already answered.
            if (reason == QSystemTrayIcon::Trigger) emit leftButtonDown();
          });
  m_tray->show();
  m_added = true;
  m_poll->stop();
  return true;
}

void CTrayIcon::LookForTray() {
  if (m_poll->isActive() && Show()) {
    emit added();
  }
}

bool CTrayIcon::IsWaitingForTray() const { return m_poll->isActive(); }

bool CTrayIcon::SetTip(const std::string& tip) {
  m_tip = CutTip(tip);
  if (!m_added) return false;
  m_tray->setToolTip(m_tip);
  return true;
}

bool CTrayIcon::SetIcon(const QIcon& icon) {
  m_icon = icon;
  if (!m_added) return false;
  m_tray->setIcon(icon);
  return true;
}

bool CTrayIcon::Remove() {
  m_poll->stop();
  if (!m_added) return false;
  m_tray->hide();
  m_tray.reset();
  m_added = false;
  return true;
}

void CTrayIcon::SetContextMenu(QMenu* menu) {
  m_menu = menu;
  if (m_tray) m_tray->setContextMenu(menu);
}

}  // namespace kestrivane
