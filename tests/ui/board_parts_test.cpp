#include "../engine/fake_dialogs.h"
#include "compose/memory_surface.h"
#include "compose/random_source.h"
#include "controls/color_button.h"
#include "engine/compose_engine.h"
#include "morph/ui/inflection_buttons.h"
#include "panels/ui/board.h"
#include "panels/ui/right_column.h"
#include "prefs/preferences.h"
#include "qstring_printer.h"
#include "vocab/ui/category_buttons.h"
#include "vocab/vocabulary.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The board's parts take what they work on, so they run on a bare board
// over an in-memory text, without the main window.
class BoardParts : public ::testing::Test
{
protected:
    void click(const char *name, Qt::MouseButton mouse = Qt::LeftButton)
    {
        TColorButton *b = board.button(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, mouse, Qt::NoModifier, b->rect().center());
    }
    QString text() const { return surface.text(); }

    QWidget window;
    Board board{&window};
    MemorySurface surface;
    Vocabulary vocabulary;
    Preferences prefs;
    SeededRandom random{3};
    FakeDialogs dialogs;
    ComposeEngine engine{&surface, vocabulary, prefs, random, dialogs};
    Composition &composition = engine.composition();
    RightColumn right{composition, vocabulary, &window};
};

TEST_F(BoardParts, PluralAndVerbButtonsWorkOnABareBoard)
{
    InflectionButtons buttons(board, engine);
    window.show();
    composition.insert(QStringLiteral("cat"), QStringLiteral("cat"), false);
    click("btnPluralize");
    EXPECT_EQ(text(), QStringLiteral("Cats "));
    // A sub-panel is built the first time its opener asks for it.
    EXPECT_EQ(window.findChild<QWidget *>(QStringLiteral("pHave")), nullptr);
    click("btnHave", Qt::RightButton);
    QWidget *panel = window.findChild<QWidget *>(QStringLiteral("pHave"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(BoardParts, CategoryButtonsDrawFromAndPickInTheirList)
{
    vocabulary.wordList(Vocabulary::List::AnimalList).addAll({"owl", "yak"});
    CategoryButtons buttons(board, engine, right, nullptr);
    window.show();
    click("btnAnimal");
    const QString first = text();
    EXPECT_TRUE(first == QStringLiteral("Owl ") || first == QStringLiteral("Yak "))
        << first.toStdString();
    click("btnAnimal");
    EXPECT_NE(text(), first) << "a repeated click draws the other word in place";
    click("btnAnimal", Qt::RightButton);
    auto *list = window.findChild<QListWidget *>(QStringLiteral("lbWordPick"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
}

} // namespace

TEST_F(BoardParts, RowsUpFollowThePanelOnTop)
{
    InflectionButtons buttons(board, engine);
    window.show();
    const auto names = [this] {
        QStringList rows;
        for (const auto &row : board.rowsUp()) {
            QStringList line;
            for (TColorButton *b : row)
                line << b->objectName();
            rows << line.join(' ');
        }
        return rows;
    };
    const QStringList main = names();
    ASSERT_GE(main.size(), 5);
    EXPECT_TRUE(main[0].startsWith("btnA btnThe btnNumber")) << main[0].toStdString();
    EXPECT_EQ(board.panelUp(), board.mainPanel());
    click("btnHave", Qt::RightButton);
    EXPECT_EQ(board.panelUp()->objectName(), "pHave");
    EXPECT_FALSE(names().join(' ').contains("btnA ")) << "the covered board is not in the rows";
}
