#pragma once

#include "CellBlock.h"
#include "CellInputData.h"
#include "CommandTarget.h"
#include "DeviceContext.h"
#include "GenerateController.h"
#include "GridGeometry.h"
#include "GridRenderer.h"
#include "GridSelection.h"
#include "LinePalette.h"
#include "ModelTypes.h"
#include "SettingsStore.h"
#include "SpanMap.h"
#include "ViewHost.h"

#include <functional>
#include <memory>
#include <string>

class CMyDoc;
class CCellArray;
class CLineArray;
class CCellSize;
class IClipboard;
class IFileDialog;
class IMessageBox;
struct CImportedTable;
enum class TextSeparator;

// The grid view: the coordinator of the grid's parts and the controller of its input. It turns
// window events and commands into changes of the selection, the scroll position and the model,
// repaints through the renderer and reaches its window through IViewHost.
//
// Its parts: CGridGeometry (where columns, rows, headers and bars are; it owns the scroll
// position), CGridRenderer (painting), CGridSelection (anchor, cursor, range mode, highlight)
// and CGenerateController (the generate commands with the options record).
//
// Each family of commands has a source file of its own, MyView<Family>.cpp, with its command
// and update handlers (OnXxxCommand, OnUpdateXxxCommand); the command map in MyView.cpp says
// which family takes which command. An editing command runs through EditRegion.
class CMyView : public ICommandTarget {
public:
    explicit CMyView(CMyDoc& doc);
    CMyView(const CMyView&) = delete;
    CMyView& operator=(const CMyView&) = delete;
    ~CMyView() override;

    CMyDoc& GetDocument() const { return m_doc; }
    // The window that shows the view; set before OnInitialUpdate, cleared when it goes.
    void SetHost(IViewHost* host) { m_host = host; }
    IViewHost* GetHost() const { return m_host; }

    // Window life cycle (MyView.cpp).
    // First call: binds the model, lays out headers and scroll bars and the grid. Later calls
    // (a file opened into the running program) reset the view as after Open.
    void OnInitialUpdate();
    // The document replaced its contents (New, Open) or otherwise changed.
    void OnUpdate();
    // Paints the whole grid area (the window's paint).
    void OnDraw(IDeviceContext& dc);
    // The client area got a new size (MyViewScroll.cpp).
    void OnSize(int width, int height);

    // ICommandTarget: every command first stores the in-place editor's text.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CCmdUI& ui) override;

    // Keyboard (MyViewKeys.cpp). Key codes and flags: InputCodes.h. True when the key was used.
    bool OnKeyDown(int vk, bool shift, bool ctrl);
    // ID_SELECT_RANGE: flips range-selection mode and redraws the selection.
    void ToggleRangeMode();
    // Ctrl+A: the whole table, (1, 1)-(250, 250), with the cursor back at the top left.
    void SelectAll();
    // F2: the in-place editor over the cursor cell (its whole span) with the cell's text; the
    // end stores only the text, so the span and the placements stay.
    void EditCursorCell();
    // Ctrl+P and the menu key: the context menu at (15, 15) from the client corner.
    void ShowContextMenuAtCorner();

    // Mouse (MyViewMouse.cpp).
    void OnLButtonDown(int x, int y, int flags);
    void OnMouseMove(int x, int y, int flags);
    void OnLButtonUp();
    // WM_HEADER_DRAG from a header button or a scroll bar with its control id.
    void OnHeaderDrag(int controlId);
    // One cursor step while a drag passes over a header button or a scroll bar.
    void DragStep(int controlId);
    // Called before the context menu opens, so the move after it closes starts no drag.
    void OnContextMenu();

    // Scrolling and the status pane (MyViewScroll.cpp). Scroll bar requests: a request code
    // (SB_* in InputCodes.h) and the thumb position.
    void OnHScroll(int code, int thumbPos);
    void OnVScroll(int code, int thumbPos);
    // Text of the status pane ID_INDICATOR_CELL: "(%2d,%2d)" or "(%2d,%2d)-(%2d,%2d)".
    std::string CellIndicatorText() const { return m_selection.IndicatorText(); }

