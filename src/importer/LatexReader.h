#pragma once

#include "SourceText.h"
#include "TableImport.h"

namespace importer_detail {

// Reads the first LaTeX table environment of text (code page 932 bytes) into table, which is
// empty on entry. Throws CSourceError.
void ReadLatexTable(const CSourceText& text, CImportedTable& table);

} // namespace importer_detail
