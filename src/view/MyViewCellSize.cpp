// Cell sizes and the view font: the cell size dialog (from a header press, Ctrl+H, Ctrl+J,
// Ctrl+K or the corner), the standard size, the automatic row height, fitting the column
// widths to their texts and the font dialog.
#include "CellArray.h"
#include "CellSize.h"
#include "CellSizeData.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"
#include "TextMeasurer.h"

#include <algorithm>

namespace {

// The row height while automatic row height is off.
constexpr int FIXED_ROW_HEIGHT = 40;

// Six full-width characters whose line AutoRowHeight measures ("あいうえおか", code page 932).
const char SAMPLE_LINE[] = "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9";

} // namespace

bool CMyView::OnCellSizeCommand(int id) {
    switch (id) {
    case IDC_CORNER:
    case IDC_COLUMN_HEADER:
    case IDC_ROW_HEADER:
        // The button has marked itself; the dialog finds it.
        if (m_host)
            m_host->PostCommand(ID_CELL_SIZE);
        return true;
    case ID_CELL_SIZE:
        OnCellSize();
        return true;
    case ID_STANDARD_SIZE:
        OnStandardSize();
        return true;
    case ID_AUTO_HEIGHT:
        OnAutoHeight();
        return true;
    case ID_FIT_WIDTH:
        OnFitWidth();
        return true;
    case ID_FONT:
        OnFont();
        return true;
    default:
        return false;
    }
}

bool CMyView::OnUpdateCellSizeCommand(int id, CCmdUI& ui) {
    switch (id) {
    case IDC_CORNER:
    case IDC_COLUMN_HEADER:
    case IDC_ROW_HEADER:
    case ID_CELL_SIZE:
    case ID_STANDARD_SIZE:
    case ID_FIT_WIDTH:
    case ID_FONT:
        ui.enabled = true;
        return true;
    case ID_AUTO_HEIGHT:
        ui.enabled = true;
        ui.checked = m_autoHeight;
        return true;
    default:
        return false;
    }
}

std::pair<int, int> CMyView::CellSizeTarget() {
    const int col = m_selection.CursorCol();
    const int row = m_selection.CursorRow();
    // The corner's mark is cleared by the dialog itself.
    if (!m_host || m_host->IsHeaderMarked(HeaderKind::Corner, 0))
        return {col, row};
    const int cols = std::min(m_geometry.VisibleCols(), MAX_CELLS);
    for (int k = 0; k < cols; ++k) {
        if (m_host->IsHeaderMarked(HeaderKind::Column, k)) {
            m_host->SetHeaderMarked(HeaderKind::Column, k, false);
            return {m_geometry.FirstCol() + k + 1, row};
        }
    }
    const int rows = std::min(m_geometry.VisibleRows(), MAX_CELLS);
    for (int k = 0; k < rows; ++k) {
        if (m_host->IsHeaderMarked(HeaderKind::Row, k)) {
            m_host->SetHeaderMarked(HeaderKind::Row, k, false);
            return {col, m_geometry.FirstRow() + k + 1};
        }
    }
    return {col, row};
}

void CMyView::OnCellSize() {
    if (!m_host || !m_initialized)
        return;
    const auto [tc, tr] = CellSizeTarget();
    const bool all = m_host->IsHeaderMarked(HeaderKind::Corner, 0);
    const CCellRect sel = m_selection.Normalized();
    const bool range = m_selection.RangeMode() && sel.Contains(tc, tr);

    CCellSizeData data;
    data.m_width = m_sizes->GetWidth(tc);
    data.m_height = m_sizes->GetHeight();
    data.m_stdWidth = m_sizes->GetStdWidth();
    data.m_stdHeight = m_sizes->GetStdHeight();
    data.m_title = all     ? AllCellsSizeTitle()
                   : range ? CellSizeTitle(sel.left, sel.right)
                           : CellSizeTitle(tc);
    const bool ok = m_host->RunCellSizeDialog(data);
    m_host->SetHeaderMarked(HeaderKind::Corner, 0, false);
    if (!ok)
        return;

    HideHighlightBeforeLayout();
    if (data.m_saveStdWidth)
        m_sizes->SetStdWidth(data.m_width);
    if (data.m_saveStdHeight)
        m_sizes->SetStdHeight(data.m_height);
    // Exactly the columns the title named.
    const int first = all ? 1 : range ? sel.left : tc;
    const int last = all ? MAX_CELLS : range ? sel.right : tc;
    bool differs = false;
    for (int c = first; c <= last && !differs; ++c)
        differs = m_sizes->GetWidth(c) != data.m_width;
    if (differs) {
        // Only the widths of the saved columns matter to undo; row 1 keeps the block small.
        SaveForUndo({first, 1, last, 1});
        SetColumnWidths(*m_sizes, first, last, data.m_width);
        m_doc.SetModifiedFlag(true);
    }
    // The row height is a setting, not part of the table: no undo, no modification.
    m_sizes->SetHeight(data.m_height);
    DropAutoHeightIfOverridden();
    LayoutSizes();
}

