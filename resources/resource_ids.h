#pragma once
// Every resource id of the program in one place: windows and their
// templates, the menu and its commands, the controls of each window, and the
// icons. The templates, the menu, the help-id table and the code that finds
// a control by id all use these numbers; help context ids are built from
// them, so none of them may change.

namespace kestrivane {

// Windows (dialog templates) and the menu.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDR_MAINMENU = 129;
inline constexpr int IDD_PREFERENCES = 130;
inline constexpr int IDD_TIMETABLE = 132;
inline constexpr int IDD_MONTH_SELECT = 133;
inline constexpr int IDD_LOCATION = 134;
inline constexpr int IDD_DAYLIGHT_SAVING = 135;
inline constexpr int IDD_ALARMS = 137;
inline constexpr int IDD_RECIPIENTS = 141;
inline constexpr int IDD_CALCULATION_METHOD = 143;
inline constexpr int IDD_FIND_CITY = 150;
inline constexpr int IDD_HIJRI_DATE = 144;

// Icons: the program's own and the alarm's.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDI_ALARM = 142;

// Commands of the main window, its menu and the dialogs' buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_MINIMIZE = 1113;
inline constexpr int ID_OPTIONS_LOCATION = 32771;
inline constexpr int ID_OPTIONS_TIMETABLE = 32772;
inline constexpr int ID_OPTIONS_PREFERENCES = 32773;
inline constexpr int ID_OPTIONS_ALARMS = 32774;
inline constexpr int ID_FILE_START_AT_LOGIN = 32775;
inline constexpr int ID_OPTIONS_METHOD = 32776;
inline constexpr int ID_OPTIONS_HIJRI_DATE = 32777;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_HELP = 57670;  // the Help buttons: the contents, or the dialog's topic

// Controls without an id of their own.
inline constexpr int IDC_STATIC = -1;

// The main window (102).
inline constexpr int IDC_TODAY = 1000;
inline constexpr int IDC_CITY = 1001;  // 1001..1005: City, Lat., Long., Time zone, Altitude
inline constexpr int IDC_FAJR = 1006;  // 1006..1011 in prayer order
inline constexpr int IDC_COUNTRY = 1020;
inline constexpr int IDC_NEXT_ALARM = 1106;

// The About box (100).
inline constexpr int IDC_ABOUT_DESCRIPTION = 1114;
inline constexpr int IDC_ABOUT_VERSION = 1115;
inline constexpr int IDC_ABOUT_COPYRIGHT = 1116;

// Preferences (130).
inline constexpr int IDC_FIQH_SHAFEI = 1025;
inline constexpr int IDC_FIQH_HANAFI = 1026;
inline constexpr int IDC_TIME_12 = 1027;
inline constexpr int IDC_TIME_24 = 1028;
inline constexpr int IDC_FAJR_ANGLE = 1082;
inline constexpr int IDC_ISHA_ANGLE = 1084;
inline constexpr int IDC_CALCULATION_METHOD = 1117;

// The timetable (132) and the month prompt (133).
inline constexpr int IDC_TIMETABLE = 1021;
inline constexpr int IDC_YEAR = 1022;
inline constexpr int IDC_MONTH = 1023;

// Define Location (134).
inline constexpr int IDC_LAT_DEGREES = 1013;
inline constexpr int IDC_LONG_DEGREES = 1014;
inline constexpr int IDC_TIME_ZONE = 1015;
inline constexpr int IDC_ALTITUDE = 1016;
inline constexpr int IDC_CITY_NAME = 1034;
inline constexpr int IDC_COUNTRY_NAME = 1035;
inline constexpr int IDC_USE_DST = 1064;
inline constexpr int IDC_CONFIGURE_DST = 1066;
inline constexpr int IDC_LAT_MINUTES = 1083;
inline constexpr int IDC_LONG_MINUTES = 1085;
inline constexpr int IDC_LAT_DIRECTION = 1086;
inline constexpr int IDC_LONG_DIRECTION = 1087;

// The daylight-saving rule (135).
inline constexpr int IDC_END_MONTH = 1024;
inline constexpr int IDC_START_DATE = 1044;
inline constexpr int IDC_START_WEEKDAY_FORM = 1045;
inline constexpr int IDC_END_DATE = 1046;
inline constexpr int IDC_END_DAY = 1047;
inline constexpr int IDC_END_WEEKDAY_FORM = 1048;
inline constexpr int IDC_END_WEEK = 1049;
inline constexpr int IDC_END_WEEKDAY = 1050;
inline constexpr int IDC_START_MONTH = 1051;
inline constexpr int IDC_START_DAY = 1052;
inline constexpr int IDC_START_WEEK = 1053;
inline constexpr int IDC_START_WEEKDAY = 1054;

// Set Alarms (137) and Azan Recipients (141).
inline constexpr int IDC_RECIPIENTS = 1101;
inline constexpr int IDC_PLAY_SOUND = 1112;
inline constexpr int IDC_RECIPIENT_LIST = 1102;
inline constexpr int IDC_RECIPIENT_NAME = 1103;
inline constexpr int IDC_ADD_RECIPIENT = 1104;
inline constexpr int IDC_REMOVE_RECIPIENT = 1105;

// Calculation Method (143): the rules, then the six adjustments and the six
// times of the preview in prayer order.
inline constexpr int IDC_METHOD = 1118;
inline constexpr int IDC_METHOD_FAJR_ANGLE = 1119;
inline constexpr int IDC_METHOD_ISHA_ANGLE = 1120;
inline constexpr int IDC_METHOD_ISHA_MINUTES = 1121;
inline constexpr int IDC_METHOD_MAGHRIB_ANGLE = 1122;
inline constexpr int IDC_METHOD_ROUNDING = 1123;
inline constexpr int IDC_METHOD_HIGH_LATITUDE = 1124;
inline constexpr int IDC_ADJUST_FAJR = 1125;   // 1125..1130
inline constexpr int IDC_PREVIEW_FAJR = 1131;  // 1131..1136

// Find a City (150) and what it adds to Define Location (134).
inline constexpr int IDC_FIND_CITY = 1150;       // the Find... button in 134
inline constexpr int IDC_FIND_CITY_NOTE = 1151;  // what Find... set, in 134
inline constexpr int IDC_CITY_SEARCH = 1152;
inline constexpr int IDC_CITY_MATCHES = 1153;
inline constexpr int IDC_CITY_STATUS = 1154;
// Hijri Date (144).
inline constexpr int IDC_HIJRI_CALENDAR = 1137;
inline constexpr int IDC_HIJRI_ADJUSTMENT = 1138;
inline constexpr int IDC_HIJRI_COLUMN = 1139;
inline constexpr int IDC_HIJRI_PREVIEW = 1140;

}  // namespace kestrivane
