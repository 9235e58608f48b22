#pragma once

#include "DeviceContext.h"

// Where the main window is: its normal (restored) rectangle in screen pixels, right and bottom
// exclusive, and whether it is maximised.
struct CFramePlacement {
    CRect normal{10, 10, 640, 400};
    bool maximized = false;
    bool operator==(const CFramePlacement&) const = default;
};

// The main window's placement as the settings read and restore it.
class IFramePlacement {
public:
    virtual ~IFramePlacement() = default;
    // The normal rectangle also while the window is maximised.
    virtual CFramePlacement Placement() const = 0;
    // Before the window is first shown: it then shows at the rectangle, or maximised.
    virtual void SetPlacement(const CFramePlacement& placement) = 0;
};
