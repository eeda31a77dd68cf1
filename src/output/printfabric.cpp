#include "output/printfabric.h"

#include <algorithm>
#include <cmath>

namespace hm {

PrintFabricDialogStart PrintFabricStart(const Draft& d) {
    PrintFabricDialogStart s;
    s.choice.ends = d.LastUsedEnd();
    s.choice.picks = d.LastUsedPick();
    s.ends = {1, std::max(1, s.choice.ends)};
    s.picks = {1, std::max(1, s.choice.picks)};
    return s;
}

bool ShowsPrintTimeNotice(bool expertMode) {
    return !expertMode;
}

Message PrintTimeNotice() {
    return {MessageKind::Information, "@printtime", {}};
}

ThreadSize TrueSizeThreads(const Draft& d, const PrinterGeometry& g) {
    const double perCm = 2.54;
    const double epi = std::max(1, d.Epi) * (d.Inches ? 1.0 : perCm);
    const double ppi = std::max(1, d.Ppi) * (d.Inches ? 1.0 : perCm);
    return {g.DpiX / epi, g.DpiY / ppi};
}

FabricPrintPlan PlanFabricPrint(const PrintJob& job, const Draft& d, const PrintFabricChoice& c) {
    FabricPrintPlan p;
    const bool compression = d.FabricCompression;
    if (c.size == FabricPrintSize::TrueSize) {
        const ThreadSize t = TrueSizeThreads(d, job.geometry());
        p.ends = std::min(static_cast<int>(job.rect().AvailW() / t.w), d.LastUsedEnd());
        p.picks =
            std::min(static_cast<int>((job.rect().AvailH() - job.TextH()) / t.h), d.LastUsedPick());
        p.threadW = t.w;
        p.threadH = compression ? 2 * t.h : t.h;
    } else {
        p.ends = c.ends;
        p.picks = c.picks;
        if (p.ends <= 0 || p.picks <= 0) return {};
        if (compression && p.picks % 2 == 1) --p.picks;
        if (p.picks <= 0) return {};
        const double a = std::round(p.ends / static_cast<double>(std::max(1, d.Epi)) * 1000);
        const double b = std::round(p.picks / static_cast<double>(std::max(1, d.Ppi)) * 1000);
        const PictureSize s = job.Fit(a, b);
        p.threadW = static_cast<double>(s.W) / p.ends;
        p.threadH = static_cast<double>(s.H) / p.picks * (compression ? 2 : 1);
        p.pictureH = s.H;
    }
    if (compression) p.picks -= p.picks % 2;
    if (p.ends <= 0 || p.picks <= 0) return {};
    if (c.size == FabricPrintSize::TrueSize)
        p.pictureH = static_cast<int>(std::lround(p.Rows(compression) * p.threadH));
    return p;
}

PrintOutcome PrintFabric(QPagedPaintDevice& device, const PrintContext& context, const Draft& d,
                         const PrintFabricChoice& choice, const FabricPainter& painter) {
    PrintOutcome out;
    if (!painter) return out;
    PrintJob job(device, context);
    const FabricPrintPlan plan = PlanFabricPrint(job, d, choice);
    if (plan.ends <= 0 || plan.picks <= 0 || plan.threadW <= 0 || plan.threadH <= 0) return out;
    if (!job.Begin()) {
        out.messages.push_back({MessageKind::Error, "@printfailed", {}});
        return out;
    }
    const bool compression = d.FabricCompression;
    const FabricSpan span{1, plan.ends, 1, plan.picks, 1, compression ? 2 : 1};
    const int rowsH = span.Rows(compression) * span.cellH;
    QPainter& p = job.painter();
    p.save();
    p.translate(job.rect().Left, job.rect().Top);
    // The painter works in threads; the transform makes them printer-sized.
    p.scale(plan.threadW / span.cellW, plan.threadH / span.cellH);
    PainterCanvas canvas(p, plan.ends * span.cellW, rowsH);
    canvas.Fill(0, 0, canvas.width(), canvas.height(), ToRgb(d.BackgroundColor));
    painter(canvas, d, span);
    p.restore();
    job.PrintFooter({1, plan.ends, 1, plan.picks});
    out.printed = job.End();
    if (!out.printed) out.messages.push_back({MessageKind::Error, "@printfailed", {}});
    return out;
}

} // namespace hm
