#pragma once
// The settings dialogs as their callers run them, on records described
// whole, so that a test compares everything a run stored (or did not); and
// the dialog's controls driven and read through short scripts.

#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <sstream>

#include "dialogs/alarms_dlg.h"
#include "dialogs/daylight_savings_dlg.h"
#include "dialogs/location_edit_dlg.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/recipients_dlg.h"
#include "dialogs/settings_dialogs.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "tests/dialogs/dialog_test_support.h"
#include "timetable/month_select_dlg.h"

namespace kestrivane::testing {

inline PrayerTime T(int hour, int minute) {
  return PrayerTime{static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
}

// As loaded from a file: nothing marked changed.
struct Records {
  Records() {
    preferences.m_bDirty = preferences.m_alarms.m_bDirty = 0;
    for (CAlarmSetting& entry : preferences.m_alarms.m_alarm) entry.m_bDirty = 0;
    location.m_bDirty = location.m_dstRule.m_bDirty = 0;
  }
  CPreferences preferences;        // with the alarm table and the recipients
  CLocation location;              // with the daylight-saving rule
  int32_t month = 4, year = 2026;  // what the month prompt edits
  // Today's times for Set Alarms.
  PrayerTimes today{T(5, 0), T(6, 10), T(12, 10), T(15, 20), T(18, 2), T(19, 40)};
};

// Every stored value and changed flag ('*' marks a changed alarm entry).
inline std::string Describe(const Records& r) {
  const CPreferences& p = r.preferences;
  const CLocation& l = r.location;
  std::ostringstream out;
  out << "preferences " << p.m_nTimeFormat << ' ' << p.m_nFiqh << ' ' << p.m_nFajrAngle << ' '
      << p.m_nIshaAngle << " dirty " << int(p.m_bDirty) << "\nalarms";
  for (const CAlarmSetting& e : p.m_alarms.m_alarm) {
    out << ' ' << int(e.m_nFlags) << '/' << (e.m_wAzanTime >> 8) << ':' << (e.m_wAzanTime & 0xFF)
        << '/' << e.m_nIqamahDelay << (e.m_bDirty ? "*" : "");
  }
  out << " sound " << p.m_alarms.m_bPlaySound << " dirty " << int(p.m_alarms.m_bDirty) << " to";
  for (const std::string& name : p.m_alarms.m_recipients) out << ' ' << name;
  out << "\nlocation " << l.m_strCity << '|' << l.m_strCountry << ' ' << l.m_nLatDegrees << ':'
      << l.m_nLatMinutes << l.m_chLatHemisphere << ' ' << l.m_nLongDegrees << ':'
      << l.m_nLongMinutes << l.m_chLongHemisphere << ' ' << l.m_nAltitude << "m " << l.m_dTimeZone
      << "h rule " << std::hex << l.m_dstRule.m_wStart << ' ' << l.m_dstRule.m_wEnd << std::dec
      << " dirty " << int(l.m_bDirty) << int(l.m_dstRule.m_bDirty) << "\nmonth " << r.month << ' '
      << r.year;
  return out.str();
}

enum class Dialog { Preferences, Location, Rule, Alarms, Recipients, Month };

using Act = std::function<void(QWidget* dialog)>;

inline void ClickOk(QWidget* dialog) { Click(*dialog, IDOK); }
inline void ClickCancel(QWidget* dialog) { Click(*dialog, IDCANCEL); }
inline void PressEscape(QWidget* dialog) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(dialog, &escape);
}

// Runs `dialog` modally on `records` the way its caller does: `act` inside
// it, then `end` unless `act` has closed it. True when it ended with OK.
inline bool RunDialog(Dialog dialog, Records& records, Act act, Act end = ClickOk) {
  WhenModal([act, end](QWidget* modal) {
    if (act) act(modal);
    if (modal->isVisible()) end(modal);
    if (!modal->isVisible()) return;
    ADD_FAILURE() << "the dialog did not close";
    static_cast<QDialog*>(modal)->done(QDialog::Rejected);
  });
  CSettingsDialogs editor(nullptr);
  CAlarmTable& alarms = records.preferences.m_alarms;
  switch (dialog) {
    case Dialog::Preferences:
      return editor.RunPreferencesDialog(records.preferences);
    case Dialog::Location:
      return editor.RunLocationDialog(records.location);
    case Dialog::Alarms:
      return editor.RunAlarmsDialog(alarms, records.today, records.preferences.m_nTimeFormat);
    case Dialog::Rule: {  // as Define Location's Configure runs it
      CDaylightSavingsDlg rule;
      rule.LoadFrom(records.location.m_dstRule);
      if (rule.DoModal() != IDOK) return false;
      rule.SaveTo(records.location.m_dstRule);
      return true;
    }
    case Dialog::Recipients:
      return CRecipientsDlg(&alarms.m_recipients).DoModal() == IDOK;
    case Dialog::Month: {
      CMonthSelectDlg prompt;
      prompt.m_nMonth = records.month;
      prompt.m_nYear = records.year;
      const bool ok = prompt.DoModal() == QDialog::Accepted;
      records.month = prompt.m_nMonth;
      records.year = prompt.m_nYear;
      return ok;
    }
  }
  return false;
}

// The window of template `id`, not yet shown: a settings dialog on empty
// records, any other template as built.
inline std::unique_ptr<QWidget> MakeWindow(int id) {
  static CAlarmTable alarms;
  switch (id) {
    case IDD_PREFERENCES:
      return std::make_unique<CPreferencesDlg>();
    case IDD_LOCATION:
      return std::make_unique<CLocationEditDlg>();
    case IDD_DAYLIGHT_SAVING:
      return std::make_unique<CDaylightSavingsDlg>();
    case IDD_ALARMS:
      return std::make_unique<CAlarmsDlg>(&alarms, PrayerTimes{}, 1);
    case IDD_RECIPIENTS:
      return std::make_unique<CRecipientsDlg>(&alarms.m_recipients);
  }
  auto window = std::make_unique<QWidget>();
  BuildDialog(window.get(), *FindDialogTemplate(id));
  return window;
}

// "id" alone or "id=text" for each step of a script: "1028;1082=24".
inline std::vector<std::pair<int, std::string>> Steps(std::string_view script) {
  std::vector<std::pair<int, std::string>> steps;
  std::istringstream in{std::string(script)};
  for (std::string step; std::getline(in, step, ';');) {
    const std::size_t equals = step.find('=');
    steps.emplace_back(std::stoi(step.substr(0, equals)),
                       equals == std::string::npos ? "" : step.substr(equals + 1));
  }
  return steps;
}

// Plays a script: an id alone clicks that control; "id=text" types the
// text into an edit (as typed keys, through its validator), chooses the
// item of a drop-down list, or selects the items of a list box ("B,D").
// The script may end with OK (id 1), or with "2" for Cancel.
inline void Play(QWidget* dialog, std::string_view script) {
  // "1066>1044;1": click 1066, and play the rest in the dialog it opens.
  if (const std::size_t inner = script.find('>'); inner != std::string_view::npos) {
    WhenModal([rest = std::string(script.substr(inner + 1))](QWidget* d) { Play(d, rest); });
    script = script.substr(0, inner);
  }
  for (const auto& [id, text] : Steps(script)) {
    QWidget* control = FindControl(dialog, id);
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      edit->clear();
      edit->insert(value);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
      list->setCurrentIndex(list->findText(value));
    } else if (auto* box = qobject_cast<QListWidget*>(control)) {
      box->clearSelection();
      for (const QString& name : value.split(',', Qt::SkipEmptyParts)) {
        box->findItems(name, Qt::MatchExactly).front()->setSelected(true);
      }
    } else {
      qobject_cast<QAbstractButton*>(control)->click();
    }
  }
}

