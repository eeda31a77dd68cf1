#include "view/ui/tooloverlay.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include "view/ui/draftview.h"

namespace hm {

namespace {

QRect ToQRect(const PixelRect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

// The outline is drawn on the grid lines around the cells: its right and bottom
// edges are the pixels at r.right() and r.bottom().
QRect OutlineBounds(const PixelRect& r) {
    return QRect(r.x, r.y, r.w + 1, r.h + 1);
}

} // namespace

ToolOverlay* ToolOverlay::Of(DraftView* view) {
    if (!view) return nullptr;
    if (auto* o = view->findChild<ToolOverlay*>(QString(), Qt::FindDirectChildrenOnly)) return o;
    return new ToolOverlay(view);
}

ToolOverlay::ToolOverlay(DraftView* view) : QWidget(view), view_(view) {
    setObjectName("ToolOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(view->rect());
    view->installEventFilter(this);
    raise();
    show();
}

bool ToolOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize) setGeometry(view_->rect());
    return QWidget::eventFilter(watched, event);
}

void ToolOverlay::UpdateRect(const PixelRect& r) {
    if (!r.empty()) update(ToQRect(r));
}

void ToolOverlay::UpdateOutline() {
    if (outline_.empty()) return;
    const QRect b = OutlineBounds(outline_);
    // Only the four edges change.
    update(QRect(b.left(), b.top(), b.width(), 1));
    update(QRect(b.left(), b.bottom(), b.width(), 1));
    update(QRect(b.left(), b.top(), 1, b.height()));
    update(QRect(b.right(), b.top(), 1, b.height()));
}

void ToolOverlay::SetSelection(std::vector<Cell> cells, PixelRect outline, bool showOutline,
                               bool xorOutline) {
    // Repaint only the cells that enter or leave, and the old and new outline.
    std::map<std::pair<int, int>, QRgb> before;
    for (const Cell& c : selection_) before[{c.rect.x, c.rect.y}] = c.colour;
    if (selectionShown_ && showOutline_) UpdateOutline();
    for (const Cell& c : cells) {
        auto it = before.find({c.rect.x, c.rect.y});
        if (it == before.end() || it->second != c.colour) UpdateRect(c.rect);
        if (it != before.end()) before.erase(it);
    }
    for (const Cell& c : selection_)
        if (before.count({c.rect.x, c.rect.y})) UpdateRect(c.rect);
    selection_ = std::move(cells);
    outline_ = outline;
    showOutline_ = showOutline;
    xorOutline_ = xorOutline;
    selectionShown_ = true;
    if (showOutline_) UpdateOutline();
}

void ToolOverlay::ClearSelection() {
    if (!selectionShown_) return;
    for (const Cell& c : selection_) UpdateRect(c.rect);
    if (showOutline_) UpdateOutline();
    selection_.clear();
    outline_ = {};
    selectionShown_ = false;
}

void ToolOverlay::SetPreviewCell(const PixelRect& r, QRgb colour) {
    preview_[{r.x, r.y}] = Cell{r, colour};
    UpdateRect(r);
}

void ToolOverlay::RemovePreviewCell(const PixelRect& r) {
    if (preview_.erase({r.x, r.y})) UpdateRect(r);
}

void ToolOverlay::ClearPreview() {
    for (const auto& [key, c] : preview_) UpdateRect(c.rect);
    preview_.clear();
}

std::vector<PixelRect> ToolOverlay::CursorFigure(const PixelRect& in, int zoom) {
    const int cx = in.x + in.w / 2;
    const int cy = in.y + in.h / 2;
    if (zoom <= 1) return {{cx, cy, 1, 1}};
    const int margin = std::max(1, in.w / 4);
    const int len = std::max(1, in.w - 2 * margin);
    if (zoom <= 3) return {{in.x + (in.w - len) / 2, cy, len, 1}};
    const int vlen = std::max(1, in.h - 2 * margin);
    return {{in.x + (in.w - len) / 2, cy, len, 1}, {cx, in.y + (in.h - vlen) / 2, 1, vlen}};
}

void ToolOverlay::SetCursorFigure(const PixelRect& interior, int zoom, QRgb colour) {
    ClearCursor();
    cursor_ = Cursor{interior, zoom, colour};
    UpdateRect(interior);
}

void ToolOverlay::ClearCursor() {
    if (!cursor_) return;
    UpdateRect(cursor_->interior);
    cursor_.reset();
}

void ToolOverlay::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    for (const auto& [key, c] : preview_) p.fillRect(ToQRect(c.rect), QColor::fromRgb(c.colour));
    if (selectionShown_) {
        for (const Cell& c : selection_) p.fillRect(ToQRect(c.rect), QColor::fromRgb(c.colour));
        if (showOutline_ && !outline_.empty()) {
            const QRect b = OutlineBounds(outline_);
            if (xorOutline_) {
                // Every other pixel of the outline in the inverse of the picture.
                const QImage& img = view_->image();
                auto dot = [&](int x, int y) {
                    if (((x + y) & 1) || !img.rect().contains(x, y)) return;
                    p.fillRect(QRect(x, y, 1, 1), QColor::fromRgb(img.pixel(x, y) ^ 0xFFFFFFu));
                };
                for (int x = b.left(); x <= b.right(); ++x) {
                    dot(x, b.top());
                    dot(x, b.bottom());
                }
                for (int y = b.top() + 1; y < b.bottom(); ++y) {
                    dot(b.left(), y);
                    dot(b.right(), y);
                }
            } else {
                QPen pen(Qt::black);
                pen.setStyle(Qt::DotLine);
                pen.setWidth(0);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawRect(b.adjusted(0, 0, -1, -1));
            }
        }
    }
    if (cursor_)
        for (const PixelRect& r : CursorFigure(cursor_->interior, cursor_->zoom))
            p.fillRect(ToQRect(r), QColor::fromRgb(cursor_->colour));
}

} // namespace hm
