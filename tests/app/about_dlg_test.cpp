// The About box and the version data it shows.

#include "app/about_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>

#include "app/day_format.h"
#include "app/version_text.h"
#include "platform/dialog_builder.h"
#include "resources/string_table.h"
#include "resources/version_info.h"

namespace kestrivane {
namespace {

TEST(VersionInfoTest, TheProgramsOwnData) {
  const VersionTexts texts = ReadVersionInfo(&ProgramVersionResource());
  EXPECT_EQ(texts.m_strVersion, "Version 0.41");
  EXPECT_EQ(texts.m_strDescription, "Kestrivane Win32 Application");
  EXPECT_EQ(texts.m_strCopyright, "Copyright (C) 2026 Kestrivane");

  VersionValue value;
  ASSERT_TRUE(QueryVersionValue(ProgramVersionResource(),
                                "\\StringFileInfo\\040904b0\\ProductVersion", value));
  EXPECT_STREQ(static_cast<const char*>(value.pointer), "0, 4, 1, 0");
  ASSERT_TRUE(QueryVersionValue(ProgramVersionResource(), "\\StringFileInfo\\040904b0\\ProductName",
                                value));
  EXPECT_STREQ(static_cast<const char*>(value.pointer), "Kestrivane32");
  EXPECT_FALSE(QueryVersionValue(ProgramVersionResource(),
                                 "\\StringFileInfo\\040904e4\\ProductName", value));
}

VersionResource WithVersion(uint32_t ms, uint32_t ls) {
  VersionResource resource = ProgramVersionResource();
  resource.fixed.dwProductVersionMS = ms;
  resource.fixed.dwProductVersionLS = ls;
  return resource;
}

TEST(VersionInfoTest, VersionShowsThreeNumbersTheLastTwoSideBySide) {
  VersionResource r = WithVersion(1u << 16 | 2, 3u << 16 | 4);
  EXPECT_EQ(ReadVersionInfo(&r).m_strVersion, "Version 1.23");
  r = WithVersion(1u << 16 | 2, 13u << 16);
  EXPECT_EQ(ReadVersionInfo(&r).m_strVersion, "Version 1.213");
}

TEST(VersionInfoTest, NoDataGivesThreeEmptyLines) {
  const VersionTexts texts = ReadVersionInfo(nullptr);
  EXPECT_EQ(texts.m_strVersion, "");
  EXPECT_EQ(texts.m_strDescription, "");
  EXPECT_EQ(texts.m_strCopyright, "");
}

TEST(VersionInfoTest, AMissingKeyLeavesItsLineEmpty) {
  constexpr VersionString only[] = {{"FileDescription", "Described"}};
  VersionResource r = ProgramVersionResource();
  r.strings = only;
  const VersionTexts texts = ReadVersionInfo(&r);
  EXPECT_EQ(texts.m_strDescription, "Described");
  EXPECT_EQ(texts.m_strCopyright, "");
}

TEST(AboutDlgTest, ShowsTheThreeLinesInTemplate100) {
  CAboutDlg about("Kestrivane Win32 Application", "Version 0.41", "Copyright line");
  EXPECT_EQ(about.windowTitle(), "About Kestrivane");
  EXPECT_EQ(GetControlText(&about, IDC_ABOUT_DESCRIPTION), "Kestrivane Win32 Application");
  EXPECT_EQ(GetControlText(&about, IDC_ABOUT_VERSION), "Version 0.41");
  EXPECT_EQ(GetControlText(&about, IDC_ABOUT_COPYRIGHT), "Copyright line");
  for (int id : {IDC_ABOUT_DESCRIPTION, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT}) {
    auto* edit = qobject_cast<QLineEdit*>(FindControl(&about, id));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly());
  }
  EXPECT_EQ(GetControlText(&about, 1), "OK");
}

TEST(DayFormatTest, TimeZoneAltitudeAndDate) {
  EXPECT_EQ(FormatTimeZone(5), "+5.0");
  EXPECT_EQ(FormatTimeZone(-3.5), "-3.5");
  EXPECT_EQ(FormatTimeZone(0), "+0.0");
  EXPECT_EQ(FormatAltitude(550), "550m");
  EXPECT_EQ(FormatAltitude(0), "0m");
  EXPECT_EQ(FormatAltitude(65535), "65535m");
  LocalTime date;
  date.year = 2000;
  date.month = 1;
  date.day = 7;
  date.weekday = 5;
  EXPECT_EQ(FormatLongDate(date), "Friday, January 07, 2000");
  date = {2026, 12, 25, 5, 0, 0, 0};
  EXPECT_EQ(FormatLongDate(date), "Friday, December 25, 2026");
}

TEST(StringTableTest, MenuPrompts) {
  EXPECT_STREQ(LoadString(1113), "Minimize into task bar\nminimize");
  EXPECT_STREQ(LoadString(57664), "About Kestrivane32");
  EXPECT_STREQ(LoadString(32773), "Edit Preferences");
  EXPECT_STREQ(LoadString(32771), "Edit/define location");
  EXPECT_STREQ(LoadString(32774), "Set alarms / recipients");
  EXPECT_STREQ(LoadString(32772), "Generate prayer timetable for a month");
}

}  // namespace
}  // namespace kestrivane
