#include "view/canvas.h"

#include <algorithm>
#include <cmath>

namespace hm {

void Canvas::Fill(int x, int y, int w, int h, QRgb c) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, width()), y1 = std::min(y + h, height());
    if (x0 >= x1 || y0 >= y1) return;
    FillClipped(x0, y0, x1 - x0, y1 - y0, c);
    changed_ |= QRect(x0, y0, x1 - x0, y1 - y0);
}

void Canvas::FillCircle(int x, int y, int side, QRgb c) {
    if (side <= 0) return;
    // A pixel belongs to the circle when its centre lies inside it.
    const double r = side / 2.0;
    for (int row = 0; row < side; ++row) {
        const double dy = row + 0.5 - r;
        const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        // Columns whose centre col + 0.5 lies within r - half .. r + half.
        const int c0 = static_cast<int>(std::ceil(r - half - 0.5));
        const int c1 = static_cast<int>(std::floor(r + half - 0.5));
        if (c1 >= c0) HLine(x + c0, x + c1 + 1, y + row, c);
    }
}

bool Canvas::RepeatRow(int from, int count, int x0, int x1) {
    if (from < 0 || from >= height() || !RowPointer(from)) return false;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width());
    const int last = std::min(from + count, height() - 1);
    if (x0 >= x1 || last <= from) return true;
    const QRgb* src = RowPointer(from) + x0;
    for (int y = from + 1; y <= last; ++y) std::copy(src, src + (x1 - x0), RowPointer(y) + x0);
    changed_ |= QRect(x0, from + 1, x1 - x0, last - from);
    return true;
}

QRect Canvas::TakeChanged() {
    QRect r = changed_;
    changed_ = QRect();
    return r;
}

ImageCanvas::ImageCanvas(QImage& image) {
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_RGB32);
    bits_ = image.bits();
    stride_ = image.bytesPerLine();
    w_ = image.width();
    h_ = image.height();
}

void ImageCanvas::FillClipped(int x, int y, int w, int h, QRgb c) {
    for (int row = y; row < y + h; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(bits_ + row * stride_) + x;
        std::fill_n(line, w, c);
    }
}

PainterCanvas::PainterCanvas(QPainter& painter, int width, int height)
    : p_(painter), w_(width), h_(height) {}

void PainterCanvas::FillClipped(int x, int y, int w, int h, QRgb c) {
    p_.fillRect(QRect(x, y, w, h), QColor::fromRgb(c));
}

} // namespace hm
