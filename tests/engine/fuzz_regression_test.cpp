// Replays the fuzzers' seeds and every input a fuzzer once failed on
// (tests/engine/fuzz_regressions/TARGET/), through the same checks the fuzz
// targets make, so a fixed finding stays fixed in the normal and sanitizer
// builds alike.
#include "../../fuzz/fuzz_checks.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Check = std::function<QString(const QByteArray &)>;

int replay(const QString &target, const Check &check)
{
    int count = 0;
    const QStringList dirs = {
        QStringLiteral(WORDLOOM_TEST_DIR "/../fuzz/corpus/") + target,
        QStringLiteral(WORDLOOM_TEST_DIR "/engine/fuzz_regressions/") + target,
    };
    for (const QString &dirPath : dirs) {
        const QDir dir(dirPath);
        for (const QString &name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QString fault = check(file.readAll());
            EXPECT_TRUE(fault.isEmpty())
                << target.toStdString() << "/" << name.toStdString() << ": " << fault.toStdString();
            ++count;
        }
    }
    return count;
}

} // namespace

TEST(FuzzRegression, RtfReader)
{
    EXPECT_GT(replay(QStringLiteral("rtf_reader"), FuzzChecks::rtfReader), 0);
}

TEST(FuzzRegression, Prefs)
{
    EXPECT_GT(replay(QStringLiteral("prefs"), FuzzChecks::prefs), 0);
}

TEST(FuzzRegression, WordList)
{
    EXPECT_GT(replay(QStringLiteral("word_list"), FuzzChecks::wordList), 0);
}

TEST(FuzzRegression, VerbTable)
{
    EXPECT_GT(replay(QStringLiteral("verb_table"), FuzzChecks::verbTable), 0);
}

TEST(FuzzRegression, ExceptionList)
{
    EXPECT_GT(replay(QStringLiteral("exception_list"), FuzzChecks::exceptionList), 0);
}
