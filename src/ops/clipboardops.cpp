#include "ops/clipboardops.h"

#include <algorithm>

#include "ops/insertdelete.h"

namespace hm {

namespace {

struct Range {
    int first = 1;
    int last = 0;
    int size() const { return std::max(last - first + 1, 0); }
};

Range Cut(int first, int last, int capacity) {
    return {std::max(first, 1), std::min(last, capacity)};
}

int LiftplanColumns(const Draft& d) {
    return std::clamp(d.LiftplanWidth, 0, MaxPatternShafts);
}

int ThreadLimit(const Draft& d, SelectionKind k) {
    switch (k) {
    case SelectionKind::PatternThreading:
    case SelectionKind::ThreadingA:
    case SelectionKind::ThreadingB:
    case SelectionKind::WarpColors:
        return std::clamp(d.Ends, 0, MaxEnds);
    case SelectionKind::WeftColors:
        return std::clamp(d.Picks, 0, MaxPicks);
    default: // treadlings reach every pick the arrays hold
        return MaxPicks;
    }
}

EndArrays OnlyEndArray(SelectionKind k) {
    EndArrays a{false, false, false, false};
    a.patternThreading = k == SelectionKind::PatternThreading;
    a.threadingA = k == SelectionKind::ThreadingA;
    a.threadingB = k == SelectionKind::ThreadingB;
    a.warpColors = k == SelectionKind::WarpColors;
    return a;
}

PickArrays OnlyPickArray(SelectionKind k) {
    PickArrays a{false, false, false, false};
    a.liftplan = k == SelectionKind::Liftplan;
    a.treadlingA = k == SelectionKind::TreadlingA;
    a.treadlingB = k == SelectionKind::TreadlingB;
    a.weftColors = k == SelectionKind::WeftColors;
    return a;
}

// Removes ends or picks 1..first-1 from one component, the rest moving forward.
void RemoveBefore(Draft& d, SelectionKind k, int first) {
    if (first <= 1) return;
    if (IsEndKind(k))
        DeleteEnds(d, 1, first - 1, OnlyEndArray(k));
    else
        DeletePicks(d, 1, first - 1, OnlyPickArray(k));
}

} // namespace

ClipboardContent CopyArea(const Draft& d, const ClipboardArea& a) {
    ClipboardContent c;
    c.kind = a.kind;
    c.sourceColumn = a.firstColumn;
    c.sourceRow = a.firstRow;
    if (a.kind == SelectionKind::Liftplan || a.kind == SelectionKind::DesignGrid) {
        const bool lift = a.kind == SelectionKind::Liftplan;
        const Range cols = Cut(a.firstColumn, a.lastColumn, lift ? MaxPatternShafts : DesignSize);
        const Range rows = Cut(a.firstRow, a.lastRow, lift ? MaxPicks : DesignSize);
        c.picture = ClipboardCellPicture(cols.size(), rows.size());
        for (int y = 0; y < rows.size(); ++y)
            for (int x = 0; x < cols.size(); ++x) {
                const int row = rows.first + y, col = cols.first + x;
                c.picture.set(x, y, lift ? d.GetLiftplan(row, col) : d.GetDesignCell(row, col));
            }
        return c;
    }
    const auto* values = ValuesOf(d, a.kind);
    if (!values) return c;
    const Range r = Cut(a.FirstThread(), a.LastThread(), MaxEnds);
    std::vector<uint8_t> list;
    list.reserve(static_cast<size_t>(r.size()));
    for (int i = r.first; i <= r.last; ++i) list.push_back((*values)[i]);
    if (IsColorKind(a.kind))
        c.colors = std::move(list);
    else
        c.picture = PictureFromThreadValues(list, GroupSize(d, a.kind));
    return c;
}

bool PastePicture(Draft& d, SelectionKind kind, int targetColumn, int targetRow,
                  const ClipboardCellPicture& p) {
    if (p.empty() || targetColumn < 1 || targetRow < 1) return false;
    if (IsGridKind(kind)) {
        const bool lift = kind == SelectionKind::Liftplan;
        const int lastCol = lift ? LiftplanColumns(d) : DesignSize;
        const int lastRow = lift ? MaxPicks : DesignSize;
        const int w = std::min(p.width(), lastCol - targetColumn + 1);
        const int h = std::min(p.height(), lastRow - targetRow + 1);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int row = targetRow + y, col = targetColumn + x;
                if (lift)
                    d.SetLiftplan(row, col, p.at(x, y));
                else
                    d.SetDesignCell(row, col, p.at(x, y));
            }
        return w > 0 && h > 0;
    }
    auto* values = ValuesOf(d, kind);
    if (!values || IsColorKind(kind)) return false;
    const int target = IsEndKind(kind) ? targetColumn : targetRow;
    const int limit = ThreadLimit(d, kind);
    const std::vector<uint8_t> decoded =
        ThreadValuesFromPicture(p, GroupSize(d, kind), limit - target + 1);
    for (size_t k = 0; k < decoded.size(); ++k)
        (*values)[target + static_cast<int>(k)] = decoded[k];
    return !decoded.empty();
}

