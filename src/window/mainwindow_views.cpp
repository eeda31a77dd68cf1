// The main window's zoom slider, scroll bars, mouse wheel, tool keys and the
// status line texts.

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusTipEvent>
#include <QWheelEvent>
#include <algorithm>

#include "fabric/ui/colorselector.h"
#include "model/design.h"
#include "settings/messages.h"
#include "tools/ui/toolcommands.h"
#include "view/ui/draftview.h"
#include "view/ui/viewcommands.h"
#include "window/mainwindow.h"
#include "window/statusline.h"

namespace hm {

// ---------------------------------------------------------------- zoom

int TWform::ShownZoom() const {
    return !view_.FabricView       ? draft_->Zoom
           : view_.FabricKind == 2 ? view_.InterlacementZoom
                                   : draft_->FabricZoom;
}

void TWform::SyncZoomSlider() {
    view_.ZoomEventsOn = false;
    SetZoomSlider(ShownZoom());
    view_.ZoomEventsOn = true;
}

void TWform::SetZoomSlider(int value) {
    if (!slideBar_) return;
    value = std::clamp(value, 1, 20);
    if (slideBar_->value() == value) {
        UpdateZoomLabel();
        return;
    }
    slideBar_->setValue(value); // runs ZoomChanged
}

void TWform::ZoomChanged(int position) {
    Draft& d = *draft_;
    if (zPanel_) zPanel_->setText(QString::number(position));
    if (view_.FabricView) {
        int& zoom = view_.FabricKind == 2 ? view_.InterlacementZoom : d.FabricZoom;
        if (position != zoom) {
            zoom = position;
            if (view_.ZoomEventsOn) Update();
        }
        return;
    }
    if (position == d.Zoom) return;
    if (position > d.Zoom && !d.DesignMode && draftView_) {
        const int largest = draftView_->LargestFittingZoom();
        if (position > largest) {
            SetZoomSlider(std::max(largest, 1)); // re-enters with the fitting zoom
            return;
        }
    }
    d.Zoom = position;
    if (view_.ZoomEventsOn) Update();
}

void TWform::UpdateZoomLabel() {
    if (zPanel_) zPanel_->setText(QString::number(ShownZoom()));
}

// ---------------------------------------------------------------- layout follow-up

void TWform::OnLaidOut() {
    if (!draftView_) return;
    if (draftView_->ShowsFabric()) {
        const FabricLayout& f = draftView_->fabricLayout();
        view_.VisibleEnds = f.visibleEnds;
        view_.VisiblePicks = f.visiblePicks;
    } else {
        const DraftLayout& l = draftView_->layout();
        view_.VisibleEnds = l.visibleEnds;
        view_.VisiblePicks = l.visiblePicks;
    }
    UpdateMenuState();
    UpdateScrollBars();
    ShowRanges();
    UpdateZoomLabel();
    if (!statusLine_) return;
    statusLine_->SetPanelText(5, Tr(draft_->SinkingShed ? "@idsinking" : "@idrising"));
    // The fabric views say after every layout that two picks share a row.
    if (view_.FabricView)
        if (const char* key = FabricStatusKey(static_cast<FabricKind>(view_.FabricKind),
                                              draft_->FabricCompression))
            statusLine_->SetPanelText(3, Tr(key));
}

namespace {

struct ScrollAxis {
    int extent = 0;
    int visible = 0;
    bool reversed = false;
};

} // namespace

// `cloth`: the extent of the fabric view shown, which its bars scroll over.
static ScrollAxis AxisOf(const Draft& d, const ViewState& v, const FabricExtent& cloth,
                         bool horizontal) {
    ScrollAxis a;
    a.extent = horizontal ? d.Ends : d.Picks;
    if (d.DesignMode && !v.FabricView) a.extent = std::min(a.extent, DesignSize);
    if (v.FabricView) a.extent = std::min(a.extent, horizontal ? cloth.ends : cloth.picks);
    a.visible = std::max(horizontal ? v.VisibleEnds : v.VisiblePicks, 1);
    a.reversed = horizontal ? d.ThreadingFromRight : (d.LiftplanFromBottom || v.FabricView);
    return a;
}

FabricExtent TWform::ShownCloth() const {
    return draftView_ && draftView_->ShowsFabric() ? draftView_->fabricLayout().extent
                                                   : FabricExtent{};
}

void TWform::UpdateScrollBars() {
    const Draft& d = *draft_;
    for (bool horizontal : {true, false}) {
        QScrollBar* bar = horizontal ? scrollH_ : scrollV_;
        if (!bar) continue;
        const ScrollAxis a = AxisOf(d, view_, ShownCloth(), horizontal);
        const int maxPos = std::max(0, a.extent - a.visible);
        int offset = horizontal ? (view_.FabricView ? d.FabricFirstEnd : d.FirstEnd)
                                : (view_.FabricView ? d.FabricFirstPick : d.FirstPick);
        offset = std::clamp(offset, 0, maxPos);
        const QSignalBlocker block(bar);
        bar->setRange(0, maxPos);
        // A click in the trough moves one thread less than a page, so that one
        // row or column stays in view.
        bar->setPageStep(std::max(1, a.visible - 1));
        bar->setSingleStep(1);
        bar->setValue(a.reversed ? maxPos - offset : offset);
    }
}

void TWform::HorizontalScrollEnded() {
    ScrollEnded(true);
}
void TWform::VerticalScrollEnded() {
    ScrollEnded(false);
}

void TWform::ScrollEnded(bool horizontal) {
    Draft& d = *draft_;
    QScrollBar* bar = horizontal ? scrollH_ : scrollV_;
    const ScrollAxis a = AxisOf(d, view_, ShownCloth(), horizontal);
    const int maxPos = std::max(0, a.extent - a.visible);
    const int pos = std::clamp(bar->value(), 0, maxPos);
    DisableUndo();
    if (!view_.FabricView && !d.DesignMode) {
        if (horizontal) {
            EraseMarks(ViewArea::PatternThreading);
            EraseMarks(ViewArea::ThreadingA);
            EraseMarks(ViewArea::ThreadingB);
        } else {
            EraseMarks(ViewArea::TreadlingA);
            EraseMarks(ViewArea::TreadlingB);
        }
    }
    const int offset = std::clamp(a.reversed ? maxPos - pos : pos, 0, maxPos);
    if (view_.FabricView) {
        (horizontal ? d.FabricFirstEnd : d.FabricFirstPick) = offset;
        ShowRanges();
        Update();
        return;
    }
    (horizontal ? d.FirstEnd : d.FirstPick) = offset;
    ShowRanges();
    if (!draftView_) return;
    draftView_->Relayout();
    if (HasSelection()) {
        ResetTool();
        RepaintDraft();
    } else if (d.DesignMode) {
        RepaintDraft();
    } else if (horizontal) {
        draftView_->RepaintColumnsFrom(1);
    } else {
        draftView_->RepaintRowsWithLiftplan(1, true);
    }
    DisableUndo();
}

void TWform::wheelEvent(QWheelEvent* event) {
    if (view_.FabricView || !scrollV_) {
        event->ignore();
        return;
    }
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) return;
    // Turning the wheel towards the user moves to higher positions.
    const int target =
        std::clamp(scrollV_->value() - notches * 3, scrollV_->minimum(), scrollV_->maximum());
    if (target != scrollV_->value()) scrollV_->setValue(target); // ends the scroll
    event->accept();
}

