#include "CommandTable.h"

#include <utility>

void CCommandTable::Add(int id, Handler handler, Updater updater) {
    m_entries[id] = Entry{std::move(handler), std::move(updater)};
}

bool CCommandTable::OnCommand(int id) {
    const auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    if (it->second.handler)
        it->second.handler();
    return true;
}

bool CCommandTable::OnUpdateCommand(int id, CCmdUI& ui) {
    const auto it = m_entries.find(id);
    if (it == m_entries.end())
        return false;
    ui.enabled = true;
    ui.checked = false;
    if (it->second.updater)
        it->second.updater(ui);
    return true;
}
