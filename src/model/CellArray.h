#pragma once

#include "CellData.h"
#include "ModelTypes.h"

#include <memory>

// The 250 x 250 grid of optional cell records, stored row by row.
class CCellArray {
public:
    CCellArray();
    ~CCellArray();
    CCellArray(const CCellArray&) = delete;
    CCellArray& operator=(const CCellArray&) = delete;

    // The record at (col, row), or nullptr for an empty slot or a position off the table.
    CCellData* GetCell(int col, int row);
    const CCellData* GetCell(int col, int row) const;
    // Creates a default record in an empty slot, then merges rec into it.
    bool SetCell(int col, int row, const CCellData& rec);
    bool DeleteCell(int col, int row);
    bool DeleteAll();
    bool IsEmpty() const;
    // Number of occupied slots.
    int Count() const;
    // Exchanges the records of two grids (no record is copied).
    void Swap(CCellArray& other) noexcept { m_slots.swap(other.m_slots); }

private:
    static int Slot(int col, int row) { return (row - 1) * MAX_CELLS + (col - 1); }
    std::unique_ptr<std::unique_ptr<CCellData>[]> m_slots;
};
