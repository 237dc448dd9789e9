// Data exchange of the settings dialogs: how a record shows in its dialog,
// how the controls answer, and what OK then stores, checked against the
// whole record, changed flags included, so that a stray write counts as
// much as a missing one; what a bad field refuses; Set Alarms' note on the
// sound file.

#include <gtest/gtest.h>

#include <QLabel>
#include <fstream>

#include "settings/alarm_table.h"
#include "tests/dialogs/dialog_records.h"

namespace kestrivane {
namespace {

using namespace testing;
using enum Dialog;

void ByDates(Records& r) { r.location.m_dstRule = CDstRule{0x829E, 0x0984, 0}; }
void Names(Records& r) { r.preferences.m_alarms.m_recipients = {"zed", "Bilal", "adam"}; }
void FiveNames(Records& r) { r.preferences.m_alarms.m_recipients = {"E", "D", "C", "B", "A"}; }

TEST_F(DialogTest, RecordsShowTheControlsAnswerAndOkStoresWhatTheyShow) {
  const struct {
    Dialog dialog;
    void (*setup)(Records&);
    const char* script;    // played first
    const char* controls;  // their states then, as Observe gives them
    const char* stored;    // after OK, the lines of Describe that change; nullptr: Cancel
    const char* message = "";
  } rows[] = {
      {Preferences, [](Records& r) { r.preferences.Set(5, -3, 30, 10); }, "",
       "1027=[ ];1028=[ ];1025=[ ];1026=[ ];1082=-;1084=-", ""},
      {Preferences, nullptr, "1028;1025;1082=24;1084=11", "1027=[ ];1026=[ ]",
       "preferences 1 0 24 11 dirty 1"},
      {Location, nullptr, "",
       "1034=Islamabad;1035=Pakistan;1013=33;1083=40;1086=North;1014=73;1085=10;1087=East;"
       "1016=550;1015=5;1064=[ ];1066=~Con&figure ...;1=OK (default)",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h dirty 1"},
      {Location,
       [](Records& r) {
         r.location.m_chLatHemisphere = 's', r.location.m_chLongHemisphere = '?';
         r.location.m_nAltitude = 65526, r.location.m_dTimeZone = -11.9;
       },
       "1064", "1086=North;1087=East;1016=65526;1015=-11.9;1066=Con&figure ...",
       "location Islamabad|Pakistan 33:40N 73:10E 65526m -11.9h dirty 1\nrule 8220 920 dirty 0"},
      {Location, nullptr,
       "1034=;1035=;1013=90;1083=59;1086=South;1014=180;1085=59;1016= +65535 ;1015=+1E1", "",
       "location | 90:59S 180:59E 65535m 10h dirty 1"},
      {Location, ByDates, "1064;1087=West", "1066=~Con&figure ...",
       "location Islamabad|Pakistan 33:40N 73:10W 550m 5h dirty 1\nrule 29e 984 dirty 0"},
      {Location, ByDates, "1066>1045;1053=Second;1054=Friday;1047=31;1024=February;1", "",
       "location Islamabad|Pakistan 33:40N 73:10E 550m 5h dirty 1\nrule 820d 19e dirty 0"},
      // A bad field: one standard message, the field as typed, selected, with the focus.
      {Location, [](Records& r) { r.location.m_nLatDegrees = 95; }, "", "1013=95 (selected);0=1013",
       nullptr, "Please enter an integer between 0 and 90."},
      {Location, nullptr, "1016=99999999999999999999;1", "0=1016", nullptr,
       "Please enter an integer."},
      {Location, nullptr, "1015=14.01;1", "0=1015", nullptr,
       "Please enter a number between -12 and 14."},
      {Location, nullptr, "1015=inf;1", "0=1015", nullptr, "Please enter a number."},
      // A decimal comma reads as the point; a second mark is still malformed.
      {Location, nullptr, "1015= -3,75 ", "",
       "location Islamabad|Pakistan 33:40N 73:10E 550m -3.75h dirty 1"},
      {Location, nullptr, "1015=14,5;1", "0=1015", nullptr,
       "Please enter a number between -12 and 14."},
      {Location, nullptr, "1015=5,5,5;1", "0=1015", nullptr, "Please enter a number."},
      {Alarms, nullptr, "1071=4;1", "0=1071", nullptr, "Please enter an integer between 5 and 59."},
      // Only the chosen form's day field is read: greyed out, a bad one is ignored.
      {Rule, nullptr, "1044;1052=32;1045", "1052=~32", "rule 8220 920 dirty 1"},
      {Rule, ByDates, "1047=x;1048", "1047=~x;1049=Last", "rule 829e 920 dirty 1"},
      {Rule, nullptr, "1044;1052=0;1", "0=1052", nullptr,
       "Please enter an integer between 1 and 31."},
      {Rule, nullptr, "1044;1052=x;1045;1046;1047=;1", "0=1047", nullptr,
       "Please enter an integer."},
      {Rule, ByDates, "", "1044=[x];1052=31;1053=~First;1054=~Sunday;1046=[x];1047=5;1049=~Last",
       ""},
      {Rule, nullptr, "1044;1046", "1045=[ ];1052=1;1053=~Last;1054=~Sunday;1051=March;1047=30",
       "rule 8280 99d dirty 1"},
      {Rule, [](Records& r) { r.location.m_dstRule.m_wStart = 0x8D32; }, "", "1051=-;1053=-", ""},
      {Alarms,
       [](Records& r) {
         r.preferences.m_nTimeFormat = 1, r.preferences.m_alarms.m_alarm[Shurooq].m_nFlags = 0x81;
         r.preferences.m_alarms.m_alarm[Zuhr] = {1, 13 << 8, 20, 0};
       },
       "1059;1063=12:45;1069=5;1072=30;1073=59;1112",
       "1074=05:00;1056=[x];1062=05:15;1067=18:10;1068=19:45;1070=20;1112=[x]",
       "alarms 0/5:15/5* 129/0:0/15 1/12:45/20* 0/15:30/15* 0/18:10/30* 1/19:45/59* sound 1 "
       "dirty 1"},
      {Alarms, nullptr, "1062= 5:30 A.M.;1065= 3:30 P.M.;1055",
       "1074= 5:00 A.M.;1075=12:10 P.M.;1062= 5:30 A.M.;1063=12:15 P.M.",
       "alarms 1/5:30/15* 0/0:0/15 0/12:15/15* 0/15:30/15* 0/18:10/15* 0/19:45/15* sound 0 dirty "
       "1"},
      // Rows without a fixed candidate (high latitudes) keep their azan time: 'Isha on can
      // be switched off; both store a typed delay.
      {Alarms,
       [](Records& r) {
         r.today[Maghrib] = {23, 40}, r.today[Isha] = {23, 44};
         r.preferences.m_alarms.m_alarm[Isha] = {1, 23 << 8 | 45, 15, 0};
       },
       "1072=30;1059;1073=20", "1067=-;1058=[ ];1068=-;1059=[ ]",
       "alarms 0/5:15/15* 0/0:0/15 0/12:15/15* 0/15:30/15* 0/0:0/30* 0/23:45/20* sound 0 "
       "dirty 1"},
      {Recipients, Names, "1103=pending",
       "1102=*adam|Bilal|zed;1103=PENDING;1104=&Add (default);1105=&Remove;1=OK;0=1103",
       "recipients adam Bilal zed"},
      {Recipients, Names, "1103=zaid;1104;1103=musa;1104",
       "1102=adam|Bilal|*MUSA|ZAID|zed;1103=;1104=~&Add;1=OK (default);0=1103",
       "recipients adam Bilal MUSA ZAID zed"},
      {Recipients, Names, "1103=ADAM;1104", "1102=*adam|Bilal|zed;1103=ADAM;0=1103", nullptr,
       "This recipient is already in the list."},
      {Recipients, FiveNames, "1102=B,D;1105", "1102=A|*C|E;1105=&Remove", "recipients A C E"},
      {Recipients, FiveNames, "1102=A,B,C,D,E;1105", "1102=;1105=~&Remove;1104=~&Add (default)",
       "recipients"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.script + std::string(" ") + row.controls);
    boxes.boxes.clear();
    Records records;
    if (row.setup) row.setup(records);
    std::string expected = '\n' + Describe(records) + '\n';  // with the stored lines replaced
    std::istringstream stored(row.stored ? row.stored : "");
    for (std::string line; std::getline(stored, line);) {
      const std::size_t at = expected.find('\n' + line.substr(0, line.find(' '))) + 1;
      expected.replace(at, expected.find('\n', at) - at, line);
    }
    const auto observe = [&](QWidget* d) {
      Play(d, row.script);
      EXPECT_EQ(Observe(*d, row.controls), row.controls);
    };
    EXPECT_EQ(RunDialog(row.dialog, records, observe, Script(row.stored ? "1" : "2")),
              row.stored != nullptr);
    EXPECT_EQ('\n' + Describe(records) + '\n', expected);
    EXPECT_EQ(boxes.boxes, std::vector<std::string>(*row.message ? 1 : 0, row.message));
  }
}

TEST_F(DialogTest, SetAlarmsSaysWhenAzanWavCannotBePlayed) {
  // Azan.wav (none: missing), the notes with "Play Azan sound" on, then off ("": hidden).
  const std::pair<std::optional<std::string>, std::string> rows[] = {
      {std::nullopt, "No Azan.wav in the settings folder: alarms play a chime instead.|"},
      {"MP3 data", "Azan.wav cannot be played: alarms play a chime instead.|"},
      {ReadFileBytes(KESTRIVANE_TEST_DATA "/silence.wav"), "|"},
  };
  for (const auto& [bytes, notes] : rows) {
    if (bytes) std::ofstream("Azan.wav", std::ios::binary) << *bytes;
    Records records;
    records.preferences.m_alarms.m_bPlaySound = 1;
    std::string seen;
    RunDialog(Alarms, records, [&](QWidget* dialog) {
      for (const char* separator : {"", "|"}) {
        const auto* note = dialog->findChild<QLabel*>("soundNote");
        const auto* help = dialog->findChild<QWidget*>(kContextHelpButtonName);
        EXPECT_FALSE(help->geometry().intersects(note->geometry()));
        seen += separator + (note->isVisibleTo(dialog) ? note->text().toStdString() : "");
        Play(dialog, "1112");
      }
    });
    EXPECT_EQ(seen, notes);
  }
}

}  // namespace
}  // namespace kestrivane