    // Text entry and placement (MyViewText.cpp).
    // A typed character (code page 932, one character) opens the in-place editor with it.
    bool OnChar(const std::string& cp932, bool ctrl = false);
    // An input method starts a composition: the in-place editor opens empty to take it.
    void OnImeStartComposition();
    // While the in-place editor is open, keys and clicks in the grid first end it: the view
    // takes the focus back, which commits the text (or drops it after Esc).
    bool IsInPlaceEditorOpen() const { return m_inPlaceOpen; }
    void EndInPlaceEditor();
    // The in-place editor lost the focus: stores its text over the selection unless it was
    // ended with Esc, then passes Tab or Enter on to the view.
    void OnInPlaceEditKillFocus();
    // Where the in-place editor opens: the normalised selection on screen, widened to the
    // whole grid area in a direction in which it is larger than the grid area.
    CRect InPlaceEditRect() const { return m_geometry.InPlaceEditRect(m_selection.Normalized()); }
    // Left double-click: the clicked cell becomes the cursor, then ID_CELL_INPUT is posted.
    void OnLButtonDblClk(int x, int y, int flags);
    void OnCellInput();
    // ID_ALIGN_LEFT, ID_ALIGN_CENTER, ID_ALIGN_RIGHT: hplace 0, 1, 2.
    void OnAlign(int hplace);
    // ID_TO_MATH, ID_TO_PLAIN: the selection's texts into math mode ("$" around) or out.
    void OnMathConversion(bool toMath);

    // Undo (MyViewUndo.cpp).
    void OnEditUndo();

    // Cut, copy, paste and the plain text exchange (MyViewClipboard.cpp).
    // The system clipboard and where its failures are shown; without them the plain text
    // commands do nothing.
    void SetClipboard(IClipboard* clipboard, IMessageBox* messageBox) {
        m_clipboard = clipboard;
        m_clipboardMessages = messageBox;
    }
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditClear();
    // The Delete key after OnKeyDown switched range mode off: the texts and spans of the
    // selection go, its lines stay.
    void DeleteKey();
    // ID_COPY_PLAIN_CSV, ID_COPY_PLAIN_TEXT, ID_PASTE_PLAIN_CSV, ID_PASTE_PLAIN_TEXT.
    void OnCopyPlain(TextSeparator sep);
    void OnPastePlain(TextSeparator sep);

    // Import of LaTeX and HTML table source (MyViewImport.cpp).
    // The file dialog and the message box of ID_FILE_IMPORT_TABLE; without them it does
    // nothing. ID_EDIT_PASTE_SOURCE uses the clipboard of SetClipboard.
    void SetImportServices(IFileDialog* fileDialog, IMessageBox* messageBox) {
        m_importFiles = fileDialog;
        m_importMessages = messageBox;
    }
    // ID_FILE_IMPORT_TABLE: after New's save question, the first table of a LaTeX or HTML
    // file becomes a new untitled table with unsaved changes, and the options the source
    // shows for its kind go into the options record. A read or parse error is shown and
    // nothing changes.
    void OnImportTable();
    // ID_EDIT_PASTE_SOURCE: the table in the clipboard's HTML flavour, else in its text
    // (LaTeX or HTML), pasted at the selection like the clipboard block, as one undo step.
    // A parse error is shown and nothing changes.
    void OnPasteTableSource();

    // Generation (MyViewGenerate.cpp): ID_GENERATE and ID_GENERATE_OPTIONS.
    void SetGenerateServices(const CGenerateServices& services) {
        m_generate.SetServices(services);
    }
    void OnGenerate();
    void OnGenerateOptions();
    // What the rendered preview shows: the normalised selection, or the used area of the
    // table while the selection is a single cell.
    CCellRect PreviewRegion() const;
    // The model as the writers read it.
    CGenerateModel WriterModel() const { return {*m_cells, m_spanMap, *m_hLines, *m_vLines}; }

