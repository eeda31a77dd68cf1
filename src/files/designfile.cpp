#include "files/designfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <algorithm>

#include "files/bytereader.h"
#include "files/bytewriter.h"

namespace hm {

namespace {

QString WithoutExtension(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty() && !info.fileName().endsWith('.')) return path;
    return path.left(path.size() - suffix.size() - 1);
}

constexpr int HdbHeaderBytes = 128;

void ReadBitmapImage(Draft& d, const QImage& loaded, bool companion, ReadResult& result) {
    if (loaded.isNull()) {
        result.Error(msg::NotAPicture);
        return;
    }
    const QImage image = loaded.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(image.width(), DesignSize);
    const int height = std::min(image.height(), DesignSize);
    const bool fromRight = companion || d.ThreadingFromRight;
    const bool fromBottom = companion || d.LiftplanFromBottom;
    for (int i = 1; i <= DesignSize; ++i) {
        uint8_t* row = d.DesignRow(i);
        std::fill(row, row + DesignRowBytes, 0);
        if (i > height) continue;
        const int y = fromBottom ? height - i : i - 1;
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int j = 1; j <= width; ++j) {
            const int x = fromRight ? width - j : j - 1;
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF)
                row[(j - 1) / 8] |= static_cast<uint8_t>(1u << ((j - 1) % 8));
        }
    }
    if (!d.DesignMode) {
        d.DesignMode = true;
        result.designModeChanged = true;
    }
    result.forgetCurrentFile = true;
}

} // namespace

QString CompanionDesignFile(const QString& patternPath, PatternFormat format) {
    return WithoutExtension(patternPath) + (format == PatternFormat::Hdm ? ".hdb" : "_cd.hdb");
}

QString CompanionBitmap(const QString& patternPath, PatternFormat format) {
    return WithoutExtension(patternPath) + (format == PatternFormat::Hdm ? ".bmp" : " cd.bmp");
}

void ReadDesignData(Draft& d, QIODevice& device, ReadResult& result) {
    ByteReader r(device);
    try {
        uint8_t header[HdbHeaderBytes];
        r.Bytes(header, HdbHeaderBytes);
        if (header[0] != 'H' || header[1] != 'M') result.Error(msg::BadSignature);
        const int rowBytes = ((header[10] << 8) | header[11]) + 1;
        const int rows = std::min((header[12] << 8) | header[13], DesignSize);
        const int kept = std::min(rowBytes, DesignRowBytes);
        for (int row = 1; row <= rows; ++row) {
            r.Bytes(d.DesignRow(row), kept);
            r.Skip(rowBytes - kept);
        }
    } catch (const EndOfData&) {
        result.Error(msg::EndsEarly);
        result.stoppedEarly = true;
    } catch (const DeviceError& e) {
        result.Error(std::string(msg::ReadError) + ": " + e.text.toStdString());
        result.stoppedEarly = true;
    }
}

void ReadDesignFile(Draft& d, const QString& path, ReadResult& result) {
    if (!QFileInfo::exists(path)) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error(msg::ReadError);
        return;
    }
    ReadDesignData(d, file, result);
}

void ReadDesignBitmapData(Draft& d, const QByteArray& data, bool companion, ReadResult& result) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    ReadBitmapImage(d, reader.read(), companion, result);
}

void ReadDesignBitmap(Draft& d, const QString& path, bool companion, ReadResult& result) {
    if (!QFileInfo::exists(path)) return;
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    ReadBitmapImage(d, reader.read(), companion, result);
}

QByteArray DesignFileBytes(const Draft& d) {
    const int ends = std::clamp(d.Ends, 1, DesignSize);
    const int rows = std::clamp(d.Picks, 1, DesignSize);
    const int rowBytes = (ends + 7) / 8;
    ByteWriter w;
    w.Byte('H');
    w.Byte('M');
    w.Zeros(8);
    w.U16(rowBytes - 1);
    w.U16(rows);
    w.Zeros(HdbHeaderBytes - w.Size());
    for (int row = 1; row <= rows; ++row) w.Bytes(d.DesignRow(row), rowBytes);
    return w.Data();
}

} // namespace hm
