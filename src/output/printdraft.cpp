#include "output/printdraft.h"

#include <algorithm>

namespace hm {

PrintDraftChoice PrintDraftStart(const Draft& d, int visibleEnds, int visiblePicks) {
    PrintDraftChoice c;
    c.range = ProposedDraftRange(d, visibleEnds, visiblePicks);
    return c;
}

int VerticalGridPen(const PrinterGeometry& g) {
    return std::max(1, g.DpiX / 300);
}

int HorizontalGridPen(const PrinterGeometry& g) {
    return std::max(1, g.DpiY / 300);
}

PrintedCells PrintedCellSize(const PrintJob& job, const Draft& d, const DraftRange& range) {
    PrintedCells p;
    const CellGrid g = DraftPictureCells(d, std::max(0, range.ends), std::max(0, range.picks));
    if (g.cols <= 0 || g.rows <= 0) return p;
    p.picture = job.Fit(g.cols, g.rows);
    p.cellW = p.picture.W / g.cols;
    p.cellH = p.picture.H / g.rows;
    return p;
}

PrintOutcome PrintDraft(QPagedPaintDevice& device, const PrintContext& context, const Draft& d,
                        const PrintDraftChoice& choice) {
    PrintOutcome out;
    const DraftRange& r = choice.range;
    if (r.ends <= 0 && r.picks <= 0) return out;
    PrintJob job(device, context);
    const PrintedCells cells = PrintedCellSize(job, d, r);
    if (cells.TooSmall()) {
        out.messages.push_back({MessageKind::Error, "@printtoosmall", {}});
        return out;
    }
    if (!job.Begin()) {
        out.messages.push_back({MessageKind::Error, "@printfailed", {}});
        return out;
    }
    const DraftPicture picture(d, r, cells.cellW, cells.cellH);
    const int penV = VerticalGridPen(job.geometry()), penH = HorizontalGridPen(job.geometry());
    QPainter& p = job.painter();
    p.save();
    p.translate(job.rect().Left, job.rect().Top);
    PainterCanvas canvas(p, picture.Width(penV), picture.Height(penH));
    picture.Paint(canvas, choice.fill, qRgb(0, 0, 0), penV, penH);
    p.restore();
    job.PrintFooterOrNote({r.fromEnd, r.ToEnd(), r.fromPick, r.ToPick()}, cells.picture.H,
                          choice.printNote, d.Note);
    out.printed = job.End();
    if (!out.printed) out.messages.push_back({MessageKind::Error, "@printfailed", {}});
    return out;
}

} // namespace hm
