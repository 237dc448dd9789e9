#pragma once
// The daylight-saving rule: each yearly transition packed into one word.
//
// Rule word: bit 15 (start word only) = the location observes daylight
// saving; bits 8-11 month 0..11; bit 7 set = fixed date, bits 0-5 day of the
// month minus one; bit 7 clear = n-th weekday, bits 3-5 ordinal (0 First ..
// 3 Fourth, 4 Last), bits 0-2 weekday (0 = Sunday).

#include <cstdint>

namespace kestrivane {

class CArchive;

class CDstRule {
 public:
  static constexpr uint16_t kObserves = 0x8000;

  // Each stores the built word only when it differs, and only then raises
  // m_bDirty. `observes` counts for the start word only.
  void SetDate(bool isStart, bool observes, int32_t month, int32_t dayIndex);
  void SetWeekday(bool isStart, bool observes, int32_t month, int32_t ordinal, int32_t weekday);

  // Whether daylight saving is in force on a calendar day: month 1..12,
  // day 1..31, weekday that of the same date (0 = Sunday). The start
  // transition day counts as daylight saving, the end day as standard time.
  // An end that comes before the start, in another month or in the same
  // one, keeps it in force over the turn of the year. A month outside 1..12
  // gives false.
  bool IsDst(int32_t year, int32_t month, int32_t day, int32_t weekday) const;

  void Serialize(CArchive& ar);

  uint16_t m_wStart = 0x0220;  // last Sunday of March, not observed
  uint16_t m_wEnd = 0x0920;    // last Sunday of October
  uint8_t m_bDirty = 1;

 private:
  void Store(bool isStart, bool observes, uint16_t word);
};

}  // namespace kestrivane
