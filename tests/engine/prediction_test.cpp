#include "compose/composition.h"
#include "compose/memory_surface.h"
#include "fake_dialogs.h"
#include "predict/prediction_text.h"
#include "predict/word_prediction.h"
#include "vocab/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString kModel = QStringLiteral(WORDLOOM_DATA_DIR "/prediction.bin");

QByteArray shippedModel()
{
    QFile f(kModel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The shipped model and vocabulary, loaded once for every test here.
struct Shipped
{
    FakeDialogs dialogs;
    Vocabulary vocabulary;
    WordPrediction prediction{&vocabulary};
    Shipped()
    {
        vocabulary.LoadVocabulary(QStringLiteral(WORDLOOM_DATA_DIR "/words"),
                                  QStringLiteral(WORDLOOM_DATA_DIR "/exceptions"), dialogs);
        QString error;
        EXPECT_TRUE(prediction.loadModel(kModel, &error)) << error.toStdString();
    }
};
Shipped &shipped()
{
    static Shipped s;
    return s;
}

QStringList row(WordPrediction &p, const QString &text, int count = 6)
{
    MemorySurface surface(text);
    surface.setCaret(surface.length());
    QStringList words;
    for (const Predictor::Prediction &pr : p.predict(surface, count))
        words << pr.word;
    return words;
}

// Rows of the verb tables in the column given, less those equal to `unless`
// (every row when it is -1).
QSet<QString> verbColumn(int column, int unless)
{
    QSet<QString> out;
    for (auto list : {Vocabulary::List::VerbTable, Vocabulary::List::GoVerbTable,
                      Vocabulary::List::SayVerbTable}) {
        const VerbTable &t = shipped().vocabulary.verbTable(list);
        for (qsizetype r = 0; r < t.size(); ++r)
            if (unless < 0 || t.row(r)[column] != t.row(r)[unless])
                out.insert(t.row(r)[column]);
    }
    return out;
}

} // namespace

TEST(PredictionModelFile, DamagedModelsAreRefusedWithAReasonAndLeaveTheModelEmpty)
{
    const QByteArray good = shippedModel();
    ASSERT_GT(good.size(), 1000);
    PredictionModel model;
    QString error;
    EXPECT_FALSE(model.loadBytes(good.left(good.size() / 2), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(model.isEmpty());
    // Counts that promise more than the file holds.
    EXPECT_FALSE(model.loadBytes(QByteArray("WLPRED1\n") + QByteArray(12, '\xff'), &error));
    EXPECT_FALSE(model.loadBytes("not a model at all", &error));
    EXPECT_TRUE(model.loadBytes(good, &error)) << error.toStdString();
    EXPECT_FALSE(model.isEmpty());
}

TEST(PredictionModelFile, MissingPipeAndOversizedFilesAreRefusedWithoutHanging)
{
    QTemporaryDir dir;
    PredictionModel model;
    QString error;
    EXPECT_FALSE(model.load(dir.filePath("absent.bin"), &error));
    EXPECT_TRUE(error.contains("missing"));
    const QString fifo = dir.filePath("pipe.bin");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(model.load(fifo, &error)); // would block if read
    QFile big(dir.filePath("big.bin"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(PredictionModel::kMaxFileSize + 1)); // sparse
    big.close();
    EXPECT_FALSE(model.load(big.fileName(), &error));
    EXPECT_TRUE(error.contains("too large"));
}

TEST(PredictionContext, ReadsTheTypedLettersAndTheTwoTokensBeforeWithinTheSentence)
{
    MemorySurface s(QStringLiteral("It rained. The old ele"));
    auto ctx = PredictionText::contextAt(s, s.length());
    EXPECT_EQ(ctx.prefix, "ele");
    EXPECT_EQ(ctx.before1, "the");
    EXPECT_EQ(ctx.before2, "old");
    s.setText(QStringLiteral("It rained. The "));
    ctx = PredictionText::contextAt(s, s.length());
    EXPECT_EQ(ctx.before1, "<s>");
    EXPECT_EQ(ctx.before2, "the");
    s.setText(QStringLiteral("Well, "));
    ctx = PredictionText::contextAt(s, s.length());
    EXPECT_EQ(ctx.before2, ",");
    EXPECT_EQ(ctx.before1, "well");
}

TEST(Prediction, RowsFollowTheLettersAndOfferNoNamesOrNumbersFromNothing)
{
    WordPrediction &p = shipped().prediction;
    const QStringList start = row(p, QString());
    ASSERT_EQ(start.size(), 6);
    const QStringList ele = row(p, QStringLiteral("We saw the ele"));
    ASSERT_EQ(ele.size(), 6);
    for (const QString &w : ele)
        EXPECT_TRUE(w.startsWith("ele", Qt::CaseInsensitive)) << w.toStdString();
    EXPECT_EQ(row(p, QStringLiteral("We saw the ELE")), ele);
    MemorySurface empty;
    for (const Predictor::Prediction &pr : p.predict(empty, 9)) {
        const quint32 w = p.model().find(pr.word.toLower());
        ASSERT_NE(w, PredictionModel::kNone);
        EXPECT_NE(p.model().word(w).cls, PredictionModel::Class::ProperName)
            << pr.word.toStdString();
        EXPECT_NE(p.model().word(w).cls, PredictionModel::Class::Number) << pr.word.toStdString();
    }
}

TEST(Prediction, VerbsAndNounsComeInTheFormTheContextNeeds)
{
    WordPrediction &p = shipped().prediction;
    p.setPastTense(false);
    const QSet<QString> bases = verbColumn(0, 1), pasts = verbColumn(3, 4);
    const QStringList afterHe = row(p, QStringLiteral("Then he "), 9);
    ASSERT_FALSE(afterHe.isEmpty());
    for (const QString &w : afterHe) // never "he run", nor "he ran" in the present
        EXPECT_FALSE(bases.contains(w) || pasts.contains(w)) << w.toStdString();
    for (const QString &w : row(p, QStringLiteral("I have "), 9))
        EXPECT_FALSE(pasts.contains(w)) << w.toStdString();
    for (const QString &w : row(p, QStringLiteral("We saw two "), 9)) {
        const quint32 i = p.model().find(w.toLower());
        EXPECT_TRUE(i == PredictionModel::kNone ||
                    p.model().word(i).cls != PredictionModel::Class::Noun)
            << w.toStdString();
    }
    p.setPastTense(true);
    EXPECT_TRUE(row(p, QStringLiteral("Then he "), 9).contains("was"));
    // Forms are the model's or the verb tables', never made up by the ending
    // rules ("coolinged"); no single letter but "a" and "I".
    const QSet<QString> tabled = verbColumn(0, -1) + verbColumn(1, -1) + verbColumn(2, -1) +
                                 verbColumn(3, -1) + verbColumn(4, -1);
    for (const char *context : {"most of my summer ", "Then he ", "I have ", "the dogs ",
                                "for every ", "a cool", "they were "})
        for (const QString &w : row(p, QString::fromLatin1(context), 9)) {
            EXPECT_TRUE(p.model().find(w.toLower()) != PredictionModel::kNone || tabled.contains(w))
                << context << w.toStdString();
            EXPECT_TRUE(w.size() > 1 || w == "a" || w == "I") << context << w.toStdString();
        }
    p.setPastTense(false);
}

TEST(UserModelLearning, LearntSequencesOutrankTheCorpusAndForgottenWordsAreNeverOffered)
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    WordPrediction p;
    QString error;
    ASSERT_TRUE(p.loadModel(kModel, &error));
    const QString path = dir.filePath("learnt-words.txt");
    EXPECT_TRUE(p.loadUserModel(path).isEmpty());
    ASSERT_TRUE(p.learnDocument(QStringLiteral("The quiet zorblat sings. It sang."), &error));
    EXPECT_EQ(row(p, QStringLiteral("Her quiet ")).value(0), "zorblat");
    EXPECT_TRUE(row(p, QStringLiteral("A zor")).contains("zorblat"));
    // Saved again, the same document is not counted twice.
    ASSERT_TRUE(p.learnDocument(QStringLiteral("The quiet zorblat sings. It sang."), &error));
    EXPECT_EQ(p.userModel().words().value("zorblat").count, 1u);

    WordPrediction again; // the file keeps it for the next start
    ASSERT_TRUE(again.loadModel(kModel, &error));
    EXPECT_TRUE(again.loadUserModel(path).isEmpty());
    EXPECT_EQ(row(again, QStringLiteral("Her quiet ")).value(0), "zorblat");
    ASSERT_TRUE(again.forget(QStringLiteral("zorblat"), &error));
    EXPECT_FALSE(row(again, QStringLiteral("Her quiet zor")).contains("zorblat"));
    ASSERT_TRUE(again.forget(QStringLiteral("the"), &error)); // a corpus word too
    EXPECT_FALSE(row(again, QStringLiteral("It is in ")).contains("the"));
    ASSERT_TRUE(row(again, QStringLiteral("Then he ru"), 9).contains("runs"));
    ASSERT_TRUE(again.forget(QStringLiteral("runs"), &error)); // nor as the form of "run"
    EXPECT_FALSE(row(again, QStringLiteral("Then he ru"), 9).contains("runs"));
    ASSERT_TRUE(again.forgetAll(&error));
    EXPECT_TRUE(row(again, QStringLiteral("It is in ")).contains("the"));
}

TEST(UserModelFile, DamagedIsSetAsideTooLargeIsRefusedAndNeverOverwritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("learnt-words.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("wordloom learnt words 1\nw\tnot-a-number\tcat\n");
    f.close();
    UserModel user;
    QString note;
    EXPECT_EQ(user.load(path, &note), UserModel::LoadResult::SetAside);
    EXPECT_TRUE(note.contains("learnt-words.damaged.txt"));
    EXPECT_TRUE(QFile::exists(dir.filePath("learnt-words.damaged.txt")));
    user.learn(QStringLiteral("A new start."));
    QString error;
    EXPECT_TRUE(user.save(path, &error));

    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(UserModel::kMaxFileSize + 1));
    f.close();
    EXPECT_EQ(user.load(path, &note), UserModel::LoadResult::Refused);
    user.learn(QStringLiteral("More words."));
    EXPECT_FALSE(user.save(path, &error));
    EXPECT_EQ(QFileInfo(path).size(), UserModel::kMaxFileSize + 1);
}

TEST(PredictionInsert, CompletesTheTypedWordWithCapitalAndArticleAndCyclesItsForms)
{
    WordPrediction &p = shipped().prediction;
    MemorySurface surface(QStringLiteral("It rained. ele"));
    Composition c(&surface);
    surface.setCaret(surface.length());
    c.state.LastAction = kMouseClick;
    p.insert(
        c,
        {QStringLiteral("elephant"), {QStringLiteral("elephant"), QStringLiteral("elephants")}, 0});
    EXPECT_EQ(surface.text(), "It rained. Elephant ");
    EXPECT_TRUE(p.cycle(c));
    EXPECT_EQ(surface.text(), "It rained. Elephants ");
    EXPECT_TRUE(p.cycle(c));
    EXPECT_EQ(surface.text(), "It rained. Elephant ");

    surface.setText(QStringLiteral("I saw a el"));
    surface.setCaret(surface.length());
    c.state.LastAction = kMouseClick;
    p.insert(c, {QStringLiteral("elephant"), {QStringLiteral("elephant")}, 0});
    EXPECT_EQ(surface.text(), "I saw an elephant ");
    EXPECT_EQ(c.state.LastAction, "predict");
}
