#include "PaintChecks.h"
#include "ViewFixture.h"

#include "Resource.h"

#include <string>
#include <vector>

namespace {

using Kind = CRecordingDC::Kind;

} // namespace

TEST_F(ViewTest, NothingIsPaintedBeforeTheInitialUpdate) {
    CMyView fresh(m_doc);
    CRecordingDC dc(W, H);
    fresh.OnDraw(dc);
    EXPECT_TRUE(dc.ops.empty());
}

TEST_F(ViewTest, PaintClearsTheGridAreaAndDrawsGreyGridLinesUpToTheClip) {
    Paint();
    const CRect grid{50, 25, W - 17, H - 17};
    const auto fills = RectanglesIn(Dc(), COLOR_WHITE);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front(), grid);
    EXPECT_EQ(Dc().OpsOf(Kind::Rectangle).front().clip, grid);
    // Rows 1..9 and columns 1..6 are (partly) visible: row edges 1..10, column edges 1..7.
    EXPECT_EQ(Dc().LinesIn(GRID_GREY).size(), 10u + 7u);
    // Grid lines: grey at x = 150 and y = 65, white inside the cells; nothing outside the
    // grid area.
    EXPECT_EQ(Dc().Pixel(150, 100), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(100, 65), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(50, 100), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(170, 100), COLOR_WHITE);
    EXPECT_EQ(Dc().Pixel(49, 100), COLOR_WHITE);
    EXPECT_EQ(Dc().Pixel(W - 17, 100), COLOR_WHITE);
    // The cursor cell (1, 1) is shown inverted.
    EXPECT_TRUE(View().Selection().HighlightShown());
    EXPECT_EQ(Dc().Pixel(60, 30), COLOR_BLACK);
}

TEST_F(ViewTest, RepaintingTwiceLeavesTheSamePicture) {
    m_doc.m_cells.SetCell(2, 2, Span(2, 2));
    m_doc.m_hLines.SetLine(1, 3, LINE_DOUBLE);
    Paint();
    std::vector<CColor> first;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            first.push_back(Dc().Pixel(x, y));
    Paint();
    int differing = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            differing += !(Dc().Pixel(x, y) == first[static_cast<std::size_t>(y) * W + x]);
    EXPECT_EQ(differing, 0);
}

TEST_F(ViewTest, SpanIsOneBlockWithAGreyOutlineAndNoInnerGridLines) {
    // A 3 x 2 span at (2, 2): x 150..450, y 65..145.
    m_doc.m_cells.SetCell(2, 2, Span(3, 2));
    m_doc.m_cells.SetCell(3, 3, Text("hidden"));
    m_doc.m_bContentsReplaced = true;
    PaintWithoutHighlight();
    EXPECT_EQ(m_doc.m_cells.GetCell(3, 3), nullptr); // normalised before painting

    // Drawn once for each of its two rows, always as the same rectangle.
    const CRect span{150, 65, 451, 146};
    const auto outlines = RectanglesIn(Dc(), GRID_GREY);
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0], span);
    EXPECT_EQ(outlines[1], span);
    EXPECT_EQ(CountColour(Dc(), span.Deflated(1), GRID_GREY), 0);
    EXPECT_EQ(Dc().Pixel(150, 100), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(450, 100), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(300, 145), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(300, 65), GRID_GREY);

    // Repainting only the span's second row draws it once more, whole.
    Dc().ops.clear();
    View().Renderer().RepaintCells(Dc(), 3, 3, 3, 3);
    EXPECT_EQ(RectanglesIn(Dc(), GRID_GREY), std::vector<CRect>{span});
}

TEST_F(ViewTest, WithTheGridHiddenOnlyRuledLinesSeparateCells) {
    m_doc.m_cells.SetCell(2, 2, Span(3, 2));
    m_doc.m_vLines.SetLine(1, 2, LINE_SINGLE);
    m_doc.m_bContentsReplaced = true;
    View().OnCommand(ID_VIEW_GRID);
    PaintWithoutHighlight();
    EXPECT_TRUE(Dc().LinesIn(GRID_GREY).empty());
    EXPECT_TRUE(RectanglesIn(Dc(), GRID_GREY).empty());
    EXPECT_EQ(CountColour(Dc(), {0, 0, W, H}, GRID_GREY), 0);
    EXPECT_EQ(Dc().Pixel(150, 40), COLOR_BLACK); // left edge of (2, 1)

    // Toggling twice restores the picture.
    View().OnCommand(ID_VIEW_GRID);
    PaintWithoutHighlight();
    EXPECT_EQ(Dc().Pixel(350, 40), GRID_GREY);
    View().OnCommand(ID_VIEW_GRID);
    PaintWithoutHighlight();
    EXPECT_EQ(CountColour(Dc(), {0, 0, W, H}, GRID_GREY), 0);
}

