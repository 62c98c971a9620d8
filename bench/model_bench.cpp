// The rhythm model runs once per paint; these measure it alone, and over a whole year of minutes
// (which an offline comparison with an independent computation also walks).
#include <benchmark/benchmark.h>

#include "model/rhythm_model.hpp"

namespace {

void BM_EvaluateOneMoment(benchmark::State& state) {
    mr::LocalMoment moment{2026, 12, 8, 6, 15, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(moment);
        mr::RhythmSnapshot snapshot = mr::EvaluateRhythm(moment);
        benchmark::DoNotOptimize(snapshot);
        moment.minute = (moment.minute + 1) % 60;
    }
}
BENCHMARK(BM_EvaluateOneMoment);

void BM_EvaluateYearOfMinutes(benchmark::State& state) {
    constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (auto _ : state) {
        unsigned checksum = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= kDaysInMonth[month - 1]; ++day) {
                for (int minute = 0; minute < 1440; ++minute) {
                    const mr::RhythmSnapshot s =
                        mr::EvaluateRhythm({2024, month, day, minute / 60, minute % 60, 0});
                    checksum += s.activeness[0];
                }
            }
        }
        benchmark::DoNotOptimize(checksum);
    }
    state.counters["evaluations"] = 527040;
}
BENCHMARK(BM_EvaluateYearOfMinutes)->Unit(benchmark::kMillisecond);

}  // namespace
