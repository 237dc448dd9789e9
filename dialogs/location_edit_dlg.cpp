#include "dialogs/location_edit_dlg.h"

#include <QDate>
#include <QLabel>

#include "dialogs/daylight_savings_dlg.h"
#include "dialogs/find_city_dlg.h"
#include "platform/city_database.h"
#include "platform/data_exchange.h"
#include "platform/translations.h"
#include "platform/zone_changes.h"
#include "resources/shown_text.h"
#include "settings/location.h"
#include "settings/stored_text.h"

namespace kestrivane {

CLocationEditDlg::CLocationEditDlg(QWidget* parent) : CSettingsDialog(IDD_LOCATION, parent) {
  OnClicked(IDC_USE_DST, [this] { OnUseDst(); });
  OnClicked(IDC_CONFIGURE_DST, [this] { OnConfigure(); });
  OnClicked(IDC_FIND_CITY, [this] { OnFindCity(); });
  ItemAs<QLabel>(IDC_FIND_CITY_NOTE)->setWordWrap(true);
}

void CLocationEditDlg::LoadFrom(const CLocation& location) {
  m_strCity = StoredToText(location.m_strCity);
  m_strCountry = StoredToText(location.m_strCountry);
  int32_t degrees = 0, minutes = 0;
  bool negative = false;
  location.GetLatitude(degrees, minutes, negative);
  m_nLatDegrees = static_cast<uint16_t>(degrees);
  m_nLatMinutes = static_cast<uint16_t>(minutes);
  m_nLatDirection = negative ? 1 : 0;
  location.GetLongitude(degrees, minutes, negative);
  m_nLongDegrees = static_cast<uint16_t>(degrees);
  m_nLongMinutes = static_cast<uint16_t>(minutes);
  m_nLongDirection = negative ? 1 : 0;
  m_nAltitude = location.m_nAltitude;
  m_dTimeZone = location.m_dTimeZone;
  // The words only: the record's changed flag stays with the record.
  m_rule.m_wStart = location.m_dstRule.m_wStart;
  m_rule.m_wEnd = location.m_dstRule.m_wEnd;
  m_bUseDst = (m_rule.m_wStart & CDstRule::kObserves) != 0 ? 1 : 0;
}

void CLocationEditDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_CITY_NAME, m_strCity);
  dx.Text(IDC_COUNTRY_NAME, m_strCountry);
  dx.Check(IDC_USE_DST, m_bUseDst);
  // The file keeps 16 bits: outside 0..65535 the value would wrap.
  dx.IntRange(IDC_ALTITUDE, m_nAltitude, 0, kMaxAltitude);
  dx.IntRange(IDC_LAT_MINUTES, m_nLatMinutes, 0u, kMaxMinutes);
  dx.IntRange(IDC_LAT_DEGREES, m_nLatDegrees, 0u, kMaxLatDegrees);
  dx.IntRange(IDC_LONG_DEGREES, m_nLongDegrees, 0u, kMaxLongDegrees);
  dx.IntRange(IDC_LONG_MINUTES, m_nLongMinutes, 0u, kMaxMinutes);
  dx.ListIndex(IDC_LONG_DIRECTION, m_nLongDirection);
  dx.ListIndex(IDC_LAT_DIRECTION, m_nLatDirection);
  dx.DoubleRange(IDC_TIME_ZONE, m_dTimeZone, kMinTimeZone, kMaxTimeZone);
}

void CLocationEditDlg::OnInitDialog() {
  CSettingsDialog::OnInitDialog();
  // Reads the fields back at once, so a stored value out of range is
  // reported now rather than on OK.
  OnUseDst();
}

void CLocationEditDlg::OnUseDst() {
  // A refused field shows its message; the check box, read third, counts.
  UpdateData(true);
  if (m_bUseDst == 1) {
    m_rule.m_wStart = static_cast<uint16_t>(m_rule.m_wStart | CDstRule::kObserves);
  } else {
    m_rule.m_wStart = static_cast<uint16_t>(m_rule.m_wStart & ~CDstRule::kObserves);
  }
  Item(IDC_CONFIGURE_DST)->setEnabled(m_bUseDst == 1);
}

