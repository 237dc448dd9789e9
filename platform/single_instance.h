#pragma once
// One running copy per user: the first start listens on a local socket named
// after the user; a later start connects, asks the first to restore its
// window, and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace kestrivane {

class CSingleInstance : public QObject {
  Q_OBJECT

 public:
  // "kestrivane-UID": one name per user, in the system's socket directory.
  static QString DefaultName();

  explicit CSingleInstance(QString name, QObject* parent = nullptr);
  ~CSingleInstance() override;

  // True when this process is now the one instance; false when another one
  // runs (it has then been asked to restore its window).
  bool Claim();

 signals:
  // Another start asked this instance to show its window.
  void restoreRequested();

 private:
  bool AskRunningInstance();
  void OnConnection();

  QString m_name;
  QLocalServer* m_server = nullptr;
};

}  // namespace kestrivane
