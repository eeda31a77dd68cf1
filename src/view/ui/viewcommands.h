#pragma once
// The view's commands: switching between the Draft, Design and fabric views,
// the threading switches of the View menu, the zoom dialog and Copy Image.

namespace hm {

class CommandContext;

// The view changes; each repaints and refreshes the fabric window.
void SwitchToDraft(CommandContext& ctx);
void SwitchToDesign(CommandContext& ctx);
// kind: 0 Fabric, 1 Drapery, 2 Interlacement.
void SwitchToFabricView(CommandContext& ctx, int kind);

bool Draft1Click(CommandContext& ctx);
bool Fabric1Click(CommandContext& ctx);
bool Drapery1Click(CommandContext& ctx);
bool Interlacement1Click(CommandContext& ctx);
// The tool bar's Draft/Fabric button: the Fabric view from Draft or Design; from
// a fabric view back to Design when Design mode is on, else to Draft.
bool DraftSpeedButtonClick(CommandContext& ctx);
bool Design1Click(CommandContext& ctx);
bool ShowThreading1Click(CommandContext& ctx);
bool VisaMonstersolvning1Click(CommandContext& ctx); // Show Pattern Threading
bool Zoom1Click(CommandContext& ctx);                // Options > Zoom...
bool CopyImage1Click(CommandContext& ctx);           // Edit > Copy Image

} // namespace hm