// A control as the user sees it: "~" first when disabled; then "[x]" or
// "[ ]" for a check box or radio, the selected item of a drop-down list
// ("-" for none), a list box's items with "*" before the selected ones, a
// push button's text with " (default)", or the text.
// Id 0 names the control that has the focus.
inline std::string State(const QWidget& dialog, int id) {
  if (id == 0) {
    const QWidget* focus = dialog.focusWidget();
    return focus ? focus->property(kControlIdProperty).toString().toStdString() : "none";
  }
  QWidget* control = FindControl(&dialog, id);
  if (control == nullptr) return "no control";
  const std::string off = control->isEnabled() ? "" : "~";
  if (auto* button = qobject_cast<QAbstractButton*>(control); button && button->isCheckable()) {
    return off + (button->isChecked() ? "[x]" : "[ ]");
  }
  if (auto* button = qobject_cast<QPushButton*>(control); button && button->isDefault()) {
    return off + button->text().toStdString() + " (default)";
  }
  if (auto* list = qobject_cast<QComboBox*>(control)) {
    return off + (list->currentIndex() < 0 ? "-" : list->currentText().toStdString());
  }
  if (auto* box = qobject_cast<QListWidget*>(control)) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
      items << (box->item(i)->isSelected() ? "*" : "") + box->item(i)->text();
    }
    return off + items.join('|').toStdString();
  }
  return off + GetControlText(&dialog, id);
}

inline Act Script(std::string script) {
  return [script](QWidget* dialog) { Play(dialog, script); };
}

// The states of the controls a script names, as a script: compared with
// the expected one, a mismatch shows the whole picture.
inline std::string Observe(const QWidget& dialog, std::string_view expected) {
  std::string seen;
  for (const auto& step : Steps(expected)) {
    seen +=
        (seen.empty() ? "" : ";") + std::to_string(step.first) + "=" + State(dialog, step.first);
  }
  return seen;
}

}  // namespace kestrivane::testing
