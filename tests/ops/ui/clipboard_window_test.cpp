// The clipboard commands in the main window: the Edit menu follows the
// clipboard without being opened, and opening a file forgets the copied kind.

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>

#include "tools/ui/mousetools.h"
#include "view/ui/draftview.h"
#include "window/mainwindow_fixture.h"

namespace hm::testing {
namespace {

TEST_F(MainWindowTest, PasteFollowsTheClipboardAndAnOpenedFileForgetsTheCopiedKind) {
    QGuiApplication::clipboard()->clear();
    TWform& w = Make(true);
    EXPECT_FALSE(Enabled("EditPasteItem"));
    QGuiApplication::clipboard()->setText(QStringLiteral("any text"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Enabled("EditPasteItem"));
    EXPECT_TRUE(Enabled("EditPasteSpecial1"));

    // Warp colours of ends 1..2, copied with the selection tool and Ctrl+C.
    w.draft().WarpColors[1] = 5;
    w.Action("SelectSpeedButton")->trigger();
    const DraftLayout& l = w.draftView()->layout();
    auto warpBar = [&](int end) {
        return QPoint(l.CellX(l.EndColumn(end)) + l.cellW / 2, l.CellY(l.warpBar.v) + l.cellH / 2);
    };
    auto select = [&](int from, int to) {
        QTest::mousePress(w.draftView(), Qt::LeftButton, {}, warpBar(from));
        QTest::mouseMove(w.draftView(), warpBar(to));
        QTest::mouseRelease(w.draftView(), Qt::LeftButton, {}, warpBar(to));
        ASSERT_TRUE(w.mouseTools()->HasSelection());
    };
    select(1, 2);
    w.Action("EditCopyItem")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("HDMCLIPC\n5\n"));

    // Saved and opened again: Paste Special refuses until the next copy.
    chosenPath_ = dir_->path() + "/colours.hdx";
    w.Action("FileSaveItem")->trigger();
    w.Action("FileOpenItem")->trigger();
    w.Action("SelectSpeedButton")->trigger();
    select(4, 4);
    w.Action("EditPasteSpecial1")->trigger();
    EXPECT_EQ(asked_, std::vector<std::string>{"@invpaste"});
    select(1, 1);
    w.Action("EditCopyItem")->trigger();
    select(4, 4);
    bool shown = false;
    w.context().SetDialogRunner([&shown](QDialog&) {
        shown = true;
        return int(QDialog::Accepted);
    });
    w.Action("EditPasteSpecial1")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(w.draft().WarpColors[4], 5);
}

} // namespace
} // namespace hm::testing
