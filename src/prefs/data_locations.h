#pragma once

#include <QString>

// Where Wordloom reads the files it ships and keeps the files it writes.
//
// A program whose own folder can be written (a build folder, a portable copy
// on a USB stick, --program-dir) keeps everything there, beside the shipped
// data. An installed program's folder (/usr/share/wordloom) is only ever
// read: prefs.ini, view.ini and affixes.ini then live in the user's config
// folder, and the user's copy of the vocabulary, learnt words and recovered
// documents in the user's data folder (both from QStandardPaths). Features
// that write a file ask this class where it goes rather than assuming the
// program's folder.
class DataLocations
{
public:
    enum class Layout {
        Beside,    // the data lie beside the program, or were named by --program-dir
        Installed, // the shared data of an installed program: never written
    };

    // The folder of the shipped data for a program in binaryDir: binaryDir
    // itself when it holds prefs.ini, else ../share/wordloom when that does
    // (an installed program), else binaryDir (start-up then reports what is
    // missing there).
    static QString findShippedDir(const QString &binaryDir, Layout *layout);

    // Everything in shippedDir when it can be written and is not an
    // installation; the user's folders otherwise.
    static DataLocations forProgram(const QString &shippedDir, Layout layout);
    // Everything in one folder, as a portable copy has it.
    explicit DataLocations(const QString &programDir = QString());
    // Given folders; per-user when they are not the shipped folder.
    DataLocations(const QString &shippedDir, const QString &configDir, const QString &dataDir);

    // Where prefs.ini's defaults, words/, exceptions/ and manual.html are read.
    const QString &shippedDir() const { return m_shipped; }
    const QString &programDir() const { return m_shipped; }
    // prefs.ini, view.ini, affixes.ini.
    const QString &configDir() const { return m_config; }
    // The vocabulary, learnt words, recovered documents.
    const QString &dataDir() const { return m_data; }
    bool perUser() const { return m_config != m_shipped || m_data != m_shipped; }

    QString configFile(const QString &name) const;
    QString dataFile(const QString &name) const;
    // The default vocabulary folder, "words" in the data folder.
    QString vocabularyDir() const;
    QString shippedVocabularyDir() const;
    QString exceptionsDir() const;
    QString manualFile() const;
    // Where the "opendir" and "savedir" placeholders of prefs.ini point:
    // empty for the program folder's own "txt" (a portable copy), the user's
    // documents folder for an installed program.
    QString documentsDir() const;

    // Makes the user's folders and fills them from the shipped data:
    // prefs.ini when the user has none, every vocabulary file the user lacks,
    // and a newer shipped list over one the user has not edited (a list the
    // user edited is never replaced). Does nothing for a portable copy.
    // False with *error naming the file and the reason when a folder or a
    // file the start needs could not be made.
    bool prepare(QString *error) const;

    // The file beside the user's vocabulary that remembers what each shipped
    // list held when it was copied, so that an upgrade can tell an edited
    // list from one the user never touched.
    static constexpr const char *ShippedListsFile = "shipped-words.txt";

private:
    bool fillVocabulary(QString *error) const;

    QString m_shipped;
    QString m_config;
    QString m_data;
};
