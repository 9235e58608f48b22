#include "GridWidget.h"

#include "CellInputDlg.h"
#include "CellSizeDlg.h"
#include "Cp932Text.h"
#include "InPlaceEdit.h"
#include "InputCodes.h"
#include "MyView.h"
#include "QtFontDialog.h"
#include "QtMessageBox.h"
#include "Resource.h"
#include "TextCodec.h"
#include "UiText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyle>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace {

int MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    int flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

// The virtual-key code of a Qt key; 0 for keys the view does not know.
int VirtualKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

} // namespace

CHeaderButton::CHeaderButton(CGridWidget& grid, int controlId, QWidget* parent)
    : QPushButton(parent), m_grid(grid), m_controlId(controlId) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void CHeaderButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        m_marked = true;
        m_grid.PostCommand(m_controlId);
    }
    QPushButton::mousePressEvent(e);
}

void CHeaderButton::mouseMoveEvent(QMouseEvent* e) {
    QPushButton::mouseMoveEvent(e);
    if (e->buttons() == Qt::LeftButton && e->modifiers() == Qt::NoModifier) {
        m_grid.PostHeaderDrag(m_controlId);
        e->accept(); // posted here; the grid must not post it again
    }
}

void CHeaderButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_grid.PostLButtonUp();
    QPushButton::mouseReleaseEvent(e);
}

CTipScrollBar::CTipScrollBar(CGridWidget& grid, int controlId, Qt::Orientation orientation,
                             QWidget* parent)
    : QScrollBar(orientation, parent), m_grid(grid), m_controlId(controlId) {
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QStringLiteral("nScPos"));
    // The view moves the grid when the thumb is released, not while it is dragged.
    setTracking(false);
    // The bar's own menu would set positions behind the view's back.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int a) { OnAction(a); });
    connect(this, &QAbstractSlider::sliderMoved, this,
            [this](int pos) { Request(SB_THUMBTRACK, pos); });
}

void CTipScrollBar::OnAction(int action) {
    int code;
    switch (action) {
    case SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case SliderToMinimum:
        code = SB_TOP;
        break;
    case SliderToMaximum:
        code = SB_BOTTOM;
        break;
    case SliderMove:
        if (isSliderDown())
            return;
        code = SB_THUMBPOSITION; // the thumb released, or the wheel
        break;
    default:
        return;
    }
    Request(code, sliderPosition());
    // The slider applies its pending position after this signal; make it the view's.
    setSliderPosition(value());
}

void CTipScrollBar::Request(int code, int pos) {
    if (m_controlId == IDC_HSCROLL)
        m_grid.View().OnHScroll(code, pos);
    else
        m_grid.View().OnVScroll(code, pos);
}

void CTipScrollBar::mouseMoveEvent(QMouseEvent* e) {
    QScrollBar::mouseMoveEvent(e);
    if (e->buttons() == Qt::LeftButton && e->modifiers() == Qt::NoModifier) {
        m_grid.PostHeaderDrag(m_controlId);
        e->accept(); // posted here; the grid must not post it again
    }
}

void CTipScrollBar::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_grid.PostLButtonUp();
    QScrollBar::mouseReleaseEvent(e);
}

