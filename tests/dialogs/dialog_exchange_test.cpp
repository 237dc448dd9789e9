// Data exchange of the settings dialogs: how a record shows in its dialog
// and how the controls answer; and what OK stores, checked against the
// whole record, changed flags included, so that a stray write counts as
// much as a missing one.

#include <gtest/gtest.h>

#include "settings/alarm_table.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;
using Prepare = std::function<void(Records&)>;

Prepare WithRule(uint16_t start, uint16_t end) {
  return
      [=](Records& r) { r.location.m_dstRule.m_wStart = start, r.location.m_dstRule.m_wEnd = end; };
}
Prepare WithNames(std::vector<std::string> names) {
  return [=](Records& r) { r.preferences.m_alarms.m_recipients = names; };
}
void OddLocation(Records& r) {
  r.location.m_chLatHemisphere = 's', r.location.m_chLongHemisphere = '?';
  r.location.m_nAltitude = 65526, r.location.m_dTimeZone = -11.9;
}
void CloseMaghribAndIsha(Records& r) { r.today[Maghrib] = T(18, 58), r.today[Isha] = T(19, 2); }

TEST_F(DialogTest, RecordsShowInTheirControlsAndTheControlsAnswer) {
  using enum Dialog;
  const Prepare fiveNames = WithNames({"E", "D", "C", "B", "A"});
  const struct {
    const char* name;
    Dialog dialog;
    Prepare setup;
    const char* script;    // played first
    const char* controls;  // their states then, as Observe gives them
    const char* message = "";
  } looks[] = {
      {"default preferences", Preferences, nullptr, "",
       "1027=[x];1028=[ ];1025=[ ];1026=[x];1082=18;1084=18"},
      {"preferences no control shows", Preferences,
       [](Records& r) { r.preferences.Set(5, -3, 30, 10); }, "",
       "1027=[ ];1028=[ ];1025=[ ];1026=[ ];1082=-;1084=-"},
      {"default location", Location, nullptr, "",
       "1034=Islamabad;1035=Pakistan;1013=33;1083=40;1086=North;1014=73;1085=10;1087=East;"
       "1016=550;1015=5;1064=[ ];1066=~Con&figure ...;1=OK (default)"},
      {"odd location", Location, OddLocation, "1064",
       "1086=North;1087=East;1016=65526;1015=-11.9;1064=[x];1066=Con&figure ..."},
      {"a stored value out of range", Location, [](Records& r) { r.location.m_nLatDegrees = 95; },
       "", "1013=95;0=1013", "Please enter an integer between 0 and 90."},
      {"default rule", Rule, nullptr, "",
       "1044=[ ];1045=[x];1052=~1;1053=Last;1054=Sunday;1051=March;1046=[ ];1048=[x];1047=~30;"
       "1049=Last;1050=Sunday;1024=October"},
      {"rule by dates", Rule, WithRule(0x829E, 0x0984), "",
       "1044=[x];1052=31;1053=~First;1054=~Sunday;1046=[x];1047=5;1049=~Last;1050=~Sunday"},
      {"both switched to dates", Rule, nullptr, "1044;1046",
       "1044=[x];1045=[ ];1052=1;1053=~Last;1054=~Sunday;1051=March;1046=[x];1048=[ ];1047=30;"
       "1049=~Last;1050=~Sunday;1024=October"},
      {"alarms in the 24-hour clock", Alarms,
       [](Records& r) {
         r.preferences.m_nTimeFormat = r.preferences.m_alarms.m_bPlaySound = 1;
         r.preferences.m_alarms.SetAlarm(Zuhr, true, 13 << 8, 20);
       },
       "",
       "1074=05:00;1078=19:40;1055=[ ];1056=[x];1062=05:15;1063=13:00;1065=15:30;1067=18:10;"
       "1068=19:45;1069=15;1070=20;1112=[x]"},
      {"alarms in the 12-hour clock", Alarms, nullptr, "",
       "1074= 5:00 A.M.;1075=12:10 P.M.;1062= 5:15 A.M.;1065= 3:30 P.M."},
      {"a row without candidates", Alarms, CloseMaghribAndIsha, "",
       "1067=-;1058=~[ ];1068= 7:15 P.M.;1059=[ ]"},
      {"recipients in order, whatever the case", Recipients,
       WithNames({"zed", "Bilal", "adam", "ZAINAB"}), "",
       "1102=*adam|Bilal|ZAINAB|zed;1104=~&Add;1105=&Remove;1=OK (default);0=1103"},
      {"no recipients", Recipients, nullptr, "", "1102=;1104=~&Add;1105=~&Remove"},
      {"a name typed", Recipients, nullptr, "1103=ahmed", "1103=AHMED;1104=&Add (default);1=OK"},
      {"and erased", Recipients, nullptr, "1103=ahmed;1103=", "1104=~&Add;1=OK (default)"},
      {"names added", Recipients, nullptr, "1103=zaid;1104;1103=musa;1104",
       "1102=*MUSA|ZAID;1103=;1104=~&Add;1105=&Remove;1=OK (default);0=1103"},
      {"a name added again in another case", Recipients, WithNames({"Musa"}), "1103=musa;1104",
       "1102=*Musa;1103=MUSA;0=1103", "This recipient is already in the list."},
      {"items 2 and 4 of five removed", Recipients, fiveNames, "1102=B,D;1105",
       "1102=A|*C|E;1105=&Remove"},
      {"the last removed", Recipients, fiveNames, "1102=E;1105", "1102=A|B|C|*D"},
      {"nothing selected, nothing removed", Recipients, fiveNames, "1102=;1105", "1102=A|B|C|D|E"},
      {"all removed", Recipients, fiveNames, "1102=A,B,C,D,E;1105",
       "1102=;1105=~&Remove;1104=~&Add (default);0=1103"},
  };
  for (const auto& look : looks) {
    SCOPED_TRACE(look.name);
    boxes.boxes.clear();
    Records records;
    if (look.setup) look.setup(records);
    const auto observe = [&](QWidget* d) {
      Play(d, look.script);
      EXPECT_EQ(Observe(*d, look.controls), look.controls);
    };
    RunDialog(look.dialog, records, observe, ClickCancel);
    EXPECT_EQ(boxes.Texts(),
              *look.message ? std::vector<std::string>{look.message} : std::vector<std::string>{});
  }
}

