// Settings through the view: loaded at the initial update into the view, its parts and the
// main window; saved once when the view's window goes, after the palette's position is taken.
#include "CellSize.h"
#include "FakeLinePalette.h"
#include "FakePlatform.h"
#include "FakeViewHost.h"
#include "MyDoc.h"
#include "MyView.h"
#include "Resource.h"
#include "ViewFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Key = std::pair<std::string, std::string>;

class ViewSettingsTest : public ::testing::Test {
protected:
    CFakeMessageBox m_box;
    CFakeFileDialog m_dialog;
    CCsvAnswer m_fileType;
    CMyDoc m_doc{m_box, m_dialog, m_fileType};
    CFakeViewHost m_host{600, 400};
    CFakeProfileStore m_store;
    CFakeFramePlacement m_frame;
    CFakeLinePaletteFactory m_palettes;
    std::vector<std::string> m_appNames;
    std::unique_ptr<CMyView> m_view;

    // A view set up as the program starts it, over the store as it is now.
    CMyView& Start() {
        m_view = std::make_unique<CMyView>(m_doc);
        CSettingsServices services;
        services.store = &m_store;
        services.frame = &m_frame;
        services.setAppName = [this](const std::string& name) { m_appNames.push_back(name); };
        m_view->SetSettingsServices(services);
        m_view->SetLinePaletteServices({&m_palettes, &m_box});
        m_view->SetHost(&m_host);
        m_view->OnInitialUpdate();
        return *m_view;
    }
    int Int(const char* section, const char* key) { return m_store.ints.at(Key{section, key}); }
};

TEST_F(ViewSettingsTest, AFirstStartTakesTheDefaults) {
    m_host.measurer.lineHeight = 18;
    CMyView& view = Start();
    EXPECT_EQ(view.ViewFont().face, "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");
    EXPECT_EQ(view.ViewFont().height, 18);
    ASSERT_FALSE(m_host.viewFonts.empty());
    EXPECT_EQ(m_host.viewFonts.back(), view.ViewFont()) << "the window gets the loaded font";
    EXPECT_TRUE(view.AutoHeight());
    EXPECT_FALSE(view.Renderer().ShowsGrid());
    EXPECT_EQ(m_doc.m_sizes.GetHeight(), 32) << "the automatic height of 18-pixel lines";
    EXPECT_EQ(m_doc.m_sizes.GetStdHeight(), 32);
    EXPECT_EQ(m_doc.m_sizes.GetStdWidth(), 100);
    EXPECT_EQ(view.Geometry().RowY(2) - view.Geometry().RowY(1), 32) << "laid out with it";
    ASSERT_EQ(m_frame.restored.size(), 1u);
    EXPECT_EQ(m_frame.restored[0], (CFramePlacement{{10, 10, 640, 400}, false}));
    EXPECT_EQ(m_appNames, (std::vector<std::string>{"Visual Brindle", "Visual Brindle R1.5"}));
    EXPECT_TRUE(m_store.ints.empty()) << "nothing is written before the end";
}

TEST_F(ViewSettingsTest, StoredValuesReachTheirOwners) {
    m_store.strings[{"BrindleFont", "Face"}] = "IPAGothic";
    m_store.ints[{"BrindleFont", "Height"}] = 24;
    m_store.ints[{"BrindleFont", "Wegiht"}] = 700;
    m_store.ints[{"BrindleOption", "Just"}] = 0;
    m_store.ints[{"BrindleOption", "Grid"}] = 1;
    m_store.ints[{"BrindleOption", "Kakko"}] = 2;
    m_store.strings[{"BrindleOption", "CapStr"}] = "Table 1";
    m_store.ints[{"BrindleCell", "STD.cx"}] = 900;
    m_store.ints[{"BrindleWnd", "PrevWidth"}] = -300;
    m_store.ints[{"BrindleWnd", "PrevZoomed"}] = 1;
    m_store.ints[{"BrindleWnd", "LDlg.x"}] = 640;
    m_store.ints[{"BrindleWnd", "LDlg.y"}] = 120;
    m_store.strings[{"BrindleDesktop", "NewFileEncoding"}] = "Shift_JIS";
    m_store.ints[{"BrindleDesktop", "PreviewPanel"}] = 1;
    CMyView& view = Start();
    EXPECT_EQ(view.ViewFont().face, "IPAGothic");
    EXPECT_EQ(view.ViewFont().height, 24);
    EXPECT_EQ(view.ViewFont().weight, 700);
    EXPECT_FALSE(view.AutoHeight());
    EXPECT_EQ(m_doc.m_sizes.GetHeight(), 40) << "Just 0 without Size.cy";
    EXPECT_TRUE(view.Renderer().ShowsGrid());
    EXPECT_EQ(view.Generation().Options().Kakko, 2);
    EXPECT_EQ(view.Generation().Options().CapStr, "Table 1");
    EXPECT_EQ(m_doc.m_sizes.GetStdWidth(), 500);
    EXPECT_EQ(m_doc.m_sizes.GetWidth(1), 100) << "widths wait for the next New or standard size";
    EXPECT_EQ(view.Generation().PreviewGeometry(), (CPreviewGeometry{300, 0, 1}));
    EXPECT_EQ(view.LinePalettePosition(), (CPoint{640, 120}));
    EXPECT_EQ(view.Generation().NewFileEncoding(), TextEncoding::Cp932);
    EXPECT_TRUE(view.PreviewPanelOpenSetting());

    // The palette opens where it was.
    ASSERT_TRUE(view.OnCommand(ID_LINE_PALETTE));
    ASSERT_NE(m_palettes.last, nullptr);
    EXPECT_EQ(m_palettes.log.moves, (std::vector<CPoint>{{640, 120}}));
}

