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
    // `ends` is the cloth's last end: the end after it is end 1 again.
    DrapeCrossings(const Draft& d, int firstEnd, int lastEnd, int firstPick, int lastPick, int ends)
        : firstEnd_(firstEnd - 1), count_(lastEnd - firstEnd + 3), firstPick_(firstPick),
          ends_(ends) {
        const WeftCrossings crossings(d);
        const size_t picks = static_cast<size_t>(lastPick - firstPick + 1);
        over_.resize(static_cast<size_t>(count_) * picks);
        endOne_.resize(picks);
        for (int p = firstPick; p <= lastPick; ++p) {
            crossings.Row(p, firstEnd_, count_, Row(p));
            crossings.Row(p, 1, 1, &endOne_[static_cast<size_t>(p - firstPick_)]);
        }
    }
    // Weft of `pick` over `end` (end within firstEnd - 1 .. lastEnd + 1).
    bool Over(int pick, int end) const {
        if (end > ends_) return endOne_[static_cast<size_t>(pick - firstPick_)] != 0;
        return over_[static_cast<size_t>(pick - firstPick_) * static_cast<size_t>(count_) +
                     static_cast<size_t>(end - firstEnd_)] != 0;
    }

  private:
    uint8_t* Row(int pick) {
        return over_.data() + static_cast<size_t>(pick - firstPick_) * static_cast<size_t>(count_);
    }
    int firstEnd_, count_, firstPick_, ends_;
    std::vector<uint8_t> over_;
    std::vector<uint8_t> endOne_; // end 1, the neighbour after the cloth's last end
};

} // namespace

int DrapeStartX(int drawingWidth, bool threadingFromRight) {
    int c = drawingWidth / 2;
    c = c > 234 ? c - 234 : 1;
    return threadingFromRight ? c + 468 : c - 1;
}

// The drape's columns as they are drawn, column by column, before they go to
// the canvas row by row (writing a 1-pixel column straight into an image
// touches a cache line per pixel).
class ColumnBuffer {
  public:
    ColumnBuffer(int xLo, int xHi, int yLo, int yHi, QRgb background)
        : xLo_(xLo), yLo_(yLo), w_(std::max(0, xHi - xLo + 1)), h_(std::max(0, yHi - yLo + 1)),
          pixels_(static_cast<size_t>(w_) * static_cast<size_t>(h_), background) {}
    int xLo() const { return xLo_; }
    int width() const { return w_; }
    // Pixels of column x from row y on; 0 leaves a pixel as it is.
    void Column(int x, int y, const std::vector<QRgb>& colours, int yClip) {
        if (x < xLo_ || x >= xLo_ + w_) return;
        QRgb* col = pixels_.data() + static_cast<size_t>(x - xLo_) * static_cast<size_t>(h_);
        const int from = std::max({y, yLo_, yClip}),
                  to = std::min(y + static_cast<int>(colours.size()), yLo_ + h_);
        for (int row = from; row < to; ++row)
            if (const QRgb c = colours[static_cast<size_t>(row - y)]) col[row - yLo_] = c;
    }
    // Writes the whole buffer onto the canvas, 16 columns at a time.
    void WriteTo(Canvas& canvas) const {
        if (w_ <= 0 || h_ <= 0) return;
        if (QRgb* first = canvas.RowPointer(yLo_); first && canvas.height() > yLo_ + h_ - 1) {
            const std::ptrdiff_t stride = h_ > 1 ? canvas.RowPointer(yLo_ + 1) - first : 0;
            for (int x0 = 0; x0 < w_; x0 += 16) {
                const int n = std::min(16, w_ - x0);
                for (int row = 0; row < h_; ++row) {
                    QRgb* out = first + row * stride + xLo_ + x0;
                    const QRgb* in = pixels_.data() + static_cast<size_t>(x0) * h_ + row;
                    for (int i = 0; i < n; ++i) out[i] = in[static_cast<size_t>(i) * h_];
                }
            }
            canvas.Touch(xLo_, yLo_, w_, h_);
            return;
        }
        for (int row = 0; row < h_; ++row)
            for (int x = 0; x < w_;) {
                const QRgb c = pixels_[static_cast<size_t>(x) * h_ + row];
                int m = x + 1;
                while (m < w_ && pixels_[static_cast<size_t>(m) * h_ + row] == c) ++m;
                canvas.Fill(xLo_ + x, yLo_ + row, m - x, 1, c);
                x = m;
            }
    }

  private:
    int xLo_, yLo_, w_, h_;
    std::vector<QRgb> pixels_; // column-major
};

void PaintDrapery(Canvas& canvas, const Draft& d, const FabricLayout& l) {
    const DrawingArea& a = l.area;
    const QRgb bg = ToRgb(d.BackgroundColor);
    const int usable = a.height - 11;
    int baseY = usable + a.top + a.height / 2 - (usable - 10) / 2 - 72;
    const int dir = l.threadingFromRight ? -1 : 1;
    int x = DrapeStartX(a.width, l.threadingFromRight);

    // The columns the drape can reach, within the drawing area and the canvas;
    // the background around them is cleared at once.
    const int xLo = std::max({std::min(x + dir, x + DrapeFrontSteps * dir), 0});
    const int xHi =
        std::min({std::max(x + dir, x + DrapeFrontSteps * dir), a.width - 1, canvas.width() - 1});
    const int yLo = std::max(a.top, 0), yHi = std::min(a.top + a.height, canvas.height()) - 1;
    canvas.Fill(0, a.top, xLo, a.height, bg);
    canvas.Fill(xHi + 1, a.top, a.width - xHi - 1, a.height, bg);
    ColumnBuffer buffer(xLo, xHi, yLo, yHi, bg);

    const int lastEnd = std::min(l.extent.ends, l.ends);
    const int cw = std::max(l.cellW, 1), ch = std::max(l.cellH, 1);
    int end = l.firstEnd + 2, remainder = 0;
    if (end > lastEnd) {
        buffer.WriteTo(canvas);
        return;
    }

    // Picks: as the Fabric view shows them; with compression pairs (p - 1, p).
    int shown = l.LastPick() - l.firstPick;
    const int rows = l.compression ? l.visiblePicks / 2 : l.visiblePicks;
    if (l.compression) shown -= shown % 2;
    // A cloth shorter than the window hangs only as long as it is: the warp
    // reaches as high as the picks stacked on it.
    const int stacked = std::min(rows, l.compression ? shown / 2 : shown);
    const int columnHeight = stacked * ch;

    // The ends a drape can reach: every step covers at most its table digit + 1.
    int reach = 0;
    for (char c : FoldFront) reach += c - '0' + 1;
    for (char c : FoldBack) reach += c - '0' + 1;
    const int lastReached = std::min(lastEnd, end + reach / cw + 1);
    const DrapeCrossings crossings(d, end, lastReached, l.firstPick + 1,
                                   std::max(l.firstPick + 1, l.firstPick + shown), l.ends);

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
        // The back face never reaches above the window's row 1.
        buffer.Column(x, top, column, front ? 0 : 1);
    };
    auto advance = [&](int digit) {
        remainder += digit + 1;
        if (remainder >= cw) {
            end += remainder / cw;
            remainder %= cw;
        }
        return end <= lastEnd;
    };

    [&] {
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
    }();
    buffer.WriteTo(canvas);
}

} // namespace hm
