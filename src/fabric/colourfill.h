#pragma once
// Fill Colors: a short order of two colours (AB, AABB, ...) written into the
// warp or the weft colours and repeated over every end or pick.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/draft.h"

namespace hm {

// The orders in the dialog's radio group, first to last.
enum class FillOrder { A, B, AB, AABB, ABA, ABBA, ABBB, AAAB };
inline constexpr int FillOrderCount = 8;

// "A", "B", "AB", ... (also the radio items, which need no translation).
std::string_view FillOrderName(FillOrder order);
std::optional<FillOrder> FillOrderFromName(std::string_view name);
// The radio group's item index and back; an index outside 0..7 counts as A.
FillOrder FillOrderAt(int itemIndex);

// The palette indices of one repeat of the order.
std::vector<uint8_t> FillOrderColours(FillOrder order, uint8_t a, uint8_t b);

enum class ColourFillTarget { Warp, Weft };

// Writes the order into WarpColors (over Ends) or WeftColors (over Picks) and
// sets WarpColorRepeat or WeftColorRepeat to its length.
void FillColours(Draft& d, ColourFillTarget target, FillOrder order, uint8_t a, uint8_t b);

} // namespace hm
