#pragma once
// The Set Alarms dialog (template 137): per prayer (Shurooq excepted) the
// azan alarm on or off, the azan time picked from candidates after the
// prayer time, and the iqamah delay; the azan sound; the recipients.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/prayer_times.h"
#include "dialogs/settings_dialog.h"
#include "resources/resource_ids.h"

class QComboBox;
class QLabel;

namespace kestrivane {

class CAlarmTable;

inline constexpr int kAlarmRows = 5;
inline constexpr int kMinIqamahDelay = 5;
inline constexpr int kMaxIqamahDelay = 59;
inline constexpr int kMaxCandidates = 8;

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
  // `clock` 0 shows 12-hour texts, anything else 24-hour texts.
  CAlarmsDlg(CAlarmTable* alarms, const PrayerTimes& today, int32_t clock,
             QWidget* parent = nullptr);

  // Fills a row's list with the candidates and selects the current azan
  // time, or the first candidate when it is not among them.
  void FillAzanCombo(QComboBox* list, PrayerTime current, PrayerTime start,
                     std::optional<PrayerTime> end, int step);

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
  QLabel* m_pSoundNote;
  PrayerTimes m_today;
  int32_t m_nClock;
};

}  // namespace kestrivane
