#include "ops/tieupspecial.h"

#include "ops/boundedcounts.h"

namespace hm {

namespace {

void TwillFromFirstRow(TieupBlock& t, int rows, int columns) {
    for (int c = 1; c <= columns; ++c)
        for (int s = 2; s <= rows; ++s) t(s, (c - 1 + s - 1) % columns + 1) = t(1, c);
}

// Copies cell (s, c) down its diagonal without wrapping.
void CopyDownDiagonal(TieupBlock& t, int rows, int columns, int s, int c) {
    for (int k = 1; s + k <= rows && c + k <= columns; ++k) t(s + k, c + k) = t(s, c);
}

void TwillFromFirstRowAndColumn(TieupBlock& t, int rows, int columns) {
    for (int c = 1; c <= columns; ++c) CopyDownDiagonal(t, rows, columns, 1, c);
    for (int s = 2; s <= rows; ++s) CopyDownDiagonal(t, rows, columns, s, 1);
}

void FlipHorizontal(TieupBlock& t, int rows, int columns) {
    for (int s = 1; s <= rows; ++s)
        for (int a = 1, b = columns; a < b; ++a, --b) std::swap(t(s, a), t(s, b));
}

void FlipVertical(TieupBlock& t, int rows, int columns) {
    for (int c = 1; c <= columns; ++c)
        for (int a = 1, b = rows; a < b; ++a, --b) std::swap(t(a, c), t(b, c));
}

void RotateSquare(TieupBlock& t, int rows, int columns) {
    const int size = std::min(rows, columns);
    const TieupBlock old = t;
    for (int r = 1; r <= size; ++r)
        for (int c = 1; c <= size; ++c) t(r, c) = old(size + 1 - c, r);
}

} // namespace

StructureChange TieupSpecial(Draft& d, const TieupSpecialChoice& choice) {
    const int rows = PatternTieupRows(d), columns = PatternTieupColumns(d);
    if (!choice.Any() || rows < 1 || columns < 1) return StructureChange::Unchanged();
    TieupBlock& t = d.PatternTieup;
    if (choice.twill1)
        TwillFromFirstRow(t, rows, columns);
    else if (choice.twill2)
        TwillFromFirstRowAndColumn(t, rows, columns);
    if (choice.flipH) FlipHorizontal(t, rows, columns);
    if (choice.flipV) FlipVertical(t, rows, columns);
    if (choice.rotate) RotateSquare(t, rows, columns);
    return StructureChange::Changed();
}

} // namespace hm
