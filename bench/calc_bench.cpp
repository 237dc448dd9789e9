// Cost of the prayer-time core: one day, a whole year of days, one bearing.
// Run: build/release/bench/calc_bench

#include <benchmark/benchmark.h>

#include "calc/conversions.h"
#include "calc/method_times.h"
#include "calc/prayer_calculator.h"
#include "calc/qiblah.h"

namespace {

using namespace kestrivane;

const double kLatitude = DegToRad(DegMinToDeg(33, 40));
const double kLongitude = DegToRad(DegMinToDeg(73, 10));

void BM_PrayerCalculatorOneDay(benchmark::State& state) {
  PrayerTimes times;
  for (auto _ : state) {
    PrayerCalculator(times, kLatitude, kLongitude, 5.0, 550.0, 1, DegToRad(18.0), DegToRad(18.0),
                     2000, 3, 15, 0);
    benchmark::DoNotOptimize(times);
  }
}
BENCHMARK(BM_PrayerCalculatorOneDay);

void BM_PrayerCalculatorYear(benchmark::State& state) {
  PrayerTimes times;
  for (auto _ : state) {
    for (int16_t month = 1; month <= 12; ++month) {
      const int16_t days = DaysInMonth(2024, month);
      for (int16_t day = 1; day <= days; ++day) {
        PrayerCalculator(times, kLatitude, kLongitude, 5.0, 550.0, 1, DegToRad(18.0),
                         DegToRad(18.0), 2024, month, day, 0);
        benchmark::DoNotOptimize(times);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * 366);
}
BENCHMARK(BM_PrayerCalculatorYear)->Unit(benchmark::kMicrosecond);

// A day's six times by an authority's method; a new date each time, so the
// solar library's cache of its last days never serves.
void BM_MethodTimesOneDay(benchmark::State& state) {
  const CalculationMethod method = MethodFor(static_cast<MethodId>(state.range(0)));
  const Observer observer{kLatitude, kLongitude, 5.0, 550.0};
  int64_t day = DaysFromCivil(2024, 1, 1);
  for (auto _ : state) {
    const CivilDay date = CivilFromDays(day++);
    benchmark::DoNotOptimize(ComputeMethodTimes(method, observer, 1, date, 0));
  }
  state.SetLabel(std::string(MethodName(method.id)));
}
BENCHMARK(BM_MethodTimesOneDay)
    ->Arg(static_cast<int>(MethodId::kMuslimWorldLeague))
    ->Arg(static_cast<int>(MethodId::kUmmAlQura))
    ->Arg(static_cast<int>(MethodId::kTehran))
    ->Arg(static_cast<int>(MethodId::kMoonsightingCommittee));

void BM_QiblahDirection(benchmark::State& state) {
  double latitude = kLatitude;
  for (auto _ : state) {
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(QiblahDirection(latitude, kLongitude));
  }
}
BENCHMARK(BM_QiblahDirection);

}  // namespace
