#pragma once
// Start at login: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/kestrivane.desktop, that runs the launcher
// installed next to the program (which starts it in its settings folder),
// or, where there is none, the program itself in the current folder.

#include <QString>

namespace kestrivane {

class CAutostart {
 public:
  // `programPath`: the running program's file.
  explicit CAutostart(QString programPath);

  static QString EntryPath();
  bool IsEnabled() const;
  // Writes or removes the entry; false with `error` set when that failed.
  bool SetEnabled(bool enabled, QString* error = nullptr) const;
  // The program runs as installed: the launcher stands beside it.
  bool IsInstalled() const;
  // The entry's text.
  QString EntryText() const;

 private:
  QString m_programPath;
  QString m_launcherPath;
};

}  // namespace kestrivane
