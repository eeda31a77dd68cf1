#include "output/printscreen.h"

#include <algorithm>

namespace hm {

FooterRange ShownRange(const Draft& d, bool fabricView, int visibleEnds, int visiblePicks) {
    if (fabricView) {
        const int ends = std::min(visibleEnds, d.Ends), picks = std::min(visiblePicks, d.Picks);
        return {d.FabricFirstEnd + 1, d.FabricFirstEnd + ends, d.FabricFirstPick + 1,
                d.FabricFirstPick + picks};
    }
    return {d.FirstEnd + 1, d.FirstEnd + visibleEnds, d.FirstPick + 1, d.FirstPick + visiblePicks};
}

PrintOutcome PrintScreenImage(QPagedPaintDevice& device, const PrintContext& context,
                              const QImage& drawingArea, const FooterRange& shown) {
    PrintOutcome out;
    if (drawingArea.isNull()) return out;
    PrintJob job(device, context);
    if (!job.Begin()) {
        out.messages.push_back({MessageKind::Error, "@printfailed", {}});
        return out;
    }
    const PictureSize s = job.Fit(drawingArea.width(), drawingArea.height());
    job.painter().drawImage(QRect(job.rect().Left, job.rect().Top, s.W, s.H),
                            drawingArea.convertToFormat(QImage::Format_RGB888));
    job.PrintFooter(shown);
    out.printed = job.End();
    if (!out.printed) out.messages.push_back({MessageKind::Error, "@printfailed", {}});
    return out;
}

} // namespace hm
