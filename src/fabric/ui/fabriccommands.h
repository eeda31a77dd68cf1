#pragma once
// The fabric window's commands: View > Fabric Window, showing the window beside
// the main window (also at start-up when it was open at the last exit), and the
// routes by which edits reach it.

#include "ui/clothchange.h"

namespace hm {

class CommandContext;
class TFabwindow;

// The program's one fabric window, created hidden on first use and registered
// in the context.
TFabwindow& FabricWindowOf(CommandContext& ctx);

// ShowFabricWindow: size the window for the draft, place it beside the main
// window (the dialog parent) and show it.
void ShowFabricWindow(CommandContext& ctx);

// RefreshFabricWindow: size and repaint the window when it is shown.
void RefreshFabricWindow(CommandContext& ctx);

// The ends or picks an edit changed, repainted in the window when it is shown.
void UpdateFabricWindow(CommandContext& ctx, const ClothChange& change);

// View > Fabric Window: toggles FabricWindowOn; on shows the window, off closes it.
bool FabricWindow1Click(CommandContext& ctx);

} // namespace hm
