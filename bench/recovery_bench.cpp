// One recovery write of a 1 MB document, as the timer makes it on the GUI
// thread while the user works: the document turned into its copy, and the
// copy written through the checked atomic writer (synced to disk).
#include "bench_documents.h"
#include "shell/formats/rtf_reader.h"
#include "shell/recovery/document_snapshot.h"
#include "shell/recovery/recovery_store.h"

#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kSize = 1024 * 1024;

void recoveryWrite(benchmark::State &state, QTextDocument &doc)
{
    QTemporaryDir dir;
    RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
    const DocumentSnapshot::Info info{QStringLiteral("/home/me/poem.rtf"), {}, 0};
    qint64 written = 0;
    for (auto _ : state) {
        const RecoveryStore::Record record = DocumentSnapshot::capture(doc, info);
        QString error;
        if (!store.write(RecoveryStore::Kind::Document, record, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        written += record.body.size();
    }
    state.SetBytesProcessed(written);
}

void recoveryWriteProse(benchmark::State &state)
{
    QTextDocument doc;
    doc.setPlainText(BenchDocuments::prose(kSize));
    recoveryWrite(state, doc);
}

void recoveryWriteRich(benchmark::State &state)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    RtfReader().read(BenchDocuments::richText(kSize), cursor);
    recoveryWrite(state, doc);
}

} // namespace

BENCHMARK(recoveryWriteProse)
    ->Name("Recovery/write_1MB_prose")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(recoveryWriteRich)
    ->Name("Recovery/write_1MB_rich")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
