#include "output/ui/exportcommands.h"

#include <QAction>
#include <QFileDialog>

#include "files/savefile.h"
#include "model/draft.h"
#include "output/draftpng.h"
#include "output/drawdownbmp.h"
#include "output/fabricpng.h"
#include "output/ui/numbersdialog.h"
#include "output/ui/savedraftpngdialog.h"
#include "settings/messages.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"

namespace hm {

namespace {

// The menu item's caption as the window shows it (translated), without its
// "&"; the English caption where there is no window.
QString CommandTitle(CommandContext& ctx, const char* item, const char* english) {
    QString caption = QString::fromUtf8(english);
    if (ctx.dialogParent)
        if (auto* a = ctx.dialogParent->findChild<QAction*>(QString::fromLatin1(item)))
            caption = a->text();
    return NumbersDialogTitle(caption);
}

struct SaveDialogSetup {
    const char* name;
    QString title;
    QString filter;
    QString folder;
    QString proposedName;
    const char* suffix;
};

// The chosen file, or empty on Cancel.
QString ChooseExportFile(CommandContext& ctx, const SaveDialogSetup& s) {
    QFileDialog dialog(ctx.dialogParent);
    dialog.setObjectName(QString::fromLatin1(s.name));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(s.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(s.filter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QString::fromLatin1(s.suffix));
    if (!s.folder.isEmpty()) dialog.setDirectory(s.folder);
    if (!s.proposedName.isEmpty()) dialog.selectFile(s.proposedName);
    if (ctx.Exec(dialog) != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

// Shows the export's messages and writes its bytes when it was made.
void WriteExport(CommandContext& ctx, const QString& path, const ExportResult& result) {
    Messages messages = result.messages;
    if (result.ok) {
        const SaveResult saved = SaveFileAtomically(path, result.bytes);
        if (!saved.ok) messages.push_back(saved.error);
    }
    ctx.Show(messages);
}

// The numbers dialog of the fabric PNG and the drawdown BMP: ends and picks.
bool AskEndsAndPicks(CommandContext& ctx, const QString& title, const NumberRange& endLimits,
                     int ends, const NumberRange& pickLimits, int picks, int& chosenEnds,
                     int& chosenPicks) {
    TNumbersDlg dialog({title, Tr("@idends"), Tr("@idpicks"), endLimits, pickLimits, ends, picks},
                       ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    chosenEnds = dialog.First();
    chosenPicks = dialog.Second();
    return true;
}

} // namespace

bool PNG1Click(CommandContext& ctx) {
    const Draft& d = ctx.draft;
    const FabricPngStart start = FabricPngStartValues(d);
    if (!start.ok) {
        ctx.Show({start.notice});
        return false;
    }
    const QString title = CommandTitle(ctx, "PNG1", "Save Fabric as PNG-image...");
    int ends = 0, picks = 0;
    if (!AskEndsAndPicks(ctx, title, start.endLimits, start.ends, start.pickLimits, start.picks,
                         ends, picks))
        return false;
    ExportMemory& memory = ctx.Own<ExportMemory>();
    const QString path = ChooseExportFile(
        ctx,
        {"SaveFabricPngDialog", title, PngFilter(), FabricPngFolder(memory, ctx.doc.CurrentFolder),
         ProposedExportName(ctx.doc.CurrentFile, QStringLiteral(".png")), "png"});
    if (path.isEmpty()) return false;
    RememberPngFile(memory, path);
    ExportResult result;
    {
        BusyCursor busy;
        result = MakeFabricPng(d, ends, picks, OutputFabricPainter());
    }
    WriteExport(ctx, path, result);
    return false;
}

bool BMP1Click(CommandContext& ctx) {
    const Draft& d = ctx.draft;
    const DrawdownBmpStart start = DrawdownBmpStartValues(d);
    if (!start.ok) {
        ctx.Show({start.notice});
        return false;
    }
    const QString title = CommandTitle(ctx, "BMP1", "Save Drawdown as BMP-image...");
    int ends = 0, picks = 0;
    if (!AskEndsAndPicks(ctx, title, start.endLimits, start.ends, start.pickLimits, start.picks,
                         ends, picks) ||
        ends < 2 || picks < 2)
        return false;
    const QString path = ChooseExportFile(
        ctx, {"SaveBmpDialog", title, BmpFilter(), ctx.doc.CurrentFolder,
              ProposedExportName(ctx.doc.CurrentFile, QStringLiteral(".bmp")), "bmp"});
    if (path.isEmpty()) return false;
    ExportResult result;
    {
        BusyCursor busy;
        result = MakeDrawdownBmp(d, ends, picks);
    }
    WriteExport(ctx, path, result);
    return false;
}

bool SaveDraftasPNGimage1Click(CommandContext& ctx) {
    const Draft& d = ctx.draft;
    if (!DraftPngAvailable(d)) return false;
    ExportMemory& memory = ctx.Own<ExportMemory>();
    TSaveDraftPngDlg dialog(DraftPngStart(d, ctx.view.VisibleEnds, ctx.view.VisiblePicks, memory),
                            DraftRangeLimitsOf(d), ctx.dialogParent);
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    const DraftPngChoice choice = dialog.Choice();
    RememberDraftPng(memory, choice);
    // Nothing to draw: no file is asked for and none is written.
    if (choice.range.ends <= 0 && choice.range.picks <= 0) return false;
    const QString path = ChooseExportFile(
        ctx, {"SaveDraftPngDialog",
              CommandTitle(ctx, "SaveDraftasPNGimage1", "Save Draft as PNG-image..."), PngFilter(),
              ctx.doc.CurrentFolder,
              ProposedExportName(ctx.doc.CurrentFile, QStringLiteral(".png")), "png"});
    if (path.isEmpty()) return false;
    ExportResult result;
    {
        BusyCursor busy;
        result = MakeDraftPng(d, choice);
    }
    WriteExport(ctx, path, result);
    return false;
}

} // namespace hm
