#include "settings/extra_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrivane {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

// Kestrivane.ini as a hand may leave it: what is read and what is refused.
TEST(ExtraSettingsText, ReadsWhatItWritesAndRefusesAnythingElse) {
  ExtraSettings custom;
  custom.method = MethodFor(MethodId::kCustom);
  custom.method.fajrAngle = 19.25;
  custom.method.ishaMinutes = 75;
  custom.method.adjustments = {-30, 0, 0, 0, 30, 2};
  custom.following[Maghrib] = {true, 60};
  const std::string text = ExtraSettingsToIni(custom);
  const struct {
    std::string text;
    std::string error;  // part of it; empty: reads as `custom`
  } cases[] = {
      {text, ""},
      {"\r\n  [Other]\nName=x\n" + Replaced(text, "\n", "\r\n ; a note\r\n  Unknown = 1 \r\n"), ""},
      {Replaced(text, "Name=custom", "Name=Custom"), "Name in [Method] is not"},
      {Replaced(text, "FajrAngle=19.25", "FajrAngle=30.01"), "FajrAngle in [Method] is not"},
      {Replaced(text, "IshaAngle=18", "IshaAngle=1e1"), "IshaAngle in [Method] is not"},
      {Replaced(text, "IshaMinutes=75", "IshaMinutes=241"), "IshaMinutes in [Method] is not"},
      {Replaced(text, "Fajr=-30", "Fajr=-31"), "Fajr in [Adjustments] is not"},
      {Replaced(text, "Isha=+2", "Isha=+-2"), "Isha in [Adjustments] is not"},
      {Replaced(text, "MaghribOffset=60", "MaghribOffset=61"), "MaghribOffset in [Alarms] is not"},
      {Replaced(text, "MaghribOffset=60", "MaghribOffset=+6"), "MaghribOffset in [Alarms] is not"},
      {Replaced(text, "MaghribFollows=true", "MaghribFollows=1"), "MaghribFollows in [Alarms] is"},
      {Replaced(text, "HighLatitude=middle\n", ""), "it has no HighLatitude in [Method]"},
      {text.substr(0, text.size() - 1), "line 33 ends without a line break"},
      {Replaced(text, "[Method]", "Method"), "line 3 is neither a [section] nor a key=value"},
      {"Name=classic\n" + text, "line 1 has a key before the first [section]"},
      {text + "[Method]\nName=classic\n", "line 35 repeats a key"},
      {Replaced(text, "=", "=\x7F"), "line 4 holds a control character"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedExtraSettings parsed = ExtraSettingsFromIni(c.text);
    EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.empty(), c.error.empty());
    EXPECT_EQ(parsed.settings, c.error.empty() ? custom : ExtraSettings{});
  }
}

}  // namespace
}  // namespace kestrivane
