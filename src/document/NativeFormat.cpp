#include "NativeFormat.h"

#include "TextCodec.h"

namespace {

// Sets g_nWidthCount for one read and puts it back to 250 however the read ends.
class CWidthCountScope {
public:
    explicit CWidthCountScope(int count) { g_nWidthCount = count; }
    ~CWidthCountScope() { g_nWidthCount = MAX_CELLS; }
    CWidthCountScope(const CWidthCountScope&) = delete;
    CWidthCountScope& operator=(const CWidthCountScope&) = delete;
};

} // namespace

std::string WriteNativeBytes(const CCellArray& cells, const CLineArray& hLines,
                             const CLineArray& vLines, const CCellSize& sizes) {
    std::string bytes;
    bytes.reserve(2 + NATIVE_SIGNATURE.size() + 2 * MAX_CELLS + 6 +
                  static_cast<std::size_t>(cells.Count()) * 12);
    CArchiveWriter ar(bytes);
    ar.WriteByte(NATIVE_MARK);
    ar.WriteByte(NATIVE_MARK);
    ar.WriteBytes(NATIVE_SIGNATURE);
    WriteWidths(ar, sizes);
    WriteCells(ar, cells);
    WriteLines(ar, hLines);
    WriteLines(ar, vLines);
    g_nWidthCount = MAX_CELLS;
    return bytes;
}

void WriteWidths(CArchiveWriter& ar, const CCellSize& sizes) {
    for (int c = 1; c <= MAX_CELLS; ++c)
        ar.WriteWord(sizes.GetWidth(c));
}

void WriteCell(CArchiveWriter& ar, const CCell& cell) {
    // The length field has 16 bits: a longer text is cut on a character boundary so that
    // the length always matches the bytes that follow.
    const std::string_view text = Cp932Truncate(cell.data.text, MAX_TEXT_BYTES);
    const char head[4] = {static_cast<char>(cell.col), static_cast<char>(cell.row),
                          static_cast<char>(text.size() & 0xFF),
                          static_cast<char>(text.size() >> 8)};
    const char tail[4] = {static_cast<char>(cell.data.colspan),
                          static_cast<char>(cell.data.rowspan), static_cast<char>(cell.data.hplace),
                          static_cast<char>(cell.data.vplace)};
    ar.WriteBytes({head, 4});
    ar.WriteBytes(text);
    ar.WriteBytes({tail, 4});
}

void WriteCells(CArchiveWriter& ar, const CCellArray& cells) {
    // One walk over the slots: the records go to a side buffer until their count is known.
    std::string records;
    records.reserve(static_cast<std::size_t>(cells.Count()) * 16);
    CArchiveWriter side(records);
    int count = 0;
    CCell cell;
    for (int r = 1; r <= MAX_CELLS; ++r) {
        for (int c = 1; c <= MAX_CELLS; ++c) {
            const CCellData* rec = cells.GetCell(c, r);
            if (!rec)
                continue;
            cell.SetPos(c, r);
            cell.SetData(*rec);
            WriteCell(side, cell);
            ++count;
        }
    }
    ar.WriteWord(static_cast<std::uint16_t>(count));
    ar.WriteBytes(records);
}

void WriteLines(CArchiveWriter& ar, const CLineArray& lines) {
    std::string triples;
    for (int b = 1; b <= MAX_EDGE; ++b) {
        for (int a = 1; a <= MAX_CELLS; ++a) {
            const std::uint8_t kind = lines.GetLine(a, b);
            if (kind == LINE_NONE)
                continue;
            const char triple[3] = {static_cast<char>(a), static_cast<char>(b),
                                    static_cast<char>(kind)};
            triples.append(triple, 3);
        }
    }
    ar.WriteWord(static_cast<std::uint16_t>(triples.size() / 3));
    ar.WriteBytes(triples);
}

NativeFraming ReadFraming(CArchiveReader& ar) {
    if (ar.ReadByte() != NATIVE_MARK || ar.ReadByte() != NATIVE_MARK)
        return NativeFraming::Foreign;
    const std::string signature = ar.ReadBytes(NATIVE_SIGNATURE.size());
    if (signature == NATIVE_SIGNATURE)
        return NativeFraming::Current;
    if (signature == OLD_SIGNATURE)
        return NativeFraming::OldSignature;
    return NativeFraming::Foreign;
}

void ReadWidths(CArchiveReader& ar, CCellSize& sizes) {
    for (int c = 1; c <= g_nWidthCount; ++c)
        sizes.SetWidth(c, ar.ReadWord());
}

void ReadCells(CArchiveReader& ar, CCellArray& cells) {
    cells.DeleteAll();
    const int count = ar.ReadWord();
    // One record reused from cell to cell: an invalid span or placement keeps the previous
    // record's value, as the setters refuse it.
    CCell cell;
    for (int i = 0; i < count; ++i) {
        const int col = ar.ReadByte();
        const int row = ar.ReadByte();
        const std::size_t length = ar.ReadWord();
        cell.SetPos(col, row);
        cell.data.SetText(ar.ReadBytes(length));
        cell.data.SetColspan(ar.ReadByte());
        cell.data.SetRowspan(ar.ReadByte());
        cell.data.SetHplace(ar.ReadByte());
        cell.data.SetVplace(ar.ReadByte());
        cells.SetCell(cell.col, cell.row, cell.data); // off-table positions are dropped
    }
}

void ReadLines(CArchiveReader& ar, CLineArray& lines) {
    lines.ClearAll();
    const int count = ar.ReadWord();
    for (int i = 0; i < count; ++i) {
        const int a = ar.ReadByte();
        const int b = ar.ReadByte();
        const int kind = ar.ReadByte();
        lines.SetLine(a, b, kind);
    }
}

void ReadNativeSections(CArchiveReader& ar, NativeFraming framing, CCellArray& cells,
                        CLineArray& hLines, CLineArray& vLines, CCellSize& sizes) {
    const CWidthCountScope widthCount(framing == NativeFraming::OldSignature ? OLD_WIDTH_COUNT
                                                                             : MAX_CELLS);
    ReadWidths(ar, sizes);
    ReadCells(ar, cells);
    ReadLines(ar, hLines);
    ReadLines(ar, vLines);
}

bool ReadOldRecordMarker(CArchiveReader& ar) {
    ar.Rewind();
    if (ar.Length() < 1 + OLD_RECORD_MARKER.size())
        return false;
    const std::uint8_t first = ar.ReadByte();
    const std::string marker = ar.ReadBytes(OLD_RECORD_MARKER.size());
    return first == 0x00 && marker == OLD_RECORD_MARKER;
}

void ReadOldRecords(CArchiveReader& ar, CCellArray& cells, CLineArray& hLines, CLineArray& vLines) {
    CCellData rec;
    for (;;) {
        const int col = ar.ReadWord();
        const int row = ar.ReadWord();
        if (col == 0 && row == 0)
            break;
        const int colspan = ar.ReadWord();
        const int hplace = ar.ReadWord();
        ar.ReadWord(); // a value the format carries but nothing uses
        const std::size_t length = ar.ReadWord();
        std::string text = ar.ReadBytes(length);
        rec.SetColspan(colspan & 0xFF);
        rec.SetHplace(hplace);
        rec.SetText(std::move(text));
        cells.SetCell(col, row, rec);
    }
    for (CLineArray* lines : {&hLines, &vLines}) {
        for (;;) {
            const int a = ar.ReadWord();
            const int b = ar.ReadWord();
            if (a == 0 && b == 0)
                break;
            const int kind = ar.ReadByte();
            lines->SetLine(a, b, kind);
        }
    }
}
