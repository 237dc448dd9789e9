// The Calculation Method dialog: a method fills its rules, Custom opens
// them, the preview follows every choice, OK gives what was chosen and a
// bad field keeps the dialog open. (From Preferences: the main window's
// test.)

#include "dialogs/method_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/time_format.h"
#include "settings/day_times.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;

constexpr CivilDay kDay{2026, 3, 21};

// The method `id` with one adjustment of the user's.
CalculationMethod Chosen(MethodId id, int prayer = Fajr, int32_t minutes = 0) {
  CalculationMethod m = MethodFor(id);
  m.adjustments[static_cast<std::size_t>(prayer)] = minutes;
  return m;
}

std::string Preview(const Records& r, const std::optional<CalculationMethod>& method) {
  std::string shown;
  const PrayerTimes t = method ? ComputePrayerTimes(r.location, r.preferences,
                                                    MethodInUse(*method, r.preferences), kDay, 0)
                               : PrayerTimes{};
  for (int i = Fajr; i <= Isha; ++i) {
    shown += (i ? ";" : "") + std::to_string(IDC_PREVIEW_FAJR + i) + "=" +
             (method ? FormatTimeOfDay(t[i].hour, t[i].minute, false) : "---");
  }
  return shown;
}

TEST_F(DialogTest, MethodDialogFillsFollowsAndRefuses) {
  // The script, the rules (1119..1124) seen after it and the method OK
  // gives; none when OK is refused and the dialog stays open.
  CalculationMethod custom = Chosen(MethodId::kCustom);
  custom.fajrAngle = 16.5, custom.ishaAngle = 17.5;
  const std::tuple<const char*, const char*, std::optional<CalculationMethod>> rows[] = {
      {"1118=Muslim World League",
       "1119=~18;1120=~17;1121=~0;1122=~0;1123=~Nearest;1124=~Middle of the night",
       Chosen(MethodId::kMuslimWorldLeague)},
      {"1118=Umm al-Qura, Makkah;1129=3", "1120=~0;1121=~90",
       Chosen(MethodId::kUmmAlQura, Maghrib, 3)},
      {"1118=Classic;1125=-30", "1119=~18;1123=~Truncate;1124=~Seventh of the night",
       Chosen(MethodId::kClassic, Fajr, -30)},
      {"1118=Kuwait;1118=Custom;1119=16.5", "1119=16.5;1120=17.5;1121=0;1123=Nearest", custom},
      {"1118=Custom;1119=30.5", "1119=30.5", std::nullopt},
      {"1118=Custom;1121=0;1120=0", "1120=0", std::nullopt},
  };
  for (const auto& [script, rules, chosen] : rows) {
    SCOPED_TRACE(script);
    Records r;
    CMethodDlg dialog(r.location, r.preferences, kDay);
    boxes.boxes.clear();
    WhenModal([&](QWidget* d) {
      EXPECT_EQ(Observe(*d, "1118=;1119=;1123="), "1118=Classic;1119=~18;1123=~Truncate");
      Play(d, script);
      EXPECT_EQ(Observe(*d, rules), rules);
      EXPECT_EQ(Observe(*d, Preview(r, chosen)), Preview(r, chosen));
      Play(d, "1");
      if (d->isVisible()) Play(d, "2");
    });
    EXPECT_EQ(dialog.DoModal() == IDOK, chosen.has_value());
    EXPECT_EQ(boxes.boxes.size(), chosen ? 0u : 1u);
    EXPECT_EQ(chosen ? dialog.Method() : CalculationMethod(), chosen.value_or(CalculationMethod()));
  }
}

}  // namespace
}  // namespace kestrivane
