#include "startup_loader.h"

#include "compose/dialogs.h"
#include "data_locations.h"
#include "preferences.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Whether dir can be loaded. A vocabulary whose captions file alone was
// deleted gets the default captions back: nothing else is reset for it. The
// default directory need not hold every list: loading names what is missing.
bool vocabularyReady(const QString &dir, bool needLists, QString *why)
{
    if (!Vocabulary::locateFile(dir, QLatin1String(Vocabulary::NounButtonsFile)).isEmpty())
        return true;
    if (!QFileInfo(dir).isDir()) {
        *why = QStringLiteral("the folder is not there");
        return false;
    }
    if (needLists && !Vocabulary::validateVocabDir(dir).isEmpty()) {
        *why = QStringLiteral("it does not hold every word list");
        return false;
    }
    return Vocabulary::writeDefaultNounButtons(dir, why);
}

} // namespace

StartupResult loadSettingsAndVocabulary(const DataLocations &where, Dialogs &dialogs,
                                        Preferences &prefs, Vocabulary &vocabulary)
{
    StartupResult result;
    QString error;
    if (!where.prepare(&error)) {
        dialogs.message(error);
        return result;
    }
    const QString prefsPath = where.configFile(QStringLiteral("prefs.ini"));
    if (!QFileInfo(prefsPath).isFile()) {
        dialogs.message(QStringLiteral("Missing crucial prefs.ini file.  Reinstall."));
        return result;
    }
    PreferenceValues read;
    QString resetMessage;
    if (!read.read(prefsPath, &resetMessage, &error)) {
        dialogs.message(error);
        return result;
    }
    if (!resetMessage.isEmpty())
        dialogs.message(resetMessage);
    read.resolveDirectories(where.dataDir(), where.documentsDir());

    // A moved program folder, a vocabulary on a drive that is not plugged
    // in or a deleted folder costs only this one line, never the other
    // settings or the captions kept in the default vocabulary.
    const QString fallback = where.vocabularyDir();
    QString why;
    const bool isDefault = QDir::cleanPath(read.VocabDir) == QDir::cleanPath(fallback);
    if (!vocabularyReady(read.VocabDir, !isDefault, &why)) {
        if (!isDefault) {
            dialogs.message(QStringLiteral("The vocabulary folder %1 cannot be used (%2), so "
                                           "Wordloom uses the default vocabulary folder %3 "
                                           "instead. Your other settings are kept.")
                                .arg(QDir::toNativeSeparators(read.VocabDir), why,
                                     QDir::toNativeSeparators(fallback)));
            read.VocabDir = fallback;
            result.vocabDirReset = true;
        }
        if (isDefault || !vocabularyReady(fallback, false, &why)) {
            // Without the default vocabulary there is nothing to fall back on.
            dialogs.message(QFileInfo(fallback).isDir()
                                ? why
                                : QStringLiteral("Missing crucial words directory.  Reinstall."));
            return result;
        }
    }
    prefs.assign(read);
    result.ok = vocabulary.LoadVocabulary(prefs.values().VocabDir, where.exceptionsDir(), dialogs);
    return result;
}

StartupResult loadSettingsAndVocabulary(const QString &programDir, Dialogs &dialogs,
                                        Preferences &prefs, Vocabulary &vocabulary)
{
    return loadSettingsAndVocabulary(DataLocations(programDir), dialogs, prefs, vocabulary);
}
