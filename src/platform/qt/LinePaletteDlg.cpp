#include "LinePaletteDlg.h"

#include "BorderCommands.h"
#include "LineArray.h"
#include "RadioGroup.h"
#include "Resource.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

struct CButtonDef {
    const char* caption;
    int command;
    const char* tip;
};

// In the palette's order: the single row, the double row, then grid, template, clear.
const std::array<CButtonDef, 13> kButtons = {{
    {"WOLINE", ID_LINE_SINGLE_FRAME, QT_TRANSLATE_NOOP("CLinePaletteDlg", "単線枠")},
    {"LOLINE", ID_LINE_SINGLE_LEFT, QT_TRANSLATE_NOOP("CLinePaletteDlg", "左単線")},
    {"TOLINE", ID_LINE_SINGLE_TOP, QT_TRANSLATE_NOOP("CLinePaletteDlg", "上単線")},
    {"BOLINE", ID_LINE_SINGLE_BOTTOM, QT_TRANSLATE_NOOP("CLinePaletteDlg", "下単線")},
    {"ROLINE", ID_LINE_SINGLE_RIGHT, QT_TRANSLATE_NOOP("CLinePaletteDlg", "右単線")},
    {"WTLINE", ID_LINE_DOUBLE_FRAME, QT_TRANSLATE_NOOP("CLinePaletteDlg", "２重線枠")},
    {"LTLINE", ID_LINE_DOUBLE_LEFT, QT_TRANSLATE_NOOP("CLinePaletteDlg", "左２重線")},
    {"TTLINE", ID_LINE_DOUBLE_TOP, QT_TRANSLATE_NOOP("CLinePaletteDlg", "上２重線")},
    {"BTLINE", ID_LINE_DOUBLE_BOTTOM, QT_TRANSLATE_NOOP("CLinePaletteDlg", "下２重線")},
    {"RTLINE", ID_LINE_DOUBLE_RIGHT, QT_TRANSLATE_NOOP("CLinePaletteDlg", "右２重線")},
    {"KLINE", ID_LINE_GRID, QT_TRANSLATE_NOOP("CLinePaletteDlg", "格子状")},
    {"OTHERA", ID_LINE_TEMPLATE, QT_TRANSLATE_NOOP("CLinePaletteDlg", "定型")},
    {"CLEAR", ID_LINE_CLEAR, QT_TRANSLATE_NOOP("CLinePaletteDlg", "クリア")},
}};

const CButtonDef* FindButton(const QString& caption) {
    for (const CButtonDef& b : kButtons)
        if (caption == QLatin1String(b.caption))
            return &b;
    return nullptr;
}

const QColor kFace(236, 236, 236);
const QColor kFocusFace(210, 226, 248);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kCellGrid(205, 205, 205);

