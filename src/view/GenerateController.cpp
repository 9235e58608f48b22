#include "GenerateController.h"

#include "GenerateFlow.h"
#include "MessageBox.h"
#include "ViewHost.h"

void CGenerateController::SetPreviewGeometry(const CPreviewGeometry& g) {
    m_prevWidth = g.width;
    m_prevHeight = g.height;
    m_prevZoomed = g.zoomed;
}

void CGenerateController::RunOptionsSheet() {
    if (m_services.dialogs)
        m_services.dialogs->RunOptionsSheet(m_sheet);
}

void CGenerateController::Generate(const CGenerateModel& model, const CCellRect& region,
                                   IViewHost* host) {
    IGenerateDialogs* dialogs = m_services.dialogs;
    if (!dialogs)
        return;
    const int target = dialogs->RunTargetDialog();
    if (target < 0)
        return;

    IGenerateProgress& progress = dialogs->BeginProgress();
    if (host)
        host->SetWaitCursor(true);
    const bool generated = GenerateSource(target, model, region, m_options, m_source, &progress);
    if (host)
        host->SetWaitCursor(false);
    dialogs->EndProgress();
    if (!generated) {
        if (m_services.messageBox)
            m_services.messageBox->Show(MSG_BROKEN_TARGET);
        return;
    }

    CSourcePreviewData preview;
    preview.m_text = m_source;
    preview.m_width = m_prevWidth;
    preview.m_height = m_prevHeight;
    preview.m_zoomed = m_prevZoomed;
    const CGenerateServices services = m_services;
    dialogs->RunPreview(preview, [this, &services](const std::string& text) {
        return SavePreviewText(text, services, m_newFileEncoding);
    });
    m_prevWidth = preview.m_width;
    m_prevHeight = preview.m_height;
    m_prevZoomed = preview.m_zoomed;
}
