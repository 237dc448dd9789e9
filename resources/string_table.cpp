#include "resources/string_table.h"

namespace kestrivane {

namespace {

struct Entry {
  int id;
  const char* text;
};

// The prayer names are the alarm texts' own spellings, odd capitals included.
constexpr Entry kStrings[] = {
    {IDS_ABOUTBOX, "&About Kestrivane..."},
    {IDS_PREFS_FILE, "Prefs.dat"},
    {IDS_TIME_24H, "%02d:%02d"},
    {IDS_TIME_12H, "%2d:%02d %c.M."},
    {IDS_PRAYER_FAJR, "Fajr"},
    {IDS_PRAYER_SHUROOQ, "Shurooq"},
    {IDS_PRAYER_ZUHR, "Zuhr"},
    {IDS_PRAYER_ASR, "'Asr"},
    {IDS_PRAYER_MAGHRIB, "maGHrib"},
    {IDS_PRAYER_ISHA, "'Isha`"},
    {IDS_NO_ALARM_TIP, "salle 'ala Muhammad"},
    {IDS_NOT_SET, "<not set>"},
    {IDS_PROMPT_MINIMIZE, "Minimize into task bar\nminimize"},
    {IDS_PROMPT_LOCATION, "Edit/define location"},
    {IDS_PROMPT_TIMETABLE, "Generate prayer timetable for a month"},
    {IDS_PROMPT_PREFERENCES, "Edit Preferences"},
    {IDS_PROMPT_ALARMS, "Set alarms / recipients"},
    {IDS_PROMPT_START_AT_LOGIN, "Start Kestrivane when you log in"},
    {IDS_PROMPT_ABOUT, "About Kestrivane32"},
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
