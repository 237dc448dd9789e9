#pragma once
// PlaySoundA (SND_FILENAME | SND_ASYNC): plays a wave file named relative to
// the current directory and returns at once. Every failure is silent.

#include <QObject>
#include <memory>
#include <string>

class QSoundEffect;

namespace kestrivane {

class CSoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit CSoundPlayer(QObject* parent = nullptr);
  ~CSoundPlayer() override;

  // A missing file plays nothing; a new call replaces a sound still playing.
  void Play(const std::string& fileName);

  // Tests: the number of times a file was found and handed to the player.
  int StartedCount() const { return m_started; }

 private:
  std::unique_ptr<QSoundEffect> m_effect;
  int m_started = 0;
};

}  // namespace kestrivane
