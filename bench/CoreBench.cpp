// Day count, partner comparison and a person file round trip.

#include "calendar/DayNumbering.h"
#include "calendar/PartnerComparison.h"
#include "register/PersonRegister.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

void BM_DayNumber(benchmark::State& state)
{
    cyclo::TYmd date{1, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(cyclo::DayNumber(date));
        date.Year = static_cast<std::uint16_t>(date.Year % 9999 + 1);
        date.Month = static_cast<std::uint16_t>(date.Month % 12 + 1);
    }
}
BENCHMARK(BM_DayNumber);

void BM_CompareCycles(benchmark::State& state)
{
    const cyclo::TYmd a{1981, 4, 8};
    cyclo::TYmd b{1990, 1, 3};
    for (auto _ : state) {
        benchmark::DoNotOptimize(cyclo::CompareCycles(a, b));
        b.Day = static_cast<std::uint16_t>(b.Day % 28 + 1);
    }
}
BENCHMARK(BM_CompareCycles);

// A full 100-person list saved (temporary file, flush to disk, rename) and
// loaded again.
void BM_PersonFileRoundTrip(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "cyclo-bench";
    std::filesystem::create_directories(dir);
    cyclo::PersonRegister reg(dir / "personen.dat");
    for (int i = 0; i < cyclo::kMaxPersons; ++i)
        reg.AddPerson("Person " + std::to_string(i), {1980, 5, 17});
    for (auto _ : state) {
        if (!reg.SavePersons().ok())
            state.SkipWithError("save failed");
        reg.StartupFill();
        benchmark::DoNotOptimize(reg.PersonCount());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PersonFileRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_PersonFileLoad(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "cyclo-bench-load";
    std::filesystem::create_directories(dir);
    cyclo::PersonRegister reg(dir / "personen.dat");
    for (int i = 0; i < cyclo::kMaxPersons; ++i)
        reg.AddPerson("Person " + std::to_string(i), {1980, 5, 17});
    for (auto _ : state) {
        reg.StartupFill();
        benchmark::DoNotOptimize(reg.PersonCount());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PersonFileLoad)->Unit(benchmark::kMicrosecond);

} // namespace
