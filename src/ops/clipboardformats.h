#pragma once
// The two public forms in which parts of a draft travel through the system
// clipboard, so that other programs can give and take them:
//  - a cell picture: black for a set cell, white for a clear one. Read back,
//    every pixel that is not pure white counts as set; a fully transparent pixel
//    counts as white (the picture as it shows on white paper).
//  - a colour list: plain text whose first line is exactly "HDMCLIPC" and whose
//    further lines each hold one palette index.
// Clipboard content comes from outside: the readers accept any picture and any
// text, and never read more than a draft can hold.

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace hm {

// A picture of cells, width x height, (0, 0) at the top left.
class ClipboardCellPicture {
  public:
    ClipboardCellPicture() = default;
    ClipboardCellPicture(int width, int height); // all clear; negative sizes count as 0

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    // Outside the picture: clear.
    bool at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
        return cells_[Index(x, y)] != 0;
    }
    void set(int x, int y, bool on) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        cells_[Index(x, y)] = on ? 1 : 0;
    }
    bool operator==(const ClipboardCellPicture&) const = default;
    // Row y (0 <= y < height) as width bytes, 1 for a set cell.
    uint8_t* Row(int y) { return cells_.data() + Index(0, y); }

  private:
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> cells_;
};

// No area of a draft reaches further than this many cells in either direction;
// pixels of a clipboard picture beyond it are never read.
inline constexpr int MaxPictureExtent = 4800;

// The picture as a 24-bit image, one pixel per cell.
QImage PictureToImage(const ClipboardCellPicture& picture);
// The top left maxWidth x maxHeight pixels (each at most MaxPictureExtent) of an
// image of any format and size; a null image gives an empty picture.
ClipboardCellPicture PictureFromImage(const QImage& image, int maxWidth = MaxPictureExtent,
                                      int maxHeight = MaxPictureExtent);

// A threading or treadling as a picture: one row per end or pick, one column
// per shaft or treadle of the group; row k has its pixel at column v - 1 for
// value v (none for 0 or a value beyond the group).
ClipboardCellPicture PictureFromThreadValues(const std::vector<uint8_t>& values, int groupSize);
// The reverse: for each row the column of its first set pixel plus 1; 0 for an
// empty row or a value beyond groupSize. At most maxValues rows are read.
std::vector<uint8_t> ThreadValuesFromPicture(const ClipboardCellPicture& picture, int groupSize,
                                             int maxValues = MaxPictureExtent);

// Palette indices of consecutive ends or picks, first end or pick first.
using ClipboardColorList = std::vector<uint8_t>;

inline constexpr const char* ColorListHeader = "HDMCLIPC";

// "HDMCLIPC" and one index per line, each line ended by a line break.
QString ColorListToText(const ClipboardColorList& colors);
// Nothing when the first line is not exactly "HDMCLIPC". Lines may end in LF,
// CR LF or CR; a final line break does not start another line. A line that is
// not a decimal number (blanks around it allowed), or a number outside 0..255,
// gives 0. At most maxValues values are read.
std::optional<ClipboardColorList> ColorListFromText(const QString& text,
                                                    int maxValues = MaxPictureExtent);

} // namespace hm
