#include "CellBlock.h"
#include "SpanMap.h"

#include <gtest/gtest.h>

namespace {

struct Model {
    CCellArray cells;
    CLineArray h, v;
    CCellSize sizes;

    void Put(int c, int r, const char* text, int cs = 1, int rs = 1) {
        CCellData d;
        d.text = text;
        d.colspan = static_cast<std::uint8_t>(cs);
        d.rowspan = static_cast<std::uint8_t>(rs);
        cells.SetCell(c, r, d);
    }
    std::string Text(int c, int r) const {
        const CCellData* d = cells.GetCell(c, r);
        return d ? d->text : "<none>";
    }
};

} // namespace

TEST(CellBlock, NewAndClearedBlocksAreEmpty) {
    Model m;
    CCellBlock b;
    b.Attach(m.cells, m.h, m.v, m.sizes);
    EXPECT_TRUE(b.IsEmpty());
    b.Save(1, 1, 1, 1); // an empty region still counts as content
    EXPECT_FALSE(b.IsEmpty());
    b.Clear();
    EXPECT_TRUE(b.IsEmpty());
}

TEST(CellBlock, SaveCarriesRecordsOuterEdgesAndWidths) {
    Model m;
    m.Put(2, 2, "a");
    m.Put(3, 3, "b", 2, 1);
    m.Put(5, 5, "outside");
    m.h.SetLine(2, 2, LINE_SINGLE); // top of (2,2)
    m.h.SetLine(3, 4, LINE_DOUBLE); // bottom of (3,3): outer edge
    m.v.SetLine(3, 4, LINE_SINGLE); // right of (3,3): outer edge
    m.v.SetLine(2, 5, LINE_SINGLE); // beyond the rectangle
    m.sizes.SetWidth(3, 77);
    CCellBlock b;
    b.Attach(m.cells, m.h, m.v, m.sizes);
    b.Save(3, 3, 2, 2); // corners in any order

    EXPECT_EQ(b.Rect(), (CCellRect{2, 2, 3, 3}));
    EXPECT_EQ(b.Cells().Count(), 2);
    EXPECT_EQ(b.Cells().GetCell(3, 3)->colspan, 2);
    EXPECT_EQ(b.HLines().GetLine(2, 2), LINE_SINGLE);
    EXPECT_EQ(b.HLines().GetLine(3, 4), LINE_DOUBLE);
    EXPECT_EQ(b.VLines().GetLine(3, 4), LINE_SINGLE);
    EXPECT_EQ(b.VLines().GetLine(2, 5), LINE_NONE);
    EXPECT_EQ(b.Sizes().GetWidth(3), 77);
}

TEST(CellBlock, RestoreInPlaceUndoesChangesInsideTheRectangleOnly) {
    Model m;
    m.Put(1, 1, "keep");
    m.Put(2, 1, "old");
    m.h.SetLine(2, 2, LINE_SINGLE);
    CCellBlock b;
    b.Attach(m.cells, m.h, m.v, m.sizes);
    b.Save(2, 1, 3, 1);

    m.Put(2, 1, "new");
    m.Put(3, 1, "added");
    m.Put(1, 1, "outside changed");
    m.h.ClearLine(2, 2);
    m.v.SetLine(1, 4, LINE_DOUBLE); // right edge of (3,1)
    b.RestoreInPlace();

    EXPECT_EQ(m.Text(2, 1), "old");
    EXPECT_EQ(m.Text(3, 1), "<none>");
    EXPECT_EQ(m.Text(1, 1), "outside changed");
    EXPECT_EQ(m.h.GetLine(2, 2), LINE_SINGLE);
    EXPECT_EQ(m.v.GetLine(1, 4), LINE_NONE);
    EXPECT_FALSE(b.WidthsChanged());

    m.sizes.SetWidth(3, 200);
    b.RestoreInPlace();
    EXPECT_TRUE(b.WidthsChanged());
    EXPECT_EQ(m.sizes.GetWidth(3), 100);
}

