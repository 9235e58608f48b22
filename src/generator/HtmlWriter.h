#pragma once

#include "GenerateTypes.h"
#include "Options.h"

#include <string>

// HTML TABLE source of region into out: one TR line per row, placements as ALIGN attributes.
void WriteHtml(const CGenerateModel& model, const CCellRect& region, const COptionsRecord& options,
               std::string& out, IGenerateProgress* progress);
