#include "prefs/preferences.h"
#include "prefs/view_settings.h"
#include "program_dir_fixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

QStringList defaultLines()
{
    return PreferenceValues::defaults().toLines();
}

PreferenceValues fromLines(const QStringList &lines, QList<int> *reset = nullptr)
{
    PreferenceValues p;
    p.fromLines(lines, reset);
    return p;
}

} // namespace

TEST(Preferences, DefaultFileHas57LinesWithCrLfBetweenAndNoneAfterTheLast)
{
    const QString text = PreferenceValues::defaults().toText();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 56);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 56);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n6-9-2002")));

    EXPECT_EQ(defaultLines().size(), PreferenceValues::LineCount);
}

TEST(Preferences, ShippedFileIsTheDefaultFile)
{
    QFile shipped(QStringLiteral(WORDLOOM_DATA_DIR "/prefs.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(shipped.readAll(), PreferenceValues::defaults().toText().toUtf8());
}

TEST(Preferences, EveryLineSurvivesAWriteAndARead)
{
    ProgramDirFixture program;
    PreferenceValues p;
    p.fontName = "Garamond";
    p.fontSize = 12;
    p.OpenDir = "/docs/in";
    p.SaveDir = "/docs/out";
    p.VocabDir = "/vocab";
    p.NormalLeft = -8;
    p.NormalTop = 3;
    p.NormalWidth = 1000;
    p.NormalHeight = 700;
    p.windowStart = PreferenceValues::WindowStart::Maximized;
    p.OpenMaximized = true;
    p.plainText = false;
    p.leftClick = {0, 1, 0, 1, 0, 1, 0};
    p.modalCaption = "Modal";
    p.infinitiveCaption = "to";
    p.pluralizeCaption = "MANY";
    p.capitalizeCaption = "CAPS";
    p.alphabetize = true;
    p.columnWidth = "120";
    p.rightMargin = 9;
    p.rightColour = 0x00226718;
    for (int i = 0; i < PreferenceValues::CustomCaptionCount; ++i)
        p.customCaptions[i] = QStringLiteral("c%1").arg(i);
    p.PastTense = true;
    p.PoetryMode = false;
    p.DateStamp = "1-1-2024";

    const QString path = program.filePath("prefs.ini");
    QString error;
    ASSERT_TRUE(p.write(path, &error)) << error.toStdString();
    const QByteArray bytes = program.read("prefs.ini");
    EXPECT_FALSE(bytes.endsWith("\n"));
    EXPECT_EQ(bytes.count("\r\n"), 56);

    PreferenceValues back;
    QString reset;
    ASSERT_TRUE(back.read(path, &reset, &error));
    EXPECT_EQ(reset, "");
    // Every value above differs from its default, so equal lines mean every
    // value was read back.
    EXPECT_EQ(back.toLines(), p.toLines());
    EXPECT_EQ(back.customCaptions[PreferenceValues::AdvT1 + 4], "c26");
}

TEST(Preferences, BadNumbersAndColourTakeTheirDefaultsAndTheRestStillApplies)
{
    QStringList lines = defaultLines();
    lines[2] = "sixteen";    // font size
    lines[8] = "";           // width
    lines[12] = "0";         // pronoun panel: valid
    lines[13] = "2";         // modal: no such radio item
    lines[19] = "Can";       // modal caption, after the bad lines
    lines[26] = "$00GGHHII"; // colour
    lines[55] = "false";     // prose, at the end
    QList<int> reset;
    const PreferenceValues p = fromLines(lines, &reset);

    EXPECT_EQ(reset, QList<int>({3, 9, 14, 27}));
    EXPECT_EQ(p.fontSize, 16);
    EXPECT_EQ(p.NormalWidth, 640);
    EXPECT_EQ(p.leftClick[PreferenceValues::PronounGroup], 0);
    EXPECT_EQ(p.leftClick[PreferenceValues::ModalGroup], 1);
    EXPECT_EQ(p.modalCaption, "Can");
    EXPECT_EQ(p.rightColour, 0x00855C3Au);
    EXPECT_FALSE(p.PoetryMode);
    EXPECT_EQ(PreferenceValues::resetMessageFor(reset),
              "Some settings in prefs.ini could not be read and were reset to their defaults "
              "(lines 3, 9, 14, 27).");
    EXPECT_EQ(PreferenceValues::resetMessageFor({26}),
              "Some settings in prefs.ini could not be read and were reset to their defaults "
              "(line 26).");
}

TEST(Preferences, FileThatEndsEarlyGivesTheMissingLinesTheirDefaultsAndNamesThem)
{
    QStringList lines = defaultLines();
    lines[3] = QStringLiteral("mine"); // a caption the file does hold
    QList<int> reset;
    const PreferenceValues p = fromLines(lines.mid(0, 24), &reset);
    EXPECT_EQ(p.toLines().mid(0, 24), lines.mid(0, 24));
    EXPECT_EQ(p.toLines().mid(24), defaultLines().mid(24));
    QList<int> missing;
    for (int line = 25; line <= PreferenceValues::LineCount; ++line)
        missing.append(line);
    EXPECT_EQ(reset, missing);
    EXPECT_TRUE(PreferenceValues::resetMessageFor(reset).contains("lines 25, 26, 27"));
}

TEST(Preferences, WindowLineKeepsNewUntilTheFirstStartIsResolved)
{
    QStringList lines = defaultLines();
    PreferenceValues p = fromLines(lines);
    EXPECT_EQ(p.windowStart, PreferenceValues::WindowStart::FirstStart);
    EXPECT_EQ(p.toLines().at(10), "new");

    p.resolveFirstStart(1024, 768);
    EXPECT_FALSE(p.OpenMaximized);
    EXPECT_EQ(p.NormalLeft, 192);
    EXPECT_EQ(p.NormalTop, 144);
    EXPECT_EQ(p.NormalWidth, 640);
    EXPECT_EQ(p.NormalHeight, 450);
    EXPECT_EQ(p.toLines().at(10), "false");

    PreferenceValues narrow = fromLines(lines);
    narrow.resolveFirstStart(640, 480);
    EXPECT_TRUE(narrow.OpenMaximized);
    EXPECT_EQ(narrow.NormalLeft, 80);
    EXPECT_EQ(narrow.toLines().at(10), "true");

    lines[10] = "true";
    PreferenceValues maximised = fromLines(lines);
    maximised.resolveFirstStart(1024, 768);
    EXPECT_TRUE(maximised.OpenMaximized);
    EXPECT_EQ(maximised.NormalLeft, 80) << "only a first start is centred";

    lines[10] = "sometimes";
    const PreferenceValues other = fromLines(lines);
    EXPECT_EQ(other.windowStart, PreferenceValues::WindowStart::Unchanged);
    EXPECT_FALSE(other.OpenMaximized);
    EXPECT_EQ(other.toLines().at(10), "false");
}

TEST(Preferences, WindowFromTheFileIsFittedOntoTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    const struct
    {
        int left, top, width, height; // read from the file
        QRect fitted;
    } cases[] = {
        {80, 60, 640, 450, {80, 60, 640, 450}},
        {0, 0, 2147483647, 2147483647, screen},
        {-5000, 900, 1, -3, {0, 648, 160, 120}},
        {2147483647, -2147483647, 800, 600, {224, 0, 800, 600}},
    };
    for (const auto &c : cases) {
        QStringList lines = defaultLines();
        lines[6] = QString::number(c.left);
        lines[7] = QString::number(c.top);
        lines[8] = QString::number(c.width);
        lines[9] = QString::number(c.height);
        PreferenceValues p = fromLines(lines);
        p.fitWindowTo(screen);
        EXPECT_EQ(QRect(p.NormalLeft, p.NormalTop, p.NormalWidth, p.NormalHeight), c.fitted)
            << c.width;
    }
}

// Every line given another value, one at a time, and assigned: the one
// aspect its readers follow is told, once, and nothing else.
TEST(Preferences, ChangingEachLineEmitsExactlyItsAspect)
{
    using A = Preferences::Aspect;
    const struct
    {
        int first, last;
        A aspect;
    } kRuns[] = {{2, 3, A::Font},          {4, 6, A::Directories}, {7, 11, A::Window},
                 {12, 12, A::FileFormat},  {13, 19, A::LeftClick}, {20, 23, A::Captions},
                 {24, 27, A::RightColumn}, {28, 54, A::Captions},  {55, 55, A::Tense},
                 {56, 56, A::Mode}};
    const QStringList defaults = defaultLines();
    for (const auto &run : kRuns) {
        for (int line = run.first; line <= run.last; ++line) {
            QStringList lines = defaults;
            QString &text = lines[line - 1];
            bool number = false;
            const int value = text.toInt(&number);
            if (text == "true" || text == "new")
                text = "false";
            else if (text == "false")
                text = "true";
            else if (text.startsWith('$'))
                text = "clRed";
            else
                text = number ? QString::number(value == 1 ? 0 : value + 1) : text + "x";
            Preferences prefs;
            QSignalSpy spy(&prefs, &Preferences::changed);
            prefs.assign(fromLines(lines));
            ASSERT_EQ(spy.size(), 1) << "line " << line;
            EXPECT_EQ(spy.at(0).at(0).value<A>(), run.aspect) << "line " << line;
            prefs.assign(fromLines(lines));
            EXPECT_EQ(spy.size(), 1) << "the same values again change nothing, line " << line;
        }
    }

    // What a line writes the same way still differs when held otherwise.
    Preferences prefs;
    QSignalSpy spy(&prefs, &Preferences::changed);
    PreferenceValues emptyWidth = prefs.values();
    emptyWidth.columnWidth.clear();
    prefs.assign(emptyWidth);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<A>(), A::RightColumn);

    // The setters tell their aspect only when the value changes.
    spy.clear();
    prefs.setPastTense(!prefs.values().PastTense);
    prefs.setPastTense(prefs.values().PastTense);
    prefs.setPoetryMode(!prefs.values().PoetryMode);
    prefs.setNormalGeometry(QRect(1, 2, 300, 200));
    prefs.setNormalGeometry(QRect(1, 2, 300, 200));
    ASSERT_EQ(spy.size(), 3);
    EXPECT_EQ(spy.at(0).at(0).value<A>(), A::Tense);
    EXPECT_EQ(spy.at(1).at(0).value<A>(), A::Mode);
    EXPECT_EQ(spy.at(2).at(0).value<A>(), A::Window);
}

TEST(Preferences, PlainTextLineAndLeftClickBevels)
{
    QStringList lines = defaultLines();
    lines[11] = "yes";
    lines[12] = "0";
    const PreferenceValues p = fromLines(lines);
    EXPECT_FALSE(p.plainText) << "anything but \"true\" means rich text";
    EXPECT_EQ(p.bevelWidth(PreferenceValues::PronounGroup), 3);
    EXPECT_EQ(p.bevelWidth(PreferenceValues::AdvTGroup), 1);
}

TEST(Preferences, DirectoryPlaceholdersResolveUnderTheProgramDirectory)
{
    const QString program = QStringLiteral("/opt/wl/");
    PreferenceValues p = PreferenceValues::defaults();
    p.resolveDirectories(program);
    EXPECT_EQ(p.OpenDir, "/opt/wl/txt");
    EXPECT_EQ(p.SaveDir, "/opt/wl/txt");
    EXPECT_EQ(p.VocabDir, "/opt/wl/words");
    EXPECT_EQ(p.toLines().mid(3, 3), QStringList({"/opt/wl/txt", "/opt/wl/txt", "/opt/wl/words"}));

    QStringList lines = defaultLines();
    lines[3] = "";
    lines[4] = "opendir"; // only line 4 knows this word
    lines[5] = "";
    PreferenceValues q = fromLines(lines);
    q.resolveDirectories(program);
    EXPECT_EQ(q.OpenDir, "/opt/wl");
    EXPECT_EQ(q.SaveDir, "/opt/wl/opendir") << "a plain folder name on line 5";
    EXPECT_EQ(q.VocabDir, "/opt/wl/words");

    EXPECT_EQ(PreferenceValues::resolveVocabDir("Words", program), "/opt/wl/Words")
        << "case-sensitive; a relative folder is the program's, not the working directory's";
    EXPECT_EQ(PreferenceValues::resolveVocabDir("/else", program), "/else");
}

TEST(Preferences, DirectoriesInsideTheProgramFolderMoveWithIt)
{
    PreferenceValues p = PreferenceValues::defaults();
    p.resolveDirectories(QStringLiteral("/media/stick/wl"));
    p.SaveDir = QStringLiteral("/media/stick/wl/poems/new");
    p.OpenDir = QStringLiteral("/media/stick/wl2/txt"); // a sibling, not inside
    p.relateDirectories(QStringLiteral("/media/stick/wl/"));
    EXPECT_EQ(p.toLines().mid(3, 3), QStringList({"/media/stick/wl2/txt", "poems/new", "words"}));

    // The folder itself is written as ".", which reads back as the folder.
    EXPECT_EQ(PreferenceValues::relativeDir("/home/me/wl", "/home/me/wl"), ".");
    EXPECT_EQ(PreferenceValues::resolveDir(".", "opendir", "/home/me/wl"), "/home/me/wl");
}

TEST(Preferences, ColoursUseNamesOrDollarHex)
{
    quint32 c = 1;
    EXPECT_TRUE(PreferenceValues::colourFromText("clBlack", &c));
    EXPECT_EQ(c, 0u);
    EXPECT_TRUE(PreferenceValues::colourFromText("clbtnface", &c));
    EXPECT_TRUE(PreferenceValues::isSystemColour(c));
    EXPECT_EQ(PreferenceValues::colourToText(c), "clBtnFace");
    EXPECT_TRUE(PreferenceValues::colourFromText("$00436170", &c));
    EXPECT_EQ(c, 0x00436170u);
    EXPECT_TRUE(PreferenceValues::colourFromText("$00ba7474", &c));
    EXPECT_EQ(PreferenceValues::colourToText(c), "$00BA7474");
    EXPECT_TRUE(PreferenceValues::colourFromText("255", &c));
    EXPECT_EQ(PreferenceValues::colourToText(c), "clRed");
    EXPECT_EQ(PreferenceValues::colourToText(0x00FFFFFF), "clWhite");

    for (const char *bad : {"", "$", "blue", "$123456789", "#00FF00", "clNotAColour"})
        EXPECT_FALSE(PreferenceValues::colourFromText(QString::fromLatin1(bad), &c)) << bad;
}

TEST(Preferences, WindowsCodePageFileIsWrittenBackInIt)
{
    ProgramDirFixture program;
    QStringList lines = defaultLines();
    lines[1] = "Caf\u00e9 Sans";
    program.write("prefs.ini", lines.join("\r\n").toLatin1());
    PreferenceValues p;
    QString reset, error;
    ASSERT_TRUE(p.read(program.filePath("prefs.ini"), &reset, &error));
    EXPECT_EQ(p.fontName, "Caf\u00e9 Sans");
    ASSERT_TRUE(p.write(program.filePath("prefs.ini"), &error));
    EXPECT_EQ(program.read("prefs.ini"), lines.join("\r\n").toLatin1());
}

TEST(Preferences, UnwritableFileIsReported)
{
    ProgramDirFixture program;
    QString error;
    EXPECT_FALSE(
        PreferenceValues::defaults().write(program.filePath("no/such/dir/prefs.ini"), &error));
    EXPECT_TRUE(error.contains("prefs.ini"));
}

namespace {

// A copy of settings with one value changed.
template <typename S, typename T> S with(S settings, T S::*field, T value)
{
    settings.*field = value;
    return settings;
}

} // namespace

// Each change is made twice on fresh settings: the second, the same value
// again (or one brought into range to the same), must tell nothing.
TEST(ViewSettings, EachSetterEmitsExactlyItsAspectAndOnlyOnARealChange)
{
    using A = ViewSettings::Aspect;
    using V = ViewSettings;
    const struct
    {
        const char *what;
        std::function<void(V &)> change;
        std::optional<A> aspect;
    } kChanges[] = {
        {"zoom", [](V &v) { v.setZoom(150); }, A::Zoom},
        {"zoom rounded down", [](V &v) { v.setZoom(V::kMinZoom + 1); }, std::nullopt},
        {"contrast", [](V &v) { v.setHighContrast(true); }, A::HighContrast},
        {"speech",
         [](V &v) {
             v.setSpeech(with(v.speech(), &SpeechSettings::volume, SpeechSettings::kLoudest + 1));
         },
         A::Speech},
        {"scan",
         [](V &v) {
             v.setScan(with(v.scan(), &ScanSettings::mode, ScanSettings::Mode::TwoSwitches));
         },
         A::Scan},
        {"dwell on", [](V &v) { v.setDwellOn(true); }, A::Dwell},
        {"dwell off as it is", [](V &v) { v.setDwellOn(false); }, std::nullopt},
        {"dwell", [](V &v) { v.setDwell(with(v.dwell(), &DwellSettings::tolerance, 20)); },
         A::Dwell},
        {"prediction",
         [](V &v) {
             v.setPrediction(with(v.prediction(), &PredictionSettings::learnOpened, true));
         },
         A::Prediction},
    };
    for (const auto &row : kChanges) {
        ViewSettings view;
        QSignalSpy spy(&view, &ViewSettings::changed);
        row.change(view);
        ASSERT_EQ(spy.size(), row.aspect ? 1 : 0) << row.what;
        if (row.aspect) {
            EXPECT_EQ(spy.at(0).at(0).value<A>(), *row.aspect) << row.what;
        }
        row.change(view);
        EXPECT_EQ(spy.size(), row.aspect ? 1 : 0) << "the same change again, " << row.what;
    }
}

TEST(ViewSettings, ReadKeepsWhatItCannotUseAndBringsNumbersIntoRange)
{
    ProgramDirFixture program;
    program.write("view.ini",
                  "zoom=260\nhighContrast=1\nrate=99\nscanMode=1\nscanInterval=40\n"
                  "voice=  en-gb \nnot a line\nfutureKey=7\nspeakWords=yes\nscanAtStart=1\n"
                  "dwell=2\ndwellTime=50\ndwellPause=x\ndwellRightClick=1\n");
    ViewSettings view;
    int zoomed = 0;
    QObject::connect(&view, &ViewSettings::changed, [&zoomed](ViewSettings::Aspect aspect) {
        zoomed += aspect == ViewSettings::Aspect::Zoom;
    });
    QString error;
    ASSERT_TRUE(view.read(program.filePath("view.ini"), &error));
    EXPECT_EQ(view.zoom(), 250) << "rounded down to a 25 % step";
    EXPECT_EQ(zoomed, 1);
    EXPECT_TRUE(view.highContrast());
    EXPECT_EQ(view.speech().rate, 10);
    EXPECT_EQ(view.speech().voice, "en-gb");
    EXPECT_FALSE(view.speech().speakWords) << "an unreadable value keeps the default";
    EXPECT_EQ(view.scan().mode, ScanSettings::Mode::TwoSwitches);
    EXPECT_EQ(view.scan().interval, 500);
    EXPECT_TRUE(view.scan().startWithProgram);
    EXPECT_FALSE(view.dwell().on);
    EXPECT_EQ(view.dwell().dwellTime, DwellSettings::kShortestDwell);
    EXPECT_EQ(view.dwell().pause, 750);
    EXPECT_EQ(view.dwell().rightClick, DwellSettings::RightClick::None);
    view.setDwellOn(true);

    for (int i = 0; i < 10; ++i)
        view.zoomIn();
    EXPECT_EQ(view.zoom(), ViewSettings::kMaxZoom);
    ASSERT_TRUE(view.write(program.filePath("view.ini"), &error)) << error.toStdString();
    ViewSettings again;
    ASSERT_TRUE(again.read(program.filePath("view.ini"), &error));
    EXPECT_EQ(again.zoom(), 300);
    EXPECT_EQ(again.speech(), view.speech());
    EXPECT_EQ(again.scan(), view.scan());
    EXPECT_EQ(again.dwell(), view.dwell());
    EXPECT_TRUE(program.read("view.ini").contains("futureKey=7\n"));

    ViewSettings fresh;
    EXPECT_TRUE(fresh.read(program.filePath("missing.ini"), &error));
    EXPECT_EQ(fresh.zoom(), 100);
}