TEST_F(ViewSettingsTest, TheEndSavesOnceWithThePalettesLastPosition) {
    CMyView& view = Start();
    ASSERT_TRUE(view.OnCommand(ID_VIEW_GRID));
    ASSERT_TRUE(view.OnCommand(ID_AUTO_HEIGHT)); // off
    view.Generation().Options().Doc = 1;
    view.Generation().Options().LabelStr = "tab:x";
    ASSERT_TRUE(view.OnCommand(ID_LINE_PALETTE));
    m_palettes.last->position = {700, 50}; // dragged there
    m_appNames.clear();

    view.OnDestroy();
    EXPECT_EQ(m_palettes.log.destroyed, 1);
    EXPECT_EQ(Int("BrindleWnd", "LDlg.x"), 700);
    EXPECT_EQ(Int("BrindleWnd", "LDlg.y"), 50);
    EXPECT_EQ(Int("BrindleOption", "Grid"), 1);
    EXPECT_EQ(Int("BrindleOption", "Just"), 0);
    EXPECT_EQ(Int("BrindleOption", "Doc"), 1);
    EXPECT_EQ(m_store.strings.at(Key{"BrindleOption", "LabelStr"}), "tab:x");
    EXPECT_EQ(Int("BrindleFont", "Height"), 18);
    EXPECT_EQ(m_appNames, (std::vector<std::string>{"Visual Brindle", "Visual Brindle R1.5"}));

    // The window's destruction after the close: no second save over what came since.
    m_store.ints[{"BrindleOption", "Grid"}] = 7;
    view.OnDestroy();
    EXPECT_EQ(Int("BrindleOption", "Grid"), 7);
}

TEST_F(ViewSettingsTest, AMaximisedWindowKeepsItsRestoredRectangle) {
    Start();
    m_frame.placement = {{100, 80, 900, 700}, true};
    m_view->OnDestroy();
    EXPECT_EQ(Int("BrindleWnd", "Zoomed"), 1);
    EXPECT_EQ(Int("BrindleWnd", "Left"), 100);
    EXPECT_EQ(Int("BrindleWnd", "Top"), 80);
    EXPECT_EQ(Int("BrindleWnd", "Right"), 900);
    EXPECT_EQ(Int("BrindleWnd", "Bottom"), 700);

    m_frame = CFakeFramePlacement{};
    Start();
    ASSERT_EQ(m_frame.restored.size(), 1u);
    EXPECT_EQ(m_frame.restored[0], (CFramePlacement{{100, 80, 900, 700}, true}));
}

TEST_F(ViewSettingsTest, WithoutAStoreNothingIsLoadedOrSaved) {
    m_view = std::make_unique<CMyView>(m_doc);
    m_view->SetHost(&m_host);
    m_view->OnInitialUpdate();
    EXPECT_TRUE(m_view->Renderer().ShowsGrid());
    EXPECT_EQ(m_view->ViewFont().height, 22);
    EXPECT_FALSE(m_view->AutoHeight());
    m_view->OnDestroy();
    EXPECT_TRUE(m_store.ints.empty());
}

} // namespace
