#pragma once
// The settings dialogs as their callers run them, on records described
// whole, so that a test compares everything a run stored (or did not); the
// controls driven and read through short scripts.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <sstream>

#include "dialogs/alarms_dlg.h"
#include "dialogs/daylight_savings_dlg.h"
#include "dialogs/recipients_dlg.h"
#include "dialogs/settings_dialogs.h"
#include "platform/dialog_builder.h"
#include "settings/location.h"
#include "settings/preferences.h"
#include "tests/app/qt_test_support.h"

namespace kestrivane::testing {

// Every dialog test runs in a folder of its own and answers message boxes.
class DialogTest : public ::testing::Test {
 protected:
  TemporaryWorkingDirectory directory;
  MessageBoxRecorder boxes;
};

using Act = std::function<void(QWidget* dialog)>;

// Runs `act` on the next modal dialog that opens (polled from the event
// loop, so it works inside exec()).
inline void WhenModal(Act act) {
  QTimer::singleShot(5, [act] {
    if (QWidget* modal = QApplication::activeModalWidget()) return act(modal);
    WhenModal(act);
  });
}

// As loaded from a file: nothing marked changed.
struct Records {
  Records() {
    preferences.m_bDirty = preferences.m_alarms.m_bDirty = 0;
    for (CAlarmSetting& entry : preferences.m_alarms.m_alarm) entry.m_bDirty = 0;
    location.m_bDirty = location.m_dstRule.m_bDirty = 0;
  }
  CPreferences preferences;  // with the alarm table and the recipients
  CLocation location;        // with the daylight-saving rule
  PrayerTimes today{{{{5, 0}, {6, 10}, {12, 10}, {15, 20}, {18, 2}, {19, 40}}}};  // for Set Alarms
  std::array<AlarmFollowing, kPrayerCount> following{};
};

// Every stored value and changed flag, one line a record ('*' marks a
// changed alarm entry).
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
  out << " sound " << p.m_alarms.m_bPlaySound << " dirty " << int(p.m_alarms.m_bDirty)
      << "\nrecipients";
  for (const std::string& name : p.m_alarms.m_recipients) out << ' ' << name;
  out << "\nlocation " << l.m_strCity << '|' << l.m_strCountry << ' ' << l.m_nLatDegrees << ':'
      << l.m_nLatMinutes << l.m_chLatHemisphere << ' ' << l.m_nLongDegrees << ':'
      << l.m_nLongMinutes << l.m_chLongHemisphere << ' ' << l.m_nAltitude << "m " << l.m_dTimeZone
      << "h dirty " << int(l.m_bDirty) << "\nrule " << std::hex << l.m_dstRule.m_wStart << ' '
      << l.m_dstRule.m_wEnd << std::dec << " dirty " << int(l.m_dstRule.m_bDirty);
  return out.str();
}

// Each step of a script, "id" or "id=text": "1028;1082=24".
inline std::vector<std::pair<int, std::string>> Steps(const std::string& script) {
  std::vector<std::pair<int, std::string>> steps;
  std::istringstream in(script);
  for (std::string step; std::getline(in, step, ';');) {
    const std::size_t equals = step.find('=');
    steps.emplace_back(std::stoi(step), equals == std::string::npos ? "" : step.substr(equals + 1));
  }
  return steps;
}

// Plays a script: an id alone clicks that control; "id=text" types the
// text into an edit (as typed keys, through its validator), chooses the
// item of a drop-down list, or selects the items of a list box ("B,D").
// "1066>1044;1" clicks 1066 and plays the rest in the dialog it opens.
inline void Play(QWidget* dialog, std::string script) {
  if (const std::size_t inner = script.find('>'); inner != std::string::npos) {
    WhenModal([rest = script.substr(inner + 1)](QWidget* opened) { Play(opened, rest); });
    script.resize(inner);
  }
  for (const auto& [id, text] : Steps(script)) {
    QWidget* control = FindControl(dialog, id);
    const QString value = QString::fromStdString(text);
    auto* edit = qobject_cast<QLineEdit*>(control);
    auto* list = qobject_cast<QComboBox*>(control);
    auto* box = qobject_cast<QListWidget*>(control);
    if (edit) edit->selectAll(), edit->insert(value);
    if (list) list->setCurrentIndex(list->findText(value));
    if (box) box->clearSelection();
    for (const QString& item : box ? value.split(',', Qt::SkipEmptyParts) : QStringList()) {
      box->findItems(item, Qt::MatchExactly).front()->setSelected(true);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) button->click();
  }
}
inline Act Script(std::string script) {
  return [script](QWidget* dialog) { Play(dialog, script); };
}