    // Cell sizes and the view font (MyViewCellSize.cpp).
    // ID_CELL_SIZE: the cell size dialog for the column of a pressed header, the selected
    // columns or every column (the corner or Ctrl+K).
    void OnCellSize();
    // ID_STANDARD_SIZE: every column width and the row height to the standard sizes.
    void OnStandardSize();
    // ID_AUTO_HEIGHT: switches the automatic row height; switched on, it sets the height.
    void OnAutoHeight();
    // ID_FIT_WIDTH: each selected column as wide as its longest text in the selected rows.
    void OnFitWidth();
    // ID_FONT: the font dialog over the view font.
    void OnFont();
    // The row height for the view font (a line of text and 14 pixels, within 15 .. 100) while
    // automatic row height is on, else 40.
    int AutoRowHeight();
    // The same for a given font and switch.
    int AutoRowHeightFor(const CFontDesc& font, bool autoHeight);
    // The width for the longest text of column col in the selected rows (measured and 14
    // pixels, within 25 .. 500), or the standard width when there is none.
    int FitColumnWidth(int col);
    // Automatic row height; the sizes themselves are the document's CCellSize.
    bool AutoHeight() const { return m_autoHeight; }
    void SetAutoHeight(bool on) { m_autoHeight = on; }
    // The font of the cell texts, the header captions and the in-place editor (the renderer
    // keeps it). Setting it repaints, and with automatic row height sets the height.
    const CFontDesc& ViewFont() const { return m_renderer.Font(); }
    void SetViewFont(const CFontDesc& font);

    // Ruled lines and the border palette (MyViewBorders.cpp).
    void SetLinePaletteServices(const CLinePaletteServices& services) {
        m_paletteServices = services;
    }
    // A line command (IsLineCommand) over the normalised selection, with the input method of
    // the open palette, insert while it is closed.
    void OnLineCommand(int id);
    // ID_LINE_PALETTE: opens the palette where it was last, or closes it.
    void OnLinePalette();
    // The open palette; null while it is closed.
    ILinePalette* LinePalette() const { return m_linePalette.get(); }
    // Where the palette opens next (screen, its window's top-left); (0, 0) leaves the place
    // to the window system.
    CPoint LinePalettePosition() const { return {m_paletteX, m_paletteY}; }
    void SetLinePalettePosition(CPoint screen) {
        m_paletteX = screen.x;
        m_paletteY = screen.y;
    }
    // The view's window goes: the palette closes, its position remembered, and the settings
    // are saved (once).
    void OnDestroy();

    // Settings (MyViewSettings.cpp).
    // The store, the main window and the old INI files' folder; set before OnInitialUpdate.
    void SetSettingsServices(const CSettingsServices& services) { m_settings = services; }
    // load: every setting into the view, its parts and the main window (the initial update);
    // otherwise every setting from them into the store (when the window goes).
    void LoadSaveSettings(bool load);
    // Whether the rendered-preview panel is open, as the settings keep it: loaded at the
    // initial update, saved with the rest. The main window opens the panel from it after
    // the initial update and sets it before the view's window goes.
    bool PreviewPanelOpenSetting() const { return m_previewPanelOpen; }
    void SetPreviewPanelOpenSetting(bool open) { m_previewPanelOpen = open; }

    // Services of the editing commands (MyView.cpp).
    // Moves the cursor to (col, row), clamped to the table, scrolls it into view and redraws
    // the selection; incremental draws only what changed when range mode extends it.
    void MoveCursor(IDeviceContext& dc, int col, int row, bool incremental);
    // Inverts the cells between two corners and flips the highlight flag.
    void InvertSelection(IDeviceContext& dc, int a1, int b1, int a2, int b2) {
        m_selection.Invert(dc, m_geometry, a1, b1, a2, b2);
    }
    // Repaint service of the editing commands; all zero means the normalised selection.
    void RefreshRegion(int col1 = 0, int row1 = 0, int col2 = 0, int row2 = 0);
    // Span normalisation over the document's model; marks the document modified when it
    // removed anything.
    void NormalizeSpans();
    // The geometry's edge tables from the cell size table, after widths or the height changed.
    void RebuildEdges();

