#include "settings/locations_document.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/settings/settings_test_support.h"

namespace kestrivane {
namespace {

using testing::Bytes;
using testing::FileExists;
using testing::ReadFile;
using testing::WriteFile;

constexpr const char* kPrefs = "Prefs.dat";

class DocumentTest : public ::testing::Test {
 protected:
  // Every stored value differs from its default, with the default file's
  // layout: 145 bytes, no recipients, names of 9 and 8 characters.
  static void MakeVariant(CLocations& doc) {
    doc.m_preferences.Set(1, 0, 15, 17);
    doc.m_preferences.m_nReserved = 3;
    for (int i = 0; i < 6; ++i) {
      doc.m_preferences.m_alarms.SetAlarm(i, true, static_cast<uint16_t>(0x0500 + i * 0x0203),
                                          static_cast<uint16_t>(20 + i));
    }
    doc.m_preferences.m_alarms.SetPlaySound(1);
    CDstRule rule;
    rule.m_wStart = 0x8900;
    rule.m_wEnd = 0x0300;
    doc.m_location.Set("Mogadishu", "Colombia", 2, 2, true, 45, 20, true, 9, 3.5, rule);
  }

  Bytes VariantFile() {
    CLocations doc(reporter_);
    MakeVariant(doc);
    EXPECT_TRUE(doc.OnSaveDocument("variant.dat"));
    return ReadFile("variant.dat");
  }

  static bool AllFlagsClear(const CLocations& doc) {
    bool clear = !doc.IsModified();
    for (const CAlarmSetting& entry : doc.m_preferences.m_alarms.m_alarm) {
      clear = clear && entry.m_bDirty == 0;
    }
    return clear;
  }

  // Makes saving into the current directory fail: a read-only directory,
  // or, where permissions do not bind (root), a directory standing where
  // the new file must be created.
  void BlockSaving() {
    ASSERT_EQ(::chmod(".", 0555), 0);
    const int probe = ::open("probe", O_WRONLY | O_CREAT, 0644);
    if (probe >= 0) {
      ::close(probe);
      ::unlink("probe");
      ASSERT_EQ(::chmod(".", 0755), 0);
      ASSERT_EQ(::mkdir("Prefs.dat.tmp", 0755), 0);
      blockedByDirectory_ = true;
    }
  }
  void UnblockSaving() {
    if (blockedByDirectory_) {
      ASSERT_EQ(::rmdir("Prefs.dat.tmp"), 0);
    } else {
      ASSERT_EQ(::chmod(".", 0755), 0);
    }
  }
  static std::size_t EntriesInDirectory() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(".")) ++count;
    return count;
  }

  testing::ScratchDirectory scratch_;
  testing::RecordingReporter reporter_;
  bool blockedByDirectory_ = false;
};

TEST_F(DocumentTest, FirstStartWritesTheDefaultFileAndLoadsIt) {
  CLocations doc(reporter_);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.OnOpenDocument(kPrefs));
  EXPECT_TRUE(reporter_.messages.empty());
  EXPECT_EQ(ReadFile(kPrefs), testing::DefaultPrefsFile());
  EXPECT_TRUE(AllFlagsClear(doc));
  EXPECT_FALSE(FileExists("Prefs.dat.tmp"));
  EXPECT_FALSE(FileExists("Prefs.dat.bad"));
}

