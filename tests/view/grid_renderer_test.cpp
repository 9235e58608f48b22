// The grid renderer on its own, over a model and a geometry set up by each test.
#include "CellArray.h"
#include "CellSize.h"
#include "GridGeometry.h"
#include "GridRenderer.h"
#include "LineArray.h"
#include "PaintChecks.h"
#include "SpanMap.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Kind = CRecordingDC::Kind;

// A client area of 600 x 400 pixels (scroll bars 17 wide): the grid area is (50, 25) -
// (583, 383). Default sizes: columns 100 wide, rows 40 high.
class GridRendererTest : public ::testing::Test {
protected:
    static constexpr int W = 600;
    static constexpr int H = 400;

    std::unique_ptr<CCellArray> m_cells = std::make_unique<CCellArray>();
    CLineArray m_hLines;
    CLineArray m_vLines;
    CCellSize m_sizes;
    std::unique_ptr<CSpanMap> m_spans = std::make_unique<CSpanMap>();
    CGridGeometry m_g;
    CGridRenderer m_renderer{*m_cells, m_hLines, m_vLines, m_sizes, *m_spans, m_g};
    CRecordingDC m_dc{W, H};

    void SetUp() override {
        m_g.SetScrollBarSize(17);
        m_g.SetClientSize({W, H}, false);
        m_g.RebuildEdges(m_sizes);
        m_g.UpdateVisibleCounts();
        m_dc.ResetState();
    }
    void Normalize() { NormalizeSpans(*m_cells, m_hLines, m_vLines, *m_spans); }
    void ScrollTo(int firstCol, int firstRow) {
        m_g.SetFirst(ScrollBarKind::Horizontal, firstCol);
        m_g.SetFirst(ScrollBarKind::Vertical, firstRow);
        m_g.UpdateVisibleCounts();
    }
    // The whole grid area painted on a fresh context, as the window's paint does.
    void PaintAll() {
        m_dc.ops.clear();
        m_dc.ResetState();
        m_dc.SelectClipRect(m_g.GridArea());
        m_renderer.PaintArea(m_dc, m_g.GridArea());
    }
    int X(int c) const { return m_g.ColumnX(c); }
    int Y(int r) const { return m_g.RowY(r); }
};

} // namespace

TEST_F(GridRendererTest, TextIsPlacedInTheCellShrunkByThreePixels) {
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
        m_cells->SetCell(2, 3, Text("a\r\nb"));
        rec = m_cells->GetCell(2, 3);
        rec->hplace = static_cast<std::uint8_t>(t.hplace); // bypasses the setters on purpose
        rec->vplace = static_cast<std::uint8_t>(t.vplace);
        m_dc.ops.clear();
        m_renderer.DrawCell(m_dc, 2, 3);
        const auto texts = m_dc.OpsOf(Kind::Text);
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
    m_dc.ResetState();
    m_renderer.DrawCell(m_dc, 2, 3);
    EXPECT_EQ(m_dc.SelectFont(CFontDesc{}), CFontDesc{});
    EXPECT_EQ(m_dc.SetTextColor(COLOR_BLACK), COLOR_BLACK);
}

TEST_F(GridRendererTest, CellWithoutARecordStillShowsItsRuledLines) {
    m_hLines.SetLine(4, 5, LINE_SINGLE);
    ASSERT_EQ(m_cells->GetCell(4, 4), nullptr);
    m_dc.ops.clear();
    m_renderer.DrawCell(m_dc, 4, 4);
    const auto lines = m_dc.LinesIn(COLOR_BLACK);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, (CPoint{350, 185}));
    EXPECT_EQ(lines[0].to, (CPoint{450, 185}));
}

TEST_F(GridRendererTest, LastColumnAndRowUseEdge251AndTheAreaBeyondStaysWhite) {
    m_vLines.SetLine(250, 251, LINE_SINGLE); // right edge of (250, 250)
    m_hLines.SetLine(250, 251, LINE_DOUBLE); // bottom edge of (250, 250)
    // Scrolled so that columns 247..250 and rows 245..250 are shown with room to spare.
    ScrollTo(246, 244);
    PaintAll();
    ASSERT_EQ(m_g.FirstCol(), 246);
    const int right = X(251);  // 450
    const int bottom = Y(251); // 265
    ASSERT_EQ(right, 450);
    ASSERT_EQ(bottom, 265);
    EXPECT_EQ(m_dc.Pixel(right, 250), COLOR_BLACK);
    EXPECT_EQ(m_dc.Pixel(420, bottom - 2), COLOR_BLACK);
    EXPECT_EQ(m_dc.Pixel(420, bottom + 2), COLOR_BLACK);
    // Grid lines end at the table's edges.
    EXPECT_EQ(m_dc.Pixel(right, 100), GRID_GREY);
    EXPECT_EQ(m_dc.Pixel(200, bottom), GRID_GREY);
    EXPECT_EQ(CountColour(m_dc, {right + 1, 25, W - 17, H - 17}, GRID_GREY), 0);
    EXPECT_EQ(CountColour(m_dc, {right + 1, 25, W - 17, H - 17}, COLOR_BLACK), 0);
    EXPECT_EQ(CountColour(m_dc, {50, bottom + 3, W - 17, H - 17}, GRID_GREY), 0);
}

TEST_F(GridRendererTest, DrawEdgeLineIgnoresEdgesBeyondTheTable) {
    m_dc.ops.clear();
    m_renderer.DrawEdgeLine(m_dc, 251, 1, EdgeSide::Left);
    m_renderer.DrawEdgeLine(m_dc, 1, 251, EdgeSide::Top);
    EXPECT_TRUE(m_dc.ops.empty());
}

TEST_F(GridRendererTest, SpanRunningPastTheLastRowIsClippedAtTheTable) {
    m_cells->SetCell(249, 249, Span(5, 5));
    Normalize();
    ScrollTo(246, 244);
    m_dc.ops.clear();
    m_renderer.DrawCell(m_dc, 250, 250);
    const auto outlines = RectanglesIn(m_dc, GRID_GREY);
    ASSERT_EQ(outlines.size(), 1u);
    EXPECT_EQ(outlines[0], (CRect{X(249), Y(249), X(251) + 1, Y(251) + 1}));
}

TEST_F(GridRendererTest, DrawCellAdvancesPastTheSpan) {
    m_cells->SetCell(2, 2, Span(3, 2));
    Normalize();
    EXPECT_EQ(m_renderer.DrawCell(m_dc, 1, 2), 1);
    EXPECT_EQ(m_renderer.DrawCell(m_dc, 2, 2), 3);
    EXPECT_EQ(m_renderer.DrawCell(m_dc, 3, 3), 2); // inside the span, second row
    EXPECT_EQ(m_renderer.DrawCell(m_dc, 4, 3), 1);
}
