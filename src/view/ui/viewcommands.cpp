#include "view/ui/viewcommands.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>

#include "model/design.h"
#include "model/draft.h"
#include "ops/designmode.h"
#include "settings/messages.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "view/ui/draftview.h"

namespace hm {

void SwitchToDraft(CommandContext& ctx) {
    Draft& d = ctx.draft;
    if (!ctx.view.FabricView && !d.DesignMode) return;
    if (ctx.view.FabricView) {
        ctx.view.FabricView = false;
        ctx.host.SyncZoomSlider();
    }
    if (d.DesignMode) {
        LeaveDesignResult left;
        {
            BusyCursor busy;
            left = LeaveDesignMode(d, false, ctx.view.VisibleEnds);
        }
        if (left == LeaveDesignResult::TooManyShafts) {
            // Stay in Design with the picture and the threading as they were.
            if (ctx.Ask(MessageKind::Confirmation, "@emaxshafts") != BoxAnswer::Yes) {
                ctx.host.Update();
                ctx.host.RefreshFabricWindow();
                return;
            }
            BusyCursor busy;
            LeaveDesignMode(d, true, ctx.view.VisibleEnds);
        }
        ctx.doc.NewPattern.DesignMode = false;
    }
    ctx.host.Update();
    ctx.host.RefreshFabricWindow();
}

void SwitchToDesign(CommandContext& ctx) {
    Draft& d = ctx.draft;
    if (!d.DesignMode && !ctx.view.ExpertMode) {
        const bool hasPattern = d.LastPatternEnd(d.Ends) > 0 || d.LastLiftplanPick(d.Picks) > 0;
        if (hasPattern && (d.Ends > DesignSize || d.Picks > DesignSize) &&
            (d.LastPatternEnd(MaxEnds) > DesignSize || d.LastLiftplanPick(MaxPicks) > DesignSize)) {
            if (ctx.Ask(MessageKind::Confirmation, "@mesdesign1") != BoxAnswer::Yes) return;
        }
        if (ctx.doc.Modified && hasPattern) {
            const BoxAnswer answer = ctx.Ask(MessageKind::ThreeWay, "@mesdesign");
            if (answer == BoxAnswer::Cancel) return;
            // Yes asks to save first; a save that does not happen abandons the
            // switch rather than pretending the draft was saved.
            if (answer == BoxAnswer::Yes && !ctx.host.SaveAs()) return;
        }
    }
    ctx.view.FabricView = false;
    ctx.host.SyncZoomSlider();
    {
        BusyCursor busy;
        EnterDesignMode(d);
    }
    ctx.doc.NewPattern.DesignMode = true;
    ctx.host.Update();
    ctx.host.RefreshFabricWindow();
    ctx.host.ResetFillPattern();
}

void SwitchToFabricView(CommandContext& ctx, int kind) {
    Draft& d = ctx.draft;
    ViewState& v = ctx.view;
    if (v.FabricView && v.FabricKind == kind) return;
    if (!v.FabricView && d.DesignMode) {
        BusyCursor busy;
        BuildLiftplanFromDesign(d, DesignSize, DesignSize);
    }
    if (!d.HasPattern(v.VisibleEnds, v.VisiblePicks).ok) {
        ctx.Ask(MessageKind::Information, "@globnopat");
        return;
    }
    v.FabricView = true;
    v.FabricKind = kind;
    // The slider shows the zoom of the new view; the layout that follows says
    // "Compressed" where two picks share a row.
    ctx.host.SyncZoomSlider();
    ctx.host.Update();
}

bool Fabric1Click(CommandContext& ctx) {
    SwitchToFabricView(ctx, 0);
    return false;
}

bool Drapery1Click(CommandContext& ctx) {
    SwitchToFabricView(ctx, 1);
    return false;
}

bool Interlacement1Click(CommandContext& ctx) {
    SwitchToFabricView(ctx, 2);
    return false;
}

bool DraftSpeedButtonClick(CommandContext& ctx) {
    if (!ctx.view.FabricView) {
        SwitchToFabricView(ctx, 0);
        return false;
    }
    if (!ctx.draft.DesignMode) {
        SwitchToDraft(ctx);
        return false;
    }
    // Back to the Design view the fabric was entered from; the picture stays.
    ctx.view.FabricView = false;
    ctx.host.SyncZoomSlider();
    ctx.host.Update();
    return false;
}

bool Draft1Click(CommandContext& ctx) {
    SwitchToDraft(ctx);
    return true;
}

bool Design1Click(CommandContext& ctx) {
    SwitchToDesign(ctx);
    return true;
}

bool ShowThreading1Click(CommandContext& ctx) {
    ctx.draft.ShowThreading = !ctx.draft.ShowThreading;
    ctx.host.Update();
    return true;
}

bool VisaMonstersolvning1Click(CommandContext& ctx) {
    ctx.draft.ShowPatternThreading = !ctx.draft.ShowPatternThreading;
    ctx.host.Update();
    return true;
}

bool Zoom1Click(CommandContext& ctx) {
    QInputDialog dialog(ctx.dialogParent);
    dialog.setObjectName(QStringLiteral("ZoomDialog"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setWindowTitle(Tr("@zoomtitle"));
    dialog.setLabelText(Tr("@zoomtxt") + u':');
    dialog.setIntRange(1, 20);
    dialog.setIntStep(1);
    dialog.setIntValue(ctx.draft.Zoom);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    if (dialog.intValue() != ctx.draft.Zoom) ctx.host.SetZoom(dialog.intValue());
    return false;
}

bool CopyImage1Click(CommandContext& ctx) {
    if (ctx.Ask(MessageKind::Confirmation, "@idcopyclip") != BoxAnswer::Yes) return false;
    QCoreApplication::processEvents();
    DraftView* view = ctx.draftView;
    if (!view) return false;
    // The grids go on the clipboard in black.
    const bool grids = !ctx.view.FabricView;
    if (grids) view->PaintGridsInColour(0x000000);
    QGuiApplication::clipboard()->setImage(view->image().convertToFormat(QImage::Format_RGB888));
    if (grids) view->PaintGridsInColour(ctx.draft.GridColor);
    return false;
}

} // namespace hm
