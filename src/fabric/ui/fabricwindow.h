#pragma once
// The fabric window (TFabwindow): the cloth at one pixel per end and pick in a
// small window of its own beside the main window, in Draft and Design mode. It
// keeps a picture of its cloth area; a refresh paints it in full, a pen stroke
// or a key repaints just the ends or picks it changed. Moving the mouse over it
// shows the end and pick in the main window's status line; a click scrolls the
// draft view so that the clicked place is in its middle. Closing it only hides
// it. The program creates it once (FabricWindowOf) and finds it in the
// command context.

#include <QImage>
#include <QWidget>

#include "fabric/fabricwindowlayout.h"
#include "ui/clothchange.h"

class QScrollBar;

namespace hm {

class CommandContext;
class TMultiLang;

class TFabwindow : public QWidget {
    Q_OBJECT
  public:
    explicit TFabwindow(CommandContext& ctx, QWidget* parent = nullptr);
    ~TFabwindow() override;

    const FabricWindowLayout& layout() const { return layout_; }
    // The cloth area's picture: WinEnds x WinPicks pixels from the top left.
    const QImage& image() const { return image_; }
    QWidget* cloth() const { return cloth_; }
    QScrollBar* horizontalBar() const { return scrollH_; }
    QScrollBar* verticalBar() const { return scrollV_; }

    // Sizes the window for the draft (a small cloth makes the client area
    // smaller), sets the scroll bars back to the start and paints the cloth in
    // full. ShowFabricWindow runs it before placing and showing the window.
    void SizeAndPaint();
    // After an edit: SizeAndPaint, when the window is shown.
    void Refresh();
    // After a pen stroke or a key: one end's column or one pick's row again.
    // Nothing when the window is hidden or the thread is not in it.
    void UpdateColumn(int end);
    void UpdateRow(int pick);
    void Apply(const ClothChange& change);
    // The caption: the pattern's name, or "Fabric" without one.
    void SetCaption();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class Cloth;
    friend class Cloth;

    int BarThickness() const;
    // The layout for the present client size, its controls and scroll bars.
    void LayOut();
    void PlaceControls();
    void SetScrollBars();
    void PaintCloth();
    void ScrollEnded(bool horizontal);

    // Mouse over the cloth, in cloth pixels.
    void MouseMoved(QPoint at);
    void MousePressed();
    void MouseReleased(QPoint at);
    // The end and pick under a point, or false outside the cloth.
    bool ThreadsAt(QPoint at, int& end, int& pick) const;

    CommandContext& ctx_;
    QWidget* cloth_ = nullptr; // a Cloth
    QScrollBar* scrollH_ = nullptr;
    QScrollBar* scrollV_ = nullptr;
    TMultiLang* lang_ = nullptr;
    FabricWindowLayout layout_;
    QImage image_;
    bool clickArmed_ = false;
};

} // namespace hm
