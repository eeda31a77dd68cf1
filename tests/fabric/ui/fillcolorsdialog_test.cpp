// Fill Colors driven through its controls: the eight orders of the radio
// group, the two colour grids and panels, Revert, and the undo step around it.

#include <QLabel>
#include <QRadioButton>
#include <memory>

#include "colourguifixture.h"
#include "fabric/ui/fillcolorsdialog.h"
#include "fabric/ui/fillcolourscommand.h"

namespace hm::test {
namespace {

class FillColoursTest : public ColourGuiTest {
  protected:
    void SetUp() override {
        ColourGuiTest::SetUp();
        t.draft().Ends = 10;
        t.draft().Picks = 6;
    }
    Tfillcoldlg& Open() {
        dialog = std::make_unique<Tfillcoldlg>(t.ctx, t.window.get());
        dialog->show();
        return *dialog;
    }
    void Press(const char* button) { Click(Child(dialog.get(), button)); }
    // Ends 1..10 or picks 1..6.
    template <typename Colours> static std::vector<int> First(const Colours& c, int n) {
        std::vector<int> v;
        for (int i = 1; i <= n; ++i) v.push_back(c[i]);
        return v;
    }
    std::vector<int> Warp() { return First(t.draft().WarpColors, 10); }
    std::vector<int> Weft() { return First(t.draft().WeftColors, 6); }

    std::unique_ptr<Tfillcoldlg> dialog;
};

TEST_F(FillColoursTest, EveryOrderOfTheRadioGroupFillsTheWarp) {
    const std::vector<std::vector<int>> expected = {
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, // A
        {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, // B
        {1, 5, 1, 5, 1, 5, 1, 5, 1, 5}, // AB
        {1, 1, 5, 5, 1, 1, 5, 5, 1, 1}, // AABB
        {1, 5, 1, 1, 5, 1, 1, 5, 1, 1}, // ABA
        {1, 5, 5, 1, 1, 5, 5, 1, 1, 5}, // ABBA
        {1, 5, 5, 5, 1, 5, 5, 5, 1, 5}, // ABBB
        {1, 1, 1, 5, 1, 1, 1, 5, 1, 1}, // AAAB
    };
    const int repeats[] = {1, 1, 2, 4, 3, 4, 4, 4};
    Open();
    EXPECT_TRUE(Child<QRadioButton>(dialog.get(), "ABgroupItem0")->isChecked());
    EXPECT_EQ(Child<QLabel>(dialog.get(), "Labela")->text(), "1");
    EXPECT_EQ(Child<QLabel>(dialog.get(), "LabelB")->text(), "5");
    for (int i = 0; i < FillOrderCount; ++i) {
        const QRadioButton* radio = Child<QRadioButton>(
            dialog.get(), QStringLiteral("ABgroupItem%1").arg(i).toLatin1().constData());
        SCOPED_TRACE(radio->text().toStdString());
        Click(const_cast<QRadioButton*>(radio));
        Press("FillWarpButton");
        EXPECT_EQ(Warp(), expected[static_cast<size_t>(i)]);
        EXPECT_EQ(t.draft().WarpColorRepeat, repeats[i]);
    }
    EXPECT_TRUE(dialog->isVisible()); // the dialog stays open
    EXPECT_TRUE(dialog->Filled());
}

TEST_F(FillColoursTest, TheGridsChooseTheColoursAndRevertPutsEverythingBack) {
    Draft& d = t.draft();
    const auto warp = Warp();
    const auto weft = Weft();
    const auto palette = d.Palette;
    Open();
    ClickCell(Child<PaletteGridWidget>(dialog.get(), "ColorBoxA"), 12);
    ClickCell(Child<PaletteGridWidget>(dialog.get(), "ColorBoxB"), 63);
    EXPECT_EQ(Child<QLabel>(dialog.get(), "Labela")->text(), "12");
    EXPECT_EQ(Child<ColourPanel>(dialog.get(), "PanelB")->Colour(), Entry(63));
    Click(Child(dialog.get(), "ABgroupItem2"));
    Press("FillWeftButton");
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(d.WeftColors[p], p % 2 ? 12 : 63) << p;
    EXPECT_EQ(d.WeftColorRepeat, 2);
    EXPECT_TRUE(t.steps().contains("MarkModified"));

    // A click on a panel changes that colour through the chooser.
    chosen = QColor(9, 8, 7);
    Click(Child(dialog.get(), "panelA"));
    EXPECT_EQ(chooserStart, QColor(12, 84, 243));
    EXPECT_EQ(Entry(12), MakeColor(9, 8, 7));
    EXPECT_EQ(Child<ColourPanel>(dialog.get(), "panelA")->Colour(), MakeColor(9, 8, 7));

    Press("FillWarpButton");
    Press("RevertButton");
    EXPECT_EQ(Warp(), warp);
    EXPECT_EQ(Weft(), weft);
    EXPECT_EQ(d.Palette, palette);
    EXPECT_TRUE(dialog->isVisible());

    // The colours chosen are kept for the next time the dialog opens.
    Press("CloseButton");
    Open();
    EXPECT_EQ(Child<QLabel>(dialog.get(), "Labela")->text(), "12");
    EXPECT_EQ(Child<QLabel>(dialog.get(), "LabelB")->text(), "63");
}

TEST_F(FillColoursTest, TheMenuCommandIsOneUndoStepEvenWhenNothingWasFilled) {
    Draft& d = t.draft();
    const auto warp = Warp();
    script = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_FALSE(WarpColors2Click(t.ctx));
    EXPECT_EQ(t.steps(), (QStringList{"TakeUndoSnapshot", "MarkModified", "MarkUndoAvailable"}));

    script = [this](QDialog& shown) {
        QTest::mouseClick(shown.findChild<QWidget*>("ABgroupItem3"), Qt::LeftButton);
        QTest::mouseClick(shown.findChild<QWidget*>("FillWarpButton"), Qt::LeftButton);
        QTest::mouseClick(shown.findChild<QWidget*>("FillWeftButton"), Qt::LeftButton);
        return int(QDialog::Accepted);
    };
    EXPECT_TRUE(WarpColors2Click(t.ctx));
    ASSERT_EQ(d.WarpColors[3], 5);
    ASSERT_TRUE(t.undo.UndoAvailable);
    EXPECT_TRUE(t.undo.Undo(d));
    EXPECT_EQ(Warp(), warp);
}

} // namespace
} // namespace hm::test
