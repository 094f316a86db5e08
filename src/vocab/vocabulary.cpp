#include "vocabulary.h"

#include "compose/article_choice.h"
#include "compose/dialogs.h"
#include "files/write_encoding.h"

#include <QDir>
#include <QFileInfo>

namespace {

using List = Vocabulary::List;

struct ListInfo
{
    const char *file;
    bool sorted;
};

// Indexed by List.
constexpr ListInfo kLists[Vocabulary::ListCount] = {
    {"adjective.txt", true},    {"adjBad.txt", true},      {"adjGood.txt", true},
    {"advD.txt", true},         {"advM.txt", true},        {"advP.txt", true},
    {"advT.txt", true},         {"anumber.txt", true},     {"number.txt", false},
    {"interjection.txt", true}, {"modal.txt", true},       {"bodypart.txt", true},
    {"character.txt", true},    {"concept.txt", true},     {"animal.txt", true},
    {"event.txt", true},        {"object.txt", true},      {"person.txt", true},
    {"place.txt", true},        {"plant.txt", true},       {"pronoun.txt", true},
    {"preposition.txt", true},  {"conjunction.txt", true}, {"right.txt", false},
    {"substance.txt", true},    {"custom.txt", false},     {"verb.txt", true},
    {"goVerb.txt", true},       {"sayVerb.txt", true},
};

constexpr const char *kExceptionFiles[Vocabulary::ExceptionsCount] = {
    "nounA.txt",  "nounF.txt",  "nounO.txt",  "nounX.txt",  "nounY.txt",  "nounCH.txt",
    "nounFE.txt", "nounIS.txt", "nounON.txt", "nounUM.txt", "nounUS.txt", "nounChange.txt",
};

// The files a vocabulary directory must hold, in the order they are checked.
// Besides the lists the browse check has always named, the four that start-up
// also needs are checked (before verb.txt, which stays last), so a directory
// that would stop the next start is refused here.
constexpr const char *kRequiredFiles[] = {
    "adjective.txt",    "adjBad.txt",      "adjGood.txt", "advD.txt",      "advM.txt",
    "advP.txt",         "advT.txt",        "anumber.txt", "bodypart.txt",  "character.txt",
    "concept.txt",      "animal.txt",      "custom.txt",  "event.txt",     "goVerb.txt",
    "interjection.txt", "modal.txt",       "number.txt",  "object.txt",    "person.txt",
    "place.txt",        "plant.txt",       "sayVerb.txt", "substance.txt", "pronoun.txt",
    "preposition.txt",  "conjunction.txt", "right.txt",   "verb.txt",
};

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

Vocabulary::Vocabulary(QObject *parent)
    : QObject(parent)
    , m_nounCaptions(NounCategoryCount)
{
    for (int i = 0; i < WordListCount; ++i)
        m_wordLists[i] =
            WordList(kLists[i].sorted ? WordList::Order::Sorted : WordList::Order::FileOrder);
    m_encodings.fill(TextFile::Encoding::Utf8);
}

QString Vocabulary::fileName(List list)
{
    return QString::fromLatin1(kLists[int(list)].file);
}

QString Vocabulary::fileName(Exceptions list)
{
    return QString::fromLatin1(kExceptionFiles[int(list)]);
}

bool Vocabulary::isSorted(List list)
{
    return kLists[int(list)].sorted;
}

const std::array<List, Vocabulary::ListCount> &Vocabulary::loadOrder()
{
    static const std::array<List, ListCount> order = [] {
        std::array<List, ListCount> o{};
        for (int i = 0; i < ListCount; ++i)
            o[i] = List(i);
        return o;
    }();
    return order;
}

const std::array<List, Vocabulary::ListCount> &Vocabulary::saveOrder()
{
    static const std::array<List, ListCount> order = {
        List::AdjectiveList, List::AdvDList,      List::AdvMList,        List::AdvPList,
        List::AdvTList,      List::ANumberList,   List::NumberList,      List::InterjectionList,
        List::ModalList,     List::BodyPartList,  List::CharacterList,   List::ConceptList,
        List::AnimalList,    List::EventList,     List::ObjectList,      List::PersonList,
        List::PlaceList,     List::SubstanceList, List::CustomList,      List::VerbTable,
        List::GoVerbTable,   List::SayVerbTable,  List::AdjBadList,      List::AdjGoodList,
        List::PlantList,     List::PronounList,   List::PrepositionList, List::ConjunctionList,
        List::RightList,
    };
    return order;
}

WordList &Vocabulary::wordList(List list)
{
    Q_ASSERT(!isVerbTable(list));
    return m_wordLists[int(list)];
}

const WordList &Vocabulary::wordList(List list) const
{
    Q_ASSERT(!isVerbTable(list));
    return m_wordLists[int(list)];
}

VerbTable &Vocabulary::verbTable(List list)
{
    Q_ASSERT(isVerbTable(list));
    return m_verbTables[int(list) - WordListCount];
}

const VerbTable &Vocabulary::verbTable(List list) const
{
    Q_ASSERT(isVerbTable(list));
    return m_verbTables[int(list) - WordListCount];
}

const PluralExceptionList &Vocabulary::exceptions(Exceptions list) const
{
    return m_exceptions[int(list)];
}

PluralExceptionList &Vocabulary::exceptions(Exceptions list)
{
    return m_exceptions[int(list)];
}

QStringList Vocabulary::defaultNounCaptions()
{
    return {QStringLiteral("custom"),    QStringLiteral("person"), QStringLiteral("plant"),
            QStringLiteral("place"),     QStringLiteral("object"), QStringLiteral("event"),
            QStringLiteral("Character"), QStringLiteral("animal"), QStringLiteral("body part"),
            QStringLiteral("substance"), QStringLiteral("concept")};
}

void Vocabulary::setNounCaption(NounCategory c, const QString &text)
{
    QStringList captions = m_nounCaptions;
    captions[c] = text;
    setNounCaptions(captions);
}

void Vocabulary::setNounCaptions(const QStringList &captions)
{
    if (captions == m_nounCaptions)
        return;
    m_nounCaptions = captions;
    Q_EMIT nounCaptionsChanged();
}

void Vocabulary::markModified(List list)
{
    m_listModified[int(list)] = true;
    m_vocabModified = true;
    Q_EMIT listChanged(list);
}

QString Vocabulary::missingFileMessage(const QString &name)
{
    return QStringLiteral("Missing crucial %1 file.  Reinstall.").arg(name);
}

QString Vocabulary::missingExceptionMessage(Exceptions list)
{
    // The first list's message has always been spelled with a slash.
    const QChar sep = list == Exceptions::NounA ? QLatin1Char('/') : QLatin1Char('\\');
    return missingFileMessage(QStringLiteral("exceptions") + sep + fileName(list));
}

QString Vocabulary::incompleteVerbMessage(const QString &name, qsizetype lineCount,
                                          qsizetype lastVerbLines)
{
    return QStringLiteral("%1 has %2 lines, but a verb takes 5: its last verb has only %3. It "
                          "is kept with the missing forms empty; fill them in with the verb "
                          "list editor.")
        .arg(name)
        .arg(lineCount)
        .arg(lastVerbLines);
}

QString Vocabulary::missingExceptionsDirMessage()
{
    return QStringLiteral("Missing crucial exceptions directory.  Reinstall.");
}

QString Vocabulary::saveQuestion()
{
    return QStringLiteral("Save changes to vocabulary?");
}

QString Vocabulary::locateFile(const QString &dir, const QString &name)
{
    const QDir d(dir);
    const QString exact = d.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries = d.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return d.filePath(entry);
    }
    return {};
}

