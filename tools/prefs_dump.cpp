#include "tools/prefs_dump.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "settings/stored_text.h"

namespace kestrivane {

namespace {

class CollectingReporter : public SettingsReporter {
 public:
  void ReportError(const std::string& message) override {
    if (!text.empty()) text += ' ';
    text += message;
  }
  std::string text;
};

// The shortest form that reads back as the same double; JSON has no
// infinities or NaN, so those print as null.
std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char text[32];
  for (int precision = 15; precision <= 17; ++precision) {
    std::snprintf(text, sizeof text, "%.*g", precision, value);
    if (std::strtod(text, nullptr) == value) break;
  }
  return text;
}

std::string Hex16(uint16_t word) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", word);
  return text;
}

}  // namespace

PrefsFileResult ReadPrefsFile(const std::string& path, CLocations& document, std::string& error) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
    return PrefsFileResult::kMissing;
  }
  CollectingReporter reporter;
  CLocations reader(reporter);
  if (!reader.ReadDocument(path)) {
    error = reporter.text;
    return PrefsFileResult::kFailed;
  }
  document.m_location = reader.m_location;
  document.m_preferences = reader.m_preferences;
  document.m_loadReport = reader.m_loadReport;
  document.m_extra = reader.m_extra;
  error = reporter.text;
  return PrefsFileResult::kLoaded;
}

std::string JsonString(const std::string& bytes) {
  std::string out = "\"";
  for (const char16_t unit : StoredToUtf16(bytes)) {
    if (unit == '"' || unit == '\\') {
      out += '\\';
      out += static_cast<char>(unit);
    } else if (unit < 0x20 || unit > 0x7E) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
      out += escaped;
    } else {
      out += static_cast<char>(unit);
    }
  }
  return out + "\"";
}

void WritePrefsJson(std::ostream& out, const CLocations& document) {
  const CPreferences& p = document.m_preferences;
  const CAlarmTable& a = p.m_alarms;
  const CLocation& l = document.m_location;
  const SettingsLoadReport& tags = document.m_loadReport;
  const auto num = [](auto value) { return std::to_string(value); };

  out << "{\"tag\":" << num(tags.documentTag)
      << ",\"preferences\":{\"tag\":" << num(tags.preferencesTag)
      << ",\"timeFormat\":" << num(p.m_nTimeFormat) << ",\"fiqh\":" << num(p.m_nFiqh)
      << ",\"fajrAngle\":" << num(p.m_nFajrAngle) << ",\"ishaAngle\":" << num(p.m_nIshaAngle)
      << ",\"reserved\":" << num(p.m_nReserved) << "},\"alarms\":{\"tag\":" << num(tags.alarmsTag);
  if (tags.alarmsTag == CAlarmTable::kOlderLayoutTag) {
    out << ",\"olderLayout\":true";
  } else {
    out << ",\"entries\":[";
    for (std::size_t i = 0; i < a.m_alarm.size(); ++i) {
      const CAlarmSetting& e = a.m_alarm[i];
      uint16_t hour = 0, minute = 0;
      e.GetAzanTime(hour, minute);
      char azan[16];
      std::snprintf(azan, sizeof azan, "%02u:%02u", unsigned{hour}, unsigned{minute});
      out << (i ? "," : "") << "{\"tag\":" << num(tags.entryTags[i])
          << ",\"flags\":" << num(unsigned{e.m_nFlags}) << ",\"azan\":\"" << azan
          << "\",\"iqamahDelay\":" << num(unsigned{e.m_nIqamahDelay}) << '}';
    }
    out << ']';
  }
  out << ",\"playSound\":" << num(a.m_bPlaySound) << ",\"recipients\":[";
  for (std::size_t i = 0; i < a.m_recipients.size(); ++i) {
    out << (i ? "," : "") << JsonString(a.m_recipients[i]);
  }
  out << "]},\"location\":{\"tag\":" << num(tags.locationTag)
      << ",\"city\":" << JsonString(l.m_strCity) << ",\"country\":" << JsonString(l.m_strCountry)
      << ",\"latDegrees\":" << num(unsigned{l.m_nLatDegrees})
      << ",\"latMinutes\":" << num(unsigned{l.m_nLatMinutes})
      << ",\"latHemisphere\":" << JsonString(std::string(1, l.m_chLatHemisphere))
      << ",\"longDegrees\":" << num(unsigned{l.m_nLongDegrees})
      << ",\"longMinutes\":" << num(unsigned{l.m_nLongMinutes})
      << ",\"longHemisphere\":" << JsonString(std::string(1, l.m_chLongHemisphere))
      << ",\"altitude\":" << num(unsigned{l.m_nAltitude})
      << ",\"timeZone\":" << JsonNumber(l.m_dTimeZone)
      << ",\"dstRule\":{\"tag\":" << num(tags.dstRuleTag) << ",\"start\":\""
      << Hex16(l.m_dstRule.m_wStart) << "\",\"end\":\"" << Hex16(l.m_dstRule.m_wEnd) << "\"}}}\n";
}

}  // namespace kestrivane
