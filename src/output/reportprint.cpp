#include "output/reportprint.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace hm {

namespace {

const QString LeftMargin = QString(16, u' ');
constexpr int LeadingEmptyLines = 3;

} // namespace

QStringList ReportPrintText(const QStringList& reportLines) {
    QStringList text;
    text.reserve(reportLines.size() + LeadingEmptyLines);
    for (int i = 0; i < LeadingEmptyLines; ++i) text << QString();
    for (const QString& line : reportLines) text << LeftMargin + line;
    return text;
}

QFont ReportPrintFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(12);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

int ReportLinesPerPage(QPagedPaintDevice& device) {
    const QFontMetrics metrics(ReportPrintFont(), &device);
    return std::max(1, device.height() / std::max(1, metrics.lineSpacing()));
}

int PaintReport(QPainter& painter, QPagedPaintDevice& device, const QStringList& reportLines) {
    painter.save();
    painter.setFont(ReportPrintFont());
    painter.setPen(Qt::black);
    painter.setClipRect(QRect(0, 0, device.width(), device.height()));
    const QFontMetrics metrics = painter.fontMetrics();
    const int step = std::max(1, metrics.lineSpacing());
    const int perPage = ReportLinesPerPage(device);

    const QStringList text = ReportPrintText(reportLines);
    int pages = 1, onPage = 0;
    for (const QString& line : text) {
        if (onPage == perPage) {
            device.newPage();
            ++pages;
            onPage = 0;
        }
        if (!line.isEmpty()) painter.drawText(0, onPage * step + metrics.ascent(), line);
        ++onPage;
    }
    painter.restore();
    return pages;
}

int PrintReport(QPagedPaintDevice& device, const QStringList& reportLines) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const int pages = PaintReport(painter, device, reportLines);
    painter.end();
    return pages;
}

} // namespace hm
