#include "startup_loader.h"

#include "compose/dialogs.h"
#include "preferences.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <QFileInfo>

StartupResult loadSettingsAndVocabulary(const QString &programDir, Dialogs &dialogs,
                                        Preferences &prefs, Vocabulary &vocabulary)
{
    StartupResult result;
    const QDir program(programDir);
    const QString prefsPath = program.filePath(QStringLiteral("prefs.ini"));
    const QString nounButtons = QLatin1String(Vocabulary::NounButtonsFile);
    QString firstStamp;

    // At most two passes: the file as found, then the defaults written over it.
    for (int pass = 0;; ++pass) {
        if (!QFileInfo(prefsPath).isFile()) {
            dialogs.message(QStringLiteral("Missing crucial prefs.ini file.  Reinstall."));
            return result;
        }
        PreferenceValues read;
        QString resetMessage;
        QString error;
        if (!read.read(prefsPath, &resetMessage, &error)) {
            dialogs.message(error);
            return result;
        }
        read.resolveDirectories(programDir);
        // The date stamp is taken only once; a reset does not replace it.
        if (pass == 0)
            firstStamp = read.DateStamp;
        else if (!firstStamp.isEmpty())
            read.DateStamp = firstStamp;

        if (!Vocabulary::locateFile(read.VocabDir, nounButtons).isEmpty()) {
            if (!resetMessage.isEmpty())
                dialogs.message(resetMessage);
            prefs.assign(read);
            break;
        }
        const QString wordsDir = program.filePath(QStringLiteral("words"));
        if (pass > 0 || !QFileInfo(wordsDir).isDir()) {
            // Without the default vocabulary there is nothing to fall back on.
            dialogs.message(QStringLiteral("Missing crucial words directory.  Reinstall."));
            return result;
        }
        PreferenceValues defaults = PreferenceValues::defaults();
        defaults.encoding = read.encoding;
        if (!defaults.write(prefsPath, &error) ||
            !Vocabulary::writeDefaultNounButtons(wordsDir, &error)) {
            dialogs.message(error);
            return result;
        }
        result.preferencesReset = true;
    }

    result.ok = vocabulary.LoadVocabulary(prefs.VocabDir,
                                          program.filePath(QStringLiteral("exceptions")), dialogs);
    return result;
}