bool Vocabulary::readLines(const QString &path, QStringList *lines, TextFile::Encoding *encoding,
                           Dialogs &dialogs)
{
    TextFile::Content content;
    QString error;
    if (!TextFile::read(path, &content, &error)) {
        dialogs.message(error);
        return false;
    }
    *lines = TextFile::splitLines(content.text);
    *encoding = content.encoding;
    return true;
}

bool Vocabulary::LoadVocabulary(const QString &vocabDir, const QString &exceptionsDir,
                                Dialogs &dialogs)
{
    m_loadedDir = vocabDir;
    bool ok = true;
    QStringList lines;

    m_nounCaptions = QStringList(NounCategoryCount);
    const QString captionsPath = locateFile(vocabDir, QLatin1String(NounButtonsFile));
    if (captionsPath.isEmpty()) {
        dialogs.message(missingFileMessage(QLatin1String(NounButtonsFile)));
        ok = false;
    } else if (readLines(captionsPath, &lines, &m_nounCaptionsEncoding, dialogs)) {
        // A caption the file does not hold (it ends early, or the line is
        // blank) would leave a button with nothing on it: it takes its
        // default, and the user is told which lines those were.
        const QStringList defaults = defaultNounCaptions();
        QStringList missing;
        for (int i = 0; i < NounCategoryCount; ++i) {
            m_nounCaptions[i] = lines.value(i);
            if (m_nounCaptions[i].trimmed().isEmpty()) {
                m_nounCaptions[i] = defaults.value(i);
                missing.append(QString::number(i + 1));
            }
        }
        if (!missing.isEmpty())
            dialogs.message(
                QStringLiteral("%1 has no caption on line%2 %3; the default "
                               "caption%2 %4 used.")
                    .arg(QLatin1String(NounButtonsFile),
                         missing.size() > 1 ? QStringLiteral("s") : QString(),
                         missing.join(QStringLiteral(", ")),
                         missing.size() > 1 ? QStringLiteral("are") : QStringLiteral("is")));
    } else {
        ok = false;
    }

    for (List list : loadOrder()) {
        const int i = int(list);
        if (isVerbTable(list))
            verbTable(list).clear();
        else
            wordList(list).clear();
        const QString path = locateFile(vocabDir, fileName(list));
        if (path.isEmpty()) {
            dialogs.message(missingFileMessage(fileName(list)));
            ok = false;
            continue;
        }
        if (!readLines(path, &lines, &m_encodings[i], dialogs)) {
            ok = false;
            continue;
        }
        if (isVerbTable(list)) {
            // Reported, but not fatal: the start goes on with the verb kept.
            if (const qsizetype have = verbTable(list).loadLines(lines))
                dialogs.message(incompleteVerbMessage(fileName(list), lines.size(), have));
        } else
            wordList(list).addAll(lines);
    }

    if (!QFileInfo(exceptionsDir).isDir()) {
        dialogs.message(missingExceptionsDirMessage());
        ok = false;
    }
    for (int i = 0; i < ExceptionsCount; ++i) {
        const auto list = Exceptions(i);
        m_exceptions[i].clear();
        const QString path = locateFile(exceptionsDir, fileName(list));
        if (path.isEmpty()) {
            dialogs.message(missingExceptionMessage(list));
            ok = false;
            continue;
        }
        TextFile::Encoding unused;
        if (!readLines(path, &lines, &unused, dialogs)) {
            ok = false;
            continue;
        }
        m_exceptions[i].loadLines(lines);
    }
    // The article exceptions are optional: without them the letter rule
    // decides alone, and nothing is said.
    QStringList articleLines;
    const QString articles = locateFile(exceptionsDir, QStringLiteral("articles.txt"));
    TextFile::Encoding articleEncoding;
    if (articles.isEmpty() || !readLines(articles, &articleLines, &articleEncoding, dialogs))
        articleLines.clear();
    m_articleExceptions.load(articleLines);

    m_listModified.fill(false);
    m_vocabModified = false;
    return ok;
}

