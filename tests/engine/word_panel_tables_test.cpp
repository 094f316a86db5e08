#include "panels/affix_tables.h"
#include "panels/main_board_table.h"
#include "panels/modal_table.h"
#include "panels/panel_layout.h"
#include "panels/panel_word_rules.h"
#include "panels/word_panel_tables.h"
#include "prefs/preferences.h"

#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace {

using PanelLayout::PlacedItem;

TEST(WordPanelTables, EveryBoardButtonNameIsUnique)
{
    QSet<QString> names;
    auto add = [&](const QString &name) {
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
    };
    for (const ButtonDesc &b : mainBoardButtons())
        add(QString::fromLatin1(b.name));
    for (auto descs : {AffixTables::prefixButtons(), AffixTables::prefixCustomButtons(),
                       AffixTables::suffixButtons(), AffixTables::suffixCustomButtons(),
                       AffixTables::moreButtons(), ModalTable::modalButtons()})
        for (const ButtonDesc &b : descs)
            add(QString::fromLatin1(b.name));
    for (const WordPanelDesc *panel : WordPanelTables::wordPanels())
        for (const WordButtonDesc &item : panel->items)
            if (item.shape != WordShape::Label)
                add(PanelLayout::itemName(item, panel->nameSuffix));
}

TEST(WordPanelTables, DerivedNamesFollowTheCaption)
{
    const WordButtonDesc phrase{0, nullptr, "even  if", 0};
    EXPECT_EQ(PanelLayout::itemName(phrase, "Conj"), QLatin1String("btnEvenIfConj"));
    const WordButtonDesc apostrophe{0, nullptr, "one's", 0};
    EXPECT_EQ(PanelLayout::itemName(apostrophe, "Pro"), QLatin1String("btnOnesPro"));
    const WordButtonDesc named{0, "btnAs2", "as", 0};
    EXPECT_EQ(PanelLayout::itemName(named, "Conj"), QLatin1String("btnAs2"));
    // A phrase inserts its words with one blank; a word and a tag of the
    // table's own win over the caption.
    EXPECT_EQ(PanelWordRules::insertedText(phrase), QLatin1String("even if"));
    EXPECT_EQ(PanelWordRules::tagOf(phrase), QLatin1String("even if"));
    EXPECT_EQ(PanelWordRules::tagOf(apostrophe), QLatin1String("one's"));
    auto own = phrase;
    own.word = "of course";
    own.tag = "oc";
    EXPECT_EQ(PanelWordRules::insertedText(own), QLatin1String("of course"));
    EXPECT_EQ(PanelWordRules::tagOf(own), QLatin1String("oc"));
}

// Lines 28 to 54 of prefs.ini: each stored custom button has its own line.
TEST(WordPanelTables, CustomButtonsCoverTheStoredLinesOnce)
{
    QList<int> lines(PreferenceValues::CustomCaptionCount, 0);
    for (const WordPanelDesc *panel : WordPanelTables::wordPanels()) {
        int count = 0;
        for (const WordButtonDesc &item : panel->items)
            if (item.shape == WordShape::Custom)
                ++count;
        if (panel->customRun < 0) {
            EXPECT_EQ(count, 0) << panel->name;
            continue;
        }
        ASSERT_NE(panel->customPrompt, nullptr);
        for (int i = 0; i < count; ++i)
            ++lines[panel->customRun + i];
    }
    EXPECT_EQ(lines, QList<int>(PreferenceValues::CustomCaptionCount, 1));
}

// Pronoun buttons, and "every" on the time panel that shares their handler,
// keep the category button's ReplaceMode; other panels do not.
TEST(WordPanelTables, OnlyPronounButtonsKeepTheReplaceMode)
{
    for (const WordPanelDesc *panel : WordPanelTables::wordPanels()) {
        int exits = 0;
        for (const auto &item : panel->items) {
            exits += item.shape == WordShape::Exit;
            if (item.shape == WordShape::Exit || item.shape == WordShape::Label)
                continue;
            const bool pronoun = panel == &WordPanelTables::pronounPanel() ||
                                 QLatin1String(item.caption) == QLatin1String("every");
            EXPECT_EQ(item.keepsReplaceMode, pronoun) << panel->name << " " << item.caption;
        }
        EXPECT_EQ(exits, 1) << panel->name;
    }
}

// Every item lies inside the panel, items of a row do not overlap, and no
// row is so full that its captions would have to shrink much.
TEST(PanelLayout, ItemsFitThePanelWithoutSqueezing)
{
    const QSize size = WordPanelTables::kWordPanelSize;
    const QRect area(QPoint(0, 0), size);
    for (const WordPanelDesc *panel : WordPanelTables::wordPanels()) {
        const QList<PlacedItem> placed = PanelLayout::layout(*panel, size.width(), size.height());
        ASSERT_EQ(placed.size(), qsizetype(panel->items.size()));
        for (qsizetype i = 0; i < placed.size(); ++i) {
            const PlacedItem &item = placed.at(i);
            EXPECT_TRUE(area.contains(item.rect)) << panel->name << " " << item.desc->caption;
            EXPECT_GE(item.rect.width() * 10, PanelLayout::naturalWidth(*item.desc) * 9)
                << panel->name << " " << item.desc->caption;
            EXPECT_GE(item.rect.height(), 20);
            for (qsizetype k = i + 1; k < placed.size(); ++k)
                EXPECT_FALSE(item.rect.intersects(placed.at(k).rect))
                    << panel->name << " " << item.desc->caption << " / "
                    << placed.at(k).desc->caption;
        }
    }
}

TEST(PanelLayout, RowsFillTheWidth)
{
    const WordButtonDesc items[] = {{0, nullptr, "a", 0},
                                    {0, nullptr, "bb", 0},
                                    {1, nullptr, "Label:", 0, WordShape::Label},
                                    {1, nullptr, "ccc", 0}};
    const WordPanelDesc panel{"pTest", "Test", items, nullptr, -1};
    const QList<PlacedItem> placed = PanelLayout::layout(panel, 300, 100);
    ASSERT_EQ(placed.size(), 4);
    EXPECT_EQ(placed[0].rect.left(), 2);
    EXPECT_EQ(placed[1].rect.right(), 300 - 2 - 1);
    EXPECT_EQ(placed[1].rect.left(), placed[0].rect.right() + 1 + 2);
    // The label keeps its own width; the button takes the rest of its row.
    EXPECT_EQ(placed[2].rect.width(), PanelLayout::naturalWidth(items[2]));
    EXPECT_TRUE(placed[2].name.isEmpty());
    EXPECT_EQ(placed[3].rect.right(), 300 - 2 - 1);
    EXPECT_GT(placed[3].rect.top(), placed[0].rect.bottom());
}

} // namespace
