// Fuzz target: the .hdx reader over any bytes, whole-file and by components.
// The first byte chooses the way of reading.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "files/hdxfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    if (size < 1) return 0;
    const uint8_t mode = data[0];
    draft->DesignMode = false;
    draft->ClearDraft();
    hm::HdxComponents components = hm::HdxComponents::All();
    if (mode & 0x80) {
        components = hm::HdxComponents::None();
        components.patternThreading = components.liftplan = mode & 1;
        components.threadingA = components.treadlingA = mode & 2;
        components.threadingB = components.treadlingB = mode & 4;
        components.tieupAA = components.tieupBB = mode & 8;
        components.tieupAB = components.tieupBA = mode & 16;
        components.warpColors = components.weftColors = mode & 32;
        components.palette = components.note = mode & 64;
    }
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    // Design mode rebuilds the whole 2400 x 2400 picture, which is slow; keep it
    // for one input in sixteen so that the search stays fast.
    if (bytes.size() > 6 && size % 16 != 0) bytes[6] = 0;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    hm::ReadCdPatternData(*draft, buffer, QString(), components);
    return 0;
}
