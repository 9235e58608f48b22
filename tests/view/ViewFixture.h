#pragma once

#include "FakePlatform.h"
#include "FakeViewHost.h"
#include "FileTypeQuestion.h"
#include "MyDoc.h"
#include "MyView.h"
#include "PaintChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

class CCsvAnswer : public IFileTypeQuestion {
public:
    bool AskCsv() override { return true; }
};

// A document, a view over it and a fake window of 600 x 400 pixels (scroll bars 17 wide):
// the grid area is (50, 25) - (583, 383). Default sizes: columns 100 wide, rows 40 high.
class ViewTest : public ::testing::Test {
protected:
    static constexpr int W = 600;
    static constexpr int H = 400;

    CFakeMessageBox m_box;
    CFakeFileDialog m_dialog;
    CCsvAnswer m_fileType;
    CMyDoc m_doc{m_box, m_dialog, m_fileType};
    CFakeViewHost m_host{W, H};
    std::unique_ptr<CMyView> m_view = std::make_unique<CMyView>(m_doc);

    void SetUp() override {
        m_view->SetHost(&m_host);
        m_view->OnInitialUpdate();
    }
    CMyView& View() { return *m_view; }
    CRecordingDC& Dc() { return m_host.dc; }

    // The window's paint on a fresh context; the recorded calls start empty.
    void Paint() {
        Dc().ops.clear();
        Dc().ResetState();
        m_view->OnDraw(Dc());
    }
    // Paint with the cursor highlight removed again, so pixels show only the table.
    void PaintWithoutHighlight() {
        Paint();
        const CGridSelection& s = m_view->Selection();
        if (s.HighlightShown())
            m_view->InvertSelection(Dc(), s.AnchorCol(), s.AnchorRow(), s.CursorCol(),
                                    s.CursorRow());
    }
    // The selection (c1, r1)-(c2, r2), anchor first, as the user makes it: a cursor move to
    // the anchor, range mode on, a cursor move to the other corner (both scroll as needed).
    void Select(int c1, int r1, int c2, int r2) {
        CMyView& v = View();
        if (v.Selection().RangeMode())
            v.ToggleRangeMode();
        v.MoveCursor(Dc(), c1, r1, false);
        if (c1 != c2 || r1 != r2) {
            v.ToggleRangeMode();
            v.MoveCursor(Dc(), c2, r2, true);
        }
        ASSERT_EQ(v.Selection().Normalized(), (CCellRect{std::min(c1, c2), std::min(r1, r2),
                                                         std::max(c1, c2), std::max(r1, r2)}));
    }
    int X(int c) const { return m_view->Geometry().ColumnX(c); }
    int Y(int r) const { return m_view->Geometry().RowY(r); }
};
