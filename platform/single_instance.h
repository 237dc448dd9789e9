#pragma once
// One running copy per desktop session: the first start listens on a local
// socket in the user's private runtime folder, named after the session and
// the display; a later start in the same session asks the first to show its
// window and ends. Nobody else can create the socket there, and a copy on
// another display or in another session has a socket of its own.

#include <QObject>
#include <QString>

class QLocalServer;

namespace kestrivane {

class CSingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket's path for this session: $XDG_RUNTIME_DIR (a private folder of
  // the user's own where that is unset), empty when there is no such folder.
  static QString DefaultName();

  explicit CSingleInstance(QString name, QObject* parent = nullptr);
  ~CSingleInstance() override;

  // True when this process is now the one instance (or no socket can be had);
  // false when another copy runs and has been asked to show its window.
  bool Claim();

 signals:
  // Another start asked for the window; always delivered from the event
  // loop, never from inside the socket's own handlers.
  void restoreRequested();

 private:
  bool AskRunningInstance();
  void OnConnection();

  QString m_name;
  QLocalServer* m_server = nullptr;
};

}  // namespace kestrivane
