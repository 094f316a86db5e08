// Measures the keystrokes word prediction saves on a text: the text is
// replayed word by word; a word costs one click when the row offers it,
// otherwise one typed letter and a look at the row again, up to typing it
// whole plus a space. Marks before and after a word are typed. Savings are
// 1 - cost / (characters + spaces).
//
// Usage: prediction_savings [--buttons N] [--past] [--program-dir DIR] TEXT
// DIR holds prediction.bin, words/ and exceptions/ (the data folder or a
// program directory); the defaults are 6 buttons and the present tense.
// tools/predict/sample_prose.txt, a memoir of a garden written for this
// measurement, is English prose the model has never seen.

#include "compose/dialogs.h"
#include "compose/memory_surface.h"
#include "predict/word_prediction.h"
#include "vocab/vocabulary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

namespace {

// Loading the vocabulary must not stop on a question.
class SilentDialogs : public Dialogs
{
public:
    void message(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    Answer question(const QString &) override { return Answer::No; }
    std::optional<QString> textInput(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> directory(const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFile(const QString &, const QString &, const QString &, int) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &, int,
                                    const QString &) override
    {
        return std::nullopt;
    }
};

int fail(const char *why)
{
    std::fprintf(stderr, "prediction_savings: %s\n", why);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int buttons = 6;
    bool past = false;
    QString dir = QStringLiteral(WORDLOOM_DATA_DIR);
    QString textPath;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--buttons") && !args.isEmpty())
            buttons = args.takeFirst().toInt();
        else if (a == QLatin1String("--past"))
            past = true;
        else if (a == QLatin1String("--program-dir") && !args.isEmpty())
            dir = args.takeFirst();
        else
            textPath = a;
    }
    QFile file(textPath);
    if (textPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return fail("name a readable text file");
    const QString text = QString::fromUtf8(file.readAll());

    SilentDialogs dialogs;
    Vocabulary vocabulary;
    if (!vocabulary.LoadVocabulary(QDir(dir).filePath(QStringLiteral("words")),
                                   QDir(dir).filePath(QStringLiteral("exceptions")), dialogs))
        return fail("the vocabulary did not load");
    WordPrediction prediction(&vocabulary);
    QString error;
    if (!prediction.loadModel(QDir(dir).filePath(QString::fromLatin1(WordPrediction::kModelFile)),
                              &error))
        return fail(qPrintable(error));
    prediction.setPastTense(past);

    MemorySurface surface;
    QString written;
    qint64 cost = 0, baseline = 0, words = 0, offeredAtOnce = 0, clicked = 0;
    static const QRegularExpression word(QStringLiteral("^(\\W*)([\\w'’-]*\\w)?(\\W*)$"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    const QStringList chunks =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &chunk : chunks) {
        baseline += chunk.size() + 1;
        const QRegularExpressionMatch m = word.match(chunk);
        const QString lead = m.hasMatch() ? m.captured(1) : chunk;
        const QString core = m.hasMatch() ? m.captured(2) : QString();
        const QString tail = m.hasMatch() ? m.captured(3) : QString();
        cost += lead.size() + tail.size();
        written += lead;
        if (!core.isEmpty()) {
            ++words;
            int typed = 0;
            bool found = false;
            for (; typed < core.size() && !found; ++typed) {
                surface.setText(written + core.left(typed));
                surface.setCaret(int(surface.text().size()));
                for (const Predictor::Prediction &p : prediction.predict(surface, buttons))
                    if (p.word.compare(core, Qt::CaseInsensitive) == 0)
                        found = true;
                if (found)
                    break;
            }
            if (found) {
                cost += typed + 1;
                ++clicked;
                if (typed == 0)
                    ++offeredAtOnce;
            } else {
                cost += core.size() + 1;
            }
        } else {
            cost += 1; // the space after marks alone
        }
        written += core + tail + QLatin1Char(' ');
    }
    if (baseline == 0)
        return fail("the text has no words");
    std::printf("text: %s\nwords: %lld, characters and spaces: %lld\n", qPrintable(textPath), words,
                baseline);
    std::printf("buttons: %d, tense: %s\n", buttons, past ? "past" : "present");
    std::printf("cost: %lld\nkeystroke savings: %.1f %%\n", cost,
                100.0 * (1.0 - double(cost) / double(baseline)));
    std::printf("words chosen from the row: %.1f %%\n", 100.0 * double(clicked) / double(words));
    std::printf("words offered before any letter: %.1f %%\n",
                100.0 * double(offeredAtOnce) / double(words));
    return 0;
}