void CLocationEditDlg::OnConfigure() {
  CDaylightSavingsDlg dialog(this);
  dialog.LoadFrom(m_rule);
  if (dialog.DoModal() == IDOK) dialog.SaveTo(m_rule);
}

void CLocationEditDlg::OnFindCity() {
  // The altitude and every field Find... leaves alone are read first.
  if (!UpdateData(true)) return;
  CFindCityDlg dialog(this);
  if (dialog.DoModal() != IDOK || dialog.m_pChosen == nullptr) return;
  const City& city = *dialog.m_pChosen;
  const QString note = ApplyCity(city, FitIanaZone(city.zone, QDate::currentDate().year()));
  UpdateData(false);
  Item(IDC_CONFIGURE_DST)->setEnabled(m_bUseDst == 1);
  ItemAs<QLabel>(IDC_FIND_CITY_NOTE)->setText(note);
}

QString CLocationEditDlg::ApplyCity(const City& city, const FittedZone& zone) {
  m_strCity = city.name.toStdString();
  m_strCountry = city.country.toStdString();
  const DegreesMinutes latitude = RoundToMinute(city.latitude);
  const DegreesMinutes longitude = RoundToMinute(city.longitude);
  m_nLatDegrees = latitude.degrees;
  m_nLatMinutes = latitude.minutes;
  m_nLatDirection = latitude.negative ? 1 : 0;
  m_nLongDegrees = longitude.degrees;
  m_nLongMinutes = longitude.minutes;
  m_nLongDirection = longitude.negative ? 1 : 0;
  m_dTimeZone = zone.timeZone;
  m_bUseDst = zone.observes ? 1 : 0;
  if (zone.observes) {
    m_rule.m_wStart = zone.rule.m_wStart;
    m_rule.m_wEnd = zone.rule.m_wEnd;
  } else {
    m_rule.m_wStart = static_cast<uint16_t>(m_rule.m_wStart & ~CDstRule::kObserves);
  }
  // In ZoneFit's order.
  static const char* const kNotes[] = {
      QT_TRANSLATE_NOOP("CLocationEditDlg", "%1: zone %2, no daylight saving. Check the altitude."),
      QT_TRANSLATE_NOOP("CLocationEditDlg",
                        "%1: zone %2, daylight saving as Configure... shows. Check the altitude."),
      QT_TRANSLATE_NOOP("CLocationEditDlg",
                        "%1: zone %2, daylight saving on this year's dates, which change from "
                        "year to year: check them next year. Check the altitude."),
      QT_TRANSLATE_NOOP("CLocationEditDlg",
                        "%1: zone %2; its clock changes cannot be said here, so daylight saving "
                        "is off: set it yourself. Check the altitude."),
  };
  const char* note = kNotes[static_cast<int>(zone.fit)];
  return QString::fromStdString(
      FillShown(note, TranslatedText("CLocationEditDlg", note),
                {city.Shown().toStdString(), QString::number(zone.timeZone).toStdString()}));
}

void CLocationEditDlg::SaveTo(CLocation& location) const {
  // A name left as it was keeps the bytes it was loaded with.
  location.Set(TextToStored(m_strCity, location.m_strCity),
               TextToStored(m_strCountry, location.m_strCountry),
               static_cast<uint16_t>(m_nLatDegrees), static_cast<uint16_t>(m_nLatMinutes),
               m_nLatDirection != 0, static_cast<uint16_t>(m_nLongDegrees),
               static_cast<uint16_t>(m_nLongMinutes), m_nLongDirection != 0,
               static_cast<uint16_t>(m_nAltitude), m_dTimeZone, m_rule);
}

}  // namespace kestrivane
