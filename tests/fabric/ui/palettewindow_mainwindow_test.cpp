// The palette window beside the real main window: the Yarn menu item and the
// tool button are checked with it, and the colour selector and palette
// changes reach it.

#include <QComboBox>

#include "fabric/paletteedit.h"
#include "fabric/ui/colorselector.h"
#include "fabric/ui/colourwidgets.h"
#include "fabric/ui/palettewindow.h"
#include "window/mainwindow_fixture.h"

namespace hm::testing {
namespace {

using PaletteMainWindowTest = MainWindowTest;

TEST_F(PaletteMainWindowTest, TheWindowFollowsTheMenuTheSelectorAndThePalette) {
    TWform& w = Make(true);
    for (const char* name : {"EditColors1", "ToolButtonEdcol", "ColorWindow1", "PalSpeedButton",
                             "ColorDialogItem", "WarpColors2"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_FALSE(Checked("ColorWindow1"));

    w.Action("PalSpeedButton")->trigger();
    TPalWin* palette = w.context().Find<TPalWin>();
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_TRUE(Checked("ColorWindow1"));
    EXPECT_TRUE(Checked("PalSpeedButton"));

    emit w.colorSelector()->activated(33);
    EXPECT_EQ(w.view().CurrentColor, 33);
    EXPECT_EQ(palette->windowTitle(), QStringLiteral("Color 33"));
    EXPECT_EQ(palette->ColorBox()->Marked(), 33);

    w.draft().PaletteSize = PaletteSize256;
    SetPaletteColour(w.draft(), 33, MakeColor(1, 2, 3));
    w.PaletteChanged();
    EXPECT_EQ(palette->ColorBox()->Grid().Count(), 256);
    EXPECT_EQ(palette->Panel()->Colour(), MakeColor(1, 2, 3));

    // The menu item closes it and shows the same window again.
    w.Action("ColorWindow1")->trigger();
    EXPECT_FALSE(palette->isVisible());
    EXPECT_FALSE(Checked("PalSpeedButton"));
    w.Action("ColorWindow1")->trigger();
    EXPECT_EQ(w.context().Find<TPalWin>(), palette);
    EXPECT_TRUE(palette->isVisible());

    // Its own close button unchecks both.
    palette->close();
    EXPECT_FALSE(w.view().PaletteWindowOn);
    EXPECT_FALSE(Checked("ColorWindow1"));
    EXPECT_FALSE(Checked("PalSpeedButton"));
}

} // namespace
} // namespace hm::testing
