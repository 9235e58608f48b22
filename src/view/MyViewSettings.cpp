// Settings load and save: the view font, the automatic row height, the grid switch, the
// sizes, the generation options, the preview's geometry, the palette's position and the
// main window's placement.
#include "CellSize.h"
#include "FramePlacement.h"
#include "MyView.h"
#include "Settings.h"

void CMyView::LoadSaveSettings(bool load) {
    if (!m_settings.store)
        return;
    const auto setAppName = [this](const char* name) {
        if (m_settings.setAppName)
            m_settings.setAppName(name);
    };
    setAppName(SETTINGS_APP_NAME);

    CBrindleSettings s;
    s.font = m_renderer.Font();
    s.autoHeight = m_autoHeight;
    s.options = m_generate.Options();
    s.showGrid = m_renderer.ShowsGrid();
    s.rowHeight = m_sizes->GetHeight();
    s.stdWidth = m_sizes->GetStdWidth();
    s.stdHeight = m_sizes->GetStdHeight();
    if (m_settings.frame)
        s.frame = m_settings.frame->Placement();
    const CPreviewGeometry preview = m_generate.PreviewGeometry();
    s.prevWidth = preview.width;
    s.prevHeight = preview.height;
    s.prevZoomed = preview.zoomed;
    s.palette = LinePalettePosition();
    s.newFileEncoding = m_generate.NewFileEncoding();
    s.previewPanelOpen = m_previewPanelOpen;

    if (!load) {
        WriteSettings(*m_settings.store, s);
        setAppName(RUNNING_APP_NAME);
        return;
    }

    CSettingsLoad from(*m_settings.store, m_settings.iniFolder);
    ReadSettings(from.Store(), s, [this](const CFontDesc& font, bool autoHeight) {
        return AutoRowHeightFor(font, autoHeight);
    });
    from.Finish();

    m_renderer.SetFont(s.font);
    m_autoHeight = s.autoHeight;
    m_generate.Options() = s.options;
    m_renderer.SetShowGrid(s.showGrid);
    m_sizes->SetHeight(s.rowHeight);
    m_sizes->SetStdWidth(s.stdWidth);
    m_sizes->SetStdHeight(s.stdHeight);
    if (m_settings.frame)
        m_settings.frame->SetPlacement(s.frame);
    m_generate.SetPreviewGeometry({s.prevWidth, s.prevHeight, s.prevZoomed});
    SetLinePalettePosition(s.palette);
    m_generate.SetNewFileEncoding(s.newFileEncoding);
    m_previewPanelOpen = s.previewPanelOpen;
    setAppName(RUNNING_APP_NAME);
}
