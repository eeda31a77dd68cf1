#include "fabric/fabricwindowpainter.h"

#include <algorithm>
#include <vector>

namespace hm {

FabricWindowPainter::FabricWindowPainter(Canvas& canvas, const Draft& d,
                                         const FabricWindowLayout& layout)
    : c_(canvas), d_(d), l_(layout) {}

void FabricWindowPainter::FullRepaint() {
    const QRgb bg = ToRgb(d_.BackgroundColor);
    const int n = l_.LastEnd() - l_.winFirstEnd;
    const int height = std::min(l_.winPicks, c_.height());
    if (n <= 0 || height <= 0) {
        c_.Fill(0, 0, c_.width(), c_.height(), bg);
        return;
    }
    // The ends shown occupy one block of columns; the rest is background.
    const int left = std::min(ColumnOf(0), ColumnOf(n - 1)),
              right = std::max(ColumnOf(0), ColumnOf(n - 1)) + 1;
    c_.Fill(0, 0, left, c_.height(), bg);
    c_.Fill(right, 0, c_.width() - right, c_.height(), bg);
    c_.Fill(left, height, right - left, c_.height() - height, bg);

    std::vector<QRgb> warp(static_cast<size_t>(n) + 8);
    for (int k = 0; k < n; ++k) warp[static_cast<size_t>(k)] = Warp(l_.winFirstEnd + 1 + k);
    const DrawdownRows rows(d_);
    std::vector<uint64_t> up(static_cast<size_t>(n + 63) / 64 + 1);
    std::vector<QRgb> colours(static_cast<size_t>(n) + 8);
    const bool direct = c_.RowPointer(0) != nullptr && left >= 0 && right <= c_.width();
    for (int y = 0; y < height; ++y) {
        const int pick = l_.PickAt(y);
        const bool woven = pick >= 1 && pick <= l_.picks;
        if (woven) {
            rows.WarpOnTopBits(pick, l_.winFirstEnd + 1, n, up.data());
            SelectColours(up.data(), n, warp.data(), Weft(pick), colours.data());
        }
        const std::vector<QRgb>& row = woven ? colours : warp; // warp lines only past the last pick
        if (direct) {
            QRgb* line = c_.RowPointer(y);
            if (l_.threadingFromRight)
                std::reverse_copy(row.begin(), row.begin() + n, line + left);
            else
                std::copy(row.begin(), row.begin() + n, line + left);
            continue;
        }
        for (int k = 0; k < n;) {
            int m = k + 1;
            while (m < n && row[static_cast<size_t>(m)] == row[static_cast<size_t>(k)]) ++m;
            const int xa = ColumnOf(k), xb = ColumnOf(m - 1);
            c_.Fill(std::min(xa, xb), y, m - k, 1, row[static_cast<size_t>(k)]);
            k = m;
        }
    }
    if (direct) c_.Touch(left, 0, right - left, height);
}

void FabricWindowPainter::UpdateColumn(int end) {
    const int x = l_.XOfEnd(end);
    if (x < 0 || end < 1 || end > l_.ends) return;
    c_.VLine(x, 0, l_.winPicks, Warp(end));
    for (int pick = l_.winFirstPick + 1; pick <= l_.LastPick(); ++pick)
        if (!WarpOnTop(d_, pick, end)) c_.Fill(x, l_.YOfPick(pick), 1, 1, Weft(pick));
}

void FabricWindowPainter::UpdateRow(int pick) {
    const int y = l_.YOfPick(pick);
    const int n = l_.LastEnd() - l_.winFirstEnd;
    if (y < 0 || pick < 1 || pick > l_.picks || n <= 0) return;
    const int left = std::min(ColumnOf(0), ColumnOf(n - 1));
    c_.HLine(left, left + n, y, Weft(pick));
    std::vector<uint8_t> up(static_cast<size_t>(n));
    DrawdownRows(d_).WarpOnTopRow(pick, l_.winFirstEnd + 1, n, up.data());
    for (int k = 0; k < n; ++k)
        if (up[static_cast<size_t>(k)]) c_.Fill(ColumnOf(k), y, 1, 1, Warp(l_.winFirstEnd + 1 + k));
}

} // namespace hm
