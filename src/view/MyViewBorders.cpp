// Ruled lines of the grid view: the line commands over the selection and the border palette
// that sends them.
#include "BorderCommands.h"
#include "LineArray.h"
#include "MessageBox.h"
#include "MyView.h"
#include "Resource.h"

#include <new>

bool CMyView::OnBorderCommand(int id) {
    if (id == ID_LINE_PALETTE) {
        OnLinePalette();
        return true;
    }
    if (!IsLineCommand(id))
        return false;
    OnLineCommand(id);
    return true;
}

bool CMyView::OnUpdateBorderCommand(int id, CCmdUI& ui) {
    if (id == ID_LINE_PALETTE) {
        ui.enabled = m_linePalette || m_paletteServices.factory;
        ui.checked = m_linePalette != nullptr;
        return true;
    }
    if (!IsLineCommand(id))
        return false;
    ui.enabled = true;
    return true;
}

void CMyView::OnLineCommand(int id) {
    const CCellRect sel = m_selection.Normalized();
    EditRegion(sel, [&] {
        // The palette's method as it last read its radio buttons.
        m_lineInputMode = m_linePalette ? m_linePalette->InputMethod() : LINE_INSERT;
        return ApplyLineCommand(*m_hLines, *m_vLines, id, sel, m_lineInputMode);
    });
    m_lineInputMode = LINE_INSERT;
}

void CMyView::OnLinePalette() {
    if (m_linePalette) {
        CloseLinePalette();
        return;
    }
    if (!m_paletteServices.factory)
        return;
    std::unique_ptr<ILinePalette> palette;
    try {
        palette = m_paletteServices.factory->CreateLinePalette();
    } catch (const std::bad_alloc&) {
        palette.reset();
    }
    if (!palette) {
        if (m_paletteServices.messageBox)
            m_paletteServices.messageBox->Show(kMsgPaletteNoMemory, MsgIcon::Exclamation);
        return;
    }
    if (m_paletteX != 0 || m_paletteY != 0)
        palette->Move({m_paletteX, m_paletteY});
    m_linePalette = std::move(palette);
    m_linePalette->Show();
}

// A new palette is a new object: its input method starts again at insert.
void CMyView::CloseLinePalette() {
    const CPoint pos = m_linePalette->Position();
    m_paletteX = pos.x;
    m_paletteY = pos.y;
    m_linePalette.reset();
}

void CMyView::OnDestroy() {
    if (m_linePalette)
        CloseLinePalette();
    if (m_initialized && !m_settingsSaved) {
        m_settingsSaved = true;
        LoadSaveSettings(false);
    }
}
