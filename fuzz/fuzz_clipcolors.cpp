// Fuzz target: colour lists taken from the clipboard. The first byte chooses the
// colours (warp or weft), the draft's size, the target and the Paste Special
// options; the rest is the clipboard text, read as UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ops/clipboardops.h"
#include "ops/pastespecial.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static hm::Draft* draft = new hm::Draft();
    if (size < 1) return 0;
    const uint8_t mode = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));
    const std::optional<hm::ClipboardColorList> colors = hm::ColorListFromText(text);
    if (!colors) return 0;
    if (colors->size() > static_cast<size_t>(hm::MaxPictureExtent)) std::abort();

    hm::Draft& d = *draft;
    d.Ends = 1 + (mode * 37) % hm::MaxEnds;
    d.Picks = 1 + (mode * 53) % hm::MaxPicks;
    const hm::SelectionKind kind =
        mode & 1 ? hm::SelectionKind::WarpColors : hm::SelectionKind::WeftColors;
    const int target = 1 + (mode >> 1) * 41; // up to past the draft's end
    hm::PasteColorList(d, kind, target, *colors);

    hm::PasteSpecialOptions o;
    o.copies = 1 + (mode >> 3);
    o.fillRemaining = mode & 0x20;
    o.insert = mode & 0x40;
    o.flipHorizontal = mode & 0x80;
    o.flipVertical = mode & 0x02;
    hm::PasteSpecialList(d, kind, (mode & 4) ? target + 1 : 1, target, *colors, o);
    return 0;
}
