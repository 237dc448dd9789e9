#include "tools/times_options.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

#include "calc/conversions.h"
#include "timetable/timetable_text.h"

namespace kestrivane {

namespace {

// A whole decimal number, nothing else around it.
std::optional<long> ParseInteger(const std::string& text) {
  if (text.empty() || text.size() > 9) {
    return std::nullopt;
  }
  std::size_t start = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (start == text.size()) {
    return std::nullopt;
  }
  for (std::size_t i = start; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
      return std::nullopt;
    }
  }
  return std::strtol(text.c_str(), nullptr, 10);
}

std::optional<double> ParseNumber(const std::string& text) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) {
    return std::nullopt;
  }
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (errno != 0 || *end != '\0' || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<int32_t> ParseAngle(const std::string& text) {
  const auto value = ParseInteger(text);
  if (!value || *value < 11 || *value > 24) {
    return std::nullopt;
  }
  return static_cast<int32_t>(*value);
}

}  // namespace

std::optional<CivilDay> ParseDate(const std::string& text) {
  const auto firstDash = text.find('-');
  const auto secondDash = text.find('-', firstDash == std::string::npos ? 0 : firstDash + 1);
  if (firstDash == std::string::npos || secondDash == std::string::npos ||
      text.size() - secondDash - 1 != 2 || secondDash - firstDash - 1 != 2) {
    return std::nullopt;
  }
  const auto year = ParseInteger(text.substr(0, firstDash));
  const auto month = ParseInteger(text.substr(firstDash + 1, 2));
  const auto day = ParseInteger(text.substr(secondDash + 1));
  if (!year || !month || !day || text[0] == '-' || text[0] == '+' || *year < 1 ||
      *year > 9999 || *month < 1 || *month > 12 || *day < 1) {
    return std::nullopt;
  }
  if (*day > DaysInMonth(static_cast<int16_t>(*year), static_cast<int16_t>(*month))) {
    return std::nullopt;
  }
  return CivilDay{static_cast<int32_t>(*year), static_cast<int32_t>(*month),
                  static_cast<int32_t>(*day)};
}

std::optional<YearMonth> ParseYearMonth(const std::string& text) {
  if (text.size() != 7 || text[4] != '-' || !std::isdigit(static_cast<unsigned char>(text[0])) ||
      !std::isdigit(static_cast<unsigned char>(text[5]))) {
    return std::nullopt;
  }
  const auto year = ParseInteger(text.substr(0, 4));
  const auto month = ParseInteger(text.substr(5, 2));
  // The month dialog's range.
  if (!year || !month || !IsTimetableYear(static_cast<int32_t>(*year)) || *month < 1 ||
      *month > 12) {
    return std::nullopt;
  }
  return YearMonth{static_cast<int16_t>(*year), static_cast<int16_t>(*month)};
}

std::optional<Coordinate> ParseCoordinate(const std::string& text, int maxDegrees,
                                          char positive, char negative) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon == 0 || text.size() < colon + 3) {
    return std::nullopt;
  }
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  if (letter != positive && letter != negative) {
    return std::nullopt;
  }
  const std::string degreesText = text.substr(0, colon);
  const std::string minutesText = text.substr(colon + 1, text.size() - colon - 2);
  if (!std::isdigit(static_cast<unsigned char>(degreesText[0])) || minutesText.empty() ||
      !std::isdigit(static_cast<unsigned char>(minutesText[0]))) {
    return std::nullopt;
  }
  const auto degrees = ParseInteger(degreesText);
  const auto minutes = ParseInteger(minutesText);
  if (!degrees || !minutes || *degrees > maxDegrees || *minutes > 59 ||
      (*degrees == maxDegrees && *minutes != 0)) {
    return std::nullopt;
  }
  return Coordinate{static_cast<int16_t>(*degrees), static_cast<int16_t>(*minutes), letter};
}

ParsedTimesOptions ParseTimesOptions(const std::vector<std::string>& arguments) {
  ParsedTimesOptions parsed;
  TimesOptions& o = parsed.options;

  const std::map<std::string, bool*> switches = {
      {"--dst", &o.daylightSaving}, {"--24h", &o.use24Hour},   {"--json", &o.json},
      {"--qiblah", &o.qiblah},      {"--version", &o.version}, {"--help", &o.help},
      {"--crlf", &o.crlf},
  };

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
          const auto zone = ParseNumber(v);
          if (!zone || *zone < -12 || *zone > 14) return false;
          o.timeZone = *zone;
          return true;
        }}},
      {"--alt",
       {"whole metres from 0 to 65535",
        [&](const std::string& v) {
          const auto metres = ParseInteger(v);
          if (!metres || *metres < 0 || *metres > 65535) return false;
          o.altitude = static_cast<uint16_t>(*metres);
          return true;
        }}},
      {"--fiqh",
       {"shafii or hanafi",
        [&](const std::string& v) {
          if (v == "shafii") o.fiqh = 0;
          else if (v == "hanafi") o.fiqh = 1;
          else return false;
          return true;
        }}},
      {"--fajr",
       {"whole degrees from 11 to 24",
        [&](const std::string& v) { return bool(o.fajrAngle = ParseAngle(v)); }}},
      {"--isha",
       {"whole degrees from 11 to 24",
        [&](const std::string& v) { return bool(o.ishaAngle = ParseAngle(v)); }}},
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
      parsed.error = "unknown argument '" + arguments[i] + "' (see --help)";
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
      parsed.error = name + ": '" + *value + "' is not valid; expected " + v->second.form;
      return parsed;
    }
  }

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
