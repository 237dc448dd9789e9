#include "dialogs/alarms_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <cctype>

#include "app/alarm_engine.h"
#include "app/time_format.h"
#include "dialogs/recipients_dlg.h"
#include "platform/data_exchange.h"
#include "platform/dialog_builder.h"
#include "platform/sound.h"
#include "resources/dialog_template.h"
#include "settings/alarm_table.h"

namespace kestrivane {

const std::array<AlarmRow, kAlarmRows> kAlarmRowTable = {{
    {1074, 1055, 1062, 1069, Fajr, Shurooq, 15},
    {1075, 1056, 1063, 1070, Zuhr, Asr, 15},
    {1076, 1057, 1065, 1071, Asr, Maghrib, 15},
    {1077, 1058, 1067, 1072, Maghrib, Isha, 5},
    {1078, 1059, 1068, 1073, Isha, std::nullopt, 15},
}};

void AddMinutes(int16_t& hour, int16_t& minute, int m) {
  int total = minute + m;
  int h = hour;
  if (total > 59) {
    h += total / 60;
    total %= 60;
  }
  hour = static_cast<int16_t>(h);
  minute = static_cast<int16_t>(total);
}

std::vector<PrayerTime> AzanCandidates(PrayerTime start, std::optional<PrayerTime> end, int step) {
  std::vector<PrayerTime> candidates;
  if (step <= 0) return candidates;
  PrayerTime t = start;
  AddMinutes(t.hour, t.minute, 3);
  AddMinutes(t.hour, t.minute, step);
  t.minute = static_cast<int16_t>(t.minute / step * step);
  for (int i = 0; i < kMaxCandidates; ++i) {
    if (end && end->hour != 0 && t.hour == end->hour && t.minute >= end->minute) break;
    // A time at or past 24:00 never fires, and one before midnight is no
    // time of the day either.
    if (t.hour >= 24 || t.hour < 0 || t.minute < 0) break;
    candidates.push_back(t);
    AddMinutes(t.hour, t.minute, step);
  }
  return candidates;
}

uint16_t ParseTimeText(const std::string& text) {
  if (text.size() < 5) return 0;
  const auto digit = [&](size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    return c >= '0' && c <= '9' ? c - '0' : 0;
  };
  int hour = std::isdigit(static_cast<unsigned char>(text[0])) ? 10 * digit(0) : 0;
  hour += digit(1);
  // The 12-hour form: " 1:30 P.M." has its 'P' seventh.
  if (text.size() > 6 && hour < 12 && text[6] == 'P') hour += 12;
  const int minute = 10 * digit(3) + digit(4);
  return static_cast<uint16_t>(hour * 256 + minute);
}

namespace {

// The prayer's name as the row's label shows it, without its mnemonic.
std::string RowPrayerName(const AlarmRow& row) {
  const auto controls = FindDialogTemplate(IDD_ALARMS)->controls;
  for (std::size_t i = 1; i < controls.size(); ++i) {
    if (controls[i].id != row.timeId) continue;
    std::string name = controls[i - 1].caption;
    std::erase(name, '&');
    return name;
  }
  return {};
}

}  // namespace

CAlarmsDlg::CAlarmsDlg(CAlarmTable* alarms, std::array<AlarmFollowing, kPrayerCount>* following,
                       const PrayerTimes& today, int32_t clock, QWidget* parent)
    : CSettingsDialog(IDD_ALARMS, parent),
      m_pAlarms(alarms),
      m_pFollowing(following),
      m_pSoundNote(new QLabel(this)),
      m_today(today),
      m_nClock(clock) {
  OnClicked(IDC_RECIPIENTS, [this] { OnRecipients(); });
  // Not in the template: beside Cancel and OK, below the alarms.
  m_pSoundNote->setObjectName(QStringLiteral("soundNote"));
  m_pSoundNote->setWordWrap(true);
  QRect note = MapDialogRect(QRect(7, 147, 176, 22), BaseUnitsOf(font()));
  // It ends a character before the context-help button, which may share the
  // row (a right-to-left window has both mirrored): a wrapped Arabic line can
  // run a few pixels past the width it was broken for.
  if (const auto* help = findChild<QWidget*>(QLatin1String(kContextHelpButtonName))) {
    const QRect button = QStyle::visualRect(layoutDirection(), rect(), help->geometry());
    if (button.intersects(note)) note.setRight(button.x() - fontMetrics().averageCharWidth());
  }
  m_pSoundNote->setGeometry(QStyle::visualRect(layoutDirection(), rect(), note));
  m_pSoundNote->hide();
  connect(ItemAs<QCheckBox>(IDC_PLAY_SOUND), &QCheckBox::toggled, this,
          [this] { ShowSoundNote(); });
}

void CAlarmsDlg::ShowSoundNote() {
  const SoundFile file = CheckSoundFile(kSoundFile);
  m_pSoundNote->setText(
      file == SoundFile::Missing
          ? QCoreApplication::translate(
                "Dialog", "No Azan.wav in the settings folder: alarms play a chime instead.")
          : QCoreApplication::translate("Dialog",
                                        "Azan.wav cannot be played: alarms play a chime instead."));
  m_pSoundNote->setToolTip(QFileInfo(QString::fromLatin1(kSoundFile)).absoluteFilePath());
  m_pSoundNote->setVisible(file != SoundFile::Playable &&
                           ItemAs<QCheckBox>(IDC_PLAY_SOUND)->isChecked());
}

void CAlarmsDlg::DoDataExchange(CDataExchange& dx) {
  for (int i = 0; i < kAlarmRows; ++i) dx.Check(kAlarmRowTable[i].checkId, m_bAzanOn[i]);
  for (int i = 0; i < kAlarmRows; ++i) dx.Text(kAlarmRowTable[i].timeId, m_strTime[i]);
  for (int i = 0; i < kAlarmRows; ++i) {
    dx.IntRange(kAlarmRowTable[i].delayId, m_nIqamahDelay[i], uint32_t{kMinIqamahDelay},
                uint32_t{kMaxIqamahDelay});
  }
  dx.Check(IDC_PLAY_SOUND, m_bPlaySound);
}

void CAlarmsDlg::OnInitDialog() {
  const bool use24Hour = m_nClock != 0;
  for (int i = 0; i < kAlarmRows; ++i) {
    const AlarmRow& row = kAlarmRowTable[i];
    const PrayerTime time = m_today[row.entry];
    m_strTime[i] = FormatTimeOfDay(time.hour, time.minute, use24Hour);
    const CAlarmSetting& entry = m_pAlarms->m_alarm[static_cast<size_t>(row.entry)];
    m_bAzanOn[i] = (entry.m_nFlags & CAlarmSetting::kOn) != 0 ? 1 : 0;
    m_nIqamahDelay[i] = entry.m_nIqamahDelay;
  }
  m_bPlaySound = m_pAlarms->m_bPlaySound;
  CSettingsDialog::OnInitDialog();
  ShowSoundNote();
  for (int i = 0; i < kAlarmRows; ++i) {
    const AlarmRow& row = kAlarmRowTable[i];
    PrayerTime current;
    uint16_t hour = 0, minute = 0;
    m_pAlarms->m_alarm[static_cast<size_t>(row.entry)].GetAzanTime(hour, minute);
    current.hour = static_cast<int16_t>(hour);
    current.minute = static_cast<int16_t>(minute);
    auto* list = ItemAs<QComboBox>(row.listId);
    FillAzanCombo(list, row, (*m_pFollowing)[static_cast<size_t>(row.entry)], current);
    // Without a candidate there is nothing to switch on, but an entry that
    // is on can still be switched off.
    Item(row.checkId)->setEnabled(list->count() > 0 || m_bAzanOn[i] != 0);
  }
}

void CAlarmsDlg::FillAzanCombo(QComboBox* list, const AlarmRow& row, AlarmFollowing following,
                               PrayerTime current) {
  const bool use24Hour = m_nClock != 0;
  const std::string name = RowPrayerName(row);
  list->clear();
  std::vector<int32_t> offsets(kFollowOffsets.begin(), kFollowOffsets.end());
  // An offset Kestrivane.ini holds that is not offered stays choosable.
  if (following.follows && std::ranges::find(offsets, following.offsetMinutes) == offsets.end()) {
    offsets.insert(std::ranges::upper_bound(offsets, following.offsetMinutes),
                   following.offsetMinutes);
  }
  for (const int32_t offset : offsets) {
    const std::string text =
        offset == 0 ? "At " + name + " time" : name + " + " + std::to_string(offset);
    list->addItem(QString::fromStdString(text), offset);
  }
  const int firstFixed = list->count();
  const std::optional<PrayerTime> end =
      row.end ? std::optional<PrayerTime>(m_today[*row.end]) : std::nullopt;
  for (const PrayerTime& t : AzanCandidates(m_today[row.entry], end, row.step)) {
    list->addItem(QString::fromStdString(FormatTimeOfDay(t.hour, t.minute, use24Hour)));
  }
  int found = -1;
  if (following.follows) {
    found = list->findData(following.offsetMinutes);
  } else {
    const QString wanted =
        QString::fromStdString(FormatTimeOfDay(current.hour, current.minute, use24Hour));
    found = list->findText(wanted, Qt::MatchFixedString);  // case-insensitive
  }
  // Not among them: the first fixed candidate, so a fixed alarm stays fixed;
  // none at all keeps the entry as it is.
  list->setCurrentIndex(found >= 0 ? found : (list->count() > firstFixed ? firstFixed : -1));
}

void CAlarmsDlg::OnOK() {
  if (!UpdateData(true)) return;
  for (int i = 0; i < kAlarmRows; ++i) {
    const AlarmRow& row = kAlarmRowTable[i];
    auto* list = ItemAs<QComboBox>(row.listId);
    AlarmFollowing& following = (*m_pFollowing)[static_cast<size_t>(row.entry)];
    const QVariant offset = list->currentData();
    const AlarmFollowing chosen{offset.isValid(), offset.isValid() ? offset.toInt() : 0};
    if (list->currentIndex() >= 0 && following != chosen) {
      following = chosen;
      m_pAlarms->m_bDirty = 1;  // saved with the alarms, and the engine looks again
    }
    // A following alarm keeps today's resulting time for readers of
    // Prefs.dat; an empty list keeps the entry's azan time, and on/off and
    // the delay are stored all the same.
    const uint16_t azanTime =
        following.follows          ? FollowingAzanTime(m_today[row.entry], following.offsetMinutes)
        : list->currentIndex() < 0 ? m_pAlarms->m_alarm[static_cast<size_t>(row.entry)].m_wAzanTime
                                   : ParseTimeText(list->currentText().toStdString());
    m_pAlarms->SetAlarm(row.entry, m_bAzanOn[i] != 0, azanTime,
                        static_cast<uint16_t>(m_nIqamahDelay[i]));
  }
  m_pAlarms->SetPlaySound(m_bPlaySound);
  EndDialog(IDOK);
}

void CAlarmsDlg::OnRecipients() {
  // On the record itself: what the recipients dialog stores stays stored,
  // so this dialog can no longer be cancelled.
  CRecipientsDlg dialog(&m_pAlarms->m_recipients, this);
  dialog.DoModal();
  if (dialog.m_bChanged) {
    m_pAlarms->m_bDirty = 1;
    Item(IDCANCEL)->setEnabled(false);
  }
}

}  // namespace kestrivane
