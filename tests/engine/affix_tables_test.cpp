#include "panels/affix_tables.h"
#include "panels/modal_table.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Panel
{
    const char *name;
    QSize size;
    std::vector<ButtonDesc> buttons;
    std::vector<QRect> labels;
};

void add(std::vector<ButtonDesc> &to, std::span<const ButtonDesc> from)
{
    to.insert(to.end(), from.begin(), from.end());
}

std::vector<Panel> panels()
{
    using namespace AffixTables;
    Panel prefix{"pPrefix", kAffixPanelSize, {}, {}};
    add(prefix.buttons, prefixButtons());
    add(prefix.buttons, prefixCustomButtons());
    prefix.buttons.push_back(exitPrefixButton());

    Panel suffix{"pSuffix", kAffixPanelSize, {}, {}};
    add(suffix.buttons, suffixButtons());
    add(suffix.buttons, suffixCustomButtons());
    suffix.buttons.push_back(exitSuffixButton());

    Panel more{"pMore", kMorePanelRect.size(), {}, {}};
    add(more.buttons, moreButtons());
    more.buttons.push_back(moreExitButton());

    Panel modal{"pModal", ModalTable::kModalPanelRect.size(), {}, {}};
    add(modal.buttons, ModalTable::modalButtons());
    modal.buttons.push_back(ModalTable::exitModalButton());
    for (const LabelDesc &l : ModalTable::modalLabels())
        modal.labels.emplace_back(l.left, l.top, l.width, l.height);
    return {prefix, suffix, more, modal};
}

QRect rectOf(const ButtonDesc &b)
{
    return QRect(b.left, b.top, b.width, b.height);
}

TEST(PanelTables, ButtonsFitTheirPanelWithoutOverlapping)
{
    for (const Panel &panel : panels()) {
        const QRect area(QPoint(0, 0), panel.size);
        std::vector<QRect> rects = panel.labels;
        for (const ButtonDesc &b : panel.buttons) {
            EXPECT_TRUE(area.contains(rectOf(b))) << panel.name << " " << b.name;
            EXPECT_GE(b.height, 23) << b.name;
            EXPECT_LE(b.height, 25) << b.name;
            rects.push_back(rectOf(b));
        }
        for (const QRect &l : panel.labels)
            EXPECT_TRUE(area.contains(l)) << panel.name;
        for (size_t i = 0; i < rects.size(); ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j)
                EXPECT_FALSE(rects[i].intersects(rects[j])) << panel.name << " " << i << " " << j;
        }
    }
}

// A prefix ends in a hyphen and joins the next word, a suffix starts with
// one and joins the word before.
TEST(PanelTables, AffixWordsFollowTheHyphenConvention)
{
    for (const ButtonDesc &b : AffixTables::prefixButtons()) {
        ASSERT_NE(b.word, nullptr);
        const QString word = QLatin1String(b.word);
        EXPECT_TRUE(word.endsWith(QLatin1Char('-'))) << b.name;
        // "self-" keeps its hyphen when it joins: "self-made".
        if (QLatin1String(b.name) == QLatin1String("btnSelfPrefix"))
            EXPECT_EQ(word, QLatin1String("self--"));
        else
            EXPECT_EQ(word, QLatin1String(b.caption)) << b.name;
    }
    for (const ButtonDesc &b : AffixTables::suffixButtons()) {
        ASSERT_NE(b.word, nullptr);
        EXPECT_TRUE(QLatin1String(b.word).startsWith(QLatin1Char('-'))) << b.name;
        EXPECT_STREQ(b.word, b.caption);
    }
}

// The widths were worked out for bold 16 px Arial; check them against the
// real font where it (or its metric twin) is installed.
TEST(PanelTables, CaptionsFitTheirButtonsInBoldArial)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    const QString family = QFontInfo(font).family();
    if (family != QLatin1String("Arial") && family != QLatin1String("Liberation Sans"))
        GTEST_SKIP() << "no Arial on this machine, got " << family.toStdString();
    const QFontMetrics metrics(font);
    for (const Panel &panel : panels()) {
        for (const ButtonDesc &b : panel.buttons)
            EXPECT_LE(metrics.horizontalAdvance(QLatin1String(b.caption)) + 6, b.width) << b.name;
    }
    for (const LabelDesc &l : ModalTable::modalLabels())
        EXPECT_LE(metrics.horizontalAdvance(QLatin1String(l.caption)), l.width) << l.caption;
}

} // namespace
