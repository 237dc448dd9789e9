#include "settings/extra_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

#include "settings/ini_text.h"

namespace kestrivane {

namespace {

constexpr const char* kPrayerKeys[kPrayerCount] = {"Fajr", "Shurooq", "Zuhr",
                                                   "Asr",  "Maghrib", "Isha"};
constexpr double kMaxAngle = 30;          // degrees below the horizon
constexpr int32_t kMaxIshaMinutes = 240;  // after Maghrib

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

// At most three digits, signed only where the range goes below zero.
std::optional<int32_t> ParseWhole(std::string_view text, int32_t low, int32_t high) {
  const bool negative = low < 0 && !text.empty() && text[0] == '-';
  if (low < 0 && !text.empty() && (negative || text[0] == '+')) text.remove_prefix(1);
  int32_t value = 0;
  if (!AllDigits(text) || text.size() > 3) return std::nullopt;
  std::from_chars(text.data(), text.data() + text.size(), value);
  value = negative ? -value : value;
  if (value < low || value > high) return std::nullopt;
  return value;
}

// Digits, and digits after a point if there is one.
std::optional<double> ParseAngle(std::string_view text) {
  const auto point = text.find('.');
  if (text.size() > 16 || !AllDigits(text.substr(0, point)) ||
      (point != std::string_view::npos && !AllDigits(text.substr(point + 1)))) {
    return std::nullopt;
  }
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (value > kMaxAngle) return std::nullopt;
  return value;
}

std::optional<bool> ParseBool(std::string_view text) {
  if (text == "true") return true;
  if (text == "false") return false;
  return std::nullopt;
}

// The shortest form that reads back as the same double; room for the longest.
std::string Decimal(double value) {
  char text[1100];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
  return std::string(text, end);
}

constexpr const char* kHijriCalendarNames[] = {"none", "umm-al-qura", "civil"};

std::optional<HijriCalendar> HijriCalendarNamed(std::string_view text) {
  for (int i = 0; i < 3; ++i) {
    if (text == kHijriCalendarNames[i]) return static_cast<HijriCalendar>(i);
  }
  return std::nullopt;
}

std::string Signed(int32_t value) { return (value > 0 ? "+" : "") + std::to_string(value); }

// Looks values up; the first failure is kept and every read after it is skipped.
struct IniReader {
  const ParsedIni& ini;
  std::string error;

  const IniSection* Section(const char* name) const {
    const auto found = std::find_if(ini.sections.begin(), ini.sections.end(),
                                    [&](const IniSection& s) { return s.name == name; });
    return found == ini.sections.end() ? nullptr : &*found;
  }

  template <typename T, typename Parse>
  void Read(const char* section, const std::string& key, const char* form, Parse parse, T& to) {
    if (!error.empty()) return;
    const IniSection* found = Section(section);
    const std::string* text = found == nullptr ? nullptr : found->Find(key);
    const std::string where = key + " in [" + section + "]";
    if (text == nullptr) {
      error = "it has no " + where;
    } else if (const std::optional<T> value = parse(*text)) {
      to = *value;
    } else {
      error = where + " is not " + form;
    }
  }
};

}  // namespace

std::string ExtraSettingsToIni(const ExtraSettings& settings) {
  const CalculationMethod& m = settings.method;
  IniSection method{"Method", {{"Name", std::string(MethodName(m.id))}}};
  if (m.id != MethodId::kClassic) {
    method.entries.insert(method.entries.end(),
                          {{"FajrAngle", Decimal(m.fajrAngle)},
                           {"IshaAngle", Decimal(m.ishaAngle)},
                           {"IshaMinutes", std::to_string(m.ishaMinutes)},
                           {"IshaMinutesInRamadan", std::to_string(m.ishaMinutesInRamadan)},
                           {"MaghribAngle", Decimal(m.maghribAngle)},
                           {"Rounding", std::string(RoundingName(m.rounding))},
                           {"HighLatitude", std::string(HighLatitudeRuleName(m.highLatitude))}});
  }
  IniSection adjustments{"Adjustments", {}};
  IniSection alarms{"Alarms", {}};
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    const std::string key = kPrayerKeys[prayer];
    const AlarmFollowing& following = settings.following[static_cast<std::size_t>(prayer)];
    adjustments.entries.emplace_back(key, Signed(m.adjustments[static_cast<std::size_t>(prayer)]));
    alarms.entries.emplace_back(key + "Follows", following.follows ? "true" : "false");
    alarms.entries.emplace_back(key + "Offset", std::to_string(following.offsetMinutes));
  }
  std::vector<IniSection> sections{method, adjustments, alarms};
  if (const HijriSettings& h = settings.hijri; h != HijriSettings{}) {
    sections.push_back({"Hijri",
                        {{"Calendar", kHijriCalendarNames[static_cast<int>(h.calendar)]},
                         {"Adjustment", Signed(h.adjustment)},
                         {"TimetableColumn", h.timetableColumn ? "true" : "false"}}});
  }
  return "; Kestrivane: the calculation method and the alarms that follow their prayer.\n"
         "; Prefs.dat beside it holds the other settings.\n" +
         FormatIni(sections);
}

