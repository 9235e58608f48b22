#pragma once

#include "SourceText.h"
#include "TableImport.h"

namespace importer_detail {

// Reads the first TABLE element of the source (its UTF-8 form parsed, cell texts taken from
// its code page 932 form) into table, which is empty on entry. Throws CSourceError with
// offsets into the UTF-8 text.
void ReadHtmlTable(const CDecodedSource& source, CImportedTable& table);

} // namespace importer_detail
