#include "platform/sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "platform/wave_file.h"

namespace kestrivane {

namespace {

// A wave header and the chunks up to the sound data fit in far less.
constexpr qint64 kHeaderBytes = 64 * 1024;
// How long an effect being destroyed may take to finish loading its file.
constexpr int kSettleMilliseconds = 5000;

}  // namespace

SoundFile CheckSoundFile(const std::string& fileName) {
  QFile file(QString::fromLocal8Bit(fileName.data(), static_cast<qsizetype>(fileName.size())));
  if (!QFileInfo(file).isFile()) return SoundFile::Missing;
  if (!file.open(QIODevice::ReadOnly)) return SoundFile::Unplayable;
  const QByteArray head = file.read(kHeaderBytes);
  return IsPlayableWave(std::string_view(head.constData(), static_cast<std::size_t>(head.size())))
             ? SoundFile::Playable
             : SoundFile::Unplayable;
}

CSoundPlayer::CSoundPlayer(QObject* parent)
    : QObject(parent), m_chimeFile(QDir::tempPath() + "/kestrivane-chime-XXXXXX.wav") {}

CSoundPlayer::~CSoundPlayer() { DropEffect(); }

// Qt 6.4 blocks for good when an effect is destroyed while its sample cache
// still loads the file, so loading is first let finish; one that never does
// is left behind rather than hang the program.
void CSoundPlayer::DropEffect() {
  if (!m_effect) return;
  m_effect->disconnect(this);
  const QDeadlineTimer deadline(kSettleMilliseconds);
  while (m_effect->status() == QSoundEffect::Loading && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  }
  if (m_effect->status() == QSoundEffect::Loading) {
    (void)m_effect.release();
  }
  m_effect.reset();
}

void CSoundPlayer::Play(const std::string& fileName) {
  if (CheckSoundFile(fileName) != SoundFile::Playable) return PlayChime();
  Start(QFileInfo(QString::fromLocal8Bit(fileName.data(), static_cast<qsizetype>(fileName.size())))
            .absoluteFilePath(),
        false);
}

void CSoundPlayer::PlayChime() {
  if (!m_chimeFile.isOpen()) {
    const std::string wave = ChimeWave();
    if (!m_chimeFile.open() ||
        m_chimeFile.write(wave.data(), static_cast<qint64>(wave.size())) !=
            static_cast<qint64>(wave.size()) ||
        !m_chimeFile.flush()) {
      m_chimeFile.remove();  // tried again at the next alarm
      return;
    }
  }
  Start(m_chimeFile.fileName(), true);
}

void CSoundPlayer::Start(const QString& path, bool chime) {
  ++m_started;
  m_bChime = chime;
  DropEffect();
  // The audio back end is only opened once there is something to play.
  m_effect = std::make_unique<QSoundEffect>();
  QSoundEffect* effect = m_effect.get();
  // Loading is asynchronous: start when ready. A file the player refuses
  // after all gives way to the chime, from the event loop, since this
  // handler runs inside the effect that the chime replaces.
  connect(effect, &QSoundEffect::statusChanged, this, [this, effect, chime] {
    if (effect->status() == QSoundEffect::Ready) effect->play();
    if (effect->status() != QSoundEffect::Error || chime) return;
    QMetaObject::invokeMethod(
        this,
        [this, effect] {
          if (m_effect.get() == effect) PlayChime();
        },
        Qt::QueuedConnection);
  });
  effect->setSource(QUrl::fromLocalFile(path));
}

}  // namespace kestrivane
