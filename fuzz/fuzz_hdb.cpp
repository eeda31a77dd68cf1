// Fuzz target: the .hdb design file reader over any bytes.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "files/designfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    hm::ReadResult result;
    hm::ReadDesignData(*draft, buffer, result);
    return 0;
}
