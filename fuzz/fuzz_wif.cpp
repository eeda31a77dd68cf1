// Fuzz target: the WIF reader over any bytes. A file that it takes is written
// back as a WIF and read again, and the two drafts must weave the same cloth.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "files/wiffile.h"
#include "model/drawdown.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    static hm::Draft* again = new hm::Draft();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (hm::ReadWifData(*draft, bytes).HasError()) return 0;
    // The round trip walks the whole cloth; keep it to small drafts so that the
    // search stays fast.
    if (draft->Ends * draft->Picks > 20000) return 0;
    if (hm::ReadWifData(*again, hm::WifFileBytes(*draft)).HasError()) __builtin_trap();
    for (int p = 1; p <= draft->Picks; ++p)
        for (int e = 1; e <= draft->Ends; ++e)
            if (hm::WarpOnTop(*draft, p, e) != hm::WarpOnTop(*again, p, e)) __builtin_trap();
    return 0;
}
