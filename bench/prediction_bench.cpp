// Word prediction: one update of the prediction row at the end of a 1 MB
// document, through the real window's row (the prediction and the
// buttons' new captions) and through the engine alone on the in-memory
// surface. Each update is timed alone; the counters give the median and the
// 99th percentile in milliseconds.
#include "bench_documents.h"
#include "compose/memory_surface.h"
#include "controls/document_editor.h"
#include "predict/ui/prediction_row.h"
#include "predict/word_prediction.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/ui/main_form.h"
#include "shell/ui/prediction_host.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextCursor>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

constexpr qsizetype kDocument = 1024 * 1024;

void percentiles(benchmark::State &state, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty())
        return;
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[std::min(ms.size() - 1, ms.size() * 99 / 100)];
}

// What each update finds before the caret, so each asks something
// different: the next word after a common word (whose followers are the
// most to weigh), and one after the first letters typed.
const QStringList kEndings = {QStringLiteral(" the "), QStringLiteral(" the t"),
                              QStringLiteral(" and "), QStringLiteral(" of w"),
                              QStringLiteral(". A ")};

void rowUpdate(benchmark::State &state)
{
    QTemporaryDir dir;
    BenchDocuments::copyTree(QStringLiteral(WORDLOOM_DATA_DIR), dir.path());
    ScriptedDialogs dialogs;
    StartOptions options;
    options.programDir = dir.path();
    options.dialogs = &dialogs;
    TMainForm form(options);
    form.show();
    QApplication::processEvents();
    form.editor()->setPlainText(BenchDocuments::prose(kDocument));
    QTextCursor end(form.editor()->document());
    end.movePosition(QTextCursor::End);
    form.editor()->setTextCursor(end);
    PredictionRow *row = form.prediction()->row();
    row->words(); // loads the model, outside the timing
    QApplication::processEvents();
    std::vector<double> ms;
    int i = 0;
    for (auto _ : state) {
        const QString ending = kEndings[i++ % kEndings.size()];
        QTextCursor c = form.editor()->textCursor();
        c.insertText(ending);
        const auto start = std::chrono::steady_clock::now();
        row->refresh();
        const auto stop = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1e3);
        for (int k = 0; k < ending.size(); ++k)
            c.deletePreviousChar();
        QApplication::processEvents();
    }
    percentiles(state, ms);
}

void engineUpdate(benchmark::State &state)
{
    WordPrediction prediction;
    QString error;
    if (!prediction.loadModel(QStringLiteral(WORDLOOM_DATA_DIR "/prediction.bin"), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const QString text = BenchDocuments::prose(kDocument);
    MemorySurface surface(text);
    std::vector<double> ms;
    int i = 0;
    for (auto _ : state) {
        surface.setText(text + kEndings[i++ % kEndings.size()]);
        surface.setCaret(surface.length());
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(prediction.predict(surface, 6));
        const auto stop = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1e3);
    }
    percentiles(state, ms);
}

// Reading the shipped model, which happens once after the window shows.
void modelLoad(benchmark::State &state)
{
    for (auto _ : state) {
        WordPrediction prediction;
        QString error;
        if (!prediction.loadModel(QStringLiteral(WORDLOOM_DATA_DIR "/prediction.bin"), &error))
            state.SkipWithError(qPrintable(error));
    }
}

BENCHMARK(rowUpdate)
    ->Name("Prediction/row_update/end/1MB")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500);
BENCHMARK(engineUpdate)
    ->Name("Prediction/engine/end/1MB")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500);
BENCHMARK(modelLoad)->Name("Prediction/model_load")->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
