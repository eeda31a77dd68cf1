// heddlemark-cli drawdown: the drawdown as a black-and-white BMP.
#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <vector>

#include "app/cli/clicommands.h"
#include "app/cli/clisupport.h"
#include "model/draft.h"
#include "model/drawdown.h"

namespace hm {

int DrawdownCommand(const QStringList& args, CliOutput& o) {
    if (args.size() < 3) return Usage(o, "drawdown needs FILE and OUT.bmp");
    int ends = -1, picks = -1;
    for (int i = 3; i < args.size(); i += 2) {
        int* target = args[i] == "--ends" ? &ends : args[i] == "--picks" ? &picks : nullptr;
        if (!target) return Usage(o, "unknown option '" + args[i].toStdString() + "'");
        if (i + 1 >= args.size() || !ParseNumber(args[i + 1], *target) || *target < 1)
            return Usage(o, args[i].toStdString() + " needs a whole number above 0");
    }
    Messages messages;
    auto d = LoadDraft(args[1], messages);
    ReportMessages(messages, o);
    if (HasError(messages)) return ExitFailure;
    // The used extent: of the picture in Design mode, else of the threadings and
    // of the liftplan and treadlings.
    int usedEnds = 0, usedPicks = 0;
    if (d->DesignMode) {
        d->UpdateDesignExtents();
        usedEnds = d->UsedEnds;
        usedPicks = d->UsedPicks;
    } else {
        usedEnds = d->LastUsedEnd(std::clamp(d->Ends, 0, MaxEnds));
        usedPicks = d->LastUsedPick(std::clamp(d->Picks, 0, MaxPicks));
    }
    if (ends < 0) ends = usedEnds;
    if (picks < 0) picks = usedPicks;
    const int limit = d->DesignMode ? DesignSize : MaxEnds;
    if (ends > limit || picks > limit)
        return Usage(o, "ends and picks go up to " + std::to_string(limit));
    if (ends < 1 || picks < 1) {
        o.err += "heddlemark-cli: No Pattern\n";
        return ExitFailure;
    }
    QImage image(ends, picks, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawdownRows rows(*d);
    std::vector<uint8_t> row(static_cast<size_t>(ends));
    for (int p = 1; p <= picks; ++p) {
        rows.WarpOnTopRow(p, 1, ends, row.data());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(picks - p));
        for (int e = 1; e <= ends; ++e)
            if (row[static_cast<size_t>(e - 1)]) line[ends - e] = qRgb(0, 0, 0);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) {
        o.err += "heddlemark-cli: the picture could not be made\n";
        return ExitFailure;
    }
    return WriteOutputFile(args[2], bytes, o) ? 0 : ExitFailure;
}

} // namespace hm
