#include "GenerateFlow.h"
#include "MessageBox.h"
#include "MyView.h"

void CMyView::OnGenerateOptions() {
    if (m_generate.dialogs)
        m_generate.dialogs->RunOptionsSheet(m_decodeOp);
}

void CMyView::OnGenerate() {
    IGenerateDialogs* dialogs = m_generate.dialogs;
    if (!dialogs || !m_cells)
        return;
    const int target = dialogs->RunTargetDialog();
    if (target < 0)
        return;

    IGenerateProgress& progress = dialogs->BeginProgress();
    if (m_host)
        m_host->SetWaitCursor(true);
    const bool generated =
        GenerateSource(target, {*m_cells, m_spanMap, *m_hLines, *m_vLines},
                       m_selection.Normalized(), m_decodeOp.m_options, m_source, &progress);
    if (m_host)
        m_host->SetWaitCursor(false);
    dialogs->EndProgress();
    if (!generated) {
        if (m_generate.messageBox)
            m_generate.messageBox->Show(MSG_BROKEN_TARGET);
        return;
    }

    CSourcePreviewData preview;
    preview.m_text = m_source;
    preview.m_width = m_prevWidth;
    preview.m_height = m_prevHeight;
    preview.m_zoomed = m_prevZoomed;
    const CGenerateServices services = m_generate;
    dialogs->RunPreview(
        preview, [&services](const std::string& text) { return SavePreviewText(text, services); });
    m_prevWidth = preview.m_width;
    m_prevHeight = preview.m_height;
    m_prevZoomed = preview.m_zoomed;
}
