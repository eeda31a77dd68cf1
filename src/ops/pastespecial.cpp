#include "ops/pastespecial.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace hm {

namespace {

// With "Fill Remaining", as many copies as fit, at most these many.
constexpr int FillCopiesLiftplan = 60000;
constexpr int FillCopiesDesign = DesignSize;
constexpr int FillCopiesList = 60000;

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}
int64_t CeilDiv(int64_t a, int64_t b) {
    return -FloorDiv(-a, b);
}
int Mod(int64_t a, int m) {
    const int64_t r = a % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

// The copies c in 0..n-1 whose span [start + c * step, start + c * step + length)
// holds position u along one axis, as lo..hi (empty when lo > hi).
struct CopySpan {
    int64_t lo = 0;
    int64_t hi = -1;
};
CopySpan CopiesHolding(int64_t u, int64_t start, int64_t step, int64_t length, int64_t n) {
    const int64_t v = u - start;
    CopySpan s;
    if (step == 0) {
        if (v >= 0 && v < length) s = {0, n - 1};
    } else if (step > 0) {
        s = {CeilDiv(v - length + 1, step), FloorDiv(v, step)};
    } else {
        s = {CeilDiv(-v, -step), FloorDiv(length - 1 - v, -step)};
    }
    s.lo = std::max<int64_t>(s.lo, 0);
    s.hi = std::min<int64_t>(s.hi, n - 1);
    return s;
}

// The cell a copy writes at (x, y) of its frame.
struct CopyLook {
    const ClipboardCellPicture& picture;
    const PasteSpecialOptions& options;

    bool Cell(int64_t copy, int x, int y) const {
        const bool toggled = copy % 2 == 0; // the first copy flips, the second not, ...
        const int w = picture.width(), h = picture.height();
        if (toggled && options.flipHorizontal) x = w - 1 - x;
        if (toggled && options.flipVertical) y = h - 1 - y;
        const int turns = options.rotate ? static_cast<int>((copy + 1) % 4) : 0;
        return TurnedPixel(picture, turns, x, y) != (toggled && options.negative);
    }
};

bool PasteLiftplanCopies(Draft& d, int sourceColumn, int sourceRow, int targetColumn, int targetRow,
                         const ClipboardCellPicture& picture, const PasteSpecialOptions& o) {
    const int columns = std::clamp(d.LiftplanWidth, 0, MaxPatternShafts);
    const int lastPick = std::clamp(d.Picks, 0, MaxPicks);
    if (columns < 1 || targetRow < 1 || targetRow > lastPick) return false;
    // A copy wider than the liftplan would wrap onto itself: it is cut to the
    // liftplan's width.
    ClipboardCellPicture p = picture;
    if (p.width() > columns) {
        p = ClipboardCellPicture(columns, picture.height());
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < columns; ++x) p.set(x, y, picture.at(x, y));
    }
    const int w = p.width(), h = p.height();
    const int64_t dx = targetColumn - sourceColumn, dy = targetRow - sourceRow;
    // One copy unless the target lies below the source; no copy starts after Picks.
    int64_t n = 1;
    if (dy > 0) {
        const int64_t wanted = o.fillRemaining ? FillCopiesLiftplan : o.copies;
        n = std::min<int64_t>(wanted, (lastPick - targetRow) / dy + 1);
    }
    // Copy c starts at column start0 + c * step (0-based, round the liftplan).
    // The starts repeat after `period` copies, so among the copies that hold a
    // pick, the last `period` of them are all that can hold a given shaft.
    const int start0 = Mod(targetColumn - 1, columns);
    const int step = Mod(dx, columns);
    const int64_t period = columns / std::gcd(step, columns);
    const int64_t lastRow = std::min<int64_t>(lastPick, targetRow + (n - 1) * dy + h - 1);
    const CopyLook look{p, o};
    bool wrote = false;
    for (int64_t row = targetRow; row <= lastRow; ++row) {
        const CopySpan span = CopiesHolding(row, targetRow, dy, h, n);
        if (span.lo > span.hi) continue;
        const int64_t oldest = std::max(span.lo, span.hi - period + 1);
        for (int shaft = 1; shaft <= columns; ++shaft) {
            for (int64_t c = span.hi; c >= oldest; --c) {
                const int x = Mod(shaft - 1 - start0 - c * step, columns);
                if (x >= w) continue;
                const int y = static_cast<int>(row - targetRow - c * dy);
                d.SetLiftplan(static_cast<int>(row), shaft, look.Cell(c, x, y));
                wrote = true;
                break;
            }
        }
    }
    return wrote;
}

