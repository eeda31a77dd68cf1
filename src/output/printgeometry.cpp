#include "output/printgeometry.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

namespace hm {

namespace {

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

PrintRect PrintingRectangle(const PrinterGeometry& g, const PageMargins& m) {
    PrintRect r;
    const double dpiX = std::max(1, g.DpiX), dpiY = std::max(1, g.DpiY);
    r.Left = Round(dpiX * m.left / 1000.0) - g.OffsetX;
    r.Right = Round(dpiX * (g.PaperW / dpiX - m.right / 1000.0)) - g.OffsetX;
    r.Top = Round(dpiY * m.top / 1000.0) - g.OffsetY;
    r.Bottom = Round(dpiY * (g.PaperH / dpiY - m.bottom / 1000.0)) - g.OffsetY;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, g.PrintW);
    r.Bottom = std::min(r.Bottom, g.PrintH);
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

PictureSize FitPicture(const PrinterGeometry& g, const PrintRect& r, int textH, double a,
                       double b) {
    if (a <= 0 || b <= 0) return {};
    const double ratio = a / b;
    const double pixelRatio =
        static_cast<double>(std::max(1, g.DpiX)) / static_cast<double>(std::max(1, g.DpiY));
    PictureSize s;
    s.W = r.AvailW();
    s.H = Round(s.W / ratio);
    if (g.DpiX != g.DpiY) s.H = Round(s.H / pixelRatio);
    const int footer = textH + textH / 3;
    if (r.AvailH() >= footer + s.H) return s;
    s.H = std::max(0, r.AvailH() - footer);
    s.W = Round(ratio * s.H);
    if (g.DpiX != g.DpiY) s.W = Round(pixelRatio * s.W);
    return s;
}

PrinterGeometry GeometryOf(const QPagedPaintDevice& device) {
    PrinterGeometry g;
    g.DpiX = std::max(1, device.logicalDpiX());
    g.DpiY = std::max(1, device.logicalDpiY());
    const QPageLayout layout = device.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Inch);
    const QRectF printable = layout.paintRect(QPageLayout::Inch);
    g.PaperW = Round(paper.width() * g.DpiX);
    g.PaperH = Round(paper.height() * g.DpiY);
    g.OffsetX = Round((printable.left() - paper.left()) * g.DpiX);
    g.OffsetY = Round((printable.top() - paper.top()) * g.DpiY);
    g.PrintW = Round(printable.width() * g.DpiX);
    g.PrintH = Round(printable.height() * g.DpiY);
    return g;
}

} // namespace hm
