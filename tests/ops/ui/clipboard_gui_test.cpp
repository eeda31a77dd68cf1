// Cut, Copy, Paste, Delete and Crop through the system clipboard, and what
// other programs put on it.

#include <QDialog>
#include <QMimeData>
#include <QRadioButton>
#include <QSpinBox>

#include "clipboard_fixture.h"
#include "ops/opstestsupport.h"

namespace hm::test {
namespace {

using hmtest::Entries;

using A = ViewArea;

TEST_F(ClipboardTest, EachKindCopiedAndPastedThroughTheClipboard) {
    d().ShaftsA = 4;
    const struct {
        A area;
        OneBasedBytes<MaxEnds>* values; // nullptr: the liftplan
        bool text;
    } cases[] = {
        {A::PatternThreading, &d().PatternThreading, false},
        {A::ThreadingA, &d().ThreadingA, false},
        {A::TreadlingB, &d().TreadlingB, false},
        {A::WarpColors, &d().WarpColors, true},
        {A::WeftColors, &d().WeftColors, true},
        {A::Liftplan, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.area));
        const bool ends = IsThreadingArea(c.area) || c.area == A::WarpColors;
        if (c.values) {
            (*c.values)[3] = 2;
            (*c.values)[4] = 1;
        } else {
            d().SetLiftplan(3, 2, true);
            d().SetLiftplan(4, 1, true);
        }
        const int shafts = L().ShaftCount(c.area);
        const int columns = std::max(L().TreadleCount(c.area), 1);
        if (ends)
            Select(c.area, 3, 1, 4, shafts);
        else
            Select(c.area, 1, 3, c.area == A::Liftplan ? 2 : columns, 4);
        EXPECT_FALSE(EditCopyItemClick(t.ctx));
        const QMimeData* m = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->hasText(), c.text);
        EXPECT_EQ(m->hasImage(), !c.text);
        // Pasted at end or pick 10.
        if (ends)
            Select(c.area, 10, 1, 10, 1);
        else
            Select(c.area, 1, 10, 1, 10);
        t.steps().clear();
        EXPECT_TRUE(EditPasteItemClick(t.ctx));
        if (c.values) {
            EXPECT_EQ(Entries(*c.values, 10, 11), (std::vector<int>{2, 1}));
        } else {
            EXPECT_TRUE(d().GetLiftplan(10, 2));
            EXPECT_TRUE(d().GetLiftplan(11, 1));
            EXPECT_FALSE(d().GetLiftplan(11, 2));
        }
        EXPECT_FALSE(tools->HasSelection());
        EXPECT_EQ(t.steps(), (QStringList{"TakeUndoSnapshot", "RepaintDraft", "MarkModified",
                                          "MarkUndoAvailable"}));
        EXPECT_TRUE(asked.empty());
    }
}

TEST_F(ClipboardTest, TheDesignGridTravelsAsAPictureInDesignMode) {
    d().DesignMode = true;
    view->Update();
    d().SetDesignCell(2, 3, true);
    Select(A::Drawdown, 2, 1, 4, 2);
    EditCopyItemClick(t.ctx);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    Select(A::Drawdown, 10, 10, 10, 10);
    EditPasteItemClick(t.ctx);
    EXPECT_TRUE(d().GetDesignCell(11, 11));
    EXPECT_FALSE(d().GetDesignCell(10, 10));
}