TEST_F(DocumentTest, RecipientsMoveTheLocationAndEverythingLoadsBack) {
  CLocations written(reporter_);
  MakeVariant(written);
  written.m_preferences.m_alarms.m_recipients = {"abc", "defg"};
  ASSERT_TRUE(written.OnSaveDocument(kPrefs));
  EXPECT_TRUE(AllFlagsClear(written));
  const Bytes bytes = ReadFile(kPrefs);
  ASSERT_EQ(bytes.size(), 145u + 9);
  EXPECT_EQ(Bytes(bytes.begin() + 90, bytes.begin() + 103),
            testing::FromHex("02000000 03 616263 04 64656667"));
  EXPECT_EQ(Bytes(bytes.begin() + 103, bytes.begin() + 108), testing::FromHex("02000000 09"));

  CLocations loaded(reporter_);
  ASSERT_TRUE(loaded.OnOpenDocument(kPrefs));
  EXPECT_TRUE(AllFlagsClear(loaded));
  EXPECT_EQ(loaded.m_preferences.m_alarms.m_recipients,
            written.m_preferences.m_alarms.m_recipients);
  EXPECT_EQ(loaded.m_location.FormatLatitude(), "2:02 S");
  EXPECT_EQ(loaded.m_location.m_dTimeZone, 3.5);
  ASSERT_TRUE(loaded.OnSaveDocument("again.dat"));
  EXPECT_EQ(ReadFile("again.dat"), bytes);
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(DocumentTest, AFileCutAtAnyLengthKeepsWhatWasReadAndIsRewritten) {
  const Bytes variant = VariantFile();
  const Bytes defaults = testing::DefaultPrefsFile();
  ASSERT_EQ(variant.size(), 145u);
  // Where each stored value ends; a value is loaded only when the cut
  // leaves all of it.
  std::vector<std::size_t> ends = {4, 8, 12, 16, 20, 24, 28, 32};
  for (std::size_t i = 0; i < 6; ++i) {
    for (std::size_t end : {36, 37, 39, 41}) ends.push_back(end + 9 * i);
  }
  for (std::size_t end : {90, 94, 98, 108, 117, 119, 121, 122, 124, 126, 127, 129, 137, 141, 143})
    ends.push_back(end);

  for (std::size_t cut = 0; cut < variant.size(); ++cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    reporter_.messages.clear();
    std::filesystem::remove("Prefs.dat.bad");
    const Bytes damaged(variant.begin(), variant.begin() + static_cast<long>(cut));
    WriteFile(kPrefs, damaged);

    CLocations doc(reporter_);
    EXPECT_FALSE(doc.OnOpenDocument(kPrefs));
    ASSERT_EQ(reporter_.messages.size(), 1u);
    EXPECT_NE(reporter_.messages[0].find("\"Prefs.dat\""), std::string::npos);
    std::size_t kept = 0;
    for (std::size_t end : ends) {
      if (end <= cut) kept = end;
    }
    EXPECT_NE(reporter_.messages[0].find("offset " + std::to_string(kept) + ","), std::string::npos)
        << reporter_.messages[0];
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadFile(kPrefs), damaged) << "a failed load must not touch the file";

    ASSERT_TRUE(doc.OnSaveDocument(kPrefs));
    EXPECT_EQ(reporter_.messages.size(), 1u);
    Bytes expected(variant.begin(), variant.begin() + static_cast<long>(kept));
    expected.insert(expected.end(), defaults.begin() + static_cast<long>(kept), defaults.end());
    EXPECT_EQ(ReadFile(kPrefs), expected);
    EXPECT_EQ(ReadFile("Prefs.dat.bad"), damaged);
    EXPECT_FALSE(doc.IsModified());

    CLocations reopened(reporter_);
    EXPECT_TRUE(reopened.OnOpenDocument(kPrefs));
  }
}

TEST_F(DocumentTest, TheDamagedCopyReplacesAnOlderOneOnlyOnce) {
  WriteFile("Prefs.dat.bad", {1, 2, 3});
  const Bytes damaged = {2, 0, 0, 0, 2, 0};
  WriteFile(kPrefs, damaged);
  CLocations doc(reporter_);
  EXPECT_FALSE(doc.OnOpenDocument(kPrefs));
  ASSERT_TRUE(doc.OnSaveDocument(kPrefs));
  EXPECT_EQ(ReadFile("Prefs.dat.bad"), damaged);
  doc.m_preferences.Set(1, 1, 18, 18);
  ASSERT_TRUE(doc.OnSaveDocument(kPrefs));  // the good file is not kept as .bad
  EXPECT_EQ(ReadFile("Prefs.dat.bad"), damaged);

  // A file that loads leaves no copy behind.
  std::filesystem::remove("Prefs.dat.bad");
  CLocations good(reporter_);
  ASSERT_TRUE(good.OnOpenDocument(kPrefs));
  good.m_preferences.Set(0, 1, 18, 18);
  ASSERT_TRUE(good.OnSaveDocument(kPrefs));
  EXPECT_FALSE(FileExists("Prefs.dat.bad"));
  EXPECT_EQ(reporter_.messages.size(), 1u);
}

