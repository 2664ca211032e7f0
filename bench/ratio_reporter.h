#pragma once

// Prints the benchmark table as usual and keeps each benchmark's wall-clock time, so that a
// program can end with the ratios it exists to show, all taken from the same run. With
// --benchmark_repetitions the median stands for a benchmark.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plotmere::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type == Run::RT_Aggregate && !median)) {
                continue;
            }
            const std::string name = run.run_name.str();
            if (median || !medians_.contains(name)) {
                seconds_[name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
            if (median) {
                medians_[name] = true;
            }
        }
    }

    // The wall-clock seconds per iteration of the named benchmark, when it ran.
    std::optional<double> seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        if (found == seconds_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

    // "label: slower / faster" as a factor, or nothing when either did not run (filtered out,
    // or not built).
    void printRatio(const std::string& label, const std::string& slower,
                    const std::string& faster) const {
        const std::optional<double> numerator = seconds(slower);
        const std::optional<double> denominator = seconds(faster);
        if (numerator && denominator && *denominator > 0) {
            std::printf("  %-58s %6.2f\n", label.c_str(), *numerator / *denominator);
        }
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, bool> medians_;
};

} // namespace plotmere::bench
