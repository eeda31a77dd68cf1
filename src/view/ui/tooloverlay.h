#pragma once
// A transparent layer over the draft view for the marks that exist only while a
// tool or the keyboard entry runs: the selection's highlight and dotted outline,
// preview cells of the design picture, and the keyboard cursor. The draft
// picture underneath is never changed by it, so removing a mark is just not
// drawing it any more, and a full repaint of the view keeps the marks in place.

#include <QRgb>
#include <QWidget>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "view/draftlayout.h"

namespace hm {

class DraftView;

class ToolOverlay : public QWidget {
    Q_OBJECT
  public:
    // The view's overlay, created on first use; it follows the view's size.
    static ToolOverlay* Of(DraftView* view);

    struct Cell {
        PixelRect rect;
        QRgb colour = 0;
    };

    // ---- selection ----
    // Cells drawn in their highlight colours and the outline around them. With
    // xorOutline the outline pixels show the inverse of the picture beneath.
    void SetSelection(std::vector<Cell> cells, PixelRect outline, bool showOutline,
                      bool xorOutline);
    void ClearSelection();
    bool SelectionShown() const { return selectionShown_; }
    const std::vector<Cell>& SelectionCells() const { return selection_; }
    PixelRect SelectionOutline() const { return outline_; }
    bool OutlineShown() const { return selectionShown_ && showOutline_; }

    // ---- preview cells (the design picture while the pen or line is held) ----
    void SetPreviewCell(const PixelRect& r, QRgb colour);
    void RemovePreviewCell(const PixelRect& r);
    void ClearPreview();
    int PreviewCount() const { return static_cast<int>(preview_.size()); }

    // ---- keyboard cursor ----
    // The figure inside a cell's interior: one pixel for the smallest cells, a
    // short horizontal line at the next two sizes, otherwise a cross.
    void SetCursorFigure(const PixelRect& interior, int zoom, QRgb colour);
    void ClearCursor();
    bool CursorShown() const { return cursor_.has_value(); }
    // Pixel rectangles of the cursor figure (also used by tests).
    static std::vector<PixelRect> CursorFigure(const PixelRect& interior, int zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit ToolOverlay(DraftView* view);
    void UpdateRect(const PixelRect& r);
    void UpdateOutline();

    DraftView* view_;
    std::vector<Cell> selection_;
    PixelRect outline_;
    bool selectionShown_ = false;
    bool showOutline_ = false;
    bool xorOutline_ = false;
    std::map<std::pair<int, int>, Cell> preview_; // keyed by the cell's top-left pixel
    struct Cursor {
        PixelRect interior;
        int zoom = 1;
        QRgb colour = 0;
    };
    std::optional<Cursor> cursor_;
};

} // namespace hm