bool Vocabulary::writeLines(const QString &dir, const QString &name, const QStringList &lines,
                            TextFile::Encoding encoding, QString *error) const
{
    QString path = locateFile(dir, name);
    if (path.isEmpty())
        path = QDir(dir).filePath(name);
    const QString text = lines.join(kCrLf);
    return TextFile::write(path, text, writeEncodingFor(text, encoding), error);
}

bool Vocabulary::SaveVocabulary(Dialogs &dialogs)
{
    if (!m_vocabModified || m_loadedDir.isEmpty())
        return true;
    switch (dialogs.question(saveQuestion())) {
    case Dialogs::Answer::Cancel:
        return false;
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Yes:
        break;
    }
    QStringList failures;
    for (List list : saveOrder()) {
        if (!m_listModified[int(list)])
            continue;
        const QStringList lines =
            isVerbTable(list) ? verbTable(list).toLines() : wordList(list).entries();
        QString error;
        if (!writeLines(m_loadedDir, fileName(list), lines, m_encodings[int(list)], &error))
            failures.append(error);
    }
    if (failures.isEmpty())
        return true;
    dialogs.message(
        QStringLiteral("The vocabulary could not be saved:\n%1\n\nWordloom stays open so "
                       "that your changes are not lost.")
            .arg(failures.join(QLatin1Char('\n'))));
    return false;
}

