#pragma once
// PlaySoundA (SND_FILENAME | SND_ASYNC): plays a wave file named relative to
// the current directory and returns at once. An alarm is never silent when
// sound was asked for: a file that is missing or cannot be played gives way
// to the program's own chime. Without a sound device nothing is heard and
// nothing is reported.

#include <QObject>
#include <QString>
#include <QTemporaryFile>
#include <memory>
#include <string>

class QSoundEffect;

namespace kestrivane {

enum class SoundFile { Playable, Missing, Unplayable };

// What the player would make of the wave file `fileName`.
SoundFile CheckSoundFile(const std::string& fileName);

class CSoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit CSoundPlayer(QObject* parent = nullptr);
  ~CSoundPlayer() override;

  // A new call replaces a sound still playing.
  void Play(const std::string& fileName);

  // Tests: the number of sounds handed to the player, and whether the last
  // one is the chime.
  int StartedCount() const { return m_started; }
  bool PlaysChime() const { return m_bChime; }

 private:
  void Start(const QString& path, bool chime);
  void PlayChime();
  void DropEffect();

  std::unique_ptr<QSoundEffect> m_effect;
  QTemporaryFile m_chimeFile;  // written on first use
  int m_started = 0;
  bool m_bChime = false;
};

}  // namespace kestrivane
