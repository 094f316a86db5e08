// A word click: InsertWord at the caret, through the editor of the real
// window (with the event processing that repaints it) and through the
// in-memory surface, on documents from 1 KB to 10 MB. Each click is timed
// alone and then taken back, so the document keeps its size.
#include "bench_documents.h"
#include "compose/memory_surface.h"
#include "compose/random_source.h"
#include "engine/compose_engine.h"
#include "prefs/preferences.h"
#include "shell/script/scripted_dialogs.h"
#include "controls/document_editor.h"
#include "shell/ui/main_form.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextEdit>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

enum class Surface { Editor, Memory };
enum class Caret { End, Middle };

struct Window
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    qsizetype loadedSize = -1;
};

// One shown window for every editor benchmark; its program directory is a
// copy of the shipped data, so closing it touches nothing of the tree's.
Window &window()
{
    static Window *w = [] {
        auto *made = new Window;
        const QDir data(QStringLiteral(WORDLOOM_DATA_DIR));
        std::function<void(const QString &, const QString &)> copy = [&](const QString &from,
                                                                         const QString &to) {
            QDir().mkpath(to);
            const QDir d(from);
            for (const QString &f : d.entryList(QDir::Files))
                QFile::copy(d.filePath(f), QDir(to).filePath(f));
            for (const QString &sub : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                copy(d.filePath(sub), QDir(to).filePath(sub));
        };
        copy(data.path(), made->dir.path());
        StartOptions options;
        options.programDir = made->dir.path();
        options.dialogs = &made->dialogs;
        made->form = std::make_unique<TMainForm>(options);
        made->form->show();
        QApplication::processEvents();
        return made;
    }();
    return *w;
}

void prepareClick(Composition &composition, int caret)
{
    CompositionState &s = composition.state;
    s.ActionTag = QStringLiteral("cat");
    s.LastAction = QStringLiteral("dog");
    s.ReplaceMode = 0;
    s.CapsMode = CapsNone;
    s.ArticleState = ArticleNone;
    composition.surface().setCaret(caret);
}

// Times only the click (and, for the editor, the events it posts); the
// word is removed again outside the timing.
void runClicks(benchmark::State &state, Composition &composition, bool processEvents, Caret caretAt)
{
    TextSurface &t = composition.surface();
    const QString word = QStringLiteral("cat");
    // One untimed click first: the first edit after loading lays out or
    // rearranges the whole text once, which is loading's cost, not a
    // click's.
    prepareClick(composition, caretAt == Caret::End ? t.length() : t.length() / 2);
    composition.InsertWord(word);
    t.remove(composition.state.WordStart, composition.state.WordLength);
    for (auto _ : state) {
        const int caret = caretAt == Caret::End ? t.length() : t.length() / 2;
        prepareClick(composition, caret);
        const auto start = std::chrono::steady_clock::now();
        composition.InsertWord(word);
        if (processEvents)
            QApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        t.remove(composition.state.WordStart, composition.state.WordLength);
    }
}

void clickEditor(benchmark::State &state, qsizetype size, Caret caret)
{
    Window &w = window();
    if (w.loadedSize != size) {
        w.form->editor()->setPlainText(BenchDocuments::prose(size));
        QApplication::processEvents();
        w.loadedSize = size;
    }
    Composition &composition = w.form->composition();
    runClicks(state, composition, true, caret);
}

void clickMemory(benchmark::State &state, qsizetype size, Caret caret)
{
    MemorySurface surface(BenchDocuments::prose(size));
    Vocabulary vocabulary;
    Preferences preferences;
    SeededRandom random(1);
    ScriptedDialogs dialogs;
    ComposeEngine engine(&surface, vocabulary, preferences, random, dialogs);
    runClicks(state, engine.composition(), false, caret);
}

const bool registered = [] {
    const std::pair<const char *, qsizetype> sizes[] = {
        {"1KB", 1024}, {"100KB", 100 * 1024}, {"1MB", 1024 * 1024}, {"10MB", 10 * 1024 * 1024}};
    for (const auto &[sizeName, size] : sizes) {
        for (Caret caret : {Caret::End, Caret::Middle}) {
            const std::string suffix =
                std::string(caret == Caret::End ? "end/" : "middle/") + sizeName;
            benchmark::RegisterBenchmark(("Click/editor/" + suffix).c_str(), clickEditor, size,
                                         caret)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(300);
            benchmark::RegisterBenchmark(("Click/memory/" + suffix).c_str(), clickMemory, size,
                                         caret)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(300);
        }
    }
    return true;
}();

} // namespace
