#pragma once

#include "compose/article_choice.h"
#include "files/text_file.h"
#include "plural_exception_list.h"
#include "verb_table.h"
#include "word_list.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class Dialogs;

// Every word list, verb table and plural exception list, the noun category
// captions, and the flags that say what to write back at close. Created and
// loaded once at start-up; lists are saved into the directory they were
// loaded from, in the encoding each file was read in. Whoever shows a list
// follows listChanged() rather than being told by the part that edited it.
class Vocabulary : public QObject
{
    Q_OBJECT
public:
    // The writable lists, in the order they are loaded.
    enum class List {
        AdjectiveList,
        AdjBadList,
        AdjGoodList,
        AdvDList,
        AdvMList,
        AdvPList,
        AdvTList,
        ANumberList,
        NumberList,
        InterjectionList,
        ModalList,
        BodyPartList,
        CharacterList,
        ConceptList,
        AnimalList,
        EventList,
        ObjectList,
        PersonList,
        PlaceList,
        PlantList,
        PronounList,
        PrepositionList,
        ConjunctionList,
        RightList,
        SubstanceList,
        CustomList,
        VerbTable,
        GoVerbTable,
        SayVerbTable,
    };
    static constexpr int ListCount = 29;
    static constexpr int WordListCount = 26;

    // The plural exception lists, in load order.
    enum class Exceptions {
        NounA,
        NounF,
        NounO,
        NounX,
        NounY,
        NounCH,
        NounFE,
        NounIS,
        NounON,
        NounUM,
        NounUS,
        NounChange,
    };
    static constexpr int ExceptionsCount = 12;

    // The lines of nounButtons.txt.
    enum NounCategory {
        Custom,
        Person,
        Plant,
        Place,
        Object,
        Event,
        Character,
        Animal,
        BodyPart,
        Substance,
        Concept,
    };
    static constexpr int NounCategoryCount = 11;

    static constexpr const char *NounButtonsFile = "nounButtons.txt";

    explicit Vocabulary(QObject *parent = nullptr);

    static QString fileName(List list);
    static QString fileName(Exceptions list);
    static bool isVerbTable(List list) { return int(list) >= WordListCount; }
    static bool isSorted(List list);
    static const std::array<List, ListCount> &loadOrder();
    static const std::array<List, ListCount> &saveOrder();

    WordList &wordList(List list);
    const WordList &wordList(List list) const;
    ::VerbTable &verbTable(List list);
    const ::VerbTable &verbTable(List list) const;
    const PluralExceptionList &exceptions(Exceptions list) const;
    PluralExceptionList &exceptions(Exceptions list);
    using ExceptionLists = std::array<PluralExceptionList, ExceptionsCount>;
    // All twelve, indexed by Exceptions.
    const ExceptionLists &exceptionLists() const { return m_exceptions; }
    // The user's article exceptions (articles.txt); empty when it is missing.
    const ArticleExceptions &articleExceptions() const { return m_articleExceptions; }

    const QStringList &nounCaptions() const { return m_nounCaptions; }
    QString nounCaption(NounCategory c) const { return m_nounCaptions.value(c); }
    // Emit nounCaptionsChanged() once when any caption is new.
    void setNounCaption(NounCategory c, const QString &text);
    void setNounCaptions(const QStringList &captions);
    static QStringList defaultNounCaptions();

    // The editors call this after changing a list; it emits listChanged().
    void markModified(List list);
    bool VocabModified() const { return m_vocabModified; }
    bool ListModified(List list) const { return m_listModified[int(list)]; }

    // The directory the lists came from; saving goes back there.
    const QString &loadedDir() const { return m_loadedDir; }
    TextFile::Encoding encoding(List list) const { return m_encodings[int(list)]; }

    // Reads nounButtons.txt, the 29 lists from vocabDir and the 12 exception
    // lists from exceptionsDir. A missing or unreadable file is reported and
    // loading goes on with that list empty; returns false when any of that
    // was reported, after which the program must end. A verb file whose last
    // verb is incomplete is reported but loads.
    bool LoadVocabulary(const QString &vocabDir, const QString &exceptionsDir, Dialogs &dialogs);

    // The close question. Returns whether closing may go on: false after
    // Cancel, and after a list could not be written (reported), so that the
    // changes are not lost.
    bool SaveVocabulary(Dialogs &dialogs);

    // Writes the captions into the loaded directory. When the user has chosen
    // another directory (vocabDir) that has no captions file yet, they are
    // written there too, so the next start accepts that directory. Failures
    // are reported; returns whether every write succeeded.
    // With failures given, what could not be written is added to it instead
    // of being shown.
    bool WriteNounButtonCaptions(const QString &vocabDir, Dialogs &dialogs,
                                 QStringList *failures = nullptr);

    // The check of a newly chosen vocabulary directory: the message to show,
    // or empty when it holds every file a start needs.
    static QString validateVocabDir(const QString &dir);
    // The browse step: asks for a directory starting at current and returns
    // the text the directory box should show afterwards.
    static QString chooseVocabDir(const QString &current, Dialogs &dialogs);

    // The captions file written when the preferences are reset.
    static bool writeDefaultNounButtons(const QString &dir, QString *error);

    // The path of name in dir, matching the name without regard to case as
    // the files were made on a system that ignores it; empty when absent.
    static QString locateFile(const QString &dir, const QString &name);

    static QString missingFileMessage(const QString &name);
    static QString missingExceptionMessage(Exceptions list);
    static QString missingExceptionsDirMessage();
    static QString incompleteVerbMessage(const QString &name, qsizetype lineCount,
                                         qsizetype lastVerbLines);
    static QString saveQuestion();

Q_SIGNALS:
    void listChanged(Vocabulary::List list);
    void nounCaptionsChanged();

private:
    bool readLines(const QString &path, QStringList *lines, TextFile::Encoding *encoding,
                   Dialogs &dialogs);
    bool writeLines(const QString &dir, const QString &name, const QStringList &lines,
                    TextFile::Encoding encoding, QString *error) const;

    std::array<WordList, WordListCount> m_wordLists;
    std::array<::VerbTable, ListCount - WordListCount> m_verbTables;
    ExceptionLists m_exceptions;
    ArticleExceptions m_articleExceptions;
    QStringList m_nounCaptions;
    TextFile::Encoding m_nounCaptionsEncoding = TextFile::Encoding::Utf8;
    std::array<TextFile::Encoding, ListCount> m_encodings;
    std::array<bool, ListCount> m_listModified{};
    bool m_vocabModified = false;
    QString m_loadedDir;
};
