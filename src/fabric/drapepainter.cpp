#include "fabric/drapepainter.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "fabric/weftcrossings.h"

namespace hm {

namespace {

// How far the base line moves at each front-face step (D) and back-face step (E).
constexpr std::string_view FoldFront =
    "6433222212121111111111111011011010101010010010001000001000000000000000000100000100010010"
    "010101010110110111111111111121211121111110111101110101101010101001010100100010001000010000"
    "000100000000000000000000001000000010000100010001001010100101010101101011101111011111121112"
    "121111111111111011011010101010010010001000001000000000000000000100000100010010010101010110"
    "110111111111111121121121121121111110111101110110101010010000100000000000000100001001001001"
    "010110110111121235";
constexpr std::string_view FoldBack =
    "54321211111101010100100001000000000000100001001010101111112123";
static_assert(FoldFront.size() == DrapeFrontSteps);
static_assert(FoldBack.size() == DrapeBackSteps);

// Front-face steps at which the base line turns: down from the start, up from
// 64, down from 195, up from 323, down from 422.
bool FoldGoesDown(int step) {
    return step < 64 || (step >= 195 && step < 323) || step >= 422;
}

// The drawdown of the ends the drape can reach, for every pick shown.
class DrapeCrossings {
  public:
    DrapeCrossings(const Draft& d, int firstEnd, int lastEnd, int firstPick, int lastPick)
        : firstEnd_(firstEnd - 1), count_(lastEnd - firstEnd + 3), firstPick_(firstPick) {
        const WeftCrossings crossings(d);
        over_.resize(static_cast<size_t>(count_) * static_cast<size_t>(lastPick - firstPick + 1));
        for (int p = firstPick; p <= lastPick; ++p) crossings.Row(p, firstEnd_, count_, Row(p));
    }
    // Weft of `pick` over `end` (end within firstEnd - 1 .. lastEnd + 1).
    bool Over(int pick, int end) const {
        return over_[static_cast<size_t>(pick - firstPick_) * static_cast<size_t>(count_) +
                     static_cast<size_t>(end - firstEnd_)] != 0;
    }

  private:
    uint8_t* Row(int pick) {
        return over_.data() + static_cast<size_t>(pick - firstPick_) * static_cast<size_t>(count_);
    }
    int firstEnd_, count_, firstPick_;
    std::vector<uint8_t> over_;
};

} // namespace

int DrapeStartX(int drawingWidth, bool threadingFromRight) {
    int c = drawingWidth / 2;
    c = c > 234 ? c - 234 : 1;
    return threadingFromRight ? c + 468 : c - 1;
}

void PaintDrapery(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    const DrawingArea& a = l.area;
    const QRgb bg = ToRgb(d.BackgroundColor);
    canvas.Fill(0, a.top, a.width, a.height, bg);
    const int usable = a.height - 11;
    int baseY = usable + a.top + a.height / 2 - (usable - 10) / 2 - 72;
    const int dir = l.threadingFromRight ? -1 : 1;
    int x = DrapeStartX(a.width, l.threadingFromRight);

    const int lastEnd = std::min(l.extent.ends, l.ends);
    const int cw = std::max(l.cellW, 1), ch = std::max(l.cellH, 1);
    int end = l.firstEnd + 2, remainder = 0;
    if (end > lastEnd) return;

    // Picks: as the Fabric view shows them; with compression pairs (p - 1, p).
    int shown = l.LastPick() - l.firstPick;
    const int rows = l.compression ? l.visiblePicks / 2 : l.visiblePicks;
    if (l.compression) shown -= shown % 2;
    const int stacked = std::min(rows, l.compression ? shown / 2 : shown);
    const int columnHeight = rows * ch;

    // The ends a drape can reach: every step covers at most its table digit + 1.
    int reach = 0;
    for (char c : FoldFront) reach += c - '0' + 1;
    for (char c : FoldBack) reach += c - '0' + 1;
    const int lastReached = std::min(lastEnd, end + reach / cw + 1);
    const DrapeCrossings crossings(d, end, lastReached, l.firstPick + 1,
                                   std::max(l.firstPick + 1, l.firstPick + shown));

    std::vector<QRgb> column; // the column's pixels from its top down; 0 = untouched
    auto drawColumn = [&](bool front) {
        const int top = baseY - columnHeight + 1;
        column.assign(static_cast<size_t>(columnHeight), 0);
        if (EndThreaded(d, end))
            std::fill(column.begin(), column.end(), ToRgb(d.Palette[d.WarpColors[end]]));
        for (int k = 0; k < stacked; ++k) {
            int pick = 0;
            if (!l.compression) {
                pick = l.firstPick + 1 + k;
                if (crossings.Over(pick, end) != front) pick = 0;
            } else {
                // The back shows the picks the other way over.
                const int p = l.firstPick + 2 * (k + 1);
                auto over = [&](int pk, int e) { return crossings.Over(pk, e) == front; };
                switch (CompressedCell(over(p, end), over(p, end - 1), over(p, end + 1),
                                       over(p - 1, end), over(p - 1, end - 1),
                                       over(p - 1, end + 1))) {
                case CompressedShows::UpperWeft:
                    pick = p;
                    break;
                case CompressedShows::LowerWeft:
                    pick = p - 1;
                    break;
                case CompressedShows::Warp:
                    break;
                }
            }
            if (!pick) continue;
            // The pick's cell: from its bottom row up, ch pixels.
            const int bottomIndex = columnHeight - 1 - k * ch;
            std::fill(column.begin() + std::max(0, bottomIndex - ch + 1),
                      column.begin() + bottomIndex + 1, ToRgb(d.Palette[d.WeftColors[pick]]));
        }
        // Within the drawing area; the back face never above the window's row 1.
        const int clipTop = std::max(a.top, front ? 0 : 1);
        const int clipBottom = a.top + a.height;
        for (int i = 0; i < columnHeight;) {
            const QRgb c = column[static_cast<size_t>(i)];
            int j = i + 1;
            while (j < columnHeight && column[static_cast<size_t>(j)] == c) ++j;
            if (c != 0) {
                const int y0 = std::max(top + i, clipTop), y1 = std::min(top + j, clipBottom);
                if (y0 < y1) canvas.Fill(x, y0, 1, y1 - y0, c);
            }
            i = j;
        }
    };
    auto advance = [&](int digit) {
        remainder += digit + 1;
        if (remainder >= cw) {
            end += remainder / cw;
            remainder %= cw;
        }
        return end <= lastEnd;
    };

    for (int i = 1; i <= DrapeFrontSteps; ++i) {
        const int digit = FoldFront[static_cast<size_t>(i - 1)] - '0';
        x += dir;
        baseY += FoldGoesDown(i) ? digit : -digit;
        if (!advance(digit)) return;
        drawColumn(true);
    }
    // The cloth turns under at the hem and comes back showing its back.
    for (int i = 1; i <= DrapeBackSteps; ++i) {
        const int digit = FoldBack[static_cast<size_t>(i - 1)] - '0';
        baseY += i < 30 ? digit : -digit;
        if (!advance(digit)) return;
        drawColumn(false);
        x -= dir;
    }
}

} // namespace hm
