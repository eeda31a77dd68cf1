#include "tools/mouseedit.h"

#include <algorithm>
#include <string>

#include "ops/insertdelete.h"

namespace hm {

PointEditTarget PointEditAt(const DraftLayout& l, const Draft& d, int x, int y) {
    PointEditTarget t;
    if (!l.designMode && l.AreaContains(ViewArea::PatternThreading, x, y))
        t.kind = PointEditKind::End;
    else if (l.AreaContains(ViewArea::WarpColors, x, y))
        t.kind = PointEditKind::WarpColor;
    else if (!l.designMode && l.AreaContains(ViewArea::Liftplan, x, y))
        t.kind = PointEditKind::Pick;
    else if (l.AreaContains(ViewArea::WeftColors, x, y))
        t.kind = PointEditKind::WeftColor;
    if (t.kind == PointEditKind::None) return t;
    if (t.ends()) {
        t.index = l.EndIndexAt(x);
        t.number = t.index + l.firstEnd;
        if (t.index < 1 || t.number > d.Ends || t.number > MaxEnds) return {};
    } else {
        t.index = l.PickIndexAt(y);
        t.number = t.index + l.firstPick;
        if (t.index < 1 || t.number > d.Picks || t.number > MaxPicks) return {};
    }
    return t;
}

void InsertAtTarget(Draft& d, const PointEditTarget& t) {
    switch (t.kind) {
    case PointEditKind::End:
        InsertEnds(d, t.number, 1, EndArrays{});
        break;
    case PointEditKind::WarpColor:
        InsertEnds(d, t.number, 1, EndArrays::ColorsOnly());
        break;
    case PointEditKind::Pick:
        InsertPicks(d, t.number, 1, PickArrays{});
        break;
    case PointEditKind::WeftColor:
        InsertPicks(d, t.number, 1, PickArrays::ColorsOnly());
        break;
    case PointEditKind::None:
        break;
    }
}

void DeleteAtTarget(Draft& d, const PointEditTarget& t) {
    switch (t.kind) {
    case PointEditKind::End:
        DeleteEnds(d, t.number, t.number, EndArrays{});
        break;
    case PointEditKind::WarpColor:
        DeleteEnds(d, t.number, t.number, EndArrays::ColorsOnly());
        break;
    case PointEditKind::Pick:
        DeletePicks(d, t.number, t.number, PickArrays{});
        break;
    case PointEditKind::WeftColor:
        DeletePicks(d, t.number, t.number, PickArrays::ColorsOnly());
        break;
    case PointEditKind::None:
        break;
    }
}

Message DeleteQuestion(const PointEditTarget& t) {
    Message m;
    m.kind = MessageKind::Question;
    switch (t.kind) {
    case PointEditKind::End:
        m.text = "@delend";
        break;
    case PointEditKind::WarpColor:
        m.text = "@delwarpcol";
        break;
    case PointEditKind::Pick:
        m.text = "@delpick";
        break;
    case PointEditKind::WeftColor:
        m.text = "@delweftcol";
        break;
    case PointEditKind::None:
        return {};
    }
    // Built by appending: the number is never negative here, but the compiler
    // cannot see that through a concatenation.
    m.suffix = ' ';
    m.suffix += std::to_string(std::max(t.number, 0));
    return m;
}

} // namespace hm
