// The generate commands of the grid view, run by the generation controller over the
// normalised selection.
#include "MyView.h"
#include "Resource.h"

bool CMyView::OnGenerateCommand(int id) {
    switch (id) {
    case ID_GENERATE:
        OnGenerate();
        return true;
    case ID_GENERATE_OPTIONS:
        OnGenerateOptions();
        return true;
    default:
        return false;
    }
}

bool CMyView::OnUpdateGenerateCommand(int id, CCmdUI& ui) {
    if (id != ID_GENERATE && id != ID_GENERATE_OPTIONS)
        return false;
    ui.enabled = true;
    return true;
}

void CMyView::OnGenerateOptions() {
    m_generate.RunOptionsSheet();
}

void CMyView::OnGenerate() {
    m_generate.Generate(WriterModel(), m_selection.Normalized(), m_host);
}

CCellRect CMyView::PreviewRegion() const {
    const CCellRect selection = m_selection.Normalized();
    if (selection.left != selection.right || selection.top != selection.bottom)
        return selection;
    return UsedRegion(*m_cells, *m_hLines, *m_vLines);
}
