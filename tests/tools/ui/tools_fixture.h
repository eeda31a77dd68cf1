#pragma once
// A draft view with the mouse tools over it, shown on the test platform, and
// hooks that record what the tools ask of their window.

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "model/undo.h"
#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "view/ui/tooloverlay.h"

namespace hm::testing {

struct CellInfo {
    int kind, a, b;
};

class ToolsTest : public ::testing::Test {
  protected:
    std::unique_ptr<Draft> owned = std::make_unique<Draft>();
    Draft& d = *owned;
    UndoStore undo;
    std::unique_ptr<QWidget> host;
    DraftView* view = nullptr;
    MouseTools* tools = nullptr;

    // What the window would hold and what the tools told it.
    bool lineOn = false;
    bool selectionTool = false;
    bool expert = false;
    int colour = 3;
    int picked = -1;
    bool held = false;
    int modified = 0;
    int snapshots = 0;
    bool toLine = false;
    bool answer = true;
    std::vector<std::string> asked;
    std::vector<CellInfo> info;
    std::string sizeText;

    void TearDown() override { host.reset(); }

    void Make(int w = 900, int h = 700) {
        host = std::make_unique<QWidget>();
        host->resize(w, h);
        view = new DraftView(d, host.get());
        view->setGeometry(0, 0, w, h);
        ToolHooks k;
        k.lineOn = [this] { return lineOn; };
        k.selectionTool = [this] { return selectionTool; };
        k.fabricView = [] { return false; };
        k.expertMode = [this] { return expert; };
        k.currentColor = [this] { return colour; };
        k.pickColor = [this](int c) { picked = c; };
        k.buttonHeld = [this](bool b) { held = b; };
        k.takeSnapshot = [this] {
            ++snapshots;
            undo.TakeSnapshot(d);
        };
        k.markModified = [this] { ++modified; };
        k.markUndoAvailable = [this] { undo.MarkChanged(); };
        k.showCellInfo = [this](int kind, int a, int b) { info.push_back({kind, a, b}); };
        k.showSelectionSize = [this](int, int a, int b) {
            if (a > 0 && b > 0)
                sizeText = "  " + std::to_string(a) + " x " + std::to_string(b);
            else
                sizeText = "  " + std::to_string(a > 0 ? a : b);
        };
        k.selectionToLine = [this] {
            toLine = true;
            selectionTool = false;
            lineOn = true;
            tools->DropSelection();
        };
        k.confirm = [this](const Message& m) {
            asked.push_back(m.text + m.suffix);
            return answer;
        };
        tools = new MouseTools(view, k, host.get());
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        view->Update();
    }

    const DraftLayout& L() const { return view->layout(); }
    QPoint Cell(int u, int v) const {
        return {L().CellX(u) + L().cellW / 2, L().CellY(v) + L().cellH / 2};
    }
    // Threading cell of visible end i on shaft s.
    QPoint EndShaft(ViewArea a, int i, int s) const {
        return Cell(L().EndColumn(i), L().ShaftRow(a, s));
    }
    // Treadling or liftplan cell of treadle (column) t on visible pick j.
    QPoint TreadlePick(ViewArea a, int t, int j) const {
        return Cell(L().TreadleColumn(a, t), L().PickRow(j));
    }
    QPoint Tieup(ViewArea a, int s, int t) const {
        return Cell(L().TreadleColumn(a, t), L().ShaftRow(a, s));
    }
    QPoint WarpBar(int i) const { return Cell(L().EndColumn(i), L().warpBar.v); }
    QPoint WeftBar(int j) const { return Cell(L().weftBar.u, L().PickRow(j)); }
    QPoint Drawdown(int i, int j) const { return Cell(L().EndColumn(i), L().PickRow(j)); }

    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton,
               Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::mousePress(view, b, m, p);
    }
    void Move(QPoint p) { QTest::mouseMove(view, p); }
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton,
                 Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::mouseRelease(view, b, m, p);
    }
    // Press at the first point, move through the others, release at the last.
    void Stroke(const std::vector<QPoint>& pts, Qt::MouseButton b = Qt::LeftButton,
                Qt::KeyboardModifiers m = Qt::NoModifier) {
        Press(pts.front(), b, m);
        for (size_t k = 1; k < pts.size(); ++k) Move(pts[k]);
        Release(pts.back(), b, m);
    }
    QRgb Pixel(QPoint p) const { return view->image().pixel(p) & 0xFFFFFF; }
    QRgb Mark() const { return ToRgb(d.MarkColor) & 0xFFFFFF; }
    QRgb Background() const { return ToRgb(d.BackgroundColor) & 0xFFFFFF; }
};

} // namespace hm::testing