TEST_F(ViewTest, RuledLinesSingleAndDouble) {
    struct Case {
        const char* name;
        bool horizontal;
        int a, b; // line array index: (column, row edge) or (row, column edge)
        std::uint8_t kind;
        std::vector<CPoint> black;    // pixels set
        std::vector<CPoint> notBlack; // pixels left alone
    } cases[] = {
        // Edge between rows 2 and 3 over column 2: Y(3) = 105, x 150..249.
        {"single horizontal",
         true,
         2,
         3,
         LINE_SINGLE,
         {{150, 105}, {249, 105}},
         {{250, 105}, {200, 103}, {200, 107}}},
        {"double horizontal",
         true,
         2,
         3,
         LINE_DOUBLE,
         {{150, 103}, {249, 103}, {150, 107}, {249, 107}},
         {{200, 105}, {250, 103}, {200, 102}, {200, 108}}},
        // Left edge of column 3 on row 2: X(3) = 250, y 65..104.
        {"single vertical",
         false,
         2,
         3,
         LINE_SINGLE,
         {{250, 65}, {250, 104}},
         {{250, 105}, {248, 80}, {252, 80}}},
        {"double vertical",
         false,
         2,
         3,
         LINE_DOUBLE,
         {{248, 65}, {248, 104}, {252, 65}, {252, 104}},
         {{250, 80}, {248, 105}, {247, 80}, {253, 80}}},
        {"unknown kind draws nothing", true, 2, 3, 7, {}, {{150, 105}, {200, 103}}},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        m_doc.m_hLines.ClearAll();
        m_doc.m_vLines.ClearAll();
        (t.horizontal ? m_doc.m_hLines : m_doc.m_vLines).SetLine(t.a, t.b, t.kind);
        PaintWithoutHighlight();
        for (const CPoint& p : t.black)
            EXPECT_EQ(Dc().Pixel(p.x, p.y), COLOR_BLACK) << p.x << "," << p.y;
        for (const CPoint& p : t.notBlack)
            EXPECT_NE(Dc().Pixel(p.x, p.y), COLOR_BLACK) << p.x << "," << p.y;
        const auto lines = Dc().LinesIn(COLOR_BLACK);
        // Both neighbouring cells draw the shared edge, so each line comes twice.
        const std::size_t perCell = t.kind == LINE_SINGLE ? 1 : t.kind == LINE_DOUBLE ? 2 : 0;
        EXPECT_EQ(lines.size(), 2 * perCell);
    }
}

TEST_F(ViewTest, RefreshRegionGrowsByOneCellAndClamps) {
    struct Case {
        const char* name;
        int c1, r1, c2, r2;
        int e1, f1, e2, f2; // expected cell rectangle repainted
    } cases[] = {
        {"inside", 5, 5, 6, 7, 4, 4, 7, 8},
        {"top-left corner", 1, 1, 1, 1, 1, 1, 2, 2},
        {"bottom-right corner", 250, 250, 250, 250, 249, 249, 250, 250},
        {"whole table", 1, 1, 250, 250, 1, 1, 250, 250},
        {"zero means the selection (3,4)-(5,6)", 0, 0, 0, 0, 2, 3, 6, 7},
    };
    const CGridSelection& s = View().Selection();
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        Select(5, 6, 3, 4);
        Dc().ops.clear();
        View().RefreshRegion(t.c1, t.r1, t.c2, t.r2);
        const auto erased = RectanglesIn(Dc(), COLOR_WHITE);
        ASSERT_FALSE(erased.empty());
        EXPECT_EQ(erased.front(), (CRect{X(t.e1), Y(t.f1), X(t.e2 + 1), Y(t.f2 + 1)}));
        EXPECT_EQ(Dc().OpsOf(Kind::Rectangle).front().clip, (CRect{50, 25, W - 17, H - 17}));
        // The highlight is drawn again over the selection.
        const auto inverted = Dc().OpsOf(Kind::Invert);
        ASSERT_FALSE(inverted.empty());
        EXPECT_EQ(inverted.back().rect, (CRect{X(3), Y(4), X(6), Y(7)}));
        EXPECT_TRUE(s.HighlightShown());
    }
}

