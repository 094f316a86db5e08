#include "compose/random_source.h"
#include "shell/script/script_runner.h"
#include "shell/script/scripted_dialogs.h"
#include "shell/speech/speech_commands.h"
#include "shell/speech/speech_engine.h"
#include "shell/ui/main_form.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <initializer_list>
#include <memory>

namespace {

bool hasOption(int argc, char **argv, std::initializer_list<const char *> names)
{
    for (int i = 1; i < argc; ++i)
        for (const char *name : names)
            if (qstrcmp(argv[i], name) == 0 ||
                (qstrncmp(argv[i], name, qstrlen(name)) == 0 && argv[i][qstrlen(name)] == '='))
                return true;
    return false;
}

// The window needs a display; without one Qt would end with a note about
// reinstalling, which sends the user the wrong way.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void setUpParser(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Compose poetry and prose by clicking words."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("play"),
         QStringLiteral("Run the commands in FILE, then exit; needs no display."),
         QStringLiteral("FILE")},
        {QStringLiteral("seed"), QStringLiteral("Seed the random source with N."),
         QStringLiteral("N")},
        {QStringLiteral("program-dir"),
         QStringLiteral("Look up prefs.ini, words/ and exceptions/ in DIR."),
         QStringLiteral("DIR")},
    });
    parser.addPositionalArgument(QStringLiteral("document"),
                                 QStringLiteral("A document to open at start."));
}

void setNames()
{
    QCoreApplication::setApplicationName(QStringLiteral("Wordloom"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WORDLOOM_VERSION));
}

bool readScript(const QString &file, QStringList *lines)
{
    QByteArray bytes;
    if (file == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return false;
        bytes = in.readAll();
    } else {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        bytes = in.readAll();
    }
    *lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    return true;
}

// Script mode's standard error carries the program's dialogs; the offscreen
// platform's notes about itself are not the program's and would only blur it.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (msg.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
        msg.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    const QByteArray text = qFormatLogMessage(type, context, msg).toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}

} // namespace

int main(int argc, char **argv)
{
    // Help and version are answered without a window, so without a display.
    if (hasOption(argc, argv, {"-h", "-?", "--help", "--help-all", "-v", "--version"})) {
        QCoreApplication app(argc, argv);
        setNames();
        QCommandLineParser parser;
        setUpParser(parser);
        parser.process(app);
        return 0;
    }
    // Script mode runs on machines without a display.
    const bool playing = hasOption(argc, argv, {"--play"});
    if (playing) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietPlatformNotes);
    } else if (!hasDisplay()) {
        std::fprintf(stderr, "wordloom: a graphical display is needed (none is set); "
                             "wordloom --play FILE runs a script without one\n");
        return 1;
    }

    QApplication app(argc, argv);
    setNames();
    // Ties the window to its desktop entry (icon, name) on Wayland and X11.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.wordloom.Wordloom"));

    QCommandLineParser parser;
    setUpParser(parser);
    parser.process(app);
    const QString play = QStringLiteral("play");
    const QString seed = QStringLiteral("seed");
    const QString programDir = QStringLiteral("program-dir");

    StartOptions options;
    options.programDir = parser.isSet(programDir)
                             ? QDir(parser.value(programDir)).absolutePath()
                             : DataLocations::findShippedDir(QCoreApplication::applicationDirPath(),
                                                             &options.layout);
    if (!parser.positionalArguments().isEmpty())
        options.documentArg = parser.positionalArguments().constFirst();

    std::unique_ptr<SeededRandom> random;
    if (parser.isSet(seed)) {
        bool ok = false;
        const uint value = parser.value(seed).toUInt(&ok);
        if (!ok) {
            std::fprintf(stderr, "wordloom: --seed takes a whole number\n");
            return 2;
        }
        random = std::make_unique<SeededRandom>(value);
        options.random = random.get();
    }

    if (!parser.isSet(play)) {
        TMainForm window(options);
        if (!window.startupOk())
            return 1;
        window.show();
        return app.exec();
    }

    const QString scriptFile = parser.value(play);
    QStringList lines;
    if (!readScript(scriptFile, &lines)) {
        std::fprintf(stderr, "%s:0: cannot read the script\n", qPrintable(scriptFile));
        return 2;
    }
    ScriptedDialogs dialogs;
    ScriptRunner::queueLeadingAnswers(&lines, &dialogs);
    options.dialogs = &dialogs;
    options.printer = &dialogs;
    // No sound in script mode: what would be said goes to standard error.
    SilentSpeechEngine speech;
    options.speech = &speech;
    TMainForm window(options);
    if (!window.startupOk())
        return 1;
    window.speech()->speaker().echo = [](const QString &text) {
        const QByteArray line = "speak: " + ScriptedDialogs::escape(text).toUtf8() + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    };
    window.show();
    ScriptRunner runner(&window, &dialogs, scriptFile);
    return runner.run(lines);
}
