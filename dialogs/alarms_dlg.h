#pragma once
// The Set Alarms dialog (template 137): per prayer (Shurooq excepted) the
// azan alarm on or off, the azan time picked from the prayer's own time (plus
// an offset), which the alarm then follows day by day, or from fixed
// candidates after today's prayer time, and the iqamah delay; the azan sound;
// the recipients.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/prayer_times.h"
#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"
#include "settings/extra_settings.h"

class QComboBox;
class QLabel;

namespace kestrivane {

class CAlarmTable;

inline constexpr int kAlarmRows = 5;
inline constexpr int kMinIqamahDelay = 5;
inline constexpr int kMaxIqamahDelay = 59;
inline constexpr int kMaxCandidates = 8;
// The minutes after its prayer an alarm may follow it by, as offered.
inline constexpr std::array<int32_t, 8> kFollowOffsets = {0, 5, 10, 15, 20, 30, 45, 60};

// One row of the dialog and the alarm entry it edits.
struct AlarmRow {
  int timeId, checkId, listId, delayId;
  Prayer entry;
  std::optional<Prayer> end;  // the next prayer, whose time ends the list
  int step;                   // minutes between candidates
};
extern const std::array<AlarmRow, kAlarmRows> kAlarmRowTable;

// Adds m minutes; the hour grows past 59 minutes and is not wrapped at 24.
void AddMinutes(int16_t& hour, int16_t& minute, int m);

// The candidate azan times after `start`: the first multiple of `step`
// later than three minutes after it, then every `step` minutes, at most
// eight; a candidate in the end's hour at or past its minute stops the
// list (an end with hour 0 is no end), and so does hour 24, which never
// comes.
std::vector<PrayerTime> AzanCandidates(PrayerTime start, std::optional<PrayerTime> end, int step);

// The azan time word (hour * 256 + minute) of a list text in either clock
// form: "05:30", " 5:30 A.M.", " 1:30 P.M.". A text too short to hold a
// time gives 0.
uint16_t ParseTimeText(const std::string& text);

class CAlarmsDlg : public CSettingsDialog {
 public:
  // `clock` 0 shows 12-hour texts, anything else 24-hour texts; `following`
  // is indexed as the alarm table.
  CAlarmsDlg(CAlarmTable* alarms, std::array<AlarmFollowing, kPrayerCount>* following,
             const PrayerTimes& today, int32_t clock, QWidget* parent = nullptr);

  // Fills a row's list with the following choices ("At maGHrib time",
  // "maGHrib + 5", ...; the offset as item data) and the fixed candidates,
  // and selects the alarm's choice: its offset when it follows, else its
  // azan time, else the first fixed candidate.
  void FillAzanCombo(QComboBox* list, const AlarmRow& row, AlarmFollowing following,
                     PrayerTime current);

  // Working values, by row.
  std::array<int32_t, kAlarmRows> m_bAzanOn{};
  std::array<std::string, kAlarmRows> m_strTime;
  std::array<uint32_t, kAlarmRows> m_nIqamahDelay{};
  int32_t m_bPlaySound = 0;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;
  void OnOK() override;

 private:
  void OnRecipients();
  // The note under the alarms when the sound asked for cannot be Azan.wav.
  void ShowSoundNote();

  CAlarmTable* m_pAlarms;
  std::array<AlarmFollowing, kPrayerCount>* m_pFollowing;
  QLabel* m_pSoundNote;
  PrayerTimes m_today;
  int32_t m_nClock;
};

}  // namespace kestrivane
