#pragma once

#include "QtDeviceContext.h"
#include "QtTextMeasurer.h"
#include "ViewHost.h"

#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <array>
#include <functional>

class CMyView;
class CGridWidget;
class CInPlaceEdit;

// Header button: a push button that marks itself and posts its control id on a left press,
// posts WM_HEADER_DRAG while dragged with the left button, and forwards the release.
class CHeaderButton : public QPushButton {
public:
    CHeaderButton(CGridWidget& grid, int controlId, QWidget* parent);

    int ControlId() const { return m_controlId; }
    bool m_marked = false;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    CGridWidget& m_grid;
    int m_controlId;
};

// Scroll bar of the grid; posts WM_HEADER_DRAG while dragged with the left button held and
// forwards the release, like a header button. Its arrows, page clicks, released thumb and the
// wheel become the view's scroll requests; while the thumb is dragged only the tooltip
// follows it. The view decides the position.
class CTipScrollBar : public QScrollBar {
public:
    CTipScrollBar(CGridWidget& grid, int controlId, Qt::Orientation orientation, QWidget* parent);

    int ControlId() const { return m_controlId; }

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void OnAction(int action);
    void Request(int code, int pos);

    CGridWidget& m_grid;
    int m_controlId;
};

// The window of the grid view. The view draws into an off-screen image of the client area
// at any moment (painting, cursor moves, scrolling); paintEvent shows that image. The widget
// owns the 501 header buttons and the two scroll bars and places them where the view's
// geometry says, whenever the view asks.
//
// Construction attaches the widget to the view as its host and runs the view's initial
// update (layout of the grid, headers and scroll bars). The view must outlive the widget.
//   auto* grid = new CGridWidget(view, mainWindow);
//   mainWindow->setCentralWidget(grid);
// Posted commands (header presses, keys the view turns into commands) go to the command
// router when one is set, otherwise straight to the view.
class CGridWidget : public QWidget, public IViewHost {
public:
    explicit CGridWidget(CMyView& view, QWidget* parent = nullptr);
    ~CGridWidget() override;

    CMyView& View() const { return m_view; }
    // Shows the context menu at a global position (right click, menu key).
    void SetContextMenuHandler(std::function<void(const QPoint& globalPos)> handler) {
        m_contextMenu = std::move(handler);
    }
    // Runs a posted command; typically the application's command router.
    void SetCommandRouter(std::function<void(int id)> router) { m_router = std::move(router); }

    // The off-screen picture of the client area, as last drawn (for tests and screenshots).
    // Runs a pending repaint first.
    const QImage& Image();
    CHeaderButton* HeaderButton(HeaderKind kind, int index) const;
    CTipScrollBar* ScrollBar(ScrollBarKind kind) const;

    // Queued messages to the view.
    void PostHeaderDrag(int controlId);
    void PostLButtonUp();

    // IViewHost
    CSize GetClientSize() const override;
    int GetScrollBarSize() const override;
    IDeviceContext& GetClientDC() override;
    void LayoutHeaders(HeaderKind kind, const CGridGeometry& geometry) override;
    void LayoutScrollBars(const CGridGeometry& geometry) override;
    void RepaintScrollBars() override;
    void SetHeaderMarked(HeaderKind kind, int index, bool marked) override;
    void Invalidate(bool erase) override;
    void PostCommand(int id) override;
    void SetWaitCursor(bool on) override;
    void ShowContextMenu(CPoint client) override;
    void ShowScrollTip(ScrollBarKind kind, const std::string& utf8) override;

    // Text entry: the in-place editor while it is open, and the text input dialog, which
    // runs modally unless a runner (a test) answers it.
    CInPlaceEdit* InPlaceEditor() const { return m_inPlace; }
    void SetCellInputRunner(std::function<bool(CCellInputData&)> runner) {
        m_cellInputRunner = std::move(runner);
    }
    void OpenInPlaceEditor(const CRect& rect, const std::string& text) override;
    bool CloseInPlaceEditor(std::string& text, int& endKey) override;
    void PostKeyDown(int vk) override;
    bool RunCellInputDialog(CCellInputData& members) override;

    // Cell sizes and the view font. A mark is set by a left press on the button and cleared
    // by the command that used it. The dialogs run modally.
    bool IsHeaderMarked(HeaderKind kind, int index) const override;
    ITextMeasurer& GetTextMeasurer() override { return m_measurer; }
    bool RunCellSizeDialog(CCellSizeData& members) override;
    bool RunFontDialog(CFontDesc& font) override;
    // The header captions take the font, made small enough for the 24 pixels of a column
    // header; the in-place editor takes it as it is.
    void SetViewFont(const CFontDesc& font) override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    // An input method composition opens the in-place editor and goes on in it.
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // While the in-place editor is open: a press or a wheel turn elsewhere in the grid (a
    // header button, a scroll bar) ends it first, as a click in the grid does.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void DrawPending();

    CMyView& m_view;
    QImage m_image;
    CQtDeviceContext m_dc;
    bool m_needsDraw = true;
    bool m_needsErase = true;
    bool m_inDraw = false;
    int m_waitCursorDepth = 0;
    int m_wheelRest = 0; // wheel turns of less than a notch
    CHeaderButton* m_corner = nullptr;
    std::array<CHeaderButton*, 250> m_colHeaders{};
    std::array<CHeaderButton*, 250> m_rowHeaders{};
    CTipScrollBar* m_hScroll = nullptr;
    CTipScrollBar* m_vScroll = nullptr;
    std::function<void(const QPoint&)> m_contextMenu;
    std::function<void(int)> m_router;
    CInPlaceEdit* m_inPlace = nullptr;
    std::function<bool(CCellInputData&)> m_cellInputRunner;
    CQtTextMeasurer m_measurer;
    QFont m_editorFont;
};
