// The File menu's WIF commands: Export > Save as WIF, and Open Components of a
// WIF file. (File > Open reads a WIF like any other pattern file.)
#include <QBuffer>
#include <memory>

#include "files/hdxfile.h"
#include "files/ui/filecommands.h"
#include "files/ui/loadhdxdialog.h"
#include "files/wiffile.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"

namespace hm {

namespace {

// What a WIF read into a draft of its own has to give: a treadled draft that
// fits lands on group A, any other on the pattern level; group B stays empty.
HdxComponents ComponentsOfWif(const Draft& fromWif) {
    HdxComponents c = HdxComponents::None();
    const bool patternLevel = fromWif.PatternThreadingOn;
    c.patternThreading = c.liftplan = patternLevel;
    c.threadingA = c.treadlingA = c.tieupAA = !patternLevel;
    c.warpColors = c.weftColors = c.palette = true;
    c.note = !fromWif.Note.empty();
    return c;
}

} // namespace

bool FileCommands::SaveToWif() {
    const QString path = ChoosePath(FileDialogKind::SaveWif);
    if (path.isEmpty()) return false;
    return WriteWif(path, ReplaceQuestion::Always);
}

bool FileCommands::SaveWifTo(const QString& chosen) {
    return WriteWif(chosen, ReplaceQuestion::WhenRenamed);
}

bool FileCommands::WriteWif(const QString& chosen, ReplaceQuestion ask) {
    return !WriteChecked(chosen, FileKind::Wif, ask, [this](const QString& p) {
                return WriteWifFile(ctx_.draft, p);
            }).isEmpty();
}

// The WIF is read into a draft of its own, exactly as File > Open would read
// it, and the chosen parts are then taken from that draft through the same
// component read as an .hdx file, so that they arrive with the same rules (the
// counts of shafts and treadles raised, the draft's switches kept).
bool FileCommands::OpenWifComponentsFrom(const QString& path) {
    auto fromWif = std::make_unique<Draft>();
    ReadResult wif;
    {
        BusyCursor busy;
        wif = ReadWifFile(*fromWif, path);
    }
    if (wif.HasError()) {
        ctx_.Show(wif.messages);
        return false;
    }

    const Draft& d = ctx_.draft;
    TLoadHdxDlg dialog(d.PatternThreadingOn, d.ThreadingBOn, d.TreadlingBOn, ctx_.dialogParent);
    dialog.OfferOnly(ComponentsOfWif(*fromWif));
    connect(&dialog, &TLoadHdxDlg::HelpRequested, this, [this] { ShowFilesHelp(); });
    if (ctx_.Exec(dialog) != QDialog::Accepted) return false;
    const HdxComponents chosen = dialog.Selection();

    QByteArray bytes = CdPatternFileBytes(*fromWif, false);
    return ReadComponents([&](Draft& draft) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ReadResult result = ReadCdPatternData(draft, buffer, QString(), chosen);
        // The file's own notices (lines skipped, colours merged) come first.
        result.messages.insert(result.messages.begin(), wif.messages.begin(), wif.messages.end());
        return result;
    });
}

} // namespace hm
