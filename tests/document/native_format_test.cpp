#include "DocTestUtil.h"
#include "NativeFormat.h"

#include <gtest/gtest.h>

using namespace doctest;

namespace {

struct CTable {
    CCellArray cells;
    CLineArray hLines;
    CLineArray vLines;
    CCellSize sizes;

    std::string Write() const { return WriteNativeBytes(cells, hLines, vLines, sizes); }
    void Read(const std::string& bytes) {
        CArchiveReader ar{std::string_view(bytes)};
        const NativeFraming framing = ReadFraming(ar);
        ASSERT_NE(framing, NativeFraming::Foreign);
        ReadNativeSections(ar, framing, cells, hLines, vLines, sizes);
        EXPECT_TRUE(ar.AtEnd());
    }
};

CCellData Rec(const std::string& text, int colspan = 1, int rowspan = 1, int hplace = 1,
              int vplace = 1) {
    CCellData d;
    d.text = text;
    d.colspan = static_cast<std::uint8_t>(colspan);
    d.rowspan = static_cast<std::uint8_t>(rowspan);
    d.hplace = static_cast<std::uint8_t>(hplace);
    d.vplace = static_cast<std::uint8_t>(vplace);
    return d;
}

std::string Hex(const std::string& bytes) {
    std::string s;
    char buf[4];
    for (const unsigned char b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", b);
        s += buf;
    }
    return s;
}

// Offset of the cell section in a current-format file.
constexpr std::size_t kCellSection = 2 + 42 + 500;

} // namespace

TEST(NativeWriter, EmptyTableIsTheFiveHundredFiftyByteFile) {
    CTable t;
    const std::string bytes = t.Write();
    EXPECT_EQ(bytes.size(), 550u);
    EXPECT_EQ(bytes, ReadBytes(DataPath("empty.brd")));
}

TEST(NativeWriter, CellRecordLayout) {
    CTable t;
    t.cells.SetCell(2, 3, Rec("ab", 2));
    const std::string bytes = t.Write();
    EXPECT_EQ(Hex(bytes.substr(kCellSection, 12)), "01 00 02 03 02 00 61 62 02 01 01 01 ");
    EXPECT_EQ(Hex(bytes.substr(kCellSection + 12)), "00 00 00 00 ");
}

TEST(NativeWriter, LineRecordLayout) {
    CTable t;
    t.hLines.SetLine(1, 251, LINE_DOUBLE);
    const std::string bytes = t.Write();
    EXPECT_EQ(Hex(bytes.substr(kCellSection)), "00 00 01 00 01 FB 02 00 00 ");
}

TEST(NativeWriter, RecordsAndLinesInStorageOrder) {
    CTable t;
    t.cells.SetCell(1, 2, Rec("c"));
    t.cells.SetCell(5, 1, Rec("b"));
    t.cells.SetCell(4, 1, Rec("a"));
    t.vLines.SetLine(3, 1, 1); // row 3, column edge 1
    t.vLines.SetLine(1, 2, 2); // row 1, column edge 2
    t.vLines.SetLine(2, 1, 1);
    const std::string bytes = t.Write();
    std::string cellPositions;
    std::size_t at = kCellSection + 2;
    for (int i = 0; i < 3; ++i) {
        cellPositions += Hex(bytes.substr(at, 2));
        at += 2 + 2 + 1 + 4;
    }
    EXPECT_EQ(cellPositions, "04 01 05 01 01 02 ");
    EXPECT_EQ(Hex(bytes.substr(at)), "00 00 03 00 02 01 01 03 01 01 01 02 02 ");
}

TEST(NativeFormat, WriteReadWriteGivesIdenticalBytes) {
    CTable t;
    t.sizes.SetWidth(1, 120);
    t.sizes.SetWidth(250, 25);
    t.sizes.SetWidth(77, 500);
    t.cells.SetCell(1, 1, Rec(Cp932("表の見出し"), 3, 2, 0, 2));
    t.cells.SetCell(250, 250, Rec("last", 1, 1, 2, 0));
    t.cells.SetCell(10, 20, Rec("", 4, 1, 1, 1)); // a present record with empty text
    t.cells.SetCell(11, 20, Rec("line\r\nbreak", 1, 7, 2, 2));
    t.hLines.SetLine(1, 251, LINE_DOUBLE);
    t.hLines.SetLine(250, 1, LINE_SINGLE);
    t.vLines.SetLine(250, 251, LINE_SINGLE);
    t.vLines.SetLine(3, 7, 9); // kinds are stored as they are
    const std::string first = t.Write();

    CTable back;
    back.sizes.SetWidth(5, 333); // overwritten: the file carries all 250 widths
    back.cells.SetCell(9, 9, Rec("stale"));
    back.hLines.SetLine(9, 9, 1);
    back.Read(first);
    EXPECT_EQ(back.Write(), first);
    for (int c = 1; c <= MAX_CELLS; ++c)
        ASSERT_EQ(back.sizes.GetWidth(c), t.sizes.GetWidth(c)) << "column " << c;
    EXPECT_EQ(back.cells.Count(), 4);
    ASSERT_NE(back.cells.GetCell(1, 1), nullptr);
    EXPECT_EQ(*back.cells.GetCell(1, 1), *t.cells.GetCell(1, 1));
    EXPECT_EQ(back.vLines.GetLine(3, 7), 9);
    EXPECT_EQ(back.hLines.GetLine(9, 9), LINE_NONE);
}

