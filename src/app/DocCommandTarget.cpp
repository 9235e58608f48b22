#include "DocCommandTarget.h"

#include "MyDoc.h"
#include "Resource.h"

bool CDocCommandTarget::OnCommand(int id) {
    switch (id) {
    case ID_FILE_NEW:
        m_doc.OnFileNew();
        return true;
    case ID_FILE_OPEN:
        m_doc.OnFileOpen();
        return true;
    case ID_FILE_SAVE:
        m_doc.OnFileSave();
        return true;
    case ID_FILE_SAVE_AS:
        m_doc.OnFileSaveAs();
        return true;
    default:
        return false;
    }
}

bool CDocCommandTarget::OnUpdateCommand(int id, CCmdUI& ui) {
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE_AS:
        ui.enabled = true;
        return true;
    case ID_FILE_SAVE:
        ui.enabled = m_doc.IsModified();
        return true;
    default:
        return false;
    }
}
