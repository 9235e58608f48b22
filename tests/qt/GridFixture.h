#pragma once

#include "FakePlatform.h"
#include "GridWidget.h"
#include "MyDoc.h"
#include "MyView.h"

#include <QtTest>

#include <memory>

// The fixture of the grid widget tests: a document, a view over it and the view's widget of
// 700 x 420 pixels, shown. With the default sizes columns are 100 wide and rows 40 high, so
// cell (c, r) starts at (50 + 100 (c - 1), 25 + 40 (r - 1)).
//   NewDocument();          // then fill m_doc if the test needs a table
//   ShowGrid();             // the view and the widget, exposed (active: with the focus)
//   ...
//   CloseGrid();            // in cleanup()
class CGridFixture {
protected:
    CFakeMessageBox m_box;
    CFakeFileDialog m_dialog;
    CFakeFileTypeQuestion m_fileType;
    std::unique_ptr<CMyDoc> m_doc;
    std::unique_ptr<CMyView> m_view;
    std::unique_ptr<CGridWidget> m_grid;

    void NewDocument() { m_doc = std::make_unique<CMyDoc>(m_box, m_dialog, m_fileType); }
    // configure runs on the new widget before it is shown (a command router, a menu handler).
    template <class F> void ShowGrid(bool active, F configure) {
        m_view = std::make_unique<CMyView>(*m_doc);
        m_grid = std::make_unique<CGridWidget>(*m_view);
        configure(*m_grid);
        m_grid->resize(700, 420);
        m_grid->show();
        if (active) {
            m_grid->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_grid.get()));
            m_grid->setFocus();
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
        }
    }
    void ShowGrid(bool active = false) {
        ShowGrid(active, [](CGridWidget&) {});
    }
    void CloseGrid() {
        m_grid.reset();
        m_view.reset();
        m_doc.reset();
    }
};
