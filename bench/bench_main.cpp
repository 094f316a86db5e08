// Wordloom's benchmarks: start-up against a bare window, word clicks on
// growing documents, and RTF throughput. After the usual table, a summary
// gives the ratios the benchmarks exist for.
#include "bench_summary.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The runs of the program that the benchmarks start keep their recovery
    // copies apart from the user's.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
