#pragma once
// The File menu's handlers. The open and save commands themselves live in the
// FileCommands object that the main window registers in the command context.

namespace hm {

class CommandContext;

bool FileOpenItemClick(CommandContext& ctx);
bool OpenSelected1Click(CommandContext& ctx);
bool FileSaveItemClick(CommandContext& ctx);
bool FileSaveAsItemClick(CommandContext& ctx);
bool Heddlemark34Click(CommandContext& ctx); // Export > Save to hdm-file
bool SaveasWIF1Click(CommandContext& ctx);   // Export > Save as WIF
bool ReverttoSaved1Click(CommandContext& ctx);
bool New1Click(CommandContext& ctx);
bool FileExitItemClick(CommandContext& ctx);
// The recent-file items menyfil1..5.
bool OpenRecent(CommandContext& ctx, int k);
template <int K> bool OpenRecentClick(CommandContext& ctx) {
    return OpenRecent(ctx, K);
}

} // namespace hm
