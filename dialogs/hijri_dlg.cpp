#include "dialogs/hijri_dlg.h"

#include <QComboBox>
#include <QCoreApplication>

#include "dialogs/context_help.h"
#include "platform/data_exchange.h"
#include "platform/dialog_builder.h"
#include "platform/translations.h"

namespace kestrivane {

QString HijriDateText(const HijriSettings& hijri, const CivilDay& day) {
  if (hijri.calendar == HijriCalendar::kNone) return {};
  const HijriDay date =
      HijriFromDays(hijri.calendar, DaysFromCivil(day.year, day.month, day.day), hijri.adjustment);
  return QString::fromStdString(FormatHijriDay(date, TranslatedText));
}

CHijriDlg::CHijriDlg(const HijriSettings& hijri, const CivilDay& today, QWidget* parent)
    : CSettingsDialog(IDD_HIJRI_DATE, parent), m_hijri(hijri), m_today(today) {
  OnClicked(ID_HELP, [this] { WinHelp(this, HELP_CONTEXT, kHijriHelpTopic); });
}

void CHijriDlg::DoDataExchange(CDataExchange& dx) { Exchange(dx, m_hijri); }

void CHijriDlg::Exchange(CDataExchange& dx, HijriSettings& hijri) {
  auto calendar = static_cast<int32_t>(hijri.calendar);
  int32_t adjustment = hijri.adjustment + kMaxHijriAdjustment;
  int32_t column = hijri.timetableColumn ? 1 : 0;
  dx.ListIndex(IDC_HIJRI_CALENDAR, calendar);
  dx.ListIndex(IDC_HIJRI_ADJUSTMENT, adjustment);
  dx.Check(IDC_HIJRI_COLUMN, column);
  hijri = {static_cast<HijriCalendar>(calendar), adjustment - kMaxHijriAdjustment, column != 0};
}

void CHijriDlg::OnInitDialog() {
  CSettingsDialog::OnInitDialog();
  for (const int id : {IDC_HIJRI_CALENDAR, IDC_HIJRI_ADJUSTMENT}) {
    if (auto* list = ItemAs<QComboBox>(id)) {
      connect(list, &QComboBox::currentIndexChanged, this, [this] { ShowPreview(); });
    }
  }
  ShowPreview();
}

void CHijriDlg::ShowPreview() {
  HijriSettings chosen = m_hijri;
  CDataExchange dx(this, true, /*quiet=*/true);
  Exchange(dx, chosen);
  SetControlText(this, IDC_HIJRI_PREVIEW, HijriDateText(chosen, m_today).toStdString());
}

}  // namespace kestrivane
