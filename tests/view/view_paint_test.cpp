#include "ViewFixture.h"

#include "Resource.h"

#include <string>
#include <vector>

namespace {

using Kind = CRecordingDC::Kind;

std::vector<CRect> RectanglesIn(const CRecordingDC& dc, CColor penColor) {
    std::vector<CRect> out;
    for (const auto& op : dc.OpsOf(Kind::Rectangle))
        if (op.pen.color == penColor)
            out.push_back(op.rect);
    return out;
}

int CountColour(const CRecordingDC& dc, const CRect& r, CColor c) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += dc.Pixel(x, y) == c;
    return n;
}

CCellData Text(const std::string& text, int hplace = 1, int vplace = 1) {
    CCellData d;
    d.text = text;
    d.hplace = static_cast<std::uint8_t>(hplace);
    d.vplace = static_cast<std::uint8_t>(vplace);
    return d;
}

CCellData Span(int colspan, int rowspan) {
    CCellData d;
    d.colspan = static_cast<std::uint8_t>(colspan);
    d.rowspan = static_cast<std::uint8_t>(rowspan);
    return d;
}

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
    EXPECT_TRUE(View().m_selection.m_highlightShown);
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

TEST_F(ViewTest, TextIsPlacedInTheCellShrunkByThreePixels) {
    struct Case {
        const char* name;
        int hplace, vplace;
        HAlign h;
        VAlign v;
    } cases[] = {
        {"top left", 0, 0, HAlign::Left, VAlign::Top},
        {"centre", 1, 1, HAlign::Center, VAlign::Center},
        {"bottom right", 2, 2, HAlign::Right, VAlign::Bottom},
        {"top right", 2, 0, HAlign::Right, VAlign::Top},
        {"unknown placements are centred", 7, 9, HAlign::Center, VAlign::Center},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        CCellData* rec = nullptr;
        m_doc.m_cells.SetCell(2, 3, Text("a\r\nb"));
        rec = m_doc.m_cells.GetCell(2, 3);
        rec->hplace = static_cast<std::uint8_t>(t.hplace); // bypasses the setters on purpose
        rec->vplace = static_cast<std::uint8_t>(t.vplace);
        Dc().ops.clear();
        View().DrawCell(Dc(), 2, 3);
        const auto texts = Dc().OpsOf(Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        // Cell (2, 3) spans x 150..250 and y 105..145; the rectangle is one pixel larger.
        EXPECT_EQ(texts[0].rect, (CRect{153, 108, 248, 143}));
        EXPECT_EQ(texts[0].text, "a\r\nb");
        EXPECT_EQ(texts[0].h, t.h);
        EXPECT_EQ(texts[0].v, t.v);
        EXPECT_EQ(texts[0].textColor, COLOR_BLACK);
        EXPECT_EQ(texts[0].bkColor, COLOR_WHITE);
        EXPECT_EQ(texts[0].font.face, "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");
        EXPECT_EQ(texts[0].font.height, 22);
        EXPECT_EQ(texts[0].font.weight, 400);
    }
    // Colours and font are put back afterwards.
    Dc().ResetState();
    View().DrawCell(Dc(), 2, 3);
    EXPECT_EQ(Dc().SelectFont(CFontDesc{}), CFontDesc{});
    EXPECT_EQ(Dc().SetTextColor(COLOR_BLACK), COLOR_BLACK);
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
    View().RepaintCells(Dc(), 3, 3, 3, 3);
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

TEST_F(ViewTest, CellWithoutARecordStillShowsItsRuledLines) {
    m_doc.m_hLines.SetLine(4, 5, LINE_SINGLE);
    ASSERT_EQ(m_doc.m_cells.GetCell(4, 4), nullptr);
    Dc().ops.clear();
    View().DrawCell(Dc(), 4, 4);
    const auto lines = Dc().LinesIn(COLOR_BLACK);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, (CPoint{350, 185}));
    EXPECT_EQ(lines[0].to, (CPoint{450, 185}));
}

TEST_F(ViewTest, LastColumnAndRowUseEdge251AndTheAreaBeyondStaysWhite) {
    m_doc.m_vLines.SetLine(250, 251, LINE_SINGLE); // right edge of (250, 250)
    m_doc.m_hLines.SetLine(250, 251, LINE_DOUBLE); // bottom edge of (250, 250)
    // Scroll so that columns 247..250 and rows 245..250 are shown with room to spare.
    View().m_firstCol = 246;
    View().m_firstRow = 244;
    View().UpdateScrollLayout(false);
    CGridSelection& s = View().m_selection;
    s.m_anchorCol = s.m_cursorCol = 250; // the cursor stays in view, so nothing scrolls
    s.m_anchorRow = s.m_cursorRow = 250;
    PaintWithoutHighlight();
    ASSERT_EQ(View().m_firstCol, 246);
    const int right = X(251);  // 450
    const int bottom = Y(251); // 265
    ASSERT_EQ(right, 450);
    ASSERT_EQ(bottom, 265);
    EXPECT_EQ(Dc().Pixel(right, 250), COLOR_BLACK);
    EXPECT_EQ(Dc().Pixel(420, bottom - 2), COLOR_BLACK);
    EXPECT_EQ(Dc().Pixel(420, bottom + 2), COLOR_BLACK);
    // Grid lines end at the table's edges.
    EXPECT_EQ(Dc().Pixel(right, 100), GRID_GREY);
    EXPECT_EQ(Dc().Pixel(200, bottom), GRID_GREY);
    EXPECT_EQ(CountColour(Dc(), {right + 1, 25, W - 17, H - 17}, GRID_GREY), 0);
    EXPECT_EQ(CountColour(Dc(), {right + 1, 25, W - 17, H - 17}, COLOR_BLACK), 0);
    EXPECT_EQ(CountColour(Dc(), {50, bottom + 3, W - 17, H - 17}, GRID_GREY), 0);
}

TEST_F(ViewTest, DrawEdgeLineIgnoresEdgesBeyondTheTable) {
    Dc().ops.clear();
    View().DrawEdgeLine(Dc(), 251, 1, EdgeSide::Left);
    View().DrawEdgeLine(Dc(), 1, 251, EdgeSide::Top);
    EXPECT_TRUE(Dc().ops.empty());
}

TEST_F(ViewTest, SpanRunningPastTheLastRowIsClippedAtTheTable) {
    m_doc.m_cells.SetCell(249, 249, Span(5, 5));
    View().NormalizeSpans();
    View().m_firstCol = 246;
    View().m_firstRow = 244;
    Dc().ops.clear();
    View().DrawCell(Dc(), 250, 250);
    const auto outlines = RectanglesIn(Dc(), GRID_GREY);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0], (CRect{X(249), Y(249), X(251) + 1, Y(251) + 1}));
}

