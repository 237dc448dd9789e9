// What an alarm plays: Azan.wav when it holds sound the player reads, else
// the program's own chime.

#include "platform/sound.h"

#include <gtest/gtest.h>

#include <QSoundEffect>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/wave_file.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane {
namespace {

// `wave` with `bytes` written over it at `at`.
std::string Patched(std::string wave, std::size_t at, std::string_view bytes) {
  return wave.replace(at, bytes.size(), bytes);
}

TEST(SoundPlayer, ChimesWhenAzanWavIsMissingOrCannotBePlayed) {
  testing::TemporaryWorkingDirectory directory;
  const std::string silence = testing::ReadFileBytes(KESTRIVANE_TEST_DATA "/silence.wav");
  const std::string chime = ChimeWave();
  using enum SoundFile;
  const std::pair<std::optional<std::string>, SoundFile> rows[] = {
      {std::nullopt, Missing},
      {"", Unplayable},
      {"RIFF....WAVE", Unplayable},
      {silence, Playable},                                           // 8-bit
      {chime, Playable},                                             // 16-bit
      {Patched(chime, 22, "\x02"), Playable},                        // stereo
      {Patched(chime, 20, std::string("\x02\x00", 2)), Unplayable},  // ADPCM
      {Patched(chime, 20, "\x03"), Unplayable},                      // float
      {Patched(chime, 34, "\x18"), Unplayable},                      // 24 bits
      {Patched(chime, 36, "junk"), Unplayable},                      // no data chunk
      {chime.substr(0, 44), Unplayable},                             // no sound in it
  };
  for (const auto& [bytes, expected] : rows) {
    SCOPED_TRACE(bytes ? bytes->substr(0, 48) : "no file");
    std::filesystem::remove("Azan.wav");
    if (bytes) std::ofstream("Azan.wav", std::ios::binary) << *bytes;
    EXPECT_EQ(CheckSoundFile("Azan.wav"), expected);
    CSoundPlayer player;
    player.Play("Azan.wav");
    EXPECT_EQ(player.StartedCount(), 1);
    EXPECT_EQ(player.PlaysChime(), expected != Playable);
  }
}

// The chime as the player's own decoder reads it.
TEST(SoundPlayer, TheChimeLoads) {
  testing::TemporaryWorkingDirectory directory;
  const std::string chime = ChimeWave();
  for (const std::string& w :
       {testing::ReadFileBytes(KESTRIVANE_TEST_DATA "/silence.wav"), Patched(chime, 22, "\x02"),
        [&] {
          std::string h = chime.substr(0, 12) +
                          std::string(
                              "fmt "
                              "\x28\0\0\0\xfe\xff\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0\x16\0"
                              "\x10\0\x04\0\0\0\x01\0\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71",
                              48) +
                          chime.substr(36);
          return h;
        }()}) {
    std::filesystem::remove("p.wav");
    std::ofstream("p.wav", std::ios::binary) << w;
    QSoundEffect e;
    e.setSource(QUrl::fromLocalFile(QString::fromStdString(directory.path() + "/p.wav")));
    testing::ProcessEventsFor(3000, [&] { return e.status() >= QSoundEffect::Ready; });
    std::printf("PROBE %d\n", int(e.status()));
  }
  std::ofstream("chime.wav", std::ios::binary) << ChimeWave();
  QSoundEffect effect;
  effect.setSource(QUrl::fromLocalFile(QString::fromStdString(directory.path() + "/chime.wav")));
  testing::ProcessEventsFor(3000, [&] { return effect.status() >= QSoundEffect::Ready; });
  EXPECT_EQ(effect.status(), QSoundEffect::Ready);
}

}  // namespace
}  // namespace kestrivane
