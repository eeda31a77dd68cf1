#include "fabric/ui/colourwidgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "fabric/paletteedit.h"
#include "model/draft.h"

namespace hm {

namespace {

QColor ToQColor(uint32_t colour) {
    return QColor(ColorRed(colour), ColorGreen(colour), ColorBlue(colour));
}

} // namespace

PaletteGridWidget::PaletteGridWidget(const Draft& draft, const QString& name, QWidget* parent)
    : QWidget(parent), draft_(draft) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    SetGrid(grid_);
}

void PaletteGridWidget::SetGrid(const PaletteGrid& grid) {
    grid_ = grid;
    setFixedSize(grid_.PixelSize());
    update();
}

void PaletteGridWidget::SetMarked(int index) {
    marked_ = index >= 0 && index < grid_.Count() ? index : -1;
    update();
}

void PaletteGridWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::gray);
    // Cells of a few pixels have no room for a grid line.
    const int gap = grid_.cellPixels >= 8 ? 1 : 0;
    for (int i = 0; i < grid_.Count(); ++i)
        p.fillRect(grid_.CellRect(i).adjusted(0, 0, -gap, -gap),
                   QColor::fromRgb(PaletteEntryRgb(draft_, i)));
    if (marked_ < 0) return;
    // Black outside, white inside: visible on every colour.
    const QRect cell = grid_.CellRect(marked_).adjusted(0, 0, -1, -1);
    p.setPen(Qt::black);
    p.drawRect(cell);
    p.setPen(Qt::white);
    p.drawRect(cell.adjusted(1, 1, -1, -1));
}

void PaletteGridWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int index = grid_.IndexAt(event->position().toPoint());
    if (index >= 0) emit cellClicked(index);
}

void PaletteGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int index = grid_.IndexAt(event->position().toPoint());
    if (index >= 0) emit cellDoubleClicked(index);
}

ColourPanel::ColourPanel(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
}

void ColourPanel::SetColour(uint32_t colour) {
    colour_ = colour & 0xFFFFFF;
    update();
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), ToQColor(colour_));
    }
    QFrame::paintEvent(event);
}

void ColourPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

} // namespace hm