TEST_F(ClipboardTest, APictureFromAnotherProgramPastesItsNonWhitePixels) {
    d().LiftplanWidth = 8;
    QImage drawing(20, 3, QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    drawing.setPixel(0, 0, qRgb(200, 30, 30));
    drawing.setPixel(1, 1, qRgb(255, 255, 255));
    drawing.setPixel(2, 1, qRgb(250, 250, 250));
    drawing.setPixel(12, 2, qRgb(0, 0, 0)); // beyond the liftplan's 8 shafts
    QGuiApplication::clipboard()->setImage(drawing);
    Select(A::Liftplan, 1, 1, 1, 1);
    EXPECT_TRUE(EditPasteItemClick(t.ctx));
    EXPECT_TRUE(d().GetLiftplan(1, 1));
    EXPECT_FALSE(d().GetLiftplan(2, 2));
    EXPECT_TRUE(d().GetLiftplan(2, 3));
    EXPECT_FALSE(d().LiftplanRowUsed(3));
    // The same picture in a threading: the first coloured pixel of each row.
    d().ShaftsA = 4;
    Select(A::ThreadingA, 5, 1, 5, 1);
    EditPasteItemClick(t.ctx);
    EXPECT_EQ(Entries(d().ThreadingA, 5, 7), (std::vector<int>{1, 3, 0}));
    // An empty picture and a huge one paste as far as they reach.
    QGuiApplication::clipboard()->setImage(QImage(9000, 5000, QImage::Format_Mono));
    Select(A::TreadlingA, 1, 1, 1, 1);
    EXPECT_TRUE(EditPasteItemClick(t.ctx));
    EXPECT_TRUE(asked.empty());
}

TEST_F(ClipboardTest, ColourListsWithWrongFirstLinesOrNumbers) {
    for (int e = 1; e <= 5; ++e) d().WarpColors[e] = 1;
    QGuiApplication::clipboard()->setText(QStringLiteral("HDMCLIPC \n3\n4"));
    Select(A::WarpColors, 1, 1, 1, 1);
    t.steps().clear();
    EXPECT_FALSE(EditPasteItemClick(t.ctx));
    EXPECT_EQ(asked, std::vector<std::string>{"@clipformat"});
    EXPECT_TRUE(t.steps().isEmpty());
    EXPECT_EQ(Entries(d().WarpColors, 1, 2), (std::vector<int>{1, 1}));
    // Written by a text editor: numbers that are not indices become 0.
    QGuiApplication::clipboard()->setText(QStringLiteral("HDMCLIPC\r\n5\r\nred\r\n300\r\n7\r\n"));
    Select(A::WarpColors, 1, 1, 1, 1);
    EXPECT_TRUE(EditPasteItemClick(t.ctx));
    EXPECT_EQ(Entries(d().WarpColors, 1, 5), (std::vector<int>{5, 0, 0, 7, 1}));
}

TEST_F(ClipboardTest, PasteRefusesWithoutSelectionOrWithTheWrongContent) {
    QGuiApplication::clipboard()->setText(QStringLiteral("HDMCLIPC\n1"));
    EXPECT_FALSE(EditPasteItemClick(t.ctx));
    Select(A::Liftplan, 1, 1, 1, 1); // a grid under text
    EXPECT_FALSE(EditPasteItemClick(t.ctx));
    QGuiApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
    Select(A::WeftColors, 1, 1, 1, 1); // colours under a picture
    EXPECT_FALSE(EditPasteItemClick(t.ctx));
    EXPECT_EQ(asked, (std::vector<std::string>{"@selpaste", "@invpaste", "@invpaste"}));
}

TEST_F(ClipboardTest, DeleteCutAndCropWorkOnTheSelection) {
    for (int e = 1; e <= 6; ++e) {
        d().PatternThreading[e] = static_cast<uint8_t>(e);
        d().ThreadingA[e] = 1;
    }
    Select(A::PatternThreading, 2, 1, 3, 1);
    t.steps().clear();
    EXPECT_TRUE(EditDeleteClick(t.ctx));
    EXPECT_EQ(Entries(d().PatternThreading, 1, 5), (std::vector<int>{1, 4, 5, 6, 0}));
    EXPECT_EQ(d().ThreadingA[6], 1);
    EXPECT_FALSE(tools->HasSelection());
    EXPECT_EQ(t.steps(), (QStringList{"TakeUndoSnapshot", "RepaintDraft", "MarkModified",
                                      "MarkUndoAvailable"}));
    // The snapshot holds the draft from before the delete.
    t.undo.RestoreSnapshot(d());
    EXPECT_EQ(Entries(d().PatternThreading, 1, 3), (std::vector<int>{1, 2, 3}));

    // Cut: the clipboard gets what the draft loses.
    Select(A::PatternThreading, 1, 1, 1, 1);
    EXPECT_TRUE(EditCutItemClick(t.ctx));
    EXPECT_EQ(d().PatternThreading[1], 2);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(d().PatternShafts, 1));

    // Crop: ends 3..4 remain, at ends 1..2, and are on the clipboard.
    Select(A::PatternThreading, 3, 1, 4, 1);
    EXPECT_TRUE(Crop1Click(t.ctx));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(d().PatternShafts, 2));
    EXPECT_EQ(Entries(d().PatternThreading, 1, 4), (std::vector<int>{4, 5, 0, 0}));
    EXPECT_EQ(t.steps().mid(t.steps().size() - 3),
              (QStringList{"Update", "MarkModified", "MarkUndoAvailable"}));
}

