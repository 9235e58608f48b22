#pragma once

#include "CellBlock.h"
#include "CellInputData.h"
#include "CommandTarget.h"
#include "DecodeOptions.h"
#include "DeviceContext.h"
#include "GenerateDialogs.h"
#include "ModelTypes.h"
#include "SpanMap.h"
#include "ViewHost.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

class CMyDoc;
class CCellArray;
class CLineArray;
class CCellSize;

// Anchor and cursor of the selection; the selection is the rectangle holding both.
struct CGridSelection {
    int m_anchorCol = 1;
    int m_anchorRow = 1;
    int m_cursorCol = 1;
    int m_cursorRow = 1;
    bool m_rangeMode = false;      // cursor moves extend the selection from the anchor
    bool m_highlightShown = false; // the inverted rectangle is on screen

    // (x1, y1)-(x2, y2): the smallest rectangle holding anchor and cursor.
    CCellRect Normalized() const;
};

// Which edge of a cell DrawEdgeLine draws.
enum class EdgeSide { Left, Top, Bottom, Right };

// The grid view: geometry, painting, header layout and the repaint services the editing
// commands use. It draws through IDeviceContext and reaches its window through IViewHost.
//
// Geometry: the grid area starts at (GRID_LEFT, GRID_TOP); the left edge of column c is
// ColumnX(c) and the top edge of row r is RowY(r), for c, r in 1..251 (251 = the far edge of
// column / row 250). Cell (c, r) covers ColumnX(c) <= x < ColumnX(c + 1), likewise for y.
class CMyView : public ICommandTarget {
public:
    static constexpr int GRID_LEFT = 50;
    static constexpr int GRID_TOP = 25;
    static constexpr int HEADER_HEIGHT = 24;    // column header buttons
    static constexpr int ROW_HEADER_WIDTH = 49; // row header buttons

    explicit CMyView(CMyDoc& doc);
    CMyView(const CMyView&) = delete;
    CMyView& operator=(const CMyView&) = delete;
    ~CMyView() override;

    CMyDoc& GetDocument() const { return m_doc; }
    // The window that shows the view; set before OnInitialUpdate, cleared when it goes.
    void SetHost(IViewHost* host) { m_host = host; }
    IViewHost* GetHost() const { return m_host; }

    // Window life cycle.
    // First call: creates headers and scroll bars, binds the model and lays the grid out.
    // Later calls (a file opened into the running program) reset the view as after Open.
    void OnInitialUpdate();
    // The document replaced its contents (New, Open) or otherwise changed.
    void OnUpdate();
    // Paints the whole grid area (the window's paint).
    void OnDraw(IDeviceContext& dc);
    // The client area got a new size.
    void OnSize(int width, int height);

    // ICommandTarget: ID_VIEW_GRID.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CCmdUI& ui) override;

    // Input from the window. Key codes and flags: InputCodes.h. The handlers return true
    // when they used the event.
    bool OnKeyDown(int vk, bool shift, bool ctrl);
    // A typed character (code page 932, one character) opens the in-place editor with it.
    bool OnChar(const std::string& cp932, bool ctrl = false);
    void OnLButtonDown(int x, int y, int flags);
    void OnMouseMove(int x, int y, int flags);
    void OnLButtonUp();
    // WM_HEADER_DRAG from a header button or a scroll bar with its control id.
    void OnHeaderDrag(int controlId);
    // Called before the context menu opens, so the move after it closes starts no drag.
    void OnContextMenu();
    // Ctrl+P and the menu key: the context menu at (15, 15) from the client corner.
    void ShowContextMenuAtCorner();
    // One cursor step while a drag passes over a header button or a scroll bar.
    void DragStep(int controlId);
    // ID_SELECT_RANGE: flips range-selection mode and redraws the selection.
    void ToggleRangeMode();
    // Scroll bar requests: a request code (SB_* in InputCodes.h) and the thumb position.
    void OnHScroll(int code, int thumbPos);
    void OnVScroll(int code, int thumbPos);
    // Where the in-place editor opens: the normalised selection on screen, widened to the
    // whole grid area in a direction in which it is larger than the grid area.
    CRect InPlaceEditRect() const;
    // The Delete key: deletes the texts and spans of the selection.
    void DeleteKey();

    // In-place editor. While it is open, keys and clicks in the grid first end it: the view
    // takes the focus back, which commits the text (or drops it after Esc).
    bool IsInPlaceEditorOpen() const;
    void EndInPlaceEditor();

    // Text entry, placement and undo (MyViewEdit.cpp).
    // An input method starts a composition: the in-place editor opens empty to take it.
    void OnImeStartComposition();
    // The in-place editor lost the focus: stores its text over the selection unless it was
    // ended with Esc, then passes Tab or Enter on to the view.
    void OnInPlaceEditKillFocus();
    // Left double-click: the clicked cell becomes the cursor, then ID_CELL_INPUT is posted.
    void OnLButtonDblClk(int x, int y, int flags);
    void OnCellInput();
    // ID_ALIGN_LEFT, ID_ALIGN_CENTER, ID_ALIGN_RIGHT: hplace 0, 1, 2.
    void OnAlign(int hplace);
    void OnEditUndo();

