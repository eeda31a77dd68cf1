#pragma once
// File > Print (Draft, Fabric, Screen Image) and File > Print Numeric (pattern
// threading, liftplan, warp colours). Each shows the print dialog first and
// prints nothing when it or the job's own dialog is cancelled.

namespace hm {

class CommandContext;

bool AsDraft1Click(CommandContext& ctx);
bool AsFabric1Click(CommandContext& ctx);
bool AsViewed1Click(CommandContext& ctx);
bool PrNumThreadingClick(CommandContext& ctx);
bool PrNumLiftplanClick(CommandContext& ctx);
bool WarpColors1Click(CommandContext& ctx);

} // namespace hm
