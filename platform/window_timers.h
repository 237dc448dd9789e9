#pragma once
// Window timers by id (SetTimer/KillTimer): installing an id replaces the
// timer of that id; ticks come through the event loop, so they also arrive
// inside the nested loops of modal dialogs and message boxes.

#include <QObject>
#include <functional>
#include <map>
#include <vector>

namespace kestrivane {

class CWindowTimers : public QObject {
  Q_OBJECT

 public:
  using TickHandler = std::function<void(unsigned id)>;

  explicit CWindowTimers(TickHandler onTick, QObject* parent = nullptr);
  ~CWindowTimers() override;

  // Returns the id, 0 on failure (id 0, or no timer to be had).
  unsigned SetTimer(unsigned id, unsigned milliseconds);
  // False when no timer of that id runs.
  bool KillTimer(unsigned id);

  bool IsRunning(unsigned id) const;
  // The period of timer `id` in milliseconds, 0 when it does not run.
  unsigned Period(unsigned id) const;
  std::vector<unsigned> RunningIds() const;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  struct Timer {
    int qtId;
    unsigned milliseconds;
  };
  TickHandler m_onTick;
  std::map<unsigned, Timer> m_timers;  // by window-timer id
};

}  // namespace kestrivane
