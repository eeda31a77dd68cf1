#pragma once
// The rows (shafts) or the columns (treadles) of a 32 x 32 tie-up as lines that
// can be moved, cleared and exchanged, each over its first `span` cells, so
// that one piece of code serves both directions.

#include <utility>

#include "model/draft.h"

namespace hm {

struct TieupLines {
    TieupBlock& tieup;
    bool columns; // the lines are columns rather than rows
    int span;     // cells of each line in use, at most 32

    uint8_t& Cell(int line, int i) { return columns ? tieup(i, line) : tieup(line, i); }

    struct Line {
        TieupLines& lines;
        int index;
        Line& operator=(const Line& other) {
            for (int i = 1; i <= lines.span; ++i) lines.Cell(index, i) = lines.Cell(other.index, i);
            return *this;
        }
    };
    Line operator[](int line) { return Line{*this, line}; }

    void Clear(int line) {
        for (int i = 1; i <= span; ++i) Cell(line, i) = TieNone;
    }
    void Exchange(int a, int b) {
        for (int i = 1; i <= span; ++i) std::swap(Cell(a, i), Cell(b, i));
    }
};

} // namespace hm