void CMyView::OnStandardSize() {
    EditSizes({1, 1, MAX_CELLS, MAX_CELLS}, [&] {
        int changed = 0;
        for (int c = 1; c <= MAX_CELLS; ++c)
            changed += m_sizes->GetWidth(c) != m_sizes->GetStdWidth();
        m_sizes->ResetWidths();
        m_sizes->ResetHeight();
        DropAutoHeightIfOverridden();
        return changed > 0;
    });
}

void CMyView::OnAutoHeight() {
    m_autoHeight = !m_autoHeight;
    if (!m_autoHeight)
        return;
    HideHighlightBeforeLayout();
    m_sizes->SetHeight(AutoRowHeight());
    LayoutSizes();
}

void CMyView::OnFitWidth() {
    const CCellRect sel = m_selection.Normalized();
    EditSizes(sel, [&] {
        int changed = 0;
        for (int c = sel.left; c <= sel.right; ++c)
            changed += m_sizes->SetWidth(c, FitColumnWidth(c));
        return changed > 0;
    });
}

void CMyView::OnFont() {
    CFontDesc font = ViewFont();
    if (m_host && m_host->RunFontDialog(font))
        SetViewFont(font);
}

void CMyView::SetViewFont(const CFontDesc& font) {
    m_renderer.SetFont(font);
    if (!m_host)
        return;
    m_host->SetViewFont(font);
    if (m_autoHeight) {
        HideHighlightBeforeLayout();
        m_sizes->SetHeight(AutoRowHeight());
        LayoutSizes();
    } else {
        m_host->Invalidate(false);
    }
}

int CMyView::AutoRowHeight() {
    return AutoRowHeightFor(ViewFont(), m_autoHeight);
}

int CMyView::AutoRowHeightFor(const CFontDesc& font, bool autoHeight) {
    if (!autoHeight)
        return FIXED_ROW_HEIGHT;
    if (!m_host)
        return m_sizes->GetHeight(); // nothing to measure with yet
    return HeightForLine(m_host->GetTextMeasurer().MeasureText(font, SAMPLE_LINE).cy);
}

int CMyView::FitColumnWidth(int col) {
    const int standard = m_sizes->GetStdWidth();
    if (!IsCellIndex(col) || !m_host)
        return standard;
    const CCellRect sel = m_selection.Normalized();
    const std::string* text = LongestText(*m_cells, col, sel.top, sel.bottom);
    if (!text)
        return standard;
    return WidthForText(m_host->GetTextMeasurer().MeasureText(ViewFont(), *text).cx);
}

void CMyView::EditSizes(const CCellRect& region, const std::function<bool()>& change) {
    HideHighlightBeforeLayout();
    SaveForUndo(region);
    if (change())
        m_doc.SetModifiedFlag(true);
    LayoutSizes();
}

void CMyView::LayoutSizes() {
    RebuildEdges();
    if (!m_host)
        return;
    UpdateScrollLayout(true);
    m_headersDirty = true;
    m_host->Invalidate(false);
}

void CMyView::HideHighlightBeforeLayout() {
    if (m_host && m_initialized && m_selection.HighlightShown())
        m_selection.HideHighlight(GridDC(), m_geometry);
}

void CMyView::DropAutoHeightIfOverridden() {
    if (m_autoHeight && m_sizes->GetHeight() != AutoRowHeight())
        m_autoHeight = false;
}
