#include "tools/times_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>
#include <map>
#include <string_view>

#include "calc/conversions.h"
#include "platform/plain_text.h"
#include "timetable/timetable_text.h"
#include "tools/prayer_names.h"

namespace kestrivane {

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

// A whole number of 1 to 9 decimal digits and nothing else.
std::optional<int32_t> ParseWhole(std::string_view text) {
  int32_t value = 0;
  if (!AllDigits(text) || text.size() > 9) return std::nullopt;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// An optional sign, digits, and digits after a point if there is one.
std::optional<double> ParseDecimal(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (negative || text[0] == '+')) text.remove_prefix(1);
  const auto point = text.find('.');
  if (!AllDigits(text.substr(0, point)) ||
      (point != std::string_view::npos && !AllDigits(text.substr(point + 1)))) {
    return std::nullopt;
  }
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  return negative ? -value : value;
}

// Unsigned, at most nine characters.
std::optional<double> ParseAngle(std::string_view text) {
  if (text.size() > 9 || text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) {
    return std::nullopt;
  }
  const auto value = ParseDecimal(text);
  if (!value || *value < 11 || *value > 24) return std::nullopt;
  return value;
}

// prayer=MINUTES[,prayer=MINUTES...], minutes with an optional sign.
std::optional<std::array<int32_t, kPrayerCount>> ParseAdjustments(std::string_view text) {
  std::array<int32_t, kPrayerCount> minutes{};
  while (true) {
    const auto comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const auto eq = item.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const auto* name =
        std::find_if(std::begin(kPrayerNames), std::end(kPrayerNames),
                     [&](const PrayerName& p) { return item.substr(0, eq) == p.key; });
    std::string_view number = item.substr(eq + 1);
    const bool negative = !number.empty() && number[0] == '-';
    if (!number.empty() && (negative || number[0] == '+')) number.remove_prefix(1);
    const auto value = number.size() <= 2 ? ParseWhole(number) : std::nullopt;
    if (name == std::end(kPrayerNames) || !value || *value > kMaxAdjustment) return std::nullopt;
    minutes[static_cast<std::size_t>(name - std::begin(kPrayerNames))] =
        negative ? -*value : *value;
    if (comma == std::string_view::npos) return minutes;
    text.remove_prefix(comma + 1);
  }
}

std::string MethodNameList() {
  std::string list;
  for (const std::string_view name : MethodNames()) {
    list += list.empty() ? "" : ", ";
    list += name;
  }
  return list;
}

// YYYY-MM-DD, a real date in the years 1 to 9999.
std::optional<CivilDay> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = ParseWhole(text.substr(0, 4));
  const auto month = ParseWhole(text.substr(5, 2));
  const auto day = ParseWhole(text.substr(8, 2));
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
      *day > DaysInMonth(static_cast<int16_t>(*year), static_cast<int16_t>(*month))) {
    return std::nullopt;
  }
  return CivilDay{*year, *month, *day};
}

// YYYY-MM in the month dialog's years.
std::optional<YearMonth> ParseYearMonth(std::string_view text) {
  if (text.size() != 7 || text[4] != '-') return std::nullopt;
  const auto year = ParseWhole(text.substr(0, 4));
  const auto month = ParseWhole(text.substr(5, 2));
  if (!year || !month || !IsTimetableYear(*year) || *month < 1 || *month > 12) {
    return std::nullopt;
  }
  return YearMonth{static_cast<int16_t>(*year), static_cast<int16_t>(*month)};
}

// D:MM and a hemisphere letter, either case; at most maxDegrees:00.
std::optional<Coordinate> ParseCoordinate(std::string_view text, int maxDegrees, char positive,
                                          char negative) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos || colon > 3 || text.size() != colon + 4) {
    return std::nullopt;
  }
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  const auto degrees = ParseWhole(text.substr(0, colon));
  const auto minutes = ParseWhole(text.substr(colon + 1, 2));
  if ((letter != positive && letter != negative) || !degrees || !minutes || *degrees > maxDegrees ||
      *minutes > 59 || (*degrees == maxDegrees && *minutes != 0)) {
    return std::nullopt;
  }
  return Coordinate{static_cast<int16_t>(*degrees), static_cast<int16_t>(*minutes), letter};
}

}  // namespace

