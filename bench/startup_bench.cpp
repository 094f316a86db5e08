// Start-up: `wordloom --play` on an empty script with the shipped
// vocabulary, against the floor program with as many plain buttons, run
// alternately. Time is from spawning to exit; memory is the peak resident
// size the kernel reports for the child.
#include "bench_documents.h"
#include "panels/ui/board.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/ui/main_form.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

struct ChildCost
{
    double seconds = 0;
    double megabytes = 0;
};

ChildCost runChild(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return {};
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss / 1024.0};
}

// Every button of the real window, the board's colour buttons and the
// tool bar's, with the panels that are built only when first shown.
int windowButtons(const QString &programDir)
{
    ScriptedDialogs dialogs;
    StartOptions options;
    options.programDir = programDir;
    options.dialogs = &dialogs;
    TMainForm form(options);
    form.board()->buildPending();
    // A colour button is a QAbstractButton too: count each once.
    return int(form.findChildren<QAbstractButton *>().size());
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void startupWith(benchmark::State &state, bool prediction)
{
    QTemporaryDir dir;
    const QString programDir = dir.filePath(QStringLiteral("program"));
    BenchDocuments::copyTree(QStringLiteral(WORDLOOM_DATA_DIR), programDir);
    // With prediction the script shows the prediction row: start-up with
    // the word-prediction model read and a first row made.
    const QString script = dir.filePath(QStringLiteral("start.wls"));
    QFile scriptFile(script);
    scriptFile.open(QIODevice::WriteOnly);
    if (prediction)
        scriptFile.write("show pPrediction\n");
    scriptFile.close();
    // Counted on a copy without the prediction model: read into this
    // process, it would raise this process's peak, which a child spawned
    // from it reports as its own peak too.
    const QString countDir = dir.filePath(QStringLiteral("count"));
    BenchDocuments::copyTree(QStringLiteral(WORDLOOM_DATA_DIR), countDir);
    QFile::remove(QDir(countDir).filePath(QStringLiteral("prediction.bin")));
    const int buttons = windowButtons(countDir);

    const std::vector<std::string> wordloom = {WORDLOOM_EXE, "--play", script.toStdString(),
                                               "--program-dir", programDir.toStdString()};
    const std::vector<std::string> floor = {STARTUP_FLOOR_EXE, std::to_string(buttons)};
    // One unmeasured run of each, so both start from a warm file cache.
    runChild(wordloom);
    runChild(floor);

    std::vector<double> wTime, wMem, fTime, fMem;
    for (auto _ : state) {
        const ChildCost w = runChild(wordloom);
        const ChildCost f = runChild(floor);
        if (w.seconds == 0 || f.seconds == 0) {
            state.SkipWithError("a start-up run failed");
            return;
        }
        state.SetIterationTime(w.seconds);
        wTime.push_back(w.seconds);
        wMem.push_back(w.megabytes);
        fTime.push_back(f.seconds);
        fMem.push_back(f.megabytes);
    }
    state.counters["buttons"] = buttons;
    state.counters["wordloom_ms"] = median(wTime) * 1e3;
    state.counters["floor_ms"] = median(fTime) * 1e3;
    state.counters["time_ratio"] = median(wTime) / median(fTime);
    state.counters["wordloom_MB"] = median(wMem);
    state.counters["floor_MB"] = median(fMem);
    state.counters["memory_ratio"] = median(wMem) / median(fMem);
}

void startup(benchmark::State &state)
{
    startupWith(state, false);
}
void startupPrediction(benchmark::State &state)
{
    startupWith(state, true);
}

BENCHMARK(startup)
    ->Name("Startup/wordloom_vs_floor")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(9);
BENCHMARK(startupPrediction)
    ->Name("Startup/with_prediction_vs_floor")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(9);

} // namespace