TEST_F(ClipboardTest, SelectAndCopyRemembersItsChoiceAndNumbers) {
    for (int e = 1; e <= 8; ++e) d().WarpColors[e] = static_cast<uint8_t>(10 + e);
    Select(A::Liftplan, 1, 1, 1, 1);
    int shown = 0;
    t.ctx.SetDialogRunner([&](QDialog& dialog) {
        ++shown;
        auto* warp = dialog.findChild<QRadioButton*>("WarpColorsButton");
        auto* from = dialog.findChild<QSpinBox*>("FromEdit");
        auto* to = dialog.findChild<QSpinBox*>("ToEdit");
        if (shown == 1) {
            warp->setChecked(true);
            EXPECT_EQ(from->maximum(), d().Ends);
            to->setValue(3);
            from->setValue(7); // To follows From upwards ...
            EXPECT_EQ(to->value(), 7);
            to->setValue(3); // ... but may be typed lower: the pair is swapped
        } else {
            EXPECT_TRUE(warp->isChecked());
            EXPECT_EQ(from->value(), 3);
            EXPECT_EQ(to->value(), 7);
        }
        return int(QDialog::Accepted);
    });
    EXPECT_FALSE(SelectCopy1Click(t.ctx));
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("HDMCLIPC\n13\n14\n15\n16\n17\n"));
    EXPECT_FALSE(tools->HasSelection());
    SelectCopy1Click(t.ctx);
    EXPECT_EQ(shown, 2);
    // Its kind and first end are those Paste Special goes by.
    EXPECT_EQ(t.ctx.Own<ClipboardMemory>().kind, SelectionKind::WarpColors);
    EXPECT_EQ(t.ctx.Own<ClipboardMemory>().sourceColumn, 3);
}

TEST_F(ClipboardTest, TheWatcherFollowsTheClipboardAndCopiesOfAnotherRunningProgram) {
    InstallClipboardWatcher(t.ctx, t.window.get());
    t.steps().clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("from a text editor"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(t.steps().contains("UpdateMenuState"));
    EXPECT_EQ(t.ctx.Own<ClipboardMemory>().kind, SelectionKind::None);
    // Another copy of the program leaves its note beside the picture.
    ClipboardContent other;
    other.kind = SelectionKind::Liftplan;
    other.picture = ClipboardCellPicture(2, 2);
    other.sourceColumn = 3;
    other.sourceRow = 40;
    PutOnClipboard(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(t.ctx.Own<ClipboardMemory>().kind, SelectionKind::Liftplan);
    EXPECT_EQ(t.ctx.Own<ClipboardMemory>().sourceRow, 40);
    // Opening a file forgets it until the next copy.
    ForgetClipboardKind(t.ctx);
    EXPECT_EQ(t.ctx.Own<ClipboardMemory>().kind, SelectionKind::None);
}

} // namespace
} // namespace hm::test
