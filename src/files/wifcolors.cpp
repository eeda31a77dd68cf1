#include "files/wifcolors.h"

#include <algorithm>
#include <map>

namespace hm {

namespace {

// The colour-table number of every thread 1..count, -1 where none is valid.
std::vector<int> TableIndexes(const WifContent& c, const WifThreads& t, int count,
                              WifProblems& problems) {
    const auto valid = [&](const WifColorIndex& i) {
        if (i.index < 0) return false;
        if (c.colorTable.count(i.index)) return true;
        problems.Line("@wifnocolor", i.line, i.text);
        return false;
    };
    const int fallback = valid(t.defaultColor) ? t.defaultColor.index : -1;
    std::vector<int> indexes(static_cast<size_t>(count), fallback);
    for (const auto& [thread, color] : t.colors)
        if (thread <= count && valid(color)) indexes[static_cast<size_t>(thread - 1)] = color.index;
    return indexes;
}

uint32_t Packed(const std::array<uint8_t, 3>& rgb) {
    return MakeColor(rgb[0], rgb[1], rgb[2]);
}

int Distance(uint32_t a, uint32_t b) {
    const int r = ColorRed(a) - ColorRed(b), g = ColorGreen(a) - ColorGreen(b),
              bl = ColorBlue(a) - ColorBlue(b);
    return r * r + g * g + bl * bl;
}

// Palette entries for tables numbered beyond 256: one per distinct colour in
// use, the most used first; beyond 256 the rest go to the nearest kept colour.
std::map<int, int> CompactTable(Draft& d, const WifContent& c,
                                const std::vector<const std::vector<int>*>& uses,
                                WifProblems& problems) {
    std::map<uint32_t, int> useCount;
    std::vector<uint32_t> order; // distinct colours in order of first use
    for (const auto* list : uses)
        for (int index : *list) {
            if (index < 0) continue;
            const uint32_t color = Packed(c.colorTable.at(index));
            if (useCount[color]++ == 0) order.push_back(color);
        }
    std::stable_sort(order.begin(), order.end(),
                     [&](uint32_t a, uint32_t b) { return useCount[a] > useCount[b]; });
    const size_t kept = std::min<size_t>(order.size(), PaletteEntries);
    if (order.size() > kept)
        problems.Add({MessageKind::Information, "@wifcolorsmerged",
                      NumberSuffix(static_cast<long long>(order.size()))});
    std::map<uint32_t, int> entryOf;
    for (size_t i = 0; i < kept; ++i) {
        entryOf[order[i]] = static_cast<int>(i);
        d.PaletteRGB[i] = {static_cast<uint8_t>(ColorRed(order[i])),
                           static_cast<uint8_t>(ColorGreen(order[i])),
                           static_cast<uint8_t>(ColorBlue(order[i]))};
    }
    for (size_t i = kept; i < order.size(); ++i) {
        size_t nearest = 0;
        for (size_t k = 1; k < kept; ++k)
            if (Distance(order[i], order[k]) < Distance(order[i], order[nearest])) nearest = k;
        entryOf[order[i]] = static_cast<int>(nearest);
    }
    std::map<int, int> entryOfIndex;
    for (const auto& [index, rgb] : c.colorTable)
        if (const auto it = entryOf.find(Packed(rgb)); it != entryOf.end())
            entryOfIndex[index] = it->second;
    return entryOfIndex;
}

} // namespace

void MapColors(Draft& d, const WifContent& c, int ends, int picks, WifProblems& problems) {
    const std::vector<int> warp = TableIndexes(c, c.warp, ends, problems);
    const std::vector<int> weft = TableIndexes(c, c.weft, picks, problems);
    d.SetDefaultPaletteRGB();
    std::map<int, int> entryOfIndex;
    if (!c.colorTable.empty() && c.colorTable.rbegin()->first <= PaletteEntries) {
        for (const auto& [index, rgb] : c.colorTable) {
            d.PaletteRGB[static_cast<size_t>(index - 1)] = rgb;
            entryOfIndex[index] = index - 1;
        }
    } else if (!c.colorTable.empty()) {
        entryOfIndex = CompactTable(d, c, {&warp, &weft}, problems);
    }
    d.RebuildPaletteFromRGB();
    for (int e = 1; e <= ends; ++e)
        if (const int index = warp[static_cast<size_t>(e - 1)]; index >= 0)
            d.WarpColors[e] = static_cast<uint8_t>(entryOfIndex.at(index));
    for (int p = 1; p <= picks; ++p)
        if (const int index = weft[static_cast<size_t>(p - 1)]; index >= 0)
            d.WeftColors[p] = static_cast<uint8_t>(entryOfIndex.at(index));
}

} // namespace hm
