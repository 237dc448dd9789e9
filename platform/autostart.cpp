#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace kestrivane {

namespace {

// One argument of an Exec line, quoted as desktop entries want it.
QString QuotedExecArgument(const QString& argument) {
  QString quoted;
  for (const QChar c : argument) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
    if (c == u'%') quoted += u'%';
    quoted += c;
  }
  return u'"' + quoted + u'"';
}

}  // namespace

CAutostart::CAutostart(QString programPath)
    : m_programPath(std::move(programPath)),
      m_launcherPath(QFileInfo(m_programPath).absolutePath() +
                     QStringLiteral("/kestrivane-launcher")) {}

QString CAutostart::EntryPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/autostart/kestrivane.desktop");
}

bool CAutostart::IsEnabled() const { return QFileInfo::exists(EntryPath()); }

bool CAutostart::IsInstalled() const { return QFileInfo(m_launcherPath).isExecutable(); }

QString CAutostart::EntryText() const {
  QString text = QStringLiteral(
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Kestrivane\n"
      "Comment=Today's prayer times and azan alarms in the notification area\n"
      "Icon=kestrivane\n"
      "Terminal=false\n");
  if (IsInstalled()) {
    text += QStringLiteral("Exec=") + QuotedExecArgument(m_launcherPath) + u'\n';
  } else {
    text += QStringLiteral("Exec=") + QuotedExecArgument(m_programPath) + u'\n';
    text += QStringLiteral("Path=") + QDir::currentPath() + u'\n';
  }
  return text;
}

bool CAutostart::SetEnabled(bool enabled, QString* error) const {
  const QString path = EntryPath();
  if (!enabled) {
    if (!QFileInfo::exists(path) || QFile::remove(path)) return true;
    if (error != nullptr) *error = QFile(path).errorString();
    return false;
  }
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(EntryText().toUtf8()) < 0 || !file.commit()) {
    if (error != nullptr) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace kestrivane
