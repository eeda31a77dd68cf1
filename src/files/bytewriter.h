#pragma once
// Builds the bytes of a file in memory before it is saved in one piece.

#include <QByteArray>
#include <cstdint>

namespace hm {

class ByteWriter {
  public:
    void Byte(int value) { bytes_.append(static_cast<char>(value & 0xFF)); }
    void Bool(bool value) { Byte(value ? 1 : 0); }
    // Unsigned 16-bit number, high byte first.
    void U16(int value) {
        Byte((value >> 8) & 0xFF);
        Byte(value & 0xFF);
    }
    void Bytes(const uint8_t* data, int count) {
        if (count > 0) bytes_.append(reinterpret_cast<const char*>(data), count);
    }
    void Zeros(int count) {
        if (count > 0) bytes_.append(count, '\0');
    }
    int Size() const { return static_cast<int>(bytes_.size()); }
    void SetByte(int offset, int value) { bytes_[offset] = static_cast<char>(value & 0xFF); }
    const QByteArray& Data() const { return bytes_; }

  private:
    QByteArray bytes_;
};

} // namespace hm
