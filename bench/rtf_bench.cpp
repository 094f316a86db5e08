// RTF throughput on a generated 10 MB document with mixed formatting:
// reading into a fresh document, and writing that document back.
#include "bench_documents.h"
#include "shell/formats/rtf_document.h"
#include "shell/formats/rtf_reader.h"
#include "shell/formats/rtf_writer.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr qsizetype kSize = 10 * 1024 * 1024;

const QByteArray &document()
{
    static const QByteArray rtf = BenchDocuments::richText(kSize);
    return rtf;
}

void rtfRead(benchmark::State &state)
{
    const QByteArray &rtf = document();
    for (auto _ : state) {
        QTextDocument doc;
        doc.setUndoRedoEnabled(false); // as opening a file reads it
        QTextCursor cursor(&doc);
        RtfReader reader;
        // The document's destruction is not reading.
        const auto start = std::chrono::steady_clock::now();
        const bool ok = reader.read(rtf, cursor);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!ok) {
            state.SkipWithError(reader.errorString().toStdString().c_str());
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void rtfWrite(benchmark::State &state)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    RtfReader reader;
    reader.read(document(), cursor);
    qint64 written = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        RtfWriter writer;
        if (!writer.write(&buffer, doc)) {
            state.SkipWithError(writer.errorString().toStdString().c_str());
            return;
        }
        written += buffer.size();
    }
    state.SetBytesProcessed(written);
}

// The tokenizer alone: the part of reading that owes nothing to the
// document it fills.
void rtfTokenize(benchmark::State &state)
{
    const QByteArray &rtf = document();
    for (auto _ : state) {
        RtfTokenizer tokenizer(rtf);
        qsizetype tokens = 0;
        for (auto t = tokenizer.next(); t.type != RtfTokenizer::Type::End; t = tokenizer.next())
            ++tokens;
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

// The whole of opening: the file read, parsed into a scratch document and
// moved into the editor's document.
void rtfOpen(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("document.rtf"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(document());
    file.close();
    for (auto _ : state) {
        QTextDocument doc;
        QString error;
        const auto start = std::chrono::steady_clock::now();
        const bool ok = readRtfDocument(path, &doc, &error);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!ok) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * document().size());
}

BENCHMARK(rtfTokenize)->Name("Rtf/tokenize_10MB")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(rtfRead)
    ->Name("Rtf/read_10MB")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(rtfOpen)
    ->Name("Rtf/open_10MB")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(rtfWrite)->Name("Rtf/write_10MB")->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
