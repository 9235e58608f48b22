#pragma once

#include "TableImport.h"

#include <memory>
#include <string>
#include <string_view>

// A fixture file under tests/data/importer, as bytes.
std::string ReadImporterData(const std::string& name);

// UTF-8 to code page 932 for test texts (the test fails on a character it cannot hold).
std::string Cp932(std::string_view utf8);

// Imports bytes; the test fails (and the result is empty) on an error.
std::unique_ptr<CImportedTable> ImportOrFail(std::string_view bytes, TableSourceFormat format);

// The imported table as lines a reader can check at a glance (texts shown as UTF-8):
//   "3x2 tabular"                       columns x rows, and the target the source was for
//   "(2,1) 'B' 2x1 l t"                 a record: position, text, then what is not default
//                                       (span, placement l/r, vertical placement t/b)
//   "h1 11-"  "v1 1-11"                 lines per row edge (h) and per row (v), one
//                                       character per column / column edge: '-' none,
//                                       1 single, 2 double; only those that have a line
//   "Cap='x'" ...                       options that are not default
std::string Describe(const CImportedTable& t);
