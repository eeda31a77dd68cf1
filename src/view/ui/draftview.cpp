#include "view/ui/draftview.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>

#include "fabric/fabricview.h"
#include "ui/windowstate.h"

namespace hm {

namespace {

// Busy cursor for the length of a repaint that walks the whole view.
class BusyCursor {
  public:
    explicit BusyCursor(bool on) : on_(on) {
        if (on_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (on_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool on_;
};

} // namespace

DraftView::DraftView(Draft& draft, QWidget* parent) : QWidget(parent), draft_(draft) {
    setObjectName("DraftView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DraftView::setMargins(int originY, int rightMargin, int bottomMargin) {
    geometry_.originY = originY;
    rightMargin_ = rightMargin;
    bottomMargin_ = bottomMargin;
}

void DraftView::EnsureImage() {
    const QSize s = size().expandedTo(QSize(1, 1));
    if (image_.size() != s) {
        image_ = QImage(s, QImage::Format_RGB32);
        image_.fill(ToRgb(draft_.BackgroundColor));
    }
}

bool DraftView::ShowsFabric() const {
    return view_ && view_->FabricView;
}

void DraftView::Relayout() {
    EnsureImage();
    if (ShowsFabric()) {
        // The fabric views have their own zooms and offsets; the draft's zoom
        // fitting does not apply to them.
        const auto kind = static_cast<FabricKind>(view_->FabricKind);
        const int zoom =
            kind == FabricKind::Interlacement ? view_->InterlacementZoom : draft_.FabricZoom;
        fabricLayout_ = LayoutFabricView(draft_, kind, zoom, DrawingArea{0, width(), height()});
        emit laidOut();
        return;
    }
    geometry_.originX = 0;
    geometry_.clientW = width() - rightMargin_;
    geometry_.clientH = height() - bottomMargin_;
    LayoutResult r = hm::Layout(draft_, geometry_);
    layout_ = r.layout;
    if (r.zoomLowered) emit zoomLowered(draft_.Zoom);
    emit laidOut();
}

void DraftView::PaintFabric() {
    // Every fabric paint starts from the cloth's extent as the draft has it now.
    Relayout();
    BusyCursor busy(true);
    ImageCanvas canvas(image_);
    PaintFabricView(canvas, draft_, fabricLayout_);
    update();
    emit undoDisabled();
}

void DraftView::FullRepaint(bool clear, bool skipBackground) {
    if (ShowsFabric()) {
        PaintFabric();
        return;
    }
    EnsureImage();
    BusyCursor busy(true);
    ImageCanvas canvas(image_);
    DraftPainter painter(canvas, draft_, layout_);
    if (clear) painter.ClearAll();
    painter.Repaint(skipBackground);
    update();
    emit undoDisabled();
}

void DraftView::Update() {
    if (ShowsFabric()) {
        PaintFabric();
        return;
    }
    Relayout();
    FullRepaint(true, true);
}

void DraftView::ClearAndRepaint() {
    FullRepaint(true, true);
}

void DraftView::RepaintDraft() {
    // Draft mode paints marks and weft cells over a cleared area, so it clears
    // first; Design mode paints every cell and needs no clear.
    FullRepaint(!draft_.DesignMode, false);
}

void DraftView::PaintGridsInColour(uint32_t bgr) {
    Paint([bgr](DraftPainter& p) { p.PaintGridsInColour(bgr); });
}

int DraftView::LargestFittingZoom() const {
    return hm::LargestFittingZoom(draft_, geometry_.clientW, geometry_.clientH);
}

void DraftView::Paint(const std::function<void(DraftPainter&)>& what, bool busyCursor) {
    if (ShowsFabric()) return; // the draft's cells are not on the screen
    EnsureImage();
    BusyCursor busy(busyCursor);
    ImageCanvas canvas(image_);
    DraftPainter painter(canvas, draft_, layout_);
    what(painter);
    const QRect changed = canvas.TakeChanged();
    if (!changed.isEmpty()) update(changed);
}

void DraftView::PaintSequenceCell(ViewArea kind, int index, bool on) {
    Paint([=](DraftPainter& p) { p.PaintSequenceCell(kind, index, on); });
}
void DraftView::PaintLiftplanCell(int j, int column, bool on) {
    Paint([=](DraftPainter& p) { p.PaintLiftplanCell(j, column, on); });
}
void DraftView::PaintTieupCell(TieupKind kind, int shaft, int treadle, int value) {
    Paint([=](DraftPainter& p) { p.PaintTieupCell(kind, shaft, treadle, value); });
}
void DraftView::PaintWarpBarCell(int i) {
    Paint([=](DraftPainter& p) { p.PaintWarpBarCell(i); });
}
void DraftView::PaintWeftBarCell(int j) {
    Paint([=](DraftPainter& p) { p.PaintWeftBarCell(j); });
}
void DraftView::EraseSequenceMarks(ViewArea kind) {
    Paint([=](DraftPainter& p) { p.EraseSequenceMarks(kind); }, true);
}
void DraftView::PaintDrawdownColumn(int i) {
    Paint([=](DraftPainter& p) { p.PaintDrawdownColumn(i); }, true);
}
void DraftView::PaintDrawdownRow(int j) {
    Paint([=](DraftPainter& p) { p.PaintDrawdownRow(j); }, true);
}
void DraftView::RepaintColumnsFrom(int i) {
    Paint([=](DraftPainter& p) { p.RepaintColumnsFrom(i); }, true);
}
void DraftView::RepaintRowsFrom(int j) {
    Paint([=](DraftPainter& p) { p.RepaintRowsFrom(j); }, true);
}
void DraftView::RepaintRowsWithLiftplan(int j, bool exact) {
    Paint([=](DraftPainter& p) { p.RepaintRowsWithLiftplan(j, exact); }, true);
}
void DraftView::PaintDesignColumn(int i) {
    Paint([=](DraftPainter& p) { p.PaintDesignColumn(i); }, true);
}
void DraftView::PaintDesignRow(int j) {
    Paint([=](DraftPainter& p) { p.PaintDesignRow(j); }, true);
}

void DraftView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect r = event->rect();
    // Until the first layout after a resize the image may be smaller than the widget.
    if (!image_.rect().contains(r)) p.fillRect(r, QColor::fromRgb(ToRgb(draft_.BackgroundColor)));
    p.drawImage(r.intersected(image_.rect()), image_, r.intersected(image_.rect()));
}

void DraftView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Update();
}

} // namespace hm
