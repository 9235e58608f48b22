#include "CommandRouter.h"

#include <algorithm>

void CCommandRouter::RemoveTarget(ICommandTarget* target) {
    m_targets.erase(std::remove(m_targets.begin(), m_targets.end(), target), m_targets.end());
}

bool CCommandRouter::Update(int id, CCmdUI& ui) const {
    for (ICommandTarget* target : m_targets) {
        CCmdUI state;
        if (target->OnUpdateCommand(id, state)) {
            ui = state;
            return true;
        }
    }
    ui.enabled = false;
    ui.checked = false;
    return false;
}

bool CCommandRouter::Execute(int id) {
    // The state may have changed since the menu or toolbar was last updated.
    CCmdUI ui;
    if (!Update(id, ui) || !ui.enabled)
        return false;
    for (ICommandTarget* target : m_targets) {
        if (target->OnCommand(id))
            return true;
    }
    return false;
}