CGridWidget::CGridWidget(CMyView& view, QWidget* parent)
    : QWidget(parent), m_view(view),
      m_image(QSize(std::max(width(), 1), std::max(height(), 1)), QImage::Format_RGB32),
      m_dc(m_image) {
    m_image.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Every move reaches the view, also without a button: the first one after the context
    // menu closed is ignored.
    setMouseTracking(true);
    // Input methods talk to the grid until the in-place editor takes over.
    setAttribute(Qt::WA_InputMethodEnabled);
    // The buttons and bars are made once; the view's layouts move, number, show and hide them.
    const auto header = [this](int id, const QString& caption) {
        auto* button = new CHeaderButton(*this, id, this);
        button->setText(caption);
        button->show();
        return button;
    };
    m_corner = header(IDC_CORNER, QString());
    for (int i = 0; i < MAX_CELLS; ++i) {
        m_colHeaders[i] = header(IDC_COLUMN_HEADER, QString::number(i + 1));
        m_rowHeaders[i] = header(IDC_ROW_HEADER, QString::number(i + 1));
    }
    m_hScroll = new CTipScrollBar(*this, IDC_HSCROLL, Qt::Horizontal, this);
    m_vScroll = new CTipScrollBar(*this, IDC_VSCROLL, Qt::Vertical, this);
    m_hScroll->show();
    m_vScroll->show();
    m_view.SetHost(this);
    m_view.OnInitialUpdate();
}

CGridWidget::~CGridWidget() {
    if (m_inPlace) {
        // The window goes: what the editor holds is dropped, and the view knows it is closed.
        m_inPlace->m_endKey = VK_ESCAPE;
        m_view.EndInPlaceEditor();
    }
    m_view.OnDestroy();
    m_dc.End();
    if (m_view.GetHost() == this)
        m_view.SetHost(nullptr);
}

CHeaderButton* CGridWidget::HeaderButton(HeaderKind kind, int index) const {
    switch (kind) {
    case HeaderKind::Corner:
        return m_corner;
    case HeaderKind::Column:
        return index >= 0 && index < MAX_CELLS ? m_colHeaders[index] : nullptr;
    case HeaderKind::Row:
        return index >= 0 && index < MAX_CELLS ? m_rowHeaders[index] : nullptr;
    }
    return nullptr;
}

CTipScrollBar* CGridWidget::ScrollBar(ScrollBarKind kind) const {
    return kind == ScrollBarKind::Horizontal ? m_hScroll : m_vScroll;
}

const QImage& CGridWidget::Image() {
    DrawPending();
    return m_image;
}

void CGridWidget::DrawPending() {
    if (m_needsDraw && !m_inDraw) {
        const bool erase = m_needsErase;
        m_needsDraw = false;
        m_needsErase = false;
        m_inDraw = true;
        if (erase) {
            m_dc.End();
            m_image.fill(Qt::white);
        }
        m_dc.Reset();
        m_view.OnDraw(m_dc);
        m_inDraw = false;
    }
    m_dc.End();
}

void CGridWidget::paintEvent(QPaintEvent* e) {
    DrawPending();
    QPainter p(this);
    p.drawImage(e->rect(), m_image, e->rect());
}

void CGridWidget::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    m_dc.End();
    QImage image(QSize(std::max(width(), 1), std::max(height(), 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    m_image = image;
    m_needsDraw = true;
    m_needsErase = true;
    m_view.OnSize(width(), height());
    update();
}

bool CGridWidget::event(QEvent* e) {
    // Tab belongs to the grid (a cursor key), not to the focus chain.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(e);
}

void CGridWidget::keyPressEvent(QKeyEvent* e) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int vk = VirtualKey(e->key());
    if (vk != 0 && m_view.OnKeyDown(vk, shift, ctrl))
        return;
    const QString text = e->text();
    if (!ctrl && !text.isEmpty() && text.at(0).isPrint()) {
        const auto cp932 = Utf8ToCp932(text.toStdString());
        if (cp932 && m_view.OnChar(*cp932, ctrl))
            return;
        if (!cp932)
            QToolTip::showText(
                mapToGlobal(QPoint(CGridGeometry::GRID_LEFT, CGridGeometry::GRID_TOP)),
                UiText(QString::fromUtf8(kMsgCharNotCp932)).arg(text), this);
    }
    QWidget::keyPressEvent(e);
}

void CGridWidget::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    if (e->button() == Qt::LeftButton) {
        const QPoint p = e->position().toPoint();
        m_view.OnLButtonDown(p.x(), p.y(), MouseFlags(e->buttons(), e->modifiers()));
    }
    QWidget::mousePressEvent(e);
}

void CGridWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const int flags = MouseFlags(e->buttons(), e->modifiers());
    m_view.OnMouseMove(p.x(), p.y(), flags);
    // The grid holds the mouse while its button is down, so a drag over a header button or
    // a scroll bar is posted for them, as their own moves would be.
    if (flags == MK_LBUTTON) {
        QWidget* child = childAt(p);
        if (auto* header = dynamic_cast<CHeaderButton*>(child))
            PostHeaderDrag(header->ControlId());
        else if (auto* bar = dynamic_cast<CTipScrollBar*>(child))
            PostHeaderDrag(bar->ControlId());
    }
    QWidget::mouseMoveEvent(e);
}

void CGridWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_view.OnLButtonUp();
    QWidget::mouseReleaseEvent(e);
}

void CGridWidget::contextMenuEvent(QContextMenuEvent* e) {
    if (e->reason() != QContextMenuEvent::Mouse) {
        // The menu key: the menu opens near the client corner.
        m_view.ShowContextMenuAtCorner();
        return;
    }
    m_view.OnContextMenu();
    if (m_contextMenu)
        m_contextMenu(e->globalPos());
}

void CGridWidget::wheelEvent(QWheelEvent* e) {
    // The wheel scrolls rows, with Shift (or sideways) columns: a thumb position request
    // of the usual number of lines per notch.
    const QPoint d = e->angleDelta();
    const bool sideways = (e->modifiers() & Qt::ShiftModifier) || std::abs(d.x()) > std::abs(d.y());
    m_wheelRest += sideways && d.x() != 0 ? d.x() : d.y();
    const int notches = m_wheelRest / QWheelEvent::DefaultDeltasPerStep;
    e->accept();
    if (notches == 0)
        return;
    m_wheelRest -= notches * QWheelEvent::DefaultDeltasPerStep;
    const int lines = notches * QApplication::wheelScrollLines();
    if (sideways)
        m_view.OnHScroll(SB_THUMBPOSITION, m_view.Geometry().FirstCol() - lines);
    else
        m_view.OnVScroll(SB_THUMBPOSITION, m_view.Geometry().FirstRow() - lines);
}

void CGridWidget::ShowContextMenu(CPoint client) {
    if (m_contextMenu)
        m_contextMenu(mapToGlobal(QPoint(client.x, client.y)));
}

void CGridWidget::ShowScrollTip(ScrollBarKind kind, const std::string& utf8) {
    CTipScrollBar* bar = ScrollBar(kind);
    if (!bar)
        return;
    const QString text = UiText(utf8);
    bar->setToolTip(text);
    QToolTip::showText(QCursor::pos(), text, bar);
}

void CGridWidget::PostHeaderDrag(int controlId) {
    QMetaObject::invokeMethod(
        this, [this, controlId] { m_view.OnHeaderDrag(controlId); }, Qt::QueuedConnection);
}

void CGridWidget::PostLButtonUp() {
    QMetaObject::invokeMethod(
        this, [this] { m_view.OnLButtonUp(); }, Qt::QueuedConnection);
}

CSize CGridWidget::GetClientSize() const {
    return {width(), height()};
}

int CGridWidget::GetScrollBarSize() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

IDeviceContext& CGridWidget::GetClientDC() {
    if (!m_inDraw) {
        // Drawing outside a paint: make sure the image holds the current picture first,
        // then show what is drawn. The view draws only inside the grid area, so the header
        // buttons and bars need no repaint.
        DrawPending();
        update(ToQRect(m_view.Geometry().GridArea()));
    }
    m_dc.Reset();
    return m_dc;
}

