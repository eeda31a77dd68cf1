#pragma once
// The surface the draft painters draw on: filled rectangles and one-pixel lines
// in solid colours. ImageCanvas writes straight into the scan lines of a 32-bit
// QImage (the view's off-screen image and image export); PainterCanvas draws with
// a QPainter on any paint device (printing). Both remember the rectangle they
// changed, so the view can update just that part of the screen.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>
#include <algorithm>

#include "view/draftlayout.h"

namespace hm {

// 0x00BBGGRR as the draft stores colours, to an opaque QRgb.
inline QRgb ToRgb(uint32_t bgr) {
    return qRgb(ColorRed(bgr), ColorGreen(bgr), ColorBlue(bgr));
}

// A yarn colour darkened to three quarters: each component minus its quarter.
inline QRgb Darkened(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return qRgb(r - r / 4, g - g / 4, b - b / 4);
}

// out[k] = bit k of `bits` (least significant first) ? warp[k] : weft, for k in
// 0..count-1. `out` has room for count rounded up to a multiple of 8.
void SelectColours(const uint64_t* bits, int count, const QRgb* warp, QRgb weft, QRgb* out);

// out bit k = bit count-1-k of `bits`, for k in 0..count-1 (later bits 0): the
// order of a row of cells turned round. `out` holds (count + 63) / 64 words.
void ReverseBits(const uint64_t* bits, int count, uint64_t* out);

class Canvas {
  public:
    virtual ~Canvas() = default;
    int width() const { return w_; }
    int height() const { return h_; }

    // Fills x..x+w-1, y..y+h-1 (clipped to the canvas).
    void Fill(int x, int y, int w, int h, QRgb c) {
        const int x0 = std::max(x, 0), y0 = std::max(y, 0);
        const int x1 = std::min(x + w, w_), y1 = std::min(y + h, h_);
        if (x0 >= x1 || y0 >= y1) return;
        if (bits_) {
            for (int row = y0; row < y1; ++row)
                std::fill(RowPointer(row) + x0, RowPointer(row) + x1, c);
        } else {
            FillClipped(x0, y0, x1 - x0, y1 - y0, c);
        }
        Touch(x0, y0, x1 - x0, y1 - y0);
    }
    void Fill(const PixelRect& r, QRgb c) { Fill(r.x, r.y, r.w, r.h, c); }
    // Lines are half-open like their rectangles: x0..x1-1, y0..y1-1.
    void HLine(int x0, int x1, int y, QRgb c) { Fill(x0, y, x1 - x0, 1, c); }
    void VLine(int x, int y0, int y1, QRgb c) { Fill(x, y0, 1, y1 - y0, c); }
    // A filled circle inside the square of side `side` at (x, y), as pixel spans.
    void FillCircle(int x, int y, int side, QRgb c);

    // `count` vertical lines x + k * step (k = 0..count-1), rows y0..y1-1.
    void VLines(int x, int step, int count, int y0, int y1, QRgb c);

    // Copies pixels x0..x1-1 of row `from` onto `count` rows below it (clipped).
    // Returns false when the device has no directly writable rows.
    bool RepeatRow(int from, int count, int x0, int x1);

    // Draws `image` scaled to x..x+w-1, y..y+h-1, each target pixel taking the
    // nearest source pixel (no smoothing).
    void StretchImage(const QImage& image, int x, int y, int w, int h);

    // The bounding rectangle of everything drawn since the last call; resets it.
    QRect TakeChanged();
    // Records pixels written directly through RowPointer.
    void Touch(int x, int y, int w, int h) {
        if (w <= 0 || h <= 0) return;
        if (x0_ >= x1_) {
            x0_ = x, y0_ = y, x1_ = x + w, y1_ = y + h;
            return;
        }
        x0_ = std::min(x0_, x);
        y0_ = std::min(y0_, y);
        x1_ = std::max(x1_, x + w);
        y1_ = std::max(y1_, y + h);
    }

    // Start of pixel row y for direct writes, or nullptr without writable rows.
    QRgb* RowPointer(int y) {
        return bits_ ? reinterpret_cast<QRgb*>(bits_ + y * stride_) : nullptr;
    }

  protected:
    Canvas(int width, int height) : w_(std::max(width, 0)), h_(std::max(height, 0)) {}
    // Makes the rows directly writable: row y starts at bits + y * stride.
    void SetRows(uchar* bits, qsizetype stride) {
        bits_ = bits;
        stride_ = stride;
    }
    // Without writable rows: called with a rectangle already clipped to the
    // canvas and not empty.
    virtual void FillClipped(int /*x*/, int /*y*/, int /*w*/, int /*h*/, QRgb /*c*/) {}
    // Called with a target rectangle that is not empty; may reach outside.
    virtual void StretchClipped(const QImage& image, int x, int y, int w, int h);

  private:
    int w_ = 0, h_ = 0;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    // Changed pixels x0..x1-1, y0..y1-1; empty while x0 >= x1.
    int x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0;
};

// Direct scan-line writes into a Format_RGB32 / ARGB32 image.
class ImageCanvas final : public Canvas {
  public:
    explicit ImageCanvas(QImage& image);
};

// Drawing through a QPainter, for devices without directly writable pixels.
class PainterCanvas final : public Canvas {
  public:
    PainterCanvas(QPainter& painter, int width, int height);

  protected:
    void FillClipped(int x, int y, int w, int h, QRgb c) override;
    void StretchClipped(const QImage& image, int x, int y, int w, int h) override;

  private:
    QPainter& p_;
};

} // namespace hm
