// Stored names (city, country, recipients) through every settings dialog
// and the main window, and a typed name through saving, loading, the page,
// the PDF, the calendar and the settings dump.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_dlg.h"
#include "dialogs/alarms_dlg.h"
#include "dialogs/location_edit_dlg.h"
#include "dialogs/recipients_dlg.h"
#include "platform/mailslot_wire.h"
#include "resources/menu_template.h"
#include "settings/locations_document.h"
#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"
#include "timetable/page_layout.h"
#include "timetable/timetable_print.h"
#include "timetable/timetable_text.h"
#include "tools/messenger_display.h"
#include "tools/prefs_dump.h"
#include "tools/times_month.h"

namespace kestrivane {
namespace {

using testing::Click;
using testing::WhenModal;

class TestMainDlg : public CMainDlg {
 public:
  LocalTime CurrentTime() override {  // Friday, 7 January 2000, 10:00
    LocalTime time;
    time.year = 2000, time.month = 1, time.day = 7, time.weekday = 5, time.hour = 10;
    return time;
  }
};

struct QuietReporter : SettingsReporter {
  void ReportError(const std::string& message) override { ADD_FAILURE() << message; }
};

// The text a page draws: every TextOut, one a line.
struct TextCanvas : Canvas {
  CanvasFont SelectFont(const CanvasFont& font) override { return font; }
  CanvasPen SelectPen(const CanvasPen& pen) override { return pen; }
  TextExtent MeasureText(const std::string& text) override {
    return {static_cast<int32_t>(text.size()) * 10, 20};
  }
  void TextOut(int32_t, int32_t, const std::string& line) override { text += line + "\n"; }
  void MoveTo(int32_t, int32_t) override {}
  void LineTo(int32_t, int32_t) override {}
  void Ellipse(int32_t, int32_t, int32_t, int32_t) override {}
  void SetPageOrigin(int32_t, int32_t) override {}
  std::string text;
};

class StoredTextTest : public testing::DialogTest {
 protected:
  // Runs one command of the main window, `act` answering its dialog, then
  // saves whatever the settings hold.
  std::string Run(int command, std::function<void(QWidget*)> act) {
    TestMainDlg window;
    EXPECT_TRUE(window.OnInitDialog());
    WhenModal(std::move(act));
    window.OnCmdMsg(command);
    city = GetControlText(&window, IDC_CITY);
    country = GetControlText(&window, IDC_COUNTRY);
    window.Settings()->SetModifiedFlag();
    EXPECT_TRUE(window.Settings()->OnSaveDocument("Prefs.dat"));
    return testing::ReadFileBytes("Prefs.dat");
  }
  std::string city, country;
};

TEST_F(StoredTextTest, A1252FileComesBackByteForByteThroughEveryDialogsOk) {
  // Alarm times as Set Alarms offers them on this day, so its OK keeps them.
  Run(ID_OPTIONS_ALARMS, [](QWidget* d) { Click(*d, IDOK); });
  QuietReporter reporter;
  CLocations document(reporter);
  ASSERT_TRUE(document.ReadDocument("Prefs.dat"));
  document.m_location.m_strCity = "Z\xFCrich\x81";         // Windows-1252, an unassigned byte
  document.m_location.m_strCountry = "\xC3\x96sterreich";  // UTF-8, also readable as 1252
  document.m_location.m_dstRule.m_wStart |= CDstRule::kObserves;
  document.m_preferences.m_alarms.m_recipients = {"JOS\xC9",
                                                  "\xC3\x9C"
                                                  "BER"};
  ASSERT_TRUE(document.OnSaveDocument("Prefs.dat"));
  const std::string file = testing::ReadFileBytes("Prefs.dat");

  const auto ok = [](QWidget* d) { Click(*d, IDOK); };
  const auto inner = [ok](int button) {
    return [=](QWidget* d) {
      WhenModal(ok);
      Click(*d, button);
      Click(*d, IDOK);
    };
  };
  const struct {
    const char* name;
    int command;
    std::function<void(QWidget*)> act;
  } dialogs[] = {
      {"Preferences", ID_OPTIONS_PREFERENCES, ok},
      {"Define Location", ID_OPTIONS_LOCATION, ok},
      {"Daylight Savings", ID_OPTIONS_LOCATION, inner(IDC_CONFIGURE_DST)},
      {"Set Alarms", ID_OPTIONS_ALARMS, ok},
      {"Azan Recipients", ID_OPTIONS_ALARMS, inner(IDC_RECIPIENTS)},
  };
  for (const auto& dialog : dialogs) {
    std::ofstream("Prefs.dat", std::ios::binary) << file;
    EXPECT_EQ(Run(dialog.command, dialog.act), file) << dialog.name;
    EXPECT_EQ(city, "Z\xC3\xBCrich\xC2\x81") << dialog.name;
    EXPECT_EQ(country, "\xC3\x96sterreich") << dialog.name;
  }
}

TEST_F(StoredTextTest, TypedNamesAreStoredAndSurviveEveryExport) {
  const struct {
    std::string city, country, stored;  // typed; the bytes stored from the city on
    std::vector<const char*> glyphs;    // characters the PDF's fonts map back to
    std::string location, json;         // the calendar's LOCATION, the dump's city
  } rows[] = {
      {"Z\xC3\xBCrich",
       "",
       std::string("\x06Z\xFCrich\x00", 8),
       {"<00FC>"},
       "Z\xC3\xBCrich",
       "Z\\u00fcrich"},
      {"إسلام آباد",
       "پاکستان",
       "\x13إسلام آباد\x0eپاکستان",
       {"<0625>", "<062F>"},
       "إسلام آباد\\, پاکستان",
       "\\u0625\\u0633\\u0644\\u0627\\u0645 \\u0622\\u0628\\u0627\\u062f"},
  };
  for (const auto& row : rows) {
    const std::string file = Run(ID_OPTIONS_LOCATION, [&](QWidget* d) {
      testing::Type(*d, IDC_CITY_NAME, row.city);
      testing::Type(*d, IDC_COUNTRY_NAME, row.country);
      Click(*d, IDOK);
    });
    EXPECT_EQ(file.substr(98, row.stored.size()), row.stored);
    EXPECT_EQ(city, row.city);
    QuietReporter reporter;
    CLocations loaded(reporter);
    ASSERT_TRUE(loaded.ReadDocument("Prefs.dat"));
    const std::string timetable =
        BuildTimetableText(loaded.m_location, loaded.m_preferences, 2000, 1);
    TextCanvas page;
    DrawTimetablePage(page, timetable, 0.5);
    EXPECT_EQ(page.text.substr(0, page.text.find('\n')), "Prayer Timetable for " + row.city);
    std::string error;
    ASSERT_TRUE(WriteTimetablePdf("page.pdf", timetable, 0.5, error)) << error;
    const std::string pdf = testing::ReadFileBytes("page.pdf");
    for (const char* glyph : row.glyphs) EXPECT_NE(pdf.find(glyph), std::string::npos) << glyph;
    std::ostringstream ics, json;
    ASSERT_TRUE(WriteMonthCalendar(ics, loaded.m_location, loaded.m_preferences, {2000, 1},
                                   "20000101T000000Z", error));
    std::string calendar = ics.str();
    for (auto fold = calendar.find("\r\n "); fold != std::string::npos;
         fold = calendar.find("\r\n ")) {
      calendar.erase(fold, 3);
    }
    EXPECT_NE(calendar.find("\r\nLOCATION:" + row.location + "\r\n"), std::string::npos);
    WritePrefsJson(json, loaded);
    EXPECT_NE(json.str().find("\"city\":\"" + row.json + "\""), std::string::npos) << json.str();
  }
  const std::string file = Run(ID_OPTIONS_ALARMS, [](QWidget* d) {
    WhenModal([](QWidget* r) {
      testing::Type(*r, IDC_RECIPIENT_NAME, "m\xC3\xBCller");  // typed letters become capitals
      Click(*r, IDC_ADD_RECIPIENT);
      Click(*r, IDOK);
    });
    Click(*d, IDC_RECIPIENTS);
    Click(*d, IDOK);
  });
  EXPECT_EQ(file.substr(90, 11), std::string("\x01\x00\x00\x00\x06M\xDCLLER", 11));
}

TEST(StoredTextNetwork, ListenReadsNamesAndTextAsStoredText) {
  MailslotDatagram datagram;
  datagram.sourceIp = 0x7F000001;
  datagram.source = {"DESK7", kWorkstationSuffix};
  datagram.destination = {"JOSE", kMessengerSuffix};
  datagram.message = *BuildMessengerMessage({"Kestrivane @ M\xDCLLER", "JOS\xC9", "\x80 5"});
  const auto received = ReadMessengerDatagram(*EncodeMailslotDatagram(datagram), std::nullopt);
  EXPECT_EQ(FormatMessageLine(received.message),
            "FROM Kestrivane @ M\xC3\x9CLLER TO JOS\xC3\x89: \xE2\x82\xAC 5");
}

}  // namespace
}  // namespace kestrivane
