#include "fabric/paletteyarns.h"

#include "fabric/paletteedit.h"

namespace hm {

namespace {

constexpr uint32_t White = 0xFFFFFF;

PaletteChange NoPattern() {
    return {false, {{MessageKind::Information, "@globnopat", {}}}};
}

template <int N> void ReplaceIndex(OneBasedBytes<N>& colours, int count, int from, int to) {
    for (int i = 1; i <= count; ++i)
        if (colours[i] == from) colours[i] = static_cast<uint8_t>(to);
}

} // namespace

YarnExtent UpdateYarnExtent(Draft& d) {
    // Every end and pick that carries anything counts, ground threadings and
    // treadlings included, so that no visible yarn is taken for unused.
    if (d.DesignMode)
        d.UpdateDesignExtents();
    else
        d.UpdateExtents();
    return {d.UsedEnds, d.UsedPicks};
}

YarnUsage CountYarnUsage(const Draft& d, YarnExtent extent) {
    YarnUsage usage{};
    for (int e = 1; e <= std::min(extent.ends, MaxEnds); ++e) ++usage[d.WarpColors[e]];
    for (int p = 1; p <= std::min(extent.picks, MaxPicks); ++p) ++usage[d.WeftColors[p]];
    return usage;
}

PaletteChange MoveUsedYarnsToTop(Draft& d) {
    const YarnExtent extent = UpdateYarnExtent(d);
    if (extent.empty()) return NoPattern();
    YarnUsage usage = CountYarnUsage(d, extent);
    PaletteChange result;
    int j = 0;
    for (int k = 0; k < PaletteEntries; ++k) {
        if (usage[static_cast<size_t>(k)] == 0) continue;
        while (j < k && usage[static_cast<size_t>(j)] > 0) ++j;
        if (j < k) {
            // Entry j is unused within the extent, so replacing k by j moves
            // exactly the yarns of colour k along with their colour.
            SwitchPaletteEntries(d, j, k);
            std::swap(usage[static_cast<size_t>(j)], usage[static_cast<size_t>(k)]);
            ReplaceIndex(d.WarpColors, extent.ends, k, j);
            ReplaceIndex(d.WeftColors, extent.picks, k, j);
            result.changed = true;
        }
        ++j;
    }
    return result;
}

PaletteChange ClearUnusedYarns(Draft& d) {
    const YarnExtent extent = UpdateYarnExtent(d);
    if (extent.empty()) return NoPattern();
    const YarnUsage usage = CountYarnUsage(d, extent);
    for (int i = 0; i < PaletteEntries; ++i)
        if (usage[static_cast<size_t>(i)] == 0) SetPaletteColour(d, i, White);
    return {true, {}};
}

} // namespace hm