bool Vocabulary::WriteNounButtonCaptions(const QString &vocabDir, Dialogs &dialogs,
                                         QStringList *collected)
{
    // Nothing was loaded, so there is nothing to write back.
    if (m_loadedDir.isEmpty())
        return true;
    const QString name = QLatin1String(NounButtonsFile);
    QStringList failures;
    QString error;
    if (!writeLines(m_loadedDir, name, m_nounCaptions, m_nounCaptionsEncoding, &error))
        failures.append(error);

    // A newly chosen directory needs a captions file, or the next start takes
    // it for unusable and resets every preference.
    const bool otherDir =
        !vocabDir.isEmpty() && QDir::cleanPath(QDir(vocabDir).absolutePath()) !=
                                   QDir::cleanPath(QDir(m_loadedDir).absolutePath());
    if (otherDir && locateFile(vocabDir, name).isEmpty()) {
        if (!writeLines(vocabDir, name, m_nounCaptions, TextFile::Encoding::Utf8, &error))
            failures.append(error);
    }
    if (failures.isEmpty())
        return true;
    if (collected)
        collected->append(failures);
    else
        dialogs.message(failures.join(QLatin1Char('\n')));
    return false;
}

QString Vocabulary::validateVocabDir(const QString &dir)
{
    constexpr int count = int(std::size(kRequiredFiles));
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromLatin1(kRequiredFiles[i]);
        if (!locateFile(dir, name).isEmpty())
            continue;
        QString text =
            QStringLiteral(
                "Sorry, that's not a proper Vocabulary directory.  It's missing the \"%1\" file")
                .arg(name);
        text += i + 1 < count ? QStringLiteral(" and maybe others.") : QStringLiteral(".");
        return text;
    }
    return {};
}

QString Vocabulary::chooseVocabDir(const QString &current, Dialogs &dialogs)
{
    const std::optional<QString> chosen =
        dialogs.directory(QStringLiteral("Vocabulary directory"), current);
    if (!chosen)
        return current;
    const QString problem = validateVocabDir(*chosen);
    if (!problem.isEmpty()) {
        dialogs.message(problem);
        return current;
    }
    return *chosen;
}

bool Vocabulary::writeDefaultNounButtons(const QString &dir, QString *error)
{
    QString path = locateFile(dir, QLatin1String(NounButtonsFile));
    if (path.isEmpty())
        path = QDir(dir).filePath(QLatin1String(NounButtonsFile));
    return TextFile::write(path, defaultNounCaptions().join(kCrLf), TextFile::Encoding::Utf8,
                           error);
}
