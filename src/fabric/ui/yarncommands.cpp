#include "fabric/ui/yarncommands.h"

#include <algorithm>

#include "fabric/ui/coloreditdialog.h"
#include "fabric/ui/colourchooser.h"
#include "fabric/ui/palettewindow.h"
#include "model/draft.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

bool EditColors1Click(CommandContext& ctx) {
    TColEditDlg dialog(ctx, ctx.dialogParent);
    const bool ok = ctx.Exec(dialog) == QDialog::Accepted;
    if (ok)
        ctx.host.MarkModified();
    else
        dialog.RevertChanges(); // a dialog closed without Cancel restores too
    ctx.host.PaletteChanged();
    return ok;
}

bool ColorWindow1Click(CommandContext& ctx) {
    ctx.view.PaletteWindowOn = !ctx.view.PaletteWindowOn;
    if (ctx.view.PaletteWindowOn) {
        TPalWin& window = PaletteWindow(ctx);
        window.Rebuild();
        window.show();
        window.raise();
    } else if (TPalWin* window = ctx.Find<TPalWin>()) {
        window->close();
    }
    return false;
}

bool ColorDialogItemClick(CommandContext& ctx) {
    return EditPaletteColour(ctx, std::clamp(ctx.view.CurrentColor, 0, PaletteEntries - 1));
}

} // namespace hm