// A control as the user sees it: "~" first when disabled; then "[x]" or
// "[ ]" for a check box or radio, the chosen item of a drop-down list ("-"
// for none), a list box's items with "*" before the selected ones, or the
// text, with " (default)" after a default button's and " (selected)" after
// a selected one. Id 0 names the control that has the focus.
inline std::string State(const QWidget& dialog, int id) {
  QWidget* control = id == 0 ? dialog.focusWidget() : FindControl(&dialog, id);
  if (id == 0) return control ? control->property(kControlIdProperty).toString().toStdString() : "";
  auto* button = qobject_cast<QAbstractButton*>(control);
  auto* list = qobject_cast<QComboBox*>(control);
  auto* box = qobject_cast<QListWidget*>(control);
  auto* push = qobject_cast<QPushButton*>(control);
  auto* edit = qobject_cast<QLineEdit*>(control);
  QString seen = QString::fromStdString(GetControlText(&dialog, id));
  if (button && button->isCheckable()) seen = button->isChecked() ? "[x]" : "[ ]";
  if (list) seen = list->currentIndex() < 0 ? "-" : list->currentText();
  if (box) seen.clear();
  for (int i = 0; box && i < box->count(); ++i) {
    seen += (i ? "|" : "") + QString(box->item(i)->isSelected() ? "*" : "") + box->item(i)->text();
  }
  if (push && push->isDefault()) seen += " (default)";
  if (edit && edit->hasSelectedText()) seen += " (selected)";
  return (control->isEnabled() ? "" : "~") + seen.toStdString();
}

// The states of the controls a script names, as a script: compared with
// the expected one, a mismatch shows the whole picture.
inline std::string Observe(const QWidget& dialog, const std::string& expected) {
  std::string seen;
  for (const auto& [id, text] : Steps(expected)) {
    seen += (seen.empty() ? "" : ";") + std::to_string(id) + "=" + State(dialog, id);
  }
  return seen;
}

inline void PressEscape(QWidget* dialog) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(dialog, &escape);
}

enum class Dialog { Preferences, Location, Rule, Alarms, Recipients };

// Runs `dialog` modally on `records` the way its caller does: `act` inside
// it, then `end` unless `act` has closed it. True when it ended with OK.
inline bool RunDialog(Dialog dialog, Records& records, Act act, Act end = Script("1")) {
  WhenModal([act, end](QWidget* modal) {
    if (act) act(modal);
    if (modal->isVisible()) end(modal);
    if (modal->isVisible()) ADD_FAILURE() << "the dialog did not close";
    if (modal->isVisible()) static_cast<QDialog*>(modal)->done(QDialog::Rejected);
  });
  using enum Dialog;
  CSettingsDialogs editor(nullptr);
  CPreferences& p = records.preferences;
  if (dialog == Preferences) return editor.RunPreferencesDialog(p);
  if (dialog == Location) return editor.RunLocationDialog(records.location);
  if (dialog == Alarms) {
    return editor.RunAlarmsDialog(p.m_alarms, records.following, records.today, p.m_nTimeFormat);
  }
  if (dialog == Recipients) return CRecipientsDlg(&p.m_alarms.m_recipients).DoModal() == IDOK;
  CDaylightSavingsDlg configure;  // as Define Location's Configure runs it
  configure.LoadFrom(records.location.m_dstRule);
  if (configure.DoModal() != IDOK) return false;
  configure.SaveTo(records.location.m_dstRule);
  return true;
}

}  // namespace kestrivane::testing