    // Geometry.
    void RebuildEdges();
    int ColumnX(int c) const { return m_colEdge[c - 1] - m_colEdge[m_firstCol] + GRID_LEFT; }
    int RowY(int r) const { return m_rowEdge[r - 1] - m_rowEdge[m_firstRow] + GRID_TOP; }
    // The grid area (GRID_LEFT, GRID_TOP) - (W - S, H - S).
    CRect GridArea() const;
    // Cell under a client point: (column, row), each 1..250.
    std::pair<int, int> HitTest(int x, int y) const;

    // Painting.
    void PaintArea(IDeviceContext& dc, const CRect& area);
    void RepaintCells(IDeviceContext& dc, int col1, int row1, int col2, int row2);
    // Draws the cell or the span covering it; returns how many columns the caller advances.
    int DrawCell(IDeviceContext& dc, int c, int r);
    void DrawEdgeLine(IDeviceContext& dc, int c, int r, EdgeSide side);
    // Repaint service of the editing commands; all zero means the normalised selection.
    void RefreshRegion(int col1 = 0, int row1 = 0, int col2 = 0, int row2 = 0);
    void LayoutColumnHeaders();
    void LayoutRowHeaders();

    // Span normalisation over the document's model; marks the document modified when it
    // removed anything.
    void NormalizeSpans();

    // Selection and cursor.
    void MoveCursor(IDeviceContext& dc, int col, int row, bool incremental);
    void InvertSelection(IDeviceContext& dc, int a1, int b1, int a2, int b2);

    // Scrolling.
    void UpdateScrollLayout(bool updateBars);
    int ColumnPageSize() const;
    int RowPageSize() const;
    // Scrolls so that pos columns (rows) are scrolled off, clamped to the last page, and
    // repaints. Unless the cursor asked for it, the cursor is carried into view.
    void ScrollTo(IDeviceContext& dc, ScrollBarKind kind, int pos, bool fromCursor);
    // Text of the status pane ID_INDICATOR_CELL: "(%2d,%2d)" or "(%2d,%2d)-(%2d,%2d)".
    std::string CellIndicatorText() const;

    const CSpanMap& SpanMap() const { return m_spanMap; }
    CCellBlock& UndoBlock() { return m_undoBlock; }
    CCellBlock& ClipBlock() { return m_clipBlock; }

    // The model, bound at the initial update (the document's members, never replaced).
    CCellArray* m_cells = nullptr;
    CLineArray* m_hLines = nullptr;
    CLineArray* m_vLines = nullptr;
    CCellSize* m_sizes = nullptr;

    CGridSelection m_selection;

    int m_visibleCols = 5;
    int m_visibleRows = 5;
    int m_firstCol = 0; // columns scrolled off to the left
    int m_firstRow = 0; // rows scrolled off the top
    // Pixel offset of each column / row edge from the first column / row; 32 bits so that
    // 250 columns of the widest width do not wrap.
    std::array<std::int32_t, MAX_EDGE> m_colEdge{};
    std::array<std::int32_t, MAX_EDGE> m_rowEdge{};
    bool m_initialized = false;
    bool m_scrollFromCursor = false;
    bool m_ignoreNextMove = false;
    bool m_dragging = false;
    bool m_anchorFixed = false; // the anchor stays put while range mode moves the cursor
    // Keyboard line cycling (Ctrl+arrow): the last key and how often it was pressed.
    int m_lastCycleKey = 0;
    int m_cycleCount = 1;
    bool m_headersDirty = true;
    bool m_autoHeight = false;
    int m_lineInputMode = 0;
    // The cell text font; the face is stored as code page 932 bytes ("ＭＳ 明朝").
    CFontDesc m_font;
    CPen m_penGrid{CColor{192, 192, 192}, 1};
    CPen m_penErase{COLOR_WHITE, 1};
    CPen m_penLine{COLOR_BLACK, 1};
    CBrush m_brushWhite{COLOR_WHITE};
    int m_scrollBarSize = 0;
    bool m_showGrid = true;

    // Generation (MyViewGenerate.cpp): ID_GENERATE and ID_GENERATE_OPTIONS.
    void SetGenerateServices(const CGenerateServices& services) { m_generate = services; }
    void OnGenerate();
    void OnGenerateOptions();
    // The options sheet's data; m_decodeOp.m_options is the options record.
    CDecodeOpData m_decodeOp;
    std::string m_source; // the last generated text (code page 932)
    // Size and state the preview opens with; 0 by 0 is the dialog's own size.
    int m_prevWidth = 0;
    int m_prevHeight = 0;
    int m_prevZoomed = 0;

    // The text input dialog's members; they keep their values from one use to the next.
    CCellInputData m_cellInput;

private:
    IDeviceContext& ClientDC();
    void SelectGridClip(IDeviceContext& dc) const;
    void ScrollCursorIntoView(IDeviceContext& dc, int& col, int& row);
    void OnScrollRequest(ScrollBarKind kind, int code, int thumbPos);
    void ScrollFromCursor(IDeviceContext& dc, ScrollBarKind kind, int pos);
    // The cursor key rule: Shift extends the selection, otherwise it collapses first.
    void CursorKey(bool shift, int col, int row);
    void CycleLine(int key, int singleId, int doubleId);

    CMyDoc& m_doc;
    IViewHost* m_host = nullptr;
    CSpanMap m_spanMap;
    CCellBlock m_undoBlock;
    CCellBlock m_clipBlock;
    bool m_blocksBound = false;
    CGenerateServices m_generate;
    bool m_inPlaceOpen = false;
    void OpenInPlaceEditor(const std::string& text);
};