TEST_F(ViewTest, DrawCellAdvancesPastTheSpan) {
    m_doc.m_cells.SetCell(2, 2, Span(3, 2));
    View().NormalizeSpans();
    EXPECT_EQ(View().DrawCell(Dc(), 1, 2), 1);
    EXPECT_EQ(View().DrawCell(Dc(), 2, 2), 3);
    EXPECT_EQ(View().DrawCell(Dc(), 3, 3), 2); // inside the span, second row
    EXPECT_EQ(View().DrawCell(Dc(), 4, 3), 1);
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
    CGridSelection& s = View().m_selection;
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        s = CGridSelection{};
        s.m_rangeMode = true;
        s.m_anchorCol = 5;
        s.m_anchorRow = 6;
        s.m_cursorCol = 3;
        s.m_cursorRow = 4;
        View().m_anchorFixed = true;
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
        EXPECT_TRUE(s.m_highlightShown);
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
    EXPECT_EQ(View().m_selection.m_cursorCol, 3);
    EXPECT_EQ(View().m_selection.m_cursorRow, 3);
    EXPECT_EQ(Dc().Pixel(60, 30), COLOR_WHITE); // old highlight removed
    EXPECT_EQ(Dc().Pixel(300, 120), COLOR_BLACK);
    // Clicks on the headers and scroll bars are not in the grid area.
    View().OnLButtonDown(20, 110, 0);
    View().OnLButtonDown(300, H - 5, 0);
    EXPECT_EQ(View().m_selection.m_cursorCol, 3);
}

TEST_F(ViewTest, GrowingARangeInvertsOnlyTheNewColumn) {
    Paint();
    CGridSelection& s = View().m_selection;
    s.m_rangeMode = true;
    IDeviceContext& dc = m_host.GetClientDC();
    dc.SelectClipRect(View().GridArea());
    View().MoveCursor(dc, 1, 1, false);
    View().MoveCursor(dc, 3, 3, true);
    Dc().ops.clear();
    View().MoveCursor(dc, 4, 3, true);
    const auto inverted = Dc().OpsOf(Kind::Invert);
    ASSERT_EQ(inverted.size(), 1u);
    EXPECT_EQ(inverted[0].rect, (CRect{X(4), Y(1), X(5), Y(4)}));
    EXPECT_EQ(Dc().Pixel(X(1) + 5, Y(1) + 5), COLOR_BLACK);
    EXPECT_EQ(Dc().Pixel(X(4) + 5, Y(3) + 5), COLOR_BLACK);
    EXPECT_TRUE(s.m_highlightShown);
}