void CGridWidget::LayoutHeaders(HeaderKind kind, const CGridGeometry& geometry) {
    if (kind == HeaderKind::Corner) {
        const QRect r = ToQRect(geometry.HeaderButton(kind, 0).rect);
        if (m_corner->geometry() != r)
            m_corner->setGeometry(r);
        m_corner->update();
        return;
    }
    const auto& strip = kind == HeaderKind::Column ? m_colHeaders : m_rowHeaders;
    const int count = geometry.HeaderCount(kind);
    for (int k = MAX_CELLS - 1; k >= count; --k)
        if (!strip[k]->isHidden())
            strip[k]->hide();
    for (int k = count - 1; k >= 0; --k) {
        CHeaderButton* b = strip[k];
        const CHeaderPlace place = geometry.HeaderButton(kind, k);
        if (!place.visible) {
            if (!b->isHidden())
                b->hide();
            continue;
        }
        if (b->isHidden())
            b->show();
        const QRect r = ToQRect(place.rect);
        if (b->geometry() != r)
            b->setGeometry(r);
        const QString text = QString::number(place.number);
        if (b->text() != text)
            b->setText(text);
        b->update();
    }
}

void CGridWidget::LayoutScrollBars(const CGridGeometry& geometry) {
    for (const ScrollBarKind kind : {ScrollBarKind::Horizontal, ScrollBarKind::Vertical}) {
        CTipScrollBar* bar = ScrollBar(kind);
        const QRect r = ToQRect(geometry.ScrollBarRect(kind));
        if (bar->geometry() != r)
            bar->setGeometry(r);
        const CScrollInfo info = geometry.ScrollInfo(kind);
        const int page = std::max(info.page, 1);
        const int last = std::max(info.min, info.max - page + 1);
        bar->setRange(info.min, last);
        bar->setPageStep(page);
        bar->setSingleStep(1);
        bar->setValue(std::clamp(info.pos, info.min, last));
        // A bar whose page covers the range is shown disabled, as are its arrows then.
        bar->setEnabled(geometry.ScrollArrowsEnabled(kind) && last > info.min);
        bar->update();
    }
}

void CGridWidget::RepaintScrollBars() {
    m_hScroll->update();
    m_vScroll->update();
}

bool CGridWidget::IsHeaderMarked(HeaderKind kind, int index) const {
    const CHeaderButton* b = HeaderButton(kind, index);
    return b && b->m_marked;
}

void CGridWidget::SetHeaderMarked(HeaderKind kind, int index, bool marked) {
    if (CHeaderButton* b = HeaderButton(kind, index))
        b->m_marked = marked;
}

void CGridWidget::Invalidate(bool erase) {
    m_needsDraw = true;
    m_needsErase = m_needsErase || erase;
    update();
}

void CGridWidget::PostCommand(int id) {
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            if (m_router)
                m_router(id);
            else
                m_view.OnCommand(id);
        },
        Qt::QueuedConnection);
}

void CGridWidget::SetWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_waitCursorDepth;
    } else if (m_waitCursorDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_waitCursorDepth;
    }
}

void CGridWidget::OpenInPlaceEditor(const CRect& rect, const std::string& text) {
    if (m_inPlace) {
        m_inPlace->onFocusLost = nullptr;
        m_inPlace->hide();
        m_inPlace->deleteLater();
    }
    auto* edit = new CInPlaceEdit(this);
    edit->setFont(m_editorFont);
    edit->setGeometry(ToQRect(rect));
    if (!text.empty())
        edit->setText(Cp932ToQString(text));
    edit->end(false);
    edit->onFocusLost = [this] { m_view.OnInPlaceEditKillFocus(); };
    m_inPlace = edit;
    edit->show();
    edit->setFocus(Qt::OtherFocusReason);
    qApp->installEventFilter(this);
}

