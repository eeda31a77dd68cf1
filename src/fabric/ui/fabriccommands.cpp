#include "fabric/ui/fabriccommands.h"

#include <QScreen>

#include "fabric/ui/fabricwindow.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "view/ui/draftview.h"

namespace hm {

TFabwindow& FabricWindowOf(CommandContext& ctx) {
    if (TFabwindow* w = ctx.Find<TFabwindow>()) return *w;
    QWidget* owner = ctx.dialogParent ? ctx.dialogParent->window() : nullptr;
    auto* w = new TFabwindow(ctx, owner);
    ctx.Register(w);
    return *w;
}

void ShowFabricWindow(CommandContext& ctx) {
    TFabwindow& w = FabricWindowOf(ctx);
    w.SizeAndPaint();
    if (const QWidget* main = ctx.dialogParent ? ctx.dialogParent->window() : nullptr) {
        const QRect frame = main->frameGeometry();
        const int drawingTop = ctx.draftView ? ctx.draftView->mapTo(main, QPoint(0, 0)).y() : 0;
        const QRect screen = main->screen() ? main->screen()->availableGeometry() : QRect();
        const int height = w.frameGeometry().height();
        WindowPosition p = PlaceFabricWindow(frame.left(), frame.top(), frame.height(), drawingTop,
                                             screen.height(), height);
        // A window taller than two thirds of the screen would reach below its
        // bottom edge; it stays on the screen instead.
        if (!screen.isEmpty() && p.top + height > screen.bottom() + 1)
            p.top = std::max(screen.top(), screen.bottom() + 1 - height);
        w.move(p.left, p.top);
    }
    w.show();
    w.raise();
}

void RefreshFabricWindow(CommandContext& ctx) {
    if (TFabwindow* w = ctx.Find<TFabwindow>()) w->Refresh();
}

void UpdateFabricWindow(CommandContext& ctx, const ClothChange& change) {
    if (TFabwindow* w = ctx.Find<TFabwindow>()) w->Apply(change);
}

bool FabricWindow1Click(CommandContext& ctx) {
    ctx.view.FabricWindowOn = !ctx.view.FabricWindowOn;
    if (ctx.view.FabricWindowOn)
        ShowFabricWindow(ctx);
    else if (TFabwindow* w = ctx.Find<TFabwindow>())
        w->close();
    ctx.host.UpdateMenuState();
    return false;
}

} // namespace hm
