#pragma once
// Where a printed picture may go: the printer's geometry, the printing rectangle
// inside the page-setup margins, and the fitting of a picture of a given
// proportion into it. All values are printer pixels measured from the corner of
// the printable area, which is where a painter on the device has its origin.

class QPagedPaintDevice;

namespace hm {

struct PrinterGeometry {
    int DpiX = 600;
    int DpiY = 600;
    int OffsetX = 0; // printable area from the paper's left edge
    int OffsetY = 0; // and from its top edge
    int PaperW = 0;
    int PaperH = 0;
    int PrintW = 0; // printable size
    int PrintH = 0;
};

// Page-setup margins in thousandths of an inch.
struct PageMargins {
    int left = 1000;
    int top = 1000;
    int right = 1000;
    int bottom = 1000;
};

struct PrintRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int AvailW() const { return Right - Left; }
    int AvailH() const { return Bottom - Top; }
};

// The printing rectangle: the margins measured from the paper's edges, kept
// inside the printable area and never inverted.
PrintRect PrintingRectangle(const PrinterGeometry& g, const PageMargins& m);

struct PictureSize {
    int W = 0;
    int H = 0;
};

// The largest picture of proportion a : b (width : height units) that fills the
// rectangle's width, or its height less the footer room below it. Non-square
// printer pixels are allowed for. A proportion with a zero side gives 0 x 0.
PictureSize FitPicture(const PrinterGeometry& g, const PrintRect& r, int textH, double a, double b);

// The geometry of a paged device (a PDF writer, or the printer from the print
// dialog, whose page layout margins are its unprintable edges).
PrinterGeometry GeometryOf(const QPagedPaintDevice& device);

} // namespace hm
