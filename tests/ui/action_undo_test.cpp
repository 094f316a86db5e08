// Undo and Redo take back and put back one action at a time, with the text,
// the caret and the composition state as they were, for random runs of
// word clicks, marks, transforming and editing buttons and typed text.
#include "compose/composition.h"
#include "controls/document_editor.h"
#include "engine/compose_engine.h"
#include "qstring_printer.h"
#include "window_fixture.h"

#include <QAction>
#include <QRandomGenerator>
#include <QTextCursor>

namespace {

class ActionUndoTest : public WindowFixture
{
protected:
    void command(const char *name)
    {
        window->findChild<QAction *>(QString::fromLatin1(name))->trigger();
        QApplication::processEvents();
    }
    // Everything Undo must put back, as one line.
    QString snapshot()
    {
        const CompositionState &s = window->composition().state;
        const QTextCursor c = window->editor()->textCursor();
        QStringList parts{window->editor()->toPlainText(), s.ActionTag, s.LastAction, s.CurrentWord,
                          s.ArticleWord};
        for (int n : {c.anchor(), c.position(), s.WordStart, s.WordLength, s.CapsMode,
                      s.ArticleState, s.FormIndex, s.VerbForm})
            parts << QString::number(n);
        return parts.join(u'|');
    }
};

} // namespace

TEST_F(ActionUndoTest, RandomActionsAreTakenBackAndPutBackOneByOne)
{
    const char *buttons[] = {"btnSpace",     "btnEnter",      "btnPeriod",    "btnComma",
                             "btnPluralize", "btnCapitalize", "btnBackspace", "btnLeftParen",
                             "btnA",         "btnDelete"};
    const QString words[] = {"dog", "apple", "they", "run", "big"};
    QRandomGenerator random(29);
    for (int run = 0; run < 25; ++run) {
        open();
        QStringList states{snapshot()}, done;
        for (int i = 0; i < 10; ++i) {
            const int pick = random.bounded(14);
            if (pick < 10) {
                click(buttons[pick]);
                done << buttons[pick];
            } else if (pick < 13) {
                {
                    const QString word = words[random.bounded(5)];
                    window->engine().panelWords().fixedWordClick(word, word);
                }
                done << "word";
            } else {
                QTest::keyClicks(window->editor(), QStringLiteral("ab c"));
                done << "type";
            }
            QApplication::processEvents();
            states << snapshot();
        }
        SCOPED_TRACE((done.join(" ") + "\n" + states.join("\n")).toStdString());
        const auto text = [&](qsizetype i) { return states.at(i).section(u'|', 0, 0); };
        // Each Undo goes back to a state there was, past no action that
        // changed the text, until no action changed it.
        qsizetype at = states.size() - 1;
        QList<qsizetype> landed{at};
        for (;;) {
            qsizetype changed = at;
            while (changed > 0 && text(changed) == text(changed - 1))
                --changed;
            if (changed == 0)
                break;
            command("EditUndoCmd");
            const qsizetype back = states.lastIndexOf(snapshot(), at - 1);
            ASSERT_GE(back, 0) << "undo gave a state there never was: " << snapshot().toStdString();
            ASSERT_GE(back, changed - 1) << "undo took back more than the last change";
            at = back;
            landed << at;
        }
        // Redo retraces them.
        for (qsizetype i = landed.size() - 2; i >= 0; --i) {
            command("EditRedoCmd");
            ASSERT_EQ(snapshot(), states.at(landed.at(i)));
        }
    }
}