std::string ClassicMethodConflict(const TimesOptions& o) {
  // The program's own arithmetic truncates, keeps its seventh of the night,
  // and has 'Isha by angle only.
  const char* option = o.highLatitude  ? "--high-latitude"
                       : o.rounding    ? "--rounding"
                       : o.ishaMinutes ? "--isha-minutes"
                                       : nullptr;
  return option ? std::string(option) + ": not with the classic method (see --method)" : "";
}

ParsedTimesOptions ParseTimesOptions(const std::vector<std::string>& arguments) {
  ParsedTimesOptions parsed;
  TimesOptions& o = parsed.options;

  const std::map<std::string, bool*> switches = {
      {"--dst", &o.daylightSaving}, {"--24h", &o.use24Hour},
      {"--json", &o.json},          {"--qiblah", &o.qiblah},
      {"--version", &o.version},    {"--help", &o.help},
      {"--crlf", &o.crlf},          {"--list-methods", &o.listMethods},
  };

  const std::string methodForm = "one of " + MethodNameList();
  // Each valued option: its allowed form for the error line, and a setter
  // that returns false when the value does not fit that form.
  struct Valued {
    const char* form;
    std::function<bool(const std::string&)> set;
  };
  const auto fileName = [](std::optional<std::string>& target) {
    return [&target](const std::string& v) {
      if (v.empty()) return false;
      target = v;
      return true;
    };
  };
  const std::map<std::string, Valued> valued = {
      {"--prefs", {"a settings file name", fileName(o.prefsFile)}},
      {"--dump-prefs", {"a settings file name", fileName(o.dumpPrefsFile)}},
      {"--ics", {"a file name, or - for standard output", fileName(o.icsFile)}},
      {"--pdf", {"a file name", fileName(o.pdfFile)}},
      {"--city", {"part of a city's name", fileName(o.city)}},
      {"--city-list", {"part of a city's name", fileName(o.cityList)}},
      {"--month",
       {"YYYY-MM, a year from 1900 to 2100 and a month from 01 to 12",
        [&](const std::string& v) { return bool(o.month = ParseYearMonth(v)); }}},
      {"--date",
       {"YYYY-MM-DD, a real date in the years 1 to 9999",
        [&](const std::string& v) { return bool(o.date = ParseDate(v)); }}},
      {"--lat",
       {"D:MM followed by N or S, degrees 0 to 90, minutes 0 to 59",
        [&](const std::string& v) { return bool(o.latitude = ParseCoordinate(v, 90, 'N', 'S')); }}},
      {"--lon",
       {"D:MM followed by E or W, degrees 0 to 180, minutes 0 to 59",
        [&](const std::string& v) {
          return bool(o.longitude = ParseCoordinate(v, 180, 'E', 'W'));
        }}},
      {"--tz",
       {"hours east of Greenwich, a number from -12 to 14",
        [&](const std::string& v) {
          const auto zone = ParseDecimal(v);
          if (!zone || *zone < -12 || *zone > 14) return false;
          o.timeZone = *zone;
          return true;
        }}},
      {"--alt",
       {"whole metres from 0 to 65535",
        [&](const std::string& v) {
          const auto metres = ParseWhole(v);
          if (!metres || *metres > 65535) return false;
          o.altitude = static_cast<uint16_t>(*metres);
          return true;
        }}},
      {"--fiqh",
       {"shafii or hanafi",
        [&](const std::string& v) {
          if (v == "shafii")
            o.fiqh = 0;
          else if (v == "hanafi")
            o.fiqh = 1;
          else
            return false;
          return true;
        }}},
      {"--fajr",
       {"degrees from 11 to 24, decimals allowed",
        [&](const std::string& v) { return bool(o.fajrAngle = ParseAngle(v)); }}},
      {"--isha",
       {"degrees from 11 to 24, decimals allowed",
        [&](const std::string& v) { return bool(o.ishaAngle = ParseAngle(v)); }}},
      {"--method",
       {methodForm.c_str(),
        [&](const std::string& v) { return bool(o.method = MethodIdNamed(v)); }}},
      {"--isha-minutes",
       {"whole minutes from 1 to 240",
        [&](const std::string& v) {
          o.ishaMinutes = ParseWhole(v);
          return o.ishaMinutes && *o.ishaMinutes >= 1 && *o.ishaMinutes <= 240;
        }}},
      {"--adjust",
       {"prayer=MINUTES separated by commas, prayers fajr, shurooq, zuhr, asr, maghrib, isha, "
        "minutes from -30 to +30",
        [&](const std::string& v) { return bool(o.adjustments = ParseAdjustments(v)); }}},
      {"--hijri-calendar",
       {"umm-al-qura or civil",
        [&](const std::string& v) {
          if (v == "umm-al-qura")
            o.hijriCalendar = HijriCalendar::kUmmAlQura;
          else if (v == "civil")
            o.hijriCalendar = HijriCalendar::kCivil;
          else
            return false;
          return true;
        }}},
      {"--hijri-adjust",
       {"whole days from -2 to +2",
        [&](const std::string& v) {
          std::string_view days = v;
          const bool negative = !days.empty() && days[0] == '-';
          if (!days.empty() && (negative || days[0] == '+')) days.remove_prefix(1);
          const auto value = days.size() == 1 ? ParseWhole(days) : std::nullopt;
          if (!value || *value > kMaxHijriAdjustment) return false;
          o.hijriAdjustment = negative ? -*value : *value;
          return true;
        }}},
      {"--rounding",
       {"truncate, nearest or up",
        [&](const std::string& v) { return bool(o.rounding = RoundingNamed(v)); }}},
      {"--high-latitude",
       {"seventh, middle or angle",
        [&](const std::string& v) { return bool(o.highLatitude = HighLatitudeRuleNamed(v)); }}},
  };

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (const auto s = switches.find(name); s != switches.end() && !value) {
      *s->second = true;
      continue;
    }
    const auto v = valued.find(name);
    if (v == valued.end()) {
      parsed.error = "unknown argument '" + EscapeForDisplay(arguments[i]) + "' (see --help)";
      return parsed;
    }
    if (!value) {
      if (i + 1 >= arguments.size()) {
        parsed.error = name + ": missing value; expected " + v->second.form;
        return parsed;
      }
      value = arguments[++i];
    }
    if (!v->second.set(*value)) {
      parsed.error =
          name + ": '" + EscapeForDisplay(*value) + "' is not valid; expected " + v->second.form;
      return parsed;
    }
  }

  if (o.method == MethodId::kClassic || (!o.method && !o.prefsFile)) {
    parsed.error = ClassicMethodConflict(o);
  }
  if (o.ishaMinutes && o.ishaAngle) parsed.error = "--isha-minutes: not with --isha";
  if (o.city && (o.latitude || o.longitude || o.timeZone || o.daylightSaving)) {
    parsed.error = "--city: not with --lat, --lon, --tz or --dst, which the city gives";
  }
  if (!parsed.ok()) return parsed;

  // A month has its own output and takes daylight saving from the rule day by day.
  if (!o.month) {
    if (o.crlf) parsed.error = "--crlf: only with --month YYYY-MM";
    if (o.icsFile) parsed.error = "--ics: only with --month YYYY-MM";
    if (o.pdfFile) parsed.error = "--pdf: only with --month YYYY-MM";
  } else if (o.icsFile && o.pdfFile) {
    parsed.error = "--pdf: not with --ics";
  } else if (o.date) {
    parsed.error = "--month: not with --date";
  } else if (o.json || o.qiblah || o.dumpPrefsFile) {
    parsed.error = "--month: not with --json, --qiblah or --dump-prefs";
  } else if (o.daylightSaving) {
    parsed.error = "--dst: not with --month, where the location's daylight-saving rule decides";
  }
  return parsed;
}

}  // namespace kestrivane
