#pragma once
// Helpers for the pixel tests: render a draft with the real painters and read
// pixels back.

#include <QImage>
#include <functional>

#include "view/canvas.h"
#include "view/draftlayout.h"
#include "view/draftpainter.h"

namespace hm::test {

inline constexpr int ImageW = 480;
inline constexpr int ImageH = 420;

inline ViewGeometry TestGeometry(bool designGrid = true) {
    ViewGeometry g;
    g.originX = 0;
    g.originY = 7;
    g.clientW = ImageW - 6;
    g.clientH = ImageH - 11;
    g.designGridStyle = designGrid;
    return g;
}

struct Rendered {
    QImage image;
    DraftLayout layout;
};

// Layout plus clear plus full repaint, as Update does.
inline Rendered RenderFull(Draft& d, bool designGrid = true) {
    Rendered r;
    r.layout = Layout(d, TestGeometry(designGrid)).layout;
    r.image = QImage(ImageW, ImageH, QImage::Format_RGB32);
    ImageCanvas canvas(r.image);
    DraftPainter p(canvas, d, r.layout);
    p.ClearAll();
    p.Repaint();
    return r;
}

inline void PaintOn(Rendered& r, const Draft& d, const std::function<void(DraftPainter&)>& f) {
    ImageCanvas canvas(r.image);
    DraftPainter p(canvas, d, r.layout);
    f(p);
}

inline QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}

// First differing pixel as text, empty when equal.
inline std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (Px(a, x, y) != Px(b, x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
    return {};
}

} // namespace hm::test
