#pragma once
// A command context over a shown draft view with the mouse tools in the
// selection tool, selections made with the mouse, and the real clipboard of the
// test platform.

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "ops/ui/clipboardcommands.h"
#include "ops/ui/systemclipboard.h"
#include "support/testcontext.h"
#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "view/viewareas.h"

namespace hm::test {

class ClipboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        d().ClearDraft();
        d().Ends = 60;
        d().Picks = 60;
        t.window->resize(1000, 800);
        view = new DraftView(d(), t.window.get());
        view->setGeometry(0, 0, 1000, 800);
        ToolHooks hooks;
        hooks.selectionTool = [] { return true; };
        hooks.fabricView = [] { return false; };
        hooks.expertMode = [] { return true; };
        tools = new MouseTools(view, hooks, t.window.get());
        t.ctx.Register(tools);
        t.ctx.draftView = view;
        t.ctx.SetAnswerer([this](const Message& m, const QString&) {
            asked.push_back(m.text);
            return BoxAnswer::Yes;
        });
        t.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(t.window.get()));
        view->Update();
        QGuiApplication::clipboard()->clear();
    }

    Draft& d() { return t.draft(); }
    const DraftLayout& L() const { return view->layout(); }
    QPoint Cell(int u, int v) const {
        return {L().CellX(u) + L().cellW / 2, L().CellY(v) + L().cellH / 2};
    }
    // The view's point of a cell of an area, in the selection's own numbers:
    // visible end and shaft (threadings), treadle or shaft and visible pick
    // (treadlings, liftplan), end (warp colours), pick (weft colours), end and pick
    // (drawdown).
    QPoint At(ViewArea a, int col, int row) const {
        if (IsThreadingArea(a)) return Cell(L().EndColumn(col), L().ShaftRow(a, row));
        if (a == ViewArea::WarpColors) return Cell(L().EndColumn(col), L().warpBar.v);
        if (a == ViewArea::WeftColors) return Cell(L().weftBar.u, L().PickRow(row));
        if (a == ViewArea::Drawdown) return Cell(L().EndColumn(col), L().PickRow(row));
        return Cell(L().TreadleColumn(a, col), L().PickRow(row));
    }
    void Select(ViewArea a, int col0, int row0, int col1, int row1) {
        QTest::mousePress(view, Qt::LeftButton, {}, At(a, col0, row0));
        QTest::mouseMove(view, At(a, col1, row1));
        QTest::mouseRelease(view, Qt::LeftButton, {}, At(a, col1, row1));
        ASSERT_TRUE(tools->HasSelection());
    }

    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
    DraftView* view = nullptr;
    MouseTools* tools = nullptr;
    std::vector<std::string> asked;
};

} // namespace hm::test
