// kestrivane-times: one day's prayer times (or the Qiblah bearing) for a
// location, from the command line.

#include <ctime>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "kestrivane/version.h"
#include "platform/city_database.h"
#include "platform/plain_text.h"
#include "settings/locations_document.h"
#include "settings/replace_file.h"
#include "timetable/timetable_print.h"
#include "timetable/timetable_text.h"
#include "tools/prefs_dump.h"
#include "tools/times_city.h"
#include "tools/times_month.h"
#include "tools/times_options.h"
#include "tools/times_report.h"

namespace {

constexpr const char* kUsage =
    "usage: kestrivane-times [--date YYYY-MM-DD] [--lat D:MM{N|S}] [--lon D:MM{E|W}]\n"
    "                        [--tz HOURS] [--alt METRES] [--fiqh shafii|hanafi]\n"
    "                        [--fajr DEG] [--isha DEG] [--dst] [--24h] [--json]\n"
    "                        [--qiblah] [--prefs FILE] [--dump-prefs FILE] [--version]\n"
    "                        [--method NAME] [--isha-minutes N] [--adjust PRAYER=MIN,...]\n"
    "                        [--rounding truncate|nearest|up] [--high-latitude "
    "seventh|middle|angle]\n"
    "                        [--hijri-calendar umm-al-qura|civil] [--hijri-adjust DAYS]\n"
    "       kestrivane-times --month YYYY-MM [--crlf] [--ics FILE | --pdf FILE]\n"
    "                        [location, preference and method options] [--prefs FILE]\n"
    "       kestrivane-times --list-methods\n"
    "       kestrivane-times --city NAME [--date YYYY-MM-DD | --month YYYY-MM] [other options]\n"
    "       kestrivane-times --city-list NAME\n";

// The settings are only read here; nothing is reported through it.
class SilentReporter : public kestrivane::SettingsReporter {
 public:
  void ReportError(const std::string&) override {}
};

kestrivane::CivilDay Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// DTSTAMP: when the calendar was made.
std::string UtcStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &utc);
  return stamp;
}

int Fail(const std::string& error) {
  std::cerr << "kestrivane-times: " << error << '\n';
  return 1;
}

// The city database, or a line saying why there is none.
const kestrivane::CityDatabase* Cities() {
  const kestrivane::CityDatabase& database = kestrivane::CityDatabase::Shared();
  if (database.loaded()) return &database;
  std::cerr << "kestrivane-times: the city database cannot be read ("
            << database.error().toStdString()
            << "); install the package libgweather-4-common for --city and --city-list\n";
  return nullptr;
}

int RunMonth(const kestrivane::TimesOptions& options, const kestrivane::CLocations& document) {
  using namespace kestrivane;
  const YearMonth month = *options.month;
  const TimesSettings settings =
      ResolveSettings(options, {month.year, month.month, 1}, document.m_location,
                      document.m_preferences, document.m_extra.method, document.m_extra.hijri);
  const std::string text =
      BuildTimetableText(settings.location, settings.preferences, settings.method, month.year,
                         month.month, settings.hijri);
  std::string error;
  if (options.pdfFile) {
    return WriteTimetablePdf(*options.pdfFile, text, ComputeQiblah(settings), error) ? 0
                                                                                     : Fail(error);
  }
  if (!options.icsFile) {
    WriteMonthText(std::cout, text, options.crlf);
    return std::cout.good() ? 0 : 1;
  }
  // The whole calendar first: a refused one leaves the file as it was.
  std::ostringstream ics;
  if (!WriteMonthCalendar(ics, settings.location, settings.preferences, settings.method, month,
                          UtcStamp(), error, settings.hijri)) {
    return Fail(error);
  }
  if (*options.icsFile == "-") {
    std::cout << ics.str();
    return std::cout.good() ? 0 : 1;
  }
  error = ExportFile(*options.icsFile, ics.str());
  return error.empty() ? 0 : Fail(error);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kestrivane;
  const ParsedTimesOptions parsed =
      ParseTimesOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.ok()) {
    std::cerr << "kestrivane-times: " << parsed.error << '\n';
    return 2;
  }
  TimesOptions options = parsed.options;
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  if (options.listMethods) {
    WriteMethodList(std::cout);
    return std::cout.good() ? 0 : 1;
  }
  if (options.version) {
    std::cout << "kestrivane-times " << kVersionString << '\n';
    return 0;
  }
  if (options.cityList) {
    const CityDatabase* cities = Cities();
    if (cities == nullptr) return 1;
    if (WriteCityList(std::cout, *cities, *options.cityList)) return std::cout.good() ? 0 : 1;
    return Fail("--city-list: no city in the city database is called '" +
                EscapeForDisplay(*options.cityList) + "'");
  }

  SilentReporter silent;
  CLocations document(silent);
  if (options.dumpPrefsFile || options.prefsFile) {
    const std::string& path = options.dumpPrefsFile ? *options.dumpPrefsFile : *options.prefsFile;
    std::string error;
    switch (ReadPrefsFile(path, document, error)) {
      case PrefsFileResult::kFailed:
        return Fail(error);
      case PrefsFileResult::kMissing:
        if (options.dumpPrefsFile) {
          return Fail("the settings file \"" + path + "\" does not exist");
        }
        std::cerr << "kestrivane-times: the settings file \"" << path
                  << "\" does not exist; using the defaults\n";
        break;
      case PrefsFileResult::kLoaded:
        if (!error.empty()) std::cerr << "kestrivane-times: " << error << '\n';
        break;
    }
  }
  if (options.dumpPrefsFile) {
    WritePrefsJson(std::cout, document);
    return std::cout.good() ? 0 : 1;
  }

  if (!options.method && document.m_extra.method.id == MethodId::kClassic) {
    if (const std::string conflict = ClassicMethodConflict(options); !conflict.empty()) {
      std::cerr << "kestrivane-times: " << conflict << '\n';
      return 2;
    }
  }
  if (options.city) {
    const CityDatabase* cities = Cities();
    if (cities == nullptr) return 1;
    std::string found;
    const std::string error = ApplyCityOption(*cities, options, document.m_location,
                                              options.date.value_or(Today()), found);
    if (!error.empty()) return Fail(error);
    std::cerr << "kestrivane-times: " << found << '\n';
  }
  if (options.month) return RunMonth(options, document);

  const TimesSettings settings =
      ResolveSettings(options, Today(), document.m_location, document.m_preferences,
                      document.m_extra.method, document.m_extra.hijri);
  if (options.json) {
    WriteJson(std::cout, settings.date, ComputeHijri(settings), ComputeTimes(settings),
              ComputeQiblah(settings));
  } else if (options.qiblah) {
    WritePlainQiblah(std::cout, ComputeQiblah(settings));
  } else {
    WritePlainTimes(std::cout, ComputeTimes(settings), settings.use24Hour);
    WritePlainHijri(std::cout, ComputeHijri(settings));
  }
  return std::cout.good() ? 0 : 1;
}