bool PasteDesignCopies(Draft& d, int sourceColumn, int sourceRow, int targetColumn, int targetRow,
                       const ClipboardCellPicture& p, const PasteSpecialOptions& o) {
    if (targetColumn < 1 || targetRow < 1 || targetColumn > DesignSize || targetRow > DesignSize)
        return false;
    const int w = p.width(), h = p.height();
    const int64_t dx = targetColumn - sourceColumn, dy = targetRow - sourceRow;
    int64_t n = 1;
    if (dx != 0 || dy != 0) {
        const int64_t wanted = o.fillRemaining ? FillCopiesDesign : o.copies;
        // Copies stop when the next start lies beyond 2400; a copy wholly before
        // column or row 1 writes nothing, and neither would any after it.
        n = 0;
        while (n < wanted) {
            const int64_t c0 = targetColumn + n * dx, r0 = targetRow + n * dy;
            if (c0 > DesignSize || r0 > DesignSize || c0 + w - 1 < 1 || r0 + h - 1 < 1) break;
            ++n;
        }
    }
    const int64_t lastC0 = targetColumn + (n - 1) * dx, lastR0 = targetRow + (n - 1) * dy;
    const int64_t colFrom = std::max<int64_t>(1, std::min<int64_t>(targetColumn, lastC0));
    const int64_t colTo =
        std::min<int64_t>(DesignSize, std::max<int64_t>(targetColumn, lastC0) + w - 1);
    const int64_t rowFrom = std::max<int64_t>(1, std::min<int64_t>(targetRow, lastR0));
    const int64_t rowTo =
        std::min<int64_t>(DesignSize, std::max<int64_t>(targetRow, lastR0) + h - 1);
    const CopyLook look{p, o};
    bool wrote = false;
    for (int64_t row = rowFrom; row <= rowTo; ++row) {
        const CopySpan rows = CopiesHolding(row, targetRow, dy, h, n);
        if (rows.lo > rows.hi) continue;
        for (int64_t col = colFrom; col <= colTo; ++col) {
            const CopySpan cols = CopiesHolding(col, targetColumn, dx, w, n);
            const int64_t c = std::min(rows.hi, cols.hi); // the last copy holding the cell
            if (c < std::max(rows.lo, cols.lo)) continue;
            const int x = static_cast<int>(col - targetColumn - c * dx);
            const int y = static_cast<int>(row - targetRow - c * dy);
            d.SetDesignCell(static_cast<int>(row), static_cast<int>(col), look.Cell(c, x, y));
            wrote = true;
        }
    }
    return wrote;
}

// Brings v + shift into 1..m.
uint8_t Shifted(int v, int shift, int m) {
    return static_cast<uint8_t>(Mod(v - 1 + shift, m) + 1);
}

} // namespace

PasteSpecialFields FieldsForKind(SelectionKind kind, int groupSize) {
    PasteSpecialFields f;
    f.insert = IsThreadKind(kind) || IsColorKind(kind);
    f.negative = f.rotate = IsGridKind(kind);
    f.flipHorizontal = kind != SelectionKind::WeftColors;
    f.flipVertical = kind != SelectionKind::WarpColors;
    f.advance = IsThreadKind(kind);
    f.advanceLimit = f.advance ? std::max(groupSize - 1, 0) : 0;
    return f;
}

