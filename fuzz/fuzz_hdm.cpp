// Fuzz target: the .hdm reader over any bytes, whole-file, by components and in
// every blend mode. The first byte chooses the way of reading.
#include <QBuffer>
#include <cstddef>
#include <cstdint>

#include "files/hdmfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    if (size < 1) return 0;
    const uint8_t mode = data[0];
    draft->DesignMode = false;
    draft->ClearDraft();
    draft->Picks = 2 + mode % 64;
    hm::HdmComponents components = hm::HdmComponents::All();
    if (mode & 0x40) {
        components = hm::HdmComponents::None();
        components.threading = mode & 1;
        components.liftplan = mode & 2;
        components.palette = mode & 4;
        components.note = mode & 8;
        components.warpColors = components.weftColors = mode & 16;
    }
    const auto blend =
        (mode & 0x80) ? static_cast<hm::BlendMode>(1 + (mode >> 2) % 4) : hm::BlendMode::None;
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    // Design mode rebuilds the whole 2400 x 2400 picture, which is slow; keep it
    // for one input in sixteen so that the search stays fast.
    if (bytes.size() > 6 && size % 16 != 0) bytes[6] = 0;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    hm::ReadPatternData(*draft, buffer, QString(), components, blend);
    return 0;
}
