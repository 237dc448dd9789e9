// The day display's texts and the About box's lines.

#include <gtest/gtest.h>

#include "app/day_format.h"
#include "app/version_text.h"
#include "resources/version_info.h"

namespace kestrivane {
namespace {

TEST(DayFormat, DateTimeZoneAltitudeAndTheAboutLines) {
  EXPECT_EQ(FormatTimeZone(5) + FormatTimeZone(-3.5) + FormatTimeZone(0), "+5.0-3.5+0.0");
  EXPECT_EQ(FormatAltitude(550) + FormatAltitude(65535), "550m65535m");
  EXPECT_EQ(FormatLongDate({2000, 1, 7, 5, 0, 0, 0}) + FormatLongDate({2026, 12, 25, 5, 0, 0, 0}),
            "Friday, January 07, 2000Friday, December 25, 2026");
  const VersionTexts about = ReadVersionInfo(&ProgramVersionResource());
  EXPECT_EQ(about.m_strDescription + "|" + about.m_strVersion + "|" + about.m_strCopyright,
            "Kestrivane Win32 Application|Version 0.41|Copyright (C) 2026 Kestrivane");
}

}  // namespace
}  // namespace kestrivane
