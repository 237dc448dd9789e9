#include "calc/hijri_date.h"

#include <unicode/calendar.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <memory>

#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// ICU rather than libitl, whose Hijri functions crash on some dates, or Qt's
// QCalendar, which has no Umm al-Qura. One calendar per kind and thread:
// making one reads ICU's data each time.
icu::Calendar* CalendarOf(HijriCalendar calendar) {
  thread_local std::unique_ptr<icu::Calendar> calendars[2];
  const bool civil = calendar == HijriCalendar::kCivil;
  std::unique_ptr<icu::Calendar>& made = calendars[civil ? 1 : 0];
  if (!made) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(civil ? "@calendar=islamic-civil" : "@calendar=islamic-umalqura");
    made.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status)) made.reset();
  }
  return made.get();
}

}  // namespace

HijriDay HijriFromDays(HijriCalendar calendar, int64_t days, int32_t adjustment) {
  icu::Calendar* hijri = calendar == HijriCalendar::kNone ? nullptr : CalendarOf(calendar);
  if (hijri == nullptr) return {};
  UErrorCode status = U_ZERO_ERROR;
  constexpr double kMillisecondsPerDay = 86400000.0;
  // Noon, clear of any edge of the day.
  hijri->setTime((static_cast<double>(days + adjustment) + 0.5) * kMillisecondsPerDay, status);
  const HijriDay date{hijri->get(UCAL_EXTENDED_YEAR, status), hijri->get(UCAL_MONTH, status) + 1,
                      hijri->get(UCAL_DATE, status)};
  return U_SUCCESS(status) ? date : HijriDay{};
}

const char* HijriMonthName(int32_t month) {
  static const char* const kNames[12] = {
      KV_TRANSLATE_NOOP("Hijri", "Muharram"),       KV_TRANSLATE_NOOP("Hijri", "Safar"),
      KV_TRANSLATE_NOOP("Hijri", "Rabi' al-Awwal"), KV_TRANSLATE_NOOP("Hijri", "Rabi' al-Thani"),
      KV_TRANSLATE_NOOP("Hijri", "Jumada al-Ula"),  KV_TRANSLATE_NOOP("Hijri", "Jumada al-Akhirah"),
      KV_TRANSLATE_NOOP("Hijri", "Rajab"),          KV_TRANSLATE_NOOP("Hijri", "Sha'ban"),
      KV_TRANSLATE_NOOP("Hijri", "Ramadan"),        KV_TRANSLATE_NOOP("Hijri", "Shawwal"),
      KV_TRANSLATE_NOOP("Hijri", "Dhu al-Qi'dah"),  KV_TRANSLATE_NOOP("Hijri", "Dhu al-Hijjah")};
  return month >= 1 && month <= 12 ? kNames[month - 1] : "";
}

std::string FormatHijriDay(const HijriDay& date, const TranslateText& translate) {
  const char* month = HijriMonthName(date.month);
  return std::to_string(date.day) + " " + (translate ? translate("Hijri", month) : month) + " " +
         std::to_string(date.year);
}

std::string FormatHijriIso(const HijriDay& date) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace kestrivane
