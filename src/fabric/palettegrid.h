#pragma once
// The square grids of palette colours that the palette window, the colour
// editor and the fill-colours dialog show: how many colours, how they lie in
// rows, where a click lands. Pure arithmetic; the widgets only paint the cells.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace hm {

// Palette sizes as the draft keeps them (Draft::PaletteSize).
inline constexpr int PaletteSize16 = 0;
inline constexpr int PaletteSize64 = 1;
inline constexpr int PaletteSize256 = 2;

// A stored size outside 0..2 counts as 64 colours.
int ValidPaletteSize(int paletteSize);
// 16, 64 or 256.
int ShownColours(int paletteSize);
// Cells per grid row: 4, 8 or 16.
int PaletteGridColumns(int paletteSize);
// A click on the palette window's colour panel: 16 -> 64 -> 256 -> 16.
int NextPaletteSize(int paletteSize);
// Whether index lies in the grid of this size.
bool IsShownIndex(int paletteSize, int index);

// One grid of palette entries, entry 0 at the top left, row after row.
struct PaletteGrid {
    int columns = 8;
    int rows = 8;
    int cellPixels = 20;

    int Count() const { return columns * rows; }
    QSize PixelSize() const { return {columns * cellPixels, rows * cellPixels}; }
    // The cell of a palette index; an empty rectangle for an index not shown.
    QRect CellRect(int index) const;
    // The palette index under a point of the grid, or -1 outside every cell.
    int IndexAt(QPoint point) const;
    // Grid row (0-based) and the first index in it.
    int RowOf(int index) const { return index / columns; }
    int FirstIndexOfRow(int row) const { return row * columns; }
};

// The grid of a palette size with the given cell size.
PaletteGrid MakePaletteGrid(int paletteSize, int cellPixels);
// The palette window: 4 x 4 cells of 24 pixels, 8 x 8 of 20 or 16 x 16 of 16.
PaletteGrid PaletteWindowGrid(int paletteSize);
// The largest grid of this size whose cells fit in an area (at least 1 pixel).
PaletteGrid FitPaletteGrid(int paletteSize, QSize area);

// The palette window's caption: "Color 12" in the current language.
QString PaletteWindowCaption(int currentColour);

} // namespace hm