TEST(CellBlock, PasteAtMovesCellsAndLinesButNotWidthsAndClipsAtTheEdge) {
    Model m;
    m.Put(1, 1, "a", 2, 1);
    m.Put(1, 2, "b");
    m.h.SetLine(1, 1, LINE_DOUBLE);
    m.v.SetLine(2, 1, LINE_SINGLE);
    m.sizes.SetWidth(1, 60);
    CCellBlock b;
    b.Attach(m.cells, m.h, m.v, m.sizes);
    b.Save(1, 1, 2, 2);

    m.Put(11, 11, "overwritten by an empty cell");
    b.PasteAt(10, 10);
    EXPECT_EQ(m.Text(10, 10), "a");
    EXPECT_EQ(m.cells.GetCell(10, 10)->colspan, 2);
    EXPECT_EQ(m.Text(10, 11), "b");
    EXPECT_EQ(m.Text(11, 11), "<none>");
    EXPECT_EQ(m.h.GetLine(10, 10), LINE_DOUBLE);
    EXPECT_EQ(m.v.GetLine(11, 10), LINE_SINGLE);
    EXPECT_EQ(m.sizes.GetWidth(10), 100);

    b.PasteAt(250, 250); // only the top-left cell fits; its right and bottom edges are edge 251
    EXPECT_EQ(m.Text(250, 250), "a");
    EXPECT_EQ(m.Text(250, 1), "<none>");
}

TEST(CellBlock, CopyFromTakesTheOtherBlocksRectangle) {
    Model m;
    m.Put(4, 4, "x");
    m.v.SetLine(4, 5, LINE_DOUBLE);
    CCellBlock undo, temp;
    undo.Attach(m.cells, m.h, m.v, m.sizes);
    temp.Attach(m.cells, m.h, m.v, m.sizes);
    temp.Save(4, 4, 5, 5);
    m.Put(4, 4, "changed");
    undo.CopyFrom(temp);
    EXPECT_EQ(undo.Rect(), (CCellRect{4, 4, 5, 5}));
    EXPECT_EQ(undo.Cells().GetCell(4, 4)->text, "x");
    EXPECT_EQ(undo.VLines().GetLine(4, 5), LINE_DOUBLE);
    // Still bound to the live model.
    undo.RestoreInPlace();
    EXPECT_EQ(m.Text(4, 4), "x");
}

TEST(CellBlock, UndoTwiceRedoes) {
    Model m;
    CSpanMap map;
    CCellBlock undo;
    undo.Attach(m.cells, m.h, m.v, m.sizes);
    undo.Save(1, 1, 1, 1);
    m.Put(1, 1, "a");
    for (const char* expected : {"<none>", "a", "<none>"}) {
        CCellBlock temp;
        temp.Attach(m.cells, m.h, m.v, m.sizes);
        const CCellRect r = SpanHull(m.cells, map, undo.Rect());
        temp.Save(r);
        undo.RestoreInPlace();
        NormalizeSpans(m.cells, m.h, m.v, map);
        undo.CopyFrom(temp);
        EXPECT_EQ(m.Text(1, 1), expected);
    }
}

TEST(CellBlock, SecondSaveLeavesNothingOfTheFirst) {
    Model m;
    m.Put(1, 1, "a");
    m.Put(3, 3, "c");
    m.h.SetLine(3, 4, LINE_DOUBLE);
    m.v.SetLine(1, 2, LINE_SINGLE);
    CCellBlock b;
    b.Attach(m.cells, m.h, m.v, m.sizes);
    b.Save(1, 1, 3, 3);
    m.Put(2, 2, "b");
    b.Save(2, 2, 2, 2);
    EXPECT_EQ(b.Cells().Count(), 1);
    EXPECT_EQ(b.Cells().GetCell(2, 2)->text, "b");
    EXPECT_TRUE(b.HLines().IsEmpty());
    EXPECT_TRUE(b.VLines().IsEmpty());
    // Pasting the block now writes only (2, 2) and its edges.
    b.PasteAt(10, 10);
    EXPECT_EQ(m.Text(10, 10), "b");
    EXPECT_EQ(m.Text(11, 11), "<none>");
}
