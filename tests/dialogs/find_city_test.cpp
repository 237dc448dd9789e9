// Find a City over GNOME's database as Debian ships it: what Define
// Location fills for cities of six zones, and that the filled location
// gives, on every day of 2026, the times of the zone's true offset that day.

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimeZone>
#include <vector>

#include "dialogs/find_city_dlg.h"
#include "dialogs/location_edit_dlg.h"
#include "platform/city_database.h"
#include "platform/dialog_builder.h"
#include "platform/zone_changes.h"
#include "settings/day_times.h"

namespace kestrivane {
namespace {

struct CityRow {
  const char* search;
  const char* names;
  const char* position;
  double zone;
  uint16_t start, end;
  const char* note;  // part of the line Define Location shows
};

TEST(FindCity, FillsALocationThatKeepsTheZonesOffsetOnEveryDayOf2026) {
  const CityDatabase database(kLocationsFile, kLocaleFolder, "en");
  ASSERT_TRUE(database.loaded()) << database.error().toStdString();
  const CityRow rows[] = {
      {"islamabad", "Islamabad, Pakistan", "33:42 N 73:10 E", 5, 0x0220, 0x0920, "no daylight"},
      {"New York", "New York, United States", "40:43 N 74:00 W", -5, 0x8208, 0x0A00, "Configure"},
      {"Sydney", "Sydney, Australia", "33:53 S 151:13 E", 10, 0x8900, 0x0300, "Configure"},
      // The database has no Casablanca; Rabat keeps its zone.
      {"Rabat", "Rabat, Morocco", "34:01 N 6:50 W", 0, 0x8295, 0x018E, "next year"},
      {"Jakarta", "Jakarta, Indonesia", "6:10 S 106:50 E", 7, 0x0220, 0x0920, "no daylight"},
      {"Tehran", "Tehran, Iran", "35:42 N 51:25 E", 3.5, 0x0220, 0x0920, "no daylight"},
  };
  const CPreferences preferences;
  for (const CityRow& row : rows) {
    SCOPED_TRACE(row.search);
    const City& city = *database.Search(row.search).at(0);
    CLocation location;
    CLocationEditDlg dialog;
    dialog.LoadFrom(location);
    const QString note = dialog.ApplyCity(city, FitIanaZone(city.zone, 2026));
    dialog.SaveTo(location);
    EXPECT_EQ(location.m_strCity + ", " + location.m_strCountry, row.names);
    EXPECT_EQ(location.FormatLatitude() + " " + location.FormatLongitude(), row.position);
    EXPECT_EQ(location.m_nAltitude, 550) << "the altitude stays";
    EXPECT_EQ(location.m_dTimeZone, row.zone);
    EXPECT_EQ(location.m_dstRule.m_wStart, row.start);
    EXPECT_EQ(location.m_dstRule.m_wEnd, row.end);
    EXPECT_TRUE(note.contains(row.note)) << note.toStdString();

    const QTimeZone zone(city.zone);
    CLocation truth = location;
    for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1)) {
      truth.m_dTimeZone = zone.offsetFromUtc(QDateTime(d, QTime(12, 0), zone)) / 3600.0;
      const CivilDay day{d.year(), d.month(), d.day()};
      ASSERT_EQ(ComputePrayerTimes(location, preferences, day),
                ComputePrayerTimes(truth, preferences, day, 0))
          << d.toString(Qt::ISODate).toStdString();
    }
  }
}

TEST(FindCity, RanksNamesInAnyLanguageIgnoringCaseAndAccents) {
  // Each search's matches hold these, in this order.
  const std::tuple<const char*, const char*, std::vector<QString>> rows[] = {
      {"en",
       "york",
       {"York, Nebraska, United States", "Yorkton, Saskatchewan, Canada",
        "New York, New York, United States"}},
      {"en", "ZURICH", {"Zürich, Switzerland"}},
      // Without the hamza and the madda, shown in Arabic.
      {"ar_PK.UTF-8", "اسلام اباد", {"إسلام آباد, باكستان"}},
  };
  for (const auto& [language, text, expected] : rows) {
    const CityDatabase database(kLocationsFile, kLocaleFolder, language);
    size_t next = 0;
    for (const City* city : database.Search(QString::fromUtf8(text))) {
      if (next < expected.size() && city->Shown() == expected[next]) ++next;
    }
    EXPECT_EQ(next, expected.size()) << text;
  }
}

TEST(FindCity, TypingListsMatchesOkChoosesAndAMissingDatabaseIsSaid) {
  const CityDatabase present(kLocationsFile, kLocaleFolder, "en");
  const CityDatabase missing("/nonexistent/Locations.xml", kLocaleFolder, "en");
  for (const CityDatabase* database : {&present, &missing}) {
    CFindCityDlg dialog(nullptr, database);
    SetControlText(&dialog, IDC_CITY_SEARCH, "Islamabad");
    qobject_cast<QPushButton*>(FindControl(&dialog, IDOK))->click();
    auto* list = qobject_cast<QListWidget*>(FindControl(&dialog, IDC_CITY_MATCHES));
    const QString status = qobject_cast<QLabel*>(FindControl(&dialog, IDC_CITY_STATUS))->text();
    if (database == &present) {
      EXPECT_EQ(list->item(0)->text(), "Islamabad, Pakistan");
      ASSERT_NE(dialog.m_pChosen, nullptr);
      EXPECT_EQ(dialog.m_pChosen->zone, "Asia/Karachi");
    } else {
      EXPECT_EQ(list->count(), 0);
      EXPECT_EQ(dialog.m_pChosen, nullptr) << "OK waits for a match";
      EXPECT_TRUE(status.contains("libgweather-4-common")) << status.toStdString();
    }
  }
}

}  // namespace
}  // namespace kestrivane
