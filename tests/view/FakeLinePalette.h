#pragma once

#include "LinePalette.h"

#include <memory>
#include <vector>

// What the fake palettes record; it outlives them, as the window system outlives its windows.
struct CPaletteLog {
    int created = 0;
    int destroyed = 0;
    int shown = 0;
    int focused = 0;
    std::vector<CPoint> moves;
};

// A palette window that the test plays: inputMethod is what its radio buttons were last read
// as, position where the user dragged it.
class CFakeLinePalette : public ILinePalette {
public:
    explicit CFakeLinePalette(CPaletteLog& log) : m_log(log) { ++m_log.created; }
    ~CFakeLinePalette() override { ++m_log.destroyed; }

    int inputMethod = 0;
    CPoint position{120, 80}; // where the window system puts a new window

    int InputMethod() const override { return inputMethod; }
    CPoint Position() const override { return position; }
    void Move(CPoint screen) override {
        m_log.moves.push_back(screen);
        position = screen;
    }
    void Show() override { ++m_log.shown; }
    void Focus() override { ++m_log.focused; }

private:
    CPaletteLog& m_log;
};

// Creates fake palettes; with fails set, creation fails as when memory runs out.
class CFakeLinePaletteFactory : public ILinePaletteFactory {
public:
    CPaletteLog log;
    bool fails = false;
    CFakeLinePalette* last = nullptr; // the palette made last; the view owns it

    std::unique_ptr<ILinePalette> CreateLinePalette() override {
        if (fails)
            return nullptr;
        auto p = std::make_unique<CFakeLinePalette>(log);
        last = p.get();
        return p;
    }
};