bool PasteColorList(Draft& d, SelectionKind kind, int target, const ClipboardColorList& colors) {
    auto* values = ValuesOf(d, kind);
    if (!values || !IsColorKind(kind) || target < 1) return false;
    const int limit = ThreadLimit(d, kind);
    const int n = std::min(static_cast<int>(colors.size()), limit - target + 1);
    for (int k = 0; k < n; ++k) (*values)[target + k] = colors[static_cast<size_t>(k)];
    return n > 0;
}

StructureChange DeleteArea(Draft& d, const ClipboardArea& a) {
    if (IsEndKind(a.kind)) return DeleteEnds(d, a.firstColumn, a.lastColumn, OnlyEndArray(a.kind));
    if (IsTreadlingKind(a.kind) || a.kind == SelectionKind::WeftColors)
        return DeletePicks(d, a.firstRow, a.lastRow, OnlyPickArray(a.kind));
    if (a.kind == SelectionKind::Liftplan && a.firstColumn <= 1 && a.lastColumn >= d.PatternShafts)
        return DeletePicks(d, a.firstRow, a.lastRow, OnlyPickArray(a.kind));
    if (!IsGridKind(a.kind)) return StructureChange::Unchanged();
    const bool lift = a.kind == SelectionKind::Liftplan;
    const Range cols = Cut(a.firstColumn, a.lastColumn, lift ? MaxPatternShafts : DesignSize);
    const Range rows = Cut(a.firstRow, a.lastRow, lift ? MaxPicks : DesignSize);
    for (int row = rows.first; row <= rows.last; ++row)
        for (int col = cols.first; col <= cols.last; ++col) {
            if (lift)
                d.SetLiftplan(row, col, false);
            else
                d.SetDesignCell(row, col, false);
        }
    return StructureChange::Changed();
}

StructureChange CropToArea(Draft& d, const ClipboardArea& a) {
    if (a.kind == SelectionKind::None) return StructureChange::Unchanged();
    if (IsColorKind(a.kind)) {
        RemoveBefore(d, a.kind, a.FirstThread());
        return StructureChange::Changed(true);
    }
    if (a.kind == SelectionKind::DesignGrid) {
        RemoveBefore(d, SelectionKind::WarpColors, a.firstColumn);
        RemoveBefore(d, SelectionKind::WeftColors, a.firstRow);
    }
    const ClipboardContent kept = CopyArea(d, a);
    if (IsGridKind(a.kind)) {
        if (a.kind == SelectionKind::Liftplan) {
            d.ClearLiftplan(1);
        } else {
            d.ClearDesign(1, 1);
            d.FirstEnd = 0;
        }
        d.FirstPick = 0;
        PastePicture(d, a.kind, 1, 1, kept.picture);
        return StructureChange::Changed(true);
    }
    // A threading or treadling keeps its values as they are, even one beyond the
    // group's present size, which the picture could not carry.
    auto* values = ValuesOf(d, a.kind);
    if (!values) return StructureChange::Unchanged();
    const Range r = Cut(a.FirstThread(), a.LastThread(), MaxEnds);
    std::vector<uint8_t> part;
    for (int i = r.first; i <= r.last; ++i) part.push_back((*values)[i]);
    values->FillFrom(1, 0);
    const int limit = ThreadLimit(d, a.kind);
    for (int k = 0; k < std::min(static_cast<int>(part.size()), limit); ++k)
        (*values)[k + 1] = part[static_cast<size_t>(k)];
    (IsEndKind(a.kind) ? d.FirstEnd : d.FirstPick) = 0;
    return StructureChange::Changed(true);
}

} // namespace hm