// ---------------------------------------------------------------- keys

bool TWform::HandleToolKey(int key) {
    if (view_.MouseButtonDown || view_.FabricView) return false;
    CommandContext& ctx = *context_;
    switch (key) {
    case Qt::Key_S:
        // Selection, then pen, then line, then selection again.
        if (view_.SelectionTool)
            PenSpeedButtonClick(ctx);
        else if (!view_.LineOn)
            LineSpeedButtonClick(ctx);
        else
            SelectSpeedButtonClick(ctx);
        break;
    case Qt::Key_M:
        if (!view_.SelectionTool) SelectSpeedButtonClick(ctx);
        break;
    case Qt::Key_L:
        LineSpeedButtonClick(ctx);
        break;
    case Qt::Key_P:
        PenSpeedButtonClick(ctx);
        break;
    case Qt::Key_Insert:
        InsertAtMouse(ctx);
        return true;
    case Qt::Key_D:
        if (draft_->DesignMode)
            SwitchToDraft(ctx);
        else
            SwitchToDesign(ctx);
        break;
    default:
        return false;
    }
    UpdateMenuState();
    return true;
}

void TWform::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (HandleToolKey(event->key()))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

bool TWform::eventFilter(QObject* watched, QEvent* event) {
    // The window sees the tool keys before the colour selector does.
    if (watched == colorSelector_ && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && HandleToolKey(k->key()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TWform::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Hints go to panel 0 of the status line.
        if (statusLine_) statusLine_->SetPanelText(0, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

// ---------------------------------------------------------------- status line

void TWform::ShowRanges() {
    if (!statusLine_) return;
    const Draft& d = *draft_;
    int firstEnd = d.FirstEnd, firstPick = d.FirstPick;
    int ends = view_.VisibleEnds, picks = view_.VisiblePicks;
    if (view_.FabricView) {
        firstEnd = d.FabricFirstEnd;
        firstPick = d.FabricFirstPick;
        ends = std::min(ends, d.Ends);
        picks = std::min(picks, d.Picks);
    }
    statusLine_->SetPanelText(1,
                              StatusLine::RangeText(Tr("@idwarp"), firstEnd + 1, firstEnd + ends));
    statusLine_->SetPanelText(
        2, StatusLine::RangeText(Tr("@idweft"), firstPick + 1, firstPick + picks));
    statusLine_->SetPanelText(3, {});
}

void TWform::ShowCellInfo(int kind, int a, int b) {
    if (!statusLine_) return;
    if (a <= 0 && b <= 0) {
        statusLine_->SetPanelText(3, {});
        statusLine_->SetPanelText(4, {});
        return;
    }
    // For each kind of cell: the labels of panels 3 and 4, and whether panel 3
    // shows the first number (panel 4 then shows the second) or the second.
    struct PanelLabels {
        const char* third;
        const char* fourth;
        bool thirdIsFirst;
    };
    static constexpr PanelLabels byKind[] = {
        {"@idend", "@idshaft", true},      // threading
        {"@idpick", "@idshaft", false},    // liftplan
        {"@idend", "@idpick", true},       // drawdown
        {"@idend", "@idcolor", true},      // warp colours
        {"@idpick", "@idcolor", false},    // weft colours
        {"@idshaft", "@idtreadle", false}, // tie-up
        {"@idpick", "@idtreadle", false},  // treadling
    };
    QString p3, p4;
    if (kind >= 1 && kind <= int(std::size(byKind))) {
        const PanelLabels& labels = byKind[kind - 1];
        p3 = StatusLine::CellText(Tr(labels.third), labels.thirdIsFirst ? a : b);
        p4 = StatusLine::CellText(Tr(labels.fourth), labels.thirdIsFirst ? b : a);
    }
    statusLine_->SetPanelText(3, p3);
    statusLine_->SetPanelText(4, p4);
}

void TWform::ShowSelectionSize(int /*kind*/, int a, int b) {
    if (!statusLine_) return;
    QString text;
    if (a > 0 && b > 0)
        text = QStringLiteral("  %1 x %2").arg(a).arg(b);
    else if (a > 0)
        text = QStringLiteral("  %1").arg(a);
    else if (b > 0)
        text = QStringLiteral("  %1").arg(b);
    statusLine_->SetPanelText(0, text);
}

} // namespace hm
