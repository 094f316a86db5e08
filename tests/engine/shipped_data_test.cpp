// Consistency checks of the vocabulary and plural exception files that ship
// with Wordloom (data/words and data/exceptions). The files are read with
// QFile only; WORDLOOM_DATA_DIR holds the absolute path of data/.

#include "fake_dialogs.h"
#include "morph/plurals.h"
#include "morph/verb_spelling.h"
#include "vocab/vocabulary.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

#ifndef WORDLOOM_DATA_DIR
#error "WORDLOOM_DATA_DIR must name the data directory"
#endif

namespace {

struct ListDesc
{
    const char *name;
    int minEntries;
    bool sorted;
};

// Every plain word list of the vocabulary directory with its minimum size.
const std::vector<ListDesc> kWordLists = {
    {"person.txt", 150, true},      {"plant.txt", 150, true},    {"place.txt", 150, true},
    {"object.txt", 150, true},      {"event.txt", 150, true},    {"character.txt", 150, true},
    {"animal.txt", 150, true},      {"bodypart.txt", 150, true}, {"substance.txt", 150, true},
    {"concept.txt", 150, true},     {"custom.txt", 10, false},   {"adjective.txt", 400, true},
    {"adjGood.txt", 100, true},     {"adjBad.txt", 100, true},   {"advD.txt", 60, true},
    {"advM.txt", 60, true},         {"advP.txt", 60, true},      {"advT.txt", 60, true},
    {"interjection.txt", 50, true}, {"number.txt", 20, false},   {"anumber.txt", 5, true},
    {"modal.txt", 9, true},         {"pronoun.txt", 30, true},   {"preposition.txt", 30, true},
    {"conjunction.txt", 20, true},  {"right.txt", 40, false},
};

struct VerbDesc
{
    const char *name;
    int minVerbs;
};

const std::vector<VerbDesc> kVerbTables = {
    {"verb.txt", 1300},
    {"goVerb.txt", 60},
    {"sayVerb.txt", 60},
};

// The twelve plural exception lists, in load order.
const QStringList kExceptionLists = {
    "nounA",  "nounF",  "nounO",  "nounX",  "nounY",  "nounCH",
    "nounFE", "nounIS", "nounON", "nounUM", "nounUS", "nounChange",
};

QString dataDir()
{
    return QString::fromUtf8(WORDLOOM_DATA_DIR);
}

QString wordsPath(const QString &name)
{
    return dataDir() + "/words/" + name;
}

QString exceptionsPath(const QString &list)
{
    return dataDir() + "/exceptions/" + list + ".txt";
}

// Raw bytes of a file; sets ok to whether it could be read.
QByteArray readBytes(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

// Entries of a file: its text split at CR LF, taken whole.
QStringList readEntries(const QString &path)
{
    bool ok = false;
    const QByteArray bytes = readBytes(path, &ok);
    if (!ok || bytes.isEmpty()) {
        return {};
    }
    return QString::fromUtf8(bytes).split("\r\n");
}

QStringList allShippedFiles()
{
    QStringList files;
    for (const ListDesc &desc : kWordLists) {
        files << wordsPath(desc.name);
    }
    for (const VerbDesc &desc : kVerbTables) {
        files << wordsPath(desc.name);
    }
    files << wordsPath("nounButtons.txt");
    for (const QString &list : kExceptionLists) {
        files << exceptionsPath(list);
    }
    files << exceptionsPath("articles");
    return files;
}

} // namespace

// --- Layout of every file -------------------------------------------------

TEST(ShippedDataFiles, PresentWithCrLfBetweenLinesAndNoneAfterTheLast)
{
    for (const QString &path : allShippedFiles()) {
        bool ok = false;
        const QByteArray bytes = readBytes(path, &ok);
        EXPECT_TRUE(ok && !bytes.isEmpty()) << path.toStdString() << " is missing or empty";
        EXPECT_FALSE(bytes.endsWith('\n') || bytes.endsWith('\r'))
            << path.toStdString() << " ends with a line end";
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"))
            << path.toStdString() << " starts with a byte-order mark";
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r')
                    << path.toStdString() << ": bare LF at byte " << i;
            } else if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    << path.toStdString() << ": bare CR at byte " << i;
            }
        }
    }
}

TEST(ShippedDataFiles, NoEntryHasSurroundingWhitespace)
{
    for (const QString &path : allShippedFiles()) {
        const QStringList entries = readEntries(path);
        for (int i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i], entries[i].trimmed()) << path.toStdString() << ", line " << i + 1;
        }
    }
}

// --- Plain word lists -----------------------------------------------------

TEST(ShippedWordLists, EachListHasItsMinimumSizeAndNoEmptyEntry)
{
    for (const ListDesc &desc : kWordLists) {
        const QStringList entries = readEntries(wordsPath(desc.name));
        EXPECT_GE(entries.size(), desc.minEntries) << desc.name;
        for (int i = 0; i < entries.size(); ++i) {
            EXPECT_FALSE(entries[i].isEmpty()) << desc.name << ", line " << i + 1;
        }
    }
}

