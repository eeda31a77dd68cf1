#include "output/draftpicture.h"

#include <QFontMetrics>
#include <algorithm>

#include "view/draftpainter.h"
#include "view/viewareas.h"

namespace hm {

namespace {

struct Counts {
    int patternShafts, liftplanWidth, shaftsA, shaftsB, treadlesA, treadlesB;
    explicit Counts(const Draft& d)
        : patternShafts(std::clamp(d.PatternShafts, 0, MaxPatternShafts)),
          liftplanWidth(std::clamp(d.LiftplanWidth, 0, MaxPatternShafts)),
          shaftsA(std::clamp(d.ShaftsA, 0, MaxShafts)),
          shaftsB(std::clamp(d.ShaftsB, 0, MaxShafts)),
          treadlesA(std::clamp(d.TreadlesA, 0, MaxTreadles)),
          treadlesB(std::clamp(d.TreadlesB, 0, MaxTreadles)) {}
};

} // namespace

DraftRangeLimits DraftRangeLimitsOf(const Draft& d) {
    DraftRangeLimits l;
    l.fromEnd = {1, std::max(1, d.Ends - 2)};
    l.ends = {0, d.Ends};
    l.fromPick = {1, std::max(1, d.Picks - 2)};
    l.picks = {0, d.Picks};
    return l;
}

DraftRange ProposedDraftRange(const Draft& d, int visibleEnds, int visiblePicks) {
    DraftRange r;
    const int usedEnds = d.LastUsedEnd();
    const int usedPicks = d.LastUsedPick();
    r.ends = visibleEnds;
    if (usedEnds != 0 && usedEnds < r.ends) r.ends = usedEnds;
    r.picks = visiblePicks;
    if (usedPicks != 0 && usedPicks < r.picks) r.picks = usedPicks;
    if (usedPicks > visiblePicks || usedPicks == 0) r.picks = r.ends;
    return r;
}

CellGrid DraftPictureCells(const Draft& d, int ends, int picks) {
    const Counts n(d);
    CellGrid g;
    g.cols = ends + n.treadlesA + 3;
    if (d.PatternThreadingOn) g.cols += n.liftplanWidth + 1;
    if (d.TreadlingBOn) g.cols += n.treadlesB + 1;
    g.rows = picks + n.shaftsA + 3;
    if (d.PatternThreadingOn) g.rows += n.patternShafts + 1;
    if (d.ThreadingBOn) g.rows += n.shaftsB + 1;
    if (picks <= 0) g.cols = ends;
    if (ends <= 0) g.rows = picks;
    return g;
}

DraftPicture::DraftPicture(const Draft& d, const DraftRange& range, int cellW, int cellH)
    : draft_(std::make_unique<Draft>(d)) {
    const int ends = std::max(0, range.ends), picks = std::max(0, range.picks);
    cells_ = DraftPictureCells(d, ends, picks);

    // The copy shows the draft view's Draft mode with every threading row, white
    // paper and black marks, scrolled to the range.
    Draft& c = *draft_;
    c.DesignMode = false;
    c.ShowThreading = ends > 0;
    c.ShowPatternThreading = true;
    c.FirstEnd = std::max(0, range.fromEnd - 1);
    c.FirstPick = std::max(0, range.fromPick - 1);
    c.Zoom = MinZoom;
    c.BackgroundColor = 0xFFFFFF;
    c.MarkColor = 0x000000;

    // The view's layout at its smallest cell, sized so that exactly the range
    // fits; the areas are kept in cells and the cell size is then replaced.
    const Counts n(c);
    int cols = ends + 2 + n.treadlesA + 1;
    if (c.PatternThreadingOn) cols += n.patternShafts + 1;
    if (c.TreadlingBOn) cols += n.treadlesB + 1;
    int rows = picks;
    if (c.ShowThreading) {
        rows += n.shaftsA + 3;
        if (c.PatternThreadingOn) rows += n.patternShafts + 1;
        if (c.ThreadingBOn) rows += n.shaftsB + 1;
    }
    ViewGeometry g;
    g.originX = 0;
    g.originY = 0;
    g.clientW = cols * (MinZoom + 1);
    g.clientH = rows * (MinZoom + 1);
    layout_ = DraftLayout(c, g);
    layout_.cellW = std::max(2, cellW);
    layout_.cellH = std::max(2, cellH);
    layout_.innerW = layout_.cellW - 1;
    layout_.innerH = layout_.cellH - 1;
    layout_.zoom = std::min(layout_.cellW, layout_.cellH) - 1;
    if (picks == 0) {
        for (CellBlock* b : {&layout_.treadlingA, &layout_.treadlingB, &layout_.liftplan,
                             &layout_.weftBar, &layout_.drawdown, &layout_.tieupAA,
                             &layout_.tieupAB, &layout_.tieupBA, &layout_.tieupBB})
            b->shown = false;
    }
    if (ends == 0) layout_.drawdown.shown = false;
}

DraftPicture::~DraftPicture() = default;

void DraftPicture::Paint(Canvas& canvas, const DraftFill& fill, QRgb gridColour, int penV, int penH,
                         bool marksAsNumbers) const {
    const Draft& d = *draft_;
    const DraftLayout& l = layout_;
    DraftPainter p(canvas, d, l);
    p.ClearAll();
    for (int i = 1; i <= l.visibleEnds; ++i) p.PaintWarpBarCell(i);
    for (int j = 1; j <= l.visiblePicks; ++j) p.PaintWeftBarCell(j);
    if (fill.threading && !marksAsNumbers)
        for (ViewArea a : ThreadingAreas)
            for (int i = 1; i <= l.visibleEnds; ++i) p.PaintSequenceCell(a, i, true);
    if (fill.tieup) {
        for (TieupKind k : AllTieupKinds) {
            const ViewArea area = AreaOfTieup(k);
            if (!l.Block(area).shown) continue;
            for (int s = 1; s <= l.ShaftCount(area); ++s)
                for (int t = 1; t <= l.TreadleCount(area); ++t) {
                    const int v = d.GetTieup(k, s, t);
                    if (v == TiePattern || (v != TieNone && !marksAsNumbers))
                        p.PaintTieupCell(k, s, t, v);
                }
        }
    }
    if (fill.treadling && !marksAsNumbers) {
        for (int j = 1; j <= l.visiblePicks && l.firstPick + j <= MaxPicks; ++j) {
            for (int c = 1; c <= l.liftplanWidth; ++c)
                if (d.GetLiftplan(l.firstPick + j, c)) p.PaintLiftplanCell(j, c, true);
            for (ViewArea a : TreadlingAreas) p.PaintSequenceCell(a, j, true);
        }
    }
    if (fill.drawdown && l.drawdown.shown)
        for (int j = 1; j <= l.visiblePicks; ++j) p.PaintWholeDrawdownRow(j);
    p.PaintGrids(gridColour);
    if (penV > 1 || penH > 1) ThickGrids(canvas, gridColour, std::max(1, penV), std::max(1, penH));
}

void DraftPicture::ThickGrids(Canvas& canvas, QRgb colour, int penV, int penH) const {
    const DraftLayout& l = layout_;
    auto grid = [&](const CellBlock& b, int cols) {
        if (!b.shown || cols <= 0 || b.rows <= 0) return;
        const int x = l.CellX(b.u), y = l.CellY(b.v);
        const int w = cols * l.cellW, h = b.rows * l.cellH;
        for (int k = 0; k <= b.rows; ++k) canvas.Fill(x, y + k * l.cellH, w + penV, penH, colour);
        for (int k = 0; k <= cols; ++k) canvas.Fill(x + k * l.cellW, y, penV, h + penH, colour);
    };
    grid(l.warpBar, l.warpBar.cols);
    for (ViewArea a : ThreadingAreas) grid(l.Block(a), l.Block(a).cols);
    for (TieupKind k : AllTieupKinds) grid(l.TieupBlockOf(k), l.TieupBlockOf(k).cols);
    for (ViewArea a : TreadlingAreas) grid(l.Block(a), l.Block(a).cols);
    grid(l.liftplan, l.liftplanWidth);
    grid(l.weftBar, 1);
    if (draft_->DrawdownStyle == DrawdownStyleKind::Grid) grid(l.drawdown, l.drawdown.cols);
}

void DraftPicture::PaintNumbers(QPainter& painter, const DraftFill& fill) const {
    const Draft& d = *draft_;
    const DraftLayout& l = layout_;
    // One font for every number, as large as the widest number allows.
    const int widest = std::max(
        {l.patternShafts, l.liftplanWidth, l.shaftsA, l.shaftsB, l.treadlesA, l.treadlesB, 1});
    const QString sample = QString(QString::number(widest).size(), u'8');
    QFont font(QStringLiteral("Arial"));
    int pixels = std::max(1, l.innerH * 3 / 4);
    font.setPixelSize(pixels);
    const int room = std::max(1, l.innerW - 1);
    const int wide = QFontMetrics(font).horizontalAdvance(sample);
    if (wide > room) font.setPixelSize(std::max(1, pixels * room / wide));
    painter.save();
    painter.setFont(font);
    painter.setPen(ToRgb(d.MarkColor));
    auto number = [&](int u, int v, int n) {
        const PixelRect r = l.InteriorRect(u, v);
        painter.drawText(QRect(r.x, r.y, r.w, r.h), Qt::AlignCenter, QString::number(n));
    };
    auto endValid = [&](int i) { return l.firstEnd + i <= MaxEnds; };
    auto pickValid = [&](int j) { return l.firstPick + j <= MaxPicks; };
    if (fill.threading) {
        for (ViewArea a : ThreadingAreas) {
            if (!l.Block(a).shown) continue;
            const auto* threading = ThreadingOfArea(d, a);
            for (int i = 1; i <= l.visibleEnds && endValid(i); ++i) {
                const int s = (*threading)[l.firstEnd + i];
                if (s >= 1 && s <= l.ShaftCount(a)) number(l.EndColumn(i), l.ShaftRow(a, s), s);
            }
        }
    }
    if (fill.tieup) {
        for (TieupKind k : AllTieupKinds) {
            const ViewArea area = AreaOfTieup(k);
            if (!l.Block(area).shown) continue;
            for (int s = 1; s <= l.ShaftCount(area); ++s)
                for (int t = 1; t <= l.TreadleCount(area); ++t)
                    if (d.GetTieup(k, s, t) == TieGround)
                        number(l.TreadleColumn(area, t), l.ShaftRow(area, s), s);
        }
    }
    if (fill.treadling) {
        for (int j = 1; j <= l.visiblePicks && pickValid(j); ++j) {
            const int pick = l.firstPick + j;
            const int v = l.PickRow(j);
            if (l.liftplan.shown)
                for (int c = 1; c <= l.liftplanWidth; ++c)
                    if (d.GetLiftplan(pick, c))
                        number(l.TreadleColumn(ViewArea::Liftplan, c), v, c);
            for (ViewArea a : TreadlingAreas) {
                if (!l.Block(a).shown) continue;
                const int t = (*TreadlingOfArea(d, a))[pick];
                if (t >= 1 && t <= l.TreadleCount(a)) number(l.TreadleColumn(a, t), v, t);
            }
        }
    }
    painter.restore();
}

} // namespace hm