TEST_F(DialogTest, OkStoresWhatTheControlsShow) {
  using enum Dialog;
  const struct {
    const char* name;
    Dialog dialog;
    Prepare setup;
    const char* script;  // then OK
    const char* stored;  // the record's line that OK changes, as Describe gives it
  } stores[] = {
      {"new preferences", Preferences, nullptr, "1028;1025;1082=24;1084=11",
       "preferences 1 0 24 11 dirty 1"},
      {"values no control shows are kept", Preferences,
       [](Records& r) { r.preferences.m_nTimeFormat = 5, r.preferences.m_nFajrAngle = 30; }, "",
       "preferences 5 1 30 18 dirty 0"},
      {"every location field", Location, nullptr,
       "1034=;1035=;1013=36;1083=51;1086=South;1014=174;1085=46;1087=East;1016=0;1015=13",
       "location | 36:51S 174:46E 0m 13h rule 220 920 dirty 10"},
      {"an unchanged location still counts as changed", Location, nullptr, "",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 220 920 dirty 10"},
      {"unknown hemisphere letters", Location, OddLocation, "",
       "location Islamabad|Pakistan 33:40N 73:10E 65526m -11.9h rule 220 920 dirty 10"},
      {"daylight saving off keeps the rule; West", Location, WithRule(0x8220, 0x0920),
       "1064;1087=West", "location Islamabad|Pakistan 33:40N 73:10W 550m 5h rule 220 920 dirty 10"},
      {"and on brings it back", Location, nullptr, "1064",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 8220 920 dirty 10"},
      {"a rule from Configure", Location, WithRule(0x8220, 0x0920), "1066>1044;1052=31;1",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 829e 920 dirty 10"},
      {"start on 31 March", Rule, nullptr, "1044;1052=31",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 829e 920 dirty 01"},
      {"back to weekdays", Rule, WithRule(0x829E, 0x0980), "1045;1053=Second;1054=Friday;1048",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 820d 920 dirty 01"},
      {"an unchanged rule is observed", Rule, nullptr, "",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 8220 920 dirty 01"},
      {"31 February", Rule, nullptr, "1046;1047=31;1024=February",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 8220 19e dirty 01"},
      {"codes no list shows are kept", Rule, WithRule(0x8D32, 0x0920), "",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h rule 8d32 920 dirty 00"},
      {"12-hour items", Alarms, nullptr, "1062= 5:30 A.M.;1065= 3:30 P.M.;1055",
       "alarms 1/5:30/15* 0/0:0/15 0/12:15/15* 0/15:30/15* 0/18:10/15* 0/19:45/15* sound 0 "
       "dirty 1 to"},
      {"every row but Shurooq", Alarms,
       [](Records& r) {
         r.preferences.m_nTimeFormat = 1;
         r.preferences.m_alarms.m_alarm[Shurooq].m_nFlags = 0x81;
       },
       "1059;1063=12:45;1069=5;1070=20;1072=30;1073=59;1112",
       "alarms 0/5:15/5* 129/0:0/15 0/12:45/20* 0/15:30/15* 0/18:10/30* 1/19:45/59* sound 1 "
       "dirty 1 to"},
      {"a row without candidates keeps its entry", Alarms,
       [](Records& r) {
         CloseMaghribAndIsha(r);
         r.preferences.m_alarms.m_alarm[Maghrib].m_nFlags = 1;
       },
       "1072=30",
       "alarms 0/5:15/15* 0/0:0/15 0/12:15/15* 0/15:30/15* 1/0:0/15 0/19:15/15* sound 0 dirty 1 "
       "to"},
      {"recipients in the list's order, a name not added dropped", Recipients,
       WithNames({"zed", "Bilal"}), "1103=adam;1104;1103=pending",
       "alarms 0/0:0/15 0/0:0/15 0/0:0/15 0/0:0/15 0/0:0/15 0/0:0/15 sound 0 dirty 0 to ADAM "
       "Bilal zed"},
  };
  for (const auto& store : stores) {
    SCOPED_TRACE(store.name);
    Records records;
    if (store.setup) store.setup(records);
    // The record as it was, with the one line replaced.
    std::string expected = Describe(records);
    const std::string stored = store.stored;
    const std::size_t line = expected.find(stored.substr(0, stored.find(' ') + 1));
    expected.replace(line, expected.find('\n', line) - line, stored);
    EXPECT_TRUE(RunDialog(store.dialog, records, Script(store.script)));
    EXPECT_EQ(Describe(records), expected);
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace kestrivane
