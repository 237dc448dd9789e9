// Stored names (city, country, recipients) through every settings dialog:
// a settings file's bytes kept through each OK, and typed names stored as
// Windows-1252 where they can be and as UTF-8 otherwise.

#include <gtest/gtest.h>

#include <fstream>

#include "settings/locations_document.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

// Records through Prefs.dat, the way the program saves and loads them.
struct PrefsFile : SettingsReporter {
  void ReportError(const std::string& message) override { ADD_FAILURE() << message; }
  std::string Save(const Records& records) {
    CLocations document(*this);
    document.m_location = records.location, document.m_preferences = records.preferences;
    EXPECT_TRUE(document.OnSaveDocument("Prefs.dat"));
    return ReadFileBytes("Prefs.dat");
  }
  Records Load(const std::string& bytes) {
    std::ofstream("Prefs.dat", std::ios::binary) << bytes;
    CLocations document(*this);
    EXPECT_TRUE(document.ReadDocument("Prefs.dat"));
    Records records;
    records.location = document.m_location, records.preferences = document.m_preferences;
    return records;
  }
};

TEST_F(DialogTest, A1252FileComesBackByteForByteThroughEveryDialogsOk) {
  Records written;
  written.location.m_strCity = "Z\xFCrich\x81";         // Windows-1252, an unassigned byte
  written.location.m_strCountry = "\xC3\x96sterreich";  // UTF-8, also readable as 1252
  written.location.m_dstRule.m_wStart |= CDstRule::kObserves;
  written.preferences.m_alarms.m_recipients = {"JOS\xC9", "\xC3\x9CMIT"};
  RunDialog(Dialog::Alarms, written, nullptr);  // alarm times as Set Alarms offers them today
  PrefsFile prefs;
  const std::string file = prefs.Save(written);
  const struct {
    Dialog dialog;
    const char* shown;   // the names as the user reads them
    const char* script;  // then OK
  } runs[] = {
      {Dialog::Preferences, "", ""},
      {Dialog::Location, "1034=Z\xC3\xBCrich\xC2\x81;1035=\xC3\x96sterreich", "1066>1"},
      {Dialog::Alarms, "", "1101>1"},
  };
  for (const auto& run : runs) {
    Records records = prefs.Load(file);
    RunDialog(run.dialog, records, [&run](QWidget* d) {
      EXPECT_EQ(Observe(*d, run.shown), run.shown);
      Play(d, run.script);
    });
    EXPECT_EQ(prefs.Save(records), file) << run.script;
  }
}

TEST_F(DialogTest, TypedNamesAreStoredAs1252WhereTheyCanBeAndElseAsUtf8) {
  const std::pair<const char*, std::string> rows[] = {
      // typed; stored from the city's length on
      {"1034=Z\xC3\xBCrich;1035=", std::string("\x06Z\xFCrich\x00", 8)},
      {"1034=إسلام آباد;1035=پاکستان", "\x13إسلام آباد\x0eپاکستان"},
  };
  PrefsFile prefs;
  for (const auto& [typed, stored] : rows) {
    Records records;
    RunDialog(Dialog::Location, records, Script(typed));
    EXPECT_EQ(prefs.Save(records).substr(98, stored.size()), stored);
  }
  Records records;  // typed letters become capitals
  RunDialog(Dialog::Recipients, records, Script("1103=m\xC3\xBCller;1104"));
  EXPECT_EQ(prefs.Save(records).substr(90, 11), std::string("\x01\x00\x00\x00\x06M\xDCLLER", 11));
}

}  // namespace
}  // namespace kestrivane
