#include "CellData.h"

bool CCellData::SetText(const std::string& s) {
    text = s;
    return true;
}

bool CCellData::SetColspan(int n) {
    const auto v = static_cast<std::uint8_t>(n & 0xFF);
    if (v == 0)
        return false;
    colspan = v;
    return true;
}

bool CCellData::SetRowspan(int n) {
    const auto v = static_cast<std::uint8_t>(n & 0xFF);
    if (v == 0)
        return false;
    rowspan = v;
    return true;
}

bool CCellData::SetHplace(int n) {
    if (n < 0 || n > 2)
        return false;
    hplace = static_cast<std::uint8_t>(n);
    return true;
}

bool CCellData::SetVplace(int n) {
    if (n < 0 || n > 2)
        return false;
    vplace = static_cast<std::uint8_t>(n);
    return true;
}

CCellData& CCellData::Assign(const CCellData& other) {
    if (this == &other)
        return *this;
    text = other.text;
    if (other.hplace <= 2)
        hplace = other.hplace;
    if (other.vplace <= 2)
        vplace = other.vplace;
    if (other.colspan >= 1)
        colspan = other.colspan;
    if (other.rowspan >= 1)
        rowspan = other.rowspan;
    return *this;
}
