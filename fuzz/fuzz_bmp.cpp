// Fuzz target: BMP pictures read as design pictures, as a companion and as a
// picture opened directly (the first byte chooses).
#include <cstddef>
#include <cstdint>

#include "files/designfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    if (size < 1) return 0;
    draft->ThreadingFromRight = data[0] & 1;
    draft->LiftplanFromBottom = data[0] & 2;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    hm::ReadResult result;
    hm::ReadDesignBitmapData(*draft, bytes, data[0] & 4, result);
    return 0;
}
