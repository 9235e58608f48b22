#include "CellArray.h"

#include <gtest/gtest.h>

TEST(CellData, DefaultsAreEmptyOneByOneCentred) {
    const CCellData d;
    EXPECT_EQ(d.text, "");
    EXPECT_EQ(d.colspan, 1);
    EXPECT_EQ(d.rowspan, 1);
    EXPECT_EQ(d.hplace, 1);
    EXPECT_EQ(d.vplace, 1);
}

TEST(CellData, SpanSettersTakeLowByteAndRefuseZero) {
    struct Case {
        int value;
        bool accepted;
        int stored;
    } cases[] = {{1, true, 1},  {250, true, 250}, {300, true, 44}, {256, false, 7},
                 {0, false, 7}, {-256, false, 7}, {255, true, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        CCellData d;
        d.colspan = 7;
        d.rowspan = 7;
        EXPECT_EQ(d.SetColspan(c.value), c.accepted);
        EXPECT_EQ(d.SetRowspan(c.value), c.accepted);
        EXPECT_EQ(d.colspan, c.stored);
        EXPECT_EQ(d.rowspan, c.stored);
    }
}

TEST(CellData, PlacementSettersRefuseOutOfRange) {
    for (int v : {-1, 3, 7, 258}) {
        SCOPED_TRACE(v);
        CCellData d;
        d.hplace = 2;
        d.vplace = 0;
        EXPECT_FALSE(d.SetHplace(v));
        EXPECT_FALSE(d.SetVplace(v));
        EXPECT_EQ(d.hplace, 2);
        EXPECT_EQ(d.vplace, 0);
    }
    CCellData d;
    EXPECT_TRUE(d.SetHplace(0));
    EXPECT_TRUE(d.SetVplace(2));
    EXPECT_EQ(d.hplace, 0);
    EXPECT_EQ(d.vplace, 2);
}

TEST(CellData, AssignSkipsInvalidFieldsButTakesTheRest) {
    CCellData target;
    target.text = "old";
    target.colspan = 3;
    target.hplace = 2;
    CCellData bad;
    bad.text = "new";
    bad.colspan = 0;
    bad.rowspan = 4;
    bad.hplace = 7;
    bad.vplace = 0;
    target.Assign(bad);
    EXPECT_EQ(target.text, "new");
    EXPECT_EQ(target.colspan, 3);
    EXPECT_EQ(target.rowspan, 4);
    EXPECT_EQ(target.hplace, 2);
    EXPECT_EQ(target.vplace, 0);
}

TEST(CellArray, OutOfRangePositionsReadNothingAndWriteNothing) {
    CCellArray a;
    CCellData d;
    d.text = "x";
    for (auto [c, r] : {std::pair{0, 5}, {251, 1}, {1, 251}, {-1, -1}, {1, 0}}) {
        SCOPED_TRACE(testing::Message() << c << "," << r);
        EXPECT_FALSE(a.SetCell(c, r, d));
        EXPECT_EQ(a.GetCell(c, r), nullptr);
        EXPECT_FALSE(a.DeleteCell(c, r));
    }
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CellArray, SetCellCreatesThenMerges) {
    CCellArray a;
    CCellData zeroSpan;
    zeroSpan.text = "a";
    zeroSpan.colspan = 0;
    ASSERT_TRUE(a.SetCell(250, 250, zeroSpan));
    ASSERT_NE(a.GetCell(250, 250), nullptr);
    EXPECT_EQ(a.GetCell(250, 250)->colspan, 1) << "the default survives an invalid value";

    CCellData placed;
    placed.hplace = 0;
    a.SetCell(3, 3, placed);
    CCellData badPlace;
    badPlace.text = "b";
    badPlace.hplace = 7;
    a.SetCell(3, 3, badPlace);
    EXPECT_EQ(a.GetCell(3, 3)->hplace, 0);
    EXPECT_EQ(a.GetCell(3, 3)->text, "b");

    // A span past the table's edge is stored unchanged; readers clip it.
    CCellData wide;
    wide.colspan = 200;
    a.SetCell(249, 1, wide);
    EXPECT_EQ(a.GetCell(249, 1)->colspan, 200);
}

TEST(CellArray, DeleteAndEmptiness) {
    CCellArray a;
    EXPECT_FALSE(a.DeleteCell(5, 5));
    CCellData spanOnly;
    spanOnly.colspan = 3; // empty text, still a record
    a.SetCell(5, 5, spanOnly);
    EXPECT_FALSE(a.IsEmpty());
    EXPECT_EQ(a.Count(), 1);
    EXPECT_TRUE(a.DeleteCell(5, 5));
    EXPECT_FALSE(a.DeleteCell(5, 5));
    a.SetCell(1, 1, spanOnly);
    a.SetCell(250, 250, spanOnly);
    EXPECT_TRUE(a.DeleteAll());
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CellArray, GetCellIsChangeableInPlace) {
    CCellArray a;
    a.SetCell(2, 3, CCellData{});
    a.GetCell(2, 3)->text = "in place";
    EXPECT_EQ(a.GetCell(2, 3)->GetText(), "in place");
}