    // State, for the window and for tests.
    bool IsInitialized() const { return m_initialized; }
    const CGridGeometry& Geometry() const { return m_geometry; }
    const CGridSelection& Selection() const { return m_selection; }
    const CGridRenderer& Renderer() const { return m_renderer; }
    CGenerateController& Generation() { return m_generate; }
    const CSpanMap& SpanMap() const { return m_spanMap; }
    CCellBlock& UndoBlock() { return m_undoBlock; }
    CCellBlock& ClipBlock() { return m_clipBlock; }
    // A left-button drag selection is in progress.
    bool IsDragging() const { return m_dragging; }
    // The next mouse move is ignored (the one after the context menu closed).
    bool IgnoresNextMove() const { return m_ignoreNextMove; }
    // The header buttons are laid out again at the next paint.
    bool HeadersDirty() const { return m_headersDirty; }

private:
    // Command families: each takes the commands the command map gives it and says whether it
    // handled the command.
    bool OnDisplayCommand(int id);
    bool OnUpdateDisplayCommand(int id, CCmdUI& ui);
    bool OnSelectionCommand(int id);
    bool OnUpdateSelectionCommand(int id, CCmdUI& ui);
    bool OnTextCommand(int id);
    bool OnUpdateTextCommand(int id, CCmdUI& ui);
    bool OnUndoCommand(int id);
    bool OnUpdateUndoCommand(int id, CCmdUI& ui);
    bool OnClipboardCommand(int id);
    bool OnUpdateClipboardCommand(int id, CCmdUI& ui);
    bool OnGenerateCommand(int id);
    bool OnUpdateGenerateCommand(int id, CCmdUI& ui);
    bool OnCellSizeCommand(int id);
    bool OnUpdateCellSizeCommand(int id, CCmdUI& ui);
    bool OnBorderCommand(int id);
    bool OnUpdateBorderCommand(int id, CCmdUI& ui);
    bool OnImportCommand(int id);
    bool OnUpdateImportCommand(int id, CCmdUI& ui);

    // The editing frame: region (the normalised selection or what the command derives from
    // it) is saved into the undo block and change alters the model and says whether it did,
    // with the busy cursor shown; then the document is marked modified and region refreshed.
    void EditRegion(const CCellRect& region, const std::function<bool()>& change);
    // The same with the command's own repaint (run only with a window) instead of the refresh.
    void EditRegion(const CCellRect& region, const std::function<bool()>& change,
                    const std::function<void()>& repaint);
    // Saves region into the undo block with the busy cursor shown.
    void SaveForUndo(const CCellRect& region);

    IDeviceContext& ClientDC();
    // The client context with the grid area as its clip region.
    IDeviceContext& GridDC();
    void SelectGridClip(IDeviceContext& dc) const;
    // Clears and repaints what touches a pixel rectangle or exactly some cells, taking the
    // highlight away first.
    void PaintArea(IDeviceContext& dc, const CRect& area);
    void RepaintCells(IDeviceContext& dc, int col1, int row1, int col2, int row2);
    void LayoutColumnHeaders();
    void LayoutRowHeaders();

