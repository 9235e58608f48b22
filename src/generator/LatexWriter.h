#pragma once

#include "GenerateTypes.h"
#include "Options.h"

#include <array>
#include <string>

// LaTeX tabular (array false) or array (array true) source of region into out.
void WriteLatex(bool array, const CGenerateModel& model, const CCellRect& region,
                const COptionsRecord& options, std::string& out, IGenerateProgress* progress);

// Rule kind 0, 1 or 2 for column edge `edge` of the column specification, by majority over
// rows y1..y2; ties go to none, then single. Kinds above 2 count as single.
int VoteColumnRule(const CLineArray& vLines, int y1, int y2, int edge);

// The placement vote of one column: each record votes with its hplace (0 left, 2 right, any
// other value centre); the majority wins, ties going to left, then centre.
class CPlaceVote {
public:
    void Add(int hplace) { ++m_votes[hplace == 0 ? 0 : hplace == 2 ? 2 : 1]; }
    // Placement 0, 1 or 2.
    int Winner() const;

private:
    std::array<int, 3> m_votes{};
};

// Placement 0, 1 or 2 of column col by the vote of the records in rows y1..y2; cells without a
// record do not vote. WriteLatex counts the same vote in its one pass over the region.
int VoteColumnPlace(const CCellArray& cells, int y1, int y2, int col);
