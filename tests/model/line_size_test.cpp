#include "CellSize.h"
#include "LineArray.h"

#include <gtest/gtest.h>

TEST(LineArray, BoundsAndEdge251) {
    CLineArray l;
    EXPECT_TRUE(l.IsEmpty());
    EXPECT_TRUE(l.SetLine(1, 251, LINE_DOUBLE));
    EXPECT_EQ(l.GetLine(1, 251), LINE_DOUBLE);
    for (auto [a, b] : {std::pair{251, 1}, {0, 5}, {5, 252}, {5, 0}}) {
        SCOPED_TRACE(testing::Message() << a << "," << b);
        EXPECT_FALSE(l.SetLine(a, b, 1));
        EXPECT_EQ(l.GetLine(a, b), 0);
        EXPECT_FALSE(l.ClearLine(a, b));
    }
    EXPECT_EQ(l.Count(), 1);
}

TEST(LineArray, StoresLowByteAndClearsOnce) {
    CLineArray l;
    l.SetLine(3, 4, 258);
    EXPECT_EQ(l.GetLine(3, 4), 2);
    l.SetLine(3, 5, 7); // any byte is kept; readers decide what it means
    EXPECT_EQ(l.GetLine(3, 5), 7);
    EXPECT_TRUE(l.ClearLine(3, 4));
    EXPECT_EQ(l.GetLine(3, 4), LINE_NONE);
    EXPECT_FALSE(l.ClearLine(3, 4));
    l.ClearAll();
    EXPECT_TRUE(l.IsEmpty());
}

TEST(LineArray, FullArrayCountFitsSixteenBits) {
    CLineArray l;
    for (int b = 1; b <= MAX_EDGE; ++b)
        for (int a = 1; a <= MAX_CELLS; ++a)
            l.SetLine(a, b, 1);
    EXPECT_EQ(l.Count(), 62750);
    EXPECT_LE(l.Count(), 65535);
}

TEST(CellSize, DefaultsAndSetters) {
    CCellSize s;
    for (int c = 1; c <= MAX_CELLS; ++c)
        ASSERT_EQ(s.GetWidth(c), 100) << c;
    EXPECT_EQ(s.GetHeight(), 40);
    EXPECT_EQ(s.GetWidth(0), 0);
    EXPECT_EQ(s.GetWidth(251), 0);

    EXPECT_TRUE(s.SetWidth(3, 120));
    EXPECT_FALSE(s.SetWidth(3, 120)) << "unchanged width reports no change";
    EXPECT_FALSE(s.SetWidth(0, 120));
    EXPECT_FALSE(s.SetWidth(251, 120));

    EXPECT_TRUE(s.SetHeight(300));
    EXPECT_EQ(s.GetHeight(), 44);
}

TEST(CellSize, StandardSizesApplyOnlyOnReset) {
    CCellSize s;
    s.SetWidth(7, 33);
    s.SetStdWidth(150);
    s.SetStdHeight(20);
    EXPECT_EQ(s.GetWidth(7), 33);
    EXPECT_EQ(s.GetWidth(1), 100);
    EXPECT_EQ(s.GetHeight(), 40);
    s.ResetWidths();
    for (int c = 1; c <= MAX_CELLS; ++c)
        ASSERT_EQ(s.GetWidth(c), 150) << c;
    EXPECT_EQ(s.GetHeight(), 40);
    s.ResetHeight();
    EXPECT_EQ(s.GetHeight(), 20);
}
