#include "fabric/ui/colourchooser.h"

#include <QColorDialog>

#include "fabric/paletteedit.h"
#include "fabric/palettegrid.h"
#include "model/draft.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

std::optional<uint32_t> ChoosePaletteColour(CommandContext& ctx, int index) {
    if (!IsPaletteIndex(index)) return std::nullopt;
    QColorDialog dialog(QColor::fromRgb(PaletteEntryRgb(ctx.draft, index)), ctx.dialogParent);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setWindowTitle(PaletteWindowCaption(index)); // "Color 12": which entry changes
    if (ctx.Exec(dialog) != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.currentColor();
    if (!chosen.isValid()) return std::nullopt;
    return PaletteColourFromRgb(chosen.rgb());
}

bool EditPaletteColour(CommandContext& ctx, int index) {
    const std::optional<uint32_t> colour = ChoosePaletteColour(ctx, index);
    if (!colour) return false;
    SetPaletteColour(ctx.draft, index, *colour);
    ctx.host.PaletteChanged();
    ctx.host.RepaintDraft();
    ctx.host.MarkModified();
    return true;
}

} // namespace hm