// A raised (or, pressed, sunken) button edge of two pixels around the picture.
void Bevel(QPainter& p, const QRect& r, bool sunken) {
    const QColor topLeft = sunken ? kDarkShadow : Qt::white;
    const QColor bottomRight = sunken ? Qt::white : kDarkShadow;
    const QColor innerTopLeft = sunken ? kShadow : kFace.lighter(104);
    const QColor innerBottomRight = sunken ? kFace : kShadow;
    const auto frame = [&](const QRect& f, const QColor& tl, const QColor& br) {
        p.setPen(tl);
        p.drawLine(f.topLeft(), f.topRight());
        p.drawLine(f.topLeft(), f.bottomLeft());
        p.setPen(br);
        p.drawLine(f.bottomLeft(), f.bottomRight());
        p.drawLine(f.topRight(), f.bottomRight());
    };
    frame(r, topLeft, bottomRight);
    frame(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

// The lines a command puts on an empty table of cols x rows cells, drawn in a small white
// table at origin with cells of cell pixels; a double line as two lines one pixel apart.
void TableWithLines(QPainter& p, QPoint origin, QSize cell, int cols, int rows, int command) {
    CLineArray h, v;
    if (command != ID_LINE_CLEAR)
        ApplyLineCommand(h, v, command, {1, 1, cols, rows}, LINE_INSERT);
    const QRect table(origin, QSize(cols * cell.width() + 1, rows * cell.height() + 1));
    p.fillRect(table, Qt::white);
    p.setPen(kCellGrid);
    for (int c = 0; c <= cols; ++c)
        p.drawLine(origin.x() + c * cell.width(), table.top(), origin.x() + c * cell.width(),
                   table.bottom());
    for (int r = 0; r <= rows; ++r)
        p.drawLine(table.left(), origin.y() + r * cell.height(), table.right(),
                   origin.y() + r * cell.height());

    p.setPen(Qt::black);
    const auto line = [&](int x1, int y1, int x2, int y2, int kind, bool vertical) {
        if (kind == LINE_SINGLE) {
            p.drawLine(x1, y1, x2, y2);
        } else if (kind == LINE_DOUBLE) {
            const int dx = vertical ? 1 : 0;
            const int dy = vertical ? 0 : 1;
            p.drawLine(x1 - dx, y1 - dy, x2 - dx, y2 - dy);
            p.drawLine(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
        }
    };
    for (int c = 1; c <= cols; ++c)
        for (int e = 1; e <= rows + 1; ++e) {
            const int x = origin.x() + (c - 1) * cell.width();
            const int y = origin.y() + (e - 1) * cell.height();
            line(x, y, x + cell.width(), y, h.GetLine(c, e), false);
        }
    for (int r = 1; r <= rows; ++r)
        for (int e = 1; e <= cols + 1; ++e) {
            const int x = origin.x() + (e - 1) * cell.width();
            const int y = origin.y() + (r - 1) * cell.height();
            line(x, y, x, y + cell.height(), v.GetLine(r, e), true);
        }
    if (command == ID_LINE_CLEAR) {
        // An eraser's stroke over the empty table.
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(196, 44, 44), 2, Qt::SolidLine, Qt::RoundCap));
        const QPoint c = table.center();
        p.drawLine(c + QPoint(-5, -4), c + QPoint(5, 4));
        p.drawLine(c + QPoint(-5, 4), c + QPoint(5, -4));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

} // namespace

QPixmap LineButtonPicture(const QString& name) {
    if (name.size() < 2)
        return {};
    const QChar state = name.back();
    const CButtonDef* def = FindButton(name.chopped(1));
    if (!def || (state != u'U' && state != u'D' && state != u'F'))
        return {};
    const bool large = def->command == ID_LINE_TEMPLATE;
    const QSize size = large ? QSize(60, 40) : QSize(48, 30);
    const int cols = large ? 4 : 3;
    const int rows = large ? 3 : 2;
    const QSize cell = large ? QSize(12, 8) : QSize(12, 9);

    QPixmap pixmap(size);
    pixmap.fill(state == u'F' ? kFocusFace : kFace);
    QPainter p(&pixmap);
    const QRect all(QPoint(0, 0), size);
    const bool pressed = state == u'D';
    Bevel(p, all, pressed);
    const QSize table(cols * cell.width() + 1, rows * cell.height() + 1);
    QPoint origin((size.width() - table.width()) / 2, (size.height() - table.height()) / 2);
    if (pressed)
        origin += QPoint(1, 1);
    TableWithLines(p, origin, cell, cols, rows, def->command);
    if (state == u'F') {
        QPen focus(kDarkShadow, 1, Qt::DotLine);
        p.setPen(focus);
        p.drawRect(all.adjusted(3, 3, -4, -4));
    }
    return pixmap;
}

CLineButton::CLineButton(const QString& caption, int command, QWidget* parent)
    : QAbstractButton(parent), m_caption(caption), m_command(command),
      m_normal(LineButtonPicture(caption + u'U')), m_pressed(LineButtonPicture(caption + u'D')),
      m_focused(LineButtonPicture(caption + u'F')) {
    setObjectName(caption);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(m_normal.size());
}

const QPixmap& CLineButton::CurrentPicture() const {
    if (isDown())
        return m_pressed;
    return hasFocus() ? m_focused : m_normal;
}

void CLineButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, CurrentPicture());
}

