#include "ops/clipboardformats.h"

#include <QStringView>
#include <algorithm>

namespace hm {

ClipboardCellPicture::ClipboardCellPicture(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      cells_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

QImage PictureToImage(const ClipboardCellPicture& picture) {
    if (picture.empty()) return {};
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = picture.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return image;
}

ClipboardCellPicture PictureFromImage(const QImage& image, int maxWidth, int maxHeight) {
    if (image.isNull()) return {};
    const int w = std::min({image.width(), std::max(maxWidth, 0), MaxPictureExtent});
    const int h = std::min({image.height(), std::max(maxHeight, 0), MaxPictureExtent});
    ClipboardCellPicture picture(w, h);
    if (picture.empty()) return picture;
    // A strip at a time, so that a large picture of any format is never converted
    // as a whole.
    constexpr int StripRows = 256;
    for (int y0 = 0; y0 < h; y0 += StripRows) {
        const int rows = std::min(StripRows, h - y0);
        const QImage strip = image.copy(0, y0, w, rows).convertToFormat(QImage::Format_ARGB32);
        if (strip.isNull()) continue; // no memory for the strip: it stays clear
        for (int y = 0; y < rows; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
            uint8_t* cells = picture.Row(y0 + y);
            for (int x = 0; x < w; ++x) {
                const QRgb p = line[x];
                // Set unless fully transparent or pure white.
                cells[x] = qAlpha(p) != 0 && (p & 0x00FFFFFFu) != 0x00FFFFFFu;
            }
        }
    }
    return picture;
}

ClipboardCellPicture PictureFromThreadValues(const std::vector<uint8_t>& values, int groupSize) {
    ClipboardCellPicture picture(groupSize, static_cast<int>(values.size()));
    for (size_t k = 0; k < values.size(); ++k)
        if (values[k] >= 1 && values[k] <= groupSize)
            picture.set(values[k] - 1, static_cast<int>(k), true);
    return picture;
}

std::vector<uint8_t> ThreadValuesFromPicture(const ClipboardCellPicture& picture, int groupSize,
                                             int maxValues) {
    const int rows = std::clamp(std::min(picture.height(), maxValues), 0, MaxPictureExtent);
    // A first set pixel at a column >= groupSize gives a value beyond the group,
    // which reads as 0, so only the group's columns are looked at. A byte holds
    // every group (at most 128 shafts).
    const int columns = std::clamp(std::min(picture.width(), groupSize), 0, 255);
    std::vector<uint8_t> values(static_cast<size_t>(rows), 0);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if (picture.at(x, y)) {
                values[static_cast<size_t>(y)] = static_cast<uint8_t>(x + 1);
                break;
            }
    return values;
}

QString ColorListToText(const ClipboardColorList& colors) {
    QString text = QString::fromLatin1(ColorListHeader) + u'\n';
    text.reserve(static_cast<qsizetype>(colors.size()) * 4 + 10);
    for (uint8_t c : colors) text += QString::number(c) + u'\n';
    return text;
}

namespace {

// 0 for anything that is not a decimal number in 0..255.
uint8_t IndexOfLine(QStringView line) {
    line = line.trimmed();
    if (line.startsWith(u'+')) line = line.mid(1);
    if (line.isEmpty() || line.size() > 12) return 0;
    long value = 0;
    for (QChar c : line) {
        if (c < u'0' || c > u'9') return 0;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= 255 ? static_cast<uint8_t>(value) : 0;
}

} // namespace

std::optional<ClipboardColorList> ColorListFromText(const QString& text, int maxValues) {
    const QStringView all(text);
    qsizetype pos = 0;
    // The next line and the position after its line break; false at the end.
    auto nextLine = [&](QStringView& line) {
        if (pos >= all.size()) return false;
        qsizetype end = pos;
        while (end < all.size() && all[end] != u'\n' && all[end] != u'\r') ++end;
        line = all.mid(pos, end - pos);
        pos = end;
        if (pos < all.size()) {
            if (all[pos] == u'\r' && pos + 1 < all.size() && all[pos + 1] == u'\n') ++pos;
            ++pos;
        }
        return true;
    };
    QStringView line;
    if (!nextLine(line) || line != QLatin1String(ColorListHeader)) return std::nullopt;
    ClipboardColorList colors;
    const int limit = std::clamp(maxValues, 0, MaxPictureExtent);
    while (static_cast<int>(colors.size()) < limit && nextLine(line))
        colors.push_back(IndexOfLine(line));
    return colors;
}

} // namespace hm
