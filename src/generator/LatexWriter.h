#pragma once

#include "GenerateTypes.h"
#include "Options.h"

#include <string>

// LaTeX tabular (array false) or array (array true) source of region into out.
void WriteLatex(bool array, const CGenerateModel& model, const CCellRect& region,
                const COptionsRecord& options, std::string& out, IGenerateProgress* progress);

// Rule kind 0, 1 or 2 for column edge `edge` of the column specification, by majority over
// rows y1..y2; ties go to none, then single. Kinds above 2 count as single.
int VoteColumnRule(const CLineArray& vLines, int y1, int y2, int edge);

// Placement 0, 1 or 2 of column col by majority of the records in rows y1..y2; cells without
// a record do not vote, and ties go to left, then centre.
int VoteColumnPlace(const CCellArray& cells, int y1, int y2, int col);