TEST_F(ViewTest, RefreshRegionNormalisesSpansAndMarksTheDocument) {
    m_doc.m_cells.SetCell(3, 3, Text("covered"));
    m_doc.m_cells.SetCell(2, 2, Span(2, 2));
    ASSERT_FALSE(m_doc.IsModified());
    View().RefreshRegion(2, 2, 2, 2);
    EXPECT_EQ(m_doc.m_cells.GetCell(3, 3), nullptr);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(View().SpanMap().GetOrigin(3, 3), std::make_pair(2, 2));
}

TEST_F(ViewTest, PaintConsumesTheDocumentFlags) {
    View().UndoBlock().Save(1, 1, 2, 2);
    ASSERT_FALSE(View().UndoBlock().IsEmpty());
    m_doc.m_cells.SetCell(1, 1, Span(2, 1));
    m_doc.m_cells.SetCell(2, 1, Text("x"));
    m_doc.m_bContentsReplaced = true;
    m_doc.m_bMarkModified = true;
    m_doc.SetModifiedFlag(false);
    Paint();
    EXPECT_FALSE(m_doc.m_bContentsReplaced);
    EXPECT_FALSE(m_doc.m_bMarkModified);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(View().UndoBlock().IsEmpty());
    EXPECT_EQ(m_doc.m_cells.GetCell(2, 1), nullptr);
    EXPECT_TRUE(Dc().OpsOf(Kind::Text).empty());
}

TEST_F(ViewTest, UpdateAfterNewOrOpenResetsAndInvalidatesWithoutErasing) {
    View().UndoBlock().Save(1, 1, 1, 1);
    m_doc.m_cells.SetCell(1, 1, Span(1, 2));
    m_doc.m_bContentsReplaced = true;
    m_host.invalidations.clear();
    View().OnUpdate();
    EXPECT_FALSE(m_doc.m_bContentsReplaced);
    EXPECT_TRUE(View().UndoBlock().IsEmpty());
    EXPECT_EQ(View().SpanMap().GetOrigin(1, 2), std::make_pair(1, 1));
    EXPECT_EQ(m_host.invalidations, std::vector<bool>{false});
}

TEST_F(ViewTest, ClickSelectsACellAndHighlightFollows) {
    Paint();
    View().OnLButtonDown(260, 110, 0); // cell (3, 3)
    EXPECT_EQ(View().Selection().CursorCol(), 3);
    EXPECT_EQ(View().Selection().CursorRow(), 3);
    EXPECT_EQ(Dc().Pixel(60, 30), COLOR_WHITE); // old highlight removed
    EXPECT_EQ(Dc().Pixel(300, 120), COLOR_BLACK);
    // Clicks on the headers and scroll bars are not in the grid area.
    View().OnLButtonDown(20, 110, 0);
    View().OnLButtonDown(300, H - 5, 0);
    EXPECT_EQ(View().Selection().CursorCol(), 3);
}

TEST_F(ViewTest, GrowingARangeInvertsOnlyTheNewColumn) {
    Paint();
    const CGridSelection& s = View().Selection();
    View().ToggleRangeMode(); // on
    IDeviceContext& dc = m_host.GetClientDC();
    dc.SelectClipRect(View().Geometry().GridArea());
    View().MoveCursor(dc, 1, 1, false);
    View().MoveCursor(dc, 3, 3, true);
    Dc().ops.clear();
    View().MoveCursor(dc, 4, 3, true);
    const auto inverted = Dc().OpsOf(Kind::Invert);
    ASSERT_EQ(inverted.size(), 1u);
    EXPECT_EQ(inverted[0].rect, (CRect{X(4), Y(1), X(5), Y(4)}));
    EXPECT_EQ(Dc().Pixel(X(1) + 5, Y(1) + 5), COLOR_BLACK);
    EXPECT_EQ(Dc().Pixel(X(4) + 5, Y(3) + 5), COLOR_BLACK);
    EXPECT_TRUE(s.HighlightShown());
}
