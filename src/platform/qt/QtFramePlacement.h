#pragma once

#include "FramePlacement.h"

class QWidget;

// The placement of a top-level window: its normal geometry (the client area, without the
// window manager's frame) and its maximised state.
class CQtFramePlacement : public IFramePlacement {
public:
    explicit CQtFramePlacement(QWidget& window) : m_window(window) {}

    CFramePlacement Placement() const override;
    // A rectangle too small to use keeps the window's present size; one on no screen is
    // moved onto the primary screen.
    void SetPlacement(const CFramePlacement& placement) override;

private:
    QWidget& m_window;
};
