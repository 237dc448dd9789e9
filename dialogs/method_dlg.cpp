#include "dialogs/method_dlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <cmath>

#include "app/time_format.h"
#include "calc/method_titles.h"
#include "dialogs/preferences_dlg.h"
#include "platform/data_exchange.h"
#include "platform/dialog_builder.h"
#include "settings/day_times.h"

namespace kestrivane {

namespace {

constexpr int kRuleFields[] = {IDC_METHOD_FAJR_ANGLE,   IDC_METHOD_ISHA_ANGLE,
                               IDC_METHOD_ISHA_MINUTES, IDC_METHOD_MAGHRIB_ANGLE,
                               IDC_METHOD_ROUNDING,     IDC_METHOD_HIGH_LATITUDE};
constexpr int32_t kLastAngle = 24;  // the preferences' lists end there

std::optional<int32_t> PreferenceAngle(double angle) {
  if (angle != std::floor(angle) || angle < kFirstAngle || angle > kLastAngle) return std::nullopt;
  return static_cast<int32_t>(angle);
}

}  // namespace

PreferenceAngles PreferenceAnglesOf(const CalculationMethod& method) {
  return {PreferenceAngle(method.fajrAngle),
          method.ishaMinutes == 0 ? PreferenceAngle(method.ishaAngle) : std::nullopt};
}

CMethodDlg::CMethodDlg(const CLocation& location, const CPreferences& preferences,
                       const CivilDay& today, QWidget* parent)
    : CSettingsDialog(IDD_CALCULATION_METHOD, parent),
      m_location(location),
      m_preferences(preferences),
      m_today(today) {
  if (auto* list = ItemAs<QComboBox>(IDC_METHOD)) {
    for (int id = 0; id <= static_cast<int>(MethodId::kCustom); ++id) {
      const std::string_view title = MethodTitle(static_cast<MethodId>(id));
      list->addItem(QCoreApplication::translate("Method", std::string(title).c_str()));
    }
  }
  LoadFrom(ClassicMethod(preferences));
}

void CMethodDlg::LoadFrom(const CalculationMethod& method) {
  m_working.method = MethodInUse(method, m_preferences);
  m_working.methodIndex = static_cast<int32_t>(method.id);
  m_working.rounding = static_cast<int32_t>(m_working.method.rounding);
  m_working.highLatitude = static_cast<int32_t>(m_working.method.highLatitude);
}

CalculationMethod CMethodDlg::Method() const { return MethodOf(m_working); }

CalculationMethod CMethodDlg::MethodOf(const Working& working) {
  CalculationMethod method = working.method;
  method.rounding = static_cast<Rounding>(working.rounding);
  method.highLatitude = static_cast<HighLatitudeRule>(working.highLatitude);
  return method;
}

void CMethodDlg::DoDataExchange(CDataExchange& dx) { Exchange(dx, m_working); }

void CMethodDlg::Exchange(CDataExchange& dx, Working& w) {
  CalculationMethod& m = w.method;
  dx.ListIndex(IDC_METHOD, w.methodIndex);
  dx.DoubleRange(IDC_METHOD_FAJR_ANGLE, m.fajrAngle, kMinTwilightAngle, kMaxTwilightAngle);
  dx.DoubleRange(IDC_METHOD_ISHA_ANGLE, m.ishaAngle, 0, kMaxTwilightAngle);
  dx.IntRange(IDC_METHOD_ISHA_MINUTES, m.ishaMinutes, 0, kMaxIshaMinutes);
  if (dx.SaveAndValidate() && m.ishaMinutes == 0 && m.ishaAngle < kMinTwilightAngle) {
    dx.Fail(IDC_METHOD_ISHA_ANGLE, DoubleRangeMessage(kMinTwilightAngle, kMaxTwilightAngle));
  }
  dx.DoubleRange(IDC_METHOD_MAGHRIB_ANGLE, m.maghribAngle, 0, kMaxMaghribAngle);
  dx.ListIndex(IDC_METHOD_ROUNDING, w.rounding);
  dx.ListIndex(IDC_METHOD_HIGH_LATITUDE, w.highLatitude);
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    dx.IntRange(IDC_ADJUST_FAJR + prayer, m.adjustments[prayer], -kMaxAdjustment, kMaxAdjustment);
  }
}

