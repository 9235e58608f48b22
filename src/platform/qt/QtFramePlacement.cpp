#include "QtFramePlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// Smaller than this a window cannot be grabbed again.
constexpr int MIN_SIDE = 100;
constexpr int MAX_COORDINATE = 1000000;

} // namespace

CFramePlacement CQtFramePlacement::Placement() const {
    const QRect r = m_window.normalGeometry();
    CFramePlacement p;
    p.normal = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    p.maximized = m_window.isMaximized();
    return p;
}

void CQtFramePlacement::SetPlacement(const CFramePlacement& placement) {
    const CRect& n = placement.normal;
    // A corrupt store may hold any ints; far beyond any desktop they are no placement.
    const auto sane = [](int v) { return v > -MAX_COORDINATE && v < MAX_COORDINATE; };
    QRect r = m_window.geometry();
    if (sane(n.left) && sane(n.top) && sane(n.right) && sane(n.bottom)) {
        if (n.Width() >= MIN_SIDE && n.Height() >= MIN_SIDE)
            r = QRect(n.left, n.top, n.Width(), n.Height());
        else
            r.moveTo(n.left, n.top);
    }
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(r);
    if (!onScreen && QGuiApplication::primaryScreen()) {
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        r.setSize(r.size().boundedTo(avail.size()));
        r.moveTopLeft(avail.topLeft() + QPoint(10, 10));
    }
    m_window.setGeometry(r);
    const Qt::WindowStates state = m_window.windowState();
    m_window.setWindowState(placement.maximized ? state | Qt::WindowMaximized
                                                : state & ~Qt::WindowMaximized);
}
