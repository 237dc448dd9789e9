#include "platform/window_timers.h"

#include <QTimerEvent>
#include <utility>

namespace kestrivane {

CWindowTimers::CWindowTimers(TickHandler onTick, QObject* parent)
    : QObject(parent), m_onTick(std::move(onTick)) {}

CWindowTimers::~CWindowTimers() {
  for (const auto& [id, timer] : m_timers) {
    killTimer(timer.qtId);
  }
}

unsigned CWindowTimers::SetTimer(unsigned id, unsigned milliseconds) {
  if (id == 0) return 0;
  KillTimer(id);
  // Coarse timers are enough for 1 and 5 second polls and let the system
  // bundle wake-ups.
  const int qtId = startTimer(static_cast<int>(milliseconds), Qt::CoarseTimer);
  if (qtId == 0) {
    return 0;
  }
  m_timers[id] = Timer{qtId, milliseconds};
  return id;
}

bool CWindowTimers::KillTimer(unsigned id) {
  const auto it = m_timers.find(id);
  if (it == m_timers.end()) {
    return false;
  }
  killTimer(it->second.qtId);
  m_timers.erase(it);
  return true;
}

bool CWindowTimers::IsRunning(unsigned id) const { return m_timers.count(id) != 0; }

unsigned CWindowTimers::Period(unsigned id) const {
  const auto it = m_timers.find(id);
  return it == m_timers.end() ? 0 : it->second.milliseconds;
}

std::vector<unsigned> CWindowTimers::RunningIds() const {
  std::vector<unsigned> ids;
  for (const auto& [id, timer] : m_timers) ids.push_back(id);
  return ids;
}

void CWindowTimers::timerEvent(QTimerEvent* event) {
  for (const auto& [id, timer] : m_timers) {
    if (timer.qtId == event->timerId()) {
      const unsigned windowId = id;  // the handler may replace the map entry
      m_onTick(windowId);
      return;
    }
  }
  QObject::timerEvent(event);
}

}  // namespace kestrivane
