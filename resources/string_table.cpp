#include "resources/string_table.h"

#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

struct Entry {
  int id;
  const char* text;
};

// The prayer names are the alarm texts' own spellings, odd capitals included.
constexpr Entry kStrings[] = {
    {IDS_ABOUTBOX, KV_TRANSLATE_NOOP("Strings", "&About Kestrivane...")},
    {IDS_PREFS_FILE, "Prefs.dat"},
    {IDS_TIME_24H, "%02d:%02d"},
    {IDS_TIME_12H, "%2d:%02d %c.M."},
    {IDS_PRAYER_FAJR, KV_TRANSLATE_NOOP("Strings", "Fajr")},
    {IDS_PRAYER_SHUROOQ, KV_TRANSLATE_NOOP("Strings", "Shurooq")},
    {IDS_PRAYER_ZUHR, KV_TRANSLATE_NOOP("Strings", "Zuhr")},
    {IDS_PRAYER_ASR, KV_TRANSLATE_NOOP("Strings", "'Asr")},
    {IDS_PRAYER_MAGHRIB, KV_TRANSLATE_NOOP("Strings", "maGHrib")},
    {IDS_PRAYER_ISHA, KV_TRANSLATE_NOOP("Strings", "'Isha`")},
    {IDS_NO_ALARM_TIP, KV_TRANSLATE_NOOP("Strings", "salle 'ala Muhammad")},
    {IDS_NOT_SET, KV_TRANSLATE_NOOP("Strings", "<not set>")},
    {IDS_PROMPT_MINIMIZE, KV_TRANSLATE_NOOP("Strings", "Minimize into task bar\nminimize")},
    {IDS_PROMPT_LOCATION, KV_TRANSLATE_NOOP("Strings", "Edit/define location")},
    {IDS_PROMPT_TIMETABLE, KV_TRANSLATE_NOOP("Strings", "Generate prayer timetable for a month")},
    {IDS_PROMPT_PREFERENCES, KV_TRANSLATE_NOOP("Strings", "Edit Preferences")},
    {IDS_PROMPT_ALARMS, KV_TRANSLATE_NOOP("Strings", "Set alarms / recipients")},
    {IDS_PROMPT_START_AT_LOGIN, KV_TRANSLATE_NOOP("Strings", "Start Kestrivane when you log in")},
    {IDS_PROMPT_ABOUT, KV_TRANSLATE_NOOP("Strings", "About Kestrivane32")},
};

}  // namespace

const char* LoadString(int id) {
  for (const Entry& entry : kStrings) {
    if (entry.id == id) {
      return entry.text;
    }
  }
  return "";
}

}  // namespace kestrivane
