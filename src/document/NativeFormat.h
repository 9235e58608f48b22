#pragma once

#include "Archive.h"
#include "CellArray.h"
#include "CellSize.h"
#include "LineArray.h"

#include <string>
#include <string_view>

// The native table file (.brd): 0x1A 0x1A, a 42-byte signature, 250 column widths, the cell
// section and the two line sections. All numbers little-endian; no version, no terminator.
inline constexpr std::string_view NATIVE_SIGNATURE = "Only for [VisualBrindleR1.5x by R.Ostvald]";
// Older files with the same layout but only 50 widths.
inline constexpr std::string_view OLD_SIGNATURE = "Only for [Brindle for Win32 v2.X by KESTA]";
// After a 0x00 byte, the marker of the old record format (code page 932).
inline constexpr std::string_view OLD_RECORD_MARKER =
    "Brindle for Win32\x90\xea\x97\x70\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xbe\x82\xe6";
inline constexpr unsigned char NATIVE_MARK = 0x1A;
inline constexpr int OLD_WIDTH_COUNT = 50;

// What the first 44 bytes of a file say.
enum class NativeFraming { Current, OldSignature, Foreign };

// Writing: the whole file, and its sections one by one.
std::string WriteNativeBytes(const CCellArray& cells, const CLineArray& hLines,
                             const CLineArray& vLines, const CCellSize& sizes);
void WriteWidths(CArchiveWriter& ar, const CCellSize& sizes);
void WriteCell(CArchiveWriter& ar, const CCell& cell);
void WriteCells(CArchiveWriter& ar, const CCellArray& cells);
void WriteLines(CArchiveWriter& ar, const CLineArray& lines);

// Reading. Each raises CArchiveException (endOfFile) when the data ends early.
// Reads 0x1A, 0x1A and the signature; stops at the first byte that does not fit.
NativeFraming ReadFraming(CArchiveReader& ar);
// Reads g_nWidthCount widths into columns 1, 2, ...
void ReadWidths(CArchiveReader& ar, CCellSize& sizes);
void ReadCells(CArchiveReader& ar, CCellArray& cells);
void ReadLines(CArchiveReader& ar, CLineArray& lines);
// After framing: widths (50 of them for the old signature), cells, horizontal and vertical lines.
void ReadNativeSections(CArchiveReader& ar, NativeFraming framing, CCellArray& cells,
                        CLineArray& hLines, CLineArray& vLines, CCellSize& sizes);

// True when the data starts with 0x00 and the old record marker. Rewinds first and leaves
// the reader after the marker; false (never an error) for shorter data.
bool ReadOldRecordMarker(CArchiveReader& ar);
// The records of the old format after the marker. A record is stored only once it has been
// read completely, so an early end (endOfFile) keeps the records before it.
void ReadOldRecords(CArchiveReader& ar, CCellArray& cells, CLineArray& hLines, CLineArray& vLines);