PasteSpecialOptions OptionsForKind(PasteSpecialOptions o, const PasteSpecialFields& f) {
    o.copies = std::clamp(o.copies, 1, MaxPasteCopies);
    o.insert = o.insert && f.insert;
    o.negative = o.negative && f.negative;
    o.rotate = o.rotate && f.rotate;
    o.flipHorizontal = o.flipHorizontal && f.flipHorizontal;
    o.flipVertical = o.flipVertical && f.flipVertical;
    if (!f.advance || o.advance < -f.advanceLimit || o.advance > f.advanceLimit) o.advance = 0;
    return o;
}

bool TurnedPixel(const ClipboardCellPicture& p, int turns, int x, int y) {
    const int w = p.width(), h = p.height();
    switch (Mod(turns, 4)) {
    case 1:
        return p.at(w - 1 - y, x);
    case 2:
        return p.at(w - 1 - x, h - 1 - y);
    case 3:
        return p.at(y, h - 1 - x);
    default:
        return p.at(x, y);
    }
}

bool PasteSpecialPicture(Draft& d, SelectionKind kind, int sourceColumn, int sourceRow,
                         int targetColumn, int targetRow, const ClipboardCellPicture& picture,
                         const PasteSpecialOptions& options) {
    if (picture.empty()) return false;
    const PasteSpecialOptions o = OptionsForKind(options, FieldsForKind(kind, GroupSize(d, kind)));
    if (kind == SelectionKind::Liftplan)
        return PasteLiftplanCopies(d, sourceColumn, sourceRow, targetColumn, targetRow, picture, o);
    if (kind == SelectionKind::DesignGrid)
        return PasteDesignCopies(d, sourceColumn, sourceRow, targetColumn, targetRow, picture, o);
    if (!IsThreadKind(kind)) return false;
    const bool ends = IsEndKind(kind);
    return PasteSpecialList(d, kind, ends ? sourceColumn : sourceRow,
                            ends ? targetColumn : targetRow,
                            ThreadValuesFromPicture(picture, GroupSize(d, kind)), o);
}

bool PasteSpecialList(Draft& d, SelectionKind kind, int source, int target,
                      const std::vector<uint8_t>& values, const PasteSpecialOptions& options) {
    auto* array = ValuesOf(d, kind);
    if (!array || values.empty() || target < 1) return false;
    const int m = GroupSize(d, kind); // 0 for the colours: no mirror, no advance
    const PasteSpecialOptions o = OptionsForKind(options, FieldsForKind(kind, m));
    const int limit =
        IsEndKind(kind) ? std::clamp(d.Ends, 0, MaxEnds) : std::clamp(d.Picks, 0, MaxPicks);
    if (target > limit) return false;
    const bool treadling = IsTreadlingKind(kind) || kind == SelectionKind::WeftColors;
    const bool reverse = treadling ? o.flipVertical : o.flipHorizontal;
    const bool mirror = m > 0 && (treadling ? o.flipHorizontal : o.flipVertical);
    const int length = static_cast<int>(std::min<size_t>(values.size(), MaxEnds));
    const int copies = target > source ? (o.fillRemaining ? FillCopiesList : o.copies) : 1;

    std::vector<uint8_t> saved;
    if (o.insert)
        for (int i = target; i <= limit; ++i) saved.push_back((*array)[i]);
    int shift = 0;
    int pos = target;
    for (int copy = 0; copy < copies && pos <= limit; ++copy, pos += length) {
        const bool toggled = copy % 2 == 0; // the first copy flips, the second not, ...
        if (m > 0) {
            shift += o.advance;
            if (shift < -m || shift > m) shift %= m;
        }
        for (int k = 0; k < length && pos + k <= limit; ++k) {
            int v = values[static_cast<size_t>(toggled && reverse ? length - 1 - k : k)];
            if (m > 0 && v != 0) {
                if (toggled && mirror) v = m - v + 1;
                v = Shifted(v, shift, m);
            }
            (*array)[pos + k] = static_cast<uint8_t>(v);
        }
    }
    for (size_t k = 0; k < saved.size() && pos + static_cast<int>(k) <= limit; ++k)
        (*array)[pos + static_cast<int>(k)] = saved[k];
    return true;
}

} // namespace hm
