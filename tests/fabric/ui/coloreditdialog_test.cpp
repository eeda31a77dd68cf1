// The colour editor driven through its controls: the chosen pair and its
// edits, the row buttons and their question, the Tools menu, the size combo,
// and Revert, Cancel and OK.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "colourguifixture.h"
#include "fabric/ui/coloreditdialog.h"
#include "fabric/ui/yarncommands.h"

namespace hm::test {
namespace {

class ColourEditorTest : public ColourGuiTest {
  protected:
    TColEditDlg& Open() {
        dialog = std::make_unique<TColEditDlg>(t.ctx, t.window.get());
        dialog->show();
        grid = Child<PaletteGridWidget>(dialog.get(), "EdColorBox");
        return *dialog;
    }
    void Choose(int first, int second) {
        ClickCell(grid, first);
        Click(Child(dialog.get(), "Panel1"));
        ClickCell(grid, second);
        Click(Child(dialog.get(), "Panel2"));
    }
    void Press(const char* button) { Click(Child(dialog.get(), button)); }
    void Trigger(const char* item) { Child<QAction>(dialog.get(), item)->trigger(); }
    QString Text(const char* label) { return Child<QLabel>(dialog.get(), label)->text(); }
    // Ends 1..24 threaded and picks 1..20 woven, in the given yarns.
    void Weave(std::vector<uint8_t> warp, std::vector<uint8_t> weft) {
        Draft& d = t.draft();
        for (int e = 1; e <= 24; ++e) {
            d.PatternThreading[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
            d.WarpColors[e] = warp[static_cast<size_t>(e - 1) % warp.size()];
        }
        for (int p = 1; p <= 20; ++p) {
            d.SetLiftplan(p, (p - 1) % 4 + 1, true);
            d.WeftColors[p] = weft[static_cast<size_t>(p - 1) % weft.size()];
        }
    }

    std::unique_ptr<TColEditDlg> dialog;
    PaletteGridWidget* grid = nullptr;
};

TEST_F(ColourEditorTest, SwitchCopyAndBlendWorkOnTheChosenPair) {
    Draft& d = t.draft();
    Weave({2, 9}, {9});
    Open();
    Choose(2, 9);
    EXPECT_EQ(Text("Label1"), "2");
    EXPECT_EQ(Text("Label2"), "9");
    const uint32_t two = Entry(2), nine = Entry(9);

    Press("SwitchButton");
    EXPECT_EQ(Entry(2), nine);
    EXPECT_EQ(Entry(9), two);
    EXPECT_EQ(d.WarpColors[1], 2); // the yarns keep their numbers
    EXPECT_EQ(d.WeftColors[1], 9);
    EXPECT_EQ(Child<ColourPanel>(dialog.get(), "Panel1")->Colour(), nine);
    for (const char* step : {"PaletteChanged", "RepaintDraft"})
        EXPECT_TRUE(t.steps().contains(step)) << step;

    Press("CopyButton");
    EXPECT_EQ(Entry(9), nine);
    EXPECT_EQ(Entry(2), nine);

    // Blend between black at 0 and (200, 100, 0) at 4, chosen either way round.
    for (auto [first, second] : {std::pair{0, 4}, std::pair{4, 0}}) {
        SetPaletteColour(d, 0, MakeColor(0, 0, 0));
        SetPaletteColour(d, 4, MakeColor(200, 100, 0));
        Choose(first, second);
        Press("BlendButton");
        EXPECT_EQ(Entry(1), MakeColor(50, 25, 0));
        EXPECT_EQ(Entry(2), MakeColor(100, 50, 0));
        EXPECT_EQ(Entry(3), MakeColor(150, 75, 0));
    }

    // A pair of neighbours, or one entry twice, changes nothing.
    const auto palette = d.Palette;
    t.steps().clear();
    Choose(6, 7);
    Press("BlendButton");
    Choose(6, 6);
    Press("SwitchButton");
    Press("CopyButton");
    EXPECT_EQ(d.Palette, palette);
    EXPECT_TRUE(t.steps().isEmpty());
}

TEST_F(ColourEditorTest, RowButtonsFollowTheSizeAndCopyingAsksFirst) {
    Draft& d = t.draft();
    d.PaletteSize = PaletteSize16;
    Open();
    EXPECT_FALSE(Child(dialog.get(), "RowButtons")->isVisible());

    t.steps().clear();
    QTest::keyClick(Child<QComboBox>(dialog.get(), "SizeCombo"), Qt::Key_Down);
    ASSERT_EQ(d.PaletteSize, PaletteSize64);
    EXPECT_TRUE(t.steps().contains("PaletteChanged")) << "the palette window follows";
    EXPECT_TRUE(Child(dialog.get(), "SpeedButton3")->isVisible());
    const uint32_t first = Entry(0), third = Entry(24);
    Press("SpeedButton3"); // rows of 8 with 64 colours
    EXPECT_EQ(Entry(0), third);
    EXPECT_EQ(Entry(24), first);

    const auto palette = d.Palette;
    answer = BoxAnswer::No;
    Press("SpeedBut2");
    EXPECT_EQ(asked, QStringList{"Copy top line?"});
    EXPECT_EQ(d.Palette, palette);
    answer = BoxAnswer::Yes;
    Press("SpeedBut2");
    for (int c = 0; c < 8; ++c) EXPECT_EQ(Entry(16 + c), Entry(c));
    EXPECT_EQ(Entry(24), first);

    // With warnings switched off there is no question; rows of 16 with 256 colours.
    t.view.ExpertMode = true;
    asked.clear();
    QTest::keyClick(Child<QComboBox>(dialog.get(), "SizeCombo"), Qt::Key_Down);
    Press("SpeedBut7");
    EXPECT_TRUE(asked.isEmpty());
    for (int c = 0; c < 16; ++c) EXPECT_EQ(Entry(112 + c), Entry(c));
}

TEST_F(ColourEditorTest, ShrinkingTheSizeResetsIndicesBeyondTheGrid) {
    t.draft().PaletteSize = PaletteSize256;
    Open();
    Choose(3, 40);
    ClickCell(grid, 40);
    EXPECT_EQ(Child<QLabel>(dialog.get(), "IndexStatus")->text(), "Index: 40");
    EXPECT_EQ(Child<QLabel>(dialog.get(), "RgbStatus")->text(), "R:40, G:24, B:215");

    QTest::keyClick(Child<QComboBox>(dialog.get(), "SizeCombo"), Qt::Key_Home);
    EXPECT_EQ(t.draft().PaletteSize, PaletteSize16);
    EXPECT_EQ(grid->Grid().Count(), 16);
    EXPECT_EQ(dialog->Editor().Selection().selected, 0);
    EXPECT_EQ(Text("Label1"), "3");
    EXPECT_EQ(Text("Label2"), "0");
    EXPECT_EQ(Child<QLabel>(dialog.get(), "IndexStatus")->text(), "Index: 0");
    EXPECT_EQ(Child<QLabel>(dialog.get(), "RgbStatus")->text(), "R:0, G:0, B:255");
}

TEST_F(ColourEditorTest, ToolsMenuMovesUsedYarnsUpAndClearsTheRest) {
    Draft& d = t.draft();
    Open();
    // Nothing woven yet.
    Trigger("MoveToTopItem");
    EXPECT_EQ(asked, QStringList{"No Pattern."});

    Weave({7, 3}, {3});
    const uint32_t three = Entry(3), seven = Entry(7);
    Trigger("MoveToTopItem");
    EXPECT_EQ(Entry(0), three); // in their old order
    EXPECT_EQ(Entry(1), seven);
    EXPECT_EQ(d.WarpColors[1], 1);
    EXPECT_EQ(d.WarpColors[2], 0);
    EXPECT_EQ(d.WeftColors[1], 0);

    t.steps().clear();
    Trigger("ClearUnusedItem");
    EXPECT_EQ(Entry(1), seven);
    for (int i : {2, 3, 100, 255}) EXPECT_EQ(Entry(i), 0xFFFFFFu) << i;
    EXPECT_TRUE(t.steps().contains("MarkModified"));

    Trigger("ImportYarnItem"); // does nothing
    EXPECT_EQ(Entry(0), three);
}

TEST_F(ColourEditorTest, RevertAndCancelPutBackPaletteAndYarns) {
    Draft& d = t.draft();
    Weave({7, 3}, {3});
    const auto palette = d.Palette;
    const auto rgb = d.PaletteRGB;
    Open();
    chosen = QColor(1, 2, 3);
    DoubleClickCell(grid, 30);
    EXPECT_EQ(Entry(30), MakeColor(1, 2, 3));
    Trigger("MoveToTopItem");
    ASSERT_EQ(d.WarpColors[1], 1);

    Press("RevertButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(d.Palette, palette);
    EXPECT_EQ(d.PaletteRGB, rgb);
    EXPECT_EQ(d.WarpColors[1], 7);
    EXPECT_EQ(d.WeftColors[1], 3);

    Choose(1, 2);
    Press("SwitchButton");
    t.steps().clear();
    Press("CancelButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(d.Palette, palette);
    EXPECT_TRUE(t.steps().contains("RepaintDraft"));
}

TEST_F(ColourEditorTest, TheMenuCommandMarksTheDraftOnOkAndRestoresOtherwise) {
    Draft& d = t.draft();
    const auto palette = d.Palette;
    // OK keeps the edit and marks the draft.
    script = [this](QDialog& shown) {
        auto& editor = dynamic_cast<TColEditDlg&>(shown);
        ClickCell(editor.findChild<PaletteGridWidget*>("EdColorBox"), 5);
        QTest::mouseClick(editor.findChild<QWidget*>("Panel2"), Qt::LeftButton);
        QTest::mouseClick(editor.findChild<QWidget*>("CopyButton"), Qt::LeftButton);
        return int(QDialog::Accepted);
    };
    EXPECT_TRUE(EditColors1Click(t.ctx));
    EXPECT_EQ(Entry(5), palette[0]);
    EXPECT_TRUE(t.doc.Modified);
    EXPECT_EQ(t.steps().last(), "PaletteChanged");

    // A dialog that ends any other way leaves the palette as it found it.
    const auto edited = d.Palette;
    t.doc.Modified = false;
    script = [this](QDialog& shown) {
        ClickCell(shown.findChild<PaletteGridWidget*>("EdColorBox"), 9);
        QTest::mouseClick(shown.findChild<QWidget*>("Panel1"), Qt::LeftButton);
        QTest::mouseClick(shown.findChild<QWidget*>("CopyButton"), Qt::LeftButton);
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(EditColors1Click(t.ctx));
    EXPECT_EQ(d.Palette, edited);
    EXPECT_FALSE(t.doc.Modified);
}

} // namespace
} // namespace hm::test