TEST(NativeFormat, FullTableRoundTrip) {
    CTable t;
    for (int r = 1; r <= MAX_CELLS; ++r)
        for (int c = 1; c <= MAX_CELLS; ++c)
            t.cells.SetCell(c, r, Rec(std::to_string(c * 1000 + r), 1, 1, c % 3, r % 3));
    for (int b = 1; b <= MAX_EDGE; ++b)
        for (int a = 1; a <= MAX_CELLS; ++a) {
            t.hLines.SetLine(a, b, 1 + (a + b) % 2);
            t.vLines.SetLine(a, b, LINE_SINGLE);
        }
    const std::string first = t.Write();
    // Counts 62,500 and 62,750 still fit the 16-bit fields.
    EXPECT_EQ(static_cast<unsigned char>(first[kCellSection]) |
                  static_cast<unsigned char>(first[kCellSection + 1]) << 8,
              62500);
    CTable back;
    back.Read(first);
    EXPECT_EQ(back.hLines.Count(), CLineArray::ENTRY_COUNT);
    EXPECT_EQ(back.Write(), first);
}

// A text longer than the 16-bit length field is cut on a character boundary, so the
// length always matches the bytes and the rest of the file stays readable.
TEST(NativeWriter, OverlongTextIsCutOnACharacterBoundary) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t written;
    };
    const std::string kanji = Cp932("漢");
    const Case cases[] = {
        {"exactly 65535 bytes", std::string(65535, 'a'), 65535},
        {"double-byte character across the limit", std::string(65534, 'a') + kanji, 65534},
        {"double-byte character ends at the limit", std::string(65533, 'a') + kanji + "b", 65535},
        {"70000 bytes", std::string(70000, 'x'), 65535},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CTable t;
        t.cells.SetCell(1, 1, Rec(c.text, 2));
        t.hLines.SetLine(4, 5, 2);
        const std::string bytes = t.Write();
        const std::size_t length = static_cast<unsigned char>(bytes[kCellSection + 4]) |
                                   static_cast<unsigned char>(bytes[kCellSection + 5]) << 8;
        EXPECT_EQ(length, c.written);
        CTable back;
        back.Read(bytes);
        ASSERT_NE(back.cells.GetCell(1, 1), nullptr);
        EXPECT_EQ(back.cells.GetCell(1, 1)->text, c.text.substr(0, c.written));
        EXPECT_EQ(back.cells.GetCell(1, 1)->colspan, 2);
        EXPECT_EQ(back.hLines.GetLine(4, 5), 2);
    }
}

