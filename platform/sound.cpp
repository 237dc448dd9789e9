#include "platform/sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace kestrivane {

CSoundPlayer::CSoundPlayer(QObject* parent) : QObject(parent) {}

CSoundPlayer::~CSoundPlayer() = default;

void CSoundPlayer::Play(const std::string& fileName) {
  const QFileInfo file(
      QString::fromLocal8Bit(fileName.data(), static_cast<qsizetype>(fileName.size())));
  if (!file.isFile() || !file.isReadable()) {
    return;
  }
  ++m_started;
  // The audio back end is only opened once there is something to play.
  m_effect = std::make_unique<QSoundEffect>();
  QSoundEffect* effect = m_effect.get();
  // Loading is asynchronous: start when ready; an error stays silent.
  connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
    if (effect->status() == QSoundEffect::Ready) effect->play();
  });
  effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace kestrivane