    // Scrolling.
    // Recomputes the visible counts; with updateBars also clamps the scroll position to the
    // table and sets the scroll bars.
    void UpdateScrollLayout(bool updateBars);
    // Scrolls so that pos columns (rows) are scrolled off, clamped to the last page, and
    // repaints; by fewer than visible it moves the pixels and paints only the uncovered strip.
    // Unless the cursor asked for it, the cursor is carried into view.
    void ScrollTo(IDeviceContext& dc, ScrollBarKind kind, int pos, bool fromCursor, int visible);
    void OnScrollRequest(ScrollBarKind kind, int code, int thumbPos);
    void ScrollFromCursor(IDeviceContext& dc, ScrollBarKind kind, int pos, int visible);
    void ScrollCursorIntoView(IDeviceContext& dc, int& col, int& row);

    // Keys.
    // The cursor key rule: Shift extends the selection, otherwise it collapses first.
    void CursorKey(bool shift, int col, int row);
    void CycleLine(int key, int singleId, int doubleId);
    void CloseLinePalette();

    void OpenInPlaceEditor(const std::string& text);

    // Cell sizes.
    // The cell the cell size dialog is for: the first marked column header's column (or row
    // header's row) with the cursor's row (column), its mark cleared; else the cursor cell.
    std::pair<int, int> CellSizeTarget();
    // The editing frame of the width commands: region is saved for undo, change alters the
    // sizes and says whether a width changed (the document is then modified); the whole grid
    // is laid out again instead of the region being refreshed.
    void EditSizes(const CCellRect& region, const std::function<bool()>& change);
    // After the sizes changed: edge tables, scroll layout, headers at the next paint, repaint.
    void LayoutSizes();
    // The highlight leaves the screen before the cells move under it.
    void HideHighlightBeforeLayout();
    // Automatic row height goes off when the row height is no longer the automatic one.
    void DropAutoHeightIfOverridden();
    // Pastes block, attached to the model, with its top-left cell at the selection's top-left
    // cell through the editing frame, making room for its spans; the block stays as it is.
    void PasteBlockAtSelection(CCellBlock& block);
    void ShowClipboardMessage(const std::string& text);
    // Table source from the clipboard: its HTML flavour when that holds a table, else its
    // text; null when there is none or it was refused (the refusal has been shown).
    std::unique_ptr<CImportedTable> ReadClipboardSource();

    CMyDoc& m_doc;
    IViewHost* m_host = nullptr;
    // The model: the document's members, never replaced.
    CCellArray* m_cells = nullptr;
    CLineArray* m_hLines = nullptr;
    CLineArray* m_vLines = nullptr;
    CCellSize* m_sizes = nullptr;
    CSpanMap m_spanMap;
    CGridGeometry m_geometry;
    CGridSelection m_selection;
    CGridRenderer m_renderer;
    CGenerateController m_generate;
    CCellBlock m_undoBlock;
    CCellBlock m_clipBlock;
    // The text input dialog's members; they keep their values from one use to the next.
    CCellInputData m_cellInput;
    IClipboard* m_clipboard = nullptr;
    IMessageBox* m_clipboardMessages = nullptr;
    IFileDialog* m_importFiles = nullptr;
    IMessageBox* m_importMessages = nullptr;

    bool m_initialized = false;
    bool m_blocksBound = false;
    bool m_scrollFromCursor = false;
    bool m_ignoreNextMove = false;
    bool m_dragging = false;
    bool m_headersDirty = true;
    bool m_inPlaceOpen = false;
    // The open in-place editor came from F2: it edits the text of this span's origin only.
    bool m_inPlaceKeepsRecord = false;
    CCellRect m_inPlaceSpan;
    bool m_autoHeight = false;
    // Keyboard line cycling (Ctrl+arrow): the last key and how often it was pressed.
    int m_lastCycleKey = 0;
    int m_cycleCount = 1;
    // The border palette while it is open, where it opens next, and the input method of the
    // line command that runs.
    CLinePaletteServices m_paletteServices;
    std::unique_ptr<ILinePalette> m_linePalette;
    int m_paletteX = 0;
    int m_paletteY = 0;
    int m_lineInputMode = 0;
    CSettingsServices m_settings;
    bool m_settingsSaved = false;
    bool m_previewPanelOpen = false;
};
