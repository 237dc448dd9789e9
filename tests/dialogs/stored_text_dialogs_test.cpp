// Stored names (city, country, recipients) through every settings dialog:
// a settings file's bytes kept through each OK, typed names stored as
// Windows-1252 where they can be and as UTF-8 otherwise, and names read by
// the messenger's listener.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/mailslot_wire.h"
#include "settings/locations_document.h"
#include "tests/dialogs/dialog_records.h"
#include "tools/messenger_display.h"

namespace kestrivane {
namespace {

using namespace testing;

struct FailingReporter : SettingsReporter {
  void ReportError(const std::string& message) override { ADD_FAILURE() << message; }
};

// The records as Prefs.dat holds them, and back.
std::string Saved(const Records& records) {
  FailingReporter reporter;
  CLocations document(reporter);
  document.m_location = records.location;
  document.m_preferences = records.preferences;
  EXPECT_TRUE(document.OnSaveDocument("Prefs.dat"));
  return ReadFileBytes("Prefs.dat");
}
Records Loaded(const std::string& file) {
  std::ofstream("Prefs.dat", std::ios::binary) << file;
  FailingReporter reporter;
  CLocations document(reporter);
  EXPECT_TRUE(document.ReadDocument("Prefs.dat"));
  Records records;
  records.location = document.m_location;
  records.preferences = document.m_preferences;
  return records;
}

TEST_F(DialogTest, A1252FileComesBackByteForByteThroughEveryDialogsOk) {
  Records written;
  written.location.m_strCity = "Z\xFCrich\x81";         // Windows-1252, an unassigned byte
  written.location.m_strCountry = "\xC3\x96sterreich";  // UTF-8, also readable as 1252
  written.location.m_dstRule.m_wStart |= CDstRule::kObserves;
  written.preferences.m_alarms.m_recipients = {"JOS\xC9", "\xC3\x9CMIT"};
  RunDialog(Dialog::Alarms, written, nullptr);  // alarm times as Set Alarms offers them today
  const std::string file = Saved(written);
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
    Records records = Loaded(file);
    RunDialog(run.dialog, records, [&run](QWidget* d) {
      EXPECT_EQ(Observe(*d, run.shown), run.shown);
      Play(d, run.script);
    });
    EXPECT_EQ(Saved(records), file) << run.script;
  }
}

TEST_F(DialogTest, TypedNamesAreStoredAs1252WhereTheyCanBeAndElseAsUtf8) {
  const std::pair<const char*, std::string> rows[] = {
      // typed; stored from the city's length on
      {"1034=Z\xC3\xBCrich;1035=", std::string("\x06Z\xFCrich\x00", 8)},
      {"1034=إسلام آباد;1035=پاکستان", "\x13إسلام آباد\x0eپاکستان"},
  };
  for (const auto& [typed, stored] : rows) {
    Records records;
    RunDialog(Dialog::Location, records, Script(typed));
    EXPECT_EQ(Saved(records).substr(98, stored.size()), stored);
  }
  Records records;  // typed letters become capitals
  RunDialog(Dialog::Recipients, records, Script("1103=m\xC3\xBCller;1104"));
  EXPECT_EQ(Saved(records).substr(90, 11), std::string("\x01\x00\x00\x00\x06M\xDCLLER", 11));
}

TEST(StoredTextNetwork, ListenReadsNamesAndTextAsStoredText) {
  MailslotDatagram datagram;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {"JOSE", kMessengerSuffix};
  datagram.message = *BuildMessengerMessage({"Kestrivane @ M\xDCLLER", "JOS\xC9", "\x80 5"});
  const auto received = ReadMessengerDatagram(*EncodeMailslotDatagram(datagram), std::nullopt);
  EXPECT_EQ(FormatMessageLine(received.message),
            "FROM Kestrivane @ M\xC3\x9CLLER TO JOS\xC3\x89: \xE2\x82\xAC 5");
}

}  // namespace
}  // namespace kestrivane
