// The About box and the version data it shows, the day display's other
// texts and the menu prompts.

#include "app/about_dlg.h"

#include <gtest/gtest.h>

#include "app/day_format.h"
#include "app/version_text.h"
#include "platform/dialog_builder.h"
#include "resources/string_table.h"
#include "resources/version_info.h"

namespace kestrivane {
namespace {

std::string Lines(const VersionTexts& texts) {
  return texts.m_strDescription + "|" + texts.m_strVersion + "|" + texts.m_strCopyright;
}

TEST(VersionInfo, GivesTheAboutBoxLines) {
  EXPECT_EQ(Lines(ReadVersionInfo(&ProgramVersionResource())),
            "Kestrivane Win32 Application|Version 0.41|Copyright (C) 2026 Kestrivane");
  EXPECT_EQ(Lines(ReadVersionInfo(nullptr)), "||");
  // Three numbers of the product version, the last two side by side.
  VersionResource other = ProgramVersionResource();
  other.fixed.dwProductVersionMS = 1u << 16 | 2;
  other.fixed.dwProductVersionLS = 13u << 16 | 4;
  EXPECT_EQ(ReadVersionInfo(&other).m_strVersion, "Version 1.213");
  constexpr VersionString only[] = {{"FileDescription", "Described"}};
  other.strings = only;
  EXPECT_EQ(Lines(ReadVersionInfo(&other)), "Described|Version 1.213|");
}

TEST(AboutDlg, ShowsItsThreeLines) {
  CAboutDlg about("Kestrivane Win32 Application", "Version 0.41", "Copyright line");
  EXPECT_EQ(GetControlText(&about, IDC_ABOUT_DESCRIPTION), "Kestrivane Win32 Application");
  EXPECT_EQ(GetControlText(&about, IDC_ABOUT_VERSION), "Version 0.41");
  EXPECT_EQ(GetControlText(&about, IDC_ABOUT_COPYRIGHT), "Copyright line");
}

TEST(DayFormat, TimeZoneAltitudeAndDate) {
  EXPECT_EQ(FormatTimeZone(5) + FormatTimeZone(-3.5) + FormatTimeZone(0), "+5.0-3.5+0.0");
  EXPECT_EQ(FormatAltitude(550) + FormatAltitude(0) + FormatAltitude(65535), "550m0m65535m");
  EXPECT_EQ(FormatLongDate(LocalTime{2000, 1, 7, 5, 0, 0, 0}), "Friday, January 07, 2000");
  EXPECT_EQ(FormatLongDate(LocalTime{2026, 12, 25, 5, 0, 0, 0}), "Friday, December 25, 2026");
}

TEST(StringTable, MenuPrompts) {
  const std::pair<int, const char*> prompts[] = {{1113, "Minimize into task bar\nminimize"},
                                                 {57664, "About Kestrivane32"},
                                                 {32773, "Edit Preferences"},
                                                 {32771, "Edit/define location"},
                                                 {32774, "Set alarms / recipients"},
                                                 {32772, "Generate prayer timetable for a month"}};
  for (const auto& [id, prompt] : prompts) EXPECT_STREQ(LoadString(id), prompt) << id;
}

}  // namespace
}  // namespace kestrivane
