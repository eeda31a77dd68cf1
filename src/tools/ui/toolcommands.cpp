#include "tools/ui/toolcommands.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "fabric/ui/fabriccommands.h"
#include "model/draft.h"
#include "tools/ui/keyboardinput.h"
#include "tools/ui/mousetools.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "view/ui/draftview.h"

static void RegisterToolResources() {
    Q_INIT_RESOURCE(tools_ui);
}

namespace hm {

void InitToolResources() {
    static const bool done = [] {
        RegisterToolResources();
        return true;
    }();
    (void)done;
}

bool PenSpeedButtonClick(CommandContext& ctx) {
    ctx.view.LineOn = false;
    ctx.host.ResetTool();
    return false;
}

bool LineSpeedButtonClick(CommandContext& ctx) {
    ctx.view.LineOn = true;
    ctx.host.ResetTool();
    return false;
}

bool SelectSpeedButtonClick(CommandContext& ctx) {
    ctx.view.SelectionTool = true;
    if (ctx.draftView) ctx.draftView->setCursor(SelectionCursor());
    return false;
}

bool InsertAtMouse(CommandContext& ctx) {
    MouseTools* tools = ctx.Find<MouseTools>();
    return tools && tools->InsertAtMouse();
}

void OpenKeyboardInput(CommandContext& ctx, int mode) {
    // The shortcuts reach here in any view.
    if (!ctx.draftView || ctx.draft.DesignMode || ctx.view.FabricView || ctx.view.MouseButtonDown)
        return;
    if (mode < 1 || mode > 5) return;
    ctx.host.ResetTool();
    ctx.host.DisableUndo();
    TEdKeyForm form(ctx.draftView, static_cast<EntryMode>(mode), ctx.dialogParent);
    // Keys change the draft at once; the draft counts as modified so that
    // closing asks before the entries are lost, and they reach the recovery copy.
    form.SetClothChanged([&ctx](const ClothChange& c) {
        ctx.host.SetModified();
        UpdateFabricWindow(ctx, c);
    });
    ctx.Exec(form);
}

QCursor SelectionCursor() {
    InitToolResources();
    QSvgRenderer svg(QStringLiteral(":/icons/selectcursor.svg"));
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    svg.render(&p);
    p.end();
    return QCursor(pm, 15, 15);
}

} // namespace hm
