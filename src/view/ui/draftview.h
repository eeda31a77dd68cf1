#pragma once
// The draft view widget: the drawing area of the main window. It shows the
// Draft and Design views, and in their place the Fabric, Drapery or
// Interlacement view while the view state says so. It keeps an off-screen image
// of its whole area; the painters draw into that image and the widget then
// updates only the rectangle they changed. paintEvent just copies the image to
// the screen.

#include <QImage>
#include <QWidget>
#include <functional>

#include "fabric/fabriclayout.h"
#include "view/draftlayout.h"
#include "view/draftpainter.h"

namespace hm {

struct ViewState;

class DraftView : public QWidget {
    Q_OBJECT
  public:
    explicit DraftView(Draft& draft, QWidget* parent = nullptr);

    Draft& draft() { return draft_; }
    const DraftLayout& layout() const { return layout_; }
    const QImage& image() const { return image_; }

    // The window's view state: whether a fabric view shows, which one, and the
    // Interlacement zoom. Without it the widget shows the Draft or Design view.
    void setViewState(const ViewState* view) { view_ = view; }
    // A fabric view is shown: the layouts and repaints below lay out and paint
    // it instead of the draft (the draft's layout stays as it was).
    bool ShowsFabric() const;
    // The layout of the fabric view last painted.
    const FabricLayout& fabricLayout() const { return fabricLayout_; }

    // "Use Grid Style in Design Mode".
    void setDesignGridStyle(bool on) { geometry_.designGridStyle = on; }
    bool designGridStyle() const { return geometry_.designGridStyle; }
    // The grid starts at (0, originY) inside the widget; the usable size is the
    // widget size minus the right and bottom margins (6 and 11 by default).
    void setMargins(int originY, int rightMargin, int bottomMargin);

    // Recomputes the layout only: in the Draft view zoom fitting, areas and the
    // scroll clamp; in a fabric view the extent, the cells and its offsets.
    void Relayout();
    // Layout, clear to the background colour, full repaint; disables Undo.
    void Update();
    // Clear, then full repaint; disables Undo.
    void ClearAndRepaint();
    // Full repaint without a new layout; in Design mode every picture cell is
    // painted (no background skip). Always disables Undo.
    void RepaintDraft();
    // Grid lines of the current mode in another colour (0x00BBGGRR), e.g. black for
    // Copy Image, and back in the grid colour afterwards.
    void PaintGridsInColour(uint32_t bgr);
    // The largest zoom (at most 20) at which the Draft view's areas still fit.
    int LargestFittingZoom() const;

    // Runs a partial painter on the off-screen image and updates what it changed:
    // view.Paint([](DraftPainter& p) { p.PaintDrawdownRow(3); });
    // Nothing is painted while a fabric view shows.
    void Paint(const std::function<void(DraftPainter&)>& what, bool busyCursor = false);

    // Shorthands for the partial painters.
    void PaintSequenceCell(ViewArea kind, int index, bool on);
    void PaintLiftplanCell(int j, int column, bool on);
    void PaintTieupCell(TieupKind kind, int shaft, int treadle, int value);
    void PaintWarpBarCell(int i);
    void PaintWeftBarCell(int j);
    void EraseSequenceMarks(ViewArea kind);
    void PaintDrawdownColumn(int i);
    void PaintDrawdownRow(int j);
    void RepaintColumnsFrom(int i);
    void RepaintRowsFrom(int j);
    void RepaintRowsWithLiftplan(int j, bool exact);
    void PaintDesignColumn(int i);
    void PaintDesignRow(int j);

  signals:
    // A full repaint happened: Edit > Undo must be disabled.
    void undoDisabled();
    // Zoom fitting lowered Draft::Zoom; the zoom slider follows.
    void zoomLowered(int zoom);
    // A new layout was computed (visible counts, scroll offsets may have changed).
    void laidOut();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void EnsureImage();
    void FullRepaint(bool clear, bool skipBackground);
    void PaintFabric();

    Draft& draft_;
    const ViewState* view_ = nullptr;
    FabricLayout fabricLayout_;
    ViewGeometry geometry_;
    int rightMargin_ = 6;
    int bottomMargin_ = 11;
    DraftLayout layout_;
    QImage image_;
};

} // namespace hm