TEST(ShippedWordLists, SortedListsAreInCaseInsensitiveOrderWithoutDuplicates)
{
    for (const ListDesc &desc : kWordLists) {
        if (!desc.sorted) {
            continue;
        }
        const QStringList entries = readEntries(wordsPath(desc.name));
        for (int i = 1; i < entries.size(); ++i) {
            EXPECT_LT(QString::compare(entries[i - 1], entries[i], Qt::CaseInsensitive), 0)
                << desc.name << ": \"" << entries[i - 1].toStdString() << "\" before \""
                << entries[i].toStdString() << "\"";
        }
    }
}

TEST(ShippedWordLists, NoListRepeatsAnEntry)
{
    for (const ListDesc &desc : kWordLists) {
        QSet<QString> seen;
        for (const QString &entry : readEntries(wordsPath(desc.name))) {
            EXPECT_FALSE(seen.contains(entry.toLower()))
                << desc.name << " repeats \"" << entry.toStdString() << "\"";
            seen.insert(entry.toLower());
        }
    }
}

// --- Verb tables ----------------------------------------------------------

TEST(ShippedVerbTables, FiveNonEmptyFormsPerVerbAndEnoughVerbs)
{
    for (const VerbDesc &desc : kVerbTables) {
        const QStringList lines = readEntries(wordsPath(desc.name));
        EXPECT_EQ(lines.size() % 5, 0) << desc.name << " has " << lines.size() << " lines";
        EXPECT_GE(lines.size() / 5, desc.minVerbs) << desc.name;
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].isEmpty()) << desc.name << ": empty form at line " << i + 1;
        }
    }
}

TEST(ShippedVerbTables, InfinitivesAreInCaseInsensitiveOrder)
{
    for (const VerbDesc &desc : kVerbTables) {
        const QStringList lines = readEntries(wordsPath(desc.name));
        for (int i = 5; i + 4 < lines.size(); i += 5) {
            EXPECT_LT(QString::compare(lines[i - 5], lines[i], Qt::CaseInsensitive), 0)
                << desc.name << ": \"" << lines[i - 5].toStdString() << "\" before \""
                << lines[i].toStdString() << "\"";
        }
    }
}

TEST(ShippedVerbTables, EveryRowIsSpelledByTheRulesOrIsIrregular)
{
    // The -s and -ing forms follow the spelling rules of the suffix buttons
    // (have and be aside), and a past or participle that looks regular is
    // one of the rules' spellings.
    for (const VerbDesc &desc : kVerbTables) {
        const QStringList lines = readEntries(wordsPath(desc.name));
        for (int i = 0; i + 4 < lines.size(); i += 5) {
            const QString &to = lines[i];
            const std::string verb = desc.name + std::string(": ") + to.toStdString();
            if (to != "have" && to != "be") {
                EXPECT_TRUE(VerbSpelling::sForms(to).contains(lines[i + 1])) << verb;
            }
            EXPECT_TRUE(VerbSpelling::ingForms(to).contains(lines[i + 2])) << verb;
            QStringList regular = {to + "ed", to + to.back() + "ed", to + "ked",
                                   to.chopped(1) + "ied"};
            if (to.endsWith('e')) {
                regular << to + "d";
            }
            for (int c : {3, 4}) {
                if (regular.contains(lines[i + c])) {
                    EXPECT_TRUE(VerbSpelling::edForms(to).contains(lines[i + c])) << verb;
                }
            }
        }
    }
}

// --- Plural exception lists -----------------------------------------------

TEST(ShippedPluralExceptions, ThreeLinesPerNounWithSingularAndPlural)
{
    for (const QString &list : kExceptionLists) {
        const QStringList lines = readEntries(exceptionsPath(list));
        EXPECT_EQ(lines.size() % 3, 0) << list.toStdString() << " has " << lines.size() << " lines";
        EXPECT_GE(lines.size(), 3) << list.toStdString() << " holds no noun";
        for (int i = 0; i + 2 < lines.size(); i += 3) {
            EXPECT_FALSE(lines[i].isEmpty())
                << list.toStdString() << ": empty singular at line " << i + 1;
            EXPECT_FALSE(lines[i + 1].isEmpty())
                << list.toStdString() << ": empty plural at line " << i + 2;
            EXPECT_NE(lines[i + 1], lines[i + 2])
                << list.toStdString() << ": alternate repeats the plural at line " << i + 3;
        }
    }
}

// Filed under the wrong ending, or with a capital, a row would never be
// found: every row must be what the plural rule gives for its singular.
TEST(ShippedPluralExceptions, EveryRowIsWhatThePluralRuleFinds)
{
    Vocabulary vocab;
    FakeDialogs dialogs;
    ASSERT_TRUE(vocab.LoadVocabulary(dataDir() + "/words", dataDir() + "/exceptions", dialogs))
        << dialogs.messages.join('\n').toStdString();
    for (const QString &list : kExceptionLists) {
        const QStringList lines = readEntries(exceptionsPath(list));
        QSet<QString> seen;
        for (int i = 0; i + 2 < lines.size(); i += 3) {
            const QString &singular = lines[i];
            const std::string where = list.toStdString() + ": " + singular.toStdString();
            EXPECT_EQ(singular, singular.toLower()) << where;
            EXPECT_FALSE(seen.contains(singular)) << where << " repeated";
            seen.insert(singular);
            const Plurals::Forms f = Plurals::PluralizeWord(singular, vocab.exceptionLists());
            EXPECT_EQ(f.PluralForm, lines[i + 1]) << where;
            EXPECT_EQ(f.AlternatePlural, lines[i + 2]) << where;
        }
    }
}
