#include "fabric/palettegrid.h"

#include <algorithm>

#include "settings/messages.h"

namespace hm {

int ValidPaletteSize(int paletteSize) {
    return paletteSize >= PaletteSize16 && paletteSize <= PaletteSize256 ? paletteSize
                                                                         : PaletteSize64;
}

int ShownColours(int paletteSize) {
    const int columns = PaletteGridColumns(paletteSize);
    return columns * columns;
}

int PaletteGridColumns(int paletteSize) {
    constexpr int columns[] = {4, 8, 16};
    return columns[ValidPaletteSize(paletteSize)];
}

int NextPaletteSize(int paletteSize) {
    return (ValidPaletteSize(paletteSize) + 1) % 3;
}

bool IsShownIndex(int paletteSize, int index) {
    return index >= 0 && index < ShownColours(paletteSize);
}

QRect PaletteGrid::CellRect(int index) const {
    if (index < 0 || index >= Count()) return {};
    return {(index % columns) * cellPixels, (index / columns) * cellPixels, cellPixels, cellPixels};
}

int PaletteGrid::IndexAt(QPoint point) const {
    if (cellPixels <= 0 || point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / cellPixels;
    const int row = point.y() / cellPixels;
    if (column >= columns || row >= rows) return -1;
    return row * columns + column;
}

PaletteGrid MakePaletteGrid(int paletteSize, int cellPixels) {
    const int columns = PaletteGridColumns(paletteSize);
    return {columns, columns, std::max(1, cellPixels)};
}

PaletteGrid PaletteWindowGrid(int paletteSize) {
    constexpr int cells[] = {24, 20, 16};
    return MakePaletteGrid(paletteSize, cells[ValidPaletteSize(paletteSize)]);
}

PaletteGrid FitPaletteGrid(int paletteSize, QSize area) {
    const int columns = PaletteGridColumns(paletteSize);
    return MakePaletteGrid(paletteSize, std::min(area.width(), area.height()) / columns);
}

QString PaletteWindowCaption(int currentColour) {
    return Tr("@idcolor") + QLatin1Char(' ') + QString::number(currentColour);
}

} // namespace hm
