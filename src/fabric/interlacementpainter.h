#pragma once
// The Interlacement view: enlarged threads passing over and under each other,
// drawn into an off-screen bitmap (14 pixels per end, 18 per pick, threads 8
// pixels thick) and stretched onto the drawing area in one operation.

#include <QImage>

#include "fabric/fabriclayout.h"
#include "view/canvas.h"

namespace hm {

// The colour a palette entry is drawn in: very light yarns (all of R, G and B
// above 224) on a white background are darkened by an eighth of each component,
// so that they stay visible.
QRgb DisplayColour(const Draft& d, int paletteIndex);

// The off-screen bitmap and its three drawing operations. Colours are palette
// indices, drawn through DisplayColour.
class InterlaceBitmap {
  public:
    InterlaceBitmap(const Draft& d, int width, int height);
    // Fills width x height pixels from (x, y).
    void Block(int x, int y, int paletteIndex, int height, int width);
    // A line from (x, y) to (x + width - 1, y + height - 1).
    void Line(int x, int y, int paletteIndex, int height, int width);
    // The whole bitmap in one colour.
    void FillMap(QRgb colour);
    // One row in one colour.
    void FillRow(int y, QRgb colour);
    // Copies the top row onto every other row.
    void RepeatFirstRow();
    const QImage& image() const { return image_; }

  private:
    void Put(int x, int y, QRgb c);
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
    QImage image_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int w_ = 0, h_ = 0;
    QRgb colours_[PaletteEntries];
};

// The bitmap of the ends and picks the layout shows.
QImage InterlacementBitmap(const Draft& d, const FabricLayout& layout);

// Clears the drawing area to the background colour and stretches the bitmap onto
// it, less a border of 5 pixels at the top and left and 4 at the right and bottom.
void PaintInterlacement(Canvas& canvas, const Draft& d, const FabricLayout& layout);

} // namespace hm
