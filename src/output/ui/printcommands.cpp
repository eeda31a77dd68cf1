#include "output/ui/printcommands.h"

#include <QAction>
#include <QMenu>

#include "model/draft.h"
#include "output/fabrichook.h"
#include "output/numericlists.h"
#include "output/printdraft.h"
#include "output/printfabric.h"
#include "output/printscreen.h"
#include "output/printtext.h"
#include "output/ui/numbersdialog.h"
#include "output/ui/printdraftdialog.h"
#include "output/ui/printersetup.h"
#include "output/ui/printfabricdialog.h"
#include "ui/commandcontext.h"
#include "view/ui/draftview.h"

namespace hm {

namespace {

// The Print submenu stays disabled while one of its jobs runs; the menu
// rules enable it again afterwards.
class PrintMenuLock {
  public:
    explicit PrintMenuLock(CommandContext& ctx) {
        if (!ctx.dialogParent) return;
        if (auto* menu = ctx.dialogParent->findChild<QMenu*>(QStringLiteral("FilePrintItem"))) {
            action_ = menu->menuAction();
            action_->setEnabled(false);
        }
    }
    ~PrintMenuLock() {
        if (action_) action_->setEnabled(true);
    }
    PrintMenuLock(const PrintMenuLock&) = delete;
    PrintMenuLock& operator=(const PrintMenuLock&) = delete;

  private:
    QPointer<QAction> action_;
};

bool PrintNumericList(CommandContext& ctx, NumericList kind) {
    PrinterSetup printer(ctx);
    if (!printer.Choose()) return false;
    const Draft& d = ctx.draft;
    const bool landscape = printer.Landscape();
    const NumericListDialog start = NumericListStart(kind, d, landscape);
    TNumbersDlg dialog({start.caption, start.firstLabel, start.secondLabel, start.limits,
                        start.limits, start.first, start.second},
                       ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    const QStringList lines =
        NumericListLines(kind, d, ctx.doc.CurrentName, dialog.First(), dialog.Second(), landscape);
    const PrintContext context = JobContext(ctx);
    printer.Print(ctx.Own<NumericJobCounter>().NextTitle(), [&](QPagedPaintDevice& device) {
        return PrintTextLines(device, context, lines);
    });
    return false;
}

} // namespace

bool AsDraft1Click(CommandContext& ctx) {
    PrintMenuLock lock(ctx);
    PrinterSetup printer(ctx);
    if (!printer.Choose()) return false;
    const Draft& d = ctx.draft;
    TPdraftDlg dialog(PrintDraftStart(d, ctx.view.VisibleEnds, ctx.view.VisiblePicks),
                      DraftRangeLimitsOf(d), ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    const PrintDraftChoice choice = dialog.Choice();
    if (choice.range.ends <= 0 && choice.range.picks <= 0) return false;
    const PrintContext context = JobContext(ctx);
    printer.Print(PrintJobTitle(context.currentName), [&](QPagedPaintDevice& device) {
        return PrintDraft(device, context, d, choice);
    });
    return false;
}

bool AsFabric1Click(CommandContext& ctx) {
    const Draft& d = ctx.draft;
    if (const HasPatternResult has = d.HasPattern(d.Ends, d.Picks); !has.ok) {
        ctx.Show({has.message});
        return false;
    }
    PrintMenuLock lock(ctx);
    PrinterSetup printer(ctx);
    if (!printer.Choose()) return false;
    TPfabDlg dialog(PrintFabricStart(d), ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    const PrintFabricChoice choice = dialog.Choice();
    if (ShowsPrintTimeNotice(ctx.view.ExpertMode)) ctx.Show({PrintTimeNotice()});
    const PrintContext context = JobContext(ctx);
    printer.Print(PrintJobTitle(context.currentName), [&](QPagedPaintDevice& device) {
        return PrintFabric(device, context, d, choice, OutputFabricPainter());
    });
    return false;
}

bool AsViewed1Click(CommandContext& ctx) {
    DraftView* view = ctx.draftView;
    if (!view) return false;
    PrintMenuLock lock(ctx);
    PrinterSetup printer(ctx);
    if (!printer.Choose()) return false;
    // The drawing area as the screen shows it, tool marks included.
    const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB888);
    const FooterRange shown =
        ShownRange(ctx.draft, ctx.view.FabricView, ctx.view.VisibleEnds, ctx.view.VisiblePicks);
    const PrintContext context = JobContext(ctx);
    printer.Print(PrintJobTitle(context.currentName), [&](QPagedPaintDevice& device) {
        return PrintScreenImage(device, context, image, shown);
    });
    return false;
}

bool PrNumThreadingClick(CommandContext& ctx) {
    return PrintNumericList(ctx, NumericList::Threading);
}

bool PrNumLiftplanClick(CommandContext& ctx) {
    return PrintNumericList(ctx, NumericList::Liftplan);
}

bool WarpColors1Click(CommandContext& ctx) {
    return PrintNumericList(ctx, NumericList::WarpColors);
}

} // namespace hm
