#include "fabric/ui/fabricwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include "fabric/fabricwindowpainter.h"
#include "model/draft.h"
#include "settings/ui/multilang.h"
#include "ui/busycursor.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "view/canvas.h"

static void RegisterFabricWindowResources() {
    Q_INIT_RESOURCE(fabricwindow_lang);
}

namespace hm {

namespace {

void InitFabricWindowResources() {
    static const bool done = [] {
        RegisterFabricWindowResources();
        return true;
    }();
    (void)done;
}

// The client size the window starts with, before a draft makes it smaller.
constexpr int StartWidth = 360;
constexpr int StartHeight = 280;

} // namespace

// The cloth area: shows the window's picture and takes the mouse.
class TFabwindow::Cloth : public QWidget {
  public:
    explicit Cloth(TFabwindow* owner) : QWidget(owner), owner_(owner) {
        setObjectName("FabricCloth");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        const QRect r = event->rect();
        const QRect shown = r.intersected(owner_->image_.rect());
        // Beyond the picture (a window made larger than the cloth) the background shows.
        p.fillRect(r, QColor::fromRgb(ToRgb(owner_->ctx_.draft.BackgroundColor)));
        if (!shown.isEmpty()) p.drawImage(shown, owner_->image_, shown);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        owner_->MouseMoved(event->position().toPoint());
    }
    void mousePressEvent(QMouseEvent*) override { owner_->MousePressed(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        owner_->MouseReleased(event->position().toPoint());
    }

  private:
    TFabwindow* owner_;
};

TFabwindow::TFabwindow(CommandContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Tool), ctx_(ctx) {
    InitFabricWindowResources();
    setObjectName("TFabwindow");
    // The smallest client area a small draft leaves: 99 pixels, which with the
    // frame makes a window of at least FabricWindowMinimumSize.
    setMinimumSize(FabricWindowMinimumSize - 1, FabricWindowMinimumSize - 1);
    cloth_ = new Cloth(this);
    for (bool horizontal : {true, false}) {
        auto* bar = new QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, this);
        bar->setObjectName(horizontal ? "FabricScrollH" : "FabricScrollV");
        // Only the end of a scroll moves the cloth.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::NoFocus);
        connect(bar, &QScrollBar::valueChanged, this,
                [this, horizontal] { ScrollEnded(horizontal); });
        (horizontal ? scrollH_ : scrollV_) = bar;
    }
    resize(StartWidth, StartHeight);
    lang_ = new TMultiLang(this, QStringLiteral("fabricwindow"));
    lang_->AfterLanguageChanged = [this] { SetCaption(); };
    SetCaption();
}

TFabwindow::~TFabwindow() = default;

int TFabwindow::BarThickness() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void TFabwindow::SetCaption() {
    const QString& name = ctx_.doc.CurrentName;
    setWindowTitle(name.isEmpty() ? lang_->Translate(QStringLiteral("@fabwincaption")) : name);
}

// ---------------------------------------------------------------- size and paint

void TFabwindow::SizeAndPaint() {
    SetCaption();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(ToRgb(ctx_.draft.BackgroundColor)));
    setPalette(pal);
    setAutoFillBackground(true);
    const FabricWindowLayout sized =
        SizeFabricWindow(ctx_.draft, width(), height(), BarThickness());
    // The size computation is its own fixed point, so the resize event that
    // follows comes back to the same layout.
    if (size() != QSize(sized.clientW, sized.clientH)) resize(sized.clientW, sized.clientH);
    LayOut();
}

void TFabwindow::Refresh() {
    if (isVisible()) SizeAndPaint();
}

void TFabwindow::LayOut() {
    layout_ = SizeFabricWindow(ctx_.draft, width(), height(), BarThickness());
    PlaceControls();
    SetScrollBars();
    PaintCloth();
}

void TFabwindow::PlaceControls() {
    const int bar = layout_.scrollBars ? BarThickness() : 0;
    const int w = width() - bar, h = height() - bar;
    cloth_->setGeometry(0, 0, w, h);
    scrollH_->setVisible(layout_.scrollBars);
    scrollV_->setVisible(layout_.scrollBars);
    if (layout_.scrollBars) {
        scrollH_->setGeometry(0, h, w, bar);
        scrollV_->setGeometry(w, 0, bar, h);
    }
}