TEST_F(DocumentTest, OlderAlarmLayoutAndForeignTagsLoad) {
  const Bytes variant = VariantFile();
  // Tag 1: the 168-byte older alarm block, then the location at offset 200.
  Bytes older(variant.begin(), variant.begin() + 28);
  testing::PutLe32(older, 0, 2);
  older.insert(older.end(), {1, 0, 0, 0});
  for (int i = 0; i < 168; ++i) older.push_back(static_cast<uint8_t>(i));
  ASSERT_EQ(older.size(), 200u);
  older.insert(older.end(), variant.begin() + 94, variant.end());
  WriteFile(kPrefs, older);

  CLocations doc(reporter_);
  ASSERT_TRUE(doc.OnOpenDocument(kPrefs));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.m_preferences.m_nIshaAngle, 17);
  EXPECT_EQ(doc.m_preferences.m_alarms.FindNextEnabled(-1), -1);
  EXPECT_EQ(doc.m_preferences.m_alarms.m_alarm[3].m_nIqamahDelay, 15);
  EXPECT_EQ(doc.m_location.m_strCity, "Mogadishu");
  doc.SetModifiedFlag();
  ASSERT_TRUE(doc.OnSaveDocument(kPrefs));
  const Bytes rewritten = ReadFile(kPrefs);
  ASSERT_EQ(rewritten.size(), 145u);
  EXPECT_EQ(rewritten[28], 2);
  EXPECT_EQ(Bytes(rewritten.begin() + 94, rewritten.end()),
            Bytes(variant.begin() + 94, variant.end()));

  // Tag 7 in every record loads as tag 2 does.
  Bytes seven = variant;
  for (std::size_t offset : {0, 4, 28, 32, 41, 50, 59, 68, 77, 94, 137}) {
    ASSERT_EQ(seven[offset], 2) << offset;
    seven[offset] = 7;
  }
  WriteFile(kPrefs, seven);
  CLocations tagged(reporter_);
  ASSERT_TRUE(tagged.OnOpenDocument(kPrefs));
  EXPECT_TRUE(AllFlagsClear(tagged));
  ASSERT_TRUE(tagged.OnSaveDocument("again.dat"));
  EXPECT_EQ(ReadFile("again.dat"), variant);
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(DocumentTest, AMissingFileThatCannotBeCreatedLeavesDefaultsChanged) {
  BlockSaving();
  CLocations doc(reporter_);
  EXPECT_FALSE(doc.OnOpenDocument(kPrefs));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find("\"Prefs.dat\""), std::string::npos);
  EXPECT_FALSE(FileExists(kPrefs));
  EXPECT_EQ(EntriesInDirectory(), blockedByDirectory_ ? 1u : 0u);
  EXPECT_TRUE(doc.IsModified());
  for (const CAlarmSetting& entry : doc.m_preferences.m_alarms.m_alarm) {
    EXPECT_EQ(entry.m_bDirty, 1);
  }
  UnblockSaving();
  ASSERT_TRUE(doc.OnSaveDocument(kPrefs));
  EXPECT_EQ(ReadFile(kPrefs), testing::DefaultPrefsFile());
}

TEST_F(DocumentTest, AFailedSaveKeepsTheOldFileAndTheRaisedFlags) {
  CLocations doc(reporter_);
  ASSERT_TRUE(doc.OnOpenDocument(kPrefs));
  doc.m_preferences.m_alarms.SetAlarm(2, true, 0x0D0F, 10);
  BlockSaving();
  EXPECT_FALSE(doc.OnSaveDocument(kPrefs));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_EQ(ReadFile(kPrefs), testing::DefaultPrefsFile());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_preferences.m_alarms.m_bDirty, 1);
  EXPECT_EQ(doc.m_preferences.m_alarms.m_alarm[2].m_bDirty, 1);
  EXPECT_EQ(doc.m_preferences.m_alarms.m_alarm[1].m_bDirty, 0);
  EXPECT_EQ(doc.m_location.m_bDirty, 0);
  UnblockSaving();
  ASSERT_TRUE(doc.OnSaveDocument(kPrefs));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(ReadFile(kPrefs)[36 + 9 * 2], 1) << "Zuhr's flags byte";
}

TEST_F(DocumentTest, UnreadableSettingsAreReportedNotFatal) {
  ASSERT_EQ(::mkdir(kPrefs, 0755), 0);  // a directory where the file should be
  CLocations doc(reporter_);
  EXPECT_FALSE(doc.OnOpenDocument(kPrefs));
  EXPECT_EQ(reporter_.messages.size(), 1u);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(doc.OnSaveDocument(kPrefs));
  EXPECT_EQ(reporter_.messages.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(kPrefs));
}

}  // namespace
}  // namespace kestrivane
