#include "fabric/colourfill.h"

#include <algorithm>

namespace hm {

namespace {

constexpr std::array<std::string_view, FillOrderCount> Names = {"A",   "B",    "AB",   "AABB",
                                                                "ABA", "ABBA", "ABBB", "AAAB"};

} // namespace

std::string_view FillOrderName(FillOrder order) {
    return Names[static_cast<size_t>(order)];
}

std::optional<FillOrder> FillOrderFromName(std::string_view name) {
    const auto it = std::find(Names.begin(), Names.end(), name);
    if (it == Names.end()) return std::nullopt;
    return static_cast<FillOrder>(it - Names.begin());
}

FillOrder FillOrderAt(int itemIndex) {
    return itemIndex >= 0 && itemIndex < FillOrderCount ? static_cast<FillOrder>(itemIndex)
                                                        : FillOrder::A;
}

std::vector<uint8_t> FillOrderColours(FillOrder order, uint8_t a, uint8_t b) {
    std::vector<uint8_t> colours;
    for (char letter : FillOrderName(order)) colours.push_back(letter == 'A' ? a : b);
    return colours;
}

void FillColours(Draft& d, ColourFillTarget target, FillOrder order, uint8_t a, uint8_t b) {
    const std::vector<uint8_t> repeat = FillOrderColours(order, a, b);
    const bool warp = target == ColourFillTarget::Warp;
    uint8_t* colours = warp ? d.WarpColors.data() : d.WeftColors.data();
    const int capacity = warp ? MaxEnds : MaxPicks;
    const int count = std::clamp(warp ? d.Ends : d.Picks, 0, capacity);
    const int length = static_cast<int>(repeat.size());
    // The repeat itself is written even on a draft shorter than it.
    for (int i = 0; i < std::max(count, length); ++i)
        colours[i] = repeat[static_cast<size_t>(i % length)];
    (warp ? d.WarpColorRepeat : d.WeftColorRepeat) = length;
}

} // namespace hm
