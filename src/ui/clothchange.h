#pragma once
// What an edit changed in the cloth, as the tools report it to the fabric
// window: some ends, some picks, or the whole cloth. Ends and picks are the
// draft's own numbers (1-based), not visible positions.

#include <vector>

namespace hm {

struct ClothChange {
    enum class Kind { Ends, Picks, Whole };
    Kind kind = Kind::Whole;
    std::vector<int> threads;

    static ClothChange Ends(std::vector<int> ends) { return {Kind::Ends, std::move(ends)}; }
    static ClothChange Picks(std::vector<int> picks) { return {Kind::Picks, std::move(picks)}; }
    static ClothChange Whole() { return {}; }
};

} // namespace hm
