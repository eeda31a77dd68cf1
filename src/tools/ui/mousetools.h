#pragma once
// The mouse tools of the draft view: the pen (every cell the mouse passes, also
// between mouse events far apart), the line (a straight run of cells from the
// press point) and the selection. While a button is held only the screen
// changes, cell by cell; the draft is written once, when the button is
// released, so that a stroke is one undo step.
//
// The tools watch the view's mouse events themselves; the window that hosts
// the view answers their questions and carries out the window-level steps
// through ToolHooks. Every hook may be left empty.

#include <QObject>
#include <Qt>
#include <functional>
#include <span>
#include <vector>

#include "model/message.h"
#include "tools/linecomputation.h"
#include "ui/clothchange.h"
#include "view/draftlayout.h"

namespace hm {

class DraftView;
class DraftPainter;
struct PointEditTarget;
class ToolOverlay;

struct ToolHooks {
    std::function<bool()> lineOn;        // the line tool, else the pen
    std::function<bool()> selectionTool; // the selection tool overrides both
    std::function<bool()> fabricView;    // the tools do nothing in the fabric views
    std::function<bool()> expertMode;    // no question before a delete
    std::function<int()> currentColor;   // the colour selector's index
    std::function<void(int)> pickColor;  // right click on a colour bar
    std::function<void(bool)> buttonHeld;
    std::function<void()> takeSnapshot;
    std::function<void()> markModified;
    // A stroke was written: the ends or picks it changed (or the whole cloth,
    // after a tie-up). Where given, it stands in for markModified after strokes,
    // so that the fabric window repaints only those threads.
    std::function<void(const ClothChange&)> strokeApplied;
    std::function<void()> markUndoAvailable;
    std::function<void(int kind, int a, int b)> showCellInfo;
    std::function<void(int kind, int a, int b)> showSelectionSize;
    std::function<void()> selectionToLine;  // right click in the selection tool
    std::function<void()> selectionChanged; // a selection began or ended (menu enabling)
    std::function<bool(const Message&)> confirm;
};

// The selection's cells, each range ordered low to high. Columns and rows are
// visible-cell coordinates of the area: ends and shafts in the threadings, treadles
// (liftplan columns) and picks in the treadlings and the liftplan, ends and picks
// in the drawdown; the colour bars have a single row or column.
struct SelectionRange {
    ViewArea area = ViewArea::None;
    int colFrom = 0;
    int colTo = 0;
    int rowFrom = 0;
    int rowTo = 0;
    bool valid() const { return area != ViewArea::None; }
};

// Stroke limits: the press cell plus this many further cells; colour spans reach
// at most this many ends or picks from the press end.
inline constexpr int MaxStrokeCells = 1000;
inline constexpr int MaxSpanDistance = 999;

// Highlight colours of a selection.
inline constexpr unsigned SelectionMarkedRgb = 0xFF808080u; // RGB(128,128,128)
inline constexpr unsigned SelectionEmptyRgb = 0xFFD0D0D0u;  // RGB(208,208,208)

class MouseTools : public QObject {
    Q_OBJECT
  public:
    MouseTools(DraftView* view, ToolHooks hooks, QObject* parent = nullptr);
    ~MouseTools() override;

    // ---- events (view coordinates) ----
    void MouseDown(int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers mods);
    void MouseMove(int x, int y, Qt::MouseButtons buttons);
    void MouseUp(Qt::MouseButton button);

    // ---- selection ----
    bool HasSelection() const { return sel_.exists; }
    SelectionRange SelectionRect() const;
    // Removes or draws the selection's highlight and outline on the screen.
    void EraseSelection();
    void DrawSelection();
    // Ends the selection (ResetTool, scrolling, full clears).
    void DropSelection();

    // Draws the stored marks of every visible end (threading areas) or pick
    // (treadling areas) of that area in the background colour.
    void EraseMarks(ViewArea area);

    // ---- Insert and Delete at the mouse position ----
    // Return whether the draft changed.
    bool InsertAtMouse();
    bool DeleteAtMouse();

    // A drawing stroke is held (button down to button up).
    bool StrokeActive() const { return stroke_.area != ViewArea::None || span_.active; }
    ToolOverlay* overlay() const { return overlay_; }
    // The cells recorded so far by the running stroke (tests look at them).
    const std::vector<CellPoint>& StrokeCells() const { return stroke_.cells; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Stroke {
        ViewArea area = ViewArea::None;
        Qt::MouseButton button = Qt::NoButton;
        bool pen = true; // PenValue: the left button sets, the others clear
        bool ctrl = false;
        bool line = false;
        CellPoint press;
        CellPoint last;               // the last cell entered
        CellPoint pointer;            // the cell of the last mouse event, in the area or not
        std::vector<CellPoint> cells; // pen: the cells in order; line: the current line
    };
    struct Span {
        bool active = false;
        ViewArea area = ViewArea::None;
        int press = 0;
        int lo = 0;
        int hi = 0;
        int colour = 0;
    };
    struct Selection {
        ViewArea area = ViewArea::None;
        CellPoint anchor;
        CellPoint corner;
        bool exists = false;
        bool dragging = false;
    };

    const DraftLayout& L() const;
    Draft& D() const;
    bool Hook(const std::function<bool()>& f) const { return f && f(); }
    CellPoint CellAt(ViewArea area, int x, int y) const;
    bool ValidCell(ViewArea area, CellPoint p) const;
    // The first area of `order` under the point, else the drawdown in Design mode.
    ViewArea AreaUnder(std::span<const ViewArea> order, int x, int y) const;
    void ShowCellInfoAt(int x, int y);

    // Drawing strokes.
    void StartStroke(ViewArea area, int x, int y, Qt::MouseButton button, bool ctrl);
    void PenAlong(CellPoint to);
    void PenThrough(const std::vector<CellPoint>& points);
    void LineTo(CellPoint p);
    void DrawPreview(DraftPainter& pt, ViewArea area, CellPoint p, bool on);
    void RestoreCell(DraftPainter& pt, ViewArea area, CellPoint p);
    bool ApplyStroke();

    // Colour spans.
    void StartSpan(ViewArea area, int index);
    void SpanTo(int index);
    void PaintSpanThread(DraftPainter& pt, int index, bool preview);
    bool ApplySpan();

    // Selection.
    void SelectionDown(int x, int y, Qt::MouseButton button);
    void SelectionMove(int x, int y, Qt::MouseButtons buttons);
    bool SameSelectionFamily(ViewArea a) const;

    // Repaints after Insert or Delete at the mouse and marks the draft changed.
    void AfterPointEdit(const PointEditTarget& t);

    DraftView* view_;
    ToolOverlay* overlay_;
    ToolHooks hooks_;
    Stroke stroke_;
    Span span_;
    ClothChange applied_; // what the last stroke or span wrote
    Selection sel_;
    int lastX_ = 0;
    int lastY_ = 0;
    bool mouseInside_ = false;
};

} // namespace hm
