#pragma once
// Helpers of the output tests: a PDF writer in memory, and a stand-in for the
// Fabric view's painter that colours each crossing by the drawdown.

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "model/drawdown.h"
#include "output/fabrichook.h"

namespace hm::test {

struct MemoryPdf {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfWriter writer{&buffer};
    explicit MemoryPdf(QPageSize::PageSizeId size = QPageSize::Letter, int dpi = 600) {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(dpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(size), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }
};

// One cell per crossing: the warp colour where the warp is on top, else the
// weft colour; ends from the right with ThreadingFromRight, the first pick at
// the bottom; with compression each row shows its even pick.
inline FabricPainter CrossingPainter(std::vector<FabricSpan>* calls = nullptr) {
    return [calls](Canvas& c, const Draft& d, const FabricSpan& s) {
        if (calls) calls->push_back(s);
        const bool compressed = d.FabricCompression;
        for (int row = 0; row < s.Rows(compressed); ++row) {
            const int pick = s.firstPick + (compressed ? 2 * row + 1 : row);
            for (int k = 0; k < s.Ends(); ++k) {
                const int end = s.firstEnd + k;
                const int x = d.ThreadingFromRight ? (s.Ends() - 1 - k) * s.cellW : k * s.cellW;
                const int y = c.height() - (row + 1) * s.cellH;
                const uint8_t colour =
                    WarpOnTop(d, pick, end) ? d.WarpColors[end] : d.WeftColors[pick];
                c.Fill(x, y, s.cellW, s.cellH, ToRgb(d.Palette[colour]));
            }
        }
    };
}

} // namespace hm::test
