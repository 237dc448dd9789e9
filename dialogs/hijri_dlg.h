#pragma once
// The Hijri Date dialog (template 144): the calendar, its day adjustment for
// a local moon sighting, the timetable's column, and today's Hijri date by
// what is chosen, kept up to date as the user chooses.

#include <QString>

#include "calc/calendar.h"
#include "dialogs/settings_dialog.h"
#include "settings/extra_settings.h"

namespace kestrivane {

class CHijriDlg : public CSettingsDialog {
 public:
  CHijriDlg(const HijriSettings& hijri, const CivilDay& today, QWidget* parent = nullptr);

  // After OK: the settings as chosen.
  HijriSettings m_hijri;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  void OnInitDialog() override;

 private:
  void Exchange(CDataExchange& dx, HijriSettings& hijri);
  void ShowPreview();

  CivilDay m_today;
};

// "26 Jumada al-Akhirah 1448" with the month's name in the user's language;
// empty for no calendar.
QString HijriDateText(const HijriSettings& hijri, const CivilDay& day);

}  // namespace kestrivane
