// Calendar conversions and formatting, each timed beside Hinnant's civil-from-days so the
// figures read as a ratio that survives a change of machine.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "calendar/calendar_date.h"
#include "calendar/format_calendar_date.h"
#include "civil_reference.h"

namespace {

constexpr char kReferenceName[] = "BM_ReferenceCivilFromDays";

// Enough distinct days to defeat branch prediction on any single date, few enough to stay in
// the first-level cache.
constexpr std::size_t kSampleCount = 4096;

struct Sample {
    std::int32_t serial;
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

const std::vector<Sample>& Samples() {
    static const std::vector<Sample> samples = [] {
        std::mt19937 generator(20261206);
        // From 1 up: serial 0 would make the formatter return at once.
        std::uniform_int_distribution<std::int32_t> serials(1, CalendarDate::kLastSerial);
        std::vector<Sample> result;
        result.reserve(kSampleCount);
        for (std::size_t i = 0; i < kSampleCount; ++i) {
            const std::int32_t serial = serials(generator);
            const CivilDate civil = CivilFromSerial(serial);
            result.push_back({serial, static_cast<std::int32_t>(civil.year),
                              static_cast<std::int32_t>(civil.month),
                              static_cast<std::int32_t>(civil.day)});
        }
        return result;
    }();
    return samples;
}

void BM_ReferenceCivilFromDays(benchmark::State& state) {
    const std::vector<Sample>& samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        CivilDate civil = CivilFromSerial(samples[i].serial);
        benchmark::DoNotOptimize(civil);
        i = (i + 1) % kSampleCount;
    }
}
BENCHMARK(BM_ReferenceCivilFromDays);

void BM_ReferenceDaysFromCivil(benchmark::State& state) {
    const std::vector<Sample>& samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = samples[i];
        std::int64_t serial = SerialOf(s.year, s.month, s.day);
        benchmark::DoNotOptimize(serial);
        i = (i + 1) % kSampleCount;
    }
}
BENCHMARK(BM_ReferenceDaysFromCivil);

void BM_SerialConstructor(benchmark::State& state) {
    const std::vector<Sample>& samples = Samples();
    std::size_t i = 0;
    for (auto _ : state) {
        CalendarDate date(samples[i].serial);
        benchmark::DoNotOptimize(date);
        i = (i + 1) % kSampleCount;
    }
}
BENCHMARK(BM_SerialConstructor);

void BM_SetDate(benchmark::State& state) {
    const std::vector<Sample>& samples = Samples();
    CalendarDate date(0);
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& s = samples[i];
        date.SetDate(s.year, s.month, s.day);
        benchmark::DoNotOptimize(date);
        i = (i + 1) % kSampleCount;
    }
}
BENCHMARK(BM_SetDate);

void BM_FormatCalendarDate0x70(benchmark::State& state) {
    std::vector<CalendarDate> dates;
    dates.reserve(kSampleCount);
    for (const Sample& s : Samples()) {
        dates.emplace_back(s.serial);
    }
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        std::int32_t length = FormatCalendarDate(dates[i], kFormatYearMonthDay, out);
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
        i = (i + 1) % kSampleCount;
    }
}
BENCHMARK(BM_FormatCalendarDate0x70);

// Prints the usual table without colour, so it pastes cleanly, keeps each benchmark's time
// per operation (the median when repetitions are asked for) and adds the ratio to the
// reference.
class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) {
                continue;
            }
            Timing& timing = timings_[run.run_name.str()];
            if (median || !timing.fromMedian) {
                // Adjusted times are per iteration, in the run's own unit.
                timing.nanosecondsPerOp = run.GetAdjustedCPUTime() /
                                          benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
                timing.fromMedian = median;
            }
        }
    }

    void PrintSummary() const {
        const auto reference = timings_.find(kReferenceName);
        if (reference == timings_.end() || reference->second.nanosecondsPerOp <= 0) {
            std::printf("\nno reference run: ratios unavailable\n");
            return;
        }
        const double referenceNanoseconds = reference->second.nanosecondsPerOp;
        std::printf("\n%-28s %10s %18s\n", "operation", "ns/op", "x civil_from_days");
        for (const auto& [name, timing] : timings_) {
            std::printf("%-28s %10.2f %18.2f\n", name.c_str(), timing.nanosecondsPerOp,
                        timing.nanosecondsPerOp / referenceNanoseconds);
        }
    }

  private:
    struct Timing {
        double nanosecondsPerOp = 0;
        bool fromMedian = false;
    };
    std::map<std::string, Timing> timings_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
