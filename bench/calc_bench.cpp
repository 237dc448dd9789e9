// Cost of the prayer-time core: one day, a whole year of days, one bearing.
// Run: build/release/bench/calc_bench

#include <benchmark/benchmark.h>

#include "calc/conversions.h"
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

void BM_QiblahDirection(benchmark::State& state) {
  double latitude = kLatitude;
  for (auto _ : state) {
    benchmark::DoNotOptimize(latitude);
    benchmark::DoNotOptimize(QiblahDirection(latitude, kLongitude));
  }
}
BENCHMARK(BM_QiblahDirection);

}  // namespace
