// apply operations of the colour editor and the fill-colours dialog. Palette
// indices are 0..255, as the editor's grid and status bar number them.
#include <array>

#include "app/cli/applyoperations.h"
#include "fabric/colourfill.h"
#include "fabric/paletteedit.h"
#include "fabric/paletteyarns.h"
#include "model/draft.h"

namespace hm {

namespace {

constexpr int LastIndex = PaletteEntries - 1;

bool TwoIndices(ApplyContext& c, int& i, int& j) {
    return c.Number(1, "I", 0, LastIndex, i) && c.Number(2, "J", 0, LastIndex, j);
}

int Fill(ApplyContext& c, ColourFillTarget target) {
    const std::optional<FillOrder> order =
        c.words.size() > 1 ? FillOrderFromName(c.words[1].toStdString()) : std::nullopt;
    if (!order) return c.Fail("ORDER must be one of A B AB AABB ABA ABBA ABBB AAAB");
    int a = 0, b = 0;
    if (!c.Number(2, "A", 0, LastIndex, a) || !c.Number(3, "B", 0, LastIndex, b)) return ExitUsage;
    FillColours(c.draft, target, *order, static_cast<uint8_t>(a), static_cast<uint8_t>(b));
    return 0;
}

int PairEdit(ApplyContext& c, bool (*edit)(Draft&, int, int)) {
    int i = 0, j = 0;
    if (!TwoIndices(c, i, j)) return ExitUsage;
    edit(c.draft, i, j);
    return 0;
}

int WholePalette(ApplyContext& c, PaletteChange (*edit)(Draft&)) {
    c.Report(edit(c.draft).messages);
    return 0;
}

// RRGGBB (a leading '#' allowed) as 0x00BBGGRR.
bool ParseRgb(QString text, uint32_t& colour) {
    if (text.startsWith(u'#')) text.remove(0, 1);
    if (text.size() != 6) return false;
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok) return false;
    colour = MakeColor(static_cast<int>(value >> 16), static_cast<int>(value >> 8),
                       static_cast<int>(value));
    return true;
}

int Set(ApplyContext& c) {
    int i = 0;
    if (!c.Number(1, "I", 0, LastIndex, i)) return ExitUsage;
    uint32_t colour = 0;
    if (c.words.size() < 3 || !ParseRgb(c.words[2], colour))
        return c.Fail("the colour must be six hexadecimal digits RRGGBB");
    SetPaletteColour(c.draft, i, colour);
    return 0;
}

int Colors(ApplyContext& c) {
    switch (c.Choice(0, {"fill-warp", "fill-weft", "switch", "copy", "blend", "move-used-to-top",
                         "clear-unused", "set"})) {
    case 0:
        return Fill(c, ColourFillTarget::Warp);
    case 1:
        return Fill(c, ColourFillTarget::Weft);
    case 2:
        return PairEdit(c, SwitchPaletteEntries);
    case 3:
        return PairEdit(c, CopyPaletteEntry);
    case 4:
        return PairEdit(c, BlendPaletteEntries);
    case 5:
        return WholePalette(c, MoveUsedYarnsToTop);
    case 6:
        return WholePalette(c, ClearUnusedYarns);
    case 7:
        return Set(c);
    default:
        return ExitUsage;
    }
}

const std::array<ApplyOperation, 1> Operations = {{
    {"colors",
     "fill-warp|fill-weft ORDER A B   (ORDER: A B AB AABB ABA ABBA ABBB AAAB)\n"
     "      colors switch|copy|blend I J   (palette indices 0..255)\n"
     "      colors move-used-to-top|clear-unused\n"
     "      colors set I RRGGBB",
     Colors},
}};

} // namespace

std::span<const ApplyOperation> ColourOperations() {
    return Operations;
}

} // namespace hm
