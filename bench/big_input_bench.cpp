// Big inputs: opening documents at the size limits (many short lines, long
// prose) and one past the line limit, start-up with a word list of a million
// unsorted lines, and a word click after a word of a megabyte without a
// space or in the longest paragraph a document may hold. Each is timed to
// the point the window has handled its events.
#include "compose/composition.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/ui/document.h"
#include "controls/document_editor.h"
#include "shell/ui/main_form.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Program
{
    Program()
    {
        QDirIterator it(QStringLiteral(WORDLOOM_DATA_DIR), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString src = it.next();
            const QString dst =
                dir.filePath(QDir(QStringLiteral(WORDLOOM_DATA_DIR)).relativeFilePath(src));
            QDir().mkpath(QFileInfo(dst).absolutePath());
            QFile::copy(src, dst);
        }
    }

    std::unique_ptr<TMainForm> start()
    {
        StartOptions options;
        options.programDir = dir.path();
        options.dialogs = &dialogs;
        auto form = std::make_unique<TMainForm>(options);
        form->show();
        QApplication::processEvents();
        return form;
    }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

QByteArray shortLines(qsizetype count)
{
    static const char *const words[] = {"the", "cat", "sat", "on", "a", "mat", "dog", "ran"};
    std::mt19937 gen(1);
    QByteArray out;
    for (qsizetype i = 0; i < count; ++i) {
        out += words[gen() % 8];
        if (gen() % 2)
            out += QByteArray(" ") + words[gen() % 8];
        out += '\n';
    }
    return out;
}

QByteArray prose(qsizetype bytes)
{
    static const char *const words[] = {"the",   "river", "sang",  "of",     "evening",
                                        "light", "and",   "stone", "across", "fields"};
    std::mt19937 gen(2);
    QByteArray out;
    out.reserve(bytes);
    while (out.size() < bytes) {
        for (int w = 0; w < 100; ++w)
            out += QByteArray(words[gen() % 10]) + ' ';
        out += "end.\n";
    }
    out.truncate(bytes);
    return out;
}

void openDocument(benchmark::State &state, bool manyLines, qsizetype size, bool refused)
{
    const QByteArray bytes = manyLines ? shortLines(size) : prose(size);
    Program program;
    const QString path = program.write(QStringLiteral("big.txt"), bytes);
    auto form = program.start();
    for (auto _ : state) {
        form->editor()->clear();
        QApplication::processEvents();
        const auto start = Clock::now();
        const bool opened = form->document()->OpenDocument(path);
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
        if (opened == refused) {
            state.SkipWithError(refused ? "the document was not refused" : "it did not open");
            return;
        }
    }
    state.counters["lines"] = double(bytes.count('\n'));
    state.counters["MB"] = double(bytes.size()) / (1024 * 1024);
}

void startupWithUnsortedList(benchmark::State &state)
{
    Program program;
    QStringList words;
    std::mt19937 gen(3);
    for (int i = 0; i < 1000000; ++i) {
        QString w;
        for (int k = 3 + int(gen() % 6); k > 0; --k)
            w += QChar(u'a' + char16_t(gen() % 26));
        words.append(w);
    }
    program.write(QStringLiteral("words/adjective.txt"), words.join("\r\n").toUtf8());
    for (auto _ : state) {
        const auto start = Clock::now();
        auto form = program.start();
        state.SetIterationTime(secondsSince(start));
        if (form->vocabulary().wordList(Vocabulary::List::AdjectiveList).size() < 500000) {
            state.SkipWithError("the list did not load");
            return;
        }
    }
}

enum class ClickPlace { AfterLongWord, LineAfterLongWord, InLongParagraph };

// The word is put after a word of a megabyte in its paragraph, at the end of
// the short paragraph after it, or in the middle of the longest paragraph of
// prose a document may hold.
void clickNearAMegabyte(benchmark::State &state, ClickPlace place)
{
    Program program;
    const qsizetype megabyte = 1024 * 1024;
    const QByteArray text =
        place == ClickPlace::InLongParagraph
            ? prose(Document::kMaxParagraphLength).replace('\n', ' ') + "\nA short line after it."
            : "A " + QByteArray(megabyte, 'x') + " and then\nA short line after it.";
    const QString path = program.write(QStringLiteral("word.txt"), text);
    auto form = program.start();
    form->document()->OpenDocument(path);
    QApplication::processEvents();
    Composition &composition = form->composition();
    TextSurface &t = composition.surface();
    const int caret = place == ClickPlace::AfterLongWord ? megabyte + 11
                      : place == ClickPlace::LineAfterLongWord
                          ? t.length()
                          : int(text.indexOf(' ', text.size() / 2)) + 1;
    for (auto _ : state) {
        CompositionState &s = composition.state;
        s.ActionTag = QStringLiteral("cat");
        s.LastAction = QStringLiteral("dog");
        s.ReplaceMode = 0;
        s.CapsMode = CapsNone;
        s.ArticleState = ArticleNone;
        t.setCaret(caret);
        const auto start = Clock::now();
        composition.InsertWord(QStringLiteral("cat"));
        QApplication::processEvents();
        state.SetIterationTime(secondsSince(start));
        t.remove(composition.state.WordStart, composition.state.WordLength);
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("BigInput/open/500000_short_lines", openDocument, true,
                                 Document::kMaxDocumentLines, false)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("BigInput/open/20MB_prose", openDocument, false,
                                 qsizetype(Document::kMaxDocumentBytes), false)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("BigInput/open/1300000_short_lines_refused", openDocument, true,
                                 qsizetype(1300000), true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RegisterBenchmark("BigInput/startup/1000000_unsorted_words", startupWithUnsortedList)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    const std::pair<const char *, ClickPlace> clicks[] = {
        {"BigInput/click/after_1MB_word", ClickPlace::AfterLongWord},
        {"BigInput/click/line_after_1MB_word", ClickPlace::LineAfterLongWord},
        {"BigInput/click/in_longest_paragraph", ClickPlace::InLongParagraph}};
    for (const auto &[name, place] : clicks) {
        benchmark::RegisterBenchmark(name, clickNearAMegabyte, place)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20);
    }
    return true;
}();

} // namespace
