#include "bench_summary.h"

#include <cstdio>

namespace {

double toSeconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond:
        return value * 1e-9;
    case benchmark::kMicrosecond:
        return value * 1e-6;
    case benchmark::kMillisecond:
        return value * 1e-3;
    case benchmark::kSecond:
        return value;
    }
    return value;
}

const char *const kSizes[] = {"1KB", "100KB", "1MB", "10MB"};

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run> &reports)
{
    ConsoleReporter::ReportRuns(reports);
    for (const Run &run : reports) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration)
            continue;
        Result &r = m_results[run.run_name.function_name];
        r.seconds = toSeconds(run.GetAdjustedRealTime(), run.time_unit);
        for (const auto &[name, counter] : run.counters)
            r.counters[name] = counter.value;
    }
}

void SummaryReporter::printSummary() const
{
    std::printf("\nSummary\n");
    for (const auto &[name, r] : m_results) {
        if (name.rfind("Startup", 0) != 0)
            continue;
        auto c = [&](const char *key) {
            const auto it = r.counters.find(key);
            return it == r.counters.end() ? 0.0 : it->second;
        };
        std::printf("start-up: wordloom %.0f ms, %.1f MB; floor (%d buttons) %.0f ms, %.1f MB; "
                    "time ratio %.2f (target <= 1.3), memory ratio %.2f\n",
                    c("wordloom_ms"), c("wordloom_MB"), int(c("buttons")), c("floor_ms"),
                    c("floor_MB"), c("time_ratio"), c("memory_ratio"));
    }
    for (const char *surface : {"editor", "memory"}) {
        for (const char *caret : {"end", "middle"}) {
            std::string line;
            std::map<std::string, double> us;
            for (const char *size : kSizes) {
                const auto it =
                    m_results.find(std::string("Click/") + surface + "/" + caret + "/" + size);
                if (it == m_results.end())
                    continue;
                us[size] = it->second.seconds * 1e6;
                char part[64];
                std::snprintf(part, sizeof part, " %s %.1f us", size, us[size]);
                line += part;
            }
            if (line.empty())
                continue;
            auto ratio = [&](const char *big) {
                return us.count("1KB") && us.count(big) && us["1KB"] > 0 ? us[big] / us["1KB"]
                                                                         : 0.0;
            };
            std::printf("click (%s surface, caret at %s):%s; 1MB/1KB %.2f, 10MB/1KB %.2f\n",
                        surface, caret, line.c_str(), ratio("1MB"), ratio("10MB"));
        }
    }
    for (const auto &[name, r] : m_results) {
        if (name.rfind("Rtf", 0) != 0)
            continue;
        const auto it = r.counters.find("bytes_per_second");
        if (it != r.counters.end())
            std::printf("%s: %.1f MB/s\n", name.c_str(), it->second / 1e6);
    }
    for (const auto &[name, r] : m_results)
        if (name.rfind("Recovery/", 0) == 0)
            std::printf("%s: %.1f ms a copy (target < 50 ms)\n", name.c_str(), r.seconds * 1e3);
}
