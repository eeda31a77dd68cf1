#include "fabric/ui/fillcolourscommand.h"

#include "fabric/ui/fillcolorsdialog.h"
#include "ui/commandcontext.h"
#include "ui/commandwrappers.h"

namespace hm {

bool WarpColors2Click(CommandContext& ctx) {
    bool filled = false;
    RunW2Plus(
        ctx.host,
        [&] {
            Tfillcoldlg dialog(ctx, ctx.dialogParent);
            ctx.Exec(dialog);
            filled = dialog.Filled();
            return filled;
        },
        /*markAlways=*/true);
    return filled;
}

} // namespace hm
