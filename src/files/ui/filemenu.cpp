#include "files/ui/filemenu.h"

#include "files/ui/filecommands.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

namespace {

// Runs one of the file commands; without them (a context with no window) nothing happens.
template <typename F> bool WithFiles(CommandContext& ctx, F command) {
    FileCommands* files = ctx.Find<FileCommands>();
    return files && command(*files);
}

} // namespace

bool FileOpenItemClick(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.Open(); });
}
bool OpenSelected1Click(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.OpenComponents(); });
}
bool FileSaveItemClick(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.Save(); });
}
bool FileSaveAsItemClick(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.SaveAs(); });
}
bool Heddlemark34Click(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.SaveToHdm(); });
}
bool SaveasWIF1Click(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.SaveToWif(); });
}
bool ReverttoSaved1Click(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.RevertToSaved(); });
}
bool New1Click(CommandContext& ctx) {
    return WithFiles(ctx, [](FileCommands& f) { return f.NewPattern(); });
}
bool OpenRecent(CommandContext& ctx, int k) {
    return WithFiles(ctx, [k](FileCommands& f) { return f.OpenRecent(k); });
}

bool FileExitItemClick(CommandContext& ctx) {
    ctx.host.CloseWindow();
    return false;
}

} // namespace hm
