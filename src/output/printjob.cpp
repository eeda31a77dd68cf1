#include "output/printjob.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>

#include "settings/messages.h"

namespace hm {

namespace {

QFont PointFont(const char* family, int points) {
    QFont f(QString::fromLatin1(family));
    f.setPointSize(points);
    f.setWeight(QFont::Normal);
    f.setItalic(false);
    return f;
}

} // namespace

QFont PictureFont() {
    return PointFont("Times New Roman", 10);
}

QFont NoteFont() {
    return PointFont("Arial", 11);
}

QFont NumericFont() {
    QFont f = PointFont("Courier New", 12);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

QString PrintJobTitle(const QString& currentName) {
    return QStringLiteral("Heddlemark - ") + currentName;
}

QString NumericJobCounter::NextTitle() {
    return QStringLiteral("Heddlemark Numeric ") + QString::number(next_++);
}

bool PrintsNote(bool printNoteChecked, const std::string& note) {
    return printNoteChecked && QString::fromStdString(note).size() > 5;
}

PrintJob::PrintJob(QPagedPaintDevice& device, const PrintContext& context)
    : device_(device), geometry_(GeometryOf(device)),
      rect_(PrintingRectangle(geometry_, context.margins)), name_(context.currentName) {
    textH_ = QFontMetrics(PictureFont(), &device_).height();
}

PrintJob::~PrintJob() {
    if (painter_.isActive()) painter_.end();
}

bool PrintJob::Begin() {
    return painter_.begin(&device_);
}

bool PrintJob::NewPage() {
    return device_.newPage();
}

bool PrintJob::End() {
    return painter_.isActive() && painter_.end();
}

void PrintJob::PrintFooter(const FooterRange& range) {
    painter_.save();
    painter_.setFont(PictureFont());
    painter_.setPen(Qt::black);
    painter_.setBackground(Qt::white);
    painter_.setBackgroundMode(Qt::OpaqueMode);
    const QFontMetrics fm(painter_.font(), &device_);
    const int baseline = rect_.Bottom - (textH_ + 3) + fm.ascent();
    const int gap = geometry_.DpiX / 4;
    int x = rect_.Left + geometry_.DpiX / 25;
    const QString texts[] = {
        name_,
        Tr("@idwarp") + QString::asprintf(": %d-%d", range.firstEnd, range.lastEnd),
        Tr("@idweft") + QString::asprintf(": %d-%d", range.firstPick, range.lastPick),
    };
    for (const QString& text : texts) {
        painter_.drawText(QPoint(x, baseline), text);
        x += fm.horizontalAdvance(text) + gap;
    }
    painter_.restore();
}

void PrintJob::PrintNote(int pictureHeight, const std::string& note) {
    painter_.save();
    painter_.setFont(NoteFont());
    painter_.setPen(Qt::black);
    const QFontMetrics fm(painter_.font(), &device_);
    const int x = geometry_.DpiX - geometry_.OffsetX;
    const int lastTop = geometry_.PaperH - geometry_.DpiY - geometry_.OffsetY;
    int top = pictureHeight + rect_.Top + textH_;
    QString text = QString::fromStdString(note);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\t', u' ');
    for (const QString& line : text.split(u'\n')) {
        if (top > lastTop) break;
        painter_.drawText(QPoint(x, top + fm.ascent()), line);
        top += textH_;
    }
    painter_.restore();
}

void PrintJob::PrintFooterOrNote(const FooterRange& range, int pictureHeight, bool printNoteChecked,
                                 const std::string& note) {
    if (PrintsNote(printNoteChecked, note))
        PrintNote(pictureHeight, note);
    else
        PrintFooter(range);
}

} // namespace hm
