// Splits arbitrary bytes as CSV and as tab-separated text, as the imports do.
#include "CellArray.h"
#include "TextImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = ToTextMode({reinterpret_cast<const char*>(data), size});
    static CCellArray cells;
    for (const TextSeparator sep : {TextSeparator::Comma, TextSeparator::Tab}) {
        cells.DeleteAll();
        const int rows = ImportTextLines(text, sep, cells);
        if (rows < 0 || rows > MAX_CELLS)
            std::abort();
        for (int r = 1; r <= MAX_CELLS; ++r)
            for (int c = 1; c <= MAX_CELLS; ++c)
                if (const CCellData* rec = cells.GetCell(c, r))
                    if (r > rows || rec->text.empty() || rec->text.size() > IMPORT_PIECE_BYTES)
                        std::abort();
    }
    return 0;
}