bool CGridWidget::CloseInPlaceEditor(std::string& text, int& endKey) {
    text.clear();
    endKey = INPLACE_NO_END_KEY;
    CInPlaceEdit* edit = m_inPlace;
    m_inPlace = nullptr;
    if (!edit)
        return false;
    qApp->removeEventFilter(this);
    edit->onFocusLost = nullptr;
    endKey = edit->m_endKey;
    std::optional<std::string> cp932;
    if (endKey != VK_ESCAPE)
        cp932 = edit->Cp932Text();
    if (edit->hasFocus())
        setFocus(Qt::OtherFocusReason);
    edit->hide();
    edit->deleteLater();
    if (endKey == VK_ESCAPE)
        return true;
    if (!cp932)
        return false;
    text = std::move(*cp932);
    return true;
}

void CGridWidget::PostKeyDown(int vk) {
    QMetaObject::invokeMethod(
        this, [this, vk] { m_view.OnKeyDown(vk, false, false); }, Qt::QueuedConnection);
}

bool CGridWidget::RunCellInputDialog(CCellInputData& members) {
    if (m_cellInputRunner)
        return m_cellInputRunner(members);
    CQtMessageBox messages(window());
    CCellInputDlg dialog(members, messages, window());
    return dialog.exec() == QDialog::Accepted;
}

bool CGridWidget::RunCellSizeDialog(CCellSizeData& members) {
    // The press on a header opened the dialog; its release goes to the dialog, so the button
    // would stay down.
    const auto release = [](CHeaderButton* b) {
        if (b->isDown())
            b->setDown(false);
    };
    release(m_corner);
    for (int k = 0; k < MAX_CELLS; ++k) {
        release(m_colHeaders[k]);
        release(m_rowHeaders[k]);
    }
    // The range message goes over the dialog, the active window when it shows.
    CQtMessageBox messages;
    CCellSizeDlg dialog(members, messages, window());
    return dialog.exec() == QDialog::Accepted;
}

bool CGridWidget::RunFontDialog(CFontDesc& font) {
    CQtMessageBox messages(window());
    return ::RunFontDialog(font, messages, window());
}

void CGridWidget::SetViewFont(const CFontDesc& font) {
    m_editorFont = CQtDeviceContext::MakeFont(font);
    QFont captions = m_editorFont;
    const int room = CGridGeometry::HEADER_HEIGHT - 6;
    const int height = QFontMetrics(captions).height();
    if (height > room)
        captions.setPixelSize(std::max(1, captions.pixelSize() * room / height));
    // The buttons have no font of their own: they take the grid's.
    setFont(captions);
}

void CGridWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(e);
        return;
    }
    // The view first, so that with the editor open the double-click is a single press.
    const QPoint p = e->position().toPoint();
    m_view.OnLButtonDblClk(p.x(), p.y(), MouseFlags(e->buttons(), e->modifiers()));
    setFocus(Qt::MouseFocusReason);
}

void CGridWidget::inputMethodEvent(QInputMethodEvent* e) {
    if (!m_inPlace) {
        if (e->preeditString().isEmpty() && e->commitString().isEmpty()) {
            QWidget::inputMethodEvent(e);
            return;
        }
        m_view.OnImeStartComposition();
    }
    if (m_inPlace) {
        QInputMethodEvent forwarded(e->preeditString(), e->attributes());
        forwarded.setCommitString(e->commitString(), e->replacementStart(), e->replacementLength());
        QCoreApplication::sendEvent(m_inPlace, &forwarded);
    }
    e->accept();
}

QVariant CGridWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        // The candidate window opens by the selection, where the editor will be.
        return ToQRect(m_view.InPlaceEditRect());
    default:
        return QWidget::inputMethodQuery(query);
    }
}

bool CGridWidget::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (m_inPlace && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                      type == QEvent::Wheel)) {
        // Presses on the grid itself are its own handlers' business.
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool child =
            widget && widget != this && isAncestorOf(widget) && !m_inPlace->isAncestorOf(widget);
        if (child || (widget == this && type == QEvent::Wheel))
            m_view.EndInPlaceEditor();
    }
    return QWidget::eventFilter(watched, e);
}