TEST(NativeReader, Framing) {
    struct Case {
        const char* name;
        std::string bytes;
        int expect; // NativeFraming, or -1 for the end-of-file error
    };
    const std::string sig(NATIVE_SIGNATURE);
    const std::string old(OLD_SIGNATURE);
    const Case cases[] = {
        {"empty file", "", -1},
        {"single 0x1A", "\x1A", -1},
        {"0x1A 0x1A and 41 signature bytes", "\x1A\x1A" + sig.substr(0, 41), -1},
        {"one other byte", "A", int(NativeFraming::Foreign)},
        {"one zero byte", std::string(1, '\0'), int(NativeFraming::Foreign)},
        {"0x1A then another byte",
         "\x1A"
         "A",
         int(NativeFraming::Foreign)},
        {"current signature", "\x1A\x1A" + sig, int(NativeFraming::Current)},
        {"old signature", "\x1A\x1A" + old, int(NativeFraming::OldSignature)},
        {"unknown signature", "\x1A\x1A" + std::string(42, 'x'), int(NativeFraming::Foreign)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CArchiveReader ar{std::string_view(c.bytes)};
        if (c.expect < 0) {
            try {
                ReadFraming(ar);
                ADD_FAILURE() << "no error";
            } catch (const CArchiveException& e) {
                EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
            }
        } else {
            EXPECT_EQ(int(ReadFraming(ar)), c.expect);
        }
    }
}

TEST(NativeReader, OldSignatureReadsFiftyWidthsAndKeepsTheOthers) {
    CTable t;
    t.sizes.SetWidth(51, 77);
    t.sizes.SetWidth(250, 88);
    t.Read(ReadBytes(DataPath("oldsig.brd")));
    for (int c = 1; c <= 50; ++c)
        ASSERT_EQ(t.sizes.GetWidth(c), 59 + c) << "column " << c;
    EXPECT_EQ(t.sizes.GetWidth(51), 77);
    EXPECT_EQ(t.sizes.GetWidth(52), 100);
    EXPECT_EQ(t.sizes.GetWidth(250), 88);
    ASSERT_NE(t.cells.GetCell(5, 6), nullptr);
    EXPECT_EQ(*t.cells.GetCell(5, 6), Rec("old", 1, 2, 2, 0));
    EXPECT_EQ(t.hLines.GetLine(5, 7), LINE_SINGLE);
    EXPECT_EQ(g_nWidthCount, 250);
}

// A truncated old-signature file must not leave the reader taking 50 widths afterwards.
TEST(NativeReader, WidthCountIsRestoredAfterATruncatedOldSignatureFile) {
    std::string bytes = ReadBytes(DataPath("oldsig.brd"));
    bytes.resize(2 + 42 + 60);
    CTable t;
    CArchiveReader ar{std::string_view(bytes)};
    ASSERT_EQ(ReadFraming(ar), NativeFraming::OldSignature);
    EXPECT_THROW(
        ReadNativeSections(ar, NativeFraming::OldSignature, t.cells, t.hLines, t.vLines, t.sizes),
        CArchiveException);
    EXPECT_EQ(g_nWidthCount, 250);

    CTable full;
    full.sizes.SetWidth(200, 222);
    CTable back;
    back.Read(full.Write());
    EXPECT_EQ(back.sizes.GetWidth(200), 222);
}

// One record object is reused while reading: an invalid span or placement keeps the value
// of the record before; positions off the table are read and dropped; a later record for
// the same cell merges over the earlier one; line triples off the table are skipped.
TEST(NativeReader, RecordQuirks) {
    std::string bytes = "\x1A\x1A" + std::string(NATIVE_SIGNATURE);
    for (int c = 0; c < 250; ++c)
        bytes += std::string("\x64\x00", 2);
    auto cell = [](int col, int row, const std::string& text, int cs, int rs, int h, int v) {
        std::string s;
        s += char(col);
        s += char(row);
        s += char(text.size() & 0xFF);
        s += char(text.size() >> 8);
        s += text;
        s += {char(cs), char(rs), char(h), char(v)};
        return s;
    };
    bytes += std::string("\x05\x00", 2);
    bytes += cell(1, 1, "a", 3, 2, 0, 2);
    bytes += cell(2, 2, "b", 0, 0, 7, 3); // keeps colspan 3, rowspan 2, hplace 0, vplace 2
    bytes += cell(0, 4, "off", 1, 1, 1, 1);
    bytes += cell(251, 4, "off", 1, 1, 1, 1);
    bytes += cell(1, 1, "again", 1, 0, 2, 9); // rowspan, vplace: from the "off" record
    bytes += std::string("\x03\x00", 2) + std::string("\x00\x05\x01\x05\xFC\x01\x03\x04\x01", 9);
    bytes += std::string("\x02\x00", 2) + std::string("\x03\x04\x01\x03\x04\x02", 6);
    CTable t;
    t.Read(bytes);
    EXPECT_EQ(t.cells.Count(), 2);
    EXPECT_EQ(*t.cells.GetCell(2, 2), Rec("b", 3, 2, 0, 2));
    EXPECT_EQ(*t.cells.GetCell(1, 1), Rec("again", 1, 1, 2, 1));
    EXPECT_EQ(t.hLines.Count(), 1);
    EXPECT_EQ(t.hLines.GetLine(3, 4), LINE_SINGLE);
    EXPECT_EQ(t.vLines.GetLine(3, 4), LINE_DOUBLE);
}

TEST(NativeReader, TruncatedSectionsRaiseEndOfFile) {
    CTable t;
    t.cells.SetCell(2, 3, Rec("ab", 2));
    t.hLines.SetLine(1, 251, LINE_DOUBLE);
    t.vLines.SetLine(1, 1, LINE_SINGLE);
    const std::string bytes = t.Write();
    for (std::size_t n = 44; n < bytes.size(); n += (n < 560 ? 37 : 1)) {
        SCOPED_TRACE("cut at " + std::to_string(n));
        const std::string cut = bytes.substr(0, n);
        CTable back;
        CArchiveReader ar{std::string_view(cut)};
        ASSERT_EQ(ReadFraming(ar), NativeFraming::Current);
        try {
            ReadNativeSections(ar, NativeFraming::Current, back.cells, back.hLines, back.vLines,
                               back.sizes);
            ADD_FAILURE() << "no error";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
        }
    }
}
