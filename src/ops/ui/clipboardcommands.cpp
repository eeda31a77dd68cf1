#include "ops/ui/clipboardcommands.h"

#include <functional>
#include <optional>

#include "model/draft.h"
#include "model/undo.h"
#include "ops/clipboardops.h"
#include "ops/pastespecial.h"
#include "ops/ui/clipboardtexts.h"
#include "ops/ui/pastespecialdialog.h"
#include "ops/ui/selectcopydialog.h"
#include "ops/ui/systemclipboard.h"
#include "tools/ui/mousetools.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "ui/commandwrappers.h"

namespace hm {

namespace {

SelectionKind KindOfArea(ViewArea area) {
    switch (area) {
    case ViewArea::PatternThreading:
        return SelectionKind::PatternThreading;
    case ViewArea::ThreadingA:
        return SelectionKind::ThreadingA;
    case ViewArea::ThreadingB:
        return SelectionKind::ThreadingB;
    case ViewArea::TreadlingA:
        return SelectionKind::TreadlingA;
    case ViewArea::TreadlingB:
        return SelectionKind::TreadlingB;
    case ViewArea::Liftplan:
        return SelectionKind::Liftplan;
    case ViewArea::Drawdown:
        return SelectionKind::DesignGrid;
    case ViewArea::WarpColors:
        return SelectionKind::WarpColors;
    case ViewArea::WeftColors:
        return SelectionKind::WeftColors;
    default:
        return SelectionKind::None;
    }
}

// The mouse tools' selection in draft positions.
std::optional<ClipboardArea> SelectedArea(CommandContext& ctx) {
    const MouseTools* tools = ctx.Find<MouseTools>();
    if (!tools || !tools->HasSelection()) return std::nullopt;
    const SelectionRange r = tools->SelectionRect();
    const SelectionKind kind = KindOfArea(r.area);
    if (kind == SelectionKind::None) return std::nullopt;
    return AreaOfSelection(kind, r.colFrom, r.colTo, r.rowFrom, r.rowTo, ctx.draft.FirstEnd,
                           ctx.draft.FirstPick);
}

void DropSelection(CommandContext& ctx) {
    if (MouseTools* tools = ctx.Find<MouseTools>()) tools->DropSelection();
}

void CopyToClipboard(CommandContext& ctx, const ClipboardArea& area) {
    const ClipboardContent content = CopyArea(ctx.draft, area);
    PutOnClipboard(content);
    ctx.Own<ClipboardMemory>() = {content.kind, content.sourceColumn, content.sourceRow};
}

// Delete, the second half of Cut, and Crop. The draft's arrays move, so the
// selection's highlight would show cells that are no longer there: it goes.
// With relayout the view is laid out again (the scroll offset may change).
void ChangeSelected(CommandContext& ctx, const std::function<StructureChange()>& change,
                    bool relayout) {
    StructureChange done;
    RunW1(
        ctx.host,
        [&] {
            done = change();
            DropSelection(ctx);
            if (!relayout) ctx.host.RepaintDraft();
        },
        relayout);
    ctx.Show(done.messages);
}

void DeleteSelected(CommandContext& ctx, const ClipboardArea& area) {
    ChangeSelected(
        ctx, [&] { return DeleteArea(ctx.draft, area); }, false);
}

// The checks before Paste and Paste Special: a selection, clipboard content of
// the selection's form (text for colours, a picture for the rest) and, for Paste
// Special, a selection of the kind last copied.
std::optional<ClipboardArea> PasteTarget(CommandContext& ctx, bool special) {
    InitClipboardResources();
    const std::optional<ClipboardArea> area = SelectedArea(ctx);
    if (!area) {
        ctx.Ask(MessageKind::Information, "@selpaste");
        return std::nullopt;
    }
    const bool fits = IsColorKind(area->kind) ? ClipboardHoldsText() : ClipboardHoldsPicture();
    if (!fits || (special && area->kind != ctx.Own<ClipboardMemory>().kind)) {
        ctx.Ask(MessageKind::Information, "@invpaste");
        return std::nullopt;
    }
    return area;
}

// The clipboard picture, read only as far as a paste of the kind can reach; a
// grid picture for Paste Special whole (up to the largest extent), since a
// quarter turn brings its far side in.
ClipboardCellPicture ClipboardPictureFor(const Draft& d, SelectionKind kind, bool special) {
    int width = MaxPictureExtent, height = MaxPictureExtent;
    if (IsThreadKind(kind)) {
        width = GroupSize(d, kind);
    } else if (!special && kind == SelectionKind::Liftplan) {
        width = MaxPatternShafts;
    } else if (!special && kind == SelectionKind::DesignGrid) {
        width = height = DesignSize;
    }
    return PictureFromImage(ClipboardImage(), width, height);
}

// What Paste and Paste Special put in: the clipboard's colour list for the
// colour kinds, else its picture. Nothing (after a message) when the text is
// no colour list.
struct PasteSource {
    std::optional<ClipboardColorList> colors;
    ClipboardCellPicture picture;
};
std::optional<PasteSource> ReadPasteSource(CommandContext& ctx, SelectionKind kind, bool special) {
    PasteSource source;
    if (!IsColorKind(kind)) {
        source.picture = ClipboardPictureFor(ctx.draft, kind, special);
        return source;
    }
    source.colors = ColorListFromText(ClipboardText());
    if (!source.colors) {
        ctx.Ask(MessageKind::Error, "@clipformat");
        return std::nullopt;
    }
    return source;
}

} // namespace

bool EditCopyItemClick(CommandContext& ctx) {
    const std::optional<ClipboardArea> area = SelectedArea(ctx);
    if (!area) return false;
    // The draft does not change, so Undo keeps the last edit.
    CopyToClipboard(ctx, *area);
    return false;
}

bool EditCutItemClick(CommandContext& ctx) {
    const std::optional<ClipboardArea> area = SelectedArea(ctx);
    if (!area) return false;
    CopyToClipboard(ctx, *area);
    DeleteSelected(ctx, *area);
    return true;
}

bool EditDeleteClick(CommandContext& ctx) {
    MouseTools* tools = ctx.Find<MouseTools>();
    if (!tools) return false;
    if (!tools->HasSelection()) return tools->DeleteAtMouse();
    const std::optional<ClipboardArea> area = SelectedArea(ctx);
    if (!area) return false;
    DeleteSelected(ctx, *area);
    return true;
}

bool Crop1Click(CommandContext& ctx) {
    const std::optional<ClipboardArea> area = SelectedArea(ctx);
    if (!area) return false;
    // The part that stays is also on the clipboard, as after Copy; a colour
    // crop only drops the colours before the selection.
    if (!IsColorKind(area->kind)) CopyToClipboard(ctx, *area);
    ChangeSelected(
        ctx, [&] { return CropToArea(ctx.draft, *area); }, true);
    return true;
}

bool EditPasteItemClick(CommandContext& ctx) {
    const std::optional<ClipboardArea> area = PasteTarget(ctx, false);
    if (!area) return false;
    const SelectionKind kind = area->kind;
    const std::optional<PasteSource> in = ReadPasteSource(ctx, kind, false);
    if (!in) return false;
    RunW1(ctx.host, [&] {
        if (in->colors)
            PasteColorList(ctx.draft, kind, area->FirstThread(), *in->colors);
        else
            PastePicture(ctx.draft, kind, area->firstColumn, area->firstRow, in->picture);
        DropSelection(ctx);
        ctx.host.RepaintDraft();
    });
    return true;
}

bool EditPasteSpecial1Click(CommandContext& ctx) {
    const std::optional<ClipboardArea> area = PasteTarget(ctx, true);
    if (!area) return false;
    const SelectionKind kind = area->kind;
    const ClipboardMemory source = ctx.Own<ClipboardMemory>();
    const std::optional<PasteSource> in = ReadPasteSource(ctx, kind, true);
    if (!in) return false;

    TPasteSpecialDlg dialog(FieldsForKind(kind, GroupSize(ctx.draft, kind)), ctx.dialogParent);
    // Every preview and the OK start again from the draft as it was before the dialog.
    auto apply = [&](const PasteSpecialOptions& o) {
        ctx.undo.RestoreSnapshot(ctx.draft);
        if (in->colors) {
            const int from = IsEndKind(kind) ? source.sourceColumn : source.sourceRow;
            PasteSpecialList(ctx.draft, kind, from, area->FirstThread(), *in->colors, o);
        } else {
            PasteSpecialPicture(ctx.draft, kind, source.sourceColumn, source.sourceRow,
                                area->firstColumn, area->firstRow, in->picture, o);
        }
        ctx.host.RepaintDraft();
    };
    QObject::connect(&dialog, &TPasteSpecialDlg::PreviewRequested,
                     [&] { apply(dialog.Options()); });
    QObject::connect(&dialog, &TPasteSpecialDlg::HelpRequested,
                     [&] { ctx.host.ShowHelp(QStringLiteral("clipboard.html")); });
    bool applied = false;
    RunW2Plus(ctx.host, [&] {
        if (ctx.Exec(dialog) == QDialog::Accepted) {
            apply(dialog.Options());
            applied = true;
        } else {
            ctx.undo.RestoreSnapshot(ctx.draft);
            ctx.host.RepaintDraft();
        }
        return applied;
    });
    DropSelection(ctx);
    return applied;
}

bool SelectCopy1Click(CommandContext& ctx) {
    SelectCopyChoice& kept = ctx.Own<SelectCopyChoice>();
    TSelectCopyDlg dialog(kept, ctx.draft.Ends, ctx.draft.Picks, ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    kept = dialog.Choice();
    DropSelection(ctx);
    CopyToClipboard(ctx, NumberedArea(ctx.draft, kept.kind, kept.from, kept.to));
    return false;
}

void InstallClipboardWatcher(CommandContext& ctx, QObject* parent) {
    ctx.Register(new ClipboardWatcher(ctx, parent));
}

void ForgetClipboardKind(CommandContext& ctx) {
    ctx.Own<ClipboardMemory>() = {};
}

} // namespace hm
