#include "tools/ui/mousetools.h"

#include <QEvent>
#include <QMouseEvent>
#include <algorithm>
#include <set>
#include <utility>

#include "model/drawdown.h"
#include "tools/mouseedit.h"
#include "view/ui/draftview.h"
#include "view/ui/tooloverlay.h"
#include "view/viewareas.h"

namespace hm {

namespace {

void SortUnique(std::vector<int>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// A cell of a threading or treadling: the visible end (pick) and the shaft
// (treadle) it names.
struct EntryCell {
    int index;
    int entry;
};
EntryCell EntryCellOf(ViewArea sequence, CellPoint p) {
    return IsThreadingArea(sequence) ? EntryCell{p.x, p.y} : EntryCell{p.y, p.x};
}

} // namespace

MouseTools::MouseTools(DraftView* view, ToolHooks hooks, QObject* parent)
    : QObject(parent), view_(view), overlay_(ToolOverlay::Of(view)), hooks_(std::move(hooks)) {
    setObjectName("MouseTools");
    view_->setMouseTracking(true);
    view_->installEventFilter(this);
}

// The view may be gone already; Qt drops the event filter with this object.
MouseTools::~MouseTools() = default;

const DraftLayout& MouseTools::L() const {
    return view_->layout();
}

Draft& MouseTools::D() const {
    return view_->draft();
}

bool MouseTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = e->position().toPoint();
        MouseDown(p.x(), p.y(), e->button(), e->modifiers());
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = e->position().toPoint();
        MouseMove(p.x(), p.y(), e->buttons());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        MouseUp(e->button());
        return true;
    }
    case QEvent::Leave:
        mouseInside_ = false;
        if (hooks_.showCellInfo) hooks_.showCellInfo(0, 0, 0);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- cells

CellPoint MouseTools::CellAt(ViewArea area, int x, int y) const {
    const DraftLayout& l = L();
    if (IsThreadingArea(area)) return {l.EndIndexAt(x), l.ShaftAt(area, y)};
    if (IsTreadlingArea(area) || area == ViewArea::Liftplan)
        return {l.TreadleAt(area, x), l.PickIndexAt(y)};
    if (IsTieupArea(area)) return {l.TreadleAt(area, x), l.ShaftAt(area, y)};
    if (area == ViewArea::WarpColors) return {l.EndIndexAt(x), 1};
    if (area == ViewArea::WeftColors) return {1, l.PickIndexAt(y)};
    if (area == ViewArea::Drawdown) return {l.EndIndexAt(x), l.PickIndexAt(y)};
    return {};
}

bool MouseTools::ValidCell(ViewArea area, CellPoint p) const {
    const DraftLayout& l = L();
    auto endOk = [&](int i) { return i >= 1 && i <= l.visibleEnds && i + l.firstEnd <= MaxEnds; };
    auto pickOk = [&](int j) {
        return j >= 1 && j <= l.visiblePicks && j + l.firstPick <= MaxPicks;
    };
    if (IsThreadingArea(area)) return endOk(p.x) && p.y >= 1 && p.y <= l.ShaftCount(area);
    if (IsTreadlingArea(area) || area == ViewArea::Liftplan)
        return pickOk(p.y) && p.x >= 1 && p.x <= l.TreadleCount(area);
    if (IsTieupArea(area))
        return p.x >= 1 && p.x <= l.TreadleCount(area) && p.y >= 1 && p.y <= l.ShaftCount(area);
    if (area == ViewArea::WarpColors) return endOk(p.x);
    if (area == ViewArea::WeftColors) return pickOk(p.y);
    if (area == ViewArea::Drawdown) return endOk(p.x) && pickOk(p.y);
    return false;
}

void MouseTools::ShowCellInfoAt(int x, int y) {
    // A fabric view keeps its own status texts ("Compressed").
    if (!hooks_.showCellInfo || Hook(hooks_.fabricView)) return;
    const DraftLayout& l = L();
    const ViewArea area = l.AreaAt(x, y, true);
    const CellPoint p = CellAt(area, x, y);
    if (area == ViewArea::None || !ValidCell(area, p)) {
        hooks_.showCellInfo(0, 0, 0);
        return;
    }
    const int end = p.x + l.firstEnd;
    const int pick = p.y + l.firstPick;
    if (IsThreadingArea(area))
        hooks_.showCellInfo(1, end, p.y);
    else if (area == ViewArea::Liftplan)
        hooks_.showCellInfo(2, p.x, pick);
    else if (area == ViewArea::Drawdown)
        hooks_.showCellInfo(3, end, pick);
    else if (area == ViewArea::WarpColors)
        hooks_.showCellInfo(4, end, D().WarpColors[end]);
    else if (area == ViewArea::WeftColors)
        hooks_.showCellInfo(5, D().WeftColors[pick], pick);
    else if (IsTieupArea(area))
        hooks_.showCellInfo(6, p.x, p.y);
    else if (IsTreadlingArea(area))
        hooks_.showCellInfo(7, p.x, pick);
}

ViewArea MouseTools::AreaUnder(std::span<const ViewArea> order, int x, int y) const {
    const DraftLayout& l = L();
    for (ViewArea a : order)
        if (l.AreaContains(a, x, y)) return a;
    if (l.designMode && l.AreaContains(ViewArea::Drawdown, x, y)) return ViewArea::Drawdown;
    return ViewArea::None;
}

// ---------------------------------------------------------------- events

void MouseTools::MouseDown(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    lastX_ = x;
    lastY_ = y;
    mouseInside_ = true;
    if (Hook(hooks_.fabricView)) return;
    if (Hook(hooks_.selectionTool)) {
        SelectionDown(x, y, button);
        return;
    }
    if (StrokeActive()) return; // a second button while one is held
    if (hooks_.buttonHeld) hooks_.buttonHeld(true);
    if (hooks_.takeSnapshot) hooks_.takeSnapshot();
    const bool ctrl = (mods & Qt::ControlModifier) && button == Qt::LeftButton;

    static constexpr ViewArea order[] = {
        ViewArea::Liftplan,         ViewArea::TreadlingA, ViewArea::TreadlingB,
        ViewArea::PatternThreading, ViewArea::ThreadingA, ViewArea::ThreadingB,
        ViewArea::TieupAA,          ViewArea::TieupAB,    ViewArea::TieupBA,
        ViewArea::TieupBB,          ViewArea::WarpColors, ViewArea::WeftColors,
    };
    const ViewArea area = AreaUnder(order, x, y);
    if (area == ViewArea::None) return;
    const DraftLayout& l = L();
    const CellPoint p = CellAt(area, x, y);
    if (!ValidCell(area, p)) return;

    if (IsColourBarArea(area)) {
        const int index = area == ViewArea::WarpColors ? p.x : p.y;
        if (button == Qt::RightButton) {
            const int colour = area == ViewArea::WarpColors ? D().WarpColors[index + l.firstEnd]
                                                            : D().WeftColors[index + l.firstPick];
            if (hooks_.pickColor) hooks_.pickColor(colour);
        } else if (button == Qt::LeftButton) {
            StartSpan(area, index);
        }
        return;
    }
    StartStroke(area, x, y, button, ctrl);
}

void MouseTools::MouseMove(int x, int y, Qt::MouseButtons buttons) {
    lastX_ = x;
    lastY_ = y;
    mouseInside_ = true;
    ShowCellInfoAt(x, y);
    if (Hook(hooks_.fabricView)) return;
    if (sel_.dragging) {
        SelectionMove(x, y, buttons);
        return;
    }
    if (span_.active) {
        if (!L().AreaContains(span_.area, x, y)) return;
        const CellPoint p = CellAt(span_.area, x, y);
        if (!ValidCell(span_.area, p)) return;
        SpanTo(span_.area == ViewArea::WarpColors ? p.x : p.y);
        return;
    }
    if (stroke_.area == ViewArea::None) return;
    const CellPoint p = CellAt(stroke_.area, x, y);
    if (!stroke_.line) {
        PenAlong(p);
        return;
    }
    // Moves outside the stroke's own area do nothing; the line follows again
    // when the mouse comes back.
    if (!L().AreaContains(stroke_.area, x, y)) return;
    if (!ValidCell(stroke_.area, p) || p == stroke_.last) return;
    LineTo(p);
}

void MouseTools::MouseUp(Qt::MouseButton button) {
    if (sel_.dragging) {
        sel_.dragging = false;
        return;
    }
    if (!StrokeActive()) {
        // A press outside every area: nothing was recorded.
        if (hooks_.buttonHeld) hooks_.buttonHeld(false);
        return;
    }
    if (span_.active ? button != Qt::LeftButton : button != stroke_.button) return;
    const bool applied = span_.active ? ApplySpan() : ApplyStroke();
    stroke_ = Stroke{};
    span_ = Span{};
    if (hooks_.buttonHeld) hooks_.buttonHeld(false);
    if (applied) {
        if (hooks_.strokeApplied)
            hooks_.strokeApplied(applied_);
        else if (hooks_.markModified)
            hooks_.markModified();
        if (hooks_.markUndoAvailable) hooks_.markUndoAvailable();
    }
}

// ---------------------------------------------------------------- pen and line

void MouseTools::StartStroke(ViewArea area, int x, int y, Qt::MouseButton button, bool ctrl) {
    stroke_ = Stroke{};
    stroke_.area = area;
    stroke_.button = button;
    stroke_.pen = button == Qt::LeftButton;
    stroke_.ctrl = ctrl;
    stroke_.line = Hook(hooks_.lineOn);
    stroke_.press = CellAt(area, x, y);
    stroke_.last = stroke_.pointer = stroke_.press;
    if (stroke_.line) {
        stroke_.cells.clear();
        LineTo(stroke_.press);
    } else {
        PenThrough({stroke_.press});
    }
}

void MouseTools::DrawPreview(DraftPainter& pt, ViewArea area, CellPoint p, bool on) {
    const DraftLayout& l = L();
    if (IsSequenceArea(area)) {
        const EntryCell e = EntryCellOf(area, p);
        pt.PaintSequenceCellAt(area, e.index, e.entry, on);
    } else if (area == ViewArea::Liftplan) {
        pt.PaintLiftplanCell(p.y, p.x, on);
    } else if (IsTieupArea(area)) {
        pt.PaintTieupCell(TieupOfArea(area), p.y, p.x,
                          on ? (stroke_.ctrl ? TiePattern : TieGround) : 0);
    } else if (area == ViewArea::Drawdown) {
        const Draft& d = D();
        const int end = p.x + l.firstEnd, pick = p.y + l.firstPick;
        const bool warpUp = on != d.SinkingShed;
        const uint32_t bgr = warpUp ? d.Palette[d.WarpColors[end]] : d.Palette[d.WeftColors[pick]];
        const int u = l.EndColumn(p.x), v = l.PickRow(p.y);
        const PixelRect r = l.geometry.designGridStyle ? l.InteriorRect(u, v) : l.CellRect(u, v);
        overlay_->SetPreviewCell(r, ToRgb(bgr));
    }
}

void MouseTools::RestoreCell(DraftPainter& pt, ViewArea area, CellPoint p) {
    const DraftLayout& l = L();
    Draft& d = D();
    if (IsSequenceArea(area)) {
        const EntryCell e = EntryCellOf(area, p);
        const int first = IsThreadingArea(area) ? l.firstEnd : l.firstPick;
        const int stored = (*SequenceOfArea(d, area))[e.index + first];
        pt.PaintSequenceCellAt(area, e.index, e.entry, stored == e.entry);
        pt.PaintSequenceCell(area, e.index, true);
    } else if (area == ViewArea::Liftplan) {
        pt.PaintLiftplanCell(p.y, p.x, d.GetLiftplan(p.y + l.firstPick, p.x));
    } else if (IsTieupArea(area)) {
        pt.PaintTieupCell(TieupOfArea(area), p.y, p.x, d.GetTieup(TieupOfArea(area), p.y, p.x));
    } else if (area == ViewArea::Drawdown) {
        const int u = l.EndColumn(p.x), v = l.PickRow(p.y);
        overlay_->RemovePreviewCell(l.geometry.designGridStyle ? l.InteriorRect(u, v)
                                                               : l.CellRect(u, v));
    }
}

// A quick stroke brings mouse events several cells apart: the pen enters every
// cell of the area on the straight way from the last event's cell to this one,
// as if the mouse had stopped in each. Cells outside the area are passed over,
// so a stroke that leaves the area and comes back goes on where it re-enters.
void MouseTools::PenAlong(CellPoint to) {
    const CellPoint from = stroke_.pointer;
    stroke_.pointer = to;
    if (to == from) return;
    // A line skips cells beyond 999 steps: a longer way goes in pieces.
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    const int pieces = (steps + MaxLineSteps - 1) / MaxLineSteps;
    std::vector<CellPoint> cells;
    CellPoint start = from;
    for (int k = 1; k <= pieces; ++k) {
        const CellPoint end{from.x + (to.x - from.x) * k / pieces,
                            from.y + (to.y - from.y) * k / pieces};
        const std::vector<CellPoint> way = ComputeLine(start, end);
        for (size_t i = 1; i < way.size(); ++i) {
            const CellPoint& c = way[i];
            if (ValidCell(stroke_.area, c) && c != (cells.empty() ? stroke_.last : cells.back()))
                cells.push_back(c);
        }
        start = end;
    }
    PenThrough(cells);
}

void MouseTools::PenThrough(const std::vector<CellPoint>& points) {
    if (points.empty()) return;
    stroke_.last = points.back();
    const ViewArea area = stroke_.area;
    view_->Paint([&](DraftPainter& pt) {
        for (const CellPoint& p : points) {
            if (static_cast<int>(stroke_.cells.size()) > MaxStrokeCells) return; // press + 1000
            if (IsSequenceArea(area)) {
                // One mark per end (pick): the stored one and this stroke's
                // earlier ones go.
                const int index = EntryCellOf(area, p).index;
                pt.PaintSequenceCell(area, index, false);
                for (const CellPoint& c : stroke_.cells) {
                    const EntryCell earlier = EntryCellOf(area, c);
                    if (earlier.index == index)
                        pt.PaintSequenceCellAt(area, index, earlier.entry, false);
                }
            }
            DrawPreview(pt, area, p, stroke_.pen);
            stroke_.cells.push_back(p);
        }
    });
}

void MouseTools::LineTo(CellPoint p) {
    stroke_.last = p;
    const ViewArea area = stroke_.area;
    std::vector<CellPoint> line = ComputeLine(stroke_.press, p);
    if (IsThreadingArea(area)) line = ReduceLine(line, ThreadAxis::Column);
    if (IsTreadlingArea(area)) line = ReduceLine(line, ThreadAxis::Row);
    std::vector<CellPoint> kept;
    kept.reserve(line.size());
    for (const CellPoint& c : line)
        if (ValidCell(area, c)) kept.push_back(c);

    // Only the cells that change are drawn: old points that are not on the new
    // line are restored first, then the new points that were not on the old one
    // are drawn (after the restores, so that a restored end's stored mark cannot
    // cover a new point of the same end).
    std::set<std::pair<int, int>> before, after;
    for (const CellPoint& c : stroke_.cells) before.insert({c.x, c.y});
    for (const CellPoint& c : kept) after.insert({c.x, c.y});
    view_->Paint([&](DraftPainter& pt) {
        for (const CellPoint& c : stroke_.cells)
            if (!after.count({c.x, c.y})) RestoreCell(pt, area, c);
        for (const CellPoint& c : kept) {
            if (before.count({c.x, c.y})) continue;
            if (IsSequenceArea(area)) pt.PaintSequenceCell(area, EntryCellOf(area, c).index, false);
            DrawPreview(pt, area, c, stroke_.pen);
        }
    });
    stroke_.cells = std::move(kept);
}

bool MouseTools::ApplyStroke() {
    Draft& d = D();
    const DraftLayout& l = L();
    const ViewArea area = stroke_.area;
    const bool pen = stroke_.pen;
    std::vector<int> touched;
    if (stroke_.cells.empty()) return false;
    // The draft's ends or picks of the touched visible columns or rows.
    auto threads = [&touched](int first) {
        std::vector<int> t;
        for (int i : touched) t.push_back(i + first);
        return t;
    };

    if (IsSequenceArea(area)) {
        const bool ends = IsThreadingArea(area);
        const int first = ends ? l.firstEnd : l.firstPick;
        auto& entries = *SequenceOfArea(d, area);
        for (const CellPoint& c : stroke_.cells) {
            const EntryCell e = EntryCellOf(area, c);
            entries[e.index + first] = static_cast<uint8_t>(pen ? e.entry : 0);
            touched.push_back(e.index);
        }
        SortUnique(touched);
        view_->Paint(
            [&](DraftPainter& pt) {
                for (int k : touched) {
                    pt.PaintSequenceCell(area, k, true);
                    if (ends)
                        pt.PaintDrawdownColumn(k);
                    else
                        pt.PaintDrawdownRow(k);
                }
            },
            true);
        applied_ = ends ? ClothChange::Ends(threads(first)) : ClothChange::Picks(threads(first));
    } else if (area == ViewArea::Liftplan || area == ViewArea::Drawdown) {
        for (const CellPoint& c : stroke_.cells) {
            // Design cells beyond the 2400 x 2400 picture are left alone by the accessor.
            if (area == ViewArea::Liftplan)
                d.SetLiftplan(c.y + l.firstPick, c.x, pen);
            else
                d.SetDesignCell(c.y + l.firstPick, c.x + l.firstEnd, pen);
            touched.push_back(c.y);
        }
        SortUnique(touched);
        view_->Paint(
            [&](DraftPainter& pt) {
                for (int j : touched) pt.PaintDrawdownRow(j);
            },
            true);
        if (area == ViewArea::Drawdown) overlay_->ClearPreview();
        applied_ = ClothChange::Picks(threads(l.firstPick));
    } else if (IsTieupArea(area)) {
        const uint8_t value = pen ? (stroke_.ctrl ? TiePattern : TieGround) : TieNone;
        for (const CellPoint& c : stroke_.cells) d.SetTieup(TieupOfArea(area), c.y, c.x, value);
        view_->Paint(
            [&](DraftPainter& pt) {
                for (int j = 1; j <= l.visiblePicks; ++j) pt.PaintDrawdownRow(j);
            },
            true);
        applied_ = ClothChange::Whole();
    } else {
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- colour spans

void MouseTools::PaintSpanThread(DraftPainter& pt, int index, bool preview) {
    Draft& d = D();
    const DraftLayout& l = L();
    const bool warp = span_.area == ViewArea::WarpColors;
    uint8_t& stored = warp ? d.WarpColors[index + l.firstEnd] : d.WeftColors[index + l.firstPick];
    const uint8_t keep = stored;
    // The thread is painted as if it had the selector's colour; the draft itself
    // changes only at release.
    if (preview) stored = static_cast<uint8_t>(span_.colour);
    if (warp) {
        pt.PaintWarpBarCell(index);
        pt.PaintDrawdownColumn(index);
    } else {
        pt.PaintWeftBarCell(index);
        pt.PaintDrawdownRow(index);
    }
    stored = keep;
}

void MouseTools::StartSpan(ViewArea area, int index) {
    span_ = Span{};
    span_.active = true;
    span_.area = area;
    span_.press = span_.lo = span_.hi = index;
    span_.colour = std::clamp(hooks_.currentColor ? hooks_.currentColor() : 0, 0, 255);
    view_->Paint([&](DraftPainter& pt) { PaintSpanThread(pt, index, true); });
}

void MouseTools::SpanTo(int index) {
    if (std::abs(index - span_.press) > MaxSpanDistance) return;
    const int lo = std::min(span_.press, index), hi = std::max(span_.press, index);
    if (lo == span_.lo && hi == span_.hi) return;
    // An extension keeps the old span on the screen and adds to it; any other
    // change (back towards the press end, or past it) restores the old span.
    const bool extends = lo <= span_.lo && hi >= span_.hi;
    view_->Paint([&](DraftPainter& pt) {
        if (!extends)
            for (int k = span_.lo; k <= span_.hi; ++k) PaintSpanThread(pt, k, false);
        for (int k = lo; k <= hi; ++k)
            if (!extends || k < span_.lo || k > span_.hi) PaintSpanThread(pt, k, true);
    });
    span_.lo = lo;
    span_.hi = hi;
}

bool MouseTools::ApplySpan() {
    Draft& d = D();
    const DraftLayout& l = L();
    const bool warp = span_.area == ViewArea::WarpColors;
    std::vector<int> threads;
    for (int k = span_.lo; k <= span_.hi; ++k) {
        if (warp) {
            d.WarpColors[k + l.firstEnd] = static_cast<uint8_t>(span_.colour);
            threads.push_back(k + l.firstEnd);
        } else {
            d.WeftColors[k + l.firstPick] = static_cast<uint8_t>(span_.colour);
            threads.push_back(k + l.firstPick);
        }
    }
    applied_ =
        warp ? ClothChange::Ends(std::move(threads)) : ClothChange::Picks(std::move(threads));
    return true;
}

// ---------------------------------------------------------------- selection

bool MouseTools::SameSelectionFamily(ViewArea a) const {
    if (IsThreadingArea(sel_.area)) return IsThreadingArea(a);
    if (IsTreadlingArea(sel_.area)) return IsTreadlingArea(a);
    return a == sel_.area;
}

void MouseTools::SelectionDown(int x, int y, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        if (hooks_.selectionToLine) hooks_.selectionToLine();
        return;
    }
    if (button != Qt::LeftButton && button != Qt::MiddleButton) return;
    DropSelection();
    static constexpr ViewArea order[] = {
        ViewArea::PatternThreading, ViewArea::ThreadingA, ViewArea::ThreadingB,
        ViewArea::WarpColors,       ViewArea::Liftplan,   ViewArea::TreadlingA,
        ViewArea::TreadlingB,       ViewArea::WeftColors,
    };
    const ViewArea area = AreaUnder(order, x, y);
    if (area == ViewArea::None) return;
    const CellPoint p = CellAt(area, x, y);
    if (!ValidCell(area, p)) return;
    sel_.area = area;
    sel_.anchor = sel_.corner = p;
    sel_.exists = true;
    sel_.dragging = true;
    DrawSelection();
    if (hooks_.selectionChanged) hooks_.selectionChanged();
}

void MouseTools::SelectionMove(int x, int y, Qt::MouseButtons buttons) {
    if (!(buttons & Qt::LeftButton)) return;
    const DraftLayout& l = L();
    ViewArea area = l.AreaAt(x, y, true);
    if (!SameSelectionFamily(area)) return;
    CellPoint p = CellAt(area, x, y);
    if (!ValidCell(area, p)) return;
    // Threadings share their end columns, treadlings their pick rows.
    if (IsThreadingArea(sel_.area)) p.y = sel_.anchor.y;
    if (IsTreadlingArea(sel_.area)) p.x = sel_.anchor.x;
    if (p == sel_.corner) return;
    const int w = std::abs(p.x - sel_.anchor.x) + 1;
    const int h = std::abs(p.y - sel_.anchor.y) + 1;
    if (hooks_.showSelectionSize) {
        const int kind = static_cast<int>(sel_.area);
        if (IsThreadingArea(sel_.area) || sel_.area == ViewArea::WarpColors)
            hooks_.showSelectionSize(kind, w, 0);
        else if (IsTreadlingArea(sel_.area) || sel_.area == ViewArea::WeftColors)
            hooks_.showSelectionSize(kind, 0, h);
        else
            hooks_.showSelectionSize(kind, w, h);
    }
    sel_.corner = p;
    DrawSelection();
}

SelectionRange MouseTools::SelectionRect() const {
    SelectionRange r;
    if (!sel_.exists) return r;
    const DraftLayout& l = L();
    r.area = sel_.area;
    r.colFrom = std::min(sel_.anchor.x, sel_.corner.x);
    r.colTo = std::max(sel_.anchor.x, sel_.corner.x);
    r.rowFrom = std::min(sel_.anchor.y, sel_.corner.y);
    r.rowTo = std::max(sel_.anchor.y, sel_.corner.y);
    if (IsThreadingArea(sel_.area)) {
        r.rowFrom = 1;
        r.rowTo = l.ShaftCount(sel_.area);
    } else if (IsTreadlingArea(sel_.area)) {
        r.colFrom = 1;
        r.colTo = l.TreadleCount(sel_.area);
    } else if (sel_.area == ViewArea::WarpColors) {
        r.rowFrom = r.rowTo = 1;
    } else if (sel_.area == ViewArea::WeftColors) {
        r.colFrom = r.colTo = 1;
    }
    return r;
}

void MouseTools::DrawSelection() {
    if (!sel_.exists) return;
    const SelectionRange r = SelectionRect();
    const DraftLayout& l = L();
    const Draft& d = D();
    const ViewArea a = r.area;
    const QRgb bg = ToRgb(d.BackgroundColor);
    std::vector<ToolOverlay::Cell> cells;
    int u0 = 1 << 30, v0 = 1 << 30, u1 = -1, v1 = -1;
    auto add = [&](int u, int v, bool marked, bool whole) {
        cells.push_back({whole ? l.CellRect(u, v) : l.InteriorRect(u, v),
                         marked ? SelectionMarkedRgb : SelectionEmptyRgb});
        u0 = std::min(u0, u);
        u1 = std::max(u1, u);
        v0 = std::min(v0, v);
        v1 = std::max(v1, v);
    };
    for (int col = r.colFrom; col <= r.colTo; ++col) {
        for (int row = r.rowFrom; row <= r.rowTo; ++row) {
            const CellPoint p{col, row};
            if (!ValidCell(a, p)) continue;
            const int end = col + l.firstEnd, pick = row + l.firstPick;
            if (IsThreadingArea(a)) {
                add(l.EndColumn(col), l.ShaftRow(a, row), (*ThreadingOfArea(d, a))[end] == row,
                    false);
            } else if (IsTreadlingArea(a)) {
                add(l.TreadleColumn(a, col), l.PickRow(row), (*TreadlingOfArea(d, a))[pick] == col,
                    false);
            } else if (a == ViewArea::Liftplan) {
                add(l.TreadleColumn(a, col), l.PickRow(row), d.GetLiftplan(pick, col), false);
            } else if (a == ViewArea::WarpColors) {
                add(l.EndColumn(col), l.warpBar.v, ToRgb(d.Palette[d.WarpColors[end]]) != bg,
                    false);
            } else if (a == ViewArea::WeftColors) {
                add(l.weftBar.u, l.PickRow(row), ToRgb(d.Palette[d.WeftColors[pick]]) != bg, false);
            } else if (a == ViewArea::Drawdown) {
                add(l.EndColumn(col), l.PickRow(row), WarpOnTop(d, pick, end) != d.SinkingShed,
                    !l.geometry.designGridStyle);
            }
        }
    }
    if (cells.empty()) {
        overlay_->ClearSelection();
        return;
    }
    const PixelRect outline{l.CellX(u0), l.CellY(v0), (u1 - u0 + 1) * l.cellW,
                            (v1 - v0 + 1) * l.cellH};
    const bool always = IsColourBarArea(a) || a == ViewArea::Drawdown;
    const bool showOutline = always || l.zoom >= 7;
    const bool xorOutline = a == ViewArea::Drawdown && !l.geometry.designGridStyle;
    overlay_->SetSelection(std::move(cells), outline, showOutline, xorOutline);
}

void MouseTools::EraseSelection() {
    overlay_->ClearSelection();
}

void MouseTools::DropSelection() {
    EraseSelection();
    const bool existed = sel_.exists;
    sel_ = Selection{};
    if (existed && hooks_.selectionChanged) hooks_.selectionChanged();
}

// ---------------------------------------------------------------- other parts' helpers

void MouseTools::EraseMarks(ViewArea area) {
    const Draft& d = D();
    if (d.DesignMode || Hook(hooks_.fabricView)) return;
    if (IsTreadlingArea(area) || (IsThreadingArea(area) && d.ShowThreading))
        view_->EraseSequenceMarks(area);
}

bool MouseTools::InsertAtMouse() {
    if (!mouseInside_ || StrokeActive() || Hook(hooks_.fabricView)) return false;
    const PointEditTarget t = PointEditAt(L(), D(), lastX_, lastY_);
    if (t.kind == PointEditKind::None) return false;
    if (hooks_.takeSnapshot) hooks_.takeSnapshot();
    InsertAtTarget(D(), t);
    AfterPointEdit(t);
    return true;
}

bool MouseTools::DeleteAtMouse() {
    if (!mouseInside_ || StrokeActive() || Hook(hooks_.fabricView)) return false;
    const PointEditTarget t = PointEditAt(L(), D(), lastX_, lastY_);
    if (t.kind == PointEditKind::None) return false;
    if (!Hook(hooks_.expertMode) && hooks_.confirm && !hooks_.confirm(DeleteQuestion(t)))
        return false;
    if (hooks_.takeSnapshot) hooks_.takeSnapshot();
    DeleteAtTarget(D(), t);
    AfterPointEdit(t);
    return true;
}

void MouseTools::AfterPointEdit(const PointEditTarget& t) {
    if (t.ends())
        view_->RepaintColumnsFrom(t.index);
    else
        view_->RepaintRowsWithLiftplan(t.index, true);
    if (hooks_.markModified) hooks_.markModified();
    if (hooks_.markUndoAvailable) hooks_.markUndoAvailable();
}

} // namespace hm
