#pragma once
// Bounded reading of a pattern file: every read is checked against the bytes
// that remain, and a read that cannot be satisfied throws instead of touching
// memory it does not own. The readers catch the exceptions at their top level
// and turn them into messages, keeping whatever was read before.

#include <QIODevice>
#include <QString>
#include <cstdint>

namespace hm {

// The data ends before a block it announces is complete.
struct EndOfData {};
// The device reported an error; text is the system's description.
struct DeviceError {
    QString text;
};

class ByteReader {
  public:
    explicit ByteReader(QIODevice& device) : device_(device) {}

    qint64 Remaining() const { return device_.size() - device_.pos(); }

    uint8_t Byte() {
        uint8_t b = 0;
        Bytes(&b, 1);
        return b;
    }
    // Unsigned 16-bit number, high byte first.
    int U16() {
        uint8_t b[2];
        Bytes(b, 2);
        return (b[0] << 8) | b[1];
    }
    void Bytes(uint8_t* out, qint64 count) {
        if (count <= 0) return;
        Need(count);
        const qint64 got = device_.read(reinterpret_cast<char*>(out), count);
        if (got < 0) throw DeviceError{device_.errorString()};
        if (got != count) throw EndOfData{};
    }
    void Skip(qint64 count) {
        if (count <= 0) return;
        Need(count);
        if (!device_.seek(device_.pos() + count)) throw DeviceError{device_.errorString()};
    }

  private:
    void Need(qint64 count) const {
        if (Remaining() < count) throw EndOfData{};
    }
    QIODevice& device_;
};

} // namespace hm
