// The palette window: its three sizes, choosing and editing colours.

#include "colourguifixture.h"
#include "fabric/ui/palettewindow.h"
#include "fabric/ui/yarncommands.h"
#include "settings/basemultilang.h"

namespace hm::test {
namespace {

class PaletteWindowTest : public ColourGuiTest {
  protected:
    TPalWin& Open() {
        EXPECT_FALSE(ColorWindow1Click(t.ctx));
        return PaletteWindow(t.ctx);
    }
};

TEST_F(PaletteWindowTest, ThePanelStepsThroughTheThreeSizesAndTheWindowFollows) {
    struct Size {
        int paletteSize, columns, cell;
    };
    const Size sizes[] = {{PaletteSize16, 4, 24}, {PaletteSize64, 8, 20}, {PaletteSize256, 16, 16}};
    t.draft().PaletteSize = PaletteSize16;
    TPalWin& window = Open();
    for (int step = 0; step < 4; ++step) {
        const Size& s = sizes[step % 3];
        SCOPED_TRACE(s.columns);
        EXPECT_EQ(t.draft().PaletteSize, s.paletteSize);
        const int side = s.columns * s.cell;
        EXPECT_EQ(window.ColorBox()->size(), QSize(side, side));
        EXPECT_EQ(window.size(), QSize(side, side + TPalWin::PanelHeight));
        EXPECT_EQ(window.ColorBox()->Grid().IndexAt({side - 1, side - 1}),
                  s.columns * s.columns - 1);
        Click(window.Panel());
    }
}

TEST_F(PaletteWindowTest, AClickChoosesTheDrawingColourAndTheCaptionNamesIt) {
    TPalWin& window = Open();
    ClickCell(window.ColorBox(), 12);
    EXPECT_EQ(t.view.CurrentColor, 12);
    EXPECT_TRUE(t.steps().contains("SetCurrentColor 12"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Color 12"));
    EXPECT_EQ(window.ColorBox()->Marked(), 12);
    EXPECT_EQ(window.Panel()->Colour(), Entry(12));

    // The colour chosen elsewhere (colour selector, right click in the draft).
    window.ShowCurrentColor(40);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Color 40"));
    SetLanguageEverywhere(LangGerman);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Farbe 40"));
    SetLanguageEverywhere(LangEnglish);
}

TEST_F(PaletteWindowTest, ADoubleClickEditsTheColourThroughTheChooser) {
    TPalWin& window = Open();
    const uint32_t before = Entry(5);
    chosen.reset(); // Cancel changes nothing
    DoubleClickCell(window.ColorBox(), 5);
    EXPECT_EQ(chooserStart, QColor(5, 35, 250));
    EXPECT_EQ(Entry(5), before);
    EXPECT_FALSE(t.steps().contains("MarkModified"));

    chosen = QColor(10, 20, 30);
    DoubleClickCell(window.ColorBox(), 5);
    EXPECT_EQ(Entry(5), MakeColor(10, 20, 30));
    EXPECT_EQ(t.draft().PaletteRGB[5], (std::array<uint8_t, 3>{10, 20, 30}));
    EXPECT_EQ(window.Panel()->Colour(), MakeColor(10, 20, 30));
    for (const char* step : {"PaletteChanged", "RepaintDraft", "MarkModified"})
        EXPECT_TRUE(t.steps().contains(step)) << step;
}

} // namespace
} // namespace hm::test
