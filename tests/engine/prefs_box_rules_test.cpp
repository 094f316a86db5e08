#include "prefs/prefs_box_rules.h"

#include <gtest/gtest.h>

namespace {

using R = PrefsBoxRules;

TEST(PrefsBoxRules, FontSizeSpinStartsAtFourAndStaysInRange)
{
    EXPECT_EQ(R::spin(QString(), +1, R::FontSize, true), "4"); // empty counts as 3 going up
    EXPECT_EQ(R::spin(QString(), -1, R::FontSize, true), "4");
    EXPECT_EQ(R::spin("4", -1, R::FontSize, true), "4");
    EXPECT_EQ(R::spin("2", +1, R::FontSize, true), "4");
    EXPECT_EQ(R::spin("16", +1, R::FontSize, true), "17");
    EXPECT_EQ(R::spin("16", -1, R::FontSize, true), "15");
    EXPECT_EQ(R::spin("60", +1, R::FontSize, true), "60");
    EXPECT_EQ(R::spin("75", -1, R::FontSize, true), "60");
}

TEST(PrefsBoxRules, ColumnAndMarginSpins)
{
    EXPECT_EQ(R::spin(QString(), +1, R::ColumnWidth), "40");
    EXPECT_EQ(R::spin("80", -1, R::ColumnWidth), "79");
    EXPECT_EQ(R::spin("240", +1, R::ColumnWidth), "240");
    EXPECT_EQ(R::spin("1", -1, R::RightMargin), "0");
    EXPECT_EQ(R::spin("0", -1, R::RightMargin), "0");
    EXPECT_EQ(R::spin("40", +1, R::RightMargin), "40");
    EXPECT_EQ(R::spin(QString(), +1, R::RightMargin), "1");
}

TEST(PrefsBoxRules, HugeNumbersClampInsteadOfWrapping)
{
    EXPECT_EQ(R::spin("99999999999999999999", +1, R::ColumnWidth), "240");
    QString writeBack;
    EXPECT_EQ(R::fontSizeChanged("4294967300", &writeBack), 60);
    EXPECT_EQ(writeBack, "60");
    EXPECT_EQ(R::columnWidthAtOk("4294967336"), "240");
}

TEST(PrefsBoxRules, FontSizeBoxChange)
{
    QString writeBack = "x";
    EXPECT_EQ(R::fontSizeChanged("75", &writeBack), 60);
    EXPECT_EQ(writeBack, "60");
    EXPECT_EQ(R::fontSizeChanged(QString(), &writeBack), 4);
    EXPECT_TRUE(writeBack.isEmpty());
    // A small size is kept in the box while it is being typed ("1" of "12").
    EXPECT_EQ(R::fontSizeChanged("1", &writeBack), 4);
    EXPECT_TRUE(writeBack.isEmpty());
    EXPECT_EQ(R::fontSizeChanged("12", &writeBack), 12);
    EXPECT_TRUE(writeBack.isEmpty());
    EXPECT_EQ(R::fontSizeChanged("60", &writeBack), 60);
    EXPECT_TRUE(writeBack.isEmpty());
}

TEST(PrefsBoxRules, WhatOkLeavesInTheBoxes)
{
    EXPECT_EQ(R::columnWidthAtOk(QString()), "80");
    EXPECT_EQ(R::columnWidthAtOk("20"), "40");
    EXPECT_EQ(R::columnWidthAtOk("300"), "240");
    EXPECT_EQ(R::columnWidthAtOk("120"), "120");
    EXPECT_EQ(R::rightMarginAtOk(QString()), "1");
    EXPECT_EQ(R::rightMarginAtOk("0"), "0");
    EXPECT_EQ(R::rightMarginAtOk("55"), "40");
    EXPECT_EQ(R::rightMarginAtOk("7"), "7");
}

} // namespace
