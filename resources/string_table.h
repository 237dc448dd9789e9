#pragma once
// The program's string table: user-visible texts and formats by number.

namespace kestrivane {

enum StringId : int {
  IDS_ABOUTBOX = 101,
  IDS_PREFS_FILE = 110,
  IDS_TIME_24H = 112,
  IDS_TIME_12H = 113,
  IDS_PRAYER_FAJR = 114,  // 114..119 follow the prayer order
  IDS_PRAYER_SHUROOQ = 115,
  IDS_PRAYER_ZUHR = 116,
  IDS_PRAYER_ASR = 117,
  IDS_PRAYER_MAGHRIB = 118,
  IDS_PRAYER_ISHA = 119,
  IDS_NO_ALARM_TIP = 120,
  IDS_NOT_SET = 121,
  // Menu prompts stand under their command ids (menu 129): the status text,
  // then after a line break the short tip.
  IDS_PROMPT_MINIMIZE = 1113,
  IDS_PROMPT_LOCATION = 32771,
  IDS_PROMPT_TIMETABLE = 32772,
  IDS_PROMPT_PREFERENCES = 32773,
  IDS_PROMPT_ALARMS = 32774,
  IDS_PROMPT_START_AT_LOGIN = 32775,
  IDS_PROMPT_ABOUT = 57664,
};

// The text of a string; an unknown id gives "" (never null).
const char* LoadString(int id);

}  // namespace kestrivane
