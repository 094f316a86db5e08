#include "compose/memory_surface.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

// The line start as a plain string gives it.
int plainLineStart(const QString &text, int pos)
{
    if (pos == 0)
        return 0;
    const qsizetype nl = text.lastIndexOf(QLatin1Char('\n'), pos - 1);
    return nl < 0 ? 0 : int(nl) + 1;
}

} // namespace

// Edits at random places move the gap about; every query must still see the
// text a plain string holds after the same edits.
TEST(MemorySurface, RandomEditsMatchAPlainString)
{
    std::mt19937 gen(11);
    MemorySurface surface(QStringLiteral("one two\nthree four\n\nfive"));
    QString model = surface.text();
    const QStringList pieces = {"",   "a",          "word ",
                                "\n", "two\nlines", QString(300, QLatin1Char('x'))};
    for (int step = 0; step < 2000; ++step) {
        const int start = int(gen() % (model.size() + 1));
        const int length = int(gen() % 4);
        surface.select(start, length);
        const int clamped = std::min<int>(length, int(model.size()) - start);
        ASSERT_EQ(surface.selectedText(), model.mid(start, clamped)) << step;
        const QString piece = pieces[gen() % pieces.size()];
        surface.replaceSelection(piece);
        model.replace(start, clamped, piece);
        ASSERT_EQ(surface.caret(), start + piece.size()) << step;
        ASSERT_EQ(surface.length(), model.size()) << step;

        const int probe = int(gen() % (model.size() + 1));
        ASSERT_EQ(surface.charAt(probe), probe < model.size() ? model.at(probe) : QChar()) << step;
        ASSERT_EQ(surface.lineStart(probe), plainLineStart(model, probe)) << step;
    }
    EXPECT_EQ(surface.text(), model);
}

TEST(MemorySurface, SetTextReplacesEverythingAndKeysEditAtTheCaret)
{
    MemorySurface surface(QStringLiteral("abc"));
    surface.setCaret(1);
    surface.sendKey(EditKey::Backspace);
    surface.sendKey(EditKey::Delete);
    EXPECT_EQ(surface.text(), "c");
    surface.setText(QStringLiteral("line\nnext"));
    EXPECT_EQ(surface.caret(), 0);
    EXPECT_EQ(surface.lineStart(7), 5);
    surface.setCaret(9);
    surface.sendKey(EditKey::Enter);
    EXPECT_EQ(surface.text(), "line\nnext\n");
    EXPECT_EQ(surface.lineStart(10), 10);
}
