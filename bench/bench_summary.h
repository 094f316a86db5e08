#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console table, and after it the figures that matter side by side: the
// start-up ratios, each click's cost and its largest-to-smallest document
// ratio, and the RTF throughputs.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &reports) override;
    void printSummary() const;

private:
    struct Result
    {
        double seconds = 0; // real time per iteration
        std::map<std::string, double> counters;
    };
    std::map<std::string, Result> m_results;
};
