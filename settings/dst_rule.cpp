#include "settings/dst_rule.h"

#include "calc/conversions.h"
#include "settings/archive.h"

namespace kestrivane {

namespace {

int32_t RuleMonth(uint16_t word) { return (word >> 8) & 0x0F; }

// Day index (day of the month minus one) on which the word's transition
// falls in the given month; d and weekday name any one day of that month.
// Ordinals 5..7 put it past the end of every month.
int64_t TransitionDay(uint16_t word, int32_t year, int32_t month, int64_t d, int64_t weekday) {
  if (word & 0x80) {
    return word & 0x3F;
  }
  const int32_t ordinal = (word >> 3) & 7;
  const int64_t base =
      ordinal == 4 ? DaysInMonth(static_cast<int16_t>(year), static_cast<int16_t>(month)) - 7
                   : ordinal * 7;
  // Weekday of day index `base`, kept in 0..6 whatever the distance.
  const int64_t baseWeekday = (((base - d + weekday) % 7) + 7) % 7;
  const int64_t target = word & 7;
  return base + (target - baseWeekday + 7) % 7;
}

}  // namespace

void CDstRule::Store(bool isStart, bool observes, uint16_t word) {
  if (isStart) {
    word = observes ? static_cast<uint16_t>(word | kObserves)
                    : static_cast<uint16_t>(word & ~kObserves);
  }
  uint16_t& target = isStart ? m_wStart : m_wEnd;
  if (target != word) {
    target = word;
    m_bDirty = 1;
  }
}

void CDstRule::SetDate(bool isStart, bool observes, int32_t month, int32_t dayIndex) {
  Store(isStart, observes, static_cast<uint16_t>(((month & 0x0F) << 8) | 0x80 | (dayIndex & 0x3F)));
}

void CDstRule::SetWeekday(bool isStart, bool observes, int32_t month, int32_t ordinal,
                          int32_t weekday) {
  Store(isStart, observes,
        static_cast<uint16_t>(((month & 0x0F) << 8) | ((ordinal & 7) << 3) | (weekday & 7)));
}

bool CDstRule::IsDst(int32_t year, int32_t month, int32_t day, int32_t weekday) const {
  if (!(m_wStart & kObserves) || month < 1 || month > 12) {
    return false;
  }
  const int32_t m = month - 1;
  const int64_t d = int64_t{day} - 1;
  const int32_t startMonth = RuleMonth(m_wStart);
  const int32_t endMonth = RuleMonth(m_wEnd);
  const auto afterStart = [&] { return d >= TransitionDay(m_wStart, year, month, d, weekday); };
  const auto beforeEnd = [&] { return d < TransitionDay(m_wEnd, year, month, d, weekday); };

  // An end before the start in the year's order keeps daylight saving over
  // the turn of the year (southern hemisphere).
  bool wraps = startMonth > endMonth;
  if (startMonth == endMonth && startMonth < 12) {
    // Both in one month: this year's two days decide.
    const auto y = static_cast<int16_t>(year);
    const int64_t toFirst = int64_t{DayIndex(y, static_cast<int16_t>(startMonth + 1), 1)} -
                            DayIndex(y, static_cast<int16_t>(month), 1) - d;
    const int64_t firstWeekday = ((weekday + toFirst) % 7 + 7) % 7;
    wraps = TransitionDay(m_wEnd, year, startMonth + 1, 0, firstWeekday) <
            TransitionDay(m_wStart, year, startMonth + 1, 0, firstWeekday);
  }
  if (m == startMonth && m == endMonth) {
    return wraps ? afterStart() || beforeEnd() : afterStart() && beforeEnd();
  }
  if (m == startMonth) return afterStart();
  if (m == endMonth) return beforeEnd();
  return wraps ? m > startMonth || m < endMonth : m > startMonth && m < endMonth;
}

void CDstRule::Serialize(CArchive& ar) {
  ar.SerializeTag();
  if (ar.IsStoring()) {
    ar << m_wStart << m_wEnd;
  } else {
    ar >> m_wStart >> m_wEnd;
  }
  m_bDirty = 0;
}

}  // namespace kestrivane
