// The std-only pieces of the editing commands: the dialog's count check and the model changes.
#include "CellArray.h"
#include "CellInputData.h"
#include "EditCommands.h"
#include "LineArray.h"
#include "SpanMap.h"

#include <gtest/gtest.h>

TEST(ParseSpanCount, AcceptsIntegersFrom1To250) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"1", true, 1},    {"250", true, 250}, {" 7 ", true, 7},          {"+3", true, 3},
        {"007", true, 7},  {"0", false, 0},    {"251", false, 0},         {"-1", false, 0},
        {"", false, 0},    {"  ", false, 0},   {"3x", false, 0},          {"x3", false, 0},
        {"1 2", false, 0}, {"2.5", false, 0},  {"99999999999", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int value = -5;
        EXPECT_EQ(ParseSpanCount(c.text, value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -5);
    }
}

TEST(EditCommands, PlaceSpanClearsEverySpanItTouches) {
    CCellArray cells;
    CLineArray h, v;
    CSpanMap map;
    CCellData wide;
    wide.text = "wide";
    wide.SetColspan(3);
    cells.SetCell(1, 1, wide); // (1, 1)-(3, 1)
    CCellData tall;
    tall.SetRowspan(4);
    cells.SetCell(5, 1, tall); // (5, 1)-(5, 4)
    CCellData other;
    other.text = "other";
    cells.SetCell(6, 6, other);
    NormalizeSpans(cells, h, v, map);

    CCellData rec;
    rec.text = "new";
    PlaceSpan(cells, map, {3, 3, 5, 3}, rec); // below the wide span, across the tall one
    EXPECT_NE(cells.GetCell(1, 1), nullptr);
    EXPECT_EQ(cells.GetCell(5, 1), nullptr); // its column 5 row 3 lies in the block
    ASSERT_NE(cells.GetCell(3, 3), nullptr);
    EXPECT_EQ(cells.GetCell(3, 3)->colspan, 3);
    EXPECT_EQ(cells.GetCell(3, 3)->rowspan, 1);
    EXPECT_NE(cells.GetCell(6, 6), nullptr);
}