void CMethodDlg::OnInitDialog() {
  CSettingsDialog::OnInitDialog();
  ShowRules();
  // Connected only now: the first exchange sets the list without choosing.
  if (auto* list = ItemAs<QComboBox>(IDC_METHOD)) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] { OnMethodChosen(); });
  }
  for (const int id : {IDC_METHOD_ROUNDING, IDC_METHOD_HIGH_LATITUDE}) {
    if (auto* list = ItemAs<QComboBox>(id)) {
      connect(list, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    }
  }
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (!edit->isReadOnly())
      connect(edit, &QLineEdit::textChanged, this, [this] { ShowPreview(); });
  }
  ShowPreview();
}

void CMethodDlg::OnMethodChosen() {
  auto* list = ItemAs<QComboBox>(IDC_METHOD);
  if (list == nullptr || list->currentIndex() < 0) return;
  const auto id = static_cast<MethodId>(list->currentIndex());
  CalculationMethod& m = m_working.method;
  m_working.methodIndex = list->currentIndex();
  if (id == MethodId::kCustom) {
    // Custom starts from the rules on show, without what only an
    // authority's own table has.
    const CalculationMethod custom = MethodFor(MethodId::kCustom);
    m.id = custom.id;
    m.ishaMinutesInRamadan = custom.ishaMinutesInRamadan;
    m.seasonalTwilight = custom.seasonalTwilight;
    m.methodAdjustments = custom.methodAdjustments;
  } else {
    const auto adjustments = m.adjustments;
    m = MethodInUse(MethodFor(id), m_preferences);
    m.adjustments = adjustments;
    m_working.rounding = static_cast<int32_t>(m.rounding);
    m_working.highLatitude = static_cast<int32_t>(m.highLatitude);
    // Only the rules: the adjustments keep what the user typed.
    CDataExchange dx(this, false);
    dx.Double(IDC_METHOD_FAJR_ANGLE, m.fajrAngle);
    dx.Double(IDC_METHOD_ISHA_ANGLE, m.ishaAngle);
    dx.Int(IDC_METHOD_ISHA_MINUTES, m.ishaMinutes);
    dx.Double(IDC_METHOD_MAGHRIB_ANGLE, m.maghribAngle);
    dx.ListIndex(IDC_METHOD_ROUNDING, m_working.rounding);
    dx.ListIndex(IDC_METHOD_HIGH_LATITUDE, m_working.highLatitude);
  }
  ShowRules();
  ShowPreview();
}

void CMethodDlg::ShowRules() {
  const bool custom = m_working.methodIndex == static_cast<int32_t>(MethodId::kCustom);
  for (const int id : kRuleFields) {
    if (QWidget* field = Item(id)) field->setEnabled(custom);
  }
}

void CMethodDlg::ShowPreview() {
  Working fields = m_working;
  CDataExchange dx(this, true, /*quiet=*/true);
  Exchange(dx, fields);
  const bool use24Hour = m_preferences.m_nTimeFormat != 0;
  PrayerTimes times;
  if (!dx.Failed()) {
    times = ComputePrayerTimes(m_location, m_preferences,
                               MethodInUse(MethodOf(fields), m_preferences), m_today);
  }
  for (int prayer = Fajr; prayer <= Isha; ++prayer) {
    SetControlText(
        this, IDC_PREVIEW_FAJR + prayer,
        dx.Failed() ? "---" : FormatTimeOfDay(times[prayer].hour, times[prayer].minute, use24Hour));
  }
}

}  // namespace kestrivane