CLinePaletteDlg::CLinePaletteDlg(QWidget* owner, std::function<void(int)> post,
                                 std::function<void()> toGrid)
    : QDialog(owner,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_post(std::move(post)), m_toGrid(std::move(toGrid)) {
    setWindowTitle(tr("框線"));

    auto* style = new QGroupBox(tr("樣式"), this);
    auto* rows = new QVBoxLayout(style);
    QHBoxLayout* row = nullptr;
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (i % 5 == 0) {
            row = new QHBoxLayout;
            row->setSpacing(2);
            if (i == 10)
                row->addStretch(1);
            rows->addLayout(row);
        }
        const CButtonDef& def = kButtons[i];
        auto* button = new CLineButton(QLatin1String(def.caption), def.command, style);
        button->setToolTip(tr(def.tip));
        connect(button, &QAbstractButton::clicked, this, [this, button] { OnPicture(button); });
        row->addWidget(button, 0, Qt::AlignVCenter);
        if (i >= 10)
            row->addStretch(1);
    }

    QGroupBox* method = NewRadioGroup(tr("輸入方法"), {tr("插入"), tr("覆寫"), tr("消去")},
                                      m_methods, this, "method", true);
    SetRadio(m_methods, LINE_INSERT);
    m_close = new QPushButton(tr("結束"), this);
    m_close->setObjectName(QStringLiteral("close"));
    // Enter is the palette's own key, not a default button's.
    m_close->setAutoDefault(false);
    m_close->setDefault(false);
    connect(m_close, &QPushButton::clicked, this, &CLinePaletteDlg::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(method, 1);
    side->addWidget(m_close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(style);
    layout->addLayout(side);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CLineButton* CLinePaletteDlg::Button(const QString& caption) const {
    return findChild<CLineButton*>(caption);
}

void CLinePaletteDlg::ReadMethod() {
    const int id = m_methods->checkedId();
    m_inputMethod = id < 0 ? LINE_INSERT : id;
}

void CLinePaletteDlg::OnPicture(CLineButton* button) {
    ReadMethod();
    m_post(button->Command());
}

void CLinePaletteDlg::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_F && mods == Qt::ControlModifier) {
        m_toGrid();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        // The caption of the focused control says which command, if any.
        auto* focused = qobject_cast<CLineButton*>(focusWidget());
        ReadMethod();
        if (focused && FindButton(focused->Caption()))
            m_post(focused->Command());
        return;
    }
    QDialog::keyPressEvent(e);
}

void CLinePaletteDlg::reject() {
    m_post(ID_LINE_PALETTE);
}

void CLinePaletteDlg::closeEvent(QCloseEvent* e) {
    // A close the program asks for (quitting closes every window) goes through.
    if (!e->spontaneous()) {
        e->accept();
        return;
    }
    e->ignore();
    m_post(ID_LINE_PALETTE);
}

namespace {

// The view's handle on one palette window; the window goes with it.
class CQtLinePalette : public ILinePalette {
public:
    CQtLinePalette(CLinePaletteDlg* dialog, std::function<void()> toGrid)
        : m_dialog(dialog), m_toGrid(std::move(toGrid)) {}
    ~CQtLinePalette() override {
        if (!m_dialog)
            return;
        const bool active = m_dialog->isActiveWindow();
        delete m_dialog.data();
        if (active)
            m_toGrid();
    }

    int InputMethod() const override { return m_dialog ? m_dialog->InputMethod() : LINE_INSERT; }
    // The client area's corner: a window's frame is known only once the window manager has
    // framed it, so a position with the frame would not come back the same before the show.
    CPoint Position() const override {
        if (!m_dialog)
            return {};
        const QPoint p = m_dialog->geometry().topLeft();
        return {p.x(), p.y()};
    }
    void Move(CPoint screen) override {
        if (!m_dialog)
            return;
        m_dialog->adjustSize();
        m_dialog->setGeometry(QRect(QPoint(screen.x, screen.y), m_dialog->size()));
    }
    void Show() override {
        if (!m_dialog)
            return;
        m_dialog->show();
        m_dialog->activateWindow();
    }
    void Focus() override {
        if (!m_dialog)
            return;
        m_dialog->show();
        m_dialog->raise();
        m_dialog->activateWindow();
        // The control that had the focus last, else the first picture button.
        if (QWidget* w = m_dialog->focusWidget())
            w->setFocus(Qt::ActiveWindowFocusReason);
        else if (CLineButton* first = m_dialog->Button(QStringLiteral("WOLINE")))
            first->setFocus(Qt::ActiveWindowFocusReason);
    }

private:
    QPointer<CLinePaletteDlg> m_dialog;
    std::function<void()> m_toGrid;
};

} // namespace

CQtLinePaletteFactory::CQtLinePaletteFactory(QWidget* owner, std::function<void(int)> post,
                                             std::function<void()> toGrid)
    : QObject(owner), m_owner(owner), m_post(std::move(post)), m_toGrid(std::move(toGrid)) {}

std::unique_ptr<ILinePalette> CQtLinePaletteFactory::CreateLinePalette() {
    auto* dialog = new CLinePaletteDlg(m_owner, m_post, m_toGrid);
    return std::make_unique<CQtLinePalette>(dialog, m_toGrid);
}
