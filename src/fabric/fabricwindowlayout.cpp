#include "fabric/fabricwindowlayout.h"

#include <algorithm>

namespace hm {

int FabricWindowLayout::EndAt(int x) const {
    return threadingFromRight ? winFirstEnd + winEnds - x : winFirstEnd + x + 1;
}

int FabricWindowLayout::PickAt(int y) const {
    return liftplanFromBottom ? winFirstPick + winPicks - y : winFirstPick + y + 1;
}

int FabricWindowLayout::XOfEnd(int end) const {
    const int x = threadingFromRight ? winFirstEnd + winEnds - end : end - winFirstEnd - 1;
    return x >= 0 && x < winEnds ? x : -1;
}

int FabricWindowLayout::YOfPick(int pick) const {
    const int y = liftplanFromBottom ? winFirstPick + winPicks - pick : pick - winFirstPick - 1;
    return y >= 0 && y < winPicks ? y : -1;
}

int FabricWindowLayout::LastEnd() const {
    return std::max(winFirstEnd, std::min(winFirstEnd + winEnds, ends));
}

int FabricWindowLayout::LastPick() const {
    return std::max(winFirstPick, std::min(winFirstPick + winPicks, picks));
}

namespace {

FabricScrollBar Bar(int extent, int visible, int offset, bool reversed) {
    FabricScrollBar b;
    b.maximum = std::max(0, extent - visible);
    b.page = std::max(1, visible);
    offset = std::clamp(offset, 0, b.maximum);
    b.position = reversed ? b.maximum - offset : offset;
    return b;
}

int OffsetOf(int position, int extent, int visible, bool reversed) {
    const int maximum = std::max(0, extent - visible);
    position = std::clamp(position, 0, maximum);
    return reversed ? maximum - position : position;
}

} // namespace

FabricScrollBar FabricWindowLayout::Horizontal() const {
    return Bar(ends, winEnds, winFirstEnd, threadingFromRight);
}

FabricScrollBar FabricWindowLayout::Vertical() const {
    return Bar(picks, winPicks, winFirstPick, liftplanFromBottom);
}

void FabricWindowLayout::ScrollHorizontalTo(int position) {
    winFirstEnd = OffsetOf(position, ends, winEnds, threadingFromRight);
}

void FabricWindowLayout::ScrollVerticalTo(int position) {
    winFirstPick = OffsetOf(position, picks, winPicks, liftplanFromBottom);
}

FabricWindowLayout SizeFabricWindow(const Draft& d, int clientW, int clientH,
                                    int scrollBarThickness) {
    FabricWindowLayout l;
    l.ends = std::clamp(d.Ends, 0, MaxEnds);
    l.picks = std::clamp(d.Picks, 0, MaxPicks);
    l.threadingFromRight = d.ThreadingFromRight;
    l.liftplanFromBottom = d.LiftplanFromBottom;
    l.clientW = std::max(clientW, 0);
    l.clientH = std::max(clientH, 0);
    if (l.ends < l.clientW) l.clientW = std::max(l.ends, 99);
    if (l.picks < l.clientH) l.clientH = std::max(l.picks, 99);
    l.scrollBars = l.ends > l.clientW || l.picks > l.clientH;
    const int bar = l.scrollBars ? std::max(scrollBarThickness, 0) : 0;
    l.winEnds = std::max(l.clientW - bar, 0);
    l.winPicks = std::max(l.clientH - bar, 0);
    return l;
}

WindowPosition PlaceFabricWindow(int mainLeft, int mainTop, int mainHeight, int drawingTop,
                                 int screenHeight, int fabricWindowHeight) {
    WindowPosition p;
    p.left = mainLeft + 8;
    p.top = mainHeight < fabricWindowHeight
                ? mainTop + 32
                : mainTop + drawingTop + 7 + (screenHeight - fabricWindowHeight) / 3 * 2;
    return p;
}

bool CentreDraftOn(Draft& d, int end, int pick, int visibleEnds, int visiblePicks) {
    auto centred = [](int target, int visible, int count) {
        int first = target - visible / 2;
        if (count - first < visible) first = count - visible;
        return std::max(first, 0);
    };
    const int firstEnd = centred(end, visibleEnds, d.Ends);
    const int firstPick = centred(pick, visiblePicks, d.Picks);
    const bool changed = firstEnd != d.FirstEnd || firstPick != d.FirstPick;
    d.FirstEnd = firstEnd;
    d.FirstPick = firstPick;
    return changed;
}

} // namespace hm
