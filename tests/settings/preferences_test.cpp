#include "settings/preferences.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "settings/archive.h"
#include "tests/settings/settings_test_support.h"

namespace kestrivane {
namespace {

using testing::Bytes;
using testing::FromHex;

class PreferencesTest : public ::testing::Test {
 protected:
  Bytes Store(CPreferences& preferences) {
    const int fd = ::open("prefs.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    CArchive ar(fd, CArchive::kStore);
    preferences.Serialize(ar);
    ar.Close();
    ::close(fd);
    return testing::ReadFile("prefs.bin");
  }

  // Loads into `preferences`; the end-of-file error propagates.
  void Load(const Bytes& bytes, CPreferences& preferences) {
    testing::WriteFile("prefs.bin", bytes);
    const int fd = ::open("prefs.bin", O_RDONLY);
    CArchive ar(fd, CArchive::kLoad);
    try {
      preferences.Serialize(ar);
    } catch (...) {
      ::close(fd);
      throw;
    }
    ::close(fd);
  }

  // Tag, 0, 1, 18, 18, 0, then the alarm block with the given tag.
  static Bytes PreferencesHead(uint32_t alarmTag) {
    Bytes bytes = FromHex("02000000 00000000 01000000 12000000 12000000 00000000 00000000");
    testing::PutLe32(bytes, 24, alarmTag);
    return bytes;
  }

  testing::ScratchDirectory scratch_;
};

TEST_F(PreferencesTest, FreshPreferencesStoreAs90Bytes) {
  CPreferences preferences;
  Bytes expected = PreferencesHead(2);
  for (int i = 0; i < 6; ++i) {
    const Bytes entry = FromHex("02000000 00 0000 0F00");
    expected.insert(expected.end(), entry.begin(), entry.end());
  }
  const Bytes tail = FromHex("00000000 00000000");  // no sound, no recipients
  expected.insert(expected.end(), tail.begin(), tail.end());
  ASSERT_EQ(expected.size(), 90u);
  EXPECT_EQ(Store(preferences), expected);
  EXPECT_EQ(preferences.m_bDirty, 0);
  EXPECT_EQ(preferences.m_alarms.m_bDirty, 0);
}

TEST_F(PreferencesTest, EveryFieldSurvivesStoreAndLoad) {
  CPreferences written;
  written.Set(1, 0, 15, 17);
  written.m_nReserved = -7;
  written.m_alarms.SetAlarm(0, true, 0x0415, 20);
  written.m_alarms.SetAlarm(4, true, 0x1206, 5);
  written.m_alarms.m_alarm[5].m_nFlags = 0xF0;  // unknown bits are kept
  written.m_alarms.SetPlaySound(1);
  written.m_alarms.m_recipients = {"ali", "fatima", std::string(300, 'r')};
  const Bytes bytes = Store(written);
  EXPECT_EQ(bytes.size(), 90u + 4 + 7 + 303);

  CPreferences loaded;
  Load(bytes, loaded);
  EXPECT_EQ(Store(loaded), bytes);
  EXPECT_EQ(loaded.m_nTimeFormat, 1);
  EXPECT_EQ(loaded.m_nReserved, -7);
  EXPECT_EQ(loaded.m_alarms.m_alarm[5].m_nFlags, 0xF0);
  EXPECT_EQ(loaded.m_alarms.m_recipients, written.m_alarms.m_recipients);
  uint16_t hour = 0, minute = 0;
  loaded.m_alarms.m_alarm[4].GetAzanTime(hour, minute);
  EXPECT_EQ(hour, 18);
  EXPECT_EQ(minute, 6);
}

TEST_F(PreferencesTest, AlarmTagOneSkipsTheOlderBlockAndKeepsDefaults) {
  Bytes bytes = PreferencesHead(1);
  for (int i = 0; i < 168; ++i) bytes.push_back(static_cast<uint8_t>(0xA5 ^ i));
  ASSERT_EQ(bytes.size(), 196u);
  CPreferences loaded;
  Load(bytes, loaded);
  for (const CAlarmSetting& entry : loaded.m_alarms.m_alarm) {
    EXPECT_FALSE(entry.IsOn());
    EXPECT_EQ(entry.m_wAzanTime, 0);
    EXPECT_EQ(entry.m_nIqamahDelay, 15);
  }
  EXPECT_EQ(loaded.m_alarms.m_bPlaySound, 0);
  EXPECT_TRUE(loaded.m_alarms.m_recipients.empty());
  EXPECT_EQ(loaded.m_bDirty, 0);
  EXPECT_EQ(loaded.m_alarms.m_bDirty, 0);

  // One byte short of the older block is an end of file.
  bytes.pop_back();
  CPreferences cut;
  EXPECT_THROW(Load(bytes, cut), CArchiveException);
  EXPECT_EQ(cut.m_alarms.m_bDirty, 1);
}

TEST_F(PreferencesTest, AnyOtherAlarmTagLoadsTheCurrentLayout) {
  CPreferences written;
  written.m_alarms.SetAlarm(2, true, 0x0D0F, 10);
  const Bytes current = Store(written);
  for (uint32_t tag : {0u, 3u, 7u, 0xFFFFFFFFu}) {
    Bytes bytes = current;
    testing::PutLe32(bytes, 24, tag);
    CPreferences loaded;
    Load(bytes, loaded);
    EXPECT_TRUE(loaded.m_alarms.m_alarm[2].IsOn()) << tag;
    EXPECT_EQ(Store(loaded), current) << tag;  // written back with tag 2
  }
}

TEST_F(PreferencesTest, ARecipientCountBeyondTheFileFailsBeforeReadingNames) {
  CPreferences written;
  written.m_alarms.m_recipients = {"abc"};
  Bytes bytes = Store(written);
  for (uint32_t count : {2u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    testing::PutLe32(bytes, 86, count);
    CPreferences loaded;
    try {
      Load(bytes, loaded);
      ADD_FAILURE() << count << ": loaded";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.cause(), CArchiveException::kEndOfFile);
      // 2 names need at least 2 bytes and 4 remain: that fails in the text.
      EXPECT_EQ(e.offset(), count == 2 ? 94u : 90u) << count;
    }
    EXPECT_LE(loaded.m_alarms.m_recipients.size(), 1u);
    EXPECT_EQ(loaded.m_alarms.m_bDirty, 1);
  }
}

TEST_F(PreferencesTest, SettersReportOnlyRealChanges) {
  CPreferences preferences;
  Load(Store(preferences), preferences);
  preferences.Set(0, 1, 18, 18);
  EXPECT_EQ(preferences.m_bDirty, 0);
  preferences.Set(0, 1, 18, 19);
  EXPECT_EQ(preferences.m_bDirty, 1);

  CAlarmTable& alarms = preferences.m_alarms;
  EXPECT_FALSE(alarms.SetAlarm(2, false, 0, 15));
  EXPECT_FALSE(alarms.SetPlaySound(0));
  EXPECT_EQ(alarms.m_bDirty, 0);
  EXPECT_TRUE(alarms.SetAlarm(2, true, 0x0D0F, 10));  // Zuhr on at 13:15
  EXPECT_EQ(alarms.m_bDirty, 1);
  EXPECT_TRUE(alarms.SetAlarm(2, true, 0x0D0F, 10));  // unsaved change still reported
  EXPECT_TRUE(alarms.SetPlaySound(1));
  EXPECT_FALSE(alarms.SetAlarm(6, true, 0, 15));
  EXPECT_FALSE(alarms.SetAlarm(-1, true, 0, 15));
}

TEST(AlarmTable, FindsTheNearestSwitchedOnEntry) {
  const struct {
    uint8_t on;  // bit i = entry i on
    int32_t from;
    int32_t prev, next;
  } cases[] = {
      {0b000001, 5, 0, -1},   {0b100000, 0, -1, 5},         {0b000000, 3, -1, -1},
      {0b010101, 4, 2, -1},   {0b010101, 2, 0, 4},          {0b000001, -1, -1, 0},
      {0b111111, 0, -1, 1},   {0b111111, 5, 4, -1},         {0b100001, 99, 5, -1},
      {0b100001, -99, -1, 0}, {0b100001, INT32_MAX, 5, -1}, {0b100001, INT32_MIN, -1, 0},
  };
  for (const auto& c : cases) {
    CAlarmTable table;
    for (int i = 0; i < 6; ++i) table.SetAlarm(i, (c.on >> i) & 1, 0, 15);
    EXPECT_EQ(table.FindPrevEnabled(c.from), c.prev) << int(c.on) << " from " << c.from;
    EXPECT_EQ(table.FindNextEnabled(c.from), c.next) << int(c.on) << " from " << c.from;
  }
}

TEST(Preferences, AnglesInRadiansAsStored) {
  CPreferences preferences;
  EXPECT_DOUBLE_EQ(preferences.GetFajrAngleRadians(), 18 * 3.141592653589793 / 180);
  preferences.Set(0, 1, 30, -1);  // out of the dialog's range, passed on as is
  EXPECT_DOUBLE_EQ(preferences.GetFajrAngleRadians(), 30 * 3.141592653589793 / 180);
  EXPECT_DOUBLE_EQ(preferences.GetIshaAngleRadians(), 4294967295.0 * 3.141592653589793 / 180);
}

}  // namespace
}  // namespace kestrivane
