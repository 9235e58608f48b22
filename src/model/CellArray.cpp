#include "CellArray.h"

#include <new>

CCellArray::CCellArray() : m_slots(new std::unique_ptr<CCellData>[CELL_COUNT]) {}

CCellArray::~CCellArray() = default;

CCellData* CCellArray::GetCell(int col, int row) {
    if (!IsCellIndex(col) || !IsCellIndex(row))
        return nullptr;
    return m_slots[Slot(col, row)].get();
}

const CCellData* CCellArray::GetCell(int col, int row) const {
    if (!IsCellIndex(col) || !IsCellIndex(row))
        return nullptr;
    return m_slots[Slot(col, row)].get();
}

bool CCellArray::SetCell(int col, int row, const CCellData& rec) {
    if (!IsCellIndex(col) || !IsCellIndex(row))
        return false;
    auto& slot = m_slots[Slot(col, row)];
    if (!slot) {
        slot.reset(new (std::nothrow) CCellData);
        if (!slot)
            return false;
    }
    slot->Assign(rec);
    return true;
}

bool CCellArray::DeleteCell(int col, int row) {
    if (!IsCellIndex(col) || !IsCellIndex(row))
        return false;
    auto& slot = m_slots[Slot(col, row)];
    if (!slot)
        return false;
    slot.reset();
    return true;
}

bool CCellArray::DeleteAll() {
    for (int i = 0; i < CELL_COUNT; ++i)
        m_slots[i].reset();
    return true;
}

bool CCellArray::IsEmpty() const {
    for (int i = 0; i < CELL_COUNT; ++i)
        if (m_slots[i])
            return false;
    return true;
}

int CCellArray::Count() const {
    int n = 0;
    for (int i = 0; i < CELL_COUNT; ++i)
        n += m_slots[i] ? 1 : 0;
    return n;
}
