#pragma once

#include <cstdint>
#include <string>

// Content of one cell: text (code page 932 bytes), span counts and placements.
class CCellData {
public:
    std::string text;
    std::uint8_t colspan = 1;
    std::uint8_t rowspan = 1;
    std::uint8_t hplace = 1; // 0 left, 1 centre, 2 right
    std::uint8_t vplace = 1; // 0 top, 1 centre, 2 bottom

    std::string GetText() const { return text; }
    bool SetText(const std::string& s);
    // Span setters take the low 8 bits and refuse 0.
    bool SetColspan(int n);
    bool SetRowspan(int n);
    // Placement setters refuse anything but 0, 1, 2.
    bool SetHplace(int n);
    bool SetVplace(int n);

    // Merges another record in, field by field, skipping invalid values.
    CCellData& Assign(const CCellData& other);

    bool operator==(const CCellData& o) const {
        return text == o.text && colspan == o.colspan && rowspan == o.rowspan &&
               hplace == o.hplace && vplace == o.vplace;
    }
};

// A record with its position, as carried in the native file.
class CCell {
public:
    int col = 0;
    int row = 0;
    CCellData data;

    bool SetPos(int c, int r) {
        col = c;
        row = r;
        return true;
    }
    bool SetData(const CCellData& d) {
        data.Assign(d);
        return true;
    }
};