ParsedExtraSettings ExtraSettingsFromIni(std::string_view text) {
  const ParsedIni ini = ParseIni(text);
  if (!ini.ok()) return {{}, ini.error};
  IniReader in{ini, ""};
  ExtraSettings settings;
  CalculationMethod& m = settings.method;
  MethodId id = MethodId::kClassic;
  in.Read("Method", "Name", "a method's name", MethodIdNamed, id);
  if (id != MethodId::kClassic) {
    m = MethodFor(id);
    const auto angle = "a number of degrees from 0 to 30";
    const auto minutes = [](std::string_view v) { return ParseWhole(v, 0, kMaxIshaMinutes); };
    in.Read("Method", "FajrAngle", angle, ParseAngle, m.fajrAngle);
    in.Read("Method", "IshaAngle", angle, ParseAngle, m.ishaAngle);
    in.Read("Method", "IshaMinutes", "whole minutes from 0 to 240", minutes, m.ishaMinutes);
    in.Read("Method", "IshaMinutesInRamadan", "whole minutes from 0 to 240", minutes,
            m.ishaMinutesInRamadan);
    in.Read("Method", "MaghribAngle", angle, ParseAngle, m.maghribAngle);
    in.Read("Method", "Rounding", "truncate, nearest or up", RoundingNamed, m.rounding);
    in.Read("Method", "HighLatitude", "seventh, middle or angle", HighLatitudeRuleNamed,
            m.highLatitude);
  }
  const auto adjustment = [](std::string_view v) {
    return ParseWhole(v, -kMaxAdjustment, kMaxAdjustment);
  };
  const auto offset = [](std::string_view v) { return ParseWhole(v, 0, kMaxFollowOffset); };
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    const std::string key = kPrayerKeys[prayer];
    AlarmFollowing& following = settings.following[static_cast<std::size_t>(prayer)];
    in.Read("Adjustments", key, "whole minutes from -30 to +30", adjustment,
            m.adjustments[static_cast<std::size_t>(prayer)]);
    in.Read("Alarms", key + "Follows", "true or false", ParseBool, following.follows);
    in.Read("Alarms", key + "Offset", "whole minutes from 0 to 60", offset,
            following.offsetMinutes);
  }
  if (in.Section("Hijri") != nullptr) {
    HijriSettings& h = settings.hijri;
    in.Read("Hijri", "Calendar", "none, umm-al-qura or civil", HijriCalendarNamed, h.calendar);
    in.Read(
        "Hijri", "Adjustment", "whole days from -2 to +2",
        [](std::string_view v) { return ParseWhole(v, -kMaxHijriAdjustment, kMaxHijriAdjustment); },
        h.adjustment);
    in.Read("Hijri", "TimetableColumn", "true or false", ParseBool, h.timetableColumn);
  }
  if (!in.error.empty()) return {{}, in.error};
  return {settings, ""};
}

}  // namespace kestrivane
