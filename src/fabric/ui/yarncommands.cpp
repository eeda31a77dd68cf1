#include "fabric/ui/yarncommands.h"

#include <QColorDialog>
#include <algorithm>

#include "model/draft.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "view/canvas.h"

namespace hm {

bool ColorDialogItemClick(CommandContext& ctx) {
    Draft& d = ctx.draft;
    const int index = std::clamp(ctx.view.CurrentColor, 0, PaletteEntries - 1);
    QColorDialog dialog(QColor(ToRgb(d.Palette[static_cast<size_t>(index)])), ctx.dialogParent);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    const QColor c = dialog.selectedColor();
    if (!c.isValid()) return false;
    d.Palette[static_cast<size_t>(index)] = MakeColor(c.red(), c.green(), c.blue());
    d.StorePaletteEntryToRGB(index);
    ctx.host.PaletteChanged();
    ctx.host.RepaintDraft();
    ctx.host.MarkModified();
    return true;
}

} // namespace hm