void TFabwindow::SetScrollBars() {
    for (bool horizontal : {true, false}) {
        QScrollBar* bar = horizontal ? scrollH_ : scrollV_;
        const FabricScrollBar b = horizontal ? layout_.Horizontal() : layout_.Vertical();
        const QSignalBlocker block(bar);
        bar->setRange(0, b.maximum);
        bar->setPageStep(b.page);
        bar->setSingleStep(1);
        bar->setValue(b.position);
    }
}

void TFabwindow::PaintCloth() {
    const QSize s(std::max(layout_.winEnds, 1), std::max(layout_.winPicks, 1));
    if (image_.size() != s) image_ = QImage(s, QImage::Format_RGB32);
    {
        BusyCursor busy;
        ImageCanvas canvas(image_);
        FabricWindowPainter(canvas, ctx_.draft, layout_).FullRepaint();
    }
    cloth_->update();
}

void TFabwindow::UpdateColumn(int end) {
    if (!isVisible()) return;
    ImageCanvas canvas(image_);
    FabricWindowPainter(canvas, ctx_.draft, layout_).UpdateColumn(end);
    const QRect changed = canvas.TakeChanged();
    if (!changed.isEmpty()) cloth_->update(changed);
}

void TFabwindow::UpdateRow(int pick) {
    if (!isVisible()) return;
    ImageCanvas canvas(image_);
    FabricWindowPainter(canvas, ctx_.draft, layout_).UpdateRow(pick);
    const QRect changed = canvas.TakeChanged();
    if (!changed.isEmpty()) cloth_->update(changed);
}

void TFabwindow::Apply(const ClothChange& change) {
    switch (change.kind) {
    case ClothChange::Kind::Ends:
        for (int end : change.threads) UpdateColumn(end);
        break;
    case ClothChange::Kind::Picks:
        for (int pick : change.threads) UpdateRow(pick);
        break;
    case ClothChange::Kind::Whole:
        Refresh();
        break;
    }
}

void TFabwindow::ScrollEnded(bool horizontal) {
    if (horizontal)
        layout_.ScrollHorizontalTo(scrollH_->value());
    else
        layout_.ScrollVerticalTo(scrollV_->value());
    PaintCloth();
}

// ---------------------------------------------------------------- events

void TFabwindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TFabwindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; the menu item follows.
    ctx_.view.FabricWindowOn = false;
    ctx_.host.UpdateMenuState();
    event->accept();
}

bool TFabwindow::ThreadsAt(QPoint at, int& end, int& pick) const {
    if (at.x() < 0 || at.y() < 0 || at.x() >= layout_.winEnds || at.y() >= layout_.winPicks)
        return false;
    end = layout_.EndAt(at.x());
    pick = layout_.PickAt(at.y());
    return end >= 1 && end <= layout_.ends && pick >= 1 && pick <= layout_.picks;
}

void TFabwindow::MouseMoved(QPoint at) {
    int end = 0, pick = 0;
    if (ThreadsAt(at, end, pick))
        ctx_.host.ShowCellInfo(3, end, pick);
    else
        ctx_.host.ShowCellInfo(3, 0, 0);
}

void TFabwindow::MousePressed() {
    // A fabric view has no draft to scroll.
    clickArmed_ = !ctx_.view.FabricView;
}

void TFabwindow::MouseReleased(QPoint at) {
    if (!clickArmed_) return;
    clickArmed_ = false;
    int end = 0, pick = 0;
    if (!ThreadsAt(at, end, pick)) return;
    if (!CentreDraftOn(ctx_.draft, end, pick, ctx_.view.VisibleEnds, ctx_.view.VisiblePicks))
        return;
    ctx_.host.Update();
    // The new layout cleared the cell panels; the mouse still rests on the
    // same end and pick here.
    ctx_.host.ShowCellInfo(3, end, pick);
}

} // namespace hm
