#include "output/printtext.h"

#include <QFontMetrics>
#include <algorithm>

namespace hm {

int TextColumnLeft(const PrinterGeometry& g, const PrintRect& r, int widestLine) {
    if (r.Left + widestLine <= g.PrintW) return r.Left;
    return std::clamp(g.PrintW - widestLine, 0, r.Left);
}

PrintOutcome PrintTextLines(QPagedPaintDevice& device, const PrintContext& context,
                            const QStringList& lines) {
    PrintOutcome out;
    PrintJob job(device, context);
    if (!job.Begin()) {
        out.messages.push_back({MessageKind::Error, "@printfailed", {}});
        return out;
    }
    QPainter& p = job.painter();
    p.setFont(NumericFont());
    p.setPen(Qt::black);
    const QFontMetrics fm(p.font(), &device);
    const PrintRect& r = job.rect();
    const int step = std::max(1, fm.lineSpacing());
    int widest = 0;
    for (const QString& line : lines)
        for (const QString& part : line.split(QChar(12)))
            widest = std::max(widest, fm.horizontalAdvance(part));
    const int left = TextColumnLeft(job.geometry(), r, widest);
    int top = r.Top;
    auto newPage = [&] {
        job.NewPage();
        top = r.Top;
    };
    for (const QString& line : lines) {
        const QStringList parts = line.split(QChar(12));
        for (qsizetype k = 0; k < parts.size(); ++k) {
            if (k > 0) newPage();
            // A form feed at the end of a line only turns the page.
            if (k > 0 && parts[k].isEmpty() && k == parts.size() - 1) continue;
            if (top + step > r.Bottom && top > r.Top) newPage();
            p.drawText(QPoint(left, top + fm.ascent()), parts[k]);
            top += step;
        }
    }
    out.printed = job.End();
    if (!out.printed) out.messages.push_back({MessageKind::Error, "@printfailed", {}});
    return out;
}

} // namespace hm
