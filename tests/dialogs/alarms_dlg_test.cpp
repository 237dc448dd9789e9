// Set Alarms' candidate azan times, the time texts read back, and the note
// when Azan.wav cannot be played.

#include "dialogs/alarms_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>
#include <fstream>
#include <optional>
#include <tuple>

#include "app/time_format.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

TEST(AzanCandidates, FollowTheStepAndStopAtTheNextPrayer) {
  // The prayer's time, the next one's (hour -1: none), the step, the candidates.
  const std::tuple<PrayerTime, PrayerTime, int, const char*> cases[] = {
      {{5, 0}, {6, 10}, 15, "05:15 05:30 05:45 06:00"},
      // No end, an end at hour 0, an end in an earlier hour: eight candidates.
      {{19, 40}, {-1, 0}, 15, "19:45 20:00 20:15 20:30 20:45 21:00 21:15 21:30"},
      {{20, 0}, {0, 5}, 15, "20:15 20:30 20:45 21:00 21:15 21:30 21:45 22:00"},
      {{18, 50}, {18, 58}, 15, "19:00 19:15 19:30 19:45 20:00 20:15 20:30 20:45"},
      {{22, 50}, {-1, 0}, 15, "23:00 23:15 23:30 23:45"},  // nothing at or past midnight
  };
  for (const auto& [start, next, step, expected] : cases) {
    std::string texts;
    const auto end = next.hour < 0 ? std::nullopt : std::optional(next);
    for (const PrayerTime& t : AzanCandidates(start, end, step)) {
      texts += (texts.empty() ? "" : " ") + FormatTimeOfDay(t.hour, t.minute, true);
    }
    EXPECT_EQ(texts, expected) << start.hour << ":" << start.minute;
  }
}

TEST(ParseTimeText, ReadsBothClockFormsOfEveryTime) {
  for (int16_t minute = 0; minute < 24 * 60; minute += 5) {
    for (const bool use24Hour : {true, false}) {
      const std::string text = FormatTimeOfDay(minute / 60, minute % 60, use24Hour);
      EXPECT_EQ(ParseTimeText(text), minute / 60 << 8 | minute % 60) << text;
    }
  }
}

}  // namespace
}  // namespace kestrivane

namespace kestrivane {
namespace {

using testing::DialogTest;

TEST_F(DialogTest, SetAlarmsSaysWhenAzanWavCannotBePlayed) {
  const std::string missing = "No Azan.wav in the settings folder: alarms play a chime instead.";
  const std::string unplayable = "Azan.wav cannot be played: alarms play a chime instead.";
  // Azan.wav (nullptr: none), "Play Azan sound" at the start, the note then and after a
  // click on the box ("": hidden).
  const std::tuple<std::optional<std::string>, bool, std::string, std::string> rows[] = {
      {std::nullopt, true, missing, ""},
      {std::nullopt, false, "", missing},
      {"MP3 data", true, unplayable, ""},
      {testing::ReadFileBytes(KESTRIVANE_TEST_DATA "/silence.wav"), true, "", ""},
  };
  for (const auto& [bytes, soundOn, before, after] : rows) {
    std::filesystem::remove("Azan.wav");
    if (bytes) std::ofstream("Azan.wav", std::ios::binary) << *bytes;
    testing::Records records;
    records.preferences.m_alarms.m_bPlaySound = soundOn;
    std::vector<std::string> notes;
    const auto note = [&](QWidget* dialog) {
      const auto* label = dialog->findChild<QLabel*>("soundNote");
      notes.push_back(label->isVisibleTo(dialog) ? label->text().toStdString() : "");
    };
    RunDialog(testing::Dialog::Alarms, records,
              [&](QWidget* dialog) { note(dialog), testing::Play(dialog, "1112"), note(dialog); });
    EXPECT_EQ(notes, (std::vector<std::string>{before, after}));
  }
}

}  // namespace
}  // namespace kestrivane
